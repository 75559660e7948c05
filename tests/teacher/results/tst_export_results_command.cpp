// `teacher export-results`: the workbook a script gets, the same figures as
// `teacher results`, the exit codes and one-line messages, and no display needed.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office_fixtures.h"
#include "root_builder.h"
#include "test_files.h"

#include "office/xlsx_template.h"
#include "teacher/results/export_results_command.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using office::CellAddress;

namespace {

const QString maths = QStringLiteral("Maths");

struct Run
{
    int code = 0;
    QString err;
};

} // namespace

class TestExportResultsCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<testing::RootBuilder> m_fixture;

    Run run(QStringList arguments)
    {
        for (QString &argument : arguments)
            argument.replace(QStringLiteral("ROOT/"), m_dir.path() + u'/');
        Run result;
        QString out;
        QTextStream outStream(&out);
        QTextStream errStream(&result.err);
        result.code = teacher::runCommand(results::exportResultsCommand(), m_fixture->root(),
                                          arguments.mid(1), outStream, errStream);
        return result;
    }

private Q_SLOTS:
    void initTestCase();
    void writesTheWorkbook();
    void misuseAndFailures_data();
    void misuseAndFailures();
    void runsWithoutDisplay();
};

void TestExportResultsCommand::initTestCase()
{
    m_fixture = std::make_unique<testing::RootBuilder>(m_dir.path());
    m_fixture->keyedPaper(maths, {QStringLiteral("13"), QStringLiteral("2")});
    m_fixture->classes({{QStringLiteral("三班"), 2, 1, 2}});
    m_fixture->finish(maths, QStringLiteral("三班"), 1, QStringLiteral("李明"), {},
                      QStringLiteral("85"), QStringLiteral("00:05:12"), {13, 2});
    QVERIFY(QFile::copy(QStringLiteral(QUORIN_SOURCE_DIR "/data/sys/score.xltx"),
                        m_dir.path() + QStringLiteral("/sys/score.xltx")));
}

void TestExportResultsCommand::writesTheWorkbook()
{
    const Run result = run({QStringLiteral("export-results"), QStringLiteral("--paper=maths"),
                            QStringLiteral("--class"), QStringLiteral(" 三班 "),
                            QStringLiteral("--output"), QStringLiteral("ROOT/out.xlsx")});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.code, 0);
    office::Result<office::XlsxTemplate> book =
        office::XlsxTemplate::open(m_dir.path() + QStringLiteral("/out.xlsx"));
    QVERIFY2(book, qPrintable(book.reason()));
    QCOMPARE(book->cellText(1, CellAddress{2, 2}), maths);
    QCOMPARE(book->cellText(1, CellAddress{1, 5}), QStringLiteral("三班"));
    QCOMPARE(book->cellText(1, CellAddress{6, 2}), QStringLiteral("李明"));
    QCOMPARE(book->cellText(2, CellAddress{6, 2}), QStringLiteral("85"));
    QCOMPARE(book->cellText(4, CellAddress{6, 4}), QStringLiteral("13"));
    QCOMPARE(book->cellText(4, CellAddress{7, 4}), QString());
}

void TestExportResultsCommand::misuseAndFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString out = QStringLiteral("ROOT/fail.xlsx");
    QTest::newRow("no class") << QStringList{QStringLiteral("export-results"),
                                             QStringLiteral("--paper"), maths,
                                             QStringLiteral("--output"), out}
                              << QStringLiteral("usage: teacher [--data-root DIR] export-results");
    QTest::newRow("unknown paper")
        << QStringList{QStringLiteral("export-results"),
                       QStringLiteral("--paper"),
                       QStringLiteral("Physics"),
                       QStringLiteral("--class"),
                       QStringLiteral("三班"),
                       QStringLiteral("--output"),
                       out}
        << QStringLiteral("teacher export-results: there is no paper \"Physics\"");
    QTest::newRow("unknown class")
        << QStringList{QStringLiteral("export-results"),
                       QStringLiteral("--paper"),
                       maths,
                       QStringLiteral("--class"),
                       QStringLiteral("B9"),
                       QStringLiteral("--output"),
                       out}
        << QStringLiteral("teacher export-results: there is no class \"B9\"");
    QTest::newRow("template with too few sheets")
        << QStringList{QStringLiteral("export-results"),
                       QStringLiteral("--paper"),
                       maths,
                       QStringLiteral("--class"),
                       QStringLiteral("三班"),
                       QStringLiteral("--template"),
                       QStringLiteral(QUORIN_SOURCE_DIR "/data/sys/paper.dotx"),
                       QStringLiteral("--output"),
                       out}
        << QStringLiteral("teacher export-results: The template cannot be used: the file is not a "
                          "spreadsheet");
    QTest::newRow("unwritable output")
        << QStringList{QStringLiteral("export-results"),
                       QStringLiteral("--paper"),
                       maths,
                       QStringLiteral("--class"),
                       QStringLiteral("三班"),
                       QStringLiteral("--output"),
                       QStringLiteral("ROOT/missing/fail.xlsx")}
        << QStringLiteral("was not written (No such file or directory); nothing was changed");
}

void TestExportResultsCommand::misuseAndFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run result = run(arguments);
    QCOMPARE(result.code, 2);
    QVERIFY2(result.err.startsWith(message) || result.err.contains(message),
             qPrintable(result.err));
    QCOMPARE(result.err.count(u'\n'), 1);
    QVERIFY(!QFile::exists(m_dir.path() + QStringLiteral("/fail.xlsx")));
}

void TestExportResultsCommand::runsWithoutDisplay()
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORIN_BIN_DIR "/teacher"),
                  {QStringLiteral("--data-root"), m_dir.path(), QStringLiteral("export-results"),
                   QStringLiteral("--paper"), maths, QStringLiteral("--class"),
                   QStringLiteral("三班"), QStringLiteral("--output"),
                   m_dir.path() + QStringLiteral("/cli.xlsx")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QString());
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(QFile::exists(m_dir.path() + QStringLiteral("/cli.xlsx")));
}

QTEST_GUILESS_MAIN(TestExportResultsCommand)
#include "tst_export_results_command.moc"

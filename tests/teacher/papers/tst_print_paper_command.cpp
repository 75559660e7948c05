// `teacher print-paper`: the document a script gets, the exit codes and one-line
// messages, and that it runs without any display.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "office_fixtures.h"
#include "root_builder.h"
#include "test_files.h"

#include "teacher/papers/print_paper_command.h"

#include <QProcess>
#include <QTest>

namespace {

struct Run
{
    int code = 0;
    QString err;
};

Run run(const testing::RootBuilder &root, const QStringList &arguments)
{
    Run result;
    QString out;
    QTextStream outStream(&out);
    QTextStream errStream(&result.err);
    result.code = teacher::runCommand(papers::printPaperCommand(), root.root(), arguments.mid(1),
                                      outStream, errStream);
    return result;
}

void writePaper(testing::RootBuilder &root)
{
    root.classes({{QStringLiteral("A1"), 3, 1, 3}})
        .offer(QStringLiteral("Maths"))
        .offer(QStringLiteral("期中考试"));
    root.savedPaper(
        QStringLiteral("Maths"),
        {{QStringLiteral("1.RTF"), QStringLiteral("2.RTF"), QStringLiteral("13"), QString()}}, 5,
        QStringLiteral("Ms Lin"));
    root.rtfDocument(QStringLiteral("Maths"), QStringLiteral("1.RTF"),
                     QStringLiteral("What is 7 x 8?"));
    root.rtfDocument(QStringLiteral("Maths"), QStringLiteral("2.RTF"),
                     QStringLiteral("Seven eights."));
    root.copy(QStringLiteral(QUORIN_SOURCE_DIR "/data/sys/paper.dotx"),
              QStringLiteral("sys/paper.dotx"));
}

} // namespace

class TestPrintPaperCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheDocument();
    void misuseAndFailures_data();
    void misuseAndFailures();
    void runsWithoutDisplay();
};

void TestPrintPaperCommand::writesTheDocument()
{
    testing::RootBuilder root;
    writePaper(root);
    const QString output = root.path() + QStringLiteral("/out.docx");
    testing::writeBytes(output, "an older file is replaced");
    const Run result = run(root, {QStringLiteral("print-paper"), QStringLiteral("--paper"),
                                  QStringLiteral(" maths "), QStringLiteral("--explanations"),
                                  QStringLiteral("--output"), output});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.code, 0);
    const QStringList paragraphs = testing::docxParagraphs(testing::readBytes(output));
    QVERIFY(paragraphs.contains(QStringLiteral("Maths")));
    // The row as "Manage paper" shows it: the settings of the paper file.
    QVERIFY(paragraphs.contains(
        QStringLiteral("Author: Ms Lin    Time: 45 minutes    Questions: 1    Full mark: 5")));
    QVERIFY(paragraphs.contains(QStringLiteral("Seven eights.")));
}

void TestPrintPaperCommand::misuseAndFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString out = QStringLiteral("OUT/x.docx");
    QTest::newRow("no paper") << QStringList{QStringLiteral("print-paper"),
                                             QStringLiteral("--output"), out}
                              << QStringLiteral("usage: teacher");
    QTest::newRow("no output") << QStringList{QStringLiteral("print-paper"),
                                              QStringLiteral("--paper"), QStringLiteral("Maths")}
                               << QStringLiteral("usage: teacher");
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("print-paper"), QStringLiteral("--paper"),
                       QStringLiteral("Maths"),       QStringLiteral("--colour"),
                       QStringLiteral("--output"),    out}
        << QStringLiteral("teacher print-paper: unexpected argument \"--colour\"; usage:");
    QTest::newRow("unknown paper")
        << QStringList{QStringLiteral("print-paper"), QStringLiteral("--paper"),
                       QStringLiteral("Physics"), QStringLiteral("--output"), out}
        << QStringLiteral("teacher print-paper: there is no paper \"Physics\"");
    QTest::newRow("missing template")
        << QStringList{QStringLiteral("print-paper"),
                       QStringLiteral("--paper"),
                       QStringLiteral("Maths"),
                       QStringLiteral("--template"),
                       QStringLiteral("ROOT/none.dotx"),
                       QStringLiteral("--output"),
                       out}
        << QStringLiteral("teacher print-paper: The template cannot be used: ");
    QTest::newRow("unwritable output")
        << QStringList{QStringLiteral("print-paper"), QStringLiteral("--paper"),
                       QStringLiteral("Maths"), QStringLiteral("--output"),
                       QStringLiteral("ROOT/no/such/folder/x.docx")}
        << QStringLiteral("was not written (No such file or directory); nothing was changed");
    QTest::newRow("paper without documents")
        << QStringList{QStringLiteral("print-paper"), QStringLiteral("--paper"),
                       QStringLiteral("期中考试"), QStringLiteral("--output"), out}
        << QString();
}

void TestPrintPaperCommand::misuseAndFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    testing::RootBuilder root;
    writePaper(root);
    QDir().mkpath(root.path() + QStringLiteral("/OUT"));
    for (QString &argument : arguments) {
        argument.replace(QStringLiteral("ROOT/"), root.path() + u'/');
        argument.replace(QStringLiteral("OUT/"), root.path() + QStringLiteral("/OUT/"));
    }
    const Run result = run(root, arguments);
    if (message.isEmpty()) {
        // A paper that has no paper file yet prints its empty template.
        QCOMPARE(result.code, 0);
        return;
    }
    QCOMPARE(result.code, 2);
    QVERIFY2(result.err.startsWith(message) || result.err.contains(message),
             qPrintable(result.err));
    QCOMPARE(result.err.count(u'\n'), 1);
    QVERIFY(!QFile::exists(root.path() + QStringLiteral("/OUT/x.docx")));
}

void TestPrintPaperCommand::runsWithoutDisplay()
{
    testing::RootBuilder root;
    writePaper(root);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    const QString output = root.path() + QStringLiteral("/cli.docx");
    process.start(QStringLiteral(QUORIN_BIN_DIR "/teacher"),
                  {QStringLiteral("--data-root"), root.path(), QStringLiteral("print-paper"),
                   QStringLiteral("--paper"), QStringLiteral("Maths"), QStringLiteral("--output"),
                   output});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QString());
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(testing::docxParagraphs(testing::readBytes(output))
                .contains(QStringLiteral("What is 7 x 8?")));
}

QTEST_GUILESS_MAIN(TestPrintPaperCommand)
#include "tst_print_paper_command.moc"

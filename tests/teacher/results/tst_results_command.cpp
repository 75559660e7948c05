// `teacher results`: the CSV a script gets, the exit codes, and that it runs
// without any display.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_builder.h"
#include "teacher/results/results_command.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace results;
using testing::RootBuilder;

class TestResultsCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<RootBuilder> m_fixture;

    struct Run
    {
        int code = 0;
        QString out;
        QString err;
    };
    Run run(const QStringList &arguments)
    {
        Run result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        // The command's name comes first, as on the command line.
        result.code =
            teacher::runCommand(resultsCommand(), m_fixture->root(), arguments.mid(1), out, err);
        return result;
    }

    static QString expectedCsv()
    {
        return QStringLiteral(
            "number,first name,last name,score,rank,surplus time\n"
            "1,\"Li, Jr.\",Ming,85,2,00:05:12\n"
            "2,张三,,95,1,00:00:00\n"
            "3,\"Wang \"\"Wu\"\"\",,,,\n"
            "4,,,,,\n" // S = 3 ranks this row third as a score of 0, but no score, no rank
            "\n"
            "statistic,value\n"
            "Average,90\n"
            "Highest,95\n"
            "Lowest,85\n"
            "student count,2\n"
            "Score sum,180\n"
            "A grade,1\n"
            "B grade,1\n"
            "C grade,0\n"
            "D grade,0\n"
            "F grade,0\n"
            "Pass Total:,2\n"
            "A%,50\n"
            "B%,50\n"
            "C%,0\n"
            "D%,0\n"
            "F%,0\n"
            "\n"
            "question,score pct,correct answer,option 1,option 2,option 3,option 4,option 5\n"
            "1,150,13,3,0,3,0,0\n"
            "2,50,2,1,1,0,1,0\n");
    }

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<RootBuilder>(m_dir.path());
        m_fixture->keyedPaper(QStringLiteral("Maths"), {QStringLiteral("13"), QStringLiteral("2")});
        m_fixture->classes({{QStringLiteral("A1"), 3, 1, 4}});
        m_fixture->finish(QStringLiteral("Maths"), QStringLiteral("A1"), 1,
                          QStringLiteral("Li, Jr."), QStringLiteral("Ming"), QStringLiteral("85"),
                          QStringLiteral("00:05:12"), {13, 2});
        m_fixture->finish(QStringLiteral("Maths"), QStringLiteral("A1"), 2, QStringLiteral("张三"),
                          {}, QStringLiteral("95"), QStringLiteral("00:00:00"), {13, 14});
        m_fixture->start(QStringLiteral("Maths"), QStringLiteral("A1"), 3,
                         QStringLiteral("Wang \"Wu\""), {}, {13, 0});
    }
    void cleanupTestCase() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void printsTheViewsFigures()
    {
        const Run result = run({QStringLiteral("results"), QStringLiteral("--paper"),
                                QStringLiteral("maths"), QStringLiteral("--class=A1")});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out, expectedCsv());
    }

    void fieldsStayText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("a formula typed as a name") << "=HYPERLINK(\"http://x\")"
                                                   << "\"'=HYPERLINK(\"\"http://x\"\")\"";
        QTest::newRow("plus") << "+1+2"
                              << "'+1+2";
        QTest::newRow("minus, no number") << "-x"
                                          << "'-x";
        QTest::newRow("at") << "@SUM(A1)"
                            << "'@SUM(A1)";
        QTest::newRow("tab") << "\tx"
                             << "'\tx";
        QTest::newRow("carriage return") << "\rx"
                                         << "\"'\rx\"";
        QTest::newRow("a negative number") << "-3"
                                           << "-3";
        QTest::newRow("a fraction") << "-1.5"
                                    << "-1.5";
        QTest::newRow("a comma") << "Li, Jr."
                                 << "\"Li, Jr.\"";
        QTest::newRow("Chinese") << "张三"
                                 << "张三";
    }
    void fieldsStayText()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(csvField(text), field);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such paper")
            << QStringList{QStringLiteral("results"), QStringLiteral("--paper"),
                           QStringLiteral("Physics"), QStringLiteral("--class"),
                           QStringLiteral("A1")}
            << QStringLiteral("teacher results: there is no paper \"Physics\"\n");
        QTest::newRow("no such class")
            << QStringList{QStringLiteral("results"), QStringLiteral("--paper"),
                           QStringLiteral("Maths"), QStringLiteral("--class"), QStringLiteral("B2")}
            << QStringLiteral("teacher results: there is no class \"B2\"\n");
        QTest::newRow("class missing")
            << QStringList{QStringLiteral("results"), QStringLiteral("--paper"),
                           QStringLiteral("Maths")}
            << QStringLiteral(
                   "usage: teacher [--data-root DIR] results --paper NAME --class NAME\n");
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("results"), QStringLiteral("--csv")}
            << QStringLiteral("teacher results: unexpected argument \"--csv\"; usage: teacher "
                              "[--data-root DIR] "
                              "results --paper NAME --class NAME\n");
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run result = run(arguments);
        QCOMPARE(result.code, 2);
        QCOMPARE(result.err, message);
        QCOMPARE(result.out, QString());
    }

    void theProgramNeedsNoDisplay()
    {
        QProcess teacher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("QUORIN_DATA_ROOT"));
        teacher.setProcessEnvironment(environment);
        teacher.start(QStringLiteral(QUORIN_BIN_DIR "/teacher"),
                      {QStringLiteral("--data-root"), m_dir.path(), QStringLiteral("results"),
                       QStringLiteral("--paper"), QStringLiteral("Maths"),
                       QStringLiteral("--class"), QStringLiteral("A1")});
        QVERIFY(teacher.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(teacher.readAllStandardError()), QString());
        QCOMPARE(teacher.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(teacher.readAllStandardOutput()), expectedCsv());

        teacher.start(QStringLiteral(QUORIN_BIN_DIR "/teacher"),
                      {QStringLiteral("--data-root"), m_dir.path(), QStringLiteral("results"),
                       QStringLiteral("--paper"), QStringLiteral("Nope"), QStringLiteral("--class"),
                       QStringLiteral("A1")});
        QVERIFY(teacher.waitForFinished(30000));
        QCOMPARE(teacher.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(teacher.readAllStandardError()),
                 QStringLiteral("teacher results: there is no paper \"Nope\"\n"));
    }

    // On a Chinese desktop the CSV, which programs read, is byte for byte the English
    // one; the message for a person is Chinese.
    void aChineseDesktopKeepsTheCsv()
    {
        QProcess teacher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("zh_CN"));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("zh_CN.UTF-8"));
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        teacher.setProcessEnvironment(environment);
        const QStringList common{QStringLiteral("--data-root"), m_dir.path(),
                                 QStringLiteral("results"),     QStringLiteral("--class"),
                                 QStringLiteral("A1"),          QStringLiteral("--paper")};
        teacher.start(QStringLiteral(QUORIN_BIN_DIR "/teacher"),
                      common + QStringList{QStringLiteral("Maths")});
        QVERIFY(teacher.waitForFinished(30000));
        QCOMPARE(teacher.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(teacher.readAllStandardOutput()), expectedCsv());

        teacher.start(QStringLiteral(QUORIN_BIN_DIR "/teacher"),
                      common + QStringList{QStringLiteral("Nope")});
        QVERIFY(teacher.waitForFinished(30000));
        QCOMPARE(teacher.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(teacher.readAllStandardError()),
                 QStringLiteral("teacher results: 没有试卷“Nope”\n"));
    }
};

QTEST_GUILESS_MAIN(TestResultsCommand)
#include "tst_results_command.moc"

// The item analysis as the teacher meets it: `teacher analyse`, the window over "View
// achievement" through its refreshes, and the PDF report read back as text.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixed_clock.h"
#include "root_builder.h"
#include "scripted_prompts.h"
#include "test_files.h"

#include "teacher/results/analyse_command.h"
#include "teacher/results/analysis_window.h"
#include "teacher/results/results_window.h"

#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Two classes of one four-question paper: A1 answers well, B2 badly; testee A1/5 is
// still in the test and counts nowhere.
void fillRoot(testing::RootBuilder &root)
{
    root.classes({{u"A1"_s, 5, 1, 5}, {u"B2"_s, 4, 1, 4}, {u"C3"_s, 3, 1, 3}})
        .keyedPaper(u"Maths"_s, {u"1"_s, u"2"_s, u"13"_s, u"4"_s}, testing::Documents::Written);
    const QList<QList<int>> a1{{1, 2, 13, 4}, {1, 2, 13, 3}, {1, 2, 1, 4}, {1, 3, 13, 4}};
    for (int n = 1; n <= 4; ++n)
        root.finish(u"Maths"_s, u"A1"_s, n, u"A%1"_s.arg(n), {}, u"15"_s, u"00:01:00"_s, a1[n - 1]);
    root.start(u"Maths"_s, u"A1"_s, 5, u"Late"_s, {}, {1, 2, 13, 4});
    const QList<QList<int>> b2{{1, 0, 0, 0}, {2, 2, 0, 0}, {0, 0, 13, 1}, {1, 2, 0, 4}};
    for (int n = 1; n <= 4; ++n)
        root.finish(u"Maths"_s, u"B2"_s, n, u"B%1"_s.arg(n), {}, u"5"_s, u"00:01:00"_s, b2[n - 1]);
}

struct Run
{
    int code = -1;
    QString out, err;
};

Run analyse(const testing::RootBuilder &root, const QStringList &words)
{
    Run run;
    QTextStream out(&run.out), err(&run.err);
    run.code = teacher::runCommand(results::analyseCommand(), root.root(), words, out, err);
    return run;
}

} // namespace

class TestAnalysisWindow : public QObject
{
    Q_OBJECT

private slots:
    void theCommand_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("classes"); // or the one-line error
        QTest::addColumn<int>("testees");
        QTest::newRow("every class with records")
            << QStringList{u"--paper"_s, u"maths"_s} << 0 << QStringList{u"A1"_s, u"B2"_s} << 8;
        QTest::newRow("one class") << QStringList{u"--paper"_s, u"Maths"_s, u"--class"_s, u"a1"_s}
                                   << 0 << QStringList{u"A1"_s} << 4;
        QTest::newRow("a class without records")
            << QStringList{u"--paper"_s, u"Maths"_s, u"--class"_s, u"C3"_s} << 0
            << QStringList{u"C3"_s} << 0;
        QTest::newRow("no such class")
            << QStringList{u"--paper"_s, u"Maths"_s, u"--class"_s, u"D4"_s} << 2
            << QStringList{u"teacher analyse: there is no class \"D4\"\n"_s} << 0;
        QTest::newRow("no such paper")
            << QStringList{u"--paper"_s, u"Physics"_s} << 2
            << QStringList{u"teacher analyse: there is no paper \"Physics\"\n"_s} << 0;
    }
    void theCommand()
    {
        QFETCH(QStringList, words);
        QFETCH(int, code);
        QFETCH(QStringList, classes);
        QFETCH(int, testees);
        testing::RootBuilder root;
        fillRoot(root);
        const Run run = analyse(root, words);
        QCOMPARE(run.code, code);
        if (code != 0) {
            QCOMPARE(run.err, classes.constFirst());
            QCOMPARE(run.out, QString());
            return;
        }
        QCOMPARE(run.err, QString());
        QJsonParseError error;
        const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(json[u"paper"].toString(), u"Maths"_s);
        QCOMPARE(json[u"classes"].toVariant().toStringList(), classes);
        QCOMPARE(json[u"testees"].toInt(), testees);
        QCOMPARE(json[u"questions"].toInt(), 4);
        QCOMPARE(json[u"full_mark"].toDouble(), 20.0);
        QCOMPARE(json[u"histogram"].toArray().size(), 10);
        const QJsonArray items = json[u"items"].toArray();
        QCOMPARE(items.size(), 4);
        QCOMPARE(items[2][u"key"].toInt(), 13);
        QCOMPARE(items[2][u"options"][u"3"].toObject().keys(),
                 (QStringList{u"all"_s, u"lower"_s, u"upper"_s}));
        QCOMPARE(json[u"mean"].isNull(), testees == 0);
        QCOMPARE(items[0][u"discrimination"].isNull(), testees < 4);
    }

    void csvAndOutputFile()
    {
        testing::RootBuilder root;
        fillRoot(root);
        const QString file = root.path() + u"/analysis.csv"_s;
        const Run run =
            analyse(root, {u"--paper"_s, u"Maths"_s, u"--format=csv"_s, u"--output"_s, file});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QString());
        const QStringList lines = QString::fromUtf8(testing::readBytes(file)).split(u'\n');
        QCOMPARE(lines.size(), 6); // header, four questions, the final line end
        QVERIFY(lines[0].startsWith(u"number,key,mark,facility,discrimination,item_rest,"
                                    u"option_0_all,option_0_upper,option_0_lower,"_s));
        QVERIFY(lines[0].endsWith(u",option_7_lower,flags"_s));
        QCOMPARE(lines[1].split(u',').size(), 31);
        QVERIFY(lines[1].startsWith(u"1,1,5,0.75,"_s));
    }

    // The window follows the refreshes of "View achievement" and keeps what the teacher
    // chose in it; its report is a PDF with the figures and the flagged questions.
    void theWindowThroughRefreshesAndItsReport()
    {
        testing::RootBuilder root;
        fillRoot(root);
        testing::ScriptedPrompts prompts;
        results::ResultsWindow window(root.root(), prompts, [] {}, {});
        QSignalSpy refreshed(&window, &results::ResultsWindow::refreshed);
        window.show();
        QVERIFY(refreshed.wait(10000));
        results::AnalysisWindow *analysis = window.openAnalysis();
        QVERIFY(analysis && analysis->isVisible());
        QCOMPARE(analysis->analysis().classes(), QStringList{u"A1"_s});
        QCOMPARE(analysis->analysis().test().scores.testees, 4);
        auto *table = analysis->findChild<QTableWidget *>(u"Table_questions"_s);
        QCOMPARE(table->rowCount(), 4);

        table->sortItems(3, Qt::DescendingOrder); // by facility
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(table->item(1, 0)).center());
        const int chosen = analysis->chosenQuestion();
        QCOMPARE(chosen, table->item(1, 0)->text().toInt());
        analysis->setClassTicked(u"B2"_s, true);
        QCOMPARE(analysis->analysis().classes(), (QStringList{u"A1"_s, u"B2"_s}));
        QCOMPARE(analysis->analysis().perClass().size(), 2);

        // Testee 5 finishes; the next refresh counts it and keeps the choices.
        root.finish(u"Maths"_s, u"A1"_s, 5, u"Late"_s, {}, u"20"_s, u"00:00:10"_s, {1, 2, 13, 4});
        window.refresh();
        QVERIFY(refreshed.wait(10000));
        QCOMPARE(analysis->analysis().test().scores.testees, 9);
        QCOMPARE(analysis->analysis().classes(), (QStringList{u"A1"_s, u"B2"_s}));
        QCOMPARE(analysis->chosenQuestion(), chosen);
        QCOMPARE(table->horizontalHeader()->sortIndicatorSection(), 3);
        QCOMPARE(table->selectedItems().value(0)->row(),
                 table->item(table->currentRow(), 0)->row());

        const QString folder = root.localFolder(u"documents"_s);
        analysis->setDelivery({folder, [](const QString &) { return false; }});
        analysis->saveReport();
        analysis->saveReport(); // never over the first
        const QStringList pdfs = QDir(folder).entryList({u"*.pdf"_s}, QDir::Files);
        QCOMPARE(pdfs.size(), 2);
        QVERIFY2(prompts.messages().constLast().startsWith(u"The report is "_s),
                 qPrintable(prompts.messages().constLast()));
        QProcess text;
        text.start(u"pdftotext"_s, {u"-layout"_s, folder + u'/' + pdfs.constFirst(), u"-"_s});
        if (!text.waitForStarted())
            QSKIP("pdftotext is not installed");
        QVERIFY(text.waitForFinished(30000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (const QString &expected :
             {u"Item analysis: Maths"_s, u"Classes: A1, B2"_s, u"Testees: 9 Questions: 4"_s,
              u"Facility"_s, u"Scores"_s, u"Standard error of measurement"_s, u"Flagged"_s})
            QVERIFY2(page.contains(expected), qPrintable(expected + u" not in: "_s + page));
    }
};

QTEST_MAIN(TestAnalysisWindow)
#include "tst_analysis_window.moc"

// The results model against real data roots: statistics, grades, ranks, orders,
// the list texts, the question figures and the two actions on records.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_builder.h"
#include "teacher/results/results_model.h"

#include "store/profile_file.h"
#include "test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace results;
using testing::RootBuilder;

namespace {

const QString ruler = QStringLiteral("________________");
const QString maths = QStringLiteral("Maths");
const QString a1 = QStringLiteral("A1");

QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

QStringList ranks(const ResultsModel &model)
{
    QStringList list;
    for (const ResultRow &row : model.resultTable().rows())
        list.append(row.rank);
    return list;
}

QStringList values(const ResultsModel &model)
{
    QStringList list;
    for (const Statistic &pair : model.summary().statistics())
        list.append(pair.value);
    return list;
}

} // namespace

class TestResultsModel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RootBuilder> m_fixture;

    ResultsModel refreshed(const QString &paper = maths, const QString &className = a1)
    {
        ResultsModel model(m_fixture->root());
        model.refreshResults(paper, className);
        return model;
    }
    // Finished testees 1..n of class A1 with the given score texts.
    void scores(const QStringList &texts)
    {
        for (qsizetype i = 0; i < texts.size(); ++i)
            m_fixture->finish(maths, a1, int(i + 1), QStringLiteral("T%1").arg(i + 1), {},
                              texts.at(i), QStringLiteral("00:01:00"));
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<RootBuilder>();
        m_fixture->keyedPaper(maths, {QStringLiteral("13"), QStringLiteral("2")});
    }
    void cleanup() { m_fixture.reset(); }

    void noResultFiles()
    {
        m_fixture->classes({{a1, 3, 1, 5}});
        const ResultsModel model = refreshed();
        QCOMPARE(model.resultTable().rowCount(), 5);
        const QStringList lines = model.statisticsLines();
        QCOMPARE(lines.size(), 22);
        QCOMPARE(
            lines.mid(0, 8),
            (QStringList{QStringLiteral("Average") + ruler, ruler,
                         QStringLiteral("Highest") + ruler, QStringLiteral("0") + ruler,
                         QStringLiteral("Lowest") + ruler, QStringLiteral("0") + ruler,
                         QStringLiteral("student count") + ruler, QStringLiteral("0") + ruler}));
        QCOMPARE(lines.last(), QStringLiteral("0") + ruler);
        QCOMPARE(lines.at(20), QStringLiteral("Pass Total:") + ruler);
        // Everyone ranks as score 0; the descending order puts the higher rows first,
        // so the S = 3 ranked positions are rows 5, 4 and 3.
        QCOMPARE(
            ranks(model),
            (QStringList{{}, {}, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")}));
        const TesteeLists lists = model.rebuildTesteeLists();
        QCOMPARE(lists.left.first(), QStringLiteral("1_____") + u"_|_" + u"__" + QString(29, u'_'));
        QCOMPARE(lists.right.first(),
                 QStringLiteral("______") + u"_|_" + u"____" + u"_|_" + QString(20, u'_'));
        QCOMPARE(model.rebuildAnswerList(),
                 (QStringList{QStringLiteral("0") + ruler, QStringLiteral("0") + ruler}));
    }

    void classStatistics_data()
    {
        QTest::addColumn<QStringList>("scores");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("95 85 85 40") << strings({"95", "85", "85", "40"})
                                     << strings({"76.25", "95", "40", "4", "305", "1", "2", "0",
                                                 "0", "1", "3", "25", "50", "0", "0", "25"});
        QTest::newRow("59.5 then 60.5 sums to the even 120")
            << strings({"59.5", "60.5"})
            << strings({"60", "60", "60", "2", "120", "0", "0", "0", "1", "1", "1", "0", "0", "0",
                        "50", "50"});
        QTest::newRow("200 over 3 is cut to 6 characters")
            << strings({"66", "67", "67"})
            << strings({"66.666", "67", "66", "3", "200", "0", "0", "0", "3", "0", "3", "0", "0",
                        "0", "100", "0"});
        QTest::newRow("a third in full decimal text")
            << strings({"90", "70", "10"})
            << strings({"56.666", "90", "10", "3", "170", "1", "0", "1", "0", "1", "2",
                        "33.3333333333333", "0", "33.3333333333333", "0", "33.3333333333333"});
        QTest::newRow("empty and letters count as 0, negative is no score")
            << strings({"", "abc", "-1", "-0.5", "80"})
            << strings({"26.666", "80", "0", "3", "80", "0", "1", "0", "0", "2", "1", "0",
                        "33.3333333333333", "0", "0", "66.6666666666667"});
        QTest::newRow("marks above 1000 show the real lowest")
            << strings({"1500", "1200"})
            << strings({"1350", "1500", "1200", "2", "2700", "2", "0", "0", "0", "0", "2", "100",
                        "0", "0", "0", "0"});
    }
    void classStatistics()
    {
        QFETCH(QStringList, scores);
        QFETCH(QStringList, expected);
        m_fixture->classes({{a1, int(scores.size()), 1, int(scores.size())}});
        this->scores(scores);
        QCOMPARE(values(refreshed()), expected);
    }

    void grades_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<int>("grade");
        QTest::newRow("90 is A") << 90.0 << int(Grade::A);
        QTest::newRow("89.5 is B") << 89.5 << int(Grade::B);
        QTest::newRow("70 is C") << 70.0 << int(Grade::C);
        QTest::newRow("60 is D") << 60.0 << int(Grade::D);
        QTest::newRow("59.9 is F") << 59.9 << int(Grade::F);
        QTest::newRow("0 is F") << 0.0 << int(Grade::F);
    }
    void grades()
    {
        QFETCH(double, score);
        QFETCH(int, grade);
        ClassSummary summary(GradeThresholds{90, 80, 70, 60});
        QCOMPARE(int(summary.add(score)), grade);
        QCOMPARE(summary.passTotal(), grade == int(Grade::F) ? 0 : 1);
        // A paper without thresholds makes every score an A.
        QCOMPARE(ClassSummary().gradeOf(score), Grade::A);
    }

    void missingPaperFile()
    {
        m_fixture->classes({{a1, 2, 1, 2}});
        QDir().mkpath(m_fixture->path() + QStringLiteral("/CHENGJI/Gone"));
        m_fixture->finish(QStringLiteral("Gone"), a1, 1, QStringLiteral("Tom"), {},
                          QStringLiteral("10"), QStringLiteral("00:00:00"));
        QDir(m_fixture->path() + QStringLiteral("/SHIJUAN")).removeRecursively();
        const ResultsModel model = refreshed(QStringLiteral("Gone"));
        QCOMPARE(model.questionTable().questionCount(), 0);
        QCOMPARE(model.summary().gradeCount(Grade::A), 1);
        QVERIFY(model.rebuildQuestionList().isEmpty());
    }

    void sixteenBitFiguresGoOnBeyond()
    {
        // 400 scores of 100: a sum of 40000 and 400 A grades overflow 16-bit counters.
        m_fixture->classes({{a1, 400, 1, 400}});
        for (int n = 1; n <= 400; ++n)
            m_fixture->finishRaw(maths, a1, n, QStringLiteral("张"), QStringLiteral("100"),
                                 QStringLiteral("00:00:00"));
        const ResultsModel model = refreshed();
        QCOMPARE(model.summary().sum(), 40000);
        QCOMPARE(values(model).mid(0, 7),
                 (strings({"100", "100", "100", "400", "40000", "400", "0"})));
        QCOMPARE(model.summary().percentText(Grade::A), QStringLiteral("100"));
    }

    void reversedNumberRange()
    {
        m_fixture->classes({{a1, 5, 10, 3}});
        const ResultsModel model = refreshed();
        QCOMPARE(model.resultTable().rowCount(), 0);
        QCOMPARE(model.statisticsLines().size(), 22);
        QVERIFY(model.rebuildTesteeLists().left.isEmpty());
    }

    void hostileNamesReadNothing()
    {
        // A hand-edited roster: a class name that climbs out of the record folder.
        m_fixture->classes({{QStringLiteral("../../sys/sys"), 1, 1, 1}});
        m_fixture->classes({{a1, 1, 1, 1}});
        const ResultsModel model = refreshed(maths, QStringLiteral("../../sys/sys"));
        QCOMPARE(model.resultTable().rowCount(), 1);
        QCOMPARE(model.resultTable().row(1).firstName, QString());
        QVERIFY(!model.resultTable().row(1).hasScore);
    }

    void ranksAndScoreOrder()
    {
        m_fixture->classes({{a1, 3, 1, 3}});
        scores({QStringLiteral("90"), QStringLiteral("90"), QStringLiteral("80")});
        ResultsModel model = refreshed();
        QCOMPARE(ranks(model), (strings({"1", "1", "3"})));
        QCOMPARE(model.testeeOrder(), (QList<int>{1, 2, 3}));
        model.sortTestees(TesteeColumn::Score);
        QCOMPARE(model.testeeOrder(), (QList<int>{2, 1, 3}));
        QCOMPARE(model.testeeToggle(TesteeColumn::Score).state(), 2);
        model.sortTestees(TesteeColumn::Score);
        QCOMPARE(model.testeeOrder(), (QList<int>{3, 1, 2}));
        QCOMPARE(model.testeeToggle(TesteeColumn::Score).state(), 1);
        model.sortTestees(TesteeColumn::Rank);
        QCOMPARE(model.testeeOrder(), (QList<int>{3, 2, 1}));
        // The refresh left "Number" at 1, so its next click sorts descending.
        model.sortTestees(TesteeColumn::Number);
        QCOMPARE(model.testeeOrder(), (QList<int>{3, 2, 1}));
        model.sortTestees(TesteeColumn::Number);
        QCOMPARE(model.testeeOrder(), (QList<int>{1, 2, 3}));
    }

    void studentCountLimitsRanks_data()
    {
        QTest::addColumn<int>("studentCount");
        QTest::addColumn<QStringList>("scores");
        QTest::addColumn<QStringList>("ranks");
        QTest::newRow("tie at the boundary")
            << 2 << strings({"90", "80", "80"}) << strings({"1", "", "2"});
        QTest::newRow("1 2 2 4") << 4 << strings({"70", "90", "80", "80"})
                                 << strings({"4", "1", "2", "2"});
        QTest::newRow("S above N ranks all") << 9 << strings({"10", "20"}) << strings({"2", "1"});
        QTest::newRow("S of 0 ranks none") << 0 << strings({"10", "20"}) << strings({"", ""});
        QTest::newRow("no score ranks as 0")
            << 3 << strings({"-1", "0", "5"}) << strings({"2", "2", "1"});
    }
    void studentCountLimitsRanks()
    {
        QFETCH(int, studentCount);
        QFETCH(QStringList, scores);
        QFETCH(QStringList, ranks);
        m_fixture->classes({{a1, studentCount, 1, int(scores.size())}});
        this->scores(scores);
        QCOMPARE(::ranks(refreshed()), ranks);
    }

    void textColumnsSortByCharacterCode()
    {
        m_fixture->classes({{a1, 4, 1, 4}});
        m_fixture->finish(maths, a1, 1, QStringLiteral("li"), {}, QStringLiteral("50"),
                          QStringLiteral("00:10:00"));
        m_fixture->finish(maths, a1, 2, QStringLiteral("Li"), {}, QStringLiteral("50"),
                          QStringLiteral("00:09:59"));
        m_fixture->start(maths, a1, 3, QStringLiteral("Zhang"));
        ResultsModel model = refreshed();
        model.sortTestees(TesteeColumn::SurplusTime); // descending
        QCOMPARE(model.testeeOrder(), (QList<int>{1, 2, 4, 3}));
        model.sortTestees(TesteeColumn::SurplusTime); // ascending: empty first, then 00:09:59
        QCOMPARE(model.testeeOrder(), (QList<int>{3, 4, 2, 1}));
        model.sortTestees(TesteeColumn::Name);
        QCOMPARE(model.testeeOrder(), (QList<int>{1, 3, 2, 4})); // "li" > "Zhang" > "Li" > ""
    }

    void orderByKeysMatchesTheSelectionScheme()
    {
        // The order users know: pick the largest remaining key, the last position on ties.
        const auto reference = [](const QList<double> &keys) {
            QList<int> order;
            QList<bool> taken(keys.size(), false);
            for (qsizetype i = 0; i < keys.size(); ++i) {
                qsizetype best = -1;
                for (qsizetype p = 0; p < keys.size(); ++p) {
                    if (!taken[p] && (best < 0 || keys[p] >= keys[best]))
                        best = p;
                }
                taken[best] = true;
                order.append(int(best + 1));
            }
            return order;
        };
        std::srand(7);
        for (int round = 0; round < 50; ++round) {
            QList<double> keys;
            const int n = std::rand() % 40;
            for (int i = 0; i < n; ++i)
                keys.append(double(std::rand() % 6) / 2);
            const QList<int> descending = reference(keys);
            QCOMPARE(orderByKeys(keys, SortDirection::Descending), descending);
            QList<int> ascending(descending.rbegin(), descending.rend());
            QCOMPARE(orderByKeys(keys, SortDirection::Ascending), ascending);
        }
    }

    void refreshPutsNumberOrderBack()
    {
        m_fixture->classes({{a1, 3, 1, 3}});
        scores({QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("20")});
        ResultsModel model = refreshed();
        model.sortTestees(TesteeColumn::Score);
        model.selectTestee(0);
        QCOMPARE(model.testeeOrder(), (QList<int>{2, 3, 1}));
        model.refreshResults(maths, a1);
        QCOMPARE(model.testeeOrder(), (QList<int>{1, 2, 3}));
        QCOMPARE(model.selectedTestee(), -1);
        QCOMPARE(model.testeeToggle(TesteeColumn::Number).state(), 1);
        QCOMPARE(model.testeeToggle(TesteeColumn::Score).state(), 2);
        // The score header goes on from where it was: ascending next.
        model.sortTestees(TesteeColumn::Score);
        QCOMPARE(model.testeeOrder(), (QList<int>{1, 3, 2}));
    }

    void listTexts()
    {
        m_fixture->classes({{a1, 3, 11, 13}});
        m_fixture->finish(maths, a1, 12, QStringLiteral("Li"), QStringLiteral("Ming"),
                          QStringLiteral("85"), QStringLiteral("00:05:12"), {13, 2});
        m_fixture->finish(maths, a1, 11, QStringLiteral("Wu"), {}, QStringLiteral("95.25"),
                          QStringLiteral("00:00:00"), {13, 4});
        m_fixture->finish(maths, a1, 13, QStringLiteral("Ma"), {}, QStringLiteral("90"),
                          QStringLiteral("00:01:00"), {13, 2});
        ResultsModel model = refreshed();
        const TesteeLists lists = model.rebuildTesteeLists();
        QCOMPARE(lists.left.at(1),
                 QStringLiteral("12____") + u"_|_" + u"Li" + u"__" + u"Ming" + QString(29, u'_'));
        QCOMPARE(lists.right.at(1), QStringLiteral("85____") + u"_|_" + u"3___" + u"_|_" +
                                        u"00:05:12" + QString(20, u'_'));
        QCOMPARE(lists.right.at(0), QStringLiteral("95.25_") + u"_|_" + u"1___" + u"_|_" +
                                        u"00:00:00" + QString(20, u'_'));

        // Question 1: all three right (100), question 2: two of three (67).
        QCOMPARE(model.rebuildQuestionList(),
                 (QStringList{QStringLiteral("1________") + u"_|_" + u"100______" + u"_|_" + u"13" +
                                  QString(13, u'_'),
                              QStringLiteral("2________") + u"_|_" + u"67_______" + u"_|_" + u"2" +
                                  QString(13, u'_')}));
        model.selectTestee(0);
        QCOMPARE(model.rebuildAnswerList(),
                 (QStringList{QStringLiteral("13") + ruler, QStringLiteral("4") + ruler}));
        model.sortTestees(TesteeColumn::Score);
        QCOMPARE(model.selectedTestee(), -1);
        model.selectTestee(2); // the lowest score: number 12
        QCOMPARE(model.selectedNumber(), 12);
        QCOMPARE(model.rebuildAnswerList(),
                 (QStringList{QStringLiteral("13") + ruler, QStringLiteral("2") + ruler}));
    }

    void answerDistribution()
    {
        m_fixture->keyedPaper(QStringLiteral("Quiz"),
                              {QStringLiteral("13"), QString(), QStringLiteral("6")});
        m_fixture->classes({{a1, 5, 1, 5}});
        const QString quiz = QStringLiteral("Quiz");
        m_fixture->finish(quiz, a1, 1, QStringLiteral("A"), {}, QStringLiteral("10"),
                          QStringLiteral("00:01:00"), {13, 0, 6});
        m_fixture->finish(quiz, a1, 2, QStringLiteral("B"), {}, QStringLiteral("10"),
                          QStringLiteral("00:01:00"), {13, 1, 67});
        m_fixture->finish(quiz, a1, 3, QStringLiteral("C"), {}, QStringLiteral("5"),
                          QStringLiteral("00:01:00"), {1, 0, 0});
        m_fixture->finish(quiz, a1, 4, QStringLiteral("D"), {}, QStringLiteral("0"),
                          QStringLiteral("00:01:00"), {0, 0, 0});
        // Still in the test: counted under its options, never as "NO".
        m_fixture->start(quiz, a1, 5, QStringLiteral("E"), {}, {0, 1234567, 6});
        ResultsModel model = refreshed(quiz);

        const QuestionEntry &first = model.questionTable().entry(1);
        QCOMPARE(first.correctCount, 2);
        QCOMPARE(first.scorePercent, 50);
        QCOMPARE(first.optionCounts, (std::array<qint64, 5>{3, 0, 2, 0, 0}));
        const QuestionEntry &second = model.questionTable().entry(2);
        QCOMPARE(second.correctCount, 0); // no correct answer set: nobody is right
        QCOMPARE(second.scorePercent, 0);
        QCOMPARE(second.optionCounts, (std::array<qint64, 5>{2, 1, 1, 1, 1}));
        const QuestionEntry &third = model.questionTable().entry(3);
        QCOMPARE(third.optionCounts, (std::array<qint64, 5>{}));

        model.showQuestionDetail(0);
        QCOMPARE(model.detail().question, 1);
        QCOMPARE(model.detail().counts, (std::array<qint64, 8>{1, 3, 0, 2, 0, 0, 0, 0}));
        QCOMPARE(model.detail().marked,
                 (std::array<bool, 8>{false, true, false, true, false, false, false, false}));
        QVERIFY(model.detail().documentPath.endsWith(u"/SHIJUAN/Quiz/q1.rtf"));
        model.showQuestionDetail(1);
        QCOMPARE(model.detail().counts, (std::array<qint64, 8>{3, 2, 1, 1, 1, 1, 1, 1}));
        QCOMPARE(model.detail().marked,
                 (std::array<bool, 8>{true, false, false, false, false, false, false, false}));
        model.showQuestionDetail(2); // option 6 shows only here
        QCOMPARE(model.detail().counts, (std::array<qint64, 8>{2, 0, 0, 0, 0, 0, 3, 1}));
        QCOMPARE(model.detail().marked[6], true);

        // A refresh keeps the detail but selects no question.
        model.refreshResults(quiz, a1);
        QCOMPARE(model.selectedQuestion(), -1);
        QCOMPARE(model.detail().question, 3);
    }

    void moreRightThanScored()
    {
        m_fixture->classes({{a1, 3, 1, 3}});
        m_fixture->finish(maths, a1, 1, QStringLiteral("A"), {}, QStringLiteral("5"),
                          QStringLiteral("00:01:00"), {13, 2});
        m_fixture->finish(maths, a1, 2, QStringLiteral("B"), {}, QStringLiteral("5"),
                          QStringLiteral("00:01:00"), {13, 1});
        m_fixture->start(maths, a1, 3, QStringLiteral("C"), {}, {13, 2});
        const ResultsModel model = refreshed();
        QCOMPARE(model.questionTable().entry(1).scorePercent, 150);
        QCOMPARE(model.questionTable().entry(2).scorePercent, 100);
    }

    void questionSortKeepsThePosition()
    {
        m_fixture->keyedPaper(QStringLiteral("Quiz"),
                              {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
        m_fixture->classes({{a1, 2, 1, 2}});
        const QString quiz = QStringLiteral("Quiz");
        m_fixture->finish(quiz, a1, 1, QStringLiteral("A"), {}, QStringLiteral("5"),
                          QStringLiteral("00:01:00"), {1, 2, 1});
        m_fixture->finish(quiz, a1, 2, QStringLiteral("B"), {}, QStringLiteral("5"),
                          QStringLiteral("00:01:00"), {1, 1, 1});
        ResultsModel model = refreshed(quiz);
        // Percentages 100, 50, 0.
        model.showQuestionDetail(0);
        QCOMPARE(model.detail().question, 1);
        model.sortQuestions(QuestionColumn::ScorePercent);
        QCOMPARE(model.questionOrder(), (QList<int>{1, 2, 3}));
        model.sortQuestions(QuestionColumn::ScorePercent);
        QCOMPARE(model.questionOrder(), (QList<int>{3, 2, 1}));
        QCOMPARE(model.selectedQuestion(), 0);
        QCOMPARE(model.detail().question, 3); // another question now sits at that position
        model.sortQuestions(QuestionColumn::CorrectAnswer);
        QCOMPARE(model.questionOrder(), (QList<int>{3, 2, 1}));
        model.sortQuestions(QuestionColumn::Number);
        QCOMPARE(model.questionOrder(), (QList<int>{3, 2, 1}));
        model.sortQuestions(QuestionColumn::Number);
        QCOMPARE(model.questionOrder(), (QList<int>{1, 2, 3}));
        QCOMPARE(model.rebuildAnswerList().first(), QStringLiteral("0") + ruler);
    }

    void allowRetestAndDeleteScore()
    {
        m_fixture->classes({{a1, 30, 101, 130}});
        for (int n = 101; n <= 130; ++n)
            m_fixture->finish(maths, a1, n, QStringLiteral("T%1").arg(n), {},
                              QString::number(n == 117 ? 98 : n - 100), QStringLiteral("00:02:00"),
                              {13, 2});
        m_fixture->finish(maths, a1, 130, QStringLiteral("T130"), {}, QStringLiteral("99"),
                          QStringLiteral("00:02:00"));
        m_fixture->finish(maths, a1, 129, QStringLiteral("T129"), {}, QStringLiteral("100"),
                          QStringLiteral("00:02:00"));
        ResultsModel model = refreshed();
        model.sortTestees(TesteeColumn::Score);
        QCOMPARE(model.allowRetest(), store::WriteStatus::Ok); // nothing selected: nothing happens
        model.selectTestee(2);
        QCOMPARE(model.selectedNumber(), 117);

        const QString file117 = m_fixture->root().recordFile(maths, a1, QStringLiteral("117"));
        const QByteArray before = testing::readBytes(file117);
        QCOMPARE(model.allowRetest(), store::WriteStatus::Ok);
        QByteArray expected = before;
        expected.replace("117TIME2=00:02:00", "117TIME2=");
        QCOMPARE(testing::readBytes(file117), expected);
        QCOMPARE(testing::readBytes(m_fixture->root().recordFile(maths, a1, QStringLiteral("116")))
                     .contains("116TIME2=00:02:00"),
                 true);
        // The tables change only at the next refresh; then the old score and rank stay.
        QCOMPARE(model.resultTable().row(17).surplusTime, QStringLiteral("00:02:00"));
        model.refreshResults(maths, a1);
        QCOMPARE(model.resultTable().row(17).surplusTime, QString());
        QCOMPARE(model.resultTable().row(17).score, QStringLiteral("98"));
        QCOMPARE(model.resultTable().row(17).rank, QStringLiteral("3"));

        // The score header kept its state over the refresh: ascending, then descending.
        model.sortTestees(TesteeColumn::Score);
        model.sortTestees(TesteeColumn::Score);
        model.selectTestee(2);
        QCOMPARE(model.selectedNumber(), 117);
        const QStringList files =
            QDir(m_fixture->path() + QStringLiteral("/CHENGJI/Maths")).entryList(QDir::Files);
        QCOMPARE(model.deleteScore(), store::WriteStatus::Ok);
        QStringList remaining = files;
        remaining.removeOne(QStringLiteral("A1117.cho"));
        QCOMPARE(QDir(m_fixture->path() + QStringLiteral("/CHENGJI/Maths")).entryList(QDir::Files),
                 remaining);
        QCOMPARE(model.deleteScore(), store::WriteStatus::Ok); // no record left: nothing happens
        model.refreshResults(maths, a1);
        const ResultRow &row = model.resultTable().row(17);
        QCOMPARE(row.number, QStringLiteral("117"));
        QVERIFY(row.firstName.isEmpty() && row.score.isEmpty() && row.surplusTime.isEmpty());
        // It still ranks as score 0 among the 30, but a row without a score shows no rank.
        QCOMPARE(model.rebuildTesteeLists().right.at(16),
                 QStringLiteral("______") + u"_|_" + u"____" + u"_|_" + QString(20, u'_'));
        QCOMPARE(model.answerMatrix().value(17, 1).value(), 0);
    }

    void allowRetestOnANeverStartedTestee()
    {
        m_fixture->classes({{a1, 5, 1, 5}});
        ResultsModel model = refreshed();
        model.selectTestee(4);
        QCOMPARE(model.allowRetest(), store::WriteStatus::Ok);
        QCOMPARE(testing::readBytes(m_fixture->root().recordFile(maths, a1, QStringLiteral("5"))),
                 QByteArray("[A1]\r\n5TIME2=\r\n"));
    }

    void deleteScoreKeepsTheOtherClassInASharedFile()
    {
        m_fixture->classes({{a1, 30, 1, 30}});
        m_fixture->classes({{QStringLiteral("A12"), 5, 1, 5}});
        m_fixture->finish(maths, a1, 23, QStringLiteral("Tom"), {}, QStringLiteral("80"),
                          QStringLiteral("00:01:00"));
        m_fixture->finish(maths, QStringLiteral("A12"), 3, QStringLiteral("Ann"), {},
                          QStringLiteral("70"), QStringLiteral("00:01:00"));
        ResultsModel model = refreshed();
        model.selectTestee(22);
        QCOMPARE(model.deleteScore(), store::WriteStatus::Ok);
        model.refreshResults(maths, QStringLiteral("A12"));
        QCOMPARE(model.resultTable().row(3).score, QStringLiteral("70"));
        model.refreshResults(maths, a1);
        QVERIFY(!model.resultTable().row(23).hasScore);
    }

    void oneOpenPerRecordFilePlusTwo()
    {
        m_fixture->classes({{a1, 40, 1, 40}});
        for (int n = 1; n <= 40; n += 2)
            m_fixture->finish(maths, a1, n, QStringLiteral("T"), {}, QStringLiteral("50"),
                              QStringLiteral("00:01:00"), {13, 2});
        // Stored in another letter case by another installation.
        QFile::rename(m_fixture->root().recordFile(maths, a1, QStringLiteral("1")),
                      m_fixture->path() + QStringLiteral("/CHENGJI/Maths/a11.CHO"));
        store::IoCounters::reset();
        const ResultsModel model = refreshed();
        QCOMPARE(store::IoCounters::opens.load(), 20L + 2L);
        QCOMPARE(model.summary().count(), 20);
        QCOMPARE(model.resultTable().row(1).score, QStringLiteral("50"));
    }
};

QTEST_GUILESS_MAIN(TestResultsModel)
#include "tst_results_model.moc"

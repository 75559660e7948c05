// The exam engine: order, answers, moves, countdown, autosave, resume, score and
// the finish, on a temporary data root.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "student/exam_attempt.h"
#include "student/remaining_time.h"
#include "root_builder.h"
#include "student_texts.h"
#include "test_files.h"

#include "store/profile_file.h"
#include "fixed_clock.h"
#include "scripted_prompts.h"
#include "scripted_random.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace student;
using namespace Qt::StringLiterals;
using testing::KeyValues;
using testing::RootBuilder;

Q_DECLARE_METATYPE(KeyValues)

namespace {

const QString paper = QStringLiteral("Maths");
const QString className = QStringLiteral("A1");
const QString number = QStringLiteral("7");

std::array<bool, 7> options(const QString &letters)
{
    std::array<bool, 7> chosen{};
    for (QChar c : letters)
        chosen[size_t(c.unicode() - u'A')] = true;
    return chosen;
}

} // namespace

class TestExamAttempt : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RootBuilder> m_root;
    testing::FixedClock m_clock{QDateTime(QDate(2004, 5, 12), QTime(9, 30, 0))};
    std::unique_ptr<testing::ScriptedRandom> m_random;
    testing::ScriptedPrompts m_prompts;
    int m_quits = 0;

    QString localFolder() const { return m_dir->filePath(QStringLiteral("cache/student")); }

    std::unique_ptr<ExamAttempt> makeAttempt(ui::Prompts *prompts = nullptr)
    {
        return std::make_unique<ExamAttempt>(
            m_root->root(), m_clock, *m_random, prompts ? *prompts : m_prompts,
            [this] { ++m_quits; }, localFolder());
    }
    std::unique_ptr<ExamAttempt> start(bool resume = false)
    {
        auto attempt = makeAttempt();
        attempt->startAttempt({paper, className, number, QStringLiteral("Tom"), QString(), resume});
        return attempt;
    }
    void makePaper(const KeyValues &main, const QList<store::Question> &questions)
    {
        m_root->paper(paper, main);
        m_root->questions(paper, questions).namedDocuments(paper);
    }
    store::ProfileSnapshot record() const
    {
        return store::ProfileFile(m_root->root().recordFile(paper, className, number)).read();
    }
    QString recordValue(const QString &suffix) const
    {
        return record().value(className, QString(number + suffix), QStringLiteral("<absent>"));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = std::make_unique<RootBuilder>(m_dir->path());
        m_random = std::make_unique<testing::ScriptedRandom>(QList<double>{0.5});
        m_prompts.clear();
        m_quits = 0;
        qunsetenv("QUORIN_ROOT_REMOTE");
    }
    void cleanup()
    {
        m_dir->setAutoRemove(!QTest::currentTestFailed());
        qunsetenv("QUORIN_ROOT_REMOTE");
    }

    void shuffleFlag_data()
    {
        QTest::addColumn<KeyValues>("main");
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<int>("draws");
        // Draws 0.9, 0.0, 0.5, 0.3 swap position 1 with 4, 2 with 1, 3 with 3, 4 with 2.
        const QList<int> shuffled{2, 1, 3, 4};
        QTest::newRow("flag absent shuffles") << KeyValues{} << shuffled << 4;
        QTest::newRow("flag 1 shuffles")
            << KeyValues{{QStringLiteral("CHANGE_QUESTION_SORT"), QStringLiteral("1")}} << shuffled
            << 4;
        QTest::newRow("flag 0 keeps the order")
            << KeyValues{{QStringLiteral("CHANGE_QUESTION_SORT"), QStringLiteral("0")}}
            << QList<int>{1, 2, 3, 4} << 0;
        QTest::newRow("flag empty is 0")
            << KeyValues{{QStringLiteral("CHANGE_QUESTION_SORT"), QString()}}
            << QList<int>{1, 2, 3, 4} << 0;
    }
    void shuffleFlag()
    {
        QFETCH(KeyValues, main);
        QFETCH(QList<int>, order);
        QFETCH(int, draws);
        makePaper(main, RootBuilder::plainQuestions(4));
        m_random = std::make_unique<testing::ScriptedRandom>(QList<double>{0.9, 0.0, 0.5, 0.3});
        const auto attempt = start();
        QCOMPARE(attempt->presentationOrder(), order);
        QCOMPARE(m_random->drawn(), draws);
        QCOMPARE(attempt->position(), 1);
        QCOMPARE(attempt->questionAt(1), order.first());
        QCOMPARE(recordValue(QStringLiteral("TIME1")), QStringLiteral("2004,05,12  09:30:00"));
    }

    void answersByQuestionNumber()
    {
        makePaper({}, RootBuilder::plainQuestions(4));
        m_random = std::make_unique<testing::ScriptedRandom>(QList<double>{0.9, 0.0, 0.5, 0.3});
        const auto attempt = start();
        // Position 1 shows question 2: the answer belongs to question 2.
        attempt->registerAnswer(options(QStringLiteral("CA")));
        QCOMPARE(attempt->answer(2).value(), 13);
        QCOMPARE(attempt->answer(1).value(), 0);
        attempt->next();
        attempt->registerAnswer(options(QStringLiteral("ABCDEFG")));
        QCOMPARE(attempt->answer(1).value(), 1234567);
        attempt->registerAnswer(options(QString()));
        QCOMPARE(attempt->answer(1).value(), 0);
    }

    void moves_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("outcome");
        const int moved = int(MoveOutcome::Moved);
        const int first = int(MoveOutcome::FirstReached);
        const int last = int(MoveOutcome::LastReached);
        QTest::newRow("previous at 1") << 1 << u"previous"_s << 1 << first;
        QTest::newRow("previous at 2 arrives without report") << 2 << u"previous"_s << 1 << moved;
        QTest::newRow("next at 12 of 12") << 12 << u"next"_s << 12 << last;
        QTest::newRow("next at 11 arrives without report") << 11 << u"next"_s << 12 << moved;
        QTest::newRow("page back from 6") << 6 << u"pageBack"_s << 1 << moved;
        QTest::newRow("page back from 5 reaches 1") << 5 << u"pageBack"_s << 1 << first;
        QTest::newRow("page back from 3 reaches 1") << 3 << u"pageBack"_s << 1 << first;
        QTest::newRow("page forward from 7") << 7 << u"pageForward"_s << 12 << moved;
        QTest::newRow("page forward from 8 reaches 12") << 8 << u"pageForward"_s << 12 << last;
        QTest::newRow("page forward from 12") << 12 << u"pageForward"_s << 12 << last;
    }
    void moves()
    {
        QFETCH(int, from);
        QFETCH(QString, move);
        QFETCH(int, to);
        QFETCH(int, outcome);
        makePaper({}, RootBuilder::plainQuestions(12));
        const auto attempt = start();
        attempt->goToPosition(from);
        QCOMPARE(attempt->position(), from);
        MoveOutcome result{};
        if (move == u"previous")
            result = attempt->previous();
        else if (move == u"next")
            result = attempt->next();
        else if (move == u"pageBack")
            result = attempt->pageBack();
        else
            result = attempt->pageForward();
        QCOMPARE(attempt->position(), to);
        QCOMPARE(int(result), outcome);
        attempt->goToPosition(0);
        attempt->goToPosition(13);
        QCOMPARE(attempt->position(), to);
    }

    void score_data()
    {
        QTest::addColumn<QStringList>("correct");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QString>("defaultMark");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<int>("score");
        QTest::newRow("default mark for an empty mark")
            << QStringList{u"13"_s, u"2"_s} << QStringList{u""_s, u"3"_s} << u"5"_s
            << QStringList{u"AC"_s, u"B"_s} << 8;
        QTest::newRow("31 never matches A and C")
            << QStringList{u"31"_s} << QStringList{u"4"_s} << u"5"_s << QStringList{u"AC"_s} << 0;
        QTest::newRow("no correct answer, unanswered, scores")
            << QStringList{u""_s} << QStringList{u"4"_s} << u"5"_s << QStringList{u""_s} << 4;
        QTest::newRow("no correct answer, answered, scores nothing")
            << QStringList{u""_s} << QStringList{u"4"_s} << u"5"_s << QStringList{u"A"_s} << 0;
        QTest::newRow("halves to even after each addition: 0.5 + 0.5")
            << QStringList{u"1"_s, u"1"_s} << QStringList{u"0.5"_s, u"0.5"_s} << u"5"_s
            << QStringList{u"A"_s, u"A"_s} << 0;
        QTest::newRow("halves to even after each addition: 1.5 + 1.5")
            << QStringList{u"1"_s, u"1"_s} << QStringList{u"1.5"_s, u"1.5"_s} << u"5"_s
            << QStringList{u"A"_s, u"A"_s} << 4;
        QTest::newRow("all seven options") << QStringList{u"1234567"_s} << QStringList{u"9"_s}
                                           << u"5"_s << QStringList{u"GFEDCBA"_s} << 9;
        QTest::newRow("C to G beyond 16 bits") << QStringList{u"34567"_s} << QStringList{u""_s}
                                               << u"2"_s << QStringList{u"CDEFG"_s} << 2;
        QTest::newRow("unanswered question with an answer set")
            << QStringList{u"2"_s} << QStringList{u""_s} << u"5"_s << QStringList{u""_s} << 0;
        QTest::newRow("a mark of letters counts 0")
            << QStringList{u"2"_s, u"1"_s} << QStringList{u"abc"_s, u"3"_s} << u"5"_s
            << QStringList{u"B"_s, u"A"_s} << 3;
    }
    void score()
    {
        QFETCH(QStringList, correct);
        QFETCH(QStringList, marks);
        QFETCH(QString, defaultMark);
        QFETCH(QStringList, chosen);
        QFETCH(int, score);
        QList<store::Question> questions;
        for (qsizetype i = 0; i < correct.size(); ++i)
            questions.append(
                {QStringLiteral("q.RTF"), QStringLiteral("e.RTF"), correct.at(i), marks.at(i)});
        makePaper({{QStringLiteral("Mark"), defaultMark},
                   {QStringLiteral("CHANGE_QUESTION_SORT"), QStringLiteral("0")}},
                  questions);
        const auto attempt = start();
        for (qsizetype i = 0; i < chosen.size(); ++i) {
            attempt->goToPosition(int(i + 1));
            attempt->registerAnswer(options(chosen.at(i)));
        }
        QCOMPARE(attempt->computeScore(), qint64(score));
        attempt->finishAttempt();
        QCOMPARE(recordValue(QStringLiteral("DF")), QString::number(score));
    }

    void verdict_data()
    {
        QTest::addColumn<QString>("correct");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("verdict");
        QTest::newRow("correct") << u"13"_s << u"CA"_s << int(Verdict::Correct);
        QTest::newRow("wrong") << u"13"_s << u"A"_s << int(Verdict::Wrong);
        QTest::newRow("31 is wrong for A and C") << u"31"_s << u"AC"_s << int(Verdict::Wrong);
        QTest::newRow("unanswered") << u"13"_s << u""_s << int(Verdict::Unanswered);
        QTest::newRow("none set, unanswered") << u""_s << u""_s << int(Verdict::NoCorrectAnswer);
        QTest::newRow("none set, answered") << u"0"_s << u"B"_s << int(Verdict::NoCorrectAnswer);
    }
    void verdict()
    {
        QFETCH(QString, correct);
        QFETCH(QString, chosen);
        QFETCH(int, verdict);
        makePaper({{QStringLiteral("CHANGE_QUESTION_SORT"), QStringLiteral("0")}},
                  {{QStringLiteral("q.RTF"), QStringLiteral("e.RTF"), correct, QString()}});
        const auto attempt = start();
        attempt->registerAnswer(options(chosen));
        QCOMPARE(int(attempt->answerVerdict(1)), verdict);
    }

    void countdown_data()
    {
        QTest::addColumn<QString>("testTime");
        QTest::addColumn<QString>("startText");
        QTest::addColumn<QString>("firstTick");
        QTest::newRow("30 minutes") << u"30"_s << u"00:30:00"_s << u"00:29:59"_s;
        QTest::newRow("0 runs a whole day") << u"0"_s << u"00:00:00"_s << u"23:59:59"_s;
        QTest::newRow("missing is 0") << u""_s << u"00:00:00"_s << u"23:59:59"_s;
        QTest::newRow("600 minutes, beyond 16-bit seconds")
            << u"600"_s << u"10:00:00"_s << u"09:59:59"_s;
        QTest::newRow("a whole day wraps to 0") << u"1440"_s << u"00:00:00"_s << u"23:59:59"_s;
        QTest::newRow("negative wraps back from midnight")
            << u"-1"_s << u"23:59:00"_s << u"23:58:59"_s;
        QTest::newRow("absurd is clamped, then wrapped")
            << u"99999999"_s << u"18:07:00"_s << u"18:06:59"_s;
        QTest::newRow("letters are 0") << u"soon"_s << u"00:00:00"_s << u"23:59:59"_s;
    }
    void countdown()
    {
        QFETCH(QString, testTime);
        QFETCH(QString, startText);
        QFETCH(QString, firstTick);
        KeyValues main;
        if (!testTime.isEmpty())
            main.append({QStringLiteral("TESTTIME"), testTime});
        makePaper(main, RootBuilder::plainQuestions(2));
        const auto attempt = start();
        QCOMPARE(attempt->remainingTime().text(), startText);
        const CountdownResult tick = attempt->countdownTick();
        QCOMPARE(tick.text, firstTick);
        QVERIFY(!tick.timeUp);
    }

    void oneMinuteTestEndsOnTheSixtiethTick()
    {
        makePaper({{QStringLiteral("TESTTIME"), QStringLiteral("1")},
                   {QStringLiteral("DISPLAY_SCORE"), QStringLiteral("0")}},
                  RootBuilder::plainQuestions(3));
        const auto attempt = start();
        for (int i = 1; i < 60; ++i)
            QVERIFY(!attempt->countdownTick().timeUp);
        const CountdownResult last = attempt->countdownTick();
        QCOMPARE(last.text, QStringLiteral("00:00:00"));
        QVERIFY(last.timeUp);
        attempt->finishAttempt();
        QCOMPARE(recordValue(QStringLiteral("TIME2")), QStringLiteral("00:00:00"));
        QCOMPARE(m_prompts.messages(), QStringList{texts::saved});
        QCOMPARE(m_quits, 1);
    }

    // Without a start stamp a crash and a new login would take the new-attempt path
    // over the saved answers: a start that cannot be saved does not start.
    void startThatCannotBeSavedDoesNotStart()
    {
        makePaper({{QStringLiteral("TESTTIME"), QStringLiteral("10")}},
                  RootBuilder::plainQuestions(2));
        const QString folder = m_root->path() + QStringLiteral("/CHENGJI/") + paper;
        QVERIFY(QDir(folder).removeRecursively());
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("start stamp not written")));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("start stamp not written")));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("start stamp not written")));
        auto attempt = makeAttempt();
        QVERIFY(!attempt->startAttempt({paper, className, number, u"Tom"_s, QString(), false}));
        QCOMPARE(m_prompts.texts().size(), 1);
        QVERIFY(m_prompts.texts().first().startsWith(
            u"Your test cannot be saved, so it cannot start.\nPlease call the teacher.\n("_s));
        // Nothing runs: no tick, no autosave, no finish.
        QVERIFY(attempt->isFinished());
        QCOMPARE(attempt->countdownTick().timeUp, false);
        QVERIFY(QDir().mkpath(folder));
        attempt->autosave();
        attempt->finishAttempt();
        QVERIFY(!QFile::exists(m_root->root().recordFile(paper, className, number)));
        QCOMPARE(m_prompts.texts().size(), 1);
        QCOMPARE(m_quits, 0); // the program ends it
    }

    // A failed autosave is tried again at every countdown tick; after three failures
    // in a row the window warns, until a save succeeds.
    void failedAutosavesAreRetried()
    {
        makePaper({{QStringLiteral("TESTTIME"), QStringLiteral("10")},
                   {QStringLiteral("CHANGE_QUESTION_SORT"), QStringLiteral("0")}},
                  RootBuilder::plainQuestions(2));
        const auto attempt = start();
        attempt->registerAnswer(options(QStringLiteral("AC")));
        const QString folder = m_root->path() + QStringLiteral("/CHENGJI/") + paper;
        const QByteArray kept =
            testing::readBytes(m_root->root().recordFile(paper, className, number));
        QVERIFY(QDir(folder).removeRecursively());
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("autosave not written")));
        QVERIFY(!attempt->autosave());
        QCOMPARE(attempt->failedAutosaves(), 1);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("autosave not written")));
        QVERIFY(attempt->retryAutosave());
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("autosave not written")));
        QVERIFY(attempt->retryAutosave());
        QCOMPARE(attempt->failedAutosaves(), 3);

        // The folder is back: the next tick saves what the testee did meanwhile.
        QVERIFY(QDir().mkpath(folder));
        testing::writeBytes(m_root->root().recordFile(paper, className, number), kept);
        attempt->registerAnswer(options(QStringLiteral("B")));
        QVERIFY(!attempt->retryAutosave());
        QCOMPARE(attempt->failedAutosaves(), 0);
        QCOMPARE(recordValue(QStringLiteral("DA1")), QStringLiteral("2"));
        QCOMPARE(recordValue(QStringLiteral("TIME1")), QStringLiteral("2004,05,12  09:30:00"));
        // Nothing owed: a tick writes nothing.
        store::IoCounters::reset();
        QVERIFY(!attempt->retryAutosave());
        QCOMPARE(store::IoCounters::renames.load(), 0L);
    }

    void finishRunsOnce()
    {
        // A tick that reaches 00:00:00 while the closing message is open must not
        // finish again and overwrite the time left with 00:00:00.
        makePaper({{QStringLiteral("TESTTIME"), QStringLiteral("1")},
                   {QStringLiteral("DISPLAY_SCORE"), QStringLiteral("1")}},
                  RootBuilder::plainQuestions(3));
        testing::ScriptedPrompts prompts;
        auto attempt = makeAttempt(&prompts);
        attempt->startAttempt({paper, className, number, QStringLiteral("Tom"), QString(), false});
        for (int i = 0; i < 20; ++i)
            attempt->countdownTick();
        prompts.whileShown([&](const testing::ScriptedPrompts::Shown &) {
            for (int i = 0; i < 70; ++i) {
                if (attempt->countdownTick().timeUp)
                    attempt->finishAttempt();
            }
            attempt->autosave();
            attempt->finishAttempt();
        });
        attempt->finishAttempt();
        QCOMPARE(prompts.shown().size(), 1);
        QCOMPARE(recordValue(QStringLiteral("TIME2")), QStringLiteral("00:00:40"));
        QCOMPARE(recordValue(QStringLiteral("TIME")), QStringLiteral("<absent>"));
        QCOMPARE(m_quits, 1);
        QVERIFY(attempt->isFinished());
    }

    void closingMessages_data()
    {
        QTest::addColumn<QString>("displayScore");
        QTest::addColumn<QString>("message");
        QTest::newRow("score shown")
            << u"1"_s
            << u"        The test full mark is:20\n        Your test mark is:10          \n"_s
               u"            Good Bye!"_s;
        QTest::newRow("score not shown") << u"0"_s
                                         << u"        Your test mark is saved.          \n"_s
                                            u"       Thank you very much! Good Bye!         "_s;
        QTest::newRow("score flag missing") << u""_s
                                            << u"        Your test mark is saved.          \n"_s
                                               u"       Thank you very much! Good Bye!         "_s;
    }
    void closingMessages()
    {
        QFETCH(QString, displayScore);
        QFETCH(QString, message);
        KeyValues main{{QStringLiteral("full_mark"), QStringLiteral("20")},
                       {QStringLiteral("Mark"), QStringLiteral("5")}};
        if (!displayScore.isEmpty())
            main.append({QStringLiteral("DISPLAY_SCORE"), displayScore});
        makePaper(main, RootBuilder::plainQuestions(4));
        const auto attempt = start();
        for (int p = 1; p <= 2; ++p) {
            attempt->goToPosition(p);
            attempt->registerAnswer(options(QStringLiteral("A")));
        }
        attempt->finishAttempt();
        QCOMPARE(m_prompts.texts(), QStringList{message});
        QCOMPARE(recordValue(QStringLiteral("DF")), QStringLiteral("10"));
    }

    void failedFinishIsNotReportedAsSaved_data()
    {
        QTest::addColumn<QString>("displayScore");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("score not shown")
            << u"0"_s << QStringList{texts::saveFailed, texts::saveFailed, texts::notSaved};
        QTest::newRow("score shown") << u"1"_s
                                     << QStringList{texts::saveFailed, texts::saveFailed,
                                                    texts::score(0, 0), texts::notSaved};
    }
    void failedFinishIsNotReportedAsSaved()
    {
        QFETCH(QString, displayScore);
        QFETCH(QStringList, texts);
        makePaper({{QStringLiteral("DISPLAY_SCORE"), displayScore}},
                  RootBuilder::plainQuestions(2));
        const auto attempt = start();
        // The teacher deleted the paper's result folder while the test ran.
        QVERIFY(QDir(m_root->path() + QStringLiteral("/CHENGJI/") + paper).removeRecursively());
        m_prompts.accept();
        m_prompts.refuse();
        for (int i = 0; i < 2; ++i)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("finish not written")));
        attempt->finishAttempt();
        QCOMPARE(m_prompts.texts(), texts);
        QCOMPARE(m_quits, 1);
    }

    void answerDisplayStopsTheCountdownOnly()
    {
        makePaper({{QStringLiteral("TESTTIME"), QStringLiteral("10")},
                   {QStringLiteral("EXERCISEMODE"), QStringLiteral("1")}},
                  RootBuilder::plainQuestions(2));
        const auto attempt = start();
        attempt->countdownTick();
        QVERIFY(attempt->toggleAnswerDisplay());
        QVERIFY(!attempt->countdownRunning());
        for (int i = 0; i < 5; ++i)
            QCOMPARE(attempt->countdownTick().text, QStringLiteral("00:09:59"));
        attempt->autosave();
        QCOMPARE(recordValue(QStringLiteral("TIME")), QStringLiteral("00:09:59"));
        QVERIFY(!attempt->toggleAnswerDisplay());
        QCOMPARE(attempt->countdownTick().text, QStringLiteral("00:09:58"));
    }

    void answerDisplayNeedsExerciseMode()
    {
        makePaper({{QStringLiteral("EXERCISEMODE"), QStringLiteral("0")}},
                  RootBuilder::plainQuestions(2));
        const auto attempt = start();
        QVERIFY(!attempt->toggleAnswerDisplay());
        QVERIFY(attempt->countdownRunning());
    }

    void autosaveWritesOneStep()
    {
        makePaper({{QStringLiteral("TESTTIME"), QStringLiteral("45")}},
                  RootBuilder::plainQuestions(3));
        m_random = std::make_unique<testing::ScriptedRandom>(QList<double>{0.9, 0.0, 0.5});
        const auto attempt = start();
        attempt->registerAnswer(options(QStringLiteral("BD")));
        attempt->next();
        attempt->countdownTick();
        store::IoCounters::reset();
        attempt->autosave();
        QCOMPARE(store::IoCounters::locks.load(), 1L);
        QCOMPARE(store::IoCounters::renames.load(), 1L);
        const QList<int> order = attempt->presentationOrder();
        const KeyValues expected{{u"TIME"_s, u"00:44:59"_s},
                                 {u"DangQian"_s, u"2"_s},
                                 {u"DA"_s + QString::number(order.at(0)), u"24"_s},
                                 {u"SX1"_s, QString::number(order.at(0))},
                                 {u"SX2"_s, QString::number(order.at(1))},
                                 {u"SX3"_s, QString::number(order.at(2))}};
        for (const auto &[suffix, value] : expected)
            QCOMPARE(recordValue(suffix), value);
        for (int q = 1; q <= 3; ++q) {
            if (q != order.at(0))
                QCOMPARE(recordValue(QStringLiteral("DA%1").arg(q)), QStringLiteral("0"));
        }
    }

    void resumeRestoresTheAttempt()
    {
        makePaper({{QStringLiteral("TESTTIME"), QStringLiteral("45")}},
                  RootBuilder::plainQuestions(14));
        KeyValues saved{{u"TIME1"_s, u"2004,05,12  09:00:00"_s},
                        {u"TIME"_s, u"00:41:17"_s},
                        {u"DangQian"_s, u"12"_s}};
        const QList<int> order{14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
        for (int i = 1; i <= 14; ++i) {
            saved.append({u"SX"_s + QString::number(i), QString::number(order.at(i - 1))});
            saved.append({u"DA"_s + QString::number(i),
                          i == 3 ? u"1234567"_s : (i == 5 ? u"24"_s : u"0"_s)});
        }
        m_root->record(paper, className, number, saved);
        const QByteArray before =
            testing::readBytes(m_root->root().recordFile(paper, className, number));
        const auto attempt = start(true);
        QCOMPARE(attempt->position(), 12);
        QCOMPARE(attempt->presentationOrder(), order);
        QCOMPARE(attempt->answer(3).value(), 1234567);
        QCOMPARE(attempt->answer(5).value(), 24);
        QCOMPARE(attempt->answer(4).value(), 0);
        QCOMPARE(attempt->remainingTime().text(), QStringLiteral("00:41:17"));
        QCOMPARE(attempt->questionAt(12), 3);
        QCOMPARE(m_random->drawn(), 0);
        // Nothing is written when an attempt continues.
        QCOMPARE(testing::readBytes(m_root->root().recordFile(paper, className, number)), before);
    }

    void resumeWithoutAutosaveStartsAfresh()
    {
        makePaper({{QStringLiteral("TESTTIME"), QStringLiteral("20")}},
                  RootBuilder::plainQuestions(4));
        m_root->record(paper, className, number,
                       {{u""_s, u"Tom"_s}, {u"TIME1"_s, u"2004,05,12  09:00:00"_s}});
        m_random = std::make_unique<testing::ScriptedRandom>(QList<double>{0.9, 0.0, 0.5, 0.3});
        const auto attempt = start(true);
        QCOMPARE(attempt->presentationOrder(), (QList<int>{2, 1, 3, 4}));
        QCOMPARE(attempt->position(), 1);
        QCOMPARE(attempt->remainingTime().text(), QStringLiteral("00:20:00"));
        QCOMPARE(recordValue(QStringLiteral("TIME1")), QStringLiteral("2004,05,12  09:00:00"));
    }

    void savedOrderIsRepaired_data()
    {
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<int>("restoredPosition");
        QTest::newRow("a permutation stays")
            << QStringList{u"3"_s, u"1"_s, u"4"_s, u"2"_s} << u"4"_s << QList<int>{3, 1, 4, 2} << 4;
        QTest::newRow("paper shrank from 6 to 4")
            << QStringList{u"6"_s, u"2"_s, u"5"_s, u"1"_s} << u"6"_s << QList<int>{3, 2, 4, 1} << 4;
        QTest::newRow("duplicates and zeros")
            << QStringList{u"2"_s, u"2"_s, u"0"_s, u"x"_s} << u"0"_s << QList<int>{2, 1, 3, 4} << 1;
        QTest::newRow("negative and huge") << QStringList{u"-1"_s, u"99999"_s, u"4"_s, u"1"_s}
                                           << u"-3"_s << QList<int>{2, 3, 4, 1} << 1;
        QTest::newRow("order keys missing")
            << QStringList{} << u"2"_s << QList<int>{1, 2, 3, 4} << 2;
    }
    void savedOrderIsRepaired()
    {
        QFETCH(QStringList, saved);
        QFETCH(QString, position);
        QFETCH(QList<int>, order);
        QFETCH(int, restoredPosition);
        makePaper({}, RootBuilder::plainQuestions(4));
        KeyValues record{{u"TIME1"_s, u"x"_s},
                         {u"TIME"_s, u"00:10:00"_s},
                         {u"DangQian"_s, position},
                         {u"DA6"_s, u"13"_s}};
        for (qsizetype i = 0; i < saved.size(); ++i)
            record.append({u"SX"_s + QString::number(i + 1), saved.at(i)});
        m_root->record(paper, className, number, record);
        const auto attempt = start(true);
        QCOMPARE(attempt->presentationOrder(), order);
        QCOMPARE(attempt->position(), restoredPosition);
        QCOMPARE(attempt->answers().size(), 4);
        for (int p = 1; p <= 4; ++p) {
            attempt->goToPosition(p);
            attempt->registerAnswer(options(QStringLiteral("B")));
        }
        attempt->finishAttempt();
        QCOMPARE(recordValue(QStringLiteral("DA4")), QStringLiteral("2"));
    }

    void unreadableSavedTime_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("restored");
        QTest::newRow("leading zero dropped") << u"0:41:17"_s << u"00:41:17"_s;
        QTest::newRow("12-hour notation") << u"12:05:00 AM"_s << u"00:05:00"_s;
        QTest::newRow("afternoon") << u"1:00:00 PM"_s << u"13:00:00"_s;
        QTest::newRow("garbage gives the full time") << u"soon"_s << u"00:20:00"_s;
        QTest::newRow("empty gives the full time") << u""_s << u"00:20:00"_s;
        QTest::newRow("out of range gives the full time") << u"25:61:00"_s << u"00:20:00"_s;
        QTest::newRow("time up ends on the first tick") << u"00:00:00"_s << u"00:00:01"_s;
    }
    void unreadableSavedTime()
    {
        QFETCH(QString, saved);
        QFETCH(QString, restored);
        makePaper({{QStringLiteral("TESTTIME"), QStringLiteral("20")}},
                  RootBuilder::plainQuestions(2));
        m_root->record(paper, className, number,
                       {{u"TIME1"_s, u"x"_s},
                        {u"TIME"_s, saved},
                        {u"DangQian"_s, u"1"_s},
                        {u"SX1"_s, u"1"_s},
                        {u"SX2"_s, u"2"_s}});
        const auto attempt = start(true);
        QCOMPARE(attempt->remainingTime().text(), restored);
    }

    void paperWithoutQuestions()
    {
        m_root->paper(paper, {{QStringLiteral("TESTTIME"), QStringLiteral("5")}});
        const auto attempt = start();
        QCOMPARE(attempt->questionCount(), 0);
        QCOMPARE(attempt->questionAt(1), 0);
        attempt->registerAnswer(options(QStringLiteral("A")));
        QCOMPARE(int(attempt->next()), int(MoveOutcome::LastReached));
        QCOMPARE(int(attempt->pageForward()), int(MoveOutcome::LastReached));
        QCOMPARE(attempt->position(), 1);
        QVERIFY(attempt->documentPath(1, DocumentKind::Question).isEmpty());
        attempt->autosave();
        attempt->finishAttempt();
        QCOMPARE(recordValue(QStringLiteral("DF")), QStringLiteral("0"));
        QCOMPARE(m_quits, 1);
    }

    void hostileDocumentNames()
    {
        makePaper({{QStringLiteral("CHANGE_QUESTION_SORT"), QStringLiteral("0")}},
                  {{QStringLiteral("../../sys/sys.cho"), QStringLiteral("a/b.RTF"),
                    QStringLiteral("1"), QString()},
                   {QStringLiteral("missing.RTF"), QString(), QStringLiteral("1"), QString()}});
        QVERIFY(QFile::remove(m_root->root().paperFolder(paper) + QStringLiteral("/missing.RTF")));
        for (const QString &remote : {QStringLiteral("0"), QStringLiteral("1")}) {
            qputenv("QUORIN_ROOT_REMOTE", remote.toLatin1());
            const auto attempt = start();
            QVERIFY(attempt->documentPath(1, DocumentKind::Question).isEmpty());
            QVERIFY(attempt->documentPath(1, DocumentKind::Explanation).isEmpty());
            QVERIFY(attempt->documentPath(2, DocumentKind::Explanation).isEmpty());
            // A missing document still has a path; the pane shows it empty.
            QVERIFY(!QFile::exists(attempt->documentPath(2, DocumentKind::Question)));
        }
        QVERIFY(!QFile::exists(localFolder() + QStringLiteral("/sys.cho")));
    }

    void remoteRootWorksOnLocalCopies()
    {
        qputenv("QUORIN_ROOT_REMOTE", "1");
        makePaper({{QStringLiteral("CHANGE_QUESTION_SORT"), QStringLiteral("0")}},
                  RootBuilder::plainQuestions(3));
        // What an earlier attempt left behind: documents go, anything else stays.
        QDir().mkpath(localFolder());
        testing::writeBytes(localFolder() + QStringLiteral("/old.RTF"), "old");
        testing::writeBytes(localFolder() + QStringLiteral("/notes.txt"), "mine");

        const auto attempt = start();
        QVERIFY(attempt->isRemote());
        const QString paperCopy = localFolder() + QStringLiteral("/Maths.cho");
        QCOMPARE(attempt->paperFileInUse(), paperCopy);
        QVERIFY(QFile::exists(paperCopy));
        QVERIFY(!QFile::exists(localFolder() + QStringLiteral("/old.RTF")));
        QVERIFY(QFile::exists(localFolder() + QStringLiteral("/notes.txt")));

        // Each document is copied on its first display and only then.
        const QString question = attempt->documentPath(1, DocumentKind::Question);
        QCOMPARE(question, localFolder() + QStringLiteral("/q1.RTF"));
        QVERIFY(QFile::exists(question));
        QVERIFY(!QFile::exists(localFolder() + QStringLiteral("/e1.RTF")));
        testing::writeBytes(question, "shown once");
        QCOMPARE(attempt->documentPath(1, DocumentKind::Question), question);
        QCOMPARE(testing::readBytes(question), QByteArray("shown once"));
        const QString explanation = attempt->documentPath(1, DocumentKind::Explanation);
        QCOMPARE(explanation, localFolder() + QStringLiteral("/e1.RTF"));
        QVERIFY(QFile::exists(explanation));

        attempt->finishAttempt();
        QCOMPARE(QDir(localFolder()).entryList(QDir::Files),
                 QStringList{QStringLiteral("notes.txt")});
        QVERIFY(QFile::exists(m_root->root().paperFolder(paper) + QStringLiteral("/q1.RTF")));
        QCOMPARE(recordValue(QStringLiteral("DF")), QStringLiteral("0"));
    }

    void localRootLeavesTheCacheAlone()
    {
        makePaper({}, RootBuilder::plainQuestions(2));
        const auto attempt = start();
        QVERIFY(!attempt->isRemote());
        QCOMPARE(attempt->paperFileInUse(), m_root->root().paperFile(paper));
        QCOMPARE(attempt->documentPath(1, DocumentKind::Question)
                     .startsWith(m_root->root().paperFolder(paper)),
                 true);
        attempt->finishAttempt();
        QVERIFY(!QFileInfo::exists(localFolder()));
    }

    void remainingTimeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds");
        QTest::newRow("own notation") << u"01:02:03"_s << 3723;
        QTest::newRow("no leading zero") << u"1:02:03"_s << 3723;
        QTest::newRow("no seconds") << u"1:02"_s << 3720;
        QTest::newRow("blanks") << u" 00:00:09 "_s << 9;
        QTest::newRow("noon PM") << u"12:00:00 PM"_s << 43200;
        QTest::newRow("hour 13 with AM") << u"13:00:00 AM"_s << -1;
        QTest::newRow("one part") << u"12"_s << -1;
        QTest::newRow("four parts") << u"1:2:3:4"_s << -1;
        QTest::newRow("three digits") << u"100:00:00"_s << -1;
        QTest::newRow("signed") << u"-1:00:00"_s << -1;
    }
    void remainingTimeText()
    {
        QFETCH(QString, text);
        QFETCH(int, seconds);
        const std::optional<RemainingTime> time = RemainingTime::parse(text);
        QCOMPARE(time ? time->seconds() : -1, seconds);
        if (time)
            QCOMPARE(RemainingTime::parse(time->text()), time);
    }
};

QTEST_GUILESS_MAIN(TestExamAttempt)
#include "tst_exam_attempt.moc"

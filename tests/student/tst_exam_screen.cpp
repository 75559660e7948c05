// The exam window's model: the selector's offsets, the navigation buttons'
// enable rules, the captions and colours of the answer display, and the finish.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "student/exam_screen.h"
#include "root_builder.h"
#include "student_texts.h"

#include "store/profile_file.h"
#include "fixed_clock.h"
#include "scripted_prompts.h"
#include "scripted_random.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace student;
using namespace Qt::StringLiterals;
using testing::KeyValues;
using testing::RootBuilder;

namespace {

std::array<bool, 7> options(QStringView letters)
{
    std::array<bool, 7> chosen{};
    for (QChar c : letters)
        chosen[size_t(c.unicode() - u'A')] = true;
    return chosen;
}

QStringList captions(const ExamScreen &screen)
{
    QStringList shown;
    for (int i = 1; i <= QuestionSelector::buttonCount; ++i) {
        const SelectorButton button = screen.selectorButton(i);
        if (button.visible)
            shown.append(button.caption);
    }
    return shown;
}

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list.append(QString::number(i));
    return list;
}

} // namespace

class TestExamScreen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RootBuilder> m_root;
    testing::FixedClock m_clock{QDateTime(QDate(2004, 5, 12), QTime(9, 30, 0))};
    testing::ScriptedRandom m_random{{0.5}};
    testing::ScriptedPrompts m_prompts;
    int m_quits = 0;

    std::unique_ptr<ExamScreen> open(int count, const KeyValues &main = {},
                                     const QList<store::Question> &questions = {},
                                     ui::Prompts *prompts = nullptr)
    {
        KeyValues settings{{u"CHANGE_QUESTION_SORT"_s, u"0"_s}, {u"Mark"_s, u"10"_s}};
        settings.append(main);
        m_root->paper(u"Maths"_s, settings);
        if (count > 0 || !questions.isEmpty())
            m_root
                ->questions(u"Maths"_s,
                            questions.isEmpty() ? RootBuilder::plainQuestions(count) : questions)
                .namedDocuments(u"Maths"_s);
        auto screen = std::make_unique<ExamScreen>(
            m_root->root(), m_clock, m_random, prompts ? *prompts : m_prompts,
            [this] { ++m_quits; }, m_dir->filePath(u"cache"_s));
        screen->open({u"Maths"_s, u"A1"_s, u"7"_s, u"Tom"_s, u"Lee"_s, false});
        return screen;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = std::make_unique<RootBuilder>(m_dir->path());
        m_prompts.clear();
        m_quits = 0;
    }
    void cleanup() { m_dir->setAutoRemove(!QTest::currentTestFailed()); }

    void opening()
    {
        const auto screen = open(25);
        QCOMPARE(screen->windowTitle(), u"A1 7 Tom Lee"_s);
        QCOMPARE(screen->selectorCaption(), u"Select question          Questions total:25"_s);
        QCOMPARE(screen->questionCaption(), u"Question No:1    Mark:10"_s);
        QCOMPARE(screen->timeText(), u"00:00:00"_s);
        QVERIFY(!screen->answerButtonVisible());
        QVERIFY(screen->previousEnabled());
        QVERIFY(screen->nextEnabled());
        QVERIFY(screen->questionDocument().endsWith(u"/q1.RTF"));
        QVERIFY(!screen->explanationVisible());
        QCOMPARE(captions(*screen), numbers(1, 20));
    }

    void selectorOffsets()
    {
        const auto screen = open(25);
        QCOMPARE(screen->selector().maximum(), 20);
        screen->setSelectorOffset(20);
        QCOMPARE(captions(*screen), numbers(21, 25));
        QVERIFY(!screen->selectorButton(6).visible);
        screen->setSelectorOffset(35);
        QCOMPARE(screen->selector().offset(), 20);

        // From position 20 to 21 the window moves one step of ten, and back at 10 it returns.
        screen->setSelectorOffset(0);
        screen->selectButton(20);
        QCOMPARE(screen->selector().offset(), 0);
        screen->next();
        QCOMPARE(screen->attempt().position(), 21);
        QCOMPARE(screen->selector().offset(), 10);
        QCOMPARE(screen->selectorButton(1).caption, u"11"_s);
        QCOMPARE(captions(*screen), numbers(11, 25));
        for (int i = 0; i < 11; ++i)
            screen->previous();
        QCOMPARE(screen->attempt().position(), 10);
        QCOMPARE(screen->selector().offset(), 0);
    }

    void selectorFollowsAFarScroll_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("followed");
        QTest::newRow("scrolled far down") << 60 << 3 << 40 << 0;
        QTest::newRow("scrolled far up") << 60 << 55 << 0 << 40;
        QTest::newRow("dragged to an odd offset") << 25 << 25 << 7 << 7;
        QTest::newRow("odd offset above the position") << 60 << 5 << 17 << 0;
        QTest::newRow("odd offset below the position") << 60 << 59 << 3 << 43;
    }
    void selectorFollowsAFarScroll()
    {
        QFETCH(int, count);
        QFETCH(int, position);
        QFETCH(int, offset);
        QFETCH(int, followed);
        const auto screen = open(count);
        screen->selectButton(1);
        for (int p = 1; p < position; ++p)
            screen->next();
        screen->setSelectorOffset(offset);
        screen->optionReleased(2, options(u"B"));
        QCOMPARE(screen->selector().offset(), followed);
        const int button = screen->selector().buttonOf(position);
        QVERIFY(button >= 1);
        QVERIFY(screen->selectorButton(button).answered);
    }

    void navigationButtons()
    {
        const auto screen = open(12);
        screen->selectButton(2);
        screen->previous();
        QCOMPARE(screen->attempt().position(), 1);
        QVERIFY(screen->previousEnabled());
        QVERIFY(screen->nextEnabled());
        const int shown = screen->shown();
        screen->previous();
        QVERIFY(!screen->previousEnabled());
        QCOMPARE(screen->shown(), shown);
        screen->next();
        QVERIFY(screen->previousEnabled());

        screen->selectButton(12);
        screen->next();
        QVERIFY(!screen->nextEnabled());
        QCOMPARE(screen->attempt().position(), 12);
        screen->pageBack();
        QCOMPARE(screen->attempt().position(), 7);
        QVERIFY(screen->nextEnabled());
        screen->pageBack();
        QCOMPARE(screen->attempt().position(), 2);
        QVERIFY(screen->previousEnabled());
        screen->pageBack();
        QCOMPARE(screen->attempt().position(), 1);
        QVERIFY(!screen->previousEnabled());
        screen->pageForward();
        screen->pageForward();
        QCOMPARE(screen->attempt().position(), 11);
        QVERIFY(screen->nextEnabled());
        screen->pageForward();
        QCOMPARE(screen->attempt().position(), 12);
        QVERIFY(!screen->nextEnabled());
        // A jump from the selector opens both ways again.
        screen->selectButton(5);
        QVERIFY(screen->previousEnabled());
        QVERIFY(screen->nextEnabled());
    }

    void optionColours()
    {
        const auto screen = open(3);
        screen->optionFocused(options(u""));
        screen->optionReleased(3, options(u"C"));
        screen->optionReleased(1, options(u"CA"));
        QCOMPARE(screen->attempt().answer(1).value(), 13);
        QCOMPARE(screen->options()[0], (OptionState{true, OptionColour::Chosen}));
        QCOMPARE(screen->options()[2], (OptionState{true, OptionColour::Chosen}));
        QCOMPARE(screen->options()[1], (OptionState{false, OptionColour::NotChosen}));
        QVERIFY(screen->selectorButton(1).answered);
        screen->optionReleased(1, options(u"C"));
        screen->optionReleased(3, options(u""));
        QCOMPARE(screen->options()[0], (OptionState{false, OptionColour::NotChosen}));
        QVERIFY(!screen->selectorButton(1).answered);
        QCOMPARE(screen->attempt().answer(1).value(), 0);
        QCOMPARE(ExamScreen::colour(OptionColour::NotChosen), QColor(0, 192, 192));
        QCOMPARE(ExamScreen::colour(OptionColour::Chosen), QColor(255, 0, 0));
        QCOMPARE(ExamScreen::colour(OptionColour::Correct), QColor(0, 255, 0));
    }

    void automaticPageDown()
    {
        const auto screen = open(3);
        screen->setAutoPageDown(true);
        screen->optionReleased(2, options(u"B"));
        QCOMPARE(screen->attempt().position(), 2);
        screen->optionFocused(options(u"A"));
        QCOMPARE(screen->attempt().position(), 2);
        screen->optionReleased(1, options(u"A"));
        screen->optionReleased(1, options(u"A"));
        QCOMPARE(screen->attempt().position(), 3);
        QVERIFY(!screen->nextEnabled());
        QCOMPARE(screen->attempt().answer(2).value(), 1);
        QCOMPARE(screen->attempt().answer(3).value(), 1);
    }

    void answerDisplay_data()
    {
        QTest::addColumn<QString>("correct");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("questionCaption");
        QTest::addColumn<QString>("explanationCaption");
        QTest::addColumn<QString>("green");
        QTest::newRow("correct") << u"13"_s << u"AC"_s
                                 << u"Question No:1    Mark:10   Correct answer:13"_s
                                 << u"Explain   Your answer is correct!"_s << u"AC"_s;
        QTest::newRow("wrong") << u"13"_s << u"B"_s
                               << u"Question No:1    Mark:10   Correct answer:13"_s
                               << u"Explain   Your answer is uncorrect!"_s << u"AC"_s;
        QTest::newRow("unanswered")
            << u"2"_s << QString() << u"Question No:1    Mark:10   Correct answer:2"_s
            << u"Explain   You haven't answered!"_s << u"B"_s;
        QTest::newRow("31 is not 13")
            << u"31"_s << u"AC"_s << u"Question No:1    Mark:10   Correct answer:31"_s
            << u"Explain   Your answer is uncorrect!"_s << u"AC"_s;
        QTest::newRow("no correct answer")
            << QString() << u"A"_s << u"Question No:1    Mark:10   Correct answer isn't setted."_s
            << u"Explain"_s << QString();
    }
    void answerDisplay()
    {
        QFETCH(QString, correct);
        QFETCH(QString, chosen);
        QFETCH(QString, questionCaption);
        QFETCH(QString, explanationCaption);
        QFETCH(QString, green);
        const auto screen = open(0, {{u"EXERCISEMODE"_s, u"1"_s}, {u"TESTTIME"_s, u"5"_s}},
                                 {{u"q1.RTF"_s, u"e1.RTF"_s, correct, QString()},
                                  {u"q2.RTF"_s, u"e2.RTF"_s, u"1"_s, QString()}});
        QVERIFY(screen->answerButtonVisible());
        screen->optionReleased(1, options(chosen));
        screen->toggleAnswerDisplay();
        QCOMPARE(screen->answerButtonCaption(), u"Continue test"_s);
        QVERIFY(!screen->countdownRunning());
        QCOMPARE(screen->questionCaption(), questionCaption);
        QVERIFY(screen->explanationVisible());
        QCOMPARE(screen->explanationCaption(), explanationCaption);
        QVERIFY(screen->explanationDocument().endsWith(u"/e1.RTF"));
        for (int k = 1; k <= 7; ++k) {
            const bool isGreen = green.contains(QChar(u'A' + k - 1));
            if (!correct.isEmpty() && correct != u"0")
                QCOMPARE(screen->options()[size_t(k - 1)].colour == OptionColour::Correct, isGreen);
            QCOMPARE(screen->options()[size_t(k - 1)].ticked, chosen.contains(QChar(u'A' + k - 1)));
        }
        screen->next();
        QVERIFY(screen->explanationDocument().endsWith(u"/e2.RTF"));
        screen->toggleAnswerDisplay();
        QCOMPARE(screen->answerButtonCaption(), u"Display answer"_s);
        QVERIFY(!screen->explanationVisible());
        QVERIFY(screen->countdownRunning());
        QCOMPARE(screen->questionCaption(), u"Question No:2    Mark:10"_s);
    }

    void finishAsksFirst()
    {
        const auto screen = open(3, {{u"DISPLAY_SCORE"_s, u"0"_s}});
        m_prompts.refuse();
        QVERIFY(!screen->requestFinish());
        QVERIFY(!screen->isFinished());
        QCOMPARE(m_prompts.texts(), QStringList{u"Will you finsh the test really?"_s});
        m_prompts.accept();
        QVERIFY(screen->requestFinish());
        QVERIFY(screen->isFinished());
        QCOMPARE(m_prompts.texts().last(), texts::saved);
        QCOMPARE(m_quits, 1);
        QVERIFY(screen->requestFinish());
        QCOMPARE(m_quits, 1);
    }

    void timeRunsOutWhileAsking()
    {
        // The finish question is still open when the time runs out.
        testing::ScriptedPrompts prompts;
        prompts.accept();
        const auto screen =
            open(3, {{u"DISPLAY_SCORE"_s, u"0"_s}, {u"TESTTIME"_s, u"1"_s}}, {}, &prompts);
        prompts.whileShown([&](const testing::ScriptedPrompts::Shown &shown) {
            if (shown.kind != testing::ScriptedPrompts::Kind::Question)
                return;
            while (!screen->countdownTick().timeUp) {
            }
            screen->finishNow();
        });
        QVERIFY(screen->requestFinish());
        QCOMPARE(prompts.texts(), (QStringList{texts::finishQuestion, texts::saved}));
        QCOMPARE(m_quits, 1);
        const store::ProfileSnapshot record =
            store::ProfileFile(m_root->root().recordFile(u"Maths"_s, u"A1"_s, u"7"_s)).read();
        QCOMPARE(record.value(u"A1", u"7TIME2"), u"00:00:00"_s);
    }

    void paperWithoutQuestions()
    {
        const auto screen = open(0);
        QVERIFY(!screen->hasQuestions());
        QCOMPARE(screen->questionCaption(), texts::noQuestions);
        QVERIFY(screen->questionDocument().isEmpty());
        QCOMPARE(screen->selectorCaption(), u"Select question          Questions total:0"_s);
        QVERIFY(captions(*screen).isEmpty());
        screen->optionReleased(1, options(u"A"));
        screen->selectButton(1);
        QCOMPARE(screen->options()[0].ticked, false);
        m_prompts.accept();
        QVERIFY(screen->requestFinish());
        QCOMPARE(m_quits, 1);
    }

    void helpText() { QCOMPARE(ExamScreen::helpText(), texts::help); }
};

QTEST_GUILESS_MAIN(TestExamScreen)
#include "tst_exam_screen.moc"

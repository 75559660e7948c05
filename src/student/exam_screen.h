// What the exam window shows and does, without widgets: the engine, the question
// selector, the navigation buttons, the captions and the colours.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exam_attempt.h"
#include "question_selector.h"

#include <QColor>
#include <QString>
#include <array>

namespace student {

enum class OptionColour { NotChosen, Chosen, Correct };

struct OptionState
{
    bool ticked = false;
    OptionColour colour = OptionColour::NotChosen;
    bool operator==(const OptionState &) const = default;
};

struct SelectorButton
{
    QString caption;
    bool visible = false;
    bool answered = false; ///< drawn green; otherwise in the button face colour
    bool operator==(const SelectorButton &) const = default;
};

/// The model of the "Student end" window. Every click, key and timer tick of the
/// window is one call here; after it the window draws what the accessors say.
class ExamScreen
{
public:
    ExamScreen(
        store::DataRoot root, const store::Clock &clock, store::RandomSource &random,
        ui::Prompts &prompts, std::function<void()> quit,
        QString localFolder = store::DataRoot::localFolder(store::DataRoot::LocalUse::Student));

    /// Starts the attempt and shows its current position. False when the attempt
    /// could not start (the testee was told why; the program ends).
    bool open(const TesteeIdentity &identity);

    ExamAttempt &attempt() { return m_attempt; }
    const ExamAttempt &attempt() const { return m_attempt; }

    QString windowTitle() const;
    QString selectorCaption() const;
    bool answerButtonVisible() const { return m_attempt.exerciseMode(); }
    QString answerButtonCaption() const;
    QString timeText() const { return m_attempt.remainingTime().text(); }
    /// A paper without questions has no position to show; only the finish is left.
    bool hasQuestions() const { return m_attempt.questionCount() > 0; }

    // What "show the position" produced; it changes only when the position is shown.
    QString questionCaption() const { return m_questionCaption; }
    QString questionDocument() const { return m_questionDocument; }
    bool explanationVisible() const { return m_explanationVisible; }
    QString explanationCaption() const { return m_explanationCaption; }
    QString explanationDocument() const { return m_explanationDocument; }
    /// Counts the times the position was shown, so that the window reloads its
    /// documents only then.
    int shown() const { return m_shown; }

    const std::array<OptionState, 7> &options() const { return m_options; }
    bool previousEnabled() const { return m_previousEnabled; }
    bool nextEnabled() const { return m_nextEnabled; }

    const QuestionSelector &selector() const { return m_selector; }
    SelectorButton selectorButton(int button) const;

    // "Previous" and PageUp, "Next" and PageDown, and the right button on either.
    void previous();
    void next();
    void pageBack();
    void pageForward();
    /// A selector button: the position it stands for.
    void selectButton(int button);
    /// The scroll bar moved.
    void setSelectorOffset(int offset);

    /// An option box received the focus: the answer is rebuilt from all seven boxes.
    void optionFocused(const std::array<bool, 7> &ticked);
    /// The left button was released over option box k (1..7), after its tick changed.
    void optionReleased(int option, const std::array<bool, 7> &ticked);
    void setAutoPageDown(bool on);

    /// "Display answer" / "Continue test".
    void toggleAnswerDisplay();
    bool countdownRunning() const { return m_attempt.countdownRunning(); }
    /// One second less; an autosave that failed is tried again first.
    CountdownResult countdownTick();
    void autosave();
    /// Empty while saving works; after several failed autosaves in a row, the
    /// warning the window shows (without stopping the test) until one succeeds.
    QString saveWarning() const;

    /// The finish button or any close: asks first. True when the attempt is over
    /// (also when the time ran out while the question was open).
    bool requestFinish();
    /// Time is up: no question.
    void finishNow();
    bool isFinished() const { return m_attempt.isFinished(); }

    static QString finishQuestion();
    static QString saveWarningText();
    static QString displayAnswerCaption();
    static QString continueTestCaption();
    static QString noQuestionsText();
    static QString helpText();

    static QColor colour(OptionColour colour);
    static QColor answeredButtonColour();

private:
    void showPosition();

    ExamAttempt m_attempt;
    ui::Prompts &m_prompts;
    QuestionSelector m_selector;
    bool m_previousEnabled = true;
    bool m_nextEnabled = true;
    int m_shown = 0;
    QString m_questionCaption;
    QString m_questionDocument;
    bool m_explanationVisible = false;
    QString m_explanationCaption;
    QString m_explanationDocument;
    std::array<OptionState, 7> m_options{};
};

} // namespace student

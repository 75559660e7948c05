// One testee's attempt at one paper: order, answers, countdown, autosave and score.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "remaining_time.h"
#include "testee_identity.h"

#include "store/answer_code.h"
#include "store/clock.h"
#include "store/data_root.h"
#include "store/paper.h"
#include "store/random_source.h"
#include "store/result_record.h"

#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace ui {
class Prompts;
}

namespace student {

enum class DocumentKind { Question, Explanation };

/// How a move ended: the position may have changed even when an end was reached
/// (a page step back from position 3 lands on 1 and reports the first position).
enum class MoveOutcome { Moved, FirstReached, LastReached };

/// What the answer display says about one question.
enum class Verdict { NoCorrectAnswer, Correct, Wrong, Unanswered };

struct CountdownResult
{
    QString text;        ///< the remaining time as the window shows it
    bool timeUp = false; ///< the text is 00:00:00: finish without asking
};

/// The logic of one attempt, apart from any window. The window turns clicks, keys
/// and its two timers into these operations; each runs to completion in one event.
/// Positions (1..N) are what the testee sees; answers, marks and documents belong
/// to question numbers, and the presentation order maps one onto the other.
class ExamAttempt
{
public:
    /// `localFolder` receives the copies of the paper and its documents when the
    /// data root lies on a network share; it is created then, never otherwise.
    ExamAttempt(
        store::DataRoot root, const store::Clock &clock, store::RandomSource &random,
        ui::Prompts &prompts, std::function<void()> quit,
        QString localFolder = store::DataRoot::localFolder(store::DataRoot::LocalUse::Student));

    /// Loads the paper and either continues the autosaved attempt or starts anew
    /// (new order, full time, start stamp). Runs once. A start stamp that cannot be
    /// written is tried again; if it still fails the testee is told that the test
    /// cannot be saved, nothing starts, and this gives false (the program ends).
    bool startAttempt(const TesteeIdentity &identity);

    const TesteeIdentity &identity() const { return m_identity; }
    const store::StudentPaper &paper() const { return m_paper; }
    int questionCount() const { return int(m_paper.questions.size()); }
    bool isRemote() const { return m_remote; }
    /// The paper file read at the start: the one under the root or its local copy.
    QString paperFileInUse() const { return m_paperFileInUse; }

    int position() const { return m_position; }
    /// The question number shown at a position (0 outside 1..N).
    int questionAt(int position) const;
    const QList<int> &presentationOrder() const { return m_order; }
    /// Question q (1..N); an empty one outside.
    store::Question question(int q) const;
    /// The mark of question q as shown: its own, or the paper's default mark.
    QString markText(int q) const;

    /// The file to show for a document of question q. On a remote root the document
    /// is copied into the local folder on its first display and the copy is shown.
    /// Empty when the paper names no safe document.
    QString documentPath(int q, DocumentKind kind);

    store::AnswerCode answer(int q) const;
    const QList<store::AnswerCode> &answers() const { return m_answers; }
    /// The answer of the question at the current position, from the ticked options.
    void registerAnswer(const std::array<bool, 7> &chosen);

    MoveOutcome previous();
    MoveOutcome next();
    MoveOutcome pageBack();
    MoveOutcome pageForward();
    void goToPosition(int position);
    static constexpr int pageStep = 5;

    bool autoPageDown() const { return m_autoPageDown; }
    void setAutoPageDown(bool on) { m_autoPageDown = on; }

    bool exerciseMode() const { return m_paper.exerciseMode == 1; }
    bool answerDisplay() const { return m_answerDisplay; }
    /// Exercise mode only: shows or hides the answers; gives the new state. The
    /// countdown stands still while the answers are shown.
    bool toggleAnswerDisplay();
    Verdict answerVerdict(int q) const;

    /// Whether a countdown tick would count (not while the answers are shown,
    /// not after the finish).
    bool countdownRunning() const;
    /// One second less. Does nothing while the countdown stands still.
    CountdownResult countdownTick();
    RemainingTime remainingTime() const { return m_remaining; }

    /// Time left, position, the answers and the order, as one write. A write that
    /// fails is tried again at the next countdown tick (see retryAutosave).
    bool autosave();
    /// Writes the autosave again if the last one failed; gives whether one is still owed.
    bool retryAutosave();
    /// Failed autosaves in a row; 0 after one succeeds.
    int failedAutosaves() const { return m_failedAutosaves; }
    /// After this many failures in a row the window warns until a save succeeds.
    static constexpr int autosaveFailuresBeforeWarning = 3;
    /// Tries of the start stamp before the test is refused.
    static constexpr int startTries = 3;

    /// Sum of the marks of the questions answered as the paper says, rounded
    /// halves to even after each addition of a mark of its own.
    qint64 computeScore() const;

    /// Writes the finish mark, the answers and the score, shows the closing message,
    /// removes the local copies and asks the program to end. Runs once: whatever
    /// arrives while its message is open (a countdown tick) finds it finished.
    void finishAttempt();
    bool isFinished() const { return m_finishing; }

    static QString scoreMessage(int fullMark, qint64 score);
    static QString savedMessage();
    static QString saveFailedQuestion();
    /// The last words of an attempt whose score did not reach the record.
    static QString notSavedMessage();
    /// Shown when the start stamp cannot be written; the reason follows it.
    static QString cannotStartMessage();

private:
    enum class StartStamp { Write, Keep };
    bool startNewAttempt(StartStamp stamp);
    bool resumeAttempt();
    void shuffle();
    QString copyToLocal(const QString &source, const QString &name) const;
    void removeLocalCopies(const QStringList &patterns) const;

    store::DataRoot m_root;
    const store::Clock &m_clock;
    store::RandomSource &m_random;
    ui::Prompts &m_prompts;
    std::function<void()> m_quit;
    QString m_localFolder;

    TesteeIdentity m_identity;
    std::optional<store::ResultRecord> m_record;
    store::StudentPaper m_paper;
    QString m_paperFileInUse;
    bool m_remote = false;
    bool m_started = false;
    bool m_finishing = false;

    QList<int> m_order;
    QList<store::AnswerCode> m_answers;
    QList<bool> m_questionCopied;
    QList<bool> m_explanationCopied;
    int m_position = 1;
    RemainingTime m_remaining;
    bool m_answerDisplay = false;
    bool m_autoPageDown = false;
    bool m_autosaveOwed = false;
    int m_failedAutosaves = 0;
};

} // namespace student

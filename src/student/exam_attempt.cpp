// SPDX-License-Identifier: GPL-3.0-or-later
#include "exam_attempt.h"

#include "store/atomic_file.h"
#include "store/case_path.h"
#include "store/numeric.h"
#include "ui/prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QThread>
#include <algorithm>

Q_LOGGING_CATEGORY(lcAttempt, "quorin.student.attempt")

namespace student {

namespace {

TesteeIdentity trimmed(const TesteeIdentity &identity)
{
    return TesteeIdentity{identity.paper.trimmed(),    identity.className.trimmed(),
                          identity.number.trimmed(),   identity.firstName.trimmed(),
                          identity.lastName.trimmed(), identity.resume};
}

// A saved order has to be a permutation of 1..N before anything indexes with it:
// a paper edited after the autosave or a hand-edited record can hold numbers out
// of range or twice. Each valid number keeps its first position; the positions
// left over take the missing numbers in ascending order.
QList<int> repairedOrder(const QList<int> &saved, int count)
{
    QList<int> order(count, 0);
    QList<bool> used(count + 1, false);
    for (int i = 0; i < count && i < saved.size(); ++i) {
        const int q = saved.at(i);
        if (q >= 1 && q <= count && !used.at(q)) {
            order[i] = q;
            used[q] = true;
        }
    }
    int missing = 1;
    for (int i = 0; i < count; ++i) {
        if (order.at(i) != 0)
            continue;
        while (used.at(missing))
            ++missing;
        order[i] = missing;
        used[missing] = true;
    }
    return order;
}

} // namespace

ExamAttempt::ExamAttempt(store::DataRoot root, const store::Clock &clock,
                         store::RandomSource &random, ui::Prompts &prompts,
                         std::function<void()> quit, QString localFolder)
    : m_root(std::move(root))
    , m_clock(clock)
    , m_random(random)
    , m_prompts(prompts)
    , m_quit(std::move(quit))
    , m_localFolder(std::move(localFolder))
{}

bool ExamAttempt::startAttempt(const TesteeIdentity &identity)
{
    if (m_started)
        return !m_finishing;
    m_started = true;
    m_identity = trimmed(identity);
    m_record.emplace(m_root, m_identity.paper, m_identity.className, m_identity.number);
    m_answerDisplay = false;
    m_autoPageDown = false;

    m_remote = m_root.isRemote();
    m_paperFileInUse = m_root.paperFile(m_identity.paper);
    if (m_remote) {
        if (QFileInfo(m_localFolder).isDir())
            removeLocalCopies({QStringLiteral("*.rtf")});
        else
            QDir().mkpath(m_localFolder);
        const QString copy =
            copyToLocal(m_paperFileInUse, m_identity.paper + QStringLiteral(".cho"));
        // Without a local copy the paper is still readable from the share.
        if (!copy.isEmpty())
            m_paperFileInUse = copy;
    }
    m_paper = store::PaperFile(m_paperFileInUse).readStudentPaper();
    const int count = questionCount();
    m_questionCopied = QList<bool>(count, false);
    m_explanationCopied = QList<bool>(count, false);

    if (!m_identity.resume || !resumeAttempt()) {
        // A resume with no autosave yet (interrupted in its first minute) starts
        // afresh, but the first start stamp stays: it is when the testee began.
        if (!startNewAttempt(m_identity.resume ? StartStamp::Keep : StartStamp::Write)) {
            // Nothing of this attempt may run: no tick, no autosave, no finish.
            m_finishing = true;
            if (m_remote)
                removeLocalCopies({QStringLiteral("*.rtf"), QStringLiteral("*.cho")});
            return false;
        }
    }
    return true;
}

bool ExamAttempt::startNewAttempt(StartStamp stamp)
{
    const int count = questionCount();
    m_order.clear();
    for (int i = 1; i <= count; ++i)
        m_order.append(i);
    m_answers = QList<store::AnswerCode>(count);
    if (m_paper.changeQuestionSort == 1)
        shuffle();
    m_position = 1;
    m_remaining = RemainingTime::fromMinutes(m_paper.testTime);
    if (stamp == StartStamp::Keep)
        return true;
    // Without its start stamp the record reads as never started: a crash and a new
    // login would then start again over the answers saved meanwhile.
    const QString time1 = m_clock.now().toString(QStringLiteral("yyyy,MM,dd  hh:mm:ss"));
    store::WriteStatus status = store::WriteStatus::Ok;
    for (int attempt = 1; attempt <= startTries; ++attempt) {
        status = m_record->writeStart(time1);
        if (status == store::WriteStatus::Ok)
            return true;
        qCWarning(lcAttempt) << "start stamp not written:" << store::describe(status);
        if (attempt < startTries)
            QThread::msleep(200);
    }
    m_prompts.message(cannotStartMessage() + QStringLiteral("\n(") + store::describe(status) +
                      QStringLiteral(": ") + QDir::toNativeSeparators(m_record->file()) +
                      QStringLiteral(")"));
    return false;
}

bool ExamAttempt::resumeAttempt()
{
    const int count = questionCount();
    const store::SavedProgress saved = m_record->readProgress(count);
    if (!saved.hasAutosave)
        return false;
    m_order = repairedOrder(saved.order, count);
    m_answers = saved.answers;
    m_answers.resize(count);
    const std::optional<RemainingTime> time = RemainingTime::parse(saved.remainingTime);
    m_remaining = time ? *time : RemainingTime::fromMinutes(m_paper.testTime);
    // A saved 00:00:00 means the time was up: end on the first tick rather than
    // counting down a whole day from 23:59:59.
    if (m_remaining.isZero())
        m_remaining = RemainingTime::fromSeconds(1);
    m_position = std::clamp(saved.position, 1, std::max(count, 1));
    return true;
}

void ExamAttempt::shuffle()
{
    // Every position swaps with a position drawn at random (possibly itself). This
    // is not a uniform permutation, but it is the order papers have always had.
    const int count = questionCount();
    for (int i = 0; i < count; ++i) {
        const double r = m_random.uniform();
        const int j = std::clamp(int(count * r + 1), 1, count);
        std::swap(m_order[i], m_order[j - 1]);
    }
}

int ExamAttempt::questionAt(int position) const
{
    if (position < 1 || position > m_order.size())
        return 0;
    return m_order.at(position - 1);
}

store::Question ExamAttempt::question(int q) const
{
    if (q < 1 || q > questionCount())
        return {};
    return m_paper.questions.at(q - 1);
}

QString ExamAttempt::markText(int q) const
{
    const QString mark = question(q).mark;
    return mark.isEmpty() ? QString::number(m_paper.defaultMark) : mark;
}

QString ExamAttempt::copyToLocal(const QString &source, const QString &name) const
{
    if (source.isEmpty() || !store::CasePath::isSafeComponent(name) || !QFileInfo(source).isFile())
        return {};
    const QString target = store::CasePath::join(m_localFolder, name);
    const store::WriteOutcome copied = store::AtomicFile::copy(source, target);
    if (!copied.ok()) {
        qCWarning(lcAttempt) << "could not copy" << source << "to" << target << copied.reason();
        return {};
    }
    return target;
}

void ExamAttempt::removeLocalCopies(const QStringList &patterns) const
{
    // Only plain files directly in our own folder, whatever the case of their ending.
    const QDir folder(m_localFolder);
    if (m_localFolder.isEmpty() || !folder.exists())
        return;
    const QStringList names = folder.entryList(patterns, QDir::Files | QDir::Hidden);
    for (const QString &name : names)
        QFile::remove(folder.filePath(name));
}

QString ExamAttempt::documentPath(int q, DocumentKind kind)
{
    if (q < 1 || q > questionCount())
        return {};
    const store::Question &entry = m_paper.questions.at(q - 1);
    const QString name = kind == DocumentKind::Question ? entry.question : entry.explain;
    if (name.isEmpty())
        return {};
    const QString source = m_root.paperDocument(m_identity.paper, name);
    if (source.isEmpty() || !m_remote)
        return source;
    QList<bool> &copied = kind == DocumentKind::Question ? m_questionCopied : m_explanationCopied;
    if (copied.at(q - 1))
        return store::CasePath::join(m_localFolder, name);
    const QString copy = copyToLocal(source, name);
    if (copy.isEmpty())
        return source;
    copied[q - 1] = true;
    return copy;
}

store::AnswerCode ExamAttempt::answer(int q) const
{
    if (q < 1 || q > m_answers.size())
        return {};
    return m_answers.at(q - 1);
}

void ExamAttempt::registerAnswer(const std::array<bool, 7> &chosen)
{
    const int q = questionAt(m_position);
    if (q == 0)
        return;
    m_answers[q - 1] = store::AnswerCode::fromOptions(chosen);
}

MoveOutcome ExamAttempt::previous()
{
    if (m_position <= 1)
        return MoveOutcome::FirstReached;
    --m_position;
    return MoveOutcome::Moved;
}

MoveOutcome ExamAttempt::next()
{
    if (m_position >= questionCount())
        return MoveOutcome::LastReached;
    ++m_position;
    return MoveOutcome::Moved;
}

MoveOutcome ExamAttempt::pageBack()
{
    if (pageStep < m_position) {
        m_position -= pageStep;
        return MoveOutcome::Moved;
    }
    m_position = 1;
    return MoveOutcome::FirstReached;
}

MoveOutcome ExamAttempt::pageForward()
{
    if (m_position + pageStep > questionCount()) {
        m_position = std::max(questionCount(), 1);
        return MoveOutcome::LastReached;
    }
    m_position += pageStep;
    return MoveOutcome::Moved;
}

void ExamAttempt::goToPosition(int position)
{
    if (position >= 1 && position <= questionCount())
        m_position = position;
}

bool ExamAttempt::toggleAnswerDisplay()
{
    if (exerciseMode())
        m_answerDisplay = !m_answerDisplay;
    return m_answerDisplay;
}

Verdict ExamAttempt::answerVerdict(int q) const
{
    // Numbers, not texts, are compared: "31" never equals a chosen 13.
    const double correct = store::numericValue(question(q).answer);
    const qint32 given = answer(q).value();
    if (correct == 0)
        return Verdict::NoCorrectAnswer;
    if (correct == double(given))
        return Verdict::Correct;
    return given != 0 ? Verdict::Wrong : Verdict::Unanswered;
}

bool ExamAttempt::countdownRunning() const
{
    return m_started && !m_finishing && !m_answerDisplay;
}

CountdownResult ExamAttempt::countdownTick()
{
    if (!countdownRunning())
        return {m_remaining.text(), false};
    m_remaining.tick();
    return {m_remaining.text(), m_remaining.isZero()};
}

bool ExamAttempt::autosave()
{
    if (!m_started || m_finishing)
        return false;
    const store::WriteStatus status =
        m_record->writeAutosave(m_remaining.text(), m_position, m_answers, m_order);
    m_autosaveOwed = status != store::WriteStatus::Ok;
    if (!m_autosaveOwed) {
        m_failedAutosaves = 0;
        return true;
    }
    ++m_failedAutosaves;
    qCWarning(lcAttempt) << "autosave not written:" << store::describe(status);
    return false;
}

bool ExamAttempt::retryAutosave()
{
    if (m_autosaveOwed && m_started && !m_finishing)
        autosave();
    return m_autosaveOwed;
}

qint64 ExamAttempt::computeScore() const
{
    qint64 score = 0;
    for (int q = 1; q <= questionCount(); ++q) {
        const store::Question &entry = m_paper.questions.at(q - 1);
        // An empty correct answer (0) left unanswered (0) counts as correct.
        if (store::numericValue(entry.answer) != double(answer(q).value()))
            continue;
        if (entry.mark.isEmpty())
            score += m_paper.defaultMark;
        else
            score = store::roundHalfEven(double(score) + store::numericValue(entry.mark));
    }
    return score;
}

void ExamAttempt::finishAttempt()
{
    if (!m_started || m_finishing)
        return;
    m_finishing = true;

    const QString time2 = m_remaining.text();
    const qint64 score = computeScore();
    store::WriteStatus status = m_record->writeFinish(time2, m_answers, score);
    bool saved = status == store::WriteStatus::Ok;
    // A score that did not reach the record must not be reported as saved.
    while (!saved) {
        qCWarning(lcAttempt) << "finish not written:" << store::describe(status);
        if (!m_prompts.confirm(saveFailedQuestion()))
            break;
        status = m_record->writeFinish(time2, m_answers, score);
        saved = status == store::WriteStatus::Ok;
    }

    if (m_paper.displayScore == 1)
        m_prompts.message(scoreMessage(m_paper.fullMark, score));
    else if (saved)
        m_prompts.message(savedMessage());
    if (!saved)
        m_prompts.message(notSavedMessage());

    if (m_remote)
        removeLocalCopies({QStringLiteral("*.rtf"), QStringLiteral("*.cho")});
    if (m_quit)
        m_quit();
}

QString ExamAttempt::scoreMessage(int fullMark, qint64 score)
{
    return QCoreApplication::translate("ExamAttempt", "        The test full mark is:") +
           QString::number(fullMark) +
           QCoreApplication::translate("ExamAttempt", "\n        Your test mark is:") +
           QString::number(score) +
           QCoreApplication::translate("ExamAttempt", "          \n            Good Bye!");
}

QString ExamAttempt::savedMessage()
{
    return QCoreApplication::translate("ExamAttempt",
                                       "        Your test mark is saved.          \n"
                                       "       Thank you very much! Good Bye!         ");
}

QString ExamAttempt::notSavedMessage()
{
    return QCoreApplication::translate("ExamAttempt",
                                       "Your test mark was NOT saved.\n"
                                       "Please call the teacher before you leave this computer.");
}

QString ExamAttempt::cannotStartMessage()
{
    return QCoreApplication::translate("ExamAttempt",
                                       "Your test cannot be saved, so it cannot start.\n"
                                       "Please call the teacher.");
}

QString ExamAttempt::saveFailedQuestion()
{
    return QCoreApplication::translate(
        "ExamAttempt", "Your test mark could not be saved!\n"
                       "Please tell the teacher. OK tries again, Cancel ends the test.");
}

} // namespace student

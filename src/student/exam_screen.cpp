// SPDX-License-Identifier: GPL-3.0-or-later
#include "exam_screen.h"

#include <QCoreApplication>

#include "store/numeric.h"
#include "ui/prompts.h"

namespace student {

ExamScreen::ExamScreen(store::DataRoot root, const store::Clock &clock, store::RandomSource &random,
                       ui::Prompts &prompts, std::function<void()> quit, QString localFolder)
    : m_attempt(std::move(root), clock, random, prompts, std::move(quit), std::move(localFolder))
    , m_prompts(prompts)
{}

bool ExamScreen::open(const TesteeIdentity &identity)
{
    if (!m_attempt.startAttempt(identity))
        return false;
    m_selector.reset(m_attempt.questionCount());
    showPosition();
    return true;
}

QString ExamScreen::windowTitle() const
{
    const TesteeIdentity &who = m_attempt.identity();
    return who.className + u' ' + who.number + u' ' + who.firstName + u' ' + who.lastName;
}

QString ExamScreen::selectorCaption() const
{
    return QCoreApplication::translate("ExamScreen", "Select question          Questions total:") +
           QString::number(m_attempt.questionCount());
}

QString ExamScreen::answerButtonCaption() const
{
    return m_attempt.answerDisplay() ? continueTestCaption() : displayAnswerCaption();
}

SelectorButton ExamScreen::selectorButton(int button) const
{
    SelectorButton state;
    const int position = m_selector.positionOf(button);
    state.caption = QString::number(position);
    state.visible = m_selector.isVisible(button);
    if (state.visible)
        state.answered = m_attempt.answer(m_attempt.questionAt(position)).value() >= 1;
    return state;
}

void ExamScreen::showPosition()
{
    ++m_shown;
    const int position = m_attempt.position();
    m_selector.follow(position);
    const int q = m_attempt.questionAt(position);
    if (q == 0) {
        m_questionCaption = noQuestionsText();
        m_questionDocument.clear();
        m_explanationVisible = false;
        m_explanationDocument.clear();
        m_options = {};
        return;
    }

    m_questionDocument = m_attempt.documentPath(q, DocumentKind::Question);
    const store::AnswerCode answer = m_attempt.answer(q);
    for (int k = 1; k <= 7; ++k) {
        const bool ticked = answer.hasOption(k);
        m_options[size_t(k - 1)] = {ticked,
                                    ticked ? OptionColour::Chosen : OptionColour::NotChosen};
    }
    m_questionCaption =
        QCoreApplication::translate("ExamScreen", "Question No:") + QString::number(position) +
        QCoreApplication::translate("ExamScreen", "    Mark:") + m_attempt.markText(q);

    m_explanationVisible = m_attempt.answerDisplay();
    if (!m_explanationVisible) {
        m_explanationDocument.clear();
        return;
    }
    m_explanationCaption = QCoreApplication::translate("ExamScreen", "Explain");
    m_explanationDocument = m_attempt.documentPath(q, DocumentKind::Explanation);
    const QString correct = m_attempt.question(q).answer;
    if (store::numericValue(correct) == 0) {
        m_questionCaption +=
            QCoreApplication::translate("ExamScreen", "   Correct answer isn't setted.");
        return;
    }
    m_questionCaption += QCoreApplication::translate("ExamScreen", "   Correct answer:") + correct;
    for (int k = 1; k <= 7; ++k) {
        m_options[size_t(k - 1)].colour =
            correct.contains(QChar(u'0' + k)) ? OptionColour::Correct : OptionColour::NotChosen;
    }
    switch (m_attempt.answerVerdict(q)) {
    case Verdict::Correct:
        m_explanationCaption +=
            QCoreApplication::translate("ExamScreen", "   Your answer is correct!");
        break;
    case Verdict::Wrong:
        m_explanationCaption +=
            QCoreApplication::translate("ExamScreen", "   Your answer is uncorrect!");
        break;
    case Verdict::Unanswered:
        m_explanationCaption +=
            QCoreApplication::translate("ExamScreen", "   You haven't answered!");
        break;
    case Verdict::NoCorrectAnswer:
        break;
    }
}

void ExamScreen::previous()
{
    // Arriving at position 1 leaves the button enabled; only a click there disables it.
    if (m_attempt.previous() == MoveOutcome::FirstReached) {
        m_previousEnabled = false;
        return;
    }
    m_nextEnabled = true;
    showPosition();
}

void ExamScreen::next()
{
    if (m_attempt.next() == MoveOutcome::LastReached) {
        m_nextEnabled = false;
        return;
    }
    m_previousEnabled = true;
    showPosition();
}

void ExamScreen::pageBack()
{
    if (m_attempt.pageBack() == MoveOutcome::FirstReached)
        m_previousEnabled = false;
    m_nextEnabled = true;
    showPosition();
}

void ExamScreen::pageForward()
{
    if (m_attempt.pageForward() == MoveOutcome::LastReached)
        m_nextEnabled = false;
    m_previousEnabled = true;
    showPosition();
}

void ExamScreen::selectButton(int button)
{
    if (!m_selector.isVisible(button))
        return;
    m_attempt.goToPosition(m_selector.positionOf(button));
    // A jump can leave either end, so both ways are open again.
    m_previousEnabled = true;
    m_nextEnabled = true;
    showPosition();
}

void ExamScreen::setSelectorOffset(int offset)
{
    m_selector.setOffset(offset);
}

void ExamScreen::optionFocused(const std::array<bool, 7> &ticked)
{
    if (!hasQuestions())
        return;
    m_attempt.registerAnswer(ticked);
    for (size_t k = 0; k < 7; ++k)
        m_options[k].ticked = ticked[k];
    m_selector.follow(m_attempt.position());
}

void ExamScreen::optionReleased(int option, const std::array<bool, 7> &ticked)
{
    if (!hasQuestions() || option < 1 || option > 7)
        return;
    m_options[size_t(option - 1)].colour =
        ticked[size_t(option - 1)] ? OptionColour::Chosen : OptionColour::NotChosen;
    optionFocused(ticked);
    if (m_attempt.autoPageDown())
        next();
}

void ExamScreen::setAutoPageDown(bool on)
{
    m_attempt.setAutoPageDown(on);
}

void ExamScreen::toggleAnswerDisplay()
{
    m_attempt.toggleAnswerDisplay();
    showPosition();
}

CountdownResult ExamScreen::countdownTick()
{
    m_attempt.retryAutosave();
    return m_attempt.countdownTick();
}

QString ExamScreen::saveWarning() const
{
    return m_attempt.failedAutosaves() >= ExamAttempt::autosaveFailuresBeforeWarning
               ? saveWarningText()
               : QString();
}

void ExamScreen::autosave()
{
    m_attempt.autosave();
}

bool ExamScreen::requestFinish()
{
    if (m_attempt.isFinished())
        return true;
    const bool yes = m_prompts.question(finishQuestion());
    // The countdown may have ended the attempt while the question was open.
    if (m_attempt.isFinished())
        return true;
    if (!yes)
        return false;
    m_attempt.finishAttempt();
    return true;
}

void ExamScreen::finishNow()
{
    m_attempt.finishAttempt();
}

QString ExamScreen::finishQuestion()
{
    return QCoreApplication::translate("ExamScreen", "Will you finsh the test really?");
}

QString ExamScreen::saveWarningText()
{
    return QCoreApplication::translate("ExamScreen", "Your answers cannot be saved at the moment! "
                                                     "Go on with the test and tell the teacher.");
}

QString ExamScreen::displayAnswerCaption()
{
    return QCoreApplication::translate("ExamScreen", "Display answer");
}

QString ExamScreen::continueTestCaption()
{
    return QCoreApplication::translate("ExamScreen", "Continue test");
}

QString ExamScreen::noQuestionsText()
{
    return QCoreApplication::translate(
        "ExamScreen", "This paper has no questions. Click \"Finish test\" to end the test.");
}

QString ExamScreen::helpText()
{
    const QChar cr = u'\n';
    QString text = cr;
    const QString lines[] = {
        QCoreApplication::translate("ExamScreen", "1、How to answer: click the answer. "),
        QCoreApplication::translate("ExamScreen",
                                    "2、How to change page:click  Previous or Next boutton "),
        QCoreApplication::translate(
            "ExamScreen", "3、How to change page automatically: Choose Page automatically. "),
        QCoreApplication::translate("ExamScreen",
                                    "4、How to view correct answer: If you are allowed to view "
                                    "the correct answer,click Display answer to view correct "
                                    "answer."),
        QCoreApplication::translate("ExamScreen", "5、How to finish test: Click Finish test."),
    };
    for (const QString &line : lines)
        text += line + cr;
    text += QString(7, cr);
    text += QCoreApplication::translate("ExamScreen", "The Quorin developers, 2026") + cr;
    text += QCoreApplication::translate("ExamScreen", "Quorin Ver.4.0") + cr;
    text += cr;
    text += QCoreApplication::translate(
                "ExamScreen", "Questions about this program: ask your teacher or system manager.") +
            cr;
    return text;
}

QColor ExamScreen::colour(OptionColour colour)
{
    switch (colour) {
    case OptionColour::Chosen:
        return QColor(255, 0, 0);
    case OptionColour::Correct:
        return QColor(0, 255, 0);
    case OptionColour::NotChosen:
        break;
    }
    return QColor(0, 192, 192);
}

QColor ExamScreen::answeredButtonColour()
{
    return QColor(0, 255, 0);
}

} // namespace student

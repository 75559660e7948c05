// SPDX-License-Identifier: GPL-3.0-or-later
#include "admission.h"

#include "store/numeric.h"
#include "store/profile_file.h"
#include "store/result_record.h"
#include "store/roster.h"
#include "ui/prompts.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace student {

namespace {

QStringList admittedClasses(const store::RosterReader &roster, const QString &paper,
                            store::AdmissionDefault missing)
{
    QStringList classes;
    const int count = roster.classCount();
    for (int j = 1; j <= count; ++j) {
        const QString name = roster.className(j);
        if (roster.isAdmitted(paper, name, missing))
            classes.append(name);
    }
    return classes;
}

} // namespace

Admission::Admission(store::DataRoot root, ui::Prompts &prompts)
    : m_root(std::move(root))
    , m_prompts(prompts)
{}

Admission::Opening Admission::open()
{
    const store::RosterReader roster = store::Roster(m_root).read();
    m_papers.clear();
    m_classes.clear();
    const int paperCount = roster.paperCount();
    if (paperCount <= 0) {
        m_prompts.message(noTestMessage());
        return Opening::NoTest;
    }
    for (int i = 1; i <= paperCount; ++i) {
        const QString name = roster.paperName(i);
        if (roster.isOffered(name))
            m_papers.append(name);
    }
    // Papers exist but none is on offer: there is nothing to sit either.
    if (m_papers.isEmpty()) {
        m_prompts.message(noTestMessage());
        return Opening::NoTest;
    }
    if (roster.classCount() <= 0) {
        m_prompts.message(noClassMessage());
        return Opening::NoTest;
    }
    m_classes = admittedClasses(roster, m_papers.first(), store::AdmissionDefault::NotAdmitted);
    return Opening::Ready;
}

void Admission::paperListLeft(const QString &paper)
{
    const store::RosterReader roster = store::Roster(m_root).read();
    m_classes.clear();
    if (roster.classCount() <= 0) {
        m_prompts.message(noTestMessage());
        return;
    }
    m_classes = admittedClasses(roster, paper, store::AdmissionDefault::Admitted);
}

bool Admission::passwordGate(const QString &password, const QString &refusal,
                             const QString &question, const QString &title)
{
    if (password.isEmpty()) {
        m_prompts.message(refusal);
        return false;
    }
    if (!m_prompts.confirm(question))
        return false;
    // A wrong or cancelled password says nothing, so it cannot be guessed at leisure.
    const std::optional<QString> typed = m_prompts.password(title);
    return typed && typed->trimmed() == password;
}

Admission::Outcome Admission::admit(const Form &form, const std::function<void()> &redraw)
{
    Outcome outcome;
    outcome.number = form.number;
    const QString paper = form.paper.trimmed();
    const QString className = form.className.trimmed();
    if (paper.isEmpty()) {
        m_prompts.message(choosePaperMessage());
        return outcome;
    }
    if (className.isEmpty()) {
        m_prompts.message(chooseClassMessage());
        return outcome;
    }
    const store::RosterReader roster = store::Roster(m_root).read();
    if (!roster.isAdmitted(paper, className, store::AdmissionDefault::Admitted)) {
        m_classes = admittedClasses(roster, paper, store::AdmissionDefault::Admitted);
        outcome.classesChanged = true;
        if (redraw)
            redraw();
        m_prompts.message(chooseClassMessage());
        return outcome;
    }

    // Typed 007 is testee 7; a value of 0 leaves the box empty.
    const qint64 value = store::roundHalfEven(store::numericValue(form.number.trimmed()));
    outcome.number = value == 0 ? QString() : QString::number(value);

    const store::ProfileSnapshot paperFile = store::ProfileFile(m_root.paperFile(paper)).read();
    const QString retestPassword = paperFile.value(u"MAIN", u"RETESTPASSWD").trimmed();
    const QString reloginPassword = paperFile.value(u"MAIN", u"RELOGINPASSWD").trimmed();

    const store::ClassEntry numbering = roster.classEntry(className);
    const double n = store::numericValue(outcome.number);
    if (n < numbering.firstNumber || n > numbering.lastNumber) {
        m_prompts.message(wrongNumberMessage());
        outcome.focus = Focus::Number;
        return outcome;
    }
    if (outcome.number.isEmpty() || form.firstName.trimmed().isEmpty()) {
        m_prompts.message(missingNameMessage());
        outcome.focus = Focus::Number;
        return outcome;
    }
    // Answers written into a folder that is not there would vanish without a trace,
    // and the testee would sit the whole test for nothing.
    if (!QFileInfo(m_root.recordFolder(paper)).isDir()) {
        m_prompts.message(noResultFolderMessage());
        return outcome;
    }

    const store::ResultRecord record(m_root, paper, className, outcome.number);
    const store::RecordState state = record.readState();
    if (state.state == store::TesteeState::Finished &&
        !passwordGate(retestPassword, noRetestMessage(), retestQuestion(), retestPasswordTitle()))
        return outcome;
    // After a retest the record still holds the finish mark, so this is a new attempt.
    const bool resume = state.time2.isEmpty() && !state.time1.isEmpty();
    if (resume && !passwordGate(reloginPassword, noReloginMessage(), reloginQuestion(),
                                reloginPasswordTitle()))
        return outcome;

    record.writeAdmission(form.firstName.trimmed(), form.lastName.trimmed());
    outcome.admitted = true;
    outcome.identity = TesteeIdentity{
        paper, className, outcome.number, form.firstName.trimmed(), form.lastName.trimmed(),
        resume};
    return outcome;
}

QString Admission::noTestMessage()
{
    return QCoreApplication::translate("Admission", "Sorry!No test now!");
}

QString Admission::noClassMessage()
{
    return QCoreApplication::translate("Admission", "Sorry!No class allowed to test now!");
}

QString Admission::choosePaperMessage()
{
    return QCoreApplication::translate("Admission", "Please choose test name!");
}

QString Admission::chooseClassMessage()
{
    return QCoreApplication::translate("Admission", "Please choose class name!");
}

QString Admission::wrongNumberMessage()
{
    return QCoreApplication::translate("Admission",
                                       "Your student number is wrong,Please input again!");
}

QString Admission::missingNameMessage()
{
    return QCoreApplication::translate("Admission", "Please input your student number and name!");
}

QString Admission::noResultFolderMessage()
{
    return QCoreApplication::translate("Admission", "The result folder of this test is missing,"
                                                    "please contact with the system manager.");
}

QString Admission::noRetestMessage()
{
    return QCoreApplication::translate("Admission",
                                       "The student has finished test,you can't retest!");
}

QString Admission::retestQuestion()
{
    return QCoreApplication::translate("Admission", "The student has finished test!\n"
                                                    "If retest,your previous score will be deleted,"
                                                    "will you insist to retest really?");
}

QString Admission::retestPasswordTitle()
{
    return QCoreApplication::translate("Admission", "Input retest password:");
}

QString Admission::noReloginMessage()
{
    return QCoreApplication::translate(
        "Admission", "The student has been test,you can't relogin by this student number!"
                     "Please contact with the system manager.");
}

QString Admission::reloginQuestion()
{
    return QCoreApplication::translate("Admission",
                                       "Will you insist to relogin by this student number?");
}

QString Admission::reloginPasswordTitle()
{
    return QCoreApplication::translate("Admission", "Input relogin password:");
}

} // namespace student

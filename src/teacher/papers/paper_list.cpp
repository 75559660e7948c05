// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper_list.h"

#include <QCoreApplication>

#include "store/name_check.h"
#include "store/numeric.h"
#include "store/profile_batch.h"
#include "store/profile_snapshot.h"
#include "store/roster.h"
#include "ui/prompts.h"

namespace teacher {

namespace {

const QString zero = QStringLiteral("0");

// A value longer than this is cut when it is read back, so the field keeps no more.
QString readable(const QString &text)
{
    return text.left(store::ProfileSnapshot::maxValueLength);
}

QString numberText(const QString &text)
{
    return store::decimalText(store::numericValue(text));
}

} // namespace

PaperList::PaperList(store::DataRoot root, ui::Prompts &prompts)
    : m_root(std::move(root))
    , m_prompts(prompts)
{}

void PaperList::open()
{
    m_pendingCreates.clear();
    m_pendingDeletes.clear();
    m_table.clear();
    const store::Roster roster(m_root);
    const store::RosterReader reader = roster.read();
    const store::ReadStatus status = reader.snapshot().status();
    m_rosterUnreadable = status != store::ReadStatus::Ok && status != store::ReadStatus::Missing;
    if (m_rosterUnreadable) {
        m_prompts.message(QCoreApplication::translate(
                              "PaperList", "The roster %1 could not be read: %2. The papers are "
                                           "shown empty and cannot be saved.")
                              .arg(roster.file(), store::describe(status)),
                          title());
    }
    const int papers = reader.paperCount();
    for (int r = 1; r <= papers; ++r) {
        PaperRow row;
        row.name = reader.paperName(r);
        row.allowToTest = reader.snapshot().value(u"TestName", row.name, zero);
        // One read of each paper file; a name that cannot be a path reads as a missing file.
        row.settings = store::PaperFile(m_root.paperFile(row.name)).readPaperSettings();
        m_table.append(std::move(row));
    }
    select(count() > 0 ? 1 : 0);
}

void PaperList::select(int row)
{
    m_selected = row >= 1 && row <= count() ? row : 0;
    show();
}

void PaperList::show()
{
    m_panel = PaperPanel{};
    if (!hasSelection()) {
        m_currentPaperName.clear();
        return;
    }
    const PaperRow &row = m_table.row(m_selected);
    m_currentPaperName = row.name.trimmed();
    m_panel.enabled = true;
    for (PaperColumn column :
         {PaperColumn::TestTime, PaperColumn::FullMark, PaperColumn::QuestionCount,
          PaperColumn::Author, PaperColumn::Mark, PaperColumn::AGrade, PaperColumn::BGrade,
          PaperColumn::CGrade, PaperColumn::DGrade, PaperColumn::AboutTest})
        m_panel.setField(column, row.column(column));
    // A stored password ticks its box; the row keeps that password, not the default.
    for (PaperColumn column : {PaperColumn::RetestPassword, PaperColumn::ReloginPassword}) {
        const QString password = row.column(column);
        m_panel.setTicked(column, !password.isEmpty());
        m_panel.setField(column, password);
    }
    // Only a flag of exactly 1 ticks its box; a hand-edited "2" stays in the row until
    // the teacher clicks the box.
    for (PaperColumn column : {PaperColumn::ExerciseMode, PaperColumn::DisplayScore,
                               PaperColumn::ChangeQuestionSort, PaperColumn::AllowToTest})
        m_panel.setTicked(column, store::numericValue(row.column(column)) == 1.0);
}

QString PaperList::editNumber(PaperColumn column, const QString &typed)
{
    const QString text = numberText(typed);
    if (hasSelection() && isNumberColumn(column)) {
        m_table.setColumn(m_selected, column, text);
        m_panel.setField(column, text);
    }
    return text;
}

void PaperList::editAuthor(const QString &typed)
{
    if (!hasSelection())
        return;
    const QString text = readable(typed);
    m_table.setColumn(m_selected, PaperColumn::Author, text.trimmed());
    m_panel.setField(PaperColumn::Author, text);
}

QString PaperList::leaveAuthor()
{
    if (!hasSelection())
        return {};
    const QString text = m_table.row(m_selected).column(PaperColumn::Author);
    m_panel.setField(PaperColumn::Author, text);
    return text;
}

QString PaperList::editAboutTest(const QString &typed)
{
    const QString text = readable(store::ProfileBatch::cleanValue(typed));
    if (hasSelection()) {
        m_table.setColumn(m_selected, PaperColumn::AboutTest, text.trimmed());
        m_panel.setField(PaperColumn::AboutTest, text);
    }
    return text;
}

void PaperList::editPassword(PaperColumn column, const QString &typed)
{
    if (!hasSelection() || !isPasswordColumn(column))
        return;
    m_table.setColumn(m_selected, column, readable(typed));
    m_panel.setField(column, readable(typed));
}

void PaperList::tickPassword(PaperColumn column, bool on)
{
    if (!hasSelection() || !isPasswordColumn(column))
        return;
    const QString fallback =
        column == PaperColumn::RetestPassword ? QStringLiteral("468") : QStringLiteral("579");
    const QString password = on ? fallback : QString();
    m_table.setColumn(m_selected, column, password);
    m_panel.setField(column, password);
    m_panel.setTicked(column, on);
}

void PaperList::tickFlag(PaperColumn column, bool on)
{
    if (!hasSelection() || !isFlagColumn(column))
        return;
    m_table.setColumn(m_selected, column, on ? QStringLiteral("1") : zero);
    m_panel.setTicked(column, on);
}

bool PaperList::refuseName(const QString &name)
{
    if (const int same = m_table.find(name, Qt::CaseInsensitive)) {
        // The folders and the roster's keys ignore letter case: the two papers would
        // share documents, results and flags.
        m_prompts.message(QCoreApplication::translate(
                              "PaperList", "The paper name \"%1\" differs from the paper \"%2\" "
                                           "only in letter case, which the folders cannot tell "
                                           "apart. Please input another name!")
                              .arg(name, m_table.row(same).name.trimmed()),
                          title());
        return true;
    }
    const store::NameCheck check = store::checkName(name, store::NameKind::Paper);
    if (!check.ok()) {
        m_prompts.message(
            check.reason + QCoreApplication::translate("PaperList", " Please input another name!"),
            title());
        return true;
    }
    if (count() >= maxPapers) {
        m_prompts.message(
            QCoreApplication::translate("PaperList", "There cannot be more than %1 papers.")
                .arg(maxPapers),
            title());
        return true;
    }
    return false;
}

bool PaperList::agreeToLeftovers(const QString &name, const QString &when,
                                 PaperFolders::Which which)
{
    // The teacher has said the files of that paper may go already.
    if (isPendingDelete(name))
        return true;
    const PaperFolders folders(m_root);
    PaperFolders::Leftovers left = folders.leftovers(name);
    if (which == PaperFolders::Which::ResultsOnly)
        left.paperFiles = 0;
    if (!left.any())
        return true;
    return m_prompts.question(
        QCoreApplication::translate(
            "PaperList", "The folders of an earlier paper named \"%1\" are still on disk and hold "
                         "%2 result files (%3) and %4 paper files (%5). They will be deleted %6. "
                         "Go on?")
            .arg(name, QString::number(left.results), folders.resultFolder(name),
                 QString::number(left.paperFiles), folders.paperFolder(name), when),
        title());
}

bool PaperList::createPaper()
{
    const std::optional<QString> answer = m_prompts.input(
        QCoreApplication::translate("PaperList", "Please input the name of new paper "),
        QCoreApplication::translate("PaperList", "Input paper name"));
    const QString name = answer.value_or(QString()).trimmed();
    if (!name.isEmpty()) {
        if (m_table.find(name, Qt::CaseSensitive)) {
            m_prompts.message(QCoreApplication::translate(
                                  "PaperList", "The papername already exists,input another name!"),
                              title());
            return false;
        }
        if (refuseName(name) || !agreeToLeftovers(name, QCoreApplication::translate(
                                                            "PaperList", "when the list is saved")))
            return false;
        m_table.append(PaperRow::forNewPaper(name));
        m_pendingCreates.append(name);
    }
    select(count());
    return !name.isEmpty();
}

bool PaperList::deletePaper()
{
    if (!hasSelection())
        return false;
    if (count() == 1) {
        m_prompts.message(
            QCoreApplication::translate("PaperList", "Not allow to delete the paper!"), title());
        return false;
    }
    if (!m_prompts.confirm(QCoreApplication::translate(
                               "PaperList", "Will you delete all data of the present paper?"),
                           title()))
        return false;
    const QString name = m_table.row(m_selected).name.trimmed();
    // A paper created since the last commit has nothing of its own on disk yet: it is
    // dropped, and folders that were there before it stay as they are.
    if (const qsizetype created = m_pendingCreates.indexOf(name); created >= 0)
        m_pendingCreates.removeAt(created);
    else
        m_pendingDeletes.append(name);
    m_table.removeRow(m_selected);
    select(1);
    m_prompts.message(
        QCoreApplication::translate("PaperList", "The present paper had been deleted!"), title());
    return true;
}

void PaperList::moveUp()
{
    if (!hasSelection() || m_selected == 1)
        return;
    m_table.swapRows(m_selected - 1, m_selected);
    select(m_selected - 1);
}

void PaperList::moveDown()
{
    if (!hasSelection() || m_selected == count())
        return;
    m_table.swapRows(m_selected, m_selected + 1);
    select(m_selected + 1);
}

void PaperList::stopped(const QString &what)
{
    m_prompts.message(what + QCoreApplication::translate(
                                 "PaperList", " Saving stopped there; what is not saved yet stays "
                                              "in this window."),
                      title());
}

bool PaperList::commitPaperList()
{
    if (!canSave()) {
        m_prompts.message(QCoreApplication::translate(
                              "PaperList", "The paper list was not saved, because the roster could "
                                           "not be read when this window opened."),
                          title());
        return false;
    }
    const PaperFolders folders(m_root);
    while (!m_pendingDeletes.isEmpty()) {
        const QString name = m_pendingDeletes.constFirst();
        // A listed paper of that name (created again, or input since) owns the folders
        // now: a new one has them emptied below, an input one keeps its files.
        if (!m_table.find(name, Qt::CaseInsensitive)) {
            const store::FolderOutcome outcome = folders.remove(name);
            if (!outcome.ok()) {
                stopped(QCoreApplication::translate("PaperList",
                                                    "The paper \"%1\" could not be deleted. %2")
                            .arg(name, outcome.describe()));
                return false;
            }
        }
        m_pendingDeletes.removeFirst();
    }
    while (!m_pendingCreates.isEmpty()) {
        const QString name = m_pendingCreates.constFirst();
        const store::FolderOutcome outcome = folders.prepare(name);
        if (!outcome.ok()) {
            stopped(QCoreApplication::translate(
                        "PaperList", "The folders of the paper \"%1\" could not be made. %2")
                        .arg(name, outcome.describe()));
            return false;
        }
        m_pendingCreates.removeFirst();
    }

    QList<store::PaperListEntry> entries;
    entries.reserve(count());
    for (int r = 1; r <= count(); ++r)
        entries.append({m_table.row(r).name, m_table.row(r).allowToTest});
    const store::Roster roster(m_root);
    if (const store::WriteStatus status = roster.writePaperList(entries);
        status != store::WriteStatus::Ok) {
        stopped(store::notSavedMessage(
            status, QCoreApplication::translate("PaperList", "the paper list was not saved")));
        return false;
    }
    for (int r = 1; r <= count(); ++r) {
        const PaperRow &row = m_table.row(r);
        const QString file = m_root.paperFile(row.name);
        // A name no folder can have (from a hand-edited roster) has no settings to keep.
        if (file.isEmpty())
            continue;
        const store::WriteStatus status = store::PaperFile(file).writePaperSettings(row.settings);
        if (status != store::WriteStatus::Ok) {
            stopped(store::notSavedMessage(
                status, QCoreApplication::translate(
                            "PaperList", "the settings of the paper \"%1\" were not saved (%2)")
                            .arg(row.name.trimmed(), file)));
            return false;
        }
    }
    return true;
}

bool PaperList::beginEdit()
{
    if (!commitPaperList() || !hasSelection())
        return false;
    m_currentPaperName = m_table.row(m_selected).name.trimmed();
    return true;
}

void PaperList::endEdit()
{
    if (!hasSelection())
        return;
    const store::PaperSettings saved =
        store::PaperFile(m_root.paperFile(m_currentPaperName)).readPaperSettings();
    m_table.setColumn(m_selected, PaperColumn::QuestionCount, saved.questionCount);
    m_table.setColumn(m_selected, PaperColumn::FullMark, numberText(saved.fullMark));
    m_table.setColumn(m_selected, PaperColumn::Mark, numberText(saved.mark));
    show();
}

void PaperList::appendInput(PaperRow row)
{
    m_table.append(std::move(row));
    select(count());
}

bool PaperList::isPendingDelete(const QString &name) const
{
    return m_pendingDeletes.contains(name.trimmed(), Qt::CaseInsensitive);
}

} // namespace teacher

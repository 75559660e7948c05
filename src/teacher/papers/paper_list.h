// "Manage paper" without its window: the working copy of the paper list and of every
// paper's settings, the selected paper and what the settings panel shows, the
// editing rules, and the commit that puts it all on disk.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper_folders.h"
#include "paper_table.h"
#include "store/data_root.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>

namespace ui {
class Prompts;
}

namespace teacher {

/// What the settings panel ("Set up test information") shows of the selected row.
struct PaperPanel
{
    bool enabled = false; ///< a paper is selected
    /// The text of a field: test time, author, default mark, full mark, question count,
    /// A to D score, About test, and the two password fields.
    QString field(PaperColumn column) const { return m_fields[std::size_t(column)]; }
    /// Whether a box is ticked: the two password boxes (RetestPassword, ReloginPassword)
    /// and the four flags (ExerciseMode, DisplayScore, ChangeQuestionSort, AllowToTest).
    bool ticked(PaperColumn column) const { return m_ticks[std::size_t(column)]; }

    void setField(PaperColumn column, const QString &text) { m_fields[std::size_t(column)] = text; }
    void setTicked(PaperColumn column, bool on) { m_ticks[std::size_t(column)] = on; }

private:
    std::array<QString, paperColumnCount + 1> m_fields;
    std::array<bool, paperColumnCount + 1> m_ticks{};
};

class PaperList
{
public:
    PaperList(store::DataRoot root, ui::Prompts &prompts);

    /// Reads the roster once and each listed paper's file once, then selects the first
    /// paper. A roster that exists but cannot be read is reported, and the list will
    /// not be saved over it.
    void open();

    const PaperTable &table() const { return m_table; }
    int count() const { return m_table.count(); }
    QStringList names() const { return m_table.names(); }
    const QStringList &pendingCreates() const { return m_pendingCreates; }
    const QStringList &pendingDeletes() const { return m_pendingDeletes; }

    /// The paper the teacher program works on: the selected paper's name, trimmed.
    QString currentPaperName() const { return m_currentPaperName; }

    /// Rows count from 1; 0 means no paper is selected.
    int selected() const { return m_selected; }
    bool hasSelection() const { return m_selected >= 1 && m_selected <= count(); }
    /// Selects a row and shows it. Showing never changes the row.
    void select(int row);
    const PaperPanel &panel() const { return m_panel; }

    /// Test time and the A to D scores: the field becomes the decimal form of the
    /// number it starts with ("12x" -> "12", "4." -> "4", "" -> "0"). Gives that text.
    QString editNumber(PaperColumn column, const QString &typed);
    /// The author as typed; the row keeps it trimmed.
    void editAuthor(const QString &typed);
    /// The author field is left: it shows the trimmed text. Gives that text.
    QString leaveAuthor();
    /// About test: line breaks and other control characters become spaces (the paper
    /// file holds one line per value), and at most 255 characters are kept. Gives the
    /// field's text; the row keeps it trimmed.
    QString editAboutTest(const QString &typed);
    /// A password field, as typed.
    void editPassword(PaperColumn column, const QString &typed);
    /// The teacher ticks or unticks a password box: ticked gives the default password
    /// ("468" for retest, "579" for relogin), unticked none.
    void tickPassword(PaperColumn column, bool on);
    /// The teacher ticks or unticks one of the four flag boxes: "1" or "0".
    void tickFlag(PaperColumn column, bool on);

    /// Asks for a name and appends a new paper with the defaults; the last paper is
    /// selected afterwards unless the name was refused.
    bool createPaper();
    /// Asks, then takes the selected paper off the list; its folders go at the commit.
    bool deletePaper();
    void moveUp();
    void moveDown();

    /// False when the roster could not be read at opening: nothing may be saved over it.
    bool canSave() const { return !m_rosterUnreadable; }
    /// Puts the list on disk, in order: deleted papers' folders, new papers' folders,
    /// the roster's paper list as one write, each paper's settings as one write. Stops at
    /// the first failure with a message naming it; what was not done stays pending.
    bool commitPaperList();

    /// "Edit paper": commits and makes the selected paper the current one. False when
    /// the editor must not open (the commit failed, or there is no paper).
    bool beginEdit();
    /// The editor has closed: re-reads what it writes (question count, full mark,
    /// default mark) and shows the paper again.
    void endEdit();

    /// Appends a paper that "Input paper" has put in place and selects it. It is not
    /// a pending creation: its folders exist and hold its files already.
    void appendInput(PaperRow row);
    /// Whether a paper of this name (in any letter case) is to be deleted at the next
    /// commit, its files with it.
    bool isPendingDelete(const QString &name) const;
    /// Asks before a new paper takes folders that hold files already. True when the
    /// teacher agrees, or there is nothing to ask. `when` completes the sentence
    /// "... will be deleted ___." ("when the list is saved", "now").
    bool agreeToLeftovers(const QString &name, const QString &when,
                          PaperFolders::Which which = PaperFolders::Which::Both);

    /// The most papers the 16-bit count of the roster allows.
    static constexpr int maxPapers = 32767;
    static QString title() { return QCoreApplication::translate("PaperList", "Manage paper"); }

private:
    void show();
    bool refuseName(const QString &name);
    void stopped(const QString &what);

    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    PaperTable m_table;
    QStringList m_pendingCreates;
    QStringList m_pendingDeletes;
    QString m_currentPaperName;
    int m_selected = 0;
    PaperPanel m_panel;
    bool m_rosterUnreadable = false;
};

} // namespace teacher

// "Manage test" without its window: which papers are offered and which classes
// may sit each paper, as a working copy of the roster's flags.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"
#include "store/roster.h"

#include <QCoreApplication>
#include <QString>

namespace ui {
class Prompts;
}

namespace teacher {

class TestRoomTable
{
public:
    TestRoomTable(store::DataRoot root, ui::Prompts &prompts);

    /// ReadTestRoom: papers with their offered flags, classes, and the admission of
    /// every class to every paper (a class without an entry is admitted). No paper is
    /// selected afterwards.
    void readTestRoom();
    /// WriteTestRoom: every offered flag and every admission flag, as "1" or "0".
    /// False, after telling the teacher, when nothing was written.
    bool writeTestRoom();

    int paperCount() const { return int(m_room.papers.size()); }
    int classCount() const { return int(m_room.classes.size()); }
    QString paperName(int row) const;
    QString className(int row) const;
    /// "Yes" or "No".
    QString paperFlag(int row) const;
    /// "Yes" or "No" for the selected paper; empty when no paper is selected.
    QString classFlag(int row) const;

    /// Rows count from 0; -1 means none.
    int selectedPaper() const { return m_paper; }
    int selectedClass() const { return m_class; }
    void selectPaper(int row);
    void selectClass(int row);

    /// Selects the paper and turns its offered flag over.
    void togglePaper(int row);
    /// Selects the class and turns its admission to the selected paper over.
    void toggleClass(int row);
    /// Every class admitted to the selected paper.
    void selectAll();
    /// No class admitted to the selected paper.
    void forbidAll();

    const store::TestRoom &room() const { return m_room; }

    static QString title() { return QCoreApplication::translate("TestRoomTable", "Manage test"); }
    static QString flagText(bool yes);

private:
    bool hasPaper() const { return m_paper >= 0 && m_paper < m_room.papers.size(); }
    void admitAll(bool admitted);

    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    store::TestRoom m_room;
    int m_paper = -1;
    int m_class = -1;
    bool m_readFailed = false;
};

} // namespace teacher

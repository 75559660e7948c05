// "Manage classes" without its window: the working copy of the roster's class list,
// the selected class, the three number boxes and their rules.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"
#include "store/roster.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>
#include <QStringList>
#include <optional>

namespace ui {
class Prompts;
}

namespace teacher {

class ClassTable
{
public:
    ClassTable(store::DataRoot root, ui::Prompts &prompts);

    /// Reads the class list from the roster and selects the first class. A roster that
    /// exists but cannot be read is reported, and the table will not save over it.
    void readClassList();
    /// Writes the class list (count, names in order, their numbers). False, after
    /// telling the teacher, when nothing was written and the window should stay open.
    bool writeClassList();

    int count() const { return int(m_classes.size()); }
    const QList<store::ClassEntry> &classes() const { return m_classes; }
    QStringList names() const;

    /// Rows count from 0; -1 means no class is selected.
    int selected() const { return m_selected; }
    /// Selects a class; the boxes show its name and numbers.
    void select(int row);

    /// What the four boxes show (empty with no class selected).
    QString nameText() const;
    QString countText() const { return m_countText; }
    QString firstText() const { return m_firstText; }
    QString lastText() const { return m_lastText; }

    /// Asks for a name and appends the class with the numbers 0, 0, 0.
    bool create();
    /// Deletes the selected class after asking; `redraw` shows the list without it
    /// before the closing message is read.
    void deleteSelected(const std::function<void()> &redraw = {});
    void moveUp();
    void moveDown();

    /// The count box changed: its text becomes the decimal form of its number, and
    /// the last number grows when the range from first to last would be too short.
    void editCount(const QString &text);
    /// The first box changed: the last number grows when the range would be too short.
    void editFirst(const QString &text);
    /// The last box changed; it is checked only when it loses the focus.
    void editLast(const QString &text);
    enum class LastCheck { Accepted, TooSmall };
    /// The last box lost the focus. A range shorter than the count is refused with a
    /// message and the class's stored last number put back.
    LastCheck leaveLast();

    /// A class whose name is another's followed by digits can share result files with
    /// it ("Class 1" testee 12 and "Class 11" testee 2 both write "Class 112.cho").
    /// Describes the first such pair within the current numbers, if any.
    std::optional<QString> recordFileClash() const;

    static QString title() { return QCoreApplication::translate("ClassTable", "Manage classes"); }

private:
    bool hasSelection() const { return m_selected >= 0 && m_selected < m_classes.size(); }
    void showSelected();

    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    QList<store::ClassEntry> m_classes;
    int m_selected = -1;
    QString m_countText;
    QString m_firstText;
    QString m_lastText;
    bool m_readFailed = false;
};

} // namespace teacher

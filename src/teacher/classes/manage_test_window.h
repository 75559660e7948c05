// The "Manage test" window: papers with their offered flags, and the classes
// admitted to the selected paper, each as a list with a flag column beside it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "test_room_table.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {
class Help;
}

namespace teacher {

class ManageTestWindow : public QDialog
{
    Q_OBJECT

public:
    ManageTestWindow(store::DataRoot root, ui::Prompts &prompts, ui::Help &help,
                     QWidget *parent = nullptr);

    static QString helpPage() { return QStringLiteral("manage-test"); }

    const TestRoomTable &table() const { return m_table; }
    /// Column 0 the names, column 1 the "Yes"/"No" flags.
    QTreeWidget *paperList() const { return m_papers; }
    QTreeWidget *classList() const { return m_classes; }
    QPushButton *button(const QString &objectName) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPapers();
    void showClasses();
    void paperPressed(QTreeWidgetItem *item, int column);
    void classPressed(QTreeWidgetItem *item, int column);

    TestRoomTable m_table;
    QTreeWidget *m_papers;
    QTreeWidget *m_classes;
    bool m_showing = false;
};

} // namespace teacher

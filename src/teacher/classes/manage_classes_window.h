// The "Manage classes" window: draws a ClassTable and passes the teacher's actions to it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "class_table.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui {
class Help;
}

namespace teacher {

class ManageClassesWindow : public QDialog
{
    Q_OBJECT

public:
    ManageClassesWindow(store::DataRoot root, ui::Prompts &prompts, ui::Help &help,
                        QWidget *parent = nullptr);

    static QString helpPage() { return QStringLiteral("manage-classes"); }

    const ClassTable &table() const { return m_table; }
    QListWidget *classList() const { return m_list; }
    QLineEdit *nameBox() const { return m_name; }
    QLineEdit *countBox() const { return m_count; }
    QLineEdit *firstBox() const { return m_first; }
    QLineEdit *lastBox() const { return m_last; }
    QPushButton *button(const QString &objectName) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showList();
    void showBoxes();
    void checkLast();
    void commit();

    ClassTable m_table;
    QListWidget *m_list;
    QLineEdit *m_name;
    QLineEdit *m_count;
    QLineEdit *m_first;
    QLineEdit *m_last;
    QPushButton *m_cancel = nullptr;
    bool m_showing = false;
    bool m_lastRefused = false;
};

} // namespace teacher

// The "Login" window: the teacher's password before the main menu.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher_login.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class Help;
}

namespace teacher {

class LoginWindow : public QDialog
{
    Q_OBJECT

public:
    LoginWindow(store::DataRoot root, ui::Prompts &prompts, ui::Help &help,
                QWidget *parent = nullptr);

    static QString helpPage() { return QStringLiteral("login"); }

    QLineEdit *entry() const { return m_entry; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_helpButton; }

signals:
    /// The right password was typed, or none is needed.
    void passed();
    /// The teacher gave up: the program ends.
    void cancelled();

protected:
    bool event(QEvent *event) override;
    void reject() override;

private:
    void submit();
    void pass();
    void showReason();

    TeacherLogin m_model;
    ui::Help &m_help;
    QLineEdit *m_entry;
    QLabel *m_reason;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_helpButton;
    bool m_done = false;
};

} // namespace teacher

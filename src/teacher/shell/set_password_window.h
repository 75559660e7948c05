// The "SetPassword" window: the old password once, the new one twice.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "password_change.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace ui {
class Help;
}

namespace teacher {

class SetPasswordWindow : public QDialog
{
    Q_OBJECT

public:
    SetPasswordWindow(store::DataRoot root, ui::Prompts &prompts, ui::Help &help,
                      QWidget *parent = nullptr);

    static QString helpPage() { return QStringLiteral("set-password"); }

    QLineEdit *oldEntry() const { return m_old; }
    QLineEdit *newEntry() const { return m_new; }
    QLineEdit *againEntry() const { return m_again; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    void submit();

    PasswordChange m_model;
    QLineEdit *m_old;
    QLineEdit *m_new;
    QLineEdit *m_again;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace teacher

// The small "Enter your password" window: one masked entry, OK and Cancel.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

namespace ui {

/// Makes an entry show "*" for each typed character, as the password boxes of the
/// programs always have (the style's own mask character may be another).
void maskEntry(QLineEdit *entry);

class PasswordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PasswordDialog(const QString &title, QWidget *parent = nullptr);
    /// The typed text, trimmed; empty after Cancel.
    QString password() const;

protected:
    bool event(QEvent *event) override;

private:
    QLineEdit *m_entry;
    bool m_accepted = false;
};

} // namespace ui

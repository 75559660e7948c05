// SPDX-License-Identifier: GPL-3.0-or-later
#include "password_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

void maskEntry(QLineEdit *entry)
{
    entry->setEchoMode(QLineEdit::Password);
    entry->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"
                                        "lineedit-password-mask-delay: 0;"));
}

PasswordDialog::PasswordDialog(const QString &title, QWidget *parent)
    : QDialog(parent)
    , m_entry(new QLineEdit(this))
{
    setObjectName(QStringLiteral("输入密码"));
    setWindowTitle(title);
    setAccessibleName(title);
    m_entry->setObjectName(QStringLiteral("Text1"));
    maskEntry(m_entry);
    m_entry->setAccessibleName(title);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("Cmd_ok"));
    ok->setAccessibleName(tr("OK"));
    ok->setDefault(true);
    cancel->setObjectName(QStringLiteral("Cmd_cancel"));
    cancel->setAccessibleName(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_accepted = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] {
        m_accepted = false;
        reject();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_entry);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

QString PasswordDialog::password() const
{
    return m_accepted ? m_entry->text().trimmed() : QString();
}

bool PasswordDialog::event(QEvent *event)
{
    // Each time the window comes forward it starts with an empty entry.
    if (event->type() == QEvent::WindowActivate) {
        m_entry->clear();
        m_entry->setFocus();
    }
    return QDialog::event(event);
}

} // namespace ui

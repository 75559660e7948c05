// SPDX-License-Identifier: GPL-3.0-or-later
#include "login_window.h"

#include "ui/help.h"
#include "ui/password_dialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace teacher {

LoginWindow::LoginWindow(store::DataRoot root, ui::Prompts &prompts, ui::Help &help,
                         QWidget *parent)
    : QDialog(parent)
    , m_model(std::move(root), prompts)
    , m_help(help)
    , m_entry(new QLineEdit(this))
    , m_reason(new QLabel(this))
    , m_ok(new QPushButton(tr("OK"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
    , m_helpButton(new QPushButton(tr("Help"), this))
{
    setObjectName(QStringLiteral("考务登录"));
    setWindowTitle(tr("Login"));
    setAccessibleName(tr("Login"));
    m_model.refresh();

    const QString prompt = tr("Please Enter Password:");
    auto *label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setBuddy(m_entry);
    m_entry->setObjectName(QStringLiteral("Text1"));
    m_entry->setAccessibleName(prompt);
    ui::maskEntry(m_entry);
    m_entry->setMinimumWidth(240);
    // Why the password cannot be checked, while the roster cannot be read.
    m_reason->setObjectName(QStringLiteral("Lab_reason"));
    m_reason->setWordWrap(true);
    m_reason->setMaximumWidth(320);
    m_reason->hide();

    m_ok->setObjectName(QStringLiteral("Cmd_ok"));
    m_ok->setAccessibleName(tr("OK"));
    m_ok->setToolTip(tr("Login"));
    m_ok->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("Cmd_cancel"));
    m_cancel->setAccessibleName(tr("Cancel"));
    m_cancel->setToolTip(tr("Exit"));
    m_helpButton->setObjectName(QStringLiteral("Cmd_help"));
    m_helpButton->setAccessibleName(tr("Help"));
    m_helpButton->setToolTip(tr("How to login"));
    m_helpButton->setAutoDefault(false);
    m_cancel->setAutoDefault(false);

    connect(m_ok, &QPushButton::clicked, this, &LoginWindow::submit);
    connect(m_cancel, &QPushButton::clicked, this, &LoginWindow::reject);
    connect(m_helpButton, &QPushButton::clicked, this, [this] { m_help.open(helpPage(), this); });
    ui::bindHelpKey(this, m_help, helpPage());

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_helpButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_entry);
    layout->addWidget(m_reason);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

bool LoginWindow::event(QEvent *event)
{
    // The password is read again whenever the window comes forward: one removed
    // meanwhile lets the teacher straight through.
    if (event->type() == QEvent::WindowActivate && !m_done) {
        m_model.refresh();
        showReason();
        if (!m_model.isPasswordSet()) {
            const bool handled = QDialog::event(event);
            pass();
            return handled;
        }
    }
    return QDialog::event(event);
}

void LoginWindow::submit()
{
    if (m_done)
        return;
    const bool right = m_model.submit(m_entry->text(), [this] {
        // Emptied before the message is read, not after it is closed.
        m_entry->clear();
        m_entry->setFocus();
    });
    showReason();
    if (right)
        pass();
}

void LoginWindow::showReason()
{
    const QString reason = m_model.reason();
    m_reason->setText(reason);
    m_reason->setAccessibleName(reason);
    m_reason->setVisible(!reason.isEmpty());
    setFixedSize(sizeHint());
}

void LoginWindow::pass()
{
    if (m_done)
        return;
    m_done = true;
    emit passed();
}

void LoginWindow::reject()
{
    if (!m_done) {
        m_done = true;
        emit cancelled();
    }
    QDialog::reject();
}

} // namespace teacher

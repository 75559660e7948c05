// SPDX-License-Identifier: GPL-3.0-or-later
#include "set_password_window.h"

#include "ui/help.h"
#include "ui/password_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace teacher {

namespace {

QLineEdit *maskedEntry(const QString &name, const QString &label, QWidget *parent)
{
    auto *entry = new QLineEdit(parent);
    entry->setObjectName(name);
    entry->setAccessibleName(label);
    ui::maskEntry(entry);
    entry->setMinimumWidth(200);
    return entry;
}

void addRow(QFormLayout *form, const QString &label, QLineEdit *entry)
{
    auto *caption = new QLabel(label);
    caption->setBuddy(entry);
    form->addRow(caption, entry);
}

} // namespace

SetPasswordWindow::SetPasswordWindow(store::DataRoot root, ui::Prompts &prompts, ui::Help &help,
                                     QWidget *parent)
    : QDialog(parent)
    , m_model(std::move(root), prompts)
    , m_old(maskedEntry(QStringLiteral("Text1"), tr("Input old password:"), this))
    , m_new(maskedEntry(QStringLiteral("Text2"), tr("Input new password:"), this))
    , m_again(maskedEntry(QStringLiteral("Text3"), tr("Input again:"), this))
    , m_ok(new QPushButton(tr("OK"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("设置密码"));
    setWindowTitle(tr("SetPassword"));
    setAccessibleName(tr("SetPassword"));
    m_model.load();

    auto *oldFrame = new QGroupBox(this);
    oldFrame->setObjectName(QStringLiteral("Frame1"));
    auto *oldForm = new QFormLayout(oldFrame);
    addRow(oldForm, m_old->accessibleName(), m_old);
    auto *newFrame = new QGroupBox(this);
    newFrame->setObjectName(QStringLiteral("Frame2"));
    auto *newForm = new QFormLayout(newFrame);
    addRow(newForm, m_new->accessibleName(), m_new);
    addRow(newForm, m_again->accessibleName(), m_again);

    m_ok->setObjectName(QStringLiteral("Cmd_ok"));
    m_ok->setAccessibleName(tr("OK"));
    m_ok->setToolTip(tr("Save and return to main menu"));
    m_ok->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("Cmd_cancel"));
    m_cancel->setAccessibleName(tr("Cancel"));
    m_cancel->setToolTip(tr("Return to main menu"));
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &SetPasswordWindow::submit);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    ui::bindHelpKey(this, help, helpPage());

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(oldFrame);
    layout->addWidget(newFrame);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void SetPasswordWindow::submit()
{
    // The entries are emptied before the message shows, not after it is closed.
    const auto empty = [this](PasswordChange::Outcome outcome) {
        switch (outcome) {
        case PasswordChange::Outcome::WrongOld:
            m_old->clear();
            m_old->setFocus();
            break;
        case PasswordChange::Outcome::Mismatch:
        case PasswordChange::Outcome::Refused:
            m_new->clear();
            m_again->clear();
            m_new->setFocus();
            break;
        case PasswordChange::Outcome::NotSaved:
        case PasswordChange::Outcome::Saved:
            break;
        }
    };
    if (m_model.submit(m_old->text(), m_new->text(), m_again->text(), empty) ==
        PasswordChange::Outcome::Saved)
        accept();
}

} // namespace teacher

// SPDX-License-Identifier: GPL-3.0-or-later
#include "password_change.h"

#include <QCoreApplication>

#include "shell_texts.h"
#include "store/roster.h"
#include "ui/prompts.h"

namespace teacher {

PasswordChange::PasswordChange(store::DataRoot root, ui::Prompts &prompts)
    : m_root(std::move(root))
    , m_prompts(prompts)
{}

void PasswordChange::load()
{
    m_kept = store::Roster(m_root).read().teacherPassword().trimmed();
}

PasswordChange::Outcome PasswordChange::submit(const QString &oldPassword,
                                               const QString &newPassword, const QString &again,
                                               const std::function<void(Outcome)> &beforeMessage)
{
    auto refuse = [&beforeMessage](Outcome outcome) {
        if (beforeMessage)
            beforeMessage(outcome);
        return outcome;
    };
    if (oldPassword.trimmed() != m_kept) {
        refuse(Outcome::WrongOld);
        m_prompts.message(texts::incorrect());
        return Outcome::WrongOld;
    }
    const QString chosen = newPassword.trimmed();
    if (chosen != again.trimmed()) {
        refuse(Outcome::Mismatch);
        m_prompts.message(texts::incorrect());
        return Outcome::Mismatch;
    }
    if (chosen.size() > maxLength) {
        refuse(Outcome::Refused);
        m_prompts.message(QCoreApplication::translate(
                              "PasswordChange", "The new password is longer than %1 characters. "
                                                "Please choose a shorter one.")
                              .arg(maxLength),
                          QCoreApplication::translate("PasswordChange", "SetPassword"));
        return Outcome::Refused;
    }
    for (QChar c : chosen) {
        // The file would keep a space instead, and the password would never match again.
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            refuse(Outcome::Refused);
            m_prompts.message(QCoreApplication::translate(
                                  "PasswordChange", "The new password holds a control character. "
                                                    "Please choose another one."),
                              QCoreApplication::translate("PasswordChange", "SetPassword"));
            return Outcome::Refused;
        }
    }
    const store::WriteStatus status = store::Roster(m_root).writeTeacherPassword(chosen);
    if (status != store::WriteStatus::Ok) {
        refuse(Outcome::NotSaved);
        m_prompts.message(
            store::notSavedMessage(status, QCoreApplication::translate(
                                               "PasswordChange", "the new password was not saved")),
            QCoreApplication::translate("PasswordChange", "SetPassword"));
        return Outcome::NotSaved;
    }
    m_kept = chosen;
    return Outcome::Saved;
}

} // namespace teacher

// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_login.h"

#include "shell_texts.h"
#include "store/roster.h"
#include "ui/prompts.h"

#include <QCoreApplication>
#include <QDir>

namespace teacher {

TeacherLogin::TeacherLogin(store::DataRoot root, ui::Prompts &prompts)
    : m_root(std::move(root))
    , m_prompts(prompts)
{}

void TeacherLogin::refresh()
{
    const store::RosterReader roster = store::Roster(m_root).read();
    m_status = roster.snapshot().status();
    m_password = roster.teacherPassword().trimmed();
}

QString TeacherLogin::reason() const
{
    if (!isUnreadable())
        return {};
    return QCoreApplication::translate("TeacherLogin", "The password cannot be checked: %1 (%2).")
        .arg(store::describe(m_status), QDir::toNativeSeparators(store::Roster(m_root).file()));
}

bool TeacherLogin::submit(const QString &typed, const std::function<void()> &beforeMessage)
{
    if (isUnreadable()) {
        refresh();
        if (!isPasswordSet())
            return true;
    }
    if (!isUnreadable() && typed.trimmed() == m_password)
        return true;
    if (beforeMessage)
        beforeMessage();
    m_prompts.message(isUnreadable() ? reason() : texts::incorrect());
    return false;
}

} // namespace teacher

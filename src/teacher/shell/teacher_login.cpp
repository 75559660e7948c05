// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_login.h"

#include "shell_texts.h"
#include "store/roster.h"
#include "ui/prompts.h"

namespace teacher {

TeacherLogin::TeacherLogin(store::DataRoot root, ui::Prompts &prompts)
    : m_root(std::move(root))
    , m_prompts(prompts)
{
}

void TeacherLogin::refresh()
{
    m_password = store::Roster(m_root).read().teacherPassword().trimmed();
}

bool TeacherLogin::submit(const QString &typed)
{
    if (typed.trimmed() == m_password)
        return true;
    m_prompts.message(texts::incorrect);
    return false;
}

} // namespace teacher

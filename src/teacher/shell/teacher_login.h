// What the "Login" window decides: whether a password is needed and whether one is right.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QString>

namespace ui {
class Prompts;
}

namespace teacher {

class TeacherLogin
{
public:
    TeacherLogin(store::DataRoot root, ui::Prompts &prompts);

    /// Reads the stored password again (each time the login window comes forward).
    void refresh();
    /// False when no password is stored: the teacher goes straight to the menu.
    bool isPasswordSet() const { return !m_password.isEmpty(); }

    /// Whether the typed password, trimmed, is the one read last, letter case counting.
    /// A wrong one is told with "Incorrect!Please enter again!".
    bool submit(const QString &typed);

private:
    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    QString m_password;
};

} // namespace teacher

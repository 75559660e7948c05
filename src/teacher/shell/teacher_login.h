// What the "Login" window decides: whether a password is needed and whether one is right.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"
#include "store/status.h"

#include <QString>
#include <functional>

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
    /// False when no password is stored (no roster, no section, no key, or an empty
    /// value): the teacher goes straight to the menu. A roster that exists but cannot
    /// be read (too large, an error on the share) may hold one: the login stays.
    bool isPasswordSet() const { return !m_password.isEmpty() || isUnreadable(); }
    /// The roster exists but could not be read; reason() says why.
    bool isUnreadable() const
    {
        return m_status != store::ReadStatus::Ok && m_status != store::ReadStatus::Missing;
    }
    /// Why the password cannot be checked, for the window to show; empty when it can.
    QString reason() const;

    /// Whether the typed password, trimmed, is the one read last, letter case counting.
    /// A wrong one is told with "Incorrect!Please enter again!" after `beforeMessage`
    /// (the window empties its entry first). While the roster cannot be read the
    /// password is read again, and the reason is told instead.
    bool submit(const QString &typed, const std::function<void()> &beforeMessage = {});

private:
    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    QString m_password;
    store::ReadStatus m_status = store::ReadStatus::Missing;
};

} // namespace teacher

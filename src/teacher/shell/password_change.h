// What the "SetPassword" window does with its three entries.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QString>
#include <functional>

namespace ui {
class Prompts;
}

namespace teacher {

class PasswordChange
{
public:
    enum class Outcome {
        WrongOld, ///< the old password is not the stored one: empty the old entry
        Mismatch, ///< the two new entries differ: empty both
        Refused,  ///< the new password cannot be kept (too long): empty both
        NotSaved, ///< the roster could not be written: keep everything, stay open
        Saved,    ///< written: close
    };

    PasswordChange(store::DataRoot root, ui::Prompts &prompts);

    /// Reads the stored password once; it is kept while the window is open.
    void load();

    /// Checks the entries in order and writes the new password, trimmed. Every
    /// outcome but Saved has told the teacher why, after `beforeMessage` (with the
    /// outcome) let the window empty the entries that the outcome names.
    Outcome submit(const QString &oldPassword, const QString &newPassword, const QString &again,
                   const std::function<void(Outcome)> &beforeMessage = {});

    /// A longer password would be cut when read back and never match again.
    static constexpr qsizetype maxLength = 255;

private:
    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    QString m_kept;
};

} // namespace teacher

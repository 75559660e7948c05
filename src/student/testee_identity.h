// Who sits the test: what admission hands to the exam engine.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace student {

/// Every text trimmed. The number is the decimal text without leading zeros.
struct TesteeIdentity
{
    QString paper;
    QString className;
    QString number;
    QString firstName;
    QString lastName;
    /// Set only when admission took the relogin path: the attempt continues from
    /// its last autosave instead of starting anew.
    bool resume = false;

    bool operator==(const TesteeIdentity &) const = default;
};

} // namespace student

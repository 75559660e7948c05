// One copy of a program per user on a computer.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace ui {

/// Holds a lock in the user's runtime folder for as long as it lives. A copy that
/// crashed leaves no lock behind that counts: the lock names a process that is gone.
class SingleInstance
{
public:
    /// programName: "student" or "teacher".
    explicit SingleInstance(const QString &programName);
    /// False when another copy holds the lock.
    bool acquire();
    QString lockPath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace ui

// An exclusive lock beside a file, held by the kernel so that a program that
// dies while holding it cannot leave it behind.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace store {

/// Locks "<file>.lock" with an open-file-description record lock. The lock file
/// exists only while the lock is held: the holder removes it before letting go,
/// and a waiter that wakes up holding a file no longer at the path starts over.
class FileLock
{
public:
    explicit FileLock(QString lockPath);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    enum class Outcome {
        Locked,
        Busy,        ///< another holder kept it for the whole wait
        Unsupported, ///< the file system has no record locks; nothing is held
        Error,
    };
    /// Waits up to timeoutMs for the lock.
    Outcome acquire(int timeoutMs);
    void release();
    bool isLocked() const { return m_fd >= 0; }

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace store

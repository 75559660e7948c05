// An exclusive lock beside a file, held by the kernel so that a program that
// dies while holding it cannot leave it behind.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace store {

/// Locks "<file>.lock" with an open-file-description record lock.
///
/// The lock file is made once and then stays: what excludes is the kernel's
/// record lock on it, not whether the file is there. Removing it after every
/// write would make each writer race the next one for the name, and on a share
/// a name that another computer has just removed can still be listed, so that
/// the open fails although nothing is wrong.
///
/// Before the lock beside the file, a writer takes a lock on this computer
/// (one of a few lock files in a local folder, chosen by the file's path). The
/// kernel then orders the writers of one computer even on a share that forwards
/// record locks under its own name, which makes all its clients one owner. Such a
/// share also lets go of every lock on a file when any of its clients closes that
/// file, so on a FUSE share a program keeps its lock files open between writes (a
/// few at a time) and closes them when it ends, or when closeKept asks.
class FileLock
{
public:
    /// What the lock is held for. A write holds it for a moment and takes the local
    /// lock first; a claim (a folder that one program owns while it runs) is held for a
    /// long time and takes none, since it would hold up the writes of every file that
    /// shares its local lock.
    enum class Purpose { Write, Claim };

    explicit FileLock(QString lockPath, Purpose purpose = Purpose::Write);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    enum class Outcome {
        Locked,
        Busy,        ///< nobody got a turn for the whole wait: a holder is stuck
        Unsupported, ///< the file system has no record locks; nothing is held beside the file
        Error,
    };
    /// Waits for the lock. Gives up when the file it guards (the lock's path without
    /// ".lock") has not changed for timeoutMs, so that a queue of writers that take
    /// their turns one after another never gives up, but a stuck holder does; and
    /// after two minutes in all.
    Outcome acquire(int timeoutMs);
    void release();
    bool isLocked() const { return m_fd >= 0; }

    /// Whether a file name is that of a profile file's lock ("A17.cho.lock" in any letter
    /// case): the store's own bookkeeping, no part of a paper or a result.
    static bool isLockFileName(QStringView name);

    /// Closes the lock files kept open below a folder, before the folder is removed
    /// (a share may refuse to remove a folder in which a file is open).
    static void closeKept(const QString &folder);

    /// The folder of the local locks: $XDG_RUNTIME_DIR/quorin-locks, else a folder of
    /// this user under the temporary folder. Empty when neither can be made.
    static QString localFolder();

private:
    QString m_path;
    Purpose m_purpose;
    int m_fd = -1;
    int m_localFd = -1;
    bool m_perDescription = true; ///< how m_fd is locked: per open file description or per process
};

} // namespace store

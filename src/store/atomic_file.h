// The one way the programs write a file: complete and in place, or refused with the
// old bytes kept.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "status.h"

#include <QByteArrayView>
#include <QString>

namespace store {

/// What a write did, and when it failed, why and where.
struct WriteOutcome
{
    WriteStatus status = WriteStatus::Ok;
    int error = 0; ///< the system's error number, when it gave one
    QString path;  ///< the file that failed
    QString note;  ///< a reason of the program's own, where the system gave none

    bool ok() const { return status == WriteStatus::Ok; }
    /// The system's words for the failure ("No space left on device"), or empty.
    QString reason() const;
};

/// Writes a file beside its target under a temporary name (NAME.XXXXXX, six letters
/// and digits), with checked writes, syncs it, checks its close and only then renames
/// it over the target. On any failure the temporary file goes and the
/// target keeps its old bytes; the outcome names the reason (a full disk or quota, a
/// share that failed, no permission). Plain POSIX calls, unbuffered: no error can hide
/// in a buffer that a library flushes later.
class AtomicFile
{
public:
    /// Whether an existing target is replaced.
    enum class Replace {
        Existing, ///< the new file takes the target's place
        Never,    ///< a target that exists is kept and the write fails (WriteStatus::Exists)
    };

    explicit AtomicFile(QString target, Replace replace = Replace::Existing);
    ~AtomicFile(); ///< cancels a write that was not committed
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    /// Makes the temporary file, with the target's permissions when it exists.
    WriteOutcome open();
    /// Appends bytes; every byte is written or the outcome says why not.
    WriteOutcome write(QByteArrayView bytes);
    /// Starts writing what was written so far to the disk without waiting, so that the
    /// syncs of a group of files overlap.
    void startWriting();
    /// Syncs the data, closes and renames. After a failure nothing is left of the write.
    /// The folder's new entry reaches the disk with the file system's next commit; a
    /// caller whose next step relies on it calls syncFolder().
    WriteOutcome commit();
    /// Removes the temporary file; the target stays as it was.
    void cancel();

    const QString &target() const { return m_target; }

    /// The whole of `bytes` as the file `target`, in one step.
    static WriteOutcome write(const QString &target, QByteArrayView bytes,
                              Replace replace = Replace::Existing);
    /// A copy of the regular file `source` (at most `maxSize` bytes) as `target`.
    static WriteOutcome copy(const QString &source, const QString &target,
                             qint64 maxSize = defaultMaxCopySize);
    /// Flushes a folder's entries (the renames into it) to the disk, where it can.
    static void syncFolder(const QString &folder);

    static constexpr qint64 defaultMaxCopySize = qint64(1) << 30;

private:
    WriteOutcome fail(int error, const QString &path = {});

    QString m_target;
    QString m_temporary;
    Replace m_replace;
    int m_fd = -1;
    int m_error = 0; ///< the first failure; later calls repeat it
};

/// The status that a system error number stands for.
WriteStatus statusOfError(int error);

} // namespace store

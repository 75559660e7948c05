// What the last refresh read, so that the next one opens only the files that changed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/profile_snapshot.h"

#include <QHash>
#include <QMutex>
#include <QString>
#include <memory>
#include <optional>

namespace results {

struct TesteeRecord;

/// How a file looked when it was listed: a writer that replaces it (or writes it in
/// place) changes its identity, its size or its modification time.
struct FileStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    bool operator==(const FileStamp &) const = default;

    /// The stamp of an existing regular file, from one stat that asks the server.
    static std::optional<FileStamp> of(const QString &path);
};

/// The parsed files of the last refresh of a results view, by path and stamp.
/// A refresh of a class asks it first and reads a file only when the file's stamp
/// changed; the figures come out exactly as from reading every file.
///
/// A file modified less than `settleSeconds` before it was read may still change
/// within the same tick of a coarse clock (some shares keep two seconds), so it is
/// not kept and is read again next time. Safe to use from the loader's threads.
class RecordCache
{
public:
    static constexpr int settleSeconds = 2;

    /// A record read before from a file that still has this stamp.
    std::optional<TesteeRecord> record(const QString &path, const FileStamp &stamp,
                                       const QString &className, int number, int questionCount);
    void keepRecord(const QString &path, const FileStamp &stamp, const QString &className,
                    int number, int questionCount, const TesteeRecord &record);

    /// A profile file (the roster, the paper file) read before with this stamp.
    std::optional<store::ProfileSnapshot> snapshot(const QString &path, const FileStamp &stamp);
    void keepSnapshot(const QString &path, const FileStamp &stamp,
                      const store::ProfileSnapshot &snapshot);

    /// Forgets the records of files not seen since the last call (deleted or of
    /// another class), so that the cache holds one refresh.
    void endRefresh();

private:
    struct Kept;
    bool settled(const FileStamp &stamp) const;

    QMutex m_mutex;
    QHash<QString, std::shared_ptr<const Kept>> m_kept;
    QHash<QString, std::shared_ptr<const Kept>> m_seen;
};

} // namespace results

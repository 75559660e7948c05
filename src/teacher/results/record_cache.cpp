// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_cache.h"

#include "results_reader.h"

#include <QDateTime>
#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace results {

struct RecordCache::Kept
{
    FileStamp stamp;
    QString className;
    int number = 0;
    int questionCount = 0;
    std::optional<TesteeRecord> record;
    std::optional<store::ProfileSnapshot> snapshot;
};

std::optional<FileStamp> FileStamp::of(const QString &path)
{
    // As the server has it now: a share's client may answer from attributes it
    // cached a while ago, and the change would show a refresh or two late.
    struct statx info = {};
    if (path.isEmpty() ||
        ::statx(AT_FDCWD, QFile::encodeName(path).constData(), AT_STATX_FORCE_SYNC,
                STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_INO, &info) != 0 ||
        !S_ISREG(info.stx_mode))
        return std::nullopt;
    return FileStamp{quint64(makedev(info.stx_dev_major, info.stx_dev_minor)),
                     quint64(info.stx_ino), qint64(info.stx_size),
                     qint64(info.stx_mtime.tv_sec) * 1000000000 + info.stx_mtime.tv_nsec};
}

bool RecordCache::settled(const FileStamp &stamp) const
{
    const qint64 nowNs = QDateTime::currentMSecsSinceEpoch() * 1000000;
    return nowNs - stamp.modifiedNs > qint64(settleSeconds) * 1000000000;
}

std::optional<TesteeRecord> RecordCache::record(const QString &path, const FileStamp &stamp,
                                                const QString &className, int number,
                                                int questionCount)
{
    QMutexLocker locker(&m_mutex);
    auto kept = m_seen.value(path);
    if (!kept)
        kept = m_kept.value(path);
    if (!kept || !kept->record || kept->stamp != stamp || kept->className != className ||
        kept->number != number || kept->questionCount != questionCount)
        return std::nullopt;
    m_seen.insert(path, kept);
    return kept->record;
}

void RecordCache::keepRecord(const QString &path, const FileStamp &stamp, const QString &className,
                             int number, int questionCount, const TesteeRecord &record)
{
    if (!settled(stamp))
        return;
    auto kept = std::make_shared<Kept>();
    kept->stamp = stamp;
    kept->className = className;
    kept->number = number;
    kept->questionCount = questionCount;
    kept->record = record;
    QMutexLocker locker(&m_mutex);
    m_seen.insert(path, std::move(kept));
}

std::optional<store::ProfileSnapshot> RecordCache::snapshot(const QString &path,
                                                            const FileStamp &stamp)
{
    QMutexLocker locker(&m_mutex);
    auto kept = m_seen.value(path);
    if (!kept)
        kept = m_kept.value(path);
    if (!kept || !kept->snapshot || kept->stamp != stamp)
        return std::nullopt;
    m_seen.insert(path, kept);
    return kept->snapshot;
}

void RecordCache::keepSnapshot(const QString &path, const FileStamp &stamp,
                               const store::ProfileSnapshot &snapshot)
{
    if (!settled(stamp))
        return;
    auto kept = std::make_shared<Kept>();
    kept->stamp = stamp;
    kept->snapshot = snapshot;
    QMutexLocker locker(&m_mutex);
    m_seen.insert(path, std::move(kept));
}

void RecordCache::endRefresh()
{
    QMutexLocker locker(&m_mutex);
    m_kept = std::move(m_seen);
    m_seen.clear();
}

} // namespace results

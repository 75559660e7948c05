// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_cache.h"

#include "results_reader.h"

#include <QDateTime>
#include <QFile>
#include <sys/stat.h>

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
    struct stat info
    {
    };
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0 ||
        !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                     qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_file.h"

#include "file_lock.h"
#include "profile_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>
#include <cerrno>

namespace store {

namespace {

// How long a write waits for another program's write to finish.
constexpr int lockWaitMs = 10000;
constexpr int attempts = 5;

bool isTransient(int error)
{
    return error == EACCES || error == EBUSY || error == ESTALE || error == EAGAIN
           || error == EINTR || error == EIO;
}

void pause(int attempt)
{
    QThread::msleep(20UL << attempt);
}

struct FileBytes
{
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;
};

FileBytes readBytes(const QString &path)
{
    for (int attempt = 0;; ++attempt) {
        QFile file(path);
        errno = 0;
        if (file.open(QIODevice::ReadOnly)) {
            ++IoCounters::opens;
            if (file.size() > ProfileFile::maxFileSize)
                return {ReadStatus::TooLarge, {}};
            // Ask for what the file holds, not for the limit: a buffer of the limit's size
            // would be allocated (and paged in) for every small file read. A file that
            // grew since is read on in pieces, up to the limit.
            QByteArray bytes = file.read(file.size() + 1);
            while (bytes.size() <= ProfileFile::maxFileSize && !file.atEnd()) {
                const QByteArray more = file.read(
                    qMin<qint64>(64 * 1024, ProfileFile::maxFileSize + 1 - bytes.size()));
                if (more.isEmpty())
                    break;
                bytes += more;
            }
            if (bytes.size() > ProfileFile::maxFileSize)
                return {ReadStatus::TooLarge, {}};
            if (file.error() == QFileDevice::NoError)
                return {ReadStatus::Ok, std::move(bytes)};
        } else if (file.error() == QFileDevice::OpenError && !QFileInfo::exists(path)) {
            return {ReadStatus::Missing, {}};
        }
        if (!isTransient(errno) || attempt + 1 >= attempts)
            return {ReadStatus::Error, {}};
        pause(attempt);
    }
}

enum class Change { None, Rewrite, Remove };

// Locks the file, reads it inside the lock (so whatever another program wrote
// before is kept), lets `edit` change the document and puts the result in place
// by one rename, or removes the file.
template<typename Edit>
WriteStatus rewrite(const QString &path, Edit edit)
{
    FileLock lock(path + QStringLiteral(".lock"));
    switch (lock.acquire(lockWaitMs)) {
    case FileLock::Outcome::Locked:
    case FileLock::Outcome::Unsupported:
        break;
    case FileLock::Outcome::Busy:
        return WriteStatus::Busy;
    case FileLock::Outcome::Error:
        return QFileInfo(path).dir().exists() ? WriteStatus::Error : WriteStatus::FolderMissing;
    }
    ++IoCounters::locks;

    FileBytes current = readBytes(path);
    if (current.status == ReadStatus::TooLarge)
        return WriteStatus::TooLarge;
    if (current.status == ReadStatus::Error)
        return WriteStatus::Error;

    ProfileDocument document = ProfileDocument::fromBytes(current.bytes);
    switch (edit(document, current.status)) {
    case Change::None:
        return WriteStatus::Ok;
    case Change::Remove:
        if (QFile::remove(path) || !QFileInfo::exists(path))
            return WriteStatus::Ok;
        return WriteStatus::Error;
    case Change::Rewrite:
        break;
    }
    const QByteArray bytes = document.toBytes();
    if (current.status == ReadStatus::Ok && bytes == current.bytes)
        return WriteStatus::Ok;

    for (int attempt = 0;; ++attempt) {
        QSaveFile file(path);
        file.setDirectWriteFallback(false);
        errno = 0;
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
            ++IoCounters::renames;
            return WriteStatus::Ok;
        }
        const int error = errno;
        file.cancelWriting();
        if (!QFileInfo(path).dir().exists())
            return WriteStatus::FolderMissing;
        if (!isTransient(error) || attempt + 1 >= attempts)
            return WriteStatus::Error;
        pause(attempt);
    }
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
{
}

ProfileSnapshot ProfileFile::read() const
{
    if (m_path.isEmpty())
        return {};
    FileBytes file = readBytes(m_path);
    if (file.status != ReadStatus::Ok)
        return ProfileSnapshot(file.status, nullptr);
    return ProfileSnapshot(ReadStatus::Ok,
                           std::make_shared<ProfileDocument>(ProfileDocument::fromBytes(file.bytes)));
}

QString ProfileFile::readValue(QStringView section, QStringView key,
                               const QString &defaultValue) const
{
    return read().value(section, key, defaultValue);
}

WriteStatus ProfileFile::writeValue(const QString &section, const QString &key,
                                    const QString &value) const
{
    ProfileBatch batch;
    batch.set(section, key, value);
    return apply(batch);
}

WriteStatus ProfileFile::apply(const ProfileBatch &batch) const
{
    for (const ProfileBatch::Write &write : batch.writes()) {
        if (!ProfileBatch::isValidName(write.section) || !ProfileBatch::isValidName(write.key))
            return WriteStatus::InvalidName;
    }
    if (m_path.isEmpty() || !QFileInfo(m_path).dir().exists())
        return WriteStatus::FolderMissing;
    if (batch.isEmpty())
        return WriteStatus::Ok;
    return rewrite(m_path, [&batch](ProfileDocument &document, ReadStatus) {
        for (const ProfileBatch::Write &write : batch.writes())
            document.set(write.section, write.key, ProfileBatch::cleanValue(write.value));
        return Change::Rewrite;
    });
}

WriteStatus ProfileFile::removeSection(const QString &section) const
{
    if (m_path.isEmpty() || !QFileInfo::exists(m_path))
        return WriteStatus::Ok;
    return rewrite(m_path, [&section](ProfileDocument &document, ReadStatus status) {
        if (status != ReadStatus::Ok || !document.removeSection(section))
            return Change::None;
        return document.sectionCount() == 0 ? Change::Remove : Change::Rewrite;
    });
}

} // namespace store

// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_file.h"

#include "atomic_file.h"
#include "file_lock.h"
#include "profile_document.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

// How long a write waits for another program's write to finish.
constexpr int lockWaitMs = 10000;
constexpr int attempts = 5;

bool isTransient(int error)
{
    return error == EACCES || error == EBUSY || error == ESTALE || error == EAGAIN ||
           error == EINTR || error == EIO;
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

enum class Outcome { Done, Again };

// One open and read. Non-blocking, so that a FIFO or a device named like a profile
// file cannot hold the program in open(); only regular files are read.
Outcome readOnce(const QByteArray &name, FileBytes &out, int &error)
{
    error = 0;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        error = errno;
        out = {error == ENOENT || error == ENOTDIR ? ReadStatus::Missing : ReadStatus::Error, {}};
        return Outcome::Again;
    }
    ++IoCounters::opens;
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    // The size as the server has it now: a share's client may still hold the size
    // of the file this name had before another computer replaced it, and would end
    // the read there.
    struct statx info
    {
    };
    if (::statx(fd, "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_TYPE | STATX_SIZE, &info) != 0) {
        error = errno;
        out = {ReadStatus::Error, {}};
        return Outcome::Again;
    }
    if (!S_ISREG(info.stx_mode)) {
        out = {ReadStatus::Error, {}};
        return Outcome::Done;
    }
    const auto size = qint64(info.stx_size);
    if (size > ProfileFile::maxFileSize) {
        out = {ReadStatus::TooLarge, {}};
        return Outcome::Done;
    }
    QByteArray bytes(qsizetype(size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            // Grown since fstat: read on, up to one byte past the limit.
            if (bytes.size() > ProfileFile::maxFileSize) {
                out = {ReadStatus::TooLarge, {}};
                return Outcome::Done;
            }
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, ProfileFile::maxFileSize + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            out = {ReadStatus::Error, {}};
            return Outcome::Again;
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    if (bytes.size() > ProfileFile::maxFileSize) {
        out = {ReadStatus::TooLarge, {}};
        return Outcome::Done;
    }
    out = {ReadStatus::Ok, std::move(bytes)};
    // A share can serve less than the size it reported while the file is replaced.
    if (got != size) {
        error = EAGAIN;
        return Outcome::Again;
    }
    return Outcome::Done;
}

FileBytes readBytes(const QString &path, ProfileFile::Existence existence)
{
    const QByteArray name = QFile::encodeName(path);
    FileBytes file;
    for (int attempt = 0;; ++attempt) {
        int error = 0;
        if (readOnce(name, file, error) == Outcome::Done)
            return file;
        const bool last = attempt + 1 >= attempts;
        if (file.status == ReadStatus::Missing) {
            if (existence != ProfileFile::Existence::Expected || last)
                return file;
        } else if (file.status == ReadStatus::Ok) {
            // Read twice the same short: that is the file.
            if (last)
                return file;
        } else if (!isTransient(error) || last) {
            return file;
        }
        pause(attempt);
    }
}

// Inside the lock nobody of ours renames the file, but a program that takes no
// lock may: a missing file is looked for once more before a new one is made over
// it, and a file that ends in the middle of a line (everything we write ends with
// a line end) is read again, so that a rewrite never starts from a short read.
FileBytes readLocked(const QString &path)
{
    FileBytes file = readBytes(path, ProfileFile::Existence::Unknown);
    if (file.status == ReadStatus::Missing) {
        pause(1);
        return readBytes(path, ProfileFile::Existence::Unknown);
    }
    for (int attempt = 0; attempt < 3 && file.status == ReadStatus::Ok && !file.bytes.isEmpty() &&
                          !file.bytes.endsWith('\n');
         ++attempt) {
        pause(attempt);
        FileBytes again = readBytes(path, ProfileFile::Existence::Expected);
        if (again.status != ReadStatus::Ok)
            return again;
        // The same bytes twice: a file without a last line end (edited by hand).
        if (again.bytes == file.bytes)
            break;
        file = std::move(again);
    }
    return file;
}

// Whether a suffix reads like something a person typed ("backup", "BAK001", "Copy",
// "201904") rather than the random characters of a temporary name.
bool looksTyped(QByteArrayView suffix)
{
    auto isLower = [](char c) { return c >= 'a' && c <= 'z'; };
    auto isUpper = [](char c) { return c >= 'A' && c <= 'Z'; };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    // A word, then digits: nothing else.
    qsizetype letters = 0;
    while (letters < suffix.size() && (isLower(suffix[letters]) || isUpper(suffix[letters])))
        ++letters;
    if (!std::all_of(suffix.begin() + letters, suffix.end(), isDigit))
        return false;
    const QByteArrayView word = suffix.first(letters);
    if (word.isEmpty())
        return true;
    const QByteArrayView rest = word.sliced(1);
    return std::all_of(word.begin(), word.end(), isLower) ||
           std::all_of(word.begin(), word.end(), isUpper) ||
           (isUpper(word[0]) && std::all_of(rest.begin(), rest.end(), isLower));
}

// Writers name their temporary file NAME.XXXXXX beside the target (six characters
// of A-Z, a-z and 0-9); a writer killed between making it and the rename leaves it
// behind. Another writer may be using its own right now (without record locks), so
// only those a minute old are removed, and never one whose ending a person may
// have chosen ("sys.cho.backup").
void removeStaleTemporaries(const QString &path)
{
    const QFileInfo target(path);
    const QByteArray folder = QFile::encodeName(target.path());
    const QByteArray prefix = QFile::encodeName(target.fileName()) + '.';
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    ++IoCounters::listings;
    const auto now = QDateTime::currentSecsSinceEpoch();
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArrayView entryName(entry->d_name);
        if (entryName.size() != prefix.size() + 6 || !entryName.startsWith(prefix))
            continue;
        const QByteArrayView suffix = entryName.sliced(prefix.size());
        const bool temporary = std::all_of(suffix.begin(), suffix.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        });
        struct stat info
        {
        };
        if (!temporary || looksTyped(suffix) ||
            ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(info.st_mode) && now - info.st_mtime > ProfileFile::staleTemporarySeconds)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

enum class Change { None, Rewrite, Remove };

// Locks the file, reads it inside the lock (so whatever another program wrote
// before is kept), lets `edit` change the document and puts the result in place
// by one rename, or removes the file.
template<typename Edit> WriteStatus rewrite(const QString &path, Edit edit)
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
    removeStaleTemporaries(path);

    FileBytes current = readLocked(path);
    if (current.status == ReadStatus::TooLarge)
        return WriteStatus::TooLarge;
    if (current.status == ReadStatus::Error)
        return WriteStatus::Error;

    ProfileDocument document = ProfileDocument::fromBytes(current.bytes);
    if (!document.isComplete())
        return WriteStatus::TooLarge;
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
    // Never write what the next read would refuse.
    const QByteArray bytes = document.toBytes();
    if (!document.isComplete() || bytes.size() > ProfileFile::maxFileSize)
        return WriteStatus::TooLarge;
    if (current.status == ReadStatus::Ok && bytes == current.bytes)
        return WriteStatus::Ok;

    for (int attempt = 0;; ++attempt) {
        const WriteOutcome written = AtomicFile::write(path, bytes);
        if (written.ok()) {
            ++IoCounters::renames;
            return WriteStatus::Ok;
        }
        if (!QFileInfo(path).dir().exists())
            return WriteStatus::FolderMissing;
        if (!isTransient(written.error) || attempt + 1 >= attempts)
            return written.status;
        pause(attempt);
    }
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
{}

ProfileSnapshot ProfileFile::read(Existence existence) const
{
    if (m_path.isEmpty())
        return {};
    FileBytes file = readBytes(m_path, existence);
    if (file.status != ReadStatus::Ok)
        return ProfileSnapshot(file.status, nullptr);
    auto document = std::make_shared<ProfileDocument>(ProfileDocument::fromBytes(file.bytes));
    if (!document->isComplete())
        return ProfileSnapshot(ReadStatus::TooLarge, nullptr);
    return ProfileSnapshot(ReadStatus::Ok, std::move(document));
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

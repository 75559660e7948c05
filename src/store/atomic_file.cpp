// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// NAME.XXXXXX, the shape the profile writers' clean-up knows as a killed writer's file.
QString temporaryName(const QString &target)
{
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = target + u'.';
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
    return name;
}

// Syncing is refused by some file systems that have nothing to sync (a pipe-backed or
// special mount): that is no failure of the data.
bool syncRefusedHarmlessly(int error)
{
    return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EROFS;
}

int closeChecked(int fd)
{
    // A share reports a write it could not deliver at close; EINTR leaves the descriptor
    // closed on Linux, and its data was handed over before.
    if (::close(fd) != 0 && errno != EINTR)
        return errno;
    return 0;
}

// Renames without replacing: renameat2 where the file system has it, else a hard link
// (which fails on an existing name) and the removal of the temporary name.
int renameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    ::unlink(from.constData());
    return 0;
}

} // namespace

QString WriteOutcome::reason() const
{
    if (!note.isEmpty())
        return note;
    return error ? QString::fromLocal8Bit(std::strerror(error)) : QString();
}

WriteStatus statusOfError(int error)
{
    switch (error) {
    case 0:
        return WriteStatus::Ok;
    case ENOSPC:
    case EFBIG: // the file would pass the size the system or its quota allows
        return WriteStatus::DiskFull;
    case EDQUOT:
        return WriteStatus::QuotaFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return WriteStatus::Denied;
    case EIO:
    case ESTALE:
    case ENOTCONN:
    case ECONNRESET:
    case ECONNABORTED:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ENOLINK:
    case EREMOTEIO:
        return WriteStatus::ShareFailed;
    case ENOENT:
    case ENOTDIR:
        return WriteStatus::FolderMissing;
    case EEXIST:
        return WriteStatus::Exists;
    default:
        return WriteStatus::Error;
    }
}

AtomicFile::AtomicFile(QString target, Replace replace)
    : m_target(std::move(target))
    , m_replace(replace)
{}

AtomicFile::~AtomicFile()
{
    cancel();
}

WriteOutcome AtomicFile::fail(int error, const QString &path)
{
    if (!m_error)
        m_error = error ? error : EIO;
    cancel();
    return WriteOutcome{statusOfError(m_error), m_error, path.isEmpty() ? m_target : path, {}};
}

WriteOutcome AtomicFile::open()
{
    if (m_error)
        return WriteOutcome{statusOfError(m_error), m_error, m_target, {}};
    if (m_target.isEmpty() || m_target.endsWith(u'/'))
        return fail(EINVAL);
    cancel();
    const QByteArray target = encoded(m_target);
    struct stat existing
    {
    };
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return fail(EISDIR);
    if (exists && m_replace == Replace::Never)
        return fail(EEXIST);
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temporary = temporaryName(m_target);
        m_fd = ::open(encoded(m_temporary).constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (m_fd >= 0)
            break;
        if (errno != EEXIST) {
            const int error = errno;
            m_temporary.clear();
            return fail(error);
        }
    }
    if (m_fd < 0) {
        m_temporary.clear();
        return fail(EEXIST);
    }
    // Other users of a shared folder read what the old file let them read.
    if (exists && S_ISREG(existing.st_mode))
        ::fchmod(m_fd, existing.st_mode & 07777);
    return {};
}

WriteOutcome AtomicFile::write(QByteArrayView bytes)
{
    if (m_error)
        return WriteOutcome{statusOfError(m_error), m_error, m_target, {}};
    if (m_fd < 0)
        return fail(EBADF);
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            return fail(ENOSPC);
        data += n;
        left -= n;
    }
    return {};
}

WriteOutcome AtomicFile::commit()
{
    if (m_error)
        return WriteOutcome{statusOfError(m_error), m_error, m_target, {}};
    if (m_fd < 0)
        return fail(EBADF);
    if (::fdatasync(m_fd) != 0 && !syncRefusedHarmlessly(errno))
        return fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (const int error = closeChecked(fd))
        return fail(error);
    const QByteArray from = encoded(m_temporary);
    const QByteArray to = encoded(m_target);
    const int error = m_replace == Replace::Never
                          ? renameNoReplace(from, to)
                          : (::rename(from.constData(), to.constData()) == 0 ? 0 : errno);
    if (error)
        return fail(error);
    m_temporary.clear();
    return {};
}

void AtomicFile::startWriting()
{
    if (m_fd >= 0)
        ::sync_file_range(m_fd, 0, 0, SYNC_FILE_RANGE_WRITE);
}

void AtomicFile::cancel()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.isEmpty()) {
        ::unlink(encoded(m_temporary).constData());
        m_temporary.clear();
    }
}

WriteOutcome AtomicFile::write(const QString &target, QByteArrayView bytes, Replace replace)
{
    AtomicFile file(target, replace);
    if (WriteOutcome opened = file.open(); !opened.ok())
        return opened;
    if (WriteOutcome written = file.write(bytes); !written.ok())
        return written;
    return file.commit();
}

WriteOutcome AtomicFile::copy(const QString &source, const QString &target, qint64 maxSize)
{
    // Regular files only, opened without waiting: a FIFO named like a document would hold
    // the program in open(), a link to a device would never end.
    const int in = source.isEmpty() ? -1
                                    : ::open(encoded(source).constData(),
                                             O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (in < 0)
        return WriteOutcome{WriteStatus::Error, errno, source, {}};
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{in};
    struct stat info
    {
    };
    if (::fstat(in, &info) != 0)
        return WriteOutcome{WriteStatus::Error, errno, source, {}};
    if (!S_ISREG(info.st_mode))
        return WriteOutcome{WriteStatus::Error, EINVAL, source,
                            QCoreApplication::translate("AtomicFile", "not a regular file")};
    if (info.st_size > maxSize)
        return WriteOutcome{WriteStatus::TooLarge, EFBIG, source,
                            QCoreApplication::translate("AtomicFile", "too large")};

    AtomicFile file(target);
    if (WriteOutcome opened = file.open(); !opened.ok())
        return opened;
    char buffer[64 * 1024];
    qint64 total = 0;
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            file.cancel();
            return WriteOutcome{WriteStatus::Error, error, source, {}};
        }
        if (n == 0)
            break;
        total += n;
        if (total > maxSize) {
            file.cancel();
            return WriteOutcome{WriteStatus::TooLarge, EFBIG, source,
                                QCoreApplication::translate("AtomicFile", "too large")};
        }
        if (WriteOutcome written = file.write(QByteArrayView(buffer, n)); !written.ok())
            return written;
    }
    return file.commit();
}

void AtomicFile::syncFolder(const QString &folder)
{
    const int fd = ::open(encoded(folder.isEmpty() ? QStringLiteral(".") : folder).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace store

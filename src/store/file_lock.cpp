// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_lock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

namespace store {

namespace {

enum class Attempt { Locked, Busy, Unsupported, Failed };

// Per open file description, so that threads of one program exclude each other
// too; plain process locks where the file system does not know those.
Attempt tryLockDescriptor(int fd, bool *perDescription)
{
    struct flock request
    {
    };
    request.l_type = F_WRLCK;
    request.l_whence = SEEK_SET;
    auto outcome = [](int error) {
        if (error == EACCES || error == EAGAIN)
            return Attempt::Busy;
        if (error == ENOLCK || error == EOPNOTSUPP || error == EINVAL || error == ENOSYS)
            return Attempt::Unsupported;
        return Attempt::Failed;
    };
    *perDescription = true;
#ifdef F_OFD_SETLK
    if (::fcntl(fd, F_OFD_SETLK, &request) == 0)
        return Attempt::Locked;
    if (outcome(errno) != Attempt::Unsupported)
        return outcome(errno);
#endif
    *perDescription = false;
    if (::fcntl(fd, F_SETLK, &request) == 0)
        return Attempt::Locked;
    return outcome(errno);
}

void unlockDescriptor(int fd, bool perDescription)
{
    struct flock request
    {
    };
    request.l_type = F_UNLCK;
    request.l_whence = SEEK_SET;
#ifdef F_OFD_SETLK
    if (perDescription) {
        ::fcntl(fd, F_OFD_SETLK, &request);
        return;
    }
#endif
    ::fcntl(fd, F_SETLK, &request);
}

bool sameFile(int fd, const QByteArray &path)
{
    struct stat held
    {
    };
    struct stat named
    {
    };
    if (::fstat(fd, &held) != 0 || ::stat(path.constData(), &named) != 0)
        return false;
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// Errors of a share that pass: the server was busy, a handle went stale, or a
// name that another computer just replaced was still cached here.
bool isPassing(int error)
{
    return error == EINTR || error == ESTALE || error == EBUSY || error == EIO || error == ENOENT;
}

// Lock files stay open between writes. A share that forwards record locks under
// its own name (one owner for all its clients) lets go of all of them when any
// client closes the file; a program that keeps its lock files open closes them
// only when it ends.
class OpenLockFiles
{
public:
    /// A descriptor of the lock file kept from an earlier write, or -1.
    int take(const QByteArray &path)
    {
        QMutexLocker locker(&m_mutex);
        for (Entry &entry : m_entries) {
            if (!entry.inUse && entry.path == path) {
                entry.inUse = true;
                entry.used = ++m_clock;
                return entry.fd;
            }
        }
        return -1;
    }
    /// Keeps a descriptor for the next write, closing the longest unused one
    /// beyond the limit.
    void keep(const QByteArray &path, int fd)
    {
        QMutexLocker locker(&m_mutex);
        for (Entry &entry : m_entries) {
            if (entry.fd == fd) {
                entry.inUse = false;
                return;
            }
        }
        m_entries.push_back(Entry{path, fd, false, ++m_clock});
        if (m_entries.size() <= limit)
            return;
        auto oldest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (!it->inUse && (oldest == m_entries.end() || it->used < oldest->used))
                oldest = it;
        }
        if (oldest != m_entries.end()) {
            ::close(oldest->fd);
            m_entries.erase(oldest);
        }
    }
    /// Closes the kept descriptors of lock files below a folder.
    void closeBelow(const QByteArray &folder)
    {
        QMutexLocker locker(&m_mutex);
        const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
        m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                       [&prefix](const Entry &entry) {
                                           if (entry.inUse || !entry.path.startsWith(prefix))
                                               return false;
                                           ::close(entry.fd);
                                           return true;
                                       }),
                        m_entries.end());
    }
    /// Closes a descriptor that is of no further use (its file was replaced).
    void discard(int fd)
    {
        QMutexLocker locker(&m_mutex);
        m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                       [fd](const Entry &entry) { return entry.fd == fd; }),
                        m_entries.end());
        ::close(fd);
    }

private:
    static constexpr size_t limit = 16;
    struct Entry
    {
        QByteArray path;
        int fd;
        bool inUse;
        quint64 used;
    };
    QMutex m_mutex;
    std::vector<Entry> m_entries;
    quint64 m_clock = 0;
};

OpenLockFiles &openLockFiles()
{
    static OpenLockFiles files;
    return files;
}

// Only a FUSE share is known to forward record locks under its own name; on other
// file systems a lock file is closed after each write, so that nothing stays open
// in a folder that somebody may want to remove.
bool keepsOpen(int fd)
{
    struct statfs info
    {
    };
    return ::fstatfs(fd, &info) == 0 && info.f_type == 0x65735546; // FUSE_SUPER_MAGIC
}

// Kept lock files go by their absolute path, so that closeKept finds them.
QByteArray keyOf(const QString &path)
{
    return QFile::encodeName(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

void putBack(OpenLockFiles &files, const QByteArray &path, int fd)
{
    if (keepsOpen(fd))
        files.keep(path, fd);
    else
        files.discard(fd);
}

// A holder that writes again at once frees the lock only for a moment: look
// often, at uneven times, so that a waiter gets its turn; after a while less
// often, so that a queue of waiters does not keep the computer busy.
void pause(int round)
{
    const int longest = std::min(1000 << std::min(round / 16, 3), 5000);
    QThread::usleep(QRandomGenerator::global()->bounded(longest / 5, longest));
}

// How a file looks from outside; a change means that some writer got its turn.
struct Stamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    bool operator==(const Stamp &other) const
    {
        return device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

Stamp stampOf(const QByteArray &path)
{
    struct stat info
    {
    };
    if (::stat(path.constData(), &info) != 0)
        return {};
    return {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

// The wait ends when nobody got a turn for timeoutMs: then a holder is stuck.
// While the file keeps changing, the waiter is in a queue and waits on, up to
// longestWaitMs in all.
class Wait
{
public:
    Wait(QByteArray watched, int timeoutMs)
        : m_watched(std::move(watched))
        , m_timeoutMs(timeoutMs)
        , m_stamp(stampOf(m_watched))
    {
        m_idle.start();
        m_total.start();
    }
    bool expired()
    {
        if (m_total.elapsed() >= longestWaitMs)
            return true;
        if (m_idle.elapsed() < m_timeoutMs)
            return false;
        const Stamp now = stampOf(m_watched);
        if (m_watched.isEmpty() || now == m_stamp)
            return true;
        m_stamp = now;
        m_idle.restart();
        return false;
    }
    void pauseOnce() { pause(m_round++); }

    static constexpr qint64 longestWaitMs = 120000;

private:
    QByteArray m_watched;
    int m_timeoutMs;
    Stamp m_stamp;
    QElapsedTimer m_idle;
    QElapsedTimer m_total;
    int m_round = 0;
};

// A stable hash of the path (the same in every process), to pick a local lock.
quint32 pathHash(const QByteArray &path)
{
    quint32 hash = 2166136261u;
    for (char c : path) {
        hash ^= quint8(c);
        hash *= 16777619u;
    }
    return hash;
}

constexpr quint32 localLockCount = 64;

} // namespace

FileLock::FileLock(QString lockPath, Purpose purpose)
    : m_path(std::move(lockPath))
    , m_purpose(purpose)
{}

FileLock::~FileLock()
{
    release();
}

QString FileLock::localFolder()
{
    QString folder;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        folder = runtime + QStringLiteral("/quorin-locks");
    else
        folder = QDir::tempPath() + QStringLiteral("/quorin-locks-") + QString::number(::getuid());
    const QByteArray encoded = QFile::encodeName(folder);
    if (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    // Someone else's folder of that name would let them hold our writes up.
    struct stat info
    {
    };
    if (::lstat(encoded.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid())
        return {};
    return folder;
}

FileLock::Outcome FileLock::acquire(int timeoutMs)
{
    release();
    const QByteArray path = QFile::encodeName(m_path);
    const QByteArray suffix = QByteArrayLiteral(".lock");
    Wait wait(path.endsWith(suffix) ? path.chopped(suffix.size()) : QByteArray(), timeoutMs);

    // The local lock first. Without its folder the lock beside the file still
    // orders every share that passes record locks on properly.
    const QString local = m_purpose == Purpose::Write ? localFolder() : QString();
    if (!local.isEmpty()) {
        const QString absolute = QFileInfo(m_path).absoluteFilePath();
        const QByteArray localPath = QFile::encodeName(
            local + QStringLiteral("/write-%1.lock")
                        .arg(pathHash(QFile::encodeName(absolute)) % localLockCount));
        const int fd = ::open(localPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd >= 0) {
            for (;;) {
                bool perDescription = true;
                const Attempt attempt = tryLockDescriptor(fd, &perDescription);
                if (attempt == Attempt::Locked) {
                    m_localFd = fd;
                    break;
                }
                if (attempt != Attempt::Busy) {
                    ::close(fd);
                    break;
                }
                if (wait.expired()) {
                    ::close(fd);
                    return Outcome::Busy;
                }
                wait.pauseOnce();
            }
        }
    }

    OpenLockFiles &files = openLockFiles();
    const QByteArray key = keyOf(m_path);
    for (;;) {
        int fd = files.take(key);
        if (fd >= 0 && !sameFile(fd, path)) {
            // Somebody removed or replaced the lock file since: nobody else can find
            // the one we hold open.
            files.discard(fd);
            fd = -1;
        }
        if (fd < 0)
            fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            const int error = errno;
            if (!isPassing(error) ||
                (error == ENOENT && !QFileInfo(QFileInfo(m_path).path()).isDir())) {
                release();
                return Outcome::Error;
            }
        } else {
            switch (tryLockDescriptor(fd, &m_perDescription)) {
            case Attempt::Locked:
                // Somebody removed the lock file while we waited for it: then we
                // hold a file that nobody else can find, and start over.
                if (sameFile(fd, path)) {
                    m_fd = fd;
                    return Outcome::Locked;
                }
                files.discard(fd);
                continue;
            case Attempt::Unsupported:
                // A share without record locks: write as the programs always have,
                // relying on the atomic rename alone (and the local lock).
                putBack(files, key, fd);
                return Outcome::Unsupported;
            case Attempt::Failed: {
                const int error = errno;
                files.discard(fd);
                if (!isPassing(error)) {
                    release();
                    return Outcome::Error;
                }
                break;
            }
            case Attempt::Busy:
                putBack(files, key, fd);
                break;
            }
        }
        if (wait.expired()) {
            release();
            return Outcome::Busy;
        }
        wait.pauseOnce();
    }
}

bool FileLock::isLockFileName(QStringView name)
{
    return name.endsWith(u".cho.lock", Qt::CaseInsensitive);
}

void FileLock::closeKept(const QString &folder)
{
    openLockFiles().closeBelow(keyOf(folder));
}

void FileLock::release()
{
    // The lock file stays (on a FUSE share it also stays open for the next write).
    if (m_fd >= 0) {
        unlockDescriptor(m_fd, m_perDescription);
        putBack(openLockFiles(), keyOf(m_path), m_fd);
        m_fd = -1;
    }
    if (m_localFd >= 0) {
        ::close(m_localFd);
        m_localFd = -1;
    }
}

} // namespace store

// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_lock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

enum class Attempt { Locked, Busy, Unsupported, Failed };

// Per open file description, so that threads of one program exclude each other
// too; plain process locks where the file system does not know those.
Attempt tryLockDescriptor(int fd)
{
    struct flock request {};
    request.l_type = F_WRLCK;
    request.l_whence = SEEK_SET;
    auto outcome = [](int error) {
        if (error == EACCES || error == EAGAIN)
            return Attempt::Busy;
        if (error == ENOLCK || error == EOPNOTSUPP || error == EINVAL || error == ENOSYS)
            return Attempt::Unsupported;
        return Attempt::Failed;
    };
#ifdef F_OFD_SETLK
    if (::fcntl(fd, F_OFD_SETLK, &request) == 0)
        return Attempt::Locked;
    if (outcome(errno) != Attempt::Unsupported)
        return outcome(errno);
#endif
    if (::fcntl(fd, F_SETLK, &request) == 0)
        return Attempt::Locked;
    return outcome(errno);
}

bool sameFile(int fd, const QByteArray &path)
{
    struct stat held {};
    struct stat named {};
    if (::fstat(fd, &held) != 0 || ::stat(path.constData(), &named) != 0)
        return false;
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

FileLock::FileLock(QString lockPath)
    : m_path(std::move(lockPath))
{
}

FileLock::~FileLock()
{
    release();
}

FileLock::Outcome FileLock::acquire(int timeoutMs)
{
    release();
    const QByteArray path = QFile::encodeName(m_path);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno != EINTR && errno != ESTALE && errno != EBUSY)
                return Outcome::Error;
        } else {
            switch (tryLockDescriptor(fd)) {
            case Attempt::Locked:
                // The previous holder may have removed the file between our open
                // and our lock: then we hold nothing that others can see.
                if (sameFile(fd, path)) {
                    m_fd = fd;
                    return Outcome::Locked;
                }
                ::close(fd);
                continue;
            case Attempt::Unsupported:
                // A share without record locks: write as the programs always have,
                // relying on the atomic rename alone.
                ::close(fd);
                ::unlink(path.constData());
                return Outcome::Unsupported;
            case Attempt::Failed:
                ::close(fd);
                return Outcome::Error;
            case Attempt::Busy:
                ::close(fd);
                break;
            }
        }
        if (clock.elapsed() >= timeoutMs)
            return Outcome::Busy;
        // A holder that writes again at once frees the lock only for a moment:
        // look often, at uneven times, so that a waiter gets its turn.
        QThread::usleep(QRandomGenerator::global()->bounded(200, 1000));
    }
}

void FileLock::release()
{
    if (m_fd < 0)
        return;
    // Remove while still holding it, so nobody can lock the name we are leaving.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}

} // namespace store

// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_lock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

// Per open file description, so that threads of one program exclude each other
// too; plain process locks where the file system does not know them.
bool tryLockDescriptor(int fd, bool &busy)
{
    struct flock request {};
    request.l_type = F_WRLCK;
    request.l_whence = SEEK_SET;
#ifdef F_OFD_SETLK
    if (::fcntl(fd, F_OFD_SETLK, &request) == 0)
        return true;
    if (errno != EINVAL) {
        busy = errno == EACCES || errno == EAGAIN;
        return false;
    }
#endif
    if (::fcntl(fd, F_SETLK, &request) == 0)
        return true;
    busy = errno == EACCES || errno == EAGAIN;
    return false;
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
    unsigned long pause = 1;
    for (;;) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno != EINTR && errno != ESTALE && errno != EBUSY)
                return Outcome::Error;
        } else {
            bool busy = false;
            if (tryLockDescriptor(fd, busy)) {
                // The previous holder may have removed the file between our open
                // and our lock: then we hold nothing that others can see.
                if (sameFile(fd, path)) {
                    m_fd = fd;
                    return Outcome::Locked;
                }
                ::close(fd);
                continue;
            }
            ::close(fd);
            if (!busy)
                return Outcome::Error;
        }
        if (clock.elapsed() >= timeoutMs)
            return Outcome::Busy;
        QThread::msleep(pause);
        pause = std::min(pause * 2, 50UL);
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

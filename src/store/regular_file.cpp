// SPDX-License-Identifier: GPL-3.0-or-later
#include "regular_file.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

FileContent readRegularFile(const QString &path, qint64 maxSize)
{
    if (path.isEmpty())
        return {};
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        return {error == ENOENT || error == ENOTDIR ? ReadStatus::Missing : ReadStatus::Error,
                {},
                error};
    }
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0)
        return {ReadStatus::Error, {}, errno};
    if (!S_ISREG(info.st_mode))
        return {ReadStatus::Error, {}, EINVAL};
    if (info.st_size > maxSize)
        return {ReadStatus::TooLarge, {}, EFBIG};
    QByteArray bytes(qsizetype(std::min<qint64>(info.st_size + 1, maxSize + 1)), Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() > maxSize)
                return {ReadStatus::TooLarge, {}, EFBIG};
            bytes.resize(qsizetype(std::min<qint64>(qint64(bytes.size()) * 2, maxSize + 1)));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return {ReadStatus::Error, {}, errno};
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return {ReadStatus::Ok, std::move(bytes), 0};
}

} // namespace store

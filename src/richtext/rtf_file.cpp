// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_file.h"

#include "rtf_reader.h"
#include "rtf_writer.h"

#include <QFile>
#include <QTextDocument>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace richtext {

bool loadFile(const QString &path, QTextDocument &document)
{
    // Regular files only, opened without waiting: a FIFO named like a document
    // would otherwise hold the window in open().
    const int fd = path.isEmpty() ? -1
                                  : ::open(QFile::encodeName(path).constData(),
                                           O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat info
    {
    };
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        document.clear();
        return false;
    }
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ||
        file.size() > RtfReader::maxInputSize) {
        if (fd >= 0 && !file.isOpen())
            ::close(fd);
        document.clear();
        return false;
    }
    // read() rather than readAll(): a file that grows while it is read stays within the bound.
    // The bound is the file's size, not the largest input: read() first allocates as much as
    // it is asked for, and 64 MiB for every small question would cost more than the reading.
    const QByteArray bytes = file.read(std::min<qint64>(file.size(), RtfReader::maxInputSize) + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > RtfReader::maxInputSize) {
        document.clear();
        return false;
    }
    RtfReader::read(bytes, document);
    return true;
}

store::WriteOutcome saveFile(const QString &path, const QTextDocument &document)
{
    return store::AtomicFile::write(path, RtfWriter::write(document));
}

} // namespace richtext

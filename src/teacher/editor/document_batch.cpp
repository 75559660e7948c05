// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_batch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace editor {

namespace {

// Not a ".rtf" name, so that a copy left by a killed save is never taken for a document.
const QString prefix = QStringLiteral(".quorin-save-");

// Copies into a new file and starts its writing to the disk; the descriptor stays open so
// that the commit can wait for it. -1 when the copy failed.
int copyFile(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return -1;
    const int fd = ::open(QFile::encodeName(target).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n == 0)
            break;
        qint64 written = 0;
        while (n > 0 && written < n) {
            const ssize_t step = ::write(fd, buffer + written, size_t(n - written));
            if (step < 0 && errno == EINTR)
                continue;
            if (step <= 0)
                break;
            written += step;
        }
        if (n < 0 || written < n) {
            ::close(fd);
            return -1;
        }
    }
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    return fd;
}

void flushFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

DocumentBatch::DocumentBatch(QString folder)
    : m_folder(std::move(folder))
{}

DocumentBatch::~DocumentBatch()
{
    for (const Pending &pending : std::as_const(m_pending)) {
        if (pending.fd >= 0)
            ::close(pending.fd);
        QFile::remove(pending.temporary);
    }
}

bool DocumentBatch::stage(const QString &source, const QString &target)
{
    const QString temporary = m_folder + u'/' + prefix +
                              QString::number(QRandomGenerator::global()->generate(), 36) + u'-' +
                              QFileInfo(target).fileName();
    const int fd = copyFile(source, temporary);
    if (fd < 0) {
        QFile::remove(temporary);
        return false;
    }
    m_pending.append({temporary, target, fd});
    return true;
}

bool DocumentBatch::commit()
{
    if (m_pending.isEmpty())
        return true;
    // The disk has been writing since each copy was staged; wait for all of it.
    for (Pending &pending : m_pending) {
        const bool flushed = ::fdatasync(pending.fd) == 0 || errno == EINVAL || errno == EROFS;
        ::close(pending.fd);
        pending.fd = -1;
        if (!flushed)
            return false;
    }
    while (!m_pending.isEmpty()) {
        const Pending pending = m_pending.first();
        if (std::rename(QFile::encodeName(pending.temporary).constData(),
                        QFile::encodeName(pending.target).constData()) != 0)
            return false; // the destructor removes this copy and the ones after it
        m_pending.removeFirst();
    }
    flushFolder(m_folder);
    return true;
}

void DocumentBatch::removeLeftovers(const QString &folder)
{
    QDir dir(folder);
    const QStringList names =
        dir.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        dir.remove(name);
}

} // namespace editor

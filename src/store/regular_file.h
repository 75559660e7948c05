// Reading a whole file that anybody may have put in a shared folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "status.h"

#include <QByteArray>
#include <QString>

namespace store {

struct FileContent
{
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;
    int error = 0; ///< the system's error number, when it gave one
};

/// The bytes of a regular file of at most `maxSize` bytes. The file is opened without
/// waiting, so that a FIFO named like a document cannot hold the program in open(); a
/// FIFO, a device, a folder or a link to one reads as Error, a file over the limit (or one
/// that grows past it while it is read) as TooLarge. Nothing is allocated beyond the
/// file's size.
FileContent readRegularFile(const QString &path, qint64 maxSize);

} // namespace store

// SPDX-License-Identifier: GPL-3.0-or-later
#include "status.h"

namespace store {

QString describe(WriteStatus status)
{
    switch (status) {
    case WriteStatus::Ok:
        return QStringLiteral("written");
    case WriteStatus::FolderMissing:
        return QStringLiteral("the folder does not exist");
    case WriteStatus::InvalidName:
        return QStringLiteral("a name holds characters the file cannot keep");
    case WriteStatus::Busy:
        return QStringLiteral("another program is writing the file");
    case WriteStatus::TooLarge:
        return QStringLiteral("the file is too large");
    case WriteStatus::DiskFull:
        return QStringLiteral("the disk is full");
    case WriteStatus::QuotaFull:
        return QStringLiteral("the disk quota is used up");
    case WriteStatus::Denied:
        return QStringLiteral("writing there is not permitted");
    case WriteStatus::ShareFailed:
        return QStringLiteral("the disk or share failed");
    case WriteStatus::Exists:
        return QStringLiteral("a file of that name exists");
    case WriteStatus::Error:
        return QStringLiteral("the file could not be written");
    }
    return {};
}

QString notSavedMessage(WriteStatus status, const QString &lost, const QString &where)
{
    QString cause;
    switch (status) {
    case WriteStatus::Ok:
        return {};
    case WriteStatus::DiskFull:
        cause = QStringLiteral("The disk holding %1 is full").arg(where);
        break;
    case WriteStatus::QuotaFull:
        cause = QStringLiteral("The disk quota for %1 is used up").arg(where);
        break;
    case WriteStatus::Denied:
        cause = QStringLiteral("Writing to %1 is not permitted").arg(where);
        break;
    case WriteStatus::ShareFailed:
        cause = QStringLiteral("The disk or network share holding %1 failed").arg(where);
        break;
    case WriteStatus::FolderMissing:
        cause = QStringLiteral("A folder of %1 does not exist").arg(where);
        break;
    case WriteStatus::Busy:
        cause = QStringLiteral("Another program kept the file locked");
        break;
    case WriteStatus::TooLarge:
        cause = QStringLiteral("The file is too large to rewrite safely");
        break;
    case WriteStatus::InvalidName:
        cause = QStringLiteral("A name holds characters the file cannot keep");
        break;
    case WriteStatus::Exists:
        cause = QStringLiteral("A file of that name exists in %1").arg(where);
        break;
    case WriteStatus::Error:
        cause = QStringLiteral("The file could not be written in %1").arg(where);
        break;
    }
    return cause + QStringLiteral(": ") + lost + QStringLiteral("; nothing was changed.");
}

QString describe(ReadStatus status)
{
    switch (status) {
    case ReadStatus::Ok:
        return QStringLiteral("read");
    case ReadStatus::Missing:
        return QStringLiteral("the file does not exist");
    case ReadStatus::TooLarge:
        return QStringLiteral("the file is too large (over 16 MiB, or too many sections or keys)");
    case ReadStatus::Error:
        return QStringLiteral("the file could not be read");
    }
    return {};
}

} // namespace store

// SPDX-License-Identifier: GPL-3.0-or-later
#include "status.h"

#include <QCoreApplication>

namespace store {

QString describe(WriteStatus status)
{
    switch (status) {
    case WriteStatus::Ok:
        return QStringLiteral("written");
    case WriteStatus::FolderMissing:
        return QCoreApplication::translate("Status", "the folder does not exist");
    case WriteStatus::InvalidName:
        return QCoreApplication::translate("Status",
                                           "a name holds characters the file cannot keep");
    case WriteStatus::Busy:
        return QCoreApplication::translate("Status", "another program is writing the file");
    case WriteStatus::TooLarge:
        return QCoreApplication::translate("Status", "the file is too large");
    case WriteStatus::DiskFull:
        return QCoreApplication::translate("Status", "the disk is full");
    case WriteStatus::QuotaFull:
        return QCoreApplication::translate("Status", "the disk quota is used up");
    case WriteStatus::Denied:
        return QCoreApplication::translate("Status", "writing there is not permitted");
    case WriteStatus::ShareFailed:
        return QCoreApplication::translate("Status", "the disk or share failed");
    case WriteStatus::Exists:
        return QCoreApplication::translate("Status", "a file of that name exists");
    case WriteStatus::Error:
        return QCoreApplication::translate("Status", "the file could not be written");
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
        cause = QCoreApplication::translate("Status", "The disk holding %1 is full").arg(where);
        break;
    case WriteStatus::QuotaFull:
        cause =
            QCoreApplication::translate("Status", "The disk quota for %1 is used up").arg(where);
        break;
    case WriteStatus::Denied:
        cause = QCoreApplication::translate("Status", "Writing to %1 is not permitted").arg(where);
        break;
    case WriteStatus::ShareFailed:
        cause = QCoreApplication::translate("Status", "The disk or network share holding %1 failed")
                    .arg(where);
        break;
    case WriteStatus::FolderMissing:
        cause = QCoreApplication::translate("Status", "A folder of %1 does not exist").arg(where);
        break;
    case WriteStatus::Busy:
        cause = QCoreApplication::translate("Status", "Another program kept the file locked");
        break;
    case WriteStatus::TooLarge:
        cause = QCoreApplication::translate("Status", "The file is too large to rewrite safely");
        break;
    case WriteStatus::InvalidName:
        cause =
            QCoreApplication::translate("Status", "A name holds characters the file cannot keep");
        break;
    case WriteStatus::Exists:
        cause =
            QCoreApplication::translate("Status", "A file of that name exists in %1").arg(where);
        break;
    case WriteStatus::Error:
        cause =
            QCoreApplication::translate("Status", "The file could not be written in %1").arg(where);
        break;
    }
    return cause + QStringLiteral(": ") + lost +
           QCoreApplication::translate("Status", "; nothing was changed.");
}

QString describe(ReadStatus status)
{
    switch (status) {
    case ReadStatus::Ok:
        return QStringLiteral("read");
    case ReadStatus::Missing:
        return QCoreApplication::translate("Status", "the file does not exist");
    case ReadStatus::TooLarge:
        return QCoreApplication::translate(
            "Status", "the file is too large (over 16 MiB, or too many sections or keys)");
    case ReadStatus::Error:
        return QCoreApplication::translate("Status", "the file could not be read");
    }
    return {};
}

} // namespace store

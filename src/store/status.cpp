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
    case WriteStatus::Error:
        return QStringLiteral("the file could not be written");
    }
    return {};
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

// Outcomes of store operations, returned as values.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

namespace store {

/// Why a profile read fell back to the caller's defaults (or Ok when it did not).
enum class ReadStatus {
    Ok,       ///< the file was read
    Missing,  ///< no such file: every value is its default
    TooLarge, ///< the file is larger, or holds more sections or keys, than the reader accepts;
              ///< defaults were used
    Error,    ///< the file exists but could not be read (or is no regular file)
};

/// Outcome of a write.
enum class WriteStatus {
    Ok,
    FolderMissing, ///< the folder does not exist; nothing was written
    InvalidName,   ///< a section or key name the format cannot hold; nothing was written
    Busy,          ///< another program kept the file locked; nothing was written
    TooLarge,      ///< the existing file is too large to rewrite safely; nothing was written
    DiskFull,      ///< the disk holding the file is full; the old file is unchanged
    QuotaFull,     ///< the user's disk quota is used up; the old file is unchanged
    Denied,        ///< no permission to write there (or read-only media); the old file is unchanged
    ShareFailed,   ///< the disk or network share reported a failure; the old file is unchanged
    Exists,        ///< a new file was asked for and the name is taken; nothing was written
    Error,         ///< the file system refused the write; the old file is unchanged
};

/// A short English text for logs and messages.
QString describe(WriteStatus status);
QString describe(ReadStatus status);

/// The message of a write that failed: what happened, what was not saved and that nothing
/// was changed: "The disk holding the data root is full: the class list was not saved;
/// nothing was changed." `lost` says what was not saved ("the class list was not saved"),
/// `where` names the place written to ("the data root", "the editor's local folder").
QString notSavedMessage(WriteStatus status, const QString &lost,
                        const QString &where = QCoreApplication::translate("Status",
                                                                           "the data root"));

} // namespace store

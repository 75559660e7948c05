// Outcomes of store operations, returned as values.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
    Error,         ///< the file system refused the write; the old file is unchanged
};

/// A short English text for logs and messages.
QString describe(WriteStatus status);
QString describe(ReadStatus status);

} // namespace store

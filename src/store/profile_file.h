// A profile (".cho") file of the store: read value, write value, snapshots and batches.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile_batch.h"
#include "profile_snapshot.h"
#include "status.h"

#include <QString>
#include <atomic>

namespace store {

/// Counts of file-system operations, for measuring how many a step costs.
struct IoCounters
{
    static inline std::atomic<long> opens{0};    ///< files opened for reading
    static inline std::atomic<long> renames{0};  ///< files replaced by a rename
    static inline std::atomic<long> locks{0};    ///< write locks taken
    static inline std::atomic<long> listings{0}; ///< folders listed
    static void reset()
    {
        opens = 0;
        renames = 0;
        locks = 0;
        listings = 0;
    }
};

/// One profile file named by its full path.
///
/// Reads never lock: a writer replaces the file by renaming a complete new file
/// over it, so a reader sees the old or the new content, never a part. Writes lock
/// a file beside the target (NAME.cho.lock, see FileLock), re-read the file inside
/// the lock, apply their changes and rename the result over the target, so that two
/// programs writing different keys of one file never lose each other's keys.
/// Temporary files of writers that were killed mid-write (NAME.cho.XXXXXX) are
/// removed by the next writer of that file once they are a minute old.
class ProfileFile
{
public:
    explicit ProfileFile(QString path);

    const QString &path() const { return m_path; }

    /// What the caller knows about the file before it reads it.
    enum class Existence {
        Unknown,
        /// The caller has seen it (in a listing of its folder, or in a read before).
        /// A share can report such a file missing for a moment while another computer
        /// replaces it, so a missing file is looked for again briefly before it counts
        /// as missing.
        Expected,
    };

    /// Reads the whole file once. Only regular files are read, and never wait for a
    /// writer (a FIFO named like a profile file reads as an error). A file larger
    /// than maxFileSize, or holding more sections or keys than ProfileDocument
    /// indexes, is not read (TooLarge).
    ProfileSnapshot read(Existence existence = Existence::Unknown) const;

    /// One value (trimmed, at most 255 characters), or the default.
    QString readValue(QStringView section, QStringView key, const QString &defaultValue = {}) const;

    /// Sets one key (see apply).
    WriteStatus writeValue(const QString &section, const QString &key, const QString &value) const;

    /// Applies the writes in their order as one atomic rewrite. Creates the file
    /// and missing sections; replaces existing keys in place; leaves every other
    /// line byte for byte. Nothing is written when the folder is missing, when a
    /// name is invalid, or when the lock cannot be had.
    WriteStatus apply(const ProfileBatch &batch) const;

    /// Removes one section (every duplicate of its name) as one atomic rewrite, and
    /// the whole file when no section is left in it. A missing file stays missing.
    WriteStatus removeSection(const QString &section) const;

    static constexpr qint64 maxFileSize = 16 * 1024 * 1024;
    /// Age after which a writer's temporary file counts as left behind.
    static constexpr int staleTemporarySeconds = 60;

private:
    QString m_path;
};

} // namespace store

// Folder operations of the store: listing, copying, emptying and removing the
// folders of papers and results, each reporting what failed as a value.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace store {

enum class FolderStatus {
    Ok,
    InvalidPath,   ///< an empty path, which would name the working folder: refused
    Missing,       ///< the folder to read does not exist
    NotAFolder,    ///< the path names a file
    HasSubfolders, ///< a folder to remove still holds folders of its own
    Failed,        ///< the file system refused (permissions, read-only media, a full disk)
};

/// What a folder operation did, and where it stopped when it failed.
struct FolderOutcome
{
    FolderStatus status = FolderStatus::Ok;
    QString path;   ///< the file or folder that failed (empty when all went well)
    QString reason; ///< the system's words for the failure, when it gave any
    int files = 0;  ///< files copied or removed before the outcome

    bool ok() const { return status == FolderStatus::Ok; }
    /// One sentence for a message: what could not be done to which path, and why.
    QString describe() const;
};

/// Whether the text names nothing that could be touched safely (empty: the working folder).
bool isUnsafeFolder(const QString &folder);

/// The names of the files of a folder (ordinary files, hidden ones too; no folders),
/// in name order. With a suffix (".RTF"), only names that end in it in any letter case.
/// A missing folder lists nothing. The lock files of profile files ("A17.cho.lock") are
/// the store's bookkeeping and are not listed, held or copied; emptying or removing a
/// folder deletes them with the rest.
QStringList listFiles(const QString &folder, const QString &suffix = {});

/// Whether a folder holds at least one file (sub-folders do not count).
bool holdsFiles(const QString &folder);

/// Creates a folder and any missing folders above it. An existing folder is fine.
FolderOutcome makeFolder(const QString &folder);

/// Deletes every file of a folder, lock files included; sub-folders and their content stay. A
/// missing folder is already empty. Stops at the first file that cannot be deleted.
FolderOutcome emptyFolder(const QString &folder);

/// Whether removeFolder() could remove the folder as a whole: it is a folder (a missing one
/// is fine), holds no folders of its own, and both it and its parent may be changed.
/// Changes nothing.
FolderOutcome checkRemovable(const QString &folder);

/// Empties a folder and removes it. A missing folder is fine; a folder that still
/// holds folders of its own is left whole (HasSubfolders): none of its files is deleted.
FolderOutcome removeFolder(const QString &folder);

/// Copies one file over `target` in one step: a reader sees the old file or the
/// whole new one, and a failed copy leaves the old file as it was.
FolderOutcome copyFile(const QString &source, const QString &target);

/// Copies every file of `source` into the existing folder `target` under its own
/// name, replacing a file of that name in any letter case (the Windows installations
/// see one file there); other files of the target stay, sub-folders are not copied.
/// Stops at the first file that fails; `files` counts those copied before.
FolderOutcome copyFiles(const QString &source, const QString &target);

/// Whether two paths name the same existing folder (links and letters as the
/// file system resolves them).
bool isSameFolder(const QString &a, const QString &b);

} // namespace store

// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder_ops.h"

#include "atomic_file.h"
#include "case_path.h"
#include "file_lock.h"
#include "folder_index.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace store {

namespace {

FolderOutcome failure(FolderStatus status, const QString &path, const QString &reason = {},
                      int files = 0)
{
    return FolderOutcome{status, path, reason, files};
}

QString systemReason()
{
    return errno ? QString::fromLocal8Bit(std::strerror(errno)) : QString();
}

QDir::Filters fileFilter()
{
    return QDir::Files | QDir::Hidden | QDir::System;
}

// Every file, the lock files of profile files included.
QStringList allFiles(const QString &folder)
{
    return QDir(folder).entryList(fileFilter(), QDir::Name);
}

} // namespace

QString FolderOutcome::describe() const
{
    QString what;
    switch (status) {
    case FolderStatus::Ok:
        return {};
    case FolderStatus::InvalidPath:
        return QCoreApplication::translate("FolderOutcome", "A folder without a name was refused.");
    case FolderStatus::Missing:
        what = QCoreApplication::translate("FolderOutcome", "The folder \"%1\" does not exist")
                   .arg(path);
        break;
    case FolderStatus::NotAFolder:
        what = QCoreApplication::translate("FolderOutcome", "\"%1\" is a file, not a folder")
                   .arg(path);
        break;
    case FolderStatus::HasSubfolders:
        what = QCoreApplication::translate(
                   "FolderOutcome",
                   "The folder \"%1\" could not be removed: it holds folders of its own")
                   .arg(path);
        break;
    case FolderStatus::Failed:
        what =
            QCoreApplication::translate("FolderOutcome", "\"%1\" could not be changed").arg(path);
        break;
    }
    if (!reason.isEmpty())
        what += QStringLiteral(" (%1)").arg(reason);
    return what + u'.';
}

bool isUnsafeFolder(const QString &folder)
{
    return folder.trimmed().isEmpty();
}

QStringList listFiles(const QString &folder, const QString &suffix)
{
    if (isUnsafeFolder(folder))
        return {};
    QStringList names = allFiles(folder);
    names.removeIf([&](const QString &name) {
        return FileLock::isLockFileName(name) ||
               (!suffix.isEmpty() && !name.endsWith(suffix, Qt::CaseInsensitive));
    });
    return names;
}

bool holdsFiles(const QString &folder)
{
    return !listFiles(folder).isEmpty();
}

FolderOutcome makeFolder(const QString &folder)
{
    if (isUnsafeFolder(folder))
        return failure(FolderStatus::InvalidPath, folder);
    const QFileInfo info(folder);
    if (info.isDir())
        return {};
    if (info.exists())
        return failure(FolderStatus::NotAFolder, folder);
    errno = 0;
    if (!QDir().mkpath(folder))
        return failure(FolderStatus::Failed, folder, systemReason());
    return {};
}

FolderOutcome emptyFolder(const QString &folder)
{
    if (isUnsafeFolder(folder))
        return failure(FolderStatus::InvalidPath, folder);
    const QFileInfo info(folder);
    if (!info.exists())
        return {};
    if (!info.isDir())
        return failure(FolderStatus::NotAFolder, folder);
    // A share may refuse to delete a file that this program holds open.
    FileLock::closeKept(folder);
    int removed = 0;
    for (const QString &name : allFiles(folder)) {
        QFile file(CasePath::join(folder, name));
        if (!file.remove()) {
            // Gone already (another program emptied it too) is what was wanted.
            if (!QFileInfo(file.fileName()).exists() && !QFileInfo(file.fileName()).isSymLink())
                continue;
            return failure(FolderStatus::Failed, file.fileName(), file.errorString(), removed);
        }
        ++removed;
    }
    return FolderOutcome{FolderStatus::Ok, {}, {}, removed};
}

FolderOutcome checkRemovable(const QString &folder)
{
    if (isUnsafeFolder(folder))
        return failure(FolderStatus::InvalidPath, folder);
    const QFileInfo info(folder);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (!info.isDir() || info.isSymLink())
        return failure(FolderStatus::NotAFolder, folder);
    const QDir::Filters folders = QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    if (!QDir(folder).entryList(folders).isEmpty())
        return failure(FolderStatus::HasSubfolders, folder);
    // Its files go from the folder, the folder from its parent: both must let us.
    const QByteArray self = QFile::encodeName(folder);
    const QByteArray parent = QFile::encodeName(info.absolutePath());
    if (::access(self.constData(), W_OK | X_OK) != 0 ||
        ::access(parent.constData(), W_OK | X_OK) != 0)
        return failure(FolderStatus::Failed, folder, systemReason());
    return {};
}

FolderOutcome removeFolder(const QString &folder)
{
    // A folder that cannot go as a whole is left as it is, not half emptied.
    if (FolderOutcome check = checkRemovable(folder); !check.ok())
        return check;
    FolderOutcome emptied = emptyFolder(folder);
    if (!emptied.ok() || !QFileInfo::exists(folder))
        return emptied;
    QDir parent = QFileInfo(folder).dir();
    errno = 0;
    if (!parent.rmdir(QFileInfo(folder).fileName()) && QFileInfo::exists(folder))
        return failure(FolderStatus::Failed, folder, systemReason(), emptied.files);
    return emptied;
}

FolderOutcome copyFile(const QString &source, const QString &target)
{
    if (isUnsafeFolder(source) || isUnsafeFolder(target))
        return failure(FolderStatus::InvalidPath, target);
    const WriteOutcome copied = AtomicFile::copy(source, target);
    if (!copied.ok())
        return failure(FolderStatus::Failed, copied.path,
                       copied.reason().isEmpty() ? describe(copied.status) : copied.reason());
    return FolderOutcome{FolderStatus::Ok, {}, {}, 1};
}

FolderOutcome copyFiles(const QString &source, const QString &target)
{
    if (isUnsafeFolder(source) || isUnsafeFolder(target))
        return failure(FolderStatus::InvalidPath, isUnsafeFolder(source) ? source : target);
    if (!QFileInfo(source).isDir())
        return failure(QFileInfo::exists(source) ? FolderStatus::NotAFolder : FolderStatus::Missing,
                       source);
    if (!QFileInfo(target).isDir())
        return failure(QFileInfo::exists(target) ? FolderStatus::NotAFolder : FolderStatus::Missing,
                       target);
    if (isSameFolder(source, target))
        return {};
    const FolderIndex existing(target);
    int copied = 0;
    for (const QString &name : listFiles(source)) {
        const FolderOutcome one = copyFile(CasePath::join(source, name), existing.resolve(name));
        if (!one.ok())
            return FolderOutcome{one.status, one.path, one.reason, copied};
        ++copied;
    }
    return FolderOutcome{FolderStatus::Ok, {}, {}, copied};
}

bool isSameFolder(const QString &a, const QString &b)
{
    if (isUnsafeFolder(a) || isUnsafeFolder(b))
        return false;
    const QString left = QFileInfo(a).canonicalFilePath();
    return !left.isEmpty() && left == QFileInfo(b).canonicalFilePath();
}

} // namespace store

// The editor's own folder on the teacher's PC, where the documents of the paper being
// edited live until they are saved.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/atomic_file.h"
#include "store/file_lock.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>

namespace editor {

/// One editor at a time works in the folder: it holds a lock beside it while open.
/// Documents come in from the paper when they are first needed, so that opening a long
/// paper copies nothing. They are named as the paper file names them; look-ups ignore
/// letter case, as the Windows installations that wrote the papers do.
class WorkingFolder
{
public:
    explicit WorkingFolder(QString path);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    const QString &path() const { return m_path; }

    enum class Claim { Claimed, Busy, Failed };
    /// Creates the folder when missing and takes the lock beside it.
    Claim claim();
    /// Deletes the documents ("*.rtf" in any case) and lets the lock go; the folder stays.
    void release();
    bool isClaimed() const { return m_claimed; }

    /// Deletes every "*.rtf" file in any letter case; other files stay.
    void removeDocuments() const;

    /// Brings a document of the paper into the folder before it is shown or edited: a copy
    /// of `source` under the source's own spelling, or, when the paper has no such file,
    /// an empty document under `name`. Nothing happens when the folder has it already.
    store::WriteOutcome bringIn(const QString &name, const QString &source);

    /// The path of a document: the spelling that exists in any letter case, else the
    /// name as given; empty for a name that is not a single safe file name.
    QString documentPath(const QString &name) const;
    bool hasDocument(const QString &name) const;

    /// Writes an empty rich-text document under `name`.
    store::WriteOutcome writeEmptyDocument(const QString &name);
    /// Writes a document's bytes under `name`, as a new document of the folder.
    store::WriteOutcome writeDocument(const QString &name, const QByteArray &bytes);
    /// Copies a regular file in under `name`, replacing what is there.
    store::WriteOutcome copyIn(const QString &source, const QString &name);

    /// Whether the document differs from the copy that came in from the paper folder:
    /// written by the editor or a pane since, or new.
    bool isChanged(const QString &name) const { return isChanged(name, documentPath(name)); }
    /// The same, for the document at `path` (found already).
    bool isChanged(const QString &name, const QString &path) const;
    /// The document now is what the paper folder holds (after a save).
    void markUnchanged(const QString &name);

    /// The lock file beside the folder.
    QString lockPath() const;

private:
    struct Stamp
    {
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modifiedNs = 0;
        bool operator==(const Stamp &) const = default;
    };
    static std::optional<Stamp> stampOf(const QString &path);
    store::WriteOutcome refused(const QString &name) const;
    static QString key(const QString &name) { return name.toCaseFolded(); }

    QString m_path;
    std::unique_ptr<store::FileLock> m_lock;
    bool m_claimed = false;
    QHash<QString, Stamp> m_copied; ///< case-folded name -> the file as it came in
};

/// Whether a file name ends in ".rtf" in any letter case.
bool isDocumentName(QStringView name);

/// The bytes of a document file; empty when it is missing, unreadable or larger than
/// any document can be.
QByteArray readDocument(const QString &path);

} // namespace editor

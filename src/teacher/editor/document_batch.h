// Replacing many documents of a paper folder at once, each one atomically, with one
// flush to the disk for all of them instead of one per document.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace editor {

/// Each document is first written beside its target under a name of its own, and the disk
/// starts writing it at once; when all are written, the batch waits for the disk and then
/// renames them over their targets. A student who opens a document at any moment reads
/// the old one or the new one, never a part, and a power cut after the renames finds the
/// new ones complete. A batch that is not committed removes what it wrote.
class DocumentBatch
{
public:
    explicit DocumentBatch(QString folder);
    ~DocumentBatch();
    DocumentBatch(const DocumentBatch &) = delete;
    DocumentBatch &operator=(const DocumentBatch &) = delete;

    /// Writes a copy of `source` that will replace `target` (a file of the folder).
    bool stage(const QString &source, const QString &target);
    /// Flushes the staged copies and renames them over their targets. False when a rename
    /// failed; the targets renamed before it hold their new content.
    bool commit();
    int staged() const { return int(m_pending.size()); }

    /// Removes copies that a batch killed before its commit left in the folder.
    static void removeLeftovers(const QString &folder);

private:
    struct Pending
    {
        QString temporary;
        QString target;
        int fd = -1; ///< open until the disk has the copy
    };
    QString m_folder;
    QList<Pending> m_pending;
};

} // namespace editor

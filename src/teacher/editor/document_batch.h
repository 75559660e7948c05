// Writing many new documents into a paper folder, each one complete under its name,
// with the disk's syncs of a group overlapping instead of one after the other.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/atomic_file.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace editor {

/// The documents of a save go in under names that no paper file names yet, so that
/// until the paper file is written the paper is exactly as it was. A batch keeps at most
/// maxOpen files open (a save of thousands of documents stays within any open-file
/// limit). A batch that is not finished, or is discarded, removes what it wrote.
class DocumentBatch
{
public:
    explicit DocumentBatch(QString folder);
    ~DocumentBatch();
    DocumentBatch(const DocumentBatch &) = delete;
    DocumentBatch &operator=(const DocumentBatch &) = delete;

    /// Writes a copy of the document `source` as the new file `name` of the folder.
    store::WriteOutcome add(const QString &source, const QString &name);
    /// Writes `bytes` as the new file `name` of the folder.
    store::WriteOutcome add(const QByteArray &bytes, const QString &name);
    /// Waits for the disk: afterwards every added document is complete under its name.
    store::WriteOutcome finish();
    /// Removes every document the batch wrote (a save that failed after them).
    void discard();

    static constexpr int maxOpen = 16;

    /// Removes what older saves that were killed left in the folder: copies named
    /// ".quorin-save-*", and temporary files of documents ("12.RTF.a8Zk3Q").
    static void removeLeftovers(const QString &folder);

private:
    store::WriteOutcome commitOpen();

    QString m_folder;
    std::vector<std::unique_ptr<store::AtomicFile>> m_open;
    QStringList m_written; ///< paths of the documents in place
    bool m_finished = false;
};

} // namespace editor

// The two folders of a paper under the data root, its documents ("SHIJUAN") and
// its result records ("CHENGJI"), as creating, deleting and inputting papers change them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"
#include "store/folder_ops.h"

#include <QString>

namespace teacher {

class PaperFolders
{
public:
    explicit PaperFolders(store::DataRoot root);

    /// Empty when the name cannot be a folder name (a hand-edited roster).
    QString paperFolder(const QString &paper) const { return m_root.paperFolder(paper); }
    QString resultFolder(const QString &paper) const { return m_root.recordFolder(paper); }

    /// Files that folders of this name hold already: what a paper of an earlier
    /// installation or an earlier paper of that name left behind.
    struct Leftovers
    {
        int results = 0;
        int paperFiles = 0;
        bool any() const { return results + paperFiles > 0; }
    };
    Leftovers leftovers(const QString &paper) const;

    enum class Which { Both, ResultsOnly };
    /// Makes each folder, results first, or deletes the files it holds already.
    store::FolderOutcome prepare(const QString &paper, Which which = Which::Both) const;
    /// Removes both folders with their files, results first. A name that cannot be a
    /// folder has no folders, so there is nothing to remove.
    store::FolderOutcome remove(const QString &paper) const;

private:
    store::FolderOutcome checkRoot() const;
    store::DataRoot m_root;
};

} // namespace teacher

// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper_folders.h"

#include <QFileInfo>

namespace teacher {

namespace {

store::FolderOutcome prepareOne(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return store::emptyFolder(folder);
    return store::makeFolder(folder);
}

} // namespace

PaperFolders::PaperFolders(store::DataRoot root)
    : m_root(std::move(root))
{}

PaperFolders::Leftovers PaperFolders::leftovers(const QString &paper) const
{
    return Leftovers{int(store::listFiles(resultFolder(paper)).size()),
                     int(store::listFiles(paperFolder(paper)).size())};
}

store::FolderOutcome PaperFolders::checkRoot() const
{
    // Making "SHIJUAN" in a root that is gone (an unplugged share) would make a new,
    // empty data root where the real one should be.
    if (!QFileInfo(m_root.path()).isDir())
        return store::FolderOutcome{store::FolderStatus::Missing, m_root.path(), {}, 0};
    return {};
}

store::FolderOutcome PaperFolders::prepare(const QString &paper, Which which) const
{
    if (store::FolderOutcome root = checkRoot(); !root.ok())
        return root;
    const QString results = resultFolder(paper);
    const QString documents = paperFolder(paper);
    if (results.isEmpty() || documents.isEmpty())
        return store::FolderOutcome{store::FolderStatus::InvalidPath, paper, {}, 0};
    store::FolderOutcome outcome = prepareOne(results);
    if (outcome.ok() && which == Which::Both)
        outcome = prepareOne(documents);
    return outcome;
}

store::FolderOutcome PaperFolders::remove(const QString &paper) const
{
    const QString results = resultFolder(paper);
    const QString documents = paperFolder(paper);
    if (results.isEmpty() || documents.isEmpty())
        return {};
    // Both or neither: a paper folder that cannot go must not lose its results first.
    for (const QString &folder : {results, documents}) {
        if (store::FolderOutcome check = store::checkRemovable(folder); !check.ok())
            return check;
    }
    store::FolderOutcome outcome = store::removeFolder(results);
    if (outcome.ok())
        outcome = store::removeFolder(documents);
    return outcome;
}

} // namespace teacher

// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder_index.h"

#include "case_path.h"
#include "profile_file.h"

#include <QDir>
#include <QFileInfo>

namespace store {

FolderIndex::FolderIndex(const QString &folder)
    : m_folder(folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    m_exists = true;
    ++IoCounters::listings;
    // The same listing and order as CasePath, so that both pick the same entry
    // when a folder holds names that differ only in letter case.
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    m_exact.reserve(entries.size());
    m_folded.reserve(entries.size());
    for (const QString &entry : entries) {
        m_exact.insert(entry, entry);
        const QString folded = entry.toCaseFolded();
        if (!m_folded.contains(folded))
            m_folded.insert(folded, entry);
    }
}

QString FolderIndex::find(const QString &name) const
{
    if (!m_exists || !CasePath::isSafeComponent(name))
        return {};
    auto it = m_exact.constFind(name);
    if (it == m_exact.constEnd()) {
        it = m_folded.constFind(name.toCaseFolded());
        if (it == m_folded.constEnd())
            return {};
    }
    return CasePath::join(m_folder, *it);
}

QString FolderIndex::resolve(const QString &name) const
{
    if (m_folder.isEmpty() || !CasePath::isSafeComponent(name))
        return {};
    const QString found = find(name);
    return found.isEmpty() ? CasePath::join(m_folder, name) : found;
}

} // namespace store

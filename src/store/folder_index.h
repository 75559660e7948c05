// The entries of one folder, listed once and looked up without regard to letter case.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

namespace store {

/// Resolves many names in one folder with a single listing, the way CasePath
/// resolves one: the exact spelling first, else an entry in another letter case.
/// A refresh of a large class on a network share resolves hundreds of record
/// files; one listing instead of a look-up (and, for absent files, a listing)
/// per testee is what keeps it quick.
class FolderIndex
{
public:
    FolderIndex() = default;
    /// Lists `folder`; a folder that does not exist gives an empty index.
    explicit FolderIndex(const QString &folder);

    const QString &folder() const { return m_folder; }
    bool folderExists() const { return m_exists; }
    qsizetype size() const { return m_exact.size(); }

    /// The path of the entry `name` names in any letter case, or an empty text when
    /// there is none or `name` is not a single safe path component.
    QString find(const QString &name) const;
    /// Like find, but an absent name gives the path it would have (folder + name),
    /// as CasePath::resolve does; still empty for an unsafe name.
    QString resolve(const QString &name) const;

private:
    QString m_folder;
    bool m_exists = false;
    QHash<QString, QString> m_exact;  ///< entry -> entry
    QHash<QString, QString> m_folded; ///< case-folded entry -> first entry in listing order
};

} // namespace store

// Where the shared tree lies and how its paths are formed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace store {

/// The shared folder that holds the roster, the papers and the result records.
/// Every path is formed below it and resolved without regard to letter case;
/// folders and files that do not exist yet take the canonical spellings
/// ("sys", "SHIJUAN", "CHENGJI", ".cho").
class DataRoot
{
public:
    DataRoot() = default;
    /// The root's text is trimmed of surrounding blanks.
    explicit DataRoot(const QString &folder);

    /// The root both programs use: the folder after `--data-root` on the command line,
    /// else the one RootLocator finds (environment, configuration files, the
    /// executable's folder). Invalid when nothing names a root.
    static DataRoot locate(const QStringList &arguments, const QString &executableFolder);

    QString path() const { return m_path; }
    bool isValid() const { return !m_path.isEmpty(); }

    /// Resolves components below the root (see CasePath::resolve).
    QString resolve(const QStringList &components) const;

    QString sysFolder() const;
    QString rosterFile() const;
    QString helpFolder() const;
    QString templateFile(const QString &name) const; ///< a file of the sys folder
    QString paperFolder(const QString &paper) const;
    QString paperFile(const QString &paper) const;
    QString paperDocument(const QString &paper, const QString &fileName) const;
    QString recordFolder(const QString &paper) const;
    /// The record file of one testee: class and number joined with no separator.
    QString recordFile(const QString &paper, const QString &className, const QString &number) const;
    /// The name of that file inside the record folder, in its canonical spelling.
    static QString recordFileName(const QString &className, const QString &number);

    /// Whether the root lies on a network or FUSE file system (or QUORIN_ROOT_REMOTE=1 says so).
    bool isRemote() const;

    enum class LocalUse { Student, Editor, Office };
    /// The local working folder of one use: $XDG_CACHE_HOME/quorin/student, .../editor, or
    /// .../office (templates converted from the old binary formats).
    /// Not created here.
    static QString localFolder(LocalUse use);

private:
    QString m_path;
};

} // namespace store

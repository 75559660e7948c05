// Data roots with papers as the Windows programs write them (GBK, CRLF, ".RTF" documents
// made by WordPad), and a working folder for the editor, in temporary folders.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testing {

struct FixtureQuestion
{
    QString text;        ///< the question document's text; lines separated by "\n"
    QString explanation; ///< the explanation document's text
    QString answer;
    QString mark;
};

class EditorFixture
{
public:
    EditorFixture();
    ~EditorFixture();

    store::DataRoot root() const { return store::DataRoot(m_root.path()); }
    QString rootPath() const { return m_root.path(); }
    /// The editor's working folder (not created).
    QString workingFolder() const { return m_work.path() + QStringLiteral("/editor"); }

    /// The roster's paper list, every paper offered.
    void writeRoster(const QStringList &papers) const;
    /// A committed paper: its folders, the twelve settings of "Manage paper", and, when
    /// there are questions, the editor's keys and the documents "<first + 2q - 2>.RTF"
    /// (question) and "<first + 2q - 1>.RTF" (explanation).
    void writePaper(const QString &paper, const QList<FixtureQuestion> &questions,
                    int defaultMark = 5, int first = 1001) const;
    /// Only the settings keys of a new paper (no question yet).
    void writeNewPaper(const QString &paper) const;

    QString paperFolder(const QString &paper) const;
    QString paperFile(const QString &paper) const;
    /// The paper file's text, decoded.
    QString paperText(const QString &paper) const;
    /// The names of the paper folder's files, sorted.
    QStringList paperFiles(const QString &paper) const;

    /// An RTF document as WordPad writes one: GBK text in a Chinese font.
    static QByteArray wordpadRtf(const QString &text);
    /// The plain text of a document file.
    static QString documentText(const QString &path);

private:
    QTemporaryDir m_root;
    QTemporaryDir m_work;
};

} // namespace testing

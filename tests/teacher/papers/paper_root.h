// Data roots with papers as the Windows programs leave them, for the tests of the papers
// area: GBK files with CRLF line ends, documents named "<number>.RTF".
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "temp_root.h"
#include "test_files.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace testing {

/// Settings of a paper that the editor has saved once: all fifteen "MAIN" keys.
QString fullPaperMain(const QString &testTime = QStringLiteral("45"));

/// Writes SHIJUAN/<name>/<file name> with a "MAIN" section of the given lines
/// ("KEY=value" separated by newlines) and two questions, and the two documents
/// they name; makes CHENGJI/<name> too. The file name defaults to "<name>.cho".
void writePaper(const TempRoot &root, const QString &name, const QString &mainLines,
                const QString &fileName = {});

struct QuestionFiles
{
    QString question; ///< document file name, "" for none
    QString explain;
    QString answer;
    QString mark;
};

class PaperRoot : public TempRoot
{
public:
    /// The roster lists `papers`; each paper folder exists.
    void listPapers(const QStringList &papers) const;
    /// A paper file with the settings of "Manage paper", the default mark and the questions.
    void writePaper(const QString &paper, int defaultMark, const QList<QuestionFiles> &questions,
                    const QString &author = QStringLiteral("李老师")) const;
    /// An RTF document in the paper's folder with one paragraph per line of `text`.
    void writeDocument(const QString &paper, const QString &fileName, const QString &text) const;
    void writeBytes(const QString &relative, const QByteArray &bytes) const;
    /// Copies a template into sys: the shipped one (data/sys/...) or a fixture.
    void installTemplate(const QString &source,
                         const QString &name = QStringLiteral("paper.dotx")) const;

    /// RTF of lines of text, non-ASCII characters as \uN.
    static QByteArray rtf(const QString &text);
};

} // namespace testing

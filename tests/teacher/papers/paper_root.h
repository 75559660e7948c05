// Data roots with papers as a Windows installation leaves them (GBK, CRLF,
// upper-case ".RTF"), for the Word output tests.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "temp_root.h"

#include <QList>
#include <QString>

namespace testing {

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

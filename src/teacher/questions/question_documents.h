// Between the exchange formats and a paper: an imported question becomes the two rich-text
// documents of a paper's question, and a paper's question becomes an Item to write out.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "question_formats.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace questions {

/// A question ready to go into a paper: its documents and the entries of its row.
struct NewQuestion
{
    QByteArray question;    ///< RTF: the text, then one paragraph "A. option" per option
    QByteArray explanation; ///< RTF; an empty document when the file had none
    QString answer;         ///< the answer code, "13"
    QString mark;           ///< the file's mark; empty for the paper's default mark
    QString rowText;        ///< the question's plain text, as the editor's grid shows it
};

/// The documents of an imported question. HTML keeps its formatting, and the pictures
/// it names among the item's attachments come in as pictures. A true/false question
/// lists "A. True" and "B. False".
NewQuestion toNewQuestion(const Item &item);

/// One question of a paper as its files hold it.
struct PaperQuestion
{
    QString title;
    QByteArray question;    ///< the question document's bytes
    QByteArray explanation; ///< the explanation document's bytes; empty when missing
    QString answer;
    double mark = 0; ///< the question's mark, the default mark standing in for an empty one
};

/// How many pictures an export could not carry (Aiken and GIFT hold text only).
struct ExportNotes
{
    int picturesLeftOut = 0;
    int answersLeftOut = 0; ///< right options beyond the first, which Aiken cannot hold
};

/// The Item that writes a paper's question out. The options are the paragraphs at the
/// end of the question document that start "A." (or "A)", "A、"), "B." and so on in order,
/// several on one line too; a document without them gets one option per letter the
/// answer needs, at least four. With `html`, text and explanation are HTML and their
/// pictures become attachments named "image1.png", ...; else they are plain text.
Item toItem(const PaperQuestion &question, bool html, ExportNotes *notes = nullptr);

/// The options found at the end of a question's plain text, and the text before them.
struct SplitText
{
    QString text;
    QStringList options;
    int optionLine = -1; ///< the 0-based line where the options start; -1 without options
};
SplitText splitOptions(const QString &plainText);

/// What a set of files brings into a paper, read in full before anything is written.
struct ImportPlan
{
    QList<NewQuestion> questions;
    /// One line per question that does not come in: "bank.xml line 12: "Essay 1":
    /// essay questions are not taken".
    QStringList skipped;
    /// Set when a file cannot be read or is malformed: "bank.txt line 7: ...". A plan
    /// with an error brings nothing in.
    QString error;

    /// "12 questions come in." and the skipped lines, for the teacher to confirm.
    QString summary() const;
};
ImportPlan planImport(const QStringList &files, std::optional<Format> format = {},
                      Encoding encoding = Encoding::Detect);

/// The largest question file read.
constexpr qint64 maxImportFileSize = qint64(256) * 1024 * 1024;

} // namespace questions

// What the three exchange formats share: HTML turned into plain text and back, titles
// made from texts, answer codes and the reasons a question is not taken.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "question_formats.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace questions {

enum class LineBreaks {
    Keep, ///< paragraphs and <br> become "\n" (a question's text)
    Join, ///< everything on one line (an option)
};

/// The text a reader sees in HTML: tags dropped, entities decoded, white space collapsed.
QString htmlToPlain(QStringView html, LineBreaks breaks);
/// Runs of white space as one space; with Keep, lines trimmed and empty ones dropped.
QString collapseSpaces(QStringView text, LineBreaks breaks);
/// Plain text as HTML that shows it: escaped, line ends as <br>.
QString plainToHtml(QStringView text);
/// The item's text as plain text.
QString plainText(const Item &item);
/// A name for a question that has none: the start of its plain text.
QString titleFromText(QStringView plain);

/// The answer code of the options marked right ("13"), options counted from 1.
QString answerCode(const QList<bool> &right);
/// The 0-based options the answer code names, ascending, each once.
QList<int> rightOptions(const Item &item);
/// Right options by weight: in a question that takes one answer only, those of the highest
/// weight; otherwise every one above 0.
QList<bool> rightByWeight(const QList<double> &weights, bool singleAnswer);

/// Why a question with these options does not come in, if it does not.
std::optional<QString> optionsProblem(const QStringList &options, const QList<bool> &right);
QString notTaken(QStringView kind); ///< "essay questions are not taken"

ReadResult readFailed(Format format, int line, const QString &message);
/// A text too large to read, refused before any parsing.
std::optional<ReadResult> refuseOversized(Format format, QStringView text);

QByteArray writeAiken(const QList<Item> &items);
QByteArray writeGift(const QList<Item> &items);
QByteArray writeMoodleXml(const QList<Item> &items);

/// The text without the characters XML 1.0 cannot hold (control characters but tab and line
/// ends, lone surrogates, U+FFFE, U+FFFF). Every file is read without them, so that a
/// question read from any format can be written as Moodle XML and read back the same.
QString xmlSafe(QStringView text);

} // namespace questions

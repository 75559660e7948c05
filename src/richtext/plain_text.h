// The text of a rich-text document without its formats, for lists and grids.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace richtext {

/// The text of an RTF document: paragraphs, line breaks and table cells each end a line
/// ("\n" between them, none after the last), tabs stay, pictures leave nothing. Reads
/// the RTF without building a document, and equals plainText() of the document the
/// reader builds from the same bytes. A file that is not RTF gives its bytes as text.
QString plainText(const QByteArray &rtf);

/// The same text of a document.
QString plainText(const QTextDocument &document);

} // namespace richtext

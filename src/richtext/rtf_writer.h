// Writes a QTextDocument as RTF that Word, WordPad and LibreOffice read.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QTextDocument;

namespace richtext {

class RtfWriter
{
public:
    /// The document as RTF in code page 936: every character that is not ASCII is written
    /// as \uN with its GBK bytes as the fallback for older readers. Pictures read from RTF
    /// are written back with their original bytes; other images are written as PNG.
    static QByteArray write(const QTextDocument &document);

    /// An empty document in the shape write() gives one, in a Chinese body font at 12
    /// points, so that what is typed into it first takes that font. Needs no application.
    static QByteArray emptyDocument();
};

} // namespace richtext

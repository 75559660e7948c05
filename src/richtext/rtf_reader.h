// Reads RTF documents, as Word, WordPad, LibreOffice and this program write them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QObject;
class QTextDocument;

namespace richtext {

enum class ReadStatus {
    Ok,
    Damaged,  ///< cut off or unbalanced; the document holds what could be read
    NotRtf,   ///< no RTF signature; the document holds the bytes as plain text
    TooLarge, ///< larger than RtfReader::maxInputSize; the document is empty
};

class RtfReader
{
public:
    static constexpr qsizetype maxInputSize = 64 * 1024 * 1024;

    /// Replaces the content of `document` with the RTF document in `rtf`. Pictures are
    /// added to the document's resources together with their original bytes (see Picture).
    static ReadStatus read(const QByteArray &rtf, QTextDocument &document);

    /// A new document with `parent` as its owner; `status` receives the outcome if given.
    static QTextDocument *read(const QByteArray &rtf, QObject *parent,
                               ReadStatus *status = nullptr);
};

} // namespace richtext

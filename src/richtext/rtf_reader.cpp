// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_reader.h"

#include "document_builder.h"
#include "rtf_parser.h"

#include "store/text_codec.h"

#include <QTextDocument>

namespace richtext {

namespace {

// Line ends of any system become paragraphs; other control characters and the marks
// QTextDocument keeps for itself would only show as boxes, as in RTF text.
QString cleanText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                continue;
            out.append(QLatin1Char('\n'));
        } else if (c == '\n' || c == 0x2029) {
            out.append(QLatin1Char('\n'));
        } else if ((c < 0x20 && c != '\t') || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC ||
                   c == 0xFFFE || c == 0xFFFF || (c >= 0x7F && c < 0xA0 && c != 0x85)) {
            continue;
        } else {
            out.append(c == 0x85 ? QChar(0x2028) : QChar(c));
        }
    }
    return out;
}

} // namespace

ReadStatus RtfReader::read(const QByteArray &rtf, QTextDocument &document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();

    ReadStatus status = ReadStatus::Ok;
    if (rtf.size() > maxInputSize) {
        status = ReadStatus::TooLarge;
    } else if (!RtfParser::isRtf(rtf)) {
        // A plain text file where a document was expected: show its text rather than nothing.
        store::TextCodec codec;
        const store::TextEncoding encoding = store::TextCodec::detect(rtf);
        QByteArrayView bytes(rtf);
        if (encoding == store::TextEncoding::Utf8Bom)
            bytes = bytes.sliced(store::TextCodec::utf8Bom.size());
        document.setPlainText(cleanText(codec.decode(bytes, encoding)));
        status = ReadStatus::NotRtf;
    } else {
        DocumentBuilder builder(document, rtf.size());
        RtfParser parser(rtf, builder);
        const RtfParser::Outcome outcome = parser.parse();
        status = outcome.complete ? ReadStatus::Ok : ReadStatus::Damaged;
    }

    document.setUndoRedoEnabled(undo);
    document.setModified(false);
    return status;
}

QTextDocument *RtfReader::read(const QByteArray &rtf, QObject *parent, ReadStatus *status)
{
    auto *document = new QTextDocument(parent);
    const ReadStatus outcome = read(rtf, *document);
    if (status)
        *status = outcome;
    return document;
}

} // namespace richtext

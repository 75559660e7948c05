// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_reader.h"

#include "document_builder.h"
#include "rtf_parser.h"

#include "store/text_codec.h"

#include <QTextDocument>

namespace richtext {

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
        document.setPlainText(codec.decode(bytes, encoding));
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

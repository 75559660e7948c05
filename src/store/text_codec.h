// Byte <-> text conversion for the files of the store: code page 936 (GBK) as the
// Windows installations write them, or UTF-8 when a file starts with a byte-order mark.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace store {

enum class TextEncoding {
    Gbk,     ///< Windows code page 936, no byte-order mark
    Utf8Bom, ///< UTF-8 with a byte-order mark (for text that code page 936 cannot hold)
};

/// One converter pair, reused for many lines: opening a converter is the costly part.
class TextCodec
{
public:
    TextCodec();

    static constexpr QByteArrayView utf8Bom{"\xEF\xBB\xBF", 3};

    /// The encoding that a file's first bytes announce.
    static TextEncoding detect(QByteArrayView bytes);

    /// Decodes one complete line (or any complete text).
    QString decode(QByteArrayView bytes, TextEncoding encoding);

    /// Encodes text; no value when a character does not fit code page 936.
    std::optional<QByteArray> encode(QStringView text, TextEncoding encoding);

private:
    QStringDecoder m_gbkDecoder;
    QStringEncoder m_gbkEncoder;
};

} // namespace store

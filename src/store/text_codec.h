// Byte <-> text conversion for the files of the store: code page 936 (GBK) as the
// Windows installations write them, extended to GB18030, or UTF-8 when a file
// starts with a byte-order mark.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace store {

enum class TextEncoding {
    /// Windows code page 936, no byte-order mark. Characters that code page 936
    /// lacks take the four-byte codes of GB18030, of which GBK is the two-byte part.
    Gbk,
    /// UTF-8 with a byte-order mark, for the few characters that neither can hold.
    Utf8Bom,
};

/// One set of converters, reused for many lines: opening a converter is the costly part.
///
/// Every byte sequence that code page 936 knows reads and writes exactly as it
/// does there (the single byte 0x80 is the euro sign). What it lacks is written as
/// a four-byte GB18030 code, so that one rare name character no longer turns a
/// whole file into UTF-8. Not written that way: the 81 characters that GB18030
/// places on two-byte codes that code page 936 gives to private-use characters
/// (for example U+1E3F and U+4DAE); read back, they could not be told from those,
/// so a file holding one still becomes UTF-8.
class TextCodec
{
public:
    TextCodec();

    static constexpr QByteArrayView utf8Bom{"\xEF\xBB\xBF", 3};

    /// The encoding that a file's first bytes announce.
    static TextEncoding detect(QByteArrayView bytes);

    /// Whether bytes or text are plain ASCII (the same in every encoding here).
    static bool isAscii(QByteArrayView bytes);
    static bool isAscii(QStringView text);

    /// Decodes one complete line (or any complete text).
    QString decode(QByteArrayView bytes, TextEncoding encoding);

    /// Encodes text; no value when a character cannot be written in code page 936
    /// or GB18030 (UTF-8 takes everything).
    std::optional<QByteArray> encode(QStringView text, TextEncoding encoding);

private:
    QString decodeGbk(QByteArrayView bytes);
    QString decodeFourByte(QByteArrayView bytes);
    std::optional<QByteArray> encodeGbk(QStringView text);
    std::optional<QByteArray> encodeFourByte(QStringView character);

    QStringDecoder m_gbkDecoder;
    QStringDecoder m_gb18030Decoder;
    // Remade after a failed conversion: the converter's error flag does not reset.
    std::optional<QStringEncoder> m_gbkEncoder;
    std::optional<QStringEncoder> m_gb18030Encoder;
};

} // namespace store

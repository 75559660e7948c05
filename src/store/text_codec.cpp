// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_codec.h"

namespace store {

namespace {

bool inRange(char c, unsigned char low, unsigned char high)
{
    const auto b = static_cast<unsigned char>(c);
    return b >= low && b <= high;
}

// GB18030's four-byte codes: lead, digit, lead, digit. Code page 936 has no trail
// byte below 0x40, so no sequence it knows looks like one.
bool isFourByteAt(QByteArrayView bytes, qsizetype i)
{
    return i + 3 < bytes.size() && inRange(bytes[i], 0x81, 0xFE) &&
           inRange(bytes[i + 1], 0x30, 0x39) && inRange(bytes[i + 2], 0x81, 0xFE) &&
           inRange(bytes[i + 3], 0x30, 0x39);
}

// How many bytes the character starting at i takes, as code page 936 reads them.
qsizetype stepAt(QByteArrayView bytes, qsizetype i)
{
    if (!inRange(bytes[i], 0x81, 0xFE))
        return 1;
    if (isFourByteAt(bytes, i))
        return 4;
    if (i + 1 < bytes.size() &&
        (inRange(bytes[i + 1], 0x40, 0x7E) || inRange(bytes[i + 1], 0x80, 0xFE)))
        return 2;
    return 1;
}

} // namespace

TextCodec::TextCodec()
    : m_gbkDecoder("GBK")
    , m_gb18030Decoder("GB18030")
{}

bool TextCodec::isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool TextCodec::isAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

TextEncoding TextCodec::detect(QByteArrayView bytes)
{
    return bytes.startsWith(utf8Bom) ? TextEncoding::Utf8Bom : TextEncoding::Gbk;
}

QString TextCodec::decodeGbk(QByteArrayView bytes)
{
    m_gbkDecoder.resetState();
    QString text = m_gbkDecoder.decode(bytes);
    // A lead byte cut off at the end of the line would otherwise vanish silently.
    if (m_gbkDecoder.hasError())
        m_gbkDecoder.resetState();
    return text;
}

QString TextCodec::decodeFourByte(QByteArrayView bytes)
{
    m_gb18030Decoder.resetState();
    QString text = m_gb18030Decoder.decode(bytes);
    m_gb18030Decoder.resetState();
    return text;
}

QString TextCodec::decode(QByteArrayView bytes, TextEncoding encoding)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), bytes.size());
    if (encoding == TextEncoding::Utf8Bom || !m_gbkDecoder.isValid())
        return QString::fromUtf8(bytes.data(), bytes.size());

    // Runs of code page 936 go through its own converter, so that they read exactly
    // as they always have; only the four-byte codes go through GB18030.
    QString text;
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype step = stepAt(bytes, i);
        if (step != 4) {
            i += step;
            continue;
        }
        text += decodeGbk(bytes.sliced(runStart, i - runStart));
        qsizetype end = i;
        while (end < bytes.size() && isFourByteAt(bytes, end))
            end += 4;
        text += m_gb18030Decoder.isValid()
                    ? decodeFourByte(bytes.sliced(i, end - i))
                    : QString(int((end - i) / 4), QChar::ReplacementCharacter);
        runStart = i = end;
    }
    if (runStart == 0)
        return decodeGbk(bytes);
    text += decodeGbk(bytes.sliced(runStart));
    return text;
}

std::optional<QByteArray> TextCodec::encodeGbk(QStringView text)
{
    if (!m_gbkEncoder)
        m_gbkEncoder.emplace("GBK");
    if (!m_gbkEncoder->isValid())
        return std::nullopt;
    QByteArray bytes = m_gbkEncoder->encode(text);
    const bool failed = m_gbkEncoder->hasError();
    if (failed)
        m_gbkEncoder.reset();
    else
        m_gbkEncoder->resetState();
    // The converter does not flag every substitution (U+FFFD becomes "?" silently),
    // so a text only fits when it decodes back to itself.
    if (failed || decodeGbk(bytes) != text)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> TextCodec::encodeFourByte(QStringView character)
{
    if (!m_gb18030Encoder)
        m_gb18030Encoder.emplace("GB18030");
    if (!m_gb18030Encoder->isValid())
        return std::nullopt;
    QByteArray bytes = m_gb18030Encoder->encode(character);
    if (m_gb18030Encoder->hasError())
        m_gb18030Encoder.reset();
    else
        m_gb18030Encoder->resetState();
    if (bytes.size() != 4 || !isFourByteAt(bytes, 0) || decodeFourByte(bytes) != character)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> TextCodec::encode(QStringView text, TextEncoding encoding)
{
    if (isAscii(text))
        return text.toLatin1();
    if (encoding == TextEncoding::Utf8Bom) {
        // UTF-8 holds every character; a lone surrogate is no character and
        // becomes the replacement character.
        QString valid = text.toString();
        for (qsizetype i = 0; i < valid.size(); ++i) {
            if (valid[i].isHighSurrogate() && i + 1 < valid.size() && valid[i + 1].isLowSurrogate())
                ++i;
            else if (valid[i].isSurrogate())
                valid[i] = QChar::ReplacementCharacter;
        }
        return valid.toUtf8();
    }
    if (std::optional<QByteArray> whole = encodeGbk(text))
        return whole;

    // Character by character: code page 936 where it can, four bytes where it cannot.
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        else if (text[i].isSurrogate())
            return std::nullopt;
        const QStringView character = text.sliced(i, length);
        std::optional<QByteArray> code;
        if (isAscii(character))
            code = character.toLatin1();
        else if (!(code = encodeGbk(character)))
            code = encodeFourByte(character);
        if (!code)
            return std::nullopt;
        bytes += *code;
        i += length;
    }
    return bytes;
}

} // namespace store

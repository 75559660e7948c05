// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_codec.h"

namespace store {

namespace {

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool isAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

TextCodec::TextCodec()
    : m_gbkDecoder("GBK"), m_gbkEncoder("GBK")
{
}

TextEncoding TextCodec::detect(QByteArrayView bytes)
{
    return bytes.startsWith(utf8Bom) ? TextEncoding::Utf8Bom : TextEncoding::Gbk;
}

QString TextCodec::decode(QByteArrayView bytes, TextEncoding encoding)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), bytes.size());
    if (encoding == TextEncoding::Utf8Bom || !m_gbkDecoder.isValid())
        return QString::fromUtf8(bytes.data(), bytes.size());
    m_gbkDecoder.resetState();
    QString text = m_gbkDecoder.decode(bytes);
    // A lead byte cut off at the end of the line would otherwise vanish silently.
    if (m_gbkDecoder.hasError())
        m_gbkDecoder.resetState();
    return text;
}

std::optional<QByteArray> TextCodec::encode(QStringView text, TextEncoding encoding)
{
    if (isAscii(text))
        return text.toLatin1();
    if (encoding == TextEncoding::Utf8Bom)
        return text.toUtf8();
    if (!m_gbkEncoder.isValid())
        return std::nullopt;
    m_gbkEncoder.resetState();
    QByteArray bytes = m_gbkEncoder.encode(text);
    const bool failed = m_gbkEncoder.hasError();
    m_gbkEncoder.resetState();
    // The converter does not flag every substitution (U+FFFD becomes "?" silently),
    // so a text only fits when it decodes back to itself.
    if (failed || decode(bytes, TextEncoding::Gbk) != text)
        return std::nullopt;
    return bytes;
}

} // namespace store

// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_page.h"

namespace richtext {

namespace {

const char *codecName(int codePage)
{
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 874:
        return "windows-874";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 1250:
        return "windows-1250";
    case 1251:
        return "windows-1251";
    case 1253:
        return "windows-1253";
    case 1254:
        return "windows-1254";
    case 1255:
        return "windows-1255";
    case 1256:
        return "windows-1256";
    case 1257:
        return "windows-1257";
    case 1258:
        return "windows-1258";
    case 10000:
        return "macintosh";
    case 54936:
        return "GB18030";
    case 65001:
        return "UTF-8";
    default:
        return nullptr;
    }
}

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

} // namespace

CodePage::CodePage() = default;
CodePage::~CodePage() = default;

int CodePage::fromCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 1: // DEFAULT_CHARSET
        return 0;
    case 2: // SYMBOL_CHARSET: the bytes are glyph numbers; Latin-1 keeps them visible
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 1252;
    }
}

QStringDecoder *CodePage::decoderFor(int codePage)
{
    for (Entry &entry : m_decoders) {
        if (entry.codePage == codePage)
            return entry.decoder.get();
    }
    const char *name = codecName(codePage);
    std::unique_ptr<QStringDecoder> decoder;
    if (name) {
        decoder = std::make_unique<QStringDecoder>(name, QStringConverter::Flag::Stateless);
        if (!decoder->isValid())
            decoder.reset();
    }
    m_decoders.push_back({codePage, std::move(decoder)});
    return m_decoders.back().decoder.get();
}

void CodePage::decode(QByteArrayView bytes, int codePage, QString &out)
{
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        out.append(QLatin1StringView(bytes.data(), bytes.size()));
        return;
    }
    QStringDecoder *decoder = codePage == 1252 ? nullptr : decoderFor(codePage);
    if (!decoder) {
        out.reserve(out.size() + bytes.size());
        for (char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            out.append(b >= 0x80 && b < 0xA0 ? QChar(cp1252High[b - 0x80]) : QChar(char16_t(b)));
        }
        return;
    }
    out.append(decoder->decode(bytes));
    decoder->resetState();
}

} // namespace richtext

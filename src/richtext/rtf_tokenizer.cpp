// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_tokenizer.h"

#include <limits>

namespace richtext {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfTokenizer::RtfTokenizer(QByteArrayView input)
    : m_input(input)
{}

RtfToken RtfTokenizer::next()
{
    const qsizetype size = m_input.size();
    const char *data = m_input.data();
    // CR and LF carry no meaning in RTF; they only wrap long lines.
    while (m_pos < size && (data[m_pos] == '\r' || data[m_pos] == '\n'))
        ++m_pos;
    if (m_pos >= size)
        return {};

    RtfToken token;
    const char c = data[m_pos];
    if (c == '{') {
        ++m_pos;
        token.type = RtfToken::Type::GroupStart;
        return token;
    }
    if (c == '}') {
        ++m_pos;
        token.type = RtfToken::Type::GroupEnd;
        return token;
    }
    if (c == '\\')
        return controlWord();

    const qsizetype start = m_pos;
    while (m_pos < size) {
        const char d = data[m_pos];
        if (d == '{' || d == '}' || d == '\\' || d == '\r' || d == '\n')
            break;
        ++m_pos;
    }
    token.type = RtfToken::Type::Text;
    token.name = m_input.sliced(start, m_pos - start);
    return token;
}

RtfToken RtfTokenizer::controlWord()
{
    const qsizetype size = m_input.size();
    const char *data = m_input.data();
    RtfToken token;
    ++m_pos; // the backslash
    if (m_pos >= size)
        return {};

    const char c = data[m_pos];
    if (!isLetter(c)) {
        ++m_pos;
        if (c == '\'') {
            // A damaged escape (fewer than two hex digits) stands for no byte at all.
            int high = m_pos < size ? hexValue(data[m_pos]) : -1;
            int low = m_pos + 1 < size ? hexValue(data[m_pos + 1]) : -1;
            if (high < 0) {
                token.type = RtfToken::Type::Symbol;
                token.name = QByteArrayView("'");
                return token;
            }
            ++m_pos;
            if (low < 0) {
                token.type = RtfToken::Type::Symbol;
                token.name = QByteArrayView("'");
                return token;
            }
            ++m_pos;
            token.type = RtfToken::Type::HexByte;
            token.byte = static_cast<unsigned char>(high * 16 + low);
            return token;
        }
        token.type = RtfToken::Type::Symbol;
        token.name = m_input.sliced(m_pos - 1, 1);
        return token;
    }

    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(data[m_pos]))
        ++m_pos;
    token.type = RtfToken::Type::ControlWord;
    token.name = m_input.sliced(start, m_pos - start);

    bool negative = false;
    if (m_pos + 1 < size && data[m_pos] == '-' && isDigit(data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(data[m_pos])) {
        // Saturate: a parameter of fifty digits is hostile, not a reason to overflow.
        long long value = 0;
        constexpr long long limit = std::numeric_limits<int>::max();
        while (m_pos < size && isDigit(data[m_pos])) {
            if (value < limit)
                value = value * 10 + (data[m_pos] - '0');
            ++m_pos;
        }
        if (value > limit)
            value = limit;
        token.param = static_cast<int>(negative ? -value : value);
        token.hasParam = true;
    }
    if (m_pos < size && data[m_pos] == ' ')
        ++m_pos;

    if (token.name == "bin") {
        qsizetype count = token.hasParam && token.param > 0 ? token.param : 0;
        if (count > size - m_pos) {
            m_truncatedBinary = true;
            count = size - m_pos;
        }
        token.type = RtfToken::Type::Binary;
        token.name = m_input.sliced(m_pos, count);
        m_pos += count;
    }
    return token;
}

} // namespace richtext

// Splits RTF bytes into groups, control words, escaped bytes, text runs and binary data.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace richtext {

/// One lexical unit of RTF. Views point into the tokenizer's input.
struct RtfToken
{
    enum class Type {
        End,         ///< no more input
        GroupStart,  ///< {
        GroupEnd,    ///< }
        ControlWord, ///< \name or \nameN
        Symbol,      ///< \x for a non-letter x other than ' (name holds the one character)
        HexByte,     ///< \'hh
        Text,        ///< literal bytes, never holding braces, backslashes, CR or LF
        Binary,      ///< the data of \binN
    };
    Type type = Type::End;
    QByteArrayView name; ///< control word or symbol; Text and Binary bytes
    int param = 0;
    bool hasParam = false;
    unsigned char byte = 0; ///< HexByte value
};

/// A pull tokenizer with no allocation. `\binN` is resolved here, so that every
/// consumer, including one that skips a whole group, steps over the binary bytes exactly.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView input);

    RtfToken next();

    qsizetype position() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_input.size(); }
    /// Bytes that the \bin counts promised beyond the end of the input.
    bool truncatedBinary() const { return m_truncatedBinary; }

private:
    RtfToken controlWord();

    QByteArrayView m_input;
    qsizetype m_pos = 0;
    bool m_truncatedBinary = false;
};

} // namespace richtext

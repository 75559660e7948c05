// Reads RTF tokens with a stack of group states and tells a sink what the document holds.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "code_page.h"
#include "picture.h"
#include "rtf_state.h"
#include "rtf_tokenizer.h"

#include <QByteArrayView>
#include <QString>
#include <vector>

namespace richtext {

class RtfSink;

class RtfParser
{
public:
    /// Groups nested deeper than this are read as if they were not there: no real
    /// document comes near it, and a hostile one must not grow the stack without bound.
    static constexpr int maxDepth = 1000;

    struct Outcome
    {
        bool isRtf = false;   ///< the input starts with {\rtf
        bool complete = true; ///< every group was closed and every \bin had its bytes
    };

    /// `input` must stay valid for the parse.
    RtfParser(QByteArrayView input, RtfSink &sink);
    RtfParser(const RtfParser &) = delete;
    RtfParser &operator=(const RtfParser &) = delete;

    Outcome parse();

    /// Whether `input` starts (after blanks) with the RTF signature.
    static bool isRtf(QByteArrayView input);

private:
    enum class Destination : char {
        Body, ///< text that shows
        Skip, ///< a group stepped over whole
        FontTable,
        ColorTable,
        Picture,
        Container, ///< an object or shape: only its result groups show
    };

    struct Group
    {
        RtfCharState chars;
        RtfParaState para;
        Destination destination = Destination::Body;
        int unicodeSkip = 1;     ///< \uc
        bool doubleByte = false; ///< \dbch is the character class that \af and \afs set
    };

    void groupStart();
    void groupEnd();
    void controlWord(const RtfToken &token);
    void symbol(char c);
    void textBytes(QByteArrayView bytes);
    void byte(char c);
    void appendChar(char16_t c);
    void flushBytes();
    void flushText();
    void noteTextState();
    void emitText(const QString &text, const RtfCharState &chars, const RtfParaState &para);
    void paragraphBreak();
    void startSkip();
    int currentCodePage() const;
    void resetChars(RtfCharState &chars) const;

    void fontEntryStart(int index);
    void fontEntryEnd();
    void colorEntryEnd();
    void pictureEnd();

    RtfTokenizer m_tokenizer;
    RtfSink &m_sink;
    RtfTables m_tables;
    CodePage m_codePages;

    std::vector<Group> m_groups;
    int m_skipNesting = -1; ///< in a skipped group: the groups opened inside it; else -1
    bool m_skipPops = true; ///< the skipped group has a state of its own to pop
    int m_unicodeSkipLeft = 0;
    bool m_starred = false; ///< \* came just before
    bool m_ended = false;
    bool m_paragraphHasContent = false;

    mutable int m_codePageFont = -2; ///< the font whose code page m_codePage holds; -2: none
    mutable int m_codePage = 0;
    QByteArray m_bytes; ///< code-page bytes not yet decoded, so a split pair joins up
    int m_bytesCodePage = 0;
    QString m_text;
    RtfCharState m_textChars; ///< the format of m_text and m_bytes
    RtfParaState m_textPara;

    // the font table entry being read
    bool m_fontOpen = false;
    int m_fontIndex = 0;
    RtfFont m_font;
    QByteArray m_fontBytes;
    int m_fontCharsetPage = 0;
    int m_fontCpg = 0;

    // the colour table entry being read
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;

    // the picture being read
    Picture m_picture;
    bool m_pictureKnown = false;    ///< a format word was seen
    bool m_pictureHasBytes = false; ///< data was seen (kept only for a sink that wants it)
    size_t m_pictureDepth = 0;
    int m_pictureNibble = -1;
};

} // namespace richtext

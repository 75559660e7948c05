// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_parser.h"

#include "rtf_sink.h"
#include "rtf_table.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace richtext {

namespace {

enum class Word {
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Dbch,
    OtherClass,
    Af,
    Afs,
    Ab,
    Ai,
    Deff,
    Uc,
    U,
    // destinations
    FontTable,
    ColorTable,
    Pict,
    ShpPict,
    NonShpPict,
    Object,
    Result,
    Shp,
    ShpResult,
    FieldInstruction,
    FieldResult,
    ListText,
    SkippedDestination,
    // font table
    F,
    FCharset,
    Cpg,
    // colour table
    Red,
    Green,
    Blue,
    // characters
    Plain,
    Fs,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    Super,
    Sub,
    NoSuperSub,
    Up,
    Dn,
    Cf,
    Highlight,
    Cb,
    // paragraphs
    Pard,
    Par,
    Sect,
    Page,
    Line,
    Tab,
    Ql,
    Qc,
    Qr,
    Qj,
    Li,
    Ri,
    Fi,
    Sb,
    Sa,
    InTable,
    Itap,
    // tables
    Trowd,
    Cellx,
    Cell,
    Row,
    NestCell,
    NestRow,
    // special characters
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QmSpace,
    Bullet,
    LQuote,
    RQuote,
    LDblQuote,
    RDblQuote,
    Zwj,
    Zwnj,
    LtrMark,
    RtlMark,
    // pictures
    PngBlip,
    JpegBlip,
    EmfBlip,
    WMetafile,
    DiBitmap,
    WBitmap,
    MacPict,
    PmMetafile,
    PicW,
    PicH,
    PicWGoal,
    PicHGoal,
    PicScaleX,
    PicScaleY,
    WbmBitsPixel,
    WbmWidthBytes,
};

const std::unordered_map<std::string_view, Word> &words()
{
    static const std::unordered_map<std::string_view, Word> table = {
        {"ansi", Word::Ansi},
        {"mac", Word::Mac},
        {"pc", Word::Pc},
        {"pca", Word::Pca},
        {"ansicpg", Word::AnsiCpg},
        {"dbch", Word::Dbch},
        {"loch", Word::OtherClass},
        {"hich", Word::OtherClass},
        {"rtlch", Word::OtherClass},
        {"ltrch", Word::OtherClass},
        {"af", Word::Af},
        {"afs", Word::Afs},
        {"ab", Word::Ab},
        {"ai", Word::Ai},
        {"deff", Word::Deff},
        {"uc", Word::Uc},
        {"u", Word::U},

        {"fonttbl", Word::FontTable},
        {"colortbl", Word::ColorTable},
        {"pict", Word::Pict},
        {"shppict", Word::ShpPict},
        {"nonshppict", Word::NonShpPict},
        {"object", Word::Object},
        {"result", Word::Result},
        {"shp", Word::Shp},
        {"shprslt", Word::ShpResult},
        {"fldinst", Word::FieldInstruction},
        {"fldrslt", Word::FieldResult},
        {"listtext", Word::ListText},
        {"pntext", Word::ListText},
        // Destinations whose text never shows, written by some programs without \*.
        {"stylesheet", Word::SkippedDestination},
        {"info", Word::SkippedDestination},
        {"header", Word::SkippedDestination},
        {"headerl", Word::SkippedDestination},
        {"headerr", Word::SkippedDestination},
        {"headerf", Word::SkippedDestination},
        {"footer", Word::SkippedDestination},
        {"footerl", Word::SkippedDestination},
        {"footerr", Word::SkippedDestination},
        {"footerf", Word::SkippedDestination},
        {"footnote", Word::SkippedDestination},
        {"annotation", Word::SkippedDestination},
        {"atnid", Word::SkippedDestination},
        {"atnauthor", Word::SkippedDestination},
        {"xe", Word::SkippedDestination},
        {"tc", Word::SkippedDestination},
        {"txe", Word::SkippedDestination},
        {"rxe", Word::SkippedDestination},
        {"objdata", Word::SkippedDestination},
        {"objclass", Word::SkippedDestination},
        {"objname", Word::SkippedDestination},
        {"private", Word::SkippedDestination},
        {"template", Word::SkippedDestination},
        {"pn", Word::SkippedDestination},
        {"pntxta", Word::SkippedDestination},
        {"pntxtb", Word::SkippedDestination},
        {"listtable", Word::SkippedDestination},
        {"listoverridetable", Word::SkippedDestination},
        {"revtbl", Word::SkippedDestination},
        {"rsidtbl", Word::SkippedDestination},
        {"generator", Word::SkippedDestination},
        {"filetbl", Word::SkippedDestination},
        {"docvar", Word::SkippedDestination},
        {"pgdsctbl", Word::SkippedDestination},
        {"bkmkstart", Word::SkippedDestination},
        {"bkmkend", Word::SkippedDestination},

        {"f", Word::F},
        {"fcharset", Word::FCharset},
        {"cpg", Word::Cpg},
        {"red", Word::Red},
        {"green", Word::Green},
        {"blue", Word::Blue},

        {"plain", Word::Plain},
        {"fs", Word::Fs},
        {"b", Word::Bold},
        {"i", Word::Italic},
        {"ul", Word::Underline},
        {"uld", Word::Underline},
        {"uldash", Word::Underline},
        {"uldashd", Word::Underline},
        {"uldashdd", Word::Underline},
        {"uldb", Word::Underline},
        {"ulhwave", Word::Underline},
        {"ulldash", Word::Underline},
        {"ulth", Word::Underline},
        {"ulthd", Word::Underline},
        {"ulthdash", Word::Underline},
        {"ulw", Word::Underline},
        {"ulwave", Word::Underline},
        {"ululdbwave", Word::Underline},
        {"ulnone", Word::UnderlineNone},
        {"strike", Word::Strike},
        {"striked", Word::Strike},
        {"v", Word::Hidden},
        {"super", Word::Super},
        {"sub", Word::Sub},
        {"nosupersub", Word::NoSuperSub},
        {"up", Word::Up},
        {"dn", Word::Dn},
        {"cf", Word::Cf},
        {"highlight", Word::Highlight},
        {"cb", Word::Cb},
        {"chcbpat", Word::Cb},

        {"pard", Word::Pard},
        {"par", Word::Par},
        {"sect", Word::Sect},
        {"page", Word::Page},
        {"column", Word::Page},
        {"line", Word::Line},
        {"tab", Word::Tab},
        {"ql", Word::Ql},
        {"qc", Word::Qc},
        {"qr", Word::Qr},
        {"qj", Word::Qj},
        {"qd", Word::Qj},
        {"li", Word::Li},
        {"lin", Word::Li},
        {"ri", Word::Ri},
        {"rin", Word::Ri},
        {"fi", Word::Fi},
        {"sb", Word::Sb},
        {"sa", Word::Sa},
        {"intbl", Word::InTable},
        {"itap", Word::Itap},

        {"trowd", Word::Trowd},
        {"cellx", Word::Cellx},
        {"cell", Word::Cell},
        {"row", Word::Row},
        {"nestcell", Word::NestCell},
        {"nestrow", Word::NestRow},

        {"emdash", Word::EmDash},
        {"endash", Word::EnDash},
        {"emspace", Word::EmSpace},
        {"enspace", Word::EnSpace},
        {"qmspace", Word::QmSpace},
        {"bullet", Word::Bullet},
        {"lquote", Word::LQuote},
        {"rquote", Word::RQuote},
        {"ldblquote", Word::LDblQuote},
        {"rdblquote", Word::RDblQuote},
        {"zwj", Word::Zwj},
        {"zwnj", Word::Zwnj},
        {"ltrmark", Word::LtrMark},
        {"rtlmark", Word::RtlMark},

        {"pngblip", Word::PngBlip},
        {"jpegblip", Word::JpegBlip},
        {"emfblip", Word::EmfBlip},
        {"wmetafile", Word::WMetafile},
        {"dibitmap", Word::DiBitmap},
        {"wbitmap", Word::WBitmap},
        {"macpict", Word::MacPict},
        {"pmmetafile", Word::PmMetafile},
        {"picw", Word::PicW},
        {"pich", Word::PicH},
        {"picwgoal", Word::PicWGoal},
        {"pichgoal", Word::PicHGoal},
        {"picscalex", Word::PicScaleX},
        {"picscaley", Word::PicScaleY},
        {"wbmbitspixel", Word::WbmBitsPixel},
        {"wbmwidthbytes", Word::WbmWidthBytes},
    };
    return table;
}

std::optional<Word> lookup(QByteArrayView name)
{
    const auto &table = words();
    const auto it = table.find(std::string_view(name.data(), size_t(name.size())));
    if (it == table.end())
        return std::nullopt;
    return it->second;
}

// Lengths in twips: beyond 22 inches no page has room, and the clamp keeps sums in range.
int twips(const RtfToken &token)
{
    return std::clamp(token.param, -31680, 31680);
}

bool onUnlessZero(const RtfToken &token)
{
    return !token.hasParam || token.param != 0;
}

struct HexTable
{
    signed char value[256];
    constexpr HexTable()
        : value()
    {
        for (int i = 0; i < 256; ++i)
            value[i] = -1;
        for (int i = 0; i < 10; ++i)
            value['0' + i] = char(i);
        for (int i = 0; i < 6; ++i) {
            value['a' + i] = char(10 + i);
            value['A' + i] = char(10 + i);
        }
    }
};
constexpr HexTable hexTable;

int hexValue(char c)
{
    return hexTable.value[static_cast<unsigned char>(c)];
}

// Words whose only effect is on the character or paragraph format in force: text read
// before them keeps its own format, so they need not end the run being collected.
bool changesFormatOnly(Word word)
{
    switch (word) {
    case Word::Uc:
    case Word::Dbch:
    case Word::OtherClass:
    case Word::Af:
    case Word::Afs:
    case Word::Ab:
    case Word::Ai:
    case Word::Plain:
    case Word::Fs:
    case Word::Bold:
    case Word::Italic:
    case Word::Underline:
    case Word::UnderlineNone:
    case Word::Strike:
    case Word::Hidden:
    case Word::Super:
    case Word::Sub:
    case Word::NoSuperSub:
    case Word::Up:
    case Word::Dn:
    case Word::Cf:
    case Word::Highlight:
    case Word::Cb:
    case Word::Pard:
    case Word::Ql:
    case Word::Qc:
    case Word::Qr:
    case Word::Qj:
    case Word::Li:
    case Word::Ri:
    case Word::Fi:
    case Word::Sb:
    case Word::Sa:
    case Word::InTable:
    case Word::Itap:
        return true;
    default:
        return false;
    }
}

constexpr size_t maxFonts = 4096;
constexpr size_t maxColors = 4096;
constexpr qsizetype maxFontName = 256;

} // namespace

RtfParser::RtfParser(QByteArrayView input, RtfSink &sink)
    : m_tokenizer(input)
    , m_sink(sink)
{}

bool RtfParser::isRtf(QByteArrayView input)
{
    qsizetype i = 0;
    while (i < input.size() &&
           (input[i] == ' ' || input[i] == '\t' || input[i] == '\r' || input[i] == '\n'))
        ++i;
    return input.sliced(i).startsWith("{\\rtf");
}

RtfParser::Outcome RtfParser::parse()
{
    Outcome outcome;
    m_sink.begin(m_tables);
    m_groups.reserve(64);
    m_groups.push_back(Group{});
    outcome.isRtf = true;

    bool opened = false;
    while (!m_ended) {
        const RtfToken token = m_tokenizer.next();
        if (token.type == RtfToken::Type::End)
            break;
        const bool starred = m_starred;
        m_starred = false;

        if (m_skipNesting >= 0) {
            if (token.type == RtfToken::Type::GroupStart) {
                ++m_skipNesting;
            } else if (token.type == RtfToken::Type::GroupEnd) {
                if (m_skipNesting-- == 0 && m_skipPops)
                    groupEnd();
            }
            continue;
        }

        switch (token.type) {
        case RtfToken::Type::GroupStart:
            // The document's own outer group is the root state pushed above.
            if (!opened) {
                opened = true;
                break;
            }
            groupStart();
            break;
        case RtfToken::Type::GroupEnd:
            groupEnd();
            break;
        case RtfToken::Type::Text:
            textBytes(token.name);
            break;
        case RtfToken::Type::HexByte:
            if (m_unicodeSkipLeft > 0) {
                --m_unicodeSkipLeft;
                break;
            }
            byte(char(token.byte));
            break;
        case RtfToken::Type::Binary:
            if (m_unicodeSkipLeft > 0) {
                --m_unicodeSkipLeft;
                break;
            }
            if (m_groups.back().destination == Destination::Picture &&
                m_pictureDepth == m_groups.size() && !token.name.isEmpty()) {
                if (m_sink.wantsPictures())
                    m_picture.data.append(token.name.data(), token.name.size());
                m_pictureHasBytes = true;
            }
            break;
        case RtfToken::Type::Symbol:
            if (m_unicodeSkipLeft > 0) {
                --m_unicodeSkipLeft;
                break;
            }
            if (token.name == "*")
                m_starred = true;
            else
                symbol(token.name.front());
            break;
        case RtfToken::Type::ControlWord:
            if (m_unicodeSkipLeft > 0) {
                --m_unicodeSkipLeft;
                break;
            }
            m_starred = starred;
            controlWord(token);
            m_starred = false;
            break;
        case RtfToken::Type::End:
            break;
        }
    }

    // A truncated file ends inside its groups: close them so that a picture or
    // paragraph in progress still arrives.
    outcome.complete = m_ended && !m_tokenizer.truncatedBinary();
    if (m_skipNesting >= 0) {
        m_skipNesting = -1;
        if (m_skipPops)
            groupEnd();
    }
    while (!m_ended && m_groups.size() > 1)
        groupEnd();
    flushText();
    m_sink.end(m_groups.front().para);
    return outcome;
}

void RtfParser::groupStart()
{
    flushText();
    m_unicodeSkipLeft = 0;
    if (m_groups.size() >= size_t(maxDepth)) {
        // Too deep to be a real document: the group is stepped over with no state of its own.
        m_skipNesting = 0;
        m_skipPops = false;
        return;
    }
    m_groups.push_back(m_groups.back());
}

void RtfParser::groupEnd()
{
    flushText();
    m_unicodeSkipLeft = 0;
    const Destination destination = m_groups.back().destination;
    if (destination == Destination::FontTable)
        fontEntryEnd();
    if (destination == Destination::Picture && m_pictureDepth == m_groups.size())
        pictureEnd();
    if (m_groups.size() <= 1) {
        m_ended = true; // the document's outer group closed; what follows is not RTF
        return;
    }
    const bool leftTables =
        (destination == Destination::FontTable || destination == Destination::ColorTable);
    m_groups.pop_back();
    if (leftTables && m_groups.back().destination != destination) {
        fontEntryEnd();
        m_colorSet = false;
    }
}

void RtfParser::startSkip()
{
    flushText();
    m_groups.back().destination = Destination::Skip;
    m_skipNesting = 0;
    m_skipPops = true;
}

int RtfParser::currentCodePage() const
{
    const int index = m_groups.back().chars.font;
    if (index == m_codePageFont)
        return m_codePage;
    int codePage = m_tables.documentCodePage;
    if (const RtfFont *font = m_tables.font(index); font && font->codePage != 0)
        codePage = font->codePage;
    m_codePageFont = index;
    m_codePage = codePage;
    return codePage;
}

void RtfParser::resetChars(RtfCharState &chars) const
{
    chars = RtfCharState{};
}

void RtfParser::textBytes(QByteArrayView bytes)
{
    if (m_unicodeSkipLeft > 0) {
        const qsizetype skipped = std::min<qsizetype>(m_unicodeSkipLeft, bytes.size());
        m_unicodeSkipLeft -= int(skipped);
        bytes = bytes.sliced(skipped);
    }
    if (bytes.isEmpty())
        return;
    Group &group = m_groups.back();
    switch (group.destination) {
    case Destination::Body: {
        noteTextState();
        const int codePage = currentCodePage();
        if (!m_bytes.isEmpty() && codePage != m_bytesCodePage)
            flushBytes();
        m_bytesCodePage = codePage;
        m_bytes.append(bytes.data(), bytes.size());
        break;
    }
    case Destination::FontTable:
        for (char c : bytes) {
            if (c == ';') {
                fontEntryEnd();
            } else if (m_fontOpen || c != ' ') {
                if (!m_fontOpen)
                    fontEntryStart(m_fontIndex);
                if (m_fontBytes.size() < maxFontName)
                    m_fontBytes.append(c);
            }
        }
        break;
    case Destination::ColorTable:
        for (char c : bytes) {
            if (c == ';')
                colorEntryEnd();
        }
        break;
    case Destination::Picture: {
        if (m_pictureDepth != m_groups.size())
            break;
        QByteArray &data = m_picture.data;
        const bool wanted = m_sink.wantsPictures();
        // Hex digits in pairs; blanks and stray characters between them mean nothing.
        for (char c : bytes) {
            const int value = hexValue(c);
            if (value < 0)
                continue;
            if (m_pictureNibble < 0) {
                m_pictureNibble = value;
            } else {
                // A sink that does not want pictures only learns that there is one.
                if (wanted)
                    data.append(char(m_pictureNibble * 16 + value));
                m_pictureHasBytes = true;
                m_pictureNibble = -1;
            }
        }
        break;
    }
    case Destination::Skip:
    case Destination::Container:
        break;
    }
}

void RtfParser::byte(char c)
{
    Group &group = m_groups.back();
    if (group.destination == Destination::Body) {
        noteTextState();
        const int codePage = currentCodePage();
        if (!m_bytes.isEmpty() && codePage != m_bytesCodePage)
            flushBytes();
        m_bytesCodePage = codePage;
        m_bytes.append(c);
    } else if (group.destination == Destination::FontTable) {
        if (!m_fontOpen)
            fontEntryStart(m_fontIndex);
        if (m_fontBytes.size() < maxFontName)
            m_fontBytes.append(c);
    }
}

void RtfParser::appendChar(char16_t c)
{
    Group &group = m_groups.back();
    if (group.destination == Destination::Body) {
        noteTextState();
        flushBytes();
        m_text.append(QChar(c));
    } else if (group.destination == Destination::FontTable) {
        if (!m_fontOpen)
            fontEntryStart(m_fontIndex);
        // Decode what came before with the font's code page, then add the character.
        const int codePage = m_fontCpg           ? m_fontCpg
                             : m_fontCharsetPage ? m_fontCharsetPage
                                                 : m_tables.documentCodePage;
        m_codePages.decode(m_fontBytes, codePage, m_font.name);
        m_fontBytes.clear();
        if (m_font.name.size() < maxFontName)
            m_font.name.append(QChar(c));
    }
}

void RtfParser::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    m_codePages.decode(m_bytes, m_bytesCodePage, m_text);
    m_bytes.clear();
}

void RtfParser::flushText()
{
    flushBytes();
    if (m_text.isEmpty())
        return;
    if (m_textChars.hidden) {
        m_text.clear();
        return;
    }
    // Characters that QTextDocument gives a meaning of its own (paragraph and frame
    // marks, the object placeholder) or that no text shows are dropped.
    qsizetype out = 0;
    QChar *data = m_text.data();
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const char16_t c = data[i].unicode();
        if ((c < 0x20 && c != '\t') || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC ||
            c == 0xFFFE || c == 0xFFFF || (c >= 0x7F && c < 0xA0 && c != 0x85))
            continue;
        data[out++] = c == 0x85 ? QChar(0x2028) : QChar(c);
    }
    m_text.truncate(out);
    if (!m_text.isEmpty()) {
        m_paragraphHasContent = true;
        emitText(m_text, m_textChars, m_textPara);
    }
    m_text.clear();
}

void RtfParser::noteTextState()
{
    // Words that leave the format as it was (\uc, a repeated \f0) do not split a run: the
    // fewer runs, the faster a document is built.
    const Group &group = m_groups.back();
    if ((!m_text.isEmpty() || !m_bytes.isEmpty()) &&
        !(group.chars == m_textChars && group.para == m_textPara))
        flushText();
    m_textChars = group.chars;
    m_textPara = group.para;
}

namespace {

// The characters that word processors lay out with the "double-byte" font of a run.
bool isEastAsian(char16_t c)
{
    return (c >= 0x1100 && c < 0x1200) || (c >= 0x2E80 && c < 0xA4D0) ||
           (c >= 0xAC00 && c < 0xE000) || (c >= 0xF900 && c < 0xFB00) ||
           (c >= 0xFE30 && c < 0xFE50) || (c >= 0xFF00 && c < 0xFFF0);
}

} // namespace

void RtfParser::emitText(const QString &text, const RtfCharState &chars, const RtfParaState &para)
{
    if (chars.eastAsianFont < 0 && chars.eastAsianHalfPoints == 0) {
        m_sink.text(text, chars, para);
        return;
    }
    RtfCharState eastAsian = chars;
    // A font missing from the table (LibreOffice names some) leaves the run's own font.
    if (chars.eastAsianFont >= 0 && m_tables.fonts.contains(chars.eastAsianFont))
        eastAsian.font = chars.eastAsianFont;
    if (chars.eastAsianHalfPoints > 0)
        eastAsian.halfPoints = chars.eastAsianHalfPoints;
    if (eastAsian.font == chars.font && eastAsian.halfPoints == chars.halfPoints) {
        m_sink.text(text, chars, para);
        return;
    }
    qsizetype start = 0;
    while (start < text.size()) {
        const bool wide = isEastAsian(text[start].unicode());
        qsizetype end = start + 1;
        while (end < text.size() && isEastAsian(text[end].unicode()) == wide)
            ++end;
        const QString part =
            (start == 0 && end == text.size()) ? text : text.mid(start, end - start);
        m_sink.text(part, wide ? eastAsian : chars, para);
        start = end;
    }
}

void RtfParser::paragraphBreak()
{
    flushText();
    const Group &group = m_groups.back();
    if (group.destination != Destination::Body)
        return;
    m_sink.paragraphEnd(group.chars, group.para);
    m_paragraphHasContent = false;
}

void RtfParser::symbol(char c)
{
    switch (c) {
    case '\\':
    case '{':
    case '}':
        byte(c);
        break;
    case '~':
        appendChar(0x00A0);
        break;
    case '_':
        appendChar(0x2011);
        break;
    case '-':
        appendChar(0x00AD); // optional hyphen: shows only where a line breaks
        break;
    case '\r':
    case '\n':
        paragraphBreak();
        break;
    case '\t':
        appendChar('\t');
        break;
    default:
        // \| and \: show nothing
        break;
    }
}

void RtfParser::controlWord(const RtfToken &token)
{
    const std::optional<Word> found = lookup(token.name);
    if (!found) {
        if (m_starred)
            startSkip(); // an ignorable destination this reader does not know
        return;
    }
    const Word word = *found;
    if (m_starred && word != Word::ShpPict) {
        startSkip();
        return;
    }

    Group &group = m_groups.back();
    RtfCharState &chars = group.chars;
    RtfParaState &para = group.para;
    const int param = token.param;

    // A picture holds no text, and what stands in it must not change the document: a
    // reader that steps over pictures unread has to arrive at the same text.
    if (group.destination == Destination::Picture &&
        (word < Word::PngBlip || word > Word::WbmWidthBytes) && word != Word::Pict)
        return;

    // Words that add text keep the run going; every other word may change the format.
    switch (word) {
    case Word::U: {
        const int value = param < 0 ? param + 65536 : param;
        appendChar(char16_t(std::clamp(value, 0, 0xFFFF)));
        m_unicodeSkipLeft = group.unicodeSkip;
        return;
    }
    case Word::Tab:
        appendChar('\t');
        return;
    case Word::Line:
        appendChar(0x2028);
        return;
    case Word::EmDash:
        appendChar(0x2014);
        return;
    case Word::EnDash:
        appendChar(0x2013);
        return;
    case Word::EmSpace:
        appendChar(0x2003);
        return;
    case Word::EnSpace:
        appendChar(0x2002);
        return;
    case Word::QmSpace:
        appendChar(0x2005);
        return;
    case Word::Bullet:
        appendChar(0x2022);
        return;
    case Word::LQuote:
        appendChar(0x2018);
        return;
    case Word::RQuote:
        appendChar(0x2019);
        return;
    case Word::LDblQuote:
        appendChar(0x201C);
        return;
    case Word::RDblQuote:
        appendChar(0x201D);
        return;
    case Word::Zwj:
        appendChar(0x200D);
        return;
    case Word::Zwnj:
        appendChar(0x200C);
        return;
    case Word::LtrMark:
        appendChar(0x200E);
        return;
    case Word::RtlMark:
        appendChar(0x200F);
        return;
    default:
        break;
    }

    if (!changesFormatOnly(word))
        flushText();
    if (word <= Word::Deff)
        m_codePageFont = -2; // the document's code page or default font changes
    switch (word) {
    case Word::Ansi:
        m_tables.documentCodePage = 1252;
        break;
    case Word::Mac:
        m_tables.documentCodePage = 10000;
        break;
    case Word::Pc:
        m_tables.documentCodePage = 437;
        break;
    case Word::Pca:
        m_tables.documentCodePage = 850;
        break;
    case Word::AnsiCpg:
        m_tables.documentCodePage = param > 0 && param < 100000 ? param : 1252;
        break;
    case Word::Deff:
        m_tables.defaultFont = param;
        break;
    case Word::Uc:
        group.unicodeSkip = std::clamp(param, 0, 64);
        break;
    case Word::Dbch:
        group.doubleByte = true;
        break;
    case Word::OtherClass:
        group.doubleByte = false;
        break;
    case Word::Af:
        if (group.doubleByte)
            chars.eastAsianFont = param;
        break;
    case Word::Afs:
        if (group.doubleByte)
            chars.eastAsianHalfPoints = param > 0 ? std::min(param, 3276) : 0;
        break;
    case Word::Ab:
        // LibreOffice makes Chinese text bold or italic with the associated words of a
        // run that holds only double-byte text.
        if (group.doubleByte)
            chars.bold = onUnlessZero(token);
        break;
    case Word::Ai:
        if (group.doubleByte)
            chars.italic = onUnlessZero(token);
        break;

    case Word::FontTable:
        group.destination = Destination::FontTable;
        break;
    case Word::ColorTable:
        group.destination = Destination::ColorTable;
        m_colorSet = false;
        break;
    case Word::Pict:
        if (group.destination != Destination::Body) {
            startSkip(); // only pictures in the text show
            break;
        }
        group.destination = Destination::Picture;
        m_picture = Picture{};
        m_pictureHasBytes = false;
        m_pictureKnown = false;
        m_pictureDepth = m_groups.size();
        m_pictureNibble = -1;
        break;
    case Word::ShpPict:
        break; // its \pict is the picture to show
    case Word::NonShpPict:
    case Word::FieldInstruction:
    case Word::SkippedDestination:
        startSkip();
        break;
    case Word::Object:
    case Word::Shp:
        group.destination = Destination::Container;
        break;
    case Word::Result:
    case Word::ShpResult:
    case Word::FieldResult:
    case Word::ListText:
        if (group.destination == Destination::Container)
            group.destination = Destination::Body;
        break;

    case Word::F:
        if (group.destination == Destination::FontTable)
            fontEntryStart(param);
        else
            chars.font = param;
        break;
    case Word::FCharset:
        if (group.destination == Destination::FontTable) {
            if (!m_fontOpen)
                fontEntryStart(m_fontIndex);
            m_fontCharsetPage = CodePage::fromCharset(param);
        }
        break;
    case Word::Cpg:
        if (group.destination == Destination::FontTable) {
            if (!m_fontOpen)
                fontEntryStart(m_fontIndex);
            m_fontCpg = param > 0 && param < 100000 ? param : 0;
        }
        break;
    case Word::Red:
    case Word::Green:
    case Word::Blue:
        if (group.destination == Destination::ColorTable) {
            const int value = std::clamp(param, 0, 255);
            (word == Word::Red ? m_red : word == Word::Green ? m_green : m_blue) = value;
            m_colorSet = true;
        }
        break;

    case Word::Plain:
        resetChars(chars);
        break;
    case Word::Fs:
        chars.halfPoints = param > 0 ? std::min(param, 3276) : 24;
        break;
    case Word::Bold:
        chars.bold = onUnlessZero(token);
        break;
    case Word::Italic:
        chars.italic = onUnlessZero(token);
        break;
    case Word::Underline:
        chars.underline = onUnlessZero(token);
        break;
    case Word::UnderlineNone:
        chars.underline = false;
        break;
    case Word::Strike:
        chars.strike = onUnlessZero(token);
        break;
    case Word::Hidden:
        chars.hidden = onUnlessZero(token);
        break;
    case Word::Super:
        chars.valign = RtfCharState::VAlign::Super;
        break;
    case Word::Sub:
        chars.valign = RtfCharState::VAlign::Sub;
        break;
    case Word::NoSuperSub:
        chars.valign = RtfCharState::VAlign::Normal;
        break;
    case Word::Up:
        chars.valign =
            onUnlessZero(token) ? RtfCharState::VAlign::Super : RtfCharState::VAlign::Normal;
        break;
    case Word::Dn:
        chars.valign =
            onUnlessZero(token) ? RtfCharState::VAlign::Sub : RtfCharState::VAlign::Normal;
        break;
    case Word::Cf:
        chars.foreground = std::max(param, 0);
        break;
    case Word::Highlight:
    case Word::Cb:
        chars.background = std::max(param, 0);
        break;

    case Word::Pard:
        para = RtfParaState{};
        break;
    case Word::Par:
    case Word::NestCell:
    case Word::NestRow:
        paragraphBreak();
        break;
    case Word::Sect:
    case Word::Page:
        // A break between pages or sections ends the paragraph it is in, if any.
        if (m_paragraphHasContent)
            paragraphBreak();
        break;
    case Word::Ql:
        para.align = RtfParaState::Align::Left;
        break;
    case Word::Qc:
        para.align = RtfParaState::Align::Center;
        break;
    case Word::Qr:
        para.align = RtfParaState::Align::Right;
        break;
    case Word::Qj:
        para.align = RtfParaState::Align::Justify;
        break;
    case Word::Li:
        para.leftIndent = twips(token);
        break;
    case Word::Ri:
        para.rightIndent = twips(token);
        break;
    case Word::Fi:
        para.firstIndent = twips(token);
        break;
    case Word::Sb:
        para.spaceBefore = std::max(twips(token), 0);
        break;
    case Word::Sa:
        para.spaceAfter = std::max(twips(token), 0);
        break;
    case Word::InTable:
        para.inTable = onUnlessZero(token);
        break;
    case Word::Itap:
        para.inTable = param > 0;
        break;

    case Word::Trowd:
        m_tables.cellEdges.clear();
        break;
    case Word::Cellx:
        if (m_tables.cellEdges.size() < size_t(RtfTable::maxColumns))
            m_tables.cellEdges.push_back(twips(token));
        break;
    case Word::Cell:
        if (group.destination == Destination::Body) {
            m_sink.cellEnd(para);
            m_paragraphHasContent = false;
        }
        break;
    case Word::Row:
        if (group.destination == Destination::Body)
            m_sink.rowEnd();
        break;

    case Word::PngBlip:
    case Word::JpegBlip:
    case Word::EmfBlip:
    case Word::WMetafile:
    case Word::DiBitmap:
    case Word::WBitmap:
    case Word::MacPict:
    case Word::PmMetafile:
        if (group.destination == Destination::Picture) {
            using F = Picture::Format;
            static constexpr F formats[] = {F::Png, F::Jpeg, F::Emf,     F::Wmf,
                                            F::Dib, F::Ddb,  F::MacPict, F::PmMetafile};
            m_picture.format = formats[int(word) - int(Word::PngBlip)];
            m_picture.formatParam = std::clamp(param, -65535, 65535);
            m_pictureKnown = true;
        }
        break;
    case Word::PicW:
    case Word::PicH:
    case Word::PicWGoal:
    case Word::PicHGoal:
        if (group.destination == Destination::Picture) {
            const int value = std::clamp(param, 0, 1000000);
            switch (word) {
            case Word::PicW:
                m_picture.native.setWidth(value);
                break;
            case Word::PicH:
                m_picture.native.setHeight(value);
                break;
            case Word::PicWGoal:
                m_picture.goal.setWidth(std::min(value, 31680 * 4));
                break;
            default:
                m_picture.goal.setHeight(std::min(value, 31680 * 4));
                break;
            }
        }
        break;
    case Word::PicScaleX:
    case Word::PicScaleY:
        if (group.destination == Destination::Picture)
            (word == Word::PicScaleX ? m_picture.scaleX : m_picture.scaleY) =
                param > 0 ? std::min(param, 1000) : 100;
        break;
    case Word::WbmBitsPixel:
        if (group.destination == Destination::Picture)
            m_picture.bitsPerPixel = std::clamp(param, 0, 64);
        break;
    case Word::WbmWidthBytes:
        if (group.destination == Destination::Picture)
            m_picture.widthBytes = std::clamp(param, 0, 1 << 20);
        break;
    default:
        break;
    }
}

void RtfParser::fontEntryStart(int index)
{
    if (m_fontOpen)
        fontEntryEnd();
    m_fontOpen = true;
    m_fontIndex = index;
    m_font = RtfFont{};
    m_fontBytes.clear();
    m_fontCharsetPage = 0;
    m_fontCpg = 0;
}

void RtfParser::fontEntryEnd()
{
    if (!m_fontOpen)
        return;
    m_fontOpen = false;
    const int codePage = m_fontCpg           ? m_fontCpg
                         : m_fontCharsetPage ? m_fontCharsetPage
                                             : m_tables.documentCodePage;
    m_codePages.decode(m_fontBytes, codePage, m_font.name);
    m_fontBytes.clear();
    m_font.name = m_font.name.trimmed().left(maxFontName);
    m_font.codePage = m_fontCpg ? m_fontCpg : m_fontCharsetPage;
    if (m_font.name.isEmpty() && m_font.codePage == 0)
        return;
    m_codePageFont = -2;
    // The first entry for a number wins, as in the programs that write these files.
    if (m_tables.fonts.size() < qsizetype(maxFonts) && !m_tables.fonts.contains(m_fontIndex))
        m_tables.fonts.insert(m_fontIndex, m_font);
}

void RtfParser::colorEntryEnd()
{
    if (m_tables.colors.size() < maxColors)
        m_tables.colors.push_back(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
    m_red = m_green = m_blue = 0;
    m_colorSet = false;
}

void RtfParser::pictureEnd()
{
    m_pictureDepth = 0;
    if (!m_pictureKnown || !m_pictureHasBytes) {
        m_picture = Picture{};
        return;
    }
    const Group &group = m_groups.back();
    m_paragraphHasContent = true;
    m_sink.picture(m_picture, group.para);
    m_picture = Picture{};
}

} // namespace richtext

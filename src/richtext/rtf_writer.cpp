// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_writer.h"

#include "picture.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace richtext {

namespace {

constexpr int tableWidthTwips = 9000;

int twips(double pixels)
{
    return int(std::lround(std::clamp(pixels, -100000.0, 100000.0) * 15.0));
}

bool isCjkFontName(const QString &name)
{
    for (QChar c : name) {
        if (c.unicode() >= 0x80)
            return true;
    }
    static const char *const names[] = {
        "SimSun",         "NSimSun",   "SimHei",   "KaiTi",      "FangSong",  "Microsoft YaHei",
        "DengXian",       "MingLiU",   "PMingLiU", "MS Mincho",  "MS Gothic", "Noto Sans CJK",
        "Noto Serif CJK", "WenQuanYi", "AR PL",    "Source Han",
    };
    for (const char *known : names) {
        if (name.startsWith(QLatin1StringView(known), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString familyOf(const QTextCharFormat &format, const QString &fallback)
{
    const QVariant families = format.property(QTextFormat::FontFamilies);
    if (families.isValid()) {
        const QStringList list = families.toStringList();
        if (!list.isEmpty() && !list.front().isEmpty())
            return list.front();
    }
    return fallback;
}

class Writer
{
public:
    explicit Writer(const QTextDocument &document)
        : m_document(document)
        , m_gbk("GBK", QStringConverter::Flag::Stateless)
    {
        m_defaultFont = document.defaultFont().family();
        if (m_defaultFont.isEmpty())
            m_defaultFont = QStringLiteral("SimSun");
        const double size = document.defaultFont().pointSizeF();
        m_defaultHalfPoints = size > 0 ? int(std::lround(size * 2)) : 24;
    }

    QByteArray write()
    {
        collectTables();
        m_out.reserve(4096);
        m_out += "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052";
        writeFontTable();
        writeColorTable();
        m_out += "\\viewkind4\\uc1\r\n";
        writeFrame(m_document.rootFrame());
        m_out += "}\r\n";
        return m_out;
    }

private:
    void collectTables()
    {
        fontIndex(m_defaultFont);
        m_colors.push_back(QColor()); // entry 0: automatic
        // Formats are shared by index: each distinct one is looked at once.
        std::unordered_map<int, bool> seen;
        const auto collect = [&](int index, const QTextCharFormat &format) {
            if (seen.emplace(index, true).second)
                collectFormat(format);
        };
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            collect(block.charFormatIndex(), block.charFormat());
            for (auto it = block.begin(); !it.atEnd(); ++it)
                collect(it.fragment().charFormatIndex(), it.fragment().charFormat());
        }
    }

    void collectFormat(const QTextCharFormat &format)
    {
        fontIndex(familyOf(format, m_defaultFont));
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            colorIndex(format.foreground());
        if (format.hasProperty(QTextFormat::BackgroundBrush))
            colorIndex(format.background());
    }

    int fontIndex(const QString &family)
    {
        const auto it = m_fontIndex.constFind(family);
        if (it != m_fontIndex.cend())
            return *it;
        const int index = int(m_fonts.size());
        m_fonts.push_back(family);
        m_fontIndex.insert(family, index);
        return index;
    }

    int colorIndex(const QBrush &brush)
    {
        if (brush.style() == Qt::NoBrush || !brush.color().isValid())
            return 0;
        const QRgb rgb = brush.color().rgb() & 0xFFFFFF;
        const auto it = m_colorIndex.constFind(rgb);
        if (it != m_colorIndex.cend())
            return *it;
        const int index = int(m_colors.size());
        m_colors.push_back(QColor(rgb));
        m_colorIndex.insert(rgb, index);
        return index;
    }

    void writeFontTable()
    {
        m_out += "{\\fonttbl";
        for (size_t i = 0; i < m_fonts.size(); ++i) {
            const QString &name = m_fonts[i];
            m_out += "{\\f" + QByteArray::number(qulonglong(i)) + "\\fnil\\fcharset" +
                     (isCjkFontName(name) ? "134 " : "0 ");
            // Font names are code-page text; a name GBK cannot hold goes as \uN.
            m_out += escapedText(name, EscapeMode::FontName);
            m_out += ";}";
        }
        m_out += "}\r\n";
    }

    void writeColorTable()
    {
        m_out += "{\\colortbl;";
        for (size_t i = 1; i < m_colors.size(); ++i) {
            const QColor &c = m_colors[i];
            m_out += "\\red" + QByteArray::number(c.red()) + "\\green" +
                     QByteArray::number(c.green()) + "\\blue" + QByteArray::number(c.blue()) + ';';
        }
        m_out += "}\r\n";
    }

    void writeFrame(const QTextFrame *frame)
    {
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (QTextFrame *child = it.currentFrame()) {
                if (auto *table = qobject_cast<QTextTable *>(child))
                    writeTable(table);
                else
                    writeFrame(child);
            } else {
                const QTextBlock block = it.currentBlock();
                if (block.isValid())
                    writeParagraph(block, false, "\\par");
            }
        }
    }

    void writeTable(const QTextTable *table)
    {
        const int rows = table->rows();
        const int columns = table->columns();
        std::vector<int> edges(static_cast<size_t>(columns));
        const QList<QTextLength> widths = table->format().columnWidthConstraints();
        int edge = 0;
        for (int c = 0; c < columns; ++c) {
            int width = tableWidthTwips / std::max(columns, 1);
            if (c < widths.size() && widths[c].type() == QTextLength::FixedLength)
                width = std::max(twips(widths[c].rawValue()), 15);
            edge += width;
            edges[size_t(c)] = edge;
        }
        for (int r = 0; r < rows; ++r) {
            m_out += "\\trowd\\trgaph108\\trleft0";
            for (int c = 0; c < columns; ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (cell.column() != c)
                    continue; // covered by a cell spanning from the left
                if (cell.row() != r)
                    m_out += "\\clvmrg";
                else if (cell.rowSpan() > 1)
                    m_out += "\\clvmgf";
                m_out += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                         "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx";
                m_out += QByteArray::number(edges[size_t(c + cell.columnSpan() - 1)]);
            }
            m_out += "\r\n";
            for (int c = 0; c < columns; ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (cell.column() != c)
                    continue;
                if (cell.row() != r) {
                    m_out += "\\pard\\intbl\\cell\r\n";
                    continue;
                }
                writeCell(cell);
            }
            m_out += "\\row\r\n";
        }
    }

    void writeCell(const QTextTableCell &cell)
    {
        // Paragraphs of a cell end with \par, its last with \cell; a table inside a
        // cell is written as the paragraphs of its cells.
        std::vector<QTextBlock> blocks;
        for (QTextBlock block = cell.firstCursorPosition().block(); block.isValid();
             block = block.next()) {
            if (block.position() > cell.lastPosition())
                break;
            blocks.push_back(block);
        }
        if (blocks.empty()) {
            m_out += "\\pard\\intbl\\cell\r\n";
            return;
        }
        for (size_t i = 0; i < blocks.size(); ++i)
            writeParagraph(blocks[i], true, i + 1 == blocks.size() ? "\\cell" : "\\par");
    }

    void writeParagraph(const QTextBlock &block, bool inTable, const char *end)
    {
        const QTextBlockFormat format = block.blockFormat();
        m_out += "\\pard\\plain";
        if (inTable)
            m_out += "\\intbl";
        const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignHCenter)
            m_out += "\\qc";
        else if (align & Qt::AlignRight)
            m_out += "\\qr";
        else if (align & Qt::AlignJustify)
            m_out += "\\qj";
        else
            m_out += "\\ql";
        lengthWord("\\li", format.leftMargin());
        lengthWord("\\ri", format.rightMargin());
        lengthWord("\\fi", format.textIndent());
        lengthWord("\\sb", format.topMargin());
        lengthWord("\\sa", format.bottomMargin());

        bool empty = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            empty = false;
            const QTextCharFormat charFormat = fragment.charFormat();
            if (charFormat.isImageFormat()) {
                const int count = int(fragment.text().count(QChar::ObjectReplacementCharacter));
                for (int i = 0; i < std::max(count, 1); ++i)
                    writeImage(charFormat.toImageFormat());
                continue;
            }
            m_out += '{';
            writeCharFormat(fragment.charFormatIndex(), charFormat);
            m_out += ' ';
            m_out += escapedText(fragment.text(), EscapeMode::Body);
            m_out += '}';
        }
        if (empty) {
            // An empty paragraph still has a height, which its mark's format gives.
            writeCharFormat(block.charFormatIndex(), block.charFormat());
            m_out += ' ';
        }
        m_out += end;
        m_out += "\r\n";
    }

    void lengthWord(const char *word, double pixels)
    {
        const int value = twips(pixels);
        if (value == 0)
            return;
        m_out += word;
        m_out += QByteArray::number(value);
    }

    void writeCharFormat(int index, const QTextCharFormat &format)
    {
        const auto it = m_formatWords.find(index);
        if (it != m_formatWords.end()) {
            m_out += it->second;
            return;
        }
        const qsizetype start = m_out.size();
        writeCharFormat(format);
        m_formatWords.emplace(index, m_out.sliced(start));
    }

    void writeCharFormat(const QTextCharFormat &format)
    {
        m_out += "\\f" + QByteArray::number(fontIndex(familyOf(format, m_defaultFont)));
        const double points = format.fontPointSize();
        m_out += "\\fs" + QByteArray::number(points > 0
                                                 ? std::clamp(int(std::lround(points * 2)), 2, 3276)
                                                 : m_defaultHalfPoints);
        if (format.fontWeight() >= QFont::DemiBold)
            m_out += "\\b";
        if (format.fontItalic())
            m_out += "\\i";
        if (format.fontUnderline())
            m_out += "\\ul";
        if (format.fontStrikeOut())
            m_out += "\\strike";
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            m_out += "\\super";
        else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            m_out += "\\sub";
        if (format.hasProperty(QTextFormat::ForegroundBrush)) {
            if (const int index = colorIndex(format.foreground()))
                m_out += "\\cf" + QByteArray::number(index);
        }
        if (format.hasProperty(QTextFormat::BackgroundBrush)) {
            if (const int index = colorIndex(format.background()))
                m_out += "\\highlight" + QByteArray::number(index);
        }
    }

    enum class EscapeMode { Body, FontName };

    QByteArray escapedText(QStringView text, EscapeMode mode)
    {
        QByteArray out;
        out.reserve(text.size() + 16);
        int unicodeSkip = 1;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c < 0x80) {
                switch (c) {
                case '\\':
                case '{':
                case '}':
                    out += '\\';
                    out += char(c);
                    break;
                case '\t':
                    out += "\\tab ";
                    break;
                default:
                    if (c >= 0x20 && c != 0x7F)
                        out += char(c);
                    break;
                }
                continue;
            }
            if (mode == EscapeMode::Body) {
                switch (c) {
                case 0x2028:
                case 0x2029:
                    out += "\\line ";
                    continue;
                case 0x00A0:
                    out += "\\~";
                    continue;
                case 0x00AD:
                    out += "\\-";
                    continue;
                case 0x2011:
                    out += "\\_";
                    continue;
                case 0xFFFC:
                case 0xFDD0:
                case 0xFDD1:
                    continue;
                default:
                    break;
                }
            }
            const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                              QChar::isLowSurrogate(text[i + 1].unicode());
            QByteArray fallback = pair ? QByteArray("?") : fallbackBytes(c);
            if (mode == EscapeMode::FontName && !pair && fallback != "?") {
                appendHex(out, fallback); // names are read in the font's code page
                continue;
            }
            const int skip = int(fallback.size());
            if (skip != unicodeSkip) {
                out += "\\uc" + QByteArray::number(skip);
                unicodeSkip = skip;
            }
            unicodeWord(out, c, fallback);
            if (pair) {
                ++i;
                unicodeWord(out, text[i].unicode(), fallback);
            }
        }
        if (unicodeSkip != 1 && mode == EscapeMode::FontName)
            out += "\\uc1";
        return out;
    }

    static void appendHex(QByteArray &out, const QByteArray &bytes)
    {
        static const char digits[] = "0123456789abcdef";
        for (char b : bytes) {
            const auto v = static_cast<unsigned char>(b);
            out += "\\'";
            out += digits[v >> 4];
            out += digits[v & 15];
        }
    }

    static void unicodeWord(QByteArray &out, char16_t c, const QByteArray &fallback)
    {
        out += "\\u" + QByteArray::number(c > 0x7FFF ? int(c) - 0x10000 : int(c));
        if (fallback == "?")
            out += '?';
        else
            appendHex(out, fallback);
    }

    QByteArray fallbackBytes(char16_t c)
    {
        const auto it = m_fallbacks.find(c);
        if (it != m_fallbacks.end())
            return it->second;
        QByteArray bytes;
        if (!QChar::isSurrogate(c)) {
            const QChar ch(c);
            bytes = m_gbk.encode(QStringView(&ch, 1));
            if (m_gbk.hasError() || bytes.isEmpty())
                bytes = "?";
            m_gbk.resetState();
        } else {
            bytes = "?";
        }
        m_fallbacks.emplace(c, bytes);
        return bytes;
    }

    void writeImage(const QTextImageFormat &format)
    {
        const QString name = format.name();
        std::optional<Picture> picture = Picture::find(m_document, name);
        QSize pixelSize;
        if (!picture) {
            const QVariant resource = m_document.resource(QTextDocument::ImageResource, QUrl(name));
            QImage image;
            if (resource.userType() == QMetaType::QByteArray) {
                picture = Picture::fromEncodedImage(resource.toByteArray());
                if (!picture)
                    image.loadFromData(resource.toByteArray());
            } else if (resource.userType() == QMetaType::QImage) {
                image = resource.value<QImage>();
            } else if (resource.userType() == QMetaType::QPixmap) {
                image = resource.value<QPixmap>().toImage();
            }
            if (!picture && !image.isNull())
                picture = Picture::fromImage(image);
            if (!picture)
                return; // nothing to write: the picture was never in the document
            QImage shown;
            if (picture->native.isEmpty() && shown.loadFromData(picture->data))
                picture->native = shown.size();
        }

        // The goal size is the size shown; unchanged sizes keep the file's own numbers.
        const QSizeF shown = picture->displaySize();
        QSize goal = picture->goal;
        int scaleX = picture->scaleX;
        int scaleY = picture->scaleY;
        const double width = format.width() > 0 ? format.width() : shown.width();
        const double height = format.height() > 0 ? format.height() : shown.height();
        if (goal.isEmpty() || std::abs(width - shown.width()) > 0.5 ||
            std::abs(height - shown.height()) > 0.5) {
            goal = QSize(twips(width), twips(height));
            scaleX = scaleY = 100;
        }
        pixelSize = picture->native;

        m_out += "{\\pict";
        switch (picture->format) {
        case Picture::Format::Png:
            m_out += "\\pngblip";
            break;
        case Picture::Format::Jpeg:
            m_out += "\\jpegblip";
            break;
        case Picture::Format::Emf:
            m_out += "\\emfblip";
            break;
        case Picture::Format::Wmf:
            m_out += "\\wmetafile" + QByteArray::number(picture->formatParam);
            break;
        case Picture::Format::Dib:
            m_out += "\\dibitmap" + QByteArray::number(picture->formatParam);
            break;
        case Picture::Format::Ddb:
            m_out += "\\wbitmap" + QByteArray::number(picture->formatParam);
            break;
        case Picture::Format::MacPict:
            m_out += "\\macpict";
            break;
        case Picture::Format::PmMetafile:
            m_out += "\\pmmetafile" + QByteArray::number(picture->formatParam);
            break;
        }
        if (picture->bitsPerPixel > 0)
            m_out += "\\wbmbitspixel" + QByteArray::number(picture->bitsPerPixel);
        if (picture->widthBytes > 0)
            m_out += "\\wbmwidthbytes" + QByteArray::number(picture->widthBytes);
        if (pixelSize.width() > 0 && pixelSize.height() > 0) {
            m_out += "\\picw" + QByteArray::number(pixelSize.width()) + "\\pich" +
                     QByteArray::number(pixelSize.height());
        }
        m_out += "\\picwgoal" + QByteArray::number(goal.width()) + "\\pichgoal" +
                 QByteArray::number(goal.height());
        if (scaleX != 100)
            m_out += "\\picscalex" + QByteArray::number(scaleX);
        if (scaleY != 100)
            m_out += "\\picscaley" + QByteArray::number(scaleY);
        m_out += "\r\n";
        const QByteArray hex = picture->data.toHex();
        for (qsizetype i = 0; i < hex.size(); i += 128) {
            m_out += QByteArrayView(hex).sliced(i, std::min<qsizetype>(128, hex.size() - i));
            m_out += "\r\n";
        }
        m_out += '}';
    }

    const QTextDocument &m_document;
    QStringEncoder m_gbk;
    QByteArray m_out;
    QString m_defaultFont;
    int m_defaultHalfPoints = 24;
    std::vector<QString> m_fonts;
    QHash<QString, int> m_fontIndex;
    std::vector<QColor> m_colors;
    QHash<QRgb, int> m_colorIndex;
    std::unordered_map<char16_t, QByteArray> m_fallbacks;
    std::unordered_map<int, QByteArray> m_formatWords; ///< control words of each format index
};

} // namespace

QByteArray RtfWriter::write(const QTextDocument &document)
{
    return Writer(document).write();
}

QByteArray RtfWriter::emptyDocument()
{
    return QByteArrayLiteral("{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
                             "{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}\r\n"
                             "{\\colortbl;}\r\n"
                             "\\viewkind4\\uc1\r\n"
                             "\\pard\\plain\\ql\\f0\\fs24 \\par\r\n"
                             "}\r\n");
}

} // namespace richtext

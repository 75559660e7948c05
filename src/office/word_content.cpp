// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_content.h"

#include "xml.h"

#include "richtext/document_builder.h"
#include "richtext/picture.h"
#include "richtext/picture_decoder.h"
#include "richtext/rtf_parser.h"
#include "richtext/rtf_sink.h"
#include "richtext/rtf_table.h"
#include "store/text_codec.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QHash>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace office {

namespace {

const char *const drawingTemplate =
    "<w:r xmlns:w='http://schemas.openxmlformats.org/wordprocessingml/2006/main' "
    "xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/relationships' "
    "xmlns:wp='http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing'>"
    "<w:drawing><wp:inline distT='0' distB='0' distL='0' distR='0'>"
    "<wp:extent cx='0' cy='0'/><wp:effectExtent l='0' t='0' r='0' b='0'/>"
    "<wp:docPr id='0' name='Picture'/>"
    "<wp:cNvGraphicFramePr><a:graphicFrameLocks "
    "xmlns:a='http://schemas.openxmlformats.org/drawingml/2006/main' noChangeAspect='1'/>"
    "</wp:cNvGraphicFramePr>"
    "<a:graphic xmlns:a='http://schemas.openxmlformats.org/drawingml/2006/main'>"
    "<a:graphicData uri='http://schemas.openxmlformats.org/drawingml/2006/picture'>"
    "<pic:pic xmlns:pic='http://schemas.openxmlformats.org/drawingml/2006/picture'>"
    "<pic:nvPicPr><pic:cNvPr id='0' name='Picture'/><pic:cNvPicPr/></pic:nvPicPr>"
    "<pic:blipFill><a:blip r:embed=''/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>"
    "<pic:spPr><a:xfrm><a:off x='0' y='0'/><a:ext cx='0' cy='0'/></a:xfrm>"
    "<a:prstGeom prst='rect'><a:avLst/></a:prstGeom></pic:spPr>"
    "</pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>";

bool isCjkCodePage(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

bool hasWideCharacters(const QString &name)
{
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() >= 0x2E80; });
}

std::string hexColor(const QColor &color)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", color.red(), color.green(), color.blue());
    return text;
}

void setNumber(pugi::xml_attribute attribute, qint64 value)
{
    attribute.set_value(static_cast<long long>(value));
}

} // namespace

struct WordContent::Xml
{
    pugi::xml_document document;
    pugi::xml_node root;
    pugi::xml_document drawing;
};

// Builds WordprocessingML from what the RTF parser reads.
class WordContentBuilder final : public richtext::RtfSink
{
public:
    WordContentBuilder(WordContent &content, qsizetype inputSize)
        : m_content(content)
        , m_container(content.m_xml->root)
        , m_pixelsLeft(richtext::DocumentBuilder::pixelBudget(inputSize))
    {}

    void begin(const richtext::RtfTables &tables) override { m_tables = &tables; }

    void text(const QString &text, const richtext::RtfCharState &chars,
              const richtext::RtfParaState &para) override
    {
        if (chars.hidden)
            return;
        enter(para.inTable);
        pugi::xml_node run = paragraph().append_child("w:r");
        runProperties(run, chars);
        appendRunText(run, text);
    }

    void paragraphEnd(const richtext::RtfCharState &chars,
                      const richtext::RtfParaState &para) override
    {
        enter(para.inTable);
        closeParagraph(para, &chars);
    }

    void cellEnd(const richtext::RtfParaState &para) override
    {
        enter(true);
        closeParagraph(para, nullptr);
        if (m_table.isOpen()) {
            m_table.cellEnd();
            m_container = pugi::xml_node();
        }
    }

    void rowEnd() override
    {
        if (m_table.isOpen())
            closeRow();
        m_table.rowEnd();
    }

    void picture(const richtext::Picture &picture, const richtext::RtfParaState &para) override
    {
        enter(para.inTable);
        appendPicture(picture);
    }

    bool wantsPictures() const override { return true; }

    void end(const richtext::RtfParaState &para) override
    {
        if (m_paragraph)
            closeParagraph(para, nullptr);
        if (m_table.close())
            closeTable();
    }

private:
    struct Row
    {
        pugi::xml_node node;
        std::vector<int> edges;
        std::vector<pugi::xml_node> cells;
    };

    void enter(bool inTable)
    {
        const richtext::RtfTable::Step step = m_table.enter(inTable, m_tables->cellEdges);
        if (step.leaves)
            closeTable();
        if (step.opens)
            m_tableNode = m_content.m_xml->root.append_child("w:tbl");
        if (step.startsRow)
            m_rows.push_back(Row{m_tableNode.append_child("w:tr"), m_tables->cellEdges, {}});
        if (!step.entersCell)
            return;
        // A paragraph begun outside the cell ends there.
        if (m_paragraph)
            closeParagraph({}, nullptr);
        Row &row = m_rows.back();
        while (int(row.cells.size()) < m_table.rowCells()) {
            row.cells.push_back(row.node.append_child("w:tc"));
            row.cells.back().append_child("w:tcPr");
        }
        m_container = row.cells[size_t(m_table.column())];
        // A cell beyond the last starts a paragraph of its own there, unless the last
        // one is empty.
        if (pugi::xml_node last = m_container.last_child();
            step.joins && QLatin1StringView(last.name()) == u"w:p" && !last.child("w:r"))
            m_container.remove_child(last);
    }

    void closeRow()
    {
        if (m_paragraph)
            closeParagraph({}, nullptr);
        for (pugi::xml_node cell : m_rows.back().cells) {
            if (!cell.child("w:p"))
                cell.append_child("w:p");
        }
        m_container = pugi::xml_node();
    }

    void closeTable()
    {
        closeRow();
        layOutTable();
        m_rows.clear();
        m_container = m_content.m_xml->root;
    }

    // The grid is every cell edge of every row; a cell spans the grid columns between
    // its edges, so rows with other cell widths line up as they did in the document.
    void layOutTable()
    {
        std::vector<std::vector<std::pair<int, int>>> spans;
        std::vector<int> grid{0};
        for (const Row &row : m_rows) {
            spans.push_back(richtext::RtfTable::cellBounds(row.edges, int(row.cells.size())));
            for (const auto &[left, right] : spans.back())
                grid.push_back(right);
        }
        std::sort(grid.begin(), grid.end());
        grid.erase(std::unique(grid.begin(), grid.end()), grid.end());

        pugi::xml_node properties = m_tableNode.prepend_child("w:tblPr");
        pugi::xml_node width = properties.append_child("w:tblW");
        width.append_attribute("w:w") = 0;
        width.append_attribute("w:type") = "auto";
        pugi::xml_node borders = properties.append_child("w:tblBorders");
        for (const char *side :
             {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
            pugi::xml_node border = borders.append_child(side);
            border.append_attribute("w:val") = "single";
            border.append_attribute("w:sz") = 4;
            border.append_attribute("w:space") = 0;
            border.append_attribute("w:color") = "auto";
        }
        properties.append_child("w:tblLayout").append_attribute("w:type") = "fixed";
        pugi::xml_node gridNode = m_tableNode.insert_child_after("w:tblGrid", properties);
        for (size_t i = 1; i < grid.size(); ++i)
            gridNode.append_child("w:gridCol").append_attribute("w:w") = grid[i] - grid[i - 1];

        for (size_t r = 0; r < m_rows.size(); ++r) {
            for (size_t c = 0; c < m_rows[r].cells.size(); ++c) {
                const auto [left, right] = spans[r][c];
                pugi::xml_node tcPr = m_rows[r].cells[c].child("w:tcPr");
                pugi::xml_node tcW = tcPr.append_child("w:tcW");
                tcW.append_attribute("w:w") = right - left;
                tcW.append_attribute("w:type") = "dxa";
                const auto first = std::upper_bound(grid.begin(), grid.end(), left);
                const auto last = std::upper_bound(grid.begin(), grid.end(), right);
                const long span = long(last - first);
                if (span > 1)
                    tcPr.append_child("w:gridSpan").append_attribute("w:val") = span;
            }
        }
    }

    pugi::xml_node paragraph()
    {
        if (!m_paragraph) {
            if (!m_container)
                m_container = m_content.m_xml->root;
            m_paragraph = m_container.append_child("w:p");
        }
        return m_paragraph;
    }

    void closeParagraph(const richtext::RtfParaState &para, const richtext::RtfCharState *chars)
    {
        pugi::xml_node p = paragraph();
        pugi::xml_node properties = p.prepend_child("w:pPr");
        if (para.spaceBefore > 0 || para.spaceAfter > 0) {
            pugi::xml_node spacing = properties.append_child("w:spacing");
            setNumber(spacing.append_attribute("w:before"), std::max(para.spaceBefore, 0));
            setNumber(spacing.append_attribute("w:after"), std::max(para.spaceAfter, 0));
        }
        if (para.leftIndent || para.rightIndent || para.firstIndent) {
            pugi::xml_node ind = properties.append_child("w:ind");
            if (para.leftIndent)
                setNumber(ind.append_attribute("w:left"), para.leftIndent);
            if (para.rightIndent)
                setNumber(ind.append_attribute("w:right"), para.rightIndent);
            if (para.firstIndent > 0)
                setNumber(ind.append_attribute("w:firstLine"), para.firstIndent);
            else if (para.firstIndent < 0)
                setNumber(ind.append_attribute("w:hanging"), -qint64(para.firstIndent));
        }
        using Align = richtext::RtfParaState::Align;
        if (para.align != Align::Left) {
            properties.append_child("w:jc").append_attribute("w:val") =
                para.align == Align::Center  ? "center"
                : para.align == Align::Right ? "right"
                                             : "both";
        }
        // An empty line is as high as the text it was typed in.
        if (chars && !p.child("w:r"))
            runProperties(properties, *chars);
        if (!properties.first_child())
            p.remove_child(properties);
        m_paragraph = pugi::xml_node();
    }

    void runProperties(pugi::xml_node parent, const richtext::RtfCharState &chars)
    {
        pugi::xml_node properties = parent.append_child("w:rPr");
        if (const richtext::RtfFont *font = m_tables ? m_tables->font(chars.font) : nullptr;
            font && !font->name.isEmpty()) {
            const std::string name = xml::cleanText(font->name);
            const int codePage = font->codePage ? font->codePage : m_tables->documentCodePage;
            const bool eastAsian = isCjkCodePage(codePage) || hasWideCharacters(font->name);
            pugi::xml_node fonts = properties.append_child("w:rFonts");
            fonts.append_attribute("w:ascii") = name.c_str();
            fonts.append_attribute("w:hAnsi") = name.c_str();
            if (eastAsian) {
                fonts.append_attribute("w:eastAsia") = name.c_str();
                fonts.append_attribute("w:hint") = "eastAsia";
            }
            fonts.append_attribute("w:cs") = name.c_str();
        }
        if (chars.bold)
            properties.append_child("w:b");
        if (chars.italic)
            properties.append_child("w:i");
        if (chars.strike)
            properties.append_child("w:strike");
        if (m_tables) {
            if (const QColor color = m_tables->color(chars.foreground); color.isValid())
                properties.append_child("w:color").append_attribute("w:val") =
                    hexColor(color).c_str();
        }
        const int halfPoints = std::clamp(chars.halfPoints, 2, 3276);
        properties.append_child("w:sz").append_attribute("w:val") = halfPoints;
        properties.append_child("w:szCs").append_attribute("w:val") = halfPoints;
        if (chars.underline)
            properties.append_child("w:u").append_attribute("w:val") = "single";
        if (m_tables) {
            if (const QColor color = m_tables->color(chars.background); color.isValid()) {
                pugi::xml_node shading = properties.append_child("w:shd");
                shading.append_attribute("w:val") = "clear";
                shading.append_attribute("w:color") = "auto";
                shading.append_attribute("w:fill") = hexColor(color).c_str();
            }
        }
        using VAlign = richtext::RtfCharState::VAlign;
        if (chars.valign != VAlign::Normal)
            properties.append_child("w:vertAlign").append_attribute("w:val") =
                chars.valign == VAlign::Super ? "superscript" : "subscript";
    }

    static void appendRunText(pugi::xml_node run, const QString &text)
    {
        qsizetype start = 0;
        const auto flush = [&](qsizetype end) {
            if (end > start) {
                pugi::xml_node t = run.append_child("w:t");
                const std::string piece =
                    xml::cleanText(QStringView(text).sliced(start, end - start));
                if (piece.empty())
                    return;
                if (piece.front() == ' ' || piece.back() == ' ')
                    t.append_attribute("xml:space") = "preserve";
                t.text().set(piece.c_str());
            }
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c != u'\t' && c != 0x2028)
                continue;
            flush(i);
            run.append_child(c == u'\t' ? "w:tab" : "w:br");
            start = i + 1;
        }
        flush(text.size());
    }

    void appendPicture(const richtext::Picture &picture)
    {
        using Format = richtext::Picture::Format;
        ContentPicture out;
        QSizeF size;
        switch (picture.format) {
        case Format::Png:
        case Format::Jpeg: {
            out.data = picture.data;
            out.extension =
                picture.format == Format::Png ? QStringLiteral("png") : QStringLiteral("jpeg");
            out.contentType = picture.format == Format::Png ? QStringLiteral("image/png")
                                                            : QStringLiteral("image/jpeg");
            QBuffer buffer(&out.data);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer);
            size = picture.displaySize(reader.size());
            break;
        }
        default:
            break;
        }
        // What the pane can show goes in as a PNG of it; a metafile that draws more than
        // a bitmap (an equation, a drawing) goes in as itself, for the word processor to
        // draw; anything else shows as the frame the pane shows.
        if (out.data.isEmpty()) {
            QImage image = richtext::PictureDecoder::decode(picture, m_pixelsLeft);
            size = picture.displaySize(image.size());
            if (!image.isNull()) {
                m_pixelsLeft -= qint64(image.width()) * image.height();
            } else if (picture.format == Format::Wmf || picture.format == Format::Emf) {
                const bool wmf = picture.format == Format::Wmf;
                out.data = wmf ? placeableMetafile(picture.data) : picture.data;
                out.extension = wmf ? QStringLiteral("wmf") : QStringLiteral("emf");
                out.contentType =
                    wmf ? QStringLiteral("image/x-wmf") : QStringLiteral("image/x-emf");
            } else {
                image = richtext::PictureDecoder::frame(size.boundedTo(QSizeF(512, 512)));
            }
            if (!image.isNull()) {
                QBuffer buffer(&out.data);
                buffer.open(QIODevice::WriteOnly);
                image.save(&buffer, "PNG");
                out.extension = QStringLiteral("png");
                out.contentType = QStringLiteral("image/png");
            }
        }
        if (out.data.isEmpty())
            return;

        const QByteArray hash = QCryptographicHash::hash(out.data, QCryptographicHash::Sha1);
        int index = m_content.m_pictureIndex.value(hash, -1);
        if (index < 0) {
            index = int(m_content.m_pictures.size());
            m_content.m_pictures.append(std::move(out));
            m_content.m_pictureIndex.insert(hash, index);
        }

        qint64 cx = std::max<qint64>(1, qint64(size.width() * WordContent::emuPerPixel));
        qint64 cy = std::max<qint64>(1, qint64(size.height() * WordContent::emuPerPixel));
        if (m_content.m_maxPictureWidth > 0 && cx > m_content.m_maxPictureWidth) {
            cy = std::max<qint64>(1, cy * m_content.m_maxPictureWidth / cx);
            cx = m_content.m_maxPictureWidth;
        }
        pugi::xml_node run = paragraph().append_copy(m_content.m_xml->drawing.document_element());
        pugi::xml_node inline_ = run.child("w:drawing").child("wp:inline");
        setNumber(inline_.child("wp:extent").attribute("cx"), cx);
        setNumber(inline_.child("wp:extent").attribute("cy"), cy);
        pugi::xml_node pic = inline_.child("a:graphic").child("a:graphicData").child("pic:pic");
        pugi::xml_node ext = pic.child("pic:spPr").child("a:xfrm").child("a:ext");
        setNumber(ext.attribute("cx"), cx);
        setNumber(ext.attribute("cy"), cy);
        pic.child("pic:blipFill").child("a:blip").attribute("r:embed") =
            xml::utf8(WordContent::pictureKey(index)).c_str();
        // The run came with the namespace declarations of its template; the document
        // it goes into declares them once.
        run.remove_attribute("xmlns:w");
        run.remove_attribute("xmlns:r");
        run.remove_attribute("xmlns:wp");
    }

    WordContent &m_content;
    const richtext::RtfTables *m_tables = nullptr;
    pugi::xml_node m_container;
    pugi::xml_node m_paragraph;
    richtext::RtfTable m_table;
    pugi::xml_node m_tableNode; ///< the table m_table has open
    std::vector<Row> m_rows;
    qint64 m_pixelsLeft = 0;
};

WordContent::WordContent()
    : m_xml(std::make_unique<Xml>())
{
    m_xml->root = m_xml->document.append_child("content");
    m_xml->root.append_attribute("xmlns:w") = xml::wordNamespace;
    m_xml->root.append_attribute("xmlns:r") = xml::relationshipsNamespace;
    m_xml->root.append_attribute("xmlns:wp") = xml::drawingNamespace;
    m_xml->drawing.load_string(drawingTemplate);
}

WordContent::~WordContent() = default;
WordContent::WordContent(WordContent &&) noexcept = default;
WordContent &WordContent::operator=(WordContent &&) noexcept = default;

void WordContent::appendRtf(const QByteArray &rtf)
{
    if (!richtext::RtfParser::isRtf(rtf)) {
        store::TextCodec codec;
        const store::TextEncoding encoding = store::TextCodec::detect(rtf);
        QByteArrayView bytes(rtf);
        if (encoding == store::TextEncoding::Utf8Bom)
            bytes = bytes.sliced(store::TextCodec::utf8Bom.size());
        appendText(codec.decode(bytes, encoding));
        return;
    }
    WordContentBuilder builder(*this, rtf.size());
    richtext::RtfParser parser(rtf, builder);
    parser.parse();
}

void WordContent::appendText(const QString &text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(u'\r', u'\n');
    for (const QString &line : normal.split(u'\n')) {
        pugi::xml_node run = m_xml->root.append_child("w:p").append_child("w:r");
        pugi::xml_node t = run.append_child("w:t");
        t.append_attribute("xml:space") = "preserve";
        t.text().set(xml::cleanText(line).c_str());
    }
}

bool WordContent::isEmpty() const
{
    return !m_xml->root.first_child();
}

pugi::xml_node WordContent::blocks() const
{
    return m_xml->root;
}

QString WordContent::pictureKey(int index)
{
    return QStringLiteral("quorin-picture-%1").arg(index);
}

int WordContent::pictureIndex(const char *embed)
{
    static constexpr char prefix[] = "quorin-picture-";
    if (std::strncmp(embed, prefix, sizeof prefix - 1) != 0)
        return -1;
    bool ok = false;
    const int index = QByteArray(embed + sizeof prefix - 1).toInt(&ok);
    return ok ? index : -1;
}

QByteArray placeableMetafile(const QByteArray &wmf)
{
    constexpr quint32 placeableKey = 0x9AC6CDD7;
    if (wmf.size() >= 4 && qFromLittleEndian<quint32>(wmf.constData()) == placeableKey)
        return wmf;
    // The window origin and extent records say which logical rectangle the picture
    // draws; without them the bounds are the common 0.01 mm units of \wmetafile8.
    qint16 left = 0, top = 0, right = 1000, bottom = 1000;
    bool haveOrigin = false, haveExtent = false;
    if (wmf.size() >= 18) {
        const qsizetype headerWords = qFromLittleEndian<quint16>(wmf.constData() + 2);
        qsizetype at = std::max<qsizetype>(headerWords, 9) * 2;
        while (at + 6 <= wmf.size() && !(haveOrigin && haveExtent)) {
            const quint32 words = qFromLittleEndian<quint32>(wmf.constData() + at);
            const quint16 function = qFromLittleEndian<quint16>(wmf.constData() + at + 4);
            if (words < 3 || function == 0 || qsizetype(words) * 2 > wmf.size() - at)
                break;
            if ((function == 0x020B || function == 0x020C) && words >= 5) {
                const qint16 y = qFromLittleEndian<qint16>(wmf.constData() + at + 6);
                const qint16 x = qFromLittleEndian<qint16>(wmf.constData() + at + 8);
                if (function == 0x020B) {
                    left = x;
                    top = y;
                    haveOrigin = true;
                } else {
                    right = x;
                    bottom = y;
                    haveExtent = true;
                }
            }
            at += qsizetype(words) * 2;
        }
    }
    if (haveExtent) {
        right = qint16(std::clamp(int(left) + int(right), -32768, 32767));
        bottom = qint16(std::clamp(int(top) + int(bottom), -32768, 32767));
    }
    QByteArray out(22, '\0');
    char *h = out.data();
    qToLittleEndian<quint32>(placeableKey, h);
    qToLittleEndian<qint16>(left, h + 6);
    qToLittleEndian<qint16>(top, h + 8);
    qToLittleEndian<qint16>(right, h + 10);
    qToLittleEndian<qint16>(bottom, h + 12);
    qToLittleEndian<quint16>(1440, h + 14);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(h + 2 * i);
    qToLittleEndian<quint16>(checksum, h + 20);
    return out + wmf;
}

} // namespace office

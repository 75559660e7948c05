// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_builder.h"

#include "picture.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>

namespace richtext {

namespace {

constexpr int maxColumns = 63; // as many as the word processors allow

// RTF lengths are twips; the document lays out in pixels of 96 per inch.
double pixels(int twips)
{
    return twips / 15.0;
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument &document, qsizetype inputSize)
    : m_cursor(&document)
    , m_cellsLeft(cellBudget(inputSize))
    , m_pixelsLeft(pixelBudget(inputSize))
{}

qint64 DocumentBuilder::cellBudget(qsizetype)
{
    // Far more than a question's table; QTextTable redoes its grid on every new row, so
    // each row costs as much as all the cells before it.
    return 20000;
}

qint64 DocumentBuilder::pixelBudget(qsizetype inputSize)
{
    // Compressed pictures decode to many pixels per byte (a screenshot as PNG to ten or
    // more); this leaves room for real ones and stops a file of tiny hostile ones.
    return std::min<qint64>(8 * 1024 * 1024 + qint64(inputSize) * 16, 48 * 1024 * 1024);
}

void DocumentBuilder::begin(const RtfTables &tables)
{
    m_tables = &tables;
    // Inside an edit block the cursor does not lay text out after every insertion to
    // find its x position, which would cost more than everything else together.
    m_cursor.beginEditBlock();
}

const QTextCharFormat &DocumentBuilder::charFormat(const RtfCharState &chars)
{
    for (size_t i = 0; i < m_formats.size(); ++i) {
        if (m_formats[i].chars == chars) {
            if (i > 0)
                std::swap(m_formats[i], m_formats[0]);
            return m_formats[0].format;
        }
    }
    QTextCharFormat format;
    if (const RtfFont *font = m_tables->font(chars.font); font && !font->name.isEmpty())
        format.setFontFamilies({font->name});
    format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    if (chars.underline)
        format.setFontUnderline(true);
    if (chars.strike)
        format.setFontStrikeOut(true);
    if (chars.valign == RtfCharState::VAlign::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.valign == RtfCharState::VAlign::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (const QColor color = m_tables->color(chars.foreground); color.isValid())
        format.setForeground(color);
    if (const QColor color = m_tables->color(chars.background); color.isValid())
        format.setBackground(color);
    // Text runs alternate between a few formats (Latin and Chinese text of one paragraph).
    if (m_formats.size() >= 4)
        m_formats.pop_back();
    m_formats.insert(m_formats.begin(), CachedFormat{chars, format});
    return m_formats[0].format;
}

void DocumentBuilder::applyBlockFormat(const RtfParaState &para)
{
    if (m_blockPara == para)
        return;
    m_blockPara = para;
    QTextBlockFormat format;
    switch (para.align) {
    case RtfParaState::Align::Left:
        format.clearProperty(QTextFormat::BlockAlignment);
        break;
    case RtfParaState::Align::Center:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case RtfParaState::Align::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case RtfParaState::Align::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    }
    format.setLeftMargin(pixels(para.leftIndent));
    format.setRightMargin(pixels(para.rightIndent));
    format.setTextIndent(pixels(para.firstIndent));
    format.setTopMargin(pixels(para.spaceBefore));
    format.setBottomMargin(pixels(para.spaceAfter));
    m_cursor.setBlockFormat(format);
    m_blockFormat = format;
}

void DocumentBuilder::newBlock()
{
    // Handing over the formats spares the cursor looking up those of the block before.
    if (m_blockPara)
        m_cursor.insertBlock(m_blockFormat, QTextCharFormat());
    else
        m_cursor.insertBlock();
}

void DocumentBuilder::enter(const RtfParaState &para)
{
    if (para.inTable) {
        const bool fits =
            m_table ? (m_rowOpen || m_cellsLeft >= m_table->columns()) : m_cellsLeft > 0;
        if (fits) {
            enterTable();
            return;
        }
    }
    if (m_table)
        leaveTable();
    if (m_pending) {
        newBlock();
        m_pending = false;
    }
}

void DocumentBuilder::enterTable()
{
    if (!m_table) {
        const int columns = std::clamp(int(m_tables->cellEdges.size()), 1, maxColumns);
        QTextTableFormat format;
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(4);
        if (int(m_tables->cellEdges.size()) == columns) {
            QList<QTextLength> widths;
            int left = 0;
            for (int edge : m_tables->cellEdges) {
                widths.append(
                    QTextLength(QTextLength::FixedLength, pixels(std::max(edge - left, 15))));
                left = std::max(edge, left);
            }
            format.setColumnWidthConstraints(widths);
        }
        m_table = m_cursor.insertTable(1, columns, format);
        m_blockPara.reset();
        m_cellsLeft -= columns;
        m_row = 0;
        m_column = 0;
        m_rowOpen = true;
        m_cellOpen = false;
        m_pending = false;
    } else if (!m_rowOpen) {
        m_table->appendRows(1);
        m_cellsLeft -= m_table->columns();
        ++m_row;
        m_column = 0;
        m_rowOpen = true;
        m_cellOpen = false;
    }
    if (!m_cellOpen) {
        if (m_column >= m_table->columns()) {
            const int wanted = std::min(m_column + 1, maxColumns) - m_table->columns();
            if (wanted > 0 && m_cellsLeft >= qint64(wanted) * m_table->rows()) {
                m_table->appendColumns(wanted);
                m_cellsLeft -= qint64(wanted) * m_table->rows();
            }
        }
        const int column = std::min(m_column, m_table->columns() - 1);
        const bool extra = column != m_column; // cells beyond the last: keep their text
        m_cursor = m_table->cellAt(m_row, column).lastCursorPosition();
        m_blockPara.reset();
        m_cellOpen = true;
        m_pending = extra && m_cursor.block().length() > 1;
    }
    if (m_pending) {
        newBlock();
        m_pending = false;
    }
}

void DocumentBuilder::leaveTable()
{
    m_cursor = m_table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_blockPara.reset();
    m_table = nullptr;
    m_rowOpen = false;
    m_cellOpen = false;
    m_pending = false;
}

void DocumentBuilder::text(const QString &text, const RtfCharState &chars, const RtfParaState &para)
{
    enter(para);
    m_cursor.insertText(text, charFormat(chars));
}

void DocumentBuilder::paragraphEnd(const RtfCharState &chars, const RtfParaState &para)
{
    enter(para);
    applyBlockFormat(para);
    if (m_cursor.block().length() <= 1)
        m_cursor.setBlockCharFormat(charFormat(chars));
    m_pending = true;
}

void DocumentBuilder::cellEnd(const RtfParaState &para)
{
    RtfParaState inCell = para;
    inCell.inTable = true;
    enter(inCell);
    if (!m_table) {
        // Past the bounds tables are read as paragraphs, one for each cell.
        applyBlockFormat(para);
        m_pending = true;
        return;
    }
    applyBlockFormat(inCell);
    m_cellOpen = false;
    ++m_column;
}

void DocumentBuilder::rowEnd()
{
    if (!m_table)
        return;
    m_rowOpen = false;
    m_cellOpen = false;
}

void DocumentBuilder::picture(const Picture &picture, const RtfParaState &para)
{
    enter(para);
    Picture::insert(m_cursor, picture, m_pixelsLeft);
}

void DocumentBuilder::end(const RtfParaState &para)
{
    // The last \par of a file marks the end of its last paragraph, not a new empty one.
    if (!m_pending && !m_table)
        applyBlockFormat(para);
    m_cursor.endEditBlock();
}

} // namespace richtext

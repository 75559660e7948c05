// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_builder.h"

#include "picture.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>

namespace richtext {

namespace {

// RTF lengths are twips; the document lays out in pixels of 96 per inch.
double pixels(int twips)
{
    return twips / 15.0;
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument &document, qsizetype inputSize)
    : m_cursor(&document)
    , m_pixelsLeft(pixelBudget(inputSize))
{}

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

void DocumentBuilder::enter(bool inTable)
{
    const RtfTable::Step step = m_table.enter(inTable, m_tables->cellEdges);
    if (step.leaves)
        leaveTable();
    if (step.opens)
        openTable();
    else if (step.startsRow)
        m_textTable->appendRows(1);
    if (m_textTable && m_textTable->columns() < m_table.columns())
        m_textTable->appendColumns(m_table.columns() - m_textTable->columns());
    if (step.entersCell) {
        m_cursor = m_textTable->cellAt(m_table.row(), m_table.column()).lastCursorPosition();
        m_blockPara.reset();
        m_pending = step.joins && m_cursor.block().length() > 1;
    }
    if (m_pending) {
        newBlock();
        m_pending = false;
    }
}

void DocumentBuilder::openTable()
{
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(4);
    if (int(m_tables->cellEdges.size()) == m_table.columns()) {
        QList<QTextLength> widths;
        for (const auto &[left, right] :
             RtfTable::cellBounds(m_tables->cellEdges, m_table.columns()))
            widths.append(QTextLength(QTextLength::FixedLength, pixels(right - left)));
        format.setColumnWidthConstraints(widths);
    }
    m_textTable = m_cursor.insertTable(1, m_table.columns(), format);
}

void DocumentBuilder::leaveTable()
{
    m_cursor = m_textTable->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_blockPara.reset();
    m_textTable = nullptr;
    m_pending = false;
}

void DocumentBuilder::text(const QString &text, const RtfCharState &chars, const RtfParaState &para)
{
    enter(para.inTable);
    m_cursor.insertText(text, charFormat(chars));
}

void DocumentBuilder::paragraphEnd(const RtfCharState &chars, const RtfParaState &para)
{
    enter(para.inTable);
    applyBlockFormat(para);
    if (m_cursor.block().length() <= 1)
        m_cursor.setBlockCharFormat(charFormat(chars));
    m_pending = true;
}

void DocumentBuilder::cellEnd(const RtfParaState &para)
{
    enter(true);
    applyBlockFormat(para);
    // Past the cell limit tables are read as paragraphs, one for each cell.
    m_pending = !m_table.isOpen();
    m_table.cellEnd();
}

void DocumentBuilder::picture(const Picture &picture, const RtfParaState &para)
{
    enter(para.inTable);
    Picture::insert(m_cursor, picture, m_pixelsLeft);
}

void DocumentBuilder::end(const RtfParaState &para)
{
    // The last \par of a file marks the end of its last paragraph, not a new empty one.
    if (!m_pending && !m_table.isOpen())
        applyBlockFormat(para);
    m_cursor.endEditBlock();
}

} // namespace richtext

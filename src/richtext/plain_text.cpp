// SPDX-License-Identifier: GPL-3.0-or-later
#include "plain_text.h"

#include "rtf_parser.h"
#include "rtf_reader.h"
#include "rtf_sink.h"
#include "rtf_table.h"

#include "store/text_codec.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace richtext {

namespace {

// Places text as DocumentBuilder does, by the same table model, so that the text is the
// same whichever way it is taken; only the text is kept.
class PlainTextSink : public RtfSink
{
public:
    void begin(const RtfTables &tables) override { m_tables = &tables; }

    void text(const QString &text, const RtfCharState &, const RtfParaState &para) override
    {
        enter(para.inTable);
        target().append(text);
    }

    void paragraphEnd(const RtfCharState &, const RtfParaState &para) override
    {
        enter(para.inTable);
        m_pending = true;
    }

    void cellEnd(const RtfParaState &) override
    {
        enter(true);
        m_pending = !m_table.isOpen();
        m_table.cellEnd();
    }

    void rowEnd() override { m_table.rowEnd(); }
    void picture(const Picture &, const RtfParaState &para) override { enter(para.inTable); }
    bool wantsPictures() const override { return false; }

    void end(const RtfParaState &) override
    {
        const int columns = m_table.columns();
        if (m_table.close())
            leaveTable(columns);
    }

    QString result() const { return m_text; }

private:
    QString &target()
    {
        if (!m_table.isOpen())
            return m_text;
        std::vector<QString> &row = m_rows.back();
        row.resize(std::max(row.size(), size_t(m_table.column()) + 1));
        return row[size_t(m_table.column())];
    }

    void enter(bool inTable)
    {
        const int columns = m_table.columns(); // of the table that may end here
        const RtfTable::Step step = m_table.enter(inTable, m_tables->cellEdges);
        if (step.leaves)
            leaveTable(columns);
        if (step.startsRow)
            m_rows.emplace_back();
        if (step.entersCell) {
            const QString &cell = target();
            m_pending = step.joins && !cell.isEmpty() && !cell.endsWith(QLatin1Char('\n'));
        }
        if (m_pending) {
            target().append(QLatin1Char('\n'));
            m_pending = false;
        }
    }

    // Every cell of the grid is a block of its own, and so is the block after the table.
    void leaveTable(int columns)
    {
        for (const auto &row : m_rows) {
            for (size_t column = 0; column < size_t(columns); ++column)
                m_text.append(QLatin1Char('\n') + (column < row.size() ? row[column] : QString()));
        }
        m_text.append(QLatin1Char('\n'));
        m_rows.clear();
        m_pending = false;
    }

    const RtfTables *m_tables = nullptr;
    QString m_text;
    bool m_pending = false;
    RtfTable m_table;
    std::vector<std::vector<QString>> m_rows; ///< the cells of the table in progress
};

} // namespace

QString plainText(const QByteArray &rtf)
{
    if (rtf.size() > RtfReader::maxInputSize)
        return {};
    if (!RtfParser::isRtf(rtf)) {
        QTextDocument document;
        RtfReader::read(rtf, document);
        return plainText(document);
    }
    PlainTextSink sink;
    RtfParser parser(rtf, sink);
    parser.parse();
    QString text = sink.result();
    text.replace(QChar(0x2028), QLatin1Char('\n'));
    return text;
}

QString plainText(const QTextDocument &document)
{
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text.append(QLatin1Char('\n'));
        QString line = block.text();
        line.remove(QChar::ObjectReplacementCharacter);
        line.replace(QChar::LineSeparator, QLatin1Char('\n'));
        text.append(line);
    }
    return text;
}

} // namespace richtext

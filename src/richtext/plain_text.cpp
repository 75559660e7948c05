// SPDX-License-Identifier: GPL-3.0-or-later
#include "plain_text.h"

#include "document_builder.h"
#include "rtf_parser.h"
#include "rtf_reader.h"
#include "rtf_sink.h"

#include "store/text_codec.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace richtext {

namespace {

// Follows the same rules as DocumentBuilder for where blocks start and where table cells
// go, so that the text is the same whichever way it is taken; only the text is kept.
class PlainTextSink : public RtfSink
{
public:
    explicit PlainTextSink(qsizetype inputSize)
        : m_cellsLeft(DocumentBuilder::cellBudget(inputSize))
    {}

    void begin(const RtfTables &tables) override { m_tables = &tables; }

    void text(const QString &text, const RtfCharState &, const RtfParaState &para) override
    {
        enter(para);
        target().append(text);
    }

    void paragraphEnd(const RtfCharState &, const RtfParaState &para) override
    {
        enter(para);
        m_pending = true;
    }

    void cellEnd(const RtfParaState &para) override
    {
        RtfParaState inCell = para;
        inCell.inTable = true;
        enter(inCell);
        if (!m_inTable) {
            m_pending = true;
            return;
        }
        m_cellOpen = false;
        ++m_column;
    }

    void rowEnd() override
    {
        if (!m_inTable)
            return;
        m_rowOpen = false;
        m_cellOpen = false;
    }

    void picture(const Picture &, const RtfParaState &para) override { enter(para); }
    bool wantsPictures() const override { return false; }

    void end(const RtfParaState &) override
    {
        if (m_inTable)
            leaveTable();
    }

    QString result() const { return m_text; }

private:
    static constexpr int maxColumns = 63;

    QString &target()
    {
        if (!m_inTable)
            return m_text;
        return m_rows[size_t(m_row)][size_t(std::min(m_column, m_columns - 1))];
    }

    void newBlock(QString &text) { text.append(QLatin1Char('\n')); }

    void enter(const RtfParaState &para)
    {
        if (para.inTable) {
            const bool fits = m_inTable ? (m_rowOpen || m_cellsLeft >= m_columns) : m_cellsLeft > 0;
            if (fits) {
                enterTable();
                return;
            }
        }
        if (m_inTable)
            leaveTable();
        if (m_pending) {
            newBlock(m_text);
            m_pending = false;
        }
    }

    void enterTable()
    {
        if (!m_inTable) {
            m_inTable = true;
            m_columns = std::clamp(int(m_tables->cellEdges.size()), 1, maxColumns);
            m_rows.assign(1, std::vector<QString>(size_t(m_columns)));
            m_cellsLeft -= m_columns;
            m_row = 0;
            m_column = 0;
            m_rowOpen = true;
            m_cellOpen = false;
            m_pending = false;
        } else if (!m_rowOpen) {
            m_rows.emplace_back(size_t(m_columns));
            m_cellsLeft -= m_columns;
            ++m_row;
            m_column = 0;
            m_rowOpen = true;
            m_cellOpen = false;
        }
        if (!m_cellOpen) {
            if (m_column >= m_columns) {
                const int wanted = std::min(m_column + 1, maxColumns) - m_columns;
                if (wanted > 0 && m_cellsLeft >= qint64(wanted) * qint64(m_rows.size())) {
                    m_columns += wanted;
                    m_cellsLeft -= qint64(wanted) * qint64(m_rows.size());
                    for (auto &row : m_rows)
                        row.resize(size_t(m_columns));
                }
            }
            const int column = std::min(m_column, m_columns - 1);
            m_cellOpen = true;
            m_pending = column != m_column && !m_rows[size_t(m_row)][size_t(column)].isEmpty() &&
                        !m_rows[size_t(m_row)][size_t(column)].endsWith(QLatin1Char('\n'));
        }
        if (m_pending) {
            newBlock(target());
            m_pending = false;
        }
    }

    void leaveTable()
    {
        // Every cell is a block of its own, and so is the block after the table.
        for (const auto &row : m_rows) {
            for (const QString &cell : row) {
                newBlock(m_text);
                m_text.append(cell);
            }
        }
        newBlock(m_text);
        m_rows.clear();
        m_inTable = false;
        m_rowOpen = false;
        m_cellOpen = false;
        m_pending = false;
    }

    const RtfTables *m_tables = nullptr;
    QString m_text;
    bool m_pending = false;

    bool m_inTable = false;
    std::vector<std::vector<QString>> m_rows;
    int m_columns = 0;
    int m_row = 0;
    int m_column = 0;
    bool m_rowOpen = false;
    bool m_cellOpen = false;
    qint64 m_cellsLeft = 0;
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
    PlainTextSink sink(rtf.size());
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

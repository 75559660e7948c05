// Builds a QTextDocument from what the RTF parser reads.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rtf_sink.h"
#include "rtf_table.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <optional>
#include <vector>

class QTextDocument;
class QTextTable;

namespace richtext {

class DocumentBuilder : public RtfSink
{
public:
    /// `inputSize` sets the bound of the pixels that pictures may decode to, so that a
    /// small hostile file cannot build a huge document; tables keep RtfTable's limit.
    DocumentBuilder(QTextDocument &document, qsizetype inputSize);

    void begin(const RtfTables &tables) override;
    void text(const QString &text, const RtfCharState &chars, const RtfParaState &para) override;
    void paragraphEnd(const RtfCharState &chars, const RtfParaState &para) override;
    void cellEnd(const RtfParaState &para) override;
    void rowEnd() override { m_table.rowEnd(); }
    void picture(const Picture &picture, const RtfParaState &para) override;
    bool wantsPictures() const override { return true; }
    void end(const RtfParaState &para) override;

    /// The pixels that pictures may decode to in a document read from `inputSize` bytes.
    static qint64 pixelBudget(qsizetype inputSize);

private:
    void enter(bool inTable);
    void openTable();
    void leaveTable();
    const QTextCharFormat &charFormat(const RtfCharState &chars);
    void applyBlockFormat(const RtfParaState &para);
    void newBlock();

    QTextCursor m_cursor;
    const RtfTables *m_tables = nullptr;

    bool m_pending = false; ///< a \par ended the paragraph; the next one has no block yet
    /// What the current block's format was made from, when known: a new block takes the
    /// format of the one before, so most paragraphs need no format of their own.
    std::optional<RtfParaState> m_blockPara;
    QTextBlockFormat m_blockFormat; ///< the current block's format when m_blockPara is known

    RtfTable m_table;
    QTextTable *m_textTable = nullptr; ///< the table m_table has open
    qint64 m_pixelsLeft = 0;

    struct CachedFormat
    {
        RtfCharState chars;
        QTextCharFormat format;
    };
    std::vector<CachedFormat> m_formats; ///< the few formats in use, most recent first
};

} // namespace richtext

// Where the content of an RTF document goes in its tables, and how wide they grow.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <algorithm>
#include <utility>
#include <vector>

namespace richtext {

/// Follows \trowd, \cellx, \intbl, \cell and \row for one document. Every output of RTF
/// (a document, its plain text, Word content) lays its tables out by it, so that all of
/// them read the same rows and cells from the same bytes, odd and hostile ones included:
/// - a row has the cells its \cellx define (one without any), more when more \cell come,
///   at most maxColumns, the rest going into its last cell; a table is as wide as its
///   widest row; a \cell outside \intbl is a table cell too, \row outside a table nothing;
/// - the grid of all tables (rows times columns) stays within maxCells: a row that does not
///   fit ends its table, and what fits in none reads as paragraphs, a \cell ending one.
class RtfTable
{
public:
    /// As many as the word processors allow in a row.
    static constexpr int maxColumns = 63;
    /// Far more than a question's table. A document's table allocates its whole grid, and
    /// redoes it on every new row, so the grid is what is counted, not the cells written.
    static constexpr qint64 maxCells = 20000;

    /// What an output does before the content `enter` was told of, in this order.
    struct Step
    {
        bool leaves = false;     ///< the table in progress ends
        bool opens = false;      ///< a table starts
        bool startsRow = false;  ///< a row starts: the first of a table opened, or one more
        bool entersCell = false; ///< the content goes into the cell at row(), column()
        bool joins = false;      ///< that cell is past the last column: its text follows the last's
    };

    /// Before content of a paragraph (text, its end, a picture) that is in a table or not;
    /// `edges` are the \cellx of the row being defined.
    Step enter(bool inTable, const std::vector<int> &edges);
    /// \cell, after enter(true, ...): the cell ends.
    void cellEnd();
    /// \row: the row ends; the next content in a table starts a row.
    void rowEnd();
    /// The end of the document or of the table: whether a table was in progress.
    bool close();

    bool isOpen() const { return m_open; }
    /// The width of the table in progress.
    int columns() const { return m_columns; }
    /// The row content goes into: the last row of the table.
    int row() const { return m_rows - 1; }
    /// The column content goes into.
    int column() const { return std::min(m_column, m_columns - 1); }
    /// The cells of the current row: at most columns().
    int rowCells() const { return m_rowCells; }

    /// Where each of `cells` cells of a row defined by `edges` begins and ends, in twips:
    /// in order and at least 60 wide, whatever order the \cellx came in; a cell without
    /// its \cellx is an inch wide.
    static std::vector<std::pair<int, int>> cellBounds(const std::vector<int> &edges, int cells);

private:
    bool startRow(const std::vector<int> &edges);
    void grow(int columns);

    qint64 m_cellsLeft = maxCells;
    bool m_open = false;
    bool m_rowOpen = false;
    bool m_cellOpen = false;
    int m_columns = 0;
    int m_rows = 0;
    int m_column = 0; ///< the cell of the row, counting those beyond the last column
    int m_rowCells = 0;
};

} // namespace richtext

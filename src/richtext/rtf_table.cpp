// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_table.h"

namespace richtext {

RtfTable::Step RtfTable::enter(bool inTable, const std::vector<int> &edges)
{
    Step step;
    if (!inTable) {
        step.leaves = close();
        return step;
    }
    if (m_open && !m_rowOpen) {
        step.startsRow = startRow(edges);
        // A row that does not fit ends the table; it may still start a narrower one.
        step.leaves = !step.startsRow && close();
    }
    if (!m_open) {
        m_columns = std::clamp(int(edges.size()), 1, maxColumns);
        m_rows = 0;
        m_open = step.opens = step.startsRow = startRow(edges);
        if (!m_open)
            return step;
    }
    if (!m_cellOpen) {
        if (m_column >= m_columns)
            grow(m_column + 1);
        step.entersCell = true;
        step.joins = column() != m_column;
        m_rowCells = std::max(m_rowCells, column() + 1);
        m_cellOpen = true;
    }
    return step;
}

bool RtfTable::startRow(const std::vector<int> &edges)
{
    if (m_cellsLeft < m_columns)
        return false;
    m_cellsLeft -= m_columns;
    ++m_rows;
    grow(int(edges.size()));
    m_rowCells = std::clamp(int(edges.size()), 1, m_columns);
    m_column = 0;
    m_rowOpen = true;
    m_cellOpen = false;
    return true;
}

void RtfTable::grow(int columns)
{
    const int wanted = std::min(columns, maxColumns) - m_columns;
    if (wanted > 0 && m_cellsLeft >= qint64(wanted) * m_rows) {
        m_cellsLeft -= qint64(wanted) * m_rows;
        m_columns += wanted;
    }
}

std::vector<std::pair<int, int>> RtfTable::cellBounds(const std::vector<int> &edges, int cells)
{
    std::vector<std::pair<int, int>> bounds;
    int left = 0;
    for (int i = 0; i < cells; ++i) {
        const int edge = size_t(i) < edges.size() ? edges[size_t(i)] : left + 1440;
        const int right = std::max(edge, left + 60);
        bounds.emplace_back(left, right);
        left = right;
    }
    return bounds;
}

void RtfTable::cellEnd()
{
    m_cellOpen = false;
    // Every cell past the last goes into the same one; the count need not go further.
    m_column = std::min(m_column + 1, maxColumns);
}

void RtfTable::rowEnd()
{
    m_rowOpen = m_cellOpen = false;
}

bool RtfTable::close()
{
    const bool wasOpen = m_open;
    m_open = m_rowOpen = m_cellOpen = false;
    return wasOpen;
}

} // namespace richtext

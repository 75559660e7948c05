// The rows of the results view: one per testee number of the class, all text.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace results {

/// One testee number's row. The seven text columns are what the lists and the
/// exports show; the flag remembers what the statistics made of the score.
struct ResultRow
{
    QString number;      ///< column 1: the testee number in decimal
    QString firstName;   ///< column 2
    QString score;       ///< column 3: the score text as read, "" when there is no score
    QString surplusTime; ///< column 4: the finish mark ("TIME2"), shown and sorted as text
    QString answerText;  ///< column 5: the "DA" key without a question number; never shown
    QString rank;        ///< column 6: set by computeRanks, "" beyond the student count
    QString lastName;    ///< column 7
    /// The score key held a number of 0 or more and so counts in the statistics,
    /// even when its text is empty (an empty value reads as 0).
    bool hasScore = false;
};

class ResultTable
{
public:
    enum class Column { Number = 1, FirstName, Score, SurplusTime, AnswerText, Rank, LastName };

    int rowCount() const { return int(m_rows.size()); }
    /// Row r, 1-based as the rest of the view counts them.
    const ResultRow &row(int r) const { return m_rows.at(r - 1); }
    ResultRow &row(int r) { return m_rows[r - 1]; }
    const QList<ResultRow> &rows() const { return m_rows; }
    /// The text of one cell; empty outside the table.
    QString text(int r, Column column) const;

    void append(ResultRow row) { m_rows.append(std::move(row)); }
    void clear() { m_rows.clear(); }

private:
    QList<ResultRow> m_rows;
};

} // namespace results

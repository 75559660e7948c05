// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_table.h"

namespace results {

QString ResultTable::text(int r, Column column) const
{
    if (r < 1 || r > rowCount())
        return {};
    const ResultRow &cells = row(r);
    switch (column) {
    case Column::Number:
        return cells.number;
    case Column::FirstName:
        return cells.firstName;
    case Column::Score:
        return cells.score;
    case Column::SurplusTime:
        return cells.surplusTime;
    case Column::AnswerText:
        return cells.answerText;
    case Column::Rank:
        return cells.rank;
    case Column::LastName:
        return cells.lastName;
    }
    return {};
}

} // namespace results

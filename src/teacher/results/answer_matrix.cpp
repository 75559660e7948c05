// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_matrix.h"

namespace results {

int digitMask(store::AnswerCode code)
{
    qint64 value = code.value();
    if (value < 0)
        value = -value;
    int mask = 0;
    do {
        mask |= 1 << int(value % 10);
        value /= 10;
    } while (value > 0);
    return mask;
}

void AnswerMatrix::reset(int rows, int questions)
{
    m_rows = std::max(rows, 0);
    m_questions = std::max(questions, 0);
    m_cells.clear();
    m_cells.resize(m_rows + 1);
}

void AnswerMatrix::setRow(int r, QList<qint32> answers)
{
    if (r < 1 || r > m_rows)
        return;
    if (answers.size() > m_questions)
        answers.resize(m_questions);
    m_cells[r] = std::move(answers);
}

store::AnswerCode AnswerMatrix::value(int r, int q) const
{
    if (r < 1 || r > m_rows || q < 1)
        return {};
    const QList<qint32> &row = m_cells.at(r);
    return q <= row.size() ? store::AnswerCode(row.at(q - 1)) : store::AnswerCode();
}

bool AnswerMatrix::hasRow(int r) const
{
    return r >= 1 && r <= m_rows && !m_cells.at(r).isEmpty();
}

} // namespace results

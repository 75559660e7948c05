// SPDX-License-Identifier: GPL-3.0-or-later
#include "question_table.h"

#include "store/numeric.h"

namespace results {

QuestionTable QuestionTable::build(const AnswerMatrix &answers,
                                   const QList<store::AnswerCode> &correctAnswers,
                                   qint64 scoredCount)
{
    QuestionTable table;
    const int questions = int(correctAnswers.size());
    table.m_entries.resize(questions);
    for (int q = 1; q <= questions; ++q) {
        QuestionEntry &entry = table.m_entries[q - 1];
        entry.number = q;
        entry.correctAnswer = correctAnswers.at(q - 1);
    }
    // Rows without a record answered nothing (all 0): they add to no count.
    for (int r = 1; r <= answers.rowCount(); ++r) {
        if (!answers.hasRow(r))
            continue;
        for (int q = 1; q <= questions; ++q) {
            QuestionEntry &entry = table.m_entries[q - 1];
            const store::AnswerCode answer = answers.value(r, q);
            if (entry.correctAnswer.value() > 0 && answer == entry.correctAnswer)
                ++entry.correctCount;
            if (answer.value() == 0)
                continue;
            const int digits = digitMask(answer);
            for (int k = 1; k <= 5; ++k) {
                if (digits & (1 << k))
                    ++entry.optionCounts[size_t(k - 1)];
            }
        }
    }
    if (scoredCount > 0) {
        for (QuestionEntry &entry : table.m_entries)
            entry.scorePercent =
                store::roundHalfEven(100.0 * double(entry.correctCount) / double(scoredCount));
    }
    return table;
}

} // namespace results

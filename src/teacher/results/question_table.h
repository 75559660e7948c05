// Per-question figures of one refresh: correct answer, score percentage, option counts.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer_matrix.h"

#include "store/answer_code.h"

#include <QList>
#include <array>

namespace results {

struct QuestionEntry
{
    int number = 0;
    store::AnswerCode correctAnswer;
    /// Rows whose answer equals the correct answer (none when no answer is set).
    qint64 correctCount = 0;
    /// 100 * correct / scored testees, halves to even. Answers of testees still in
    /// the test count as correct but not as scored, so this can exceed 100.
    qint64 scorePercent = 0;
    /// How many rows chose options 1..5; options 6 and 7 are not counted here.
    std::array<qint64, 5> optionCounts{};
};

class QuestionTable
{
public:
    /// Computes questions 1..Q (correctAnswers[q - 1] for question q) over every row
    /// of the matrix; scoredCount is the class summary's count.
    static QuestionTable build(const AnswerMatrix &answers,
                               const QList<store::AnswerCode> &correctAnswers, qint64 scoredCount);

    int questionCount() const { return int(m_entries.size()); }
    /// Question q, 1-based.
    const QuestionEntry &entry(int q) const { return m_entries.at(q - 1); }
    const QList<QuestionEntry> &entries() const { return m_entries; }

private:
    QList<QuestionEntry> m_entries;
};

} // namespace results

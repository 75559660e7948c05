// Every testee's answer code for every question of the paper.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/answer_code.h"

#include <QList>

namespace results {

/// Bit k set when the digit k occurs in the code's decimal text ("13" sets bits 1
/// and 3, "0" sets bit 0): the digit test of the counts, without text.
int digitMask(store::AnswerCode code);

/// Answer codes by (row 0..N, question 0..Q + 1); every cell not filled reads 0.
/// Row 0 stands for "no testee selected" and stays 0. Only rows that have a
/// record hold storage, so a hand-edited roster or paper with huge counts cannot
/// make the matrix take gigabytes.
class AnswerMatrix
{
public:
    /// All cells 0.
    void reset(int rows, int questions);
    /// Row r's answers, answers[q - 1] for question q; extra entries are dropped.
    void setRow(int r, QList<qint32> answers);

    store::AnswerCode value(int r, int q) const;
    /// Whether row r holds any stored answers (rows without a record do not).
    bool hasRow(int r) const;
    int rowCount() const { return m_rows; }
    int questionCount() const { return m_questions; }

private:
    int m_rows = 0;
    int m_questions = 0;
    QList<QList<qint32>> m_cells; ///< index r; an empty list means all 0
};

} // namespace results

// The figures of the results view as a workbook made from the results template.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results_model.h"

#include "office/result.h"

#include <QByteArray>
#include <QString>

namespace results {

class ResultsWorkbook
{
public:
    /// The four worksheets of the template at `templatePath`, filled from the last
    /// refresh of `model`: (1) paper and class, the first S testees in number order
    /// whatever the window's sort (number, names, score, rank, surplus time, as
    /// text); (2) the class statistics as text, the average and percentages only
    /// when a testee has a score; (3) every question in paper order, as numbers;
    /// (4) a "NO q" heading per question and each testee's names, with the answers
    /// (numbers) of the testees who have a score. Nothing else is written.
    static office::Result<QByteArray> build(const ResultsModel &model, const QString &templatePath);

    /// The worksheets a template needs.
    static constexpr int sheetCount = 4;
};

} // namespace results

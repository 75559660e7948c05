// The printable item analysis: one PDF page with the figures, both charts and the
// flagged questions (a long list goes on to further pages).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "item_analysis.h"

#include <QByteArray>
#include <QStringList>

namespace results {

class AnalysisReport
{
public:
    /// The PDF of `analysis`. The charts are drawn as vector graphics. Needs a
    /// QApplication (the charts are graphics widgets).
    static QByteArray build(const ItemAnalysis &analysis);

    /// The lines of figures the report and the window show.
    static QStringList figureLines(const ItemAnalysis &analysis);
    /// "Question 3: Too easy: ..." for each flag of each flagged question.
    static QStringList flagLines(const ItemAnalysis &analysis);
};

} // namespace results

// The charts of an item analysis, made the same way for the window and the report.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "item_analysis.h"

class QChart;

namespace results {

namespace charts {

/// The scores in ten bins, with the lowest scores of grades A to D drawn across.
QChart *histogram(const ItemAnalysis &analysis);
/// Each question's facility and discrimination; flagged questions marked.
QChart *questions(const ItemAnalysis &analysis);
/// One box of scores per class (lowest, quartiles, median, highest).
QChart *classScores(const ItemAnalysis &analysis);
/// Each question's facility in each class.
QChart *classFacility(const ItemAnalysis &analysis);

} // namespace charts

} // namespace results

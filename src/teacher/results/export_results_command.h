// `teacher export-results`: the results workbook without a window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QStringList>
#include <QTextStream>

namespace results {

/// Runs `teacher [--data-root DIR] export-results --paper NAME --class NAME --output
/// FILE.xlsx [--template FILE]`: the figures of one refresh (those `teacher results`
/// prints) in the template (sys/score.xltx unless given), written to FILE, which
/// replaces a file there. Gives 0, or 2 with one line on `err`.
int runExportResultsCommand(const store::DataRoot &root, const QStringList &arguments,
                            QTextStream &out, QTextStream &err);

} // namespace results

// `teacher results`: the figures of the results view as CSV, without a window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QStringList>
#include <QTextStream>

namespace results {

/// Whether the first argument after the program (past `--data-root DIR`) is
/// `results`. Takes the raw arguments so that main() can decide before any
/// application object, and with it any display, exists.
bool isResultsCommand(int argc, const char *const *argv);
bool isResultsCommand(const QStringList &arguments);

/// Runs `teacher [--data-root DIR] results --paper NAME --class NAME` on a data
/// root: the testee rows in number order, the statistics and the questions as
/// CSV on `out`. Gives 0, or 2 with one line on `err` when the paper or class
/// does not exist or the arguments are wrong.
int runResultsCommand(const store::DataRoot &root, const QStringList &arguments, QTextStream &out,
                      QTextStream &err);
/// The same on standard output and error, with the data root taken from the
/// arguments, the environment or the executable's folder.
int runResultsCommand(const QStringList &arguments, const QString &executableFolder);

/// One CSV field: quoted when it holds a comma, a quote or a line break.
QString csvField(const QString &text);

} // namespace results

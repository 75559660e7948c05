// `teacher print-paper`: a paper's Word document without a window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QStringList>
#include <QTextStream>

namespace papers {

/// Whether the command word (past `--data-root DIR`) is `print-paper`. Takes the raw
/// arguments so that main() can decide before any application object exists.
bool isPrintPaperCommand(int argc, const char *const *argv);
bool isPrintPaperCommand(const QStringList &arguments);

/// Runs `teacher [--data-root DIR] print-paper --paper NAME [--explanations]
/// --output FILE.docx [--template FILE]`: the paper's row as "Manage paper" shows it
/// on opening, its questions and the template (sys/paper.dotx unless given) make the
/// document at FILE, which replaces a file there. Gives 0, or 2 with one line on
/// `err` (unknown paper, missing template, unreadable document, unwritable output).
int runPrintPaperCommand(const store::DataRoot &root, const QStringList &arguments,
                         QTextStream &out, QTextStream &err);
/// The same on standard output and error, with the data root taken from the
/// arguments, the environment or the executable's folder.
int runPrintPaperCommand(const QStringList &arguments, const QString &executableFolder);

} // namespace papers

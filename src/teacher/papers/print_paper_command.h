// `teacher print-paper`: a paper's Word document without a window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QStringList>
#include <QTextStream>

namespace papers {

/// Runs `teacher [--data-root DIR] print-paper --paper NAME [--explanations]
/// --output FILE.docx [--template FILE]`: the paper's row as "Manage paper" shows it
/// on opening, its questions and the template (sys/paper.dotx unless given) make the
/// document at FILE, which replaces a file there. Gives 0, or 2 with one line on
/// `err` (unknown paper, missing template, unreadable document, unwritable output).
int runPrintPaperCommand(const store::DataRoot &root, const QStringList &arguments,
                         QTextStream &out, QTextStream &err);

} // namespace papers

// `teacher print-paper`: a paper's Word document without a window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/setup/teacher_command.h"

namespace papers {

/// `teacher print-paper --paper NAME [--explanations] --output FILE.docx [--template FILE]`:
/// the paper's row as "Manage paper" shows it on opening, its questions and the template
/// (sys/paper.dotx unless given) make the document at FILE, which replaces a file there.
/// Gives 0, or 2 with one line on `err` (unknown paper, missing template, unreadable
/// document, unwritable output).
teacher::TeacherCommand printPaperCommand();

} // namespace papers

// `teacher export-results`: the results workbook without a window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/setup/teacher_command.h"

namespace results {

/// `teacher export-results --paper NAME --class NAME --output FILE.xlsx [--template FILE]`:
/// the figures of one refresh (those `teacher results` prints) in the template
/// (sys/score.xltx unless given), written to FILE, which replaces a file there. Gives 0,
/// or 2 with one line on `err`.
teacher::TeacherCommand exportResultsCommand();

} // namespace results

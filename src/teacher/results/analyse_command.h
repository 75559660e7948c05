// `teacher analyse`: the item analysis of a paper as JSON or CSV, without a window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/setup/teacher_command.h"

namespace results {

/// `teacher analyse --paper NAME [--class NAME]... [--format json|csv] [--output FILE]`:
/// the figures of ItemAnalysis over the classes named, or over every class with records
/// of the paper. Gives 0, or 2 with one line on `err`.
teacher::TeacherCommand analyseCommand();

} // namespace results

// `teacher check`: a data root's health on standard output, one line per problem.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher_command.h"

namespace teacher {

/// `teacher check`: checks the root without changing it: one "file: problem" line per
/// finding on `out`, a summary on `err`. Gives 0 when clean, 1 when something was found,
/// 2 when the check could not run. `Shown` reports each paper on `err` (for a terminal).
enum class CheckProgress { Quiet, Shown };
TeacherCommand checkCommand(CheckProgress progress = CheckProgress::Quiet);

} // namespace teacher

// `teacher results`: the figures of the results view as CSV, without a window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/setup/teacher_command.h"

namespace results {

/// `teacher results --paper NAME --class NAME`: the testee rows in number order, the
/// statistics and the questions as CSV on `out`. Gives 0, or 2 with one line on `err`
/// when the paper or class does not exist or the arguments are wrong.
teacher::TeacherCommand resultsCommand();

/// One CSV field: quoted when it holds a comma, a quote or a line break; a text that a
/// spreadsheet would take for a formula (it begins with =, +, -, @, a tab or a CR and is no
/// number) gets a leading apostrophe.
QString csvField(const QString &text);

} // namespace results

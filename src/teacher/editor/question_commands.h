// `teacher import-questions` and `teacher export-questions`: question banks in and out of
// a paper without a window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/setup/teacher_command.h"

namespace editor {

/// `teacher import-questions --paper NAME [--format F] [--encoding E] FILE...`: appends
/// the questions of the files to the paper through the editor's own save, so that they
/// all come in or none does. It works in the editor's folder `workingFolder` and so is
/// refused while an editor on this computer has a paper open. Gives 0; 1 when a file is
/// malformed or the paper cannot be saved; 2 for misuse.
teacher::TeacherCommand importQuestionsCommand(const QString &workingFolder);

/// `teacher export-questions --paper NAME --format F --output FILE`: the paper's questions
/// in an exchange format. Gives 0; 1 when the file cannot be written; 2 for misuse.
teacher::TeacherCommand exportQuestionsCommand();

} // namespace editor

// The teacher program's commands: `teacher [options] COMMAND [arguments]` runs one
// of them without any window instead of opening the main menu.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"
#include "store/root_locator.h"
#include "ui/command_line.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

namespace teacher {

/// Runs one command on a data root. `arguments` are the program's name, the
/// command's name and the command's own arguments (the program's options are
/// taken out). Gives the exit code: 0 done, 1 refused or found something, 2
/// wrong arguments or could not run.
using CommandRunner = std::function<int(const store::DataRoot &root, const QStringList &arguments,
                                        QTextStream &out, QTextStream &err)>;

/// Whether a command works on an existing data root (the program refuses to run it
/// when no root is set or the root holds no roster) or finds its folder itself.
enum class RootUse { Existing, Own };

/// One entry of the program's command table.
struct TeacherCommand
{
    QString name;
    QString summary; ///< one line for --help
    CommandRunner run;
    RootUse root = RootUse::Existing;
};

/// The "Commands:" section of --help.
QString commandsHelp(const QList<TeacherCommand> &commands);

/// Does what a parsed command line asks when it does not open the windows: prints
/// the help, the version or the error, or runs the command named by line.words()
/// on the root `location` names. Gives the exit code.
int runCommandLine(const ui::CommandLine &line, ui::CommandLine::Action action,
                   const QList<TeacherCommand> &commands, const store::RootLocation &location,
                   QTextStream &out, QTextStream &err);

/// Where the messages of the program and its commands say a data root is set.
QString rootSettingHint();

} // namespace teacher

// The teacher program's commands: `teacher [OPTIONS] COMMAND [ARGUMENTS]` runs one
// of them without any window instead of opening the main menu. Each command declares
// its options once; one reader takes them, the program's own options (--data-root)
// before or after the command word, and makes the usage line and `COMMAND --help`.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"
#include "store/root_locator.h"
#include "ui/command_line.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

namespace teacher {

/// One option of a command: `--name VALUE`, or `--name` alone when it takes no value.
struct CommandOption
{
    QString name = {};      ///< without dashes: "paper"
    QString valueName = {}; ///< "NAME" in the usage line; empty for a flag
    QString description = {};
    bool required = false;
    QStringList choices = {}; ///< the values it takes; empty: any
};

/// What the reader found after a command's name.
class CommandArguments
{
public:
    bool isSet(const QString &option) const { return m_values.contains(option); }
    /// The last value given (a flag has an empty one); empty when not set.
    QString value(const QString &option) const;
    /// Every value, in the order given (an option given more than once).
    QStringList values(const QString &option) const { return m_values.value(option); }
    /// The words that are no options, in order.
    const QStringList &words() const { return m_words; }
    /// "teacher print-paper: ", the start of every message of the command.
    const QString &prefix() const { return m_prefix; }

private:
    friend class CommandReader;
    QHash<QString, QStringList> m_values;
    QStringList m_words;
    QString m_prefix;
};

/// Runs one command on a data root. Gives the exit code: 0 done, 1 refused or found
/// something, 2 wrong arguments or could not run.
using CommandRunner = std::function<int(const store::DataRoot &root, const CommandArguments &args,
                                        QTextStream &out, QTextStream &err)>;

/// Whether a command works on an existing data root (the program refuses to run it
/// when no root is set or the root holds no roster) or finds its folder itself.
enum class RootUse { Existing, Own };

/// One entry of the program's command table.
struct TeacherCommand
{
    QString name = {};
    QString summary = {}; ///< one line for `teacher --help`, and the start of `COMMAND --help`
    CommandRunner run = {};
    RootUse root = RootUse::Existing;
    QList<CommandOption> options = {};
    QString words = {};   ///< the words it takes, for the usage line ("[DIR]"); empty: none
    int maxWords = 0;     ///< how many words it takes at most
    QString details = {}; ///< lines after the summary in `COMMAND --help`

    /// "usage: teacher [--data-root DIR] print-paper --paper NAME [--explanations] ..."
    QString usage(const QString &program = QStringLiteral("teacher")) const;
    /// What `teacher COMMAND --help` prints.
    QString help(const QString &program = QStringLiteral("teacher")) const;
};

/// The "Commands:" section of --help.
QString commandsHelp(const QList<TeacherCommand> &commands);

/// Finds the data root a command runs on, from the --data-root given, if any.
using RootFinder = std::function<store::RootLocation(const std::optional<QString> &dataRoot)>;

/// Does what a parsed command line asks when it does not open the windows: prints
/// the help, the version or the error, or runs the command named by line.words()
/// on the root `find` gives. Gives the exit code.
int runCommandLine(const ui::CommandLine &line, ui::CommandLine::Action action,
                   const QList<TeacherCommand> &commands, const RootFinder &find, QTextStream &out,
                   QTextStream &err);

/// Reads a command's own arguments (`words`, after its name) and runs it on `root`,
/// as runCommandLine does once the root is found. Misuse is one line on `err` and 2;
/// `--help` prints the command's help and gives 0.
int runCommand(const TeacherCommand &command, const store::DataRoot &root, const QStringList &words,
               QTextStream &out, QTextStream &err,
               const QString &program = QStringLiteral("teacher"));

/// Where the messages of the program and its commands say a data root is set.
QString rootSettingHint();

} // namespace teacher

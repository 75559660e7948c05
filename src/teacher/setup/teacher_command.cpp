// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_command.h"

#include <QDir>

#include <algorithm>

namespace teacher {

QString rootSettingHint()
{
    return QStringLiteral("name one with --data-root DIR, QUORIN_DATA_ROOT, or DataRoot in "
                          "~/.config/quorin/quorin.conf or /etc/xdg/quorin/quorin.conf");
}

QString commandsHelp(const QList<TeacherCommand> &commands)
{
    qsizetype width = 0;
    for (const TeacherCommand &command : commands)
        width = std::max(width, command.name.size());
    QString text = QStringLiteral("Commands:\n");
    for (const TeacherCommand &command : commands)
        text +=
            QStringLiteral("  ") + command.name.leftJustified(width + 2) + command.summary + u'\n';
    return text;
}

int runCommandLine(const ui::CommandLine &line, ui::CommandLine::Action action,
                   const QList<TeacherCommand> &commands, const store::RootLocation &location,
                   QTextStream &out, QTextStream &err)
{
    switch (action) {
    case ui::CommandLine::Action::Help:
        out << line.helpText(commandsHelp(commands));
        return 0;
    case ui::CommandLine::Action::Version:
        out << line.versionText();
        return 0;
    case ui::CommandLine::Action::Error:
        err << line.errorText() << '\n';
        return 2;
    case ui::CommandLine::Action::Run:
        break;
    }
    if (line.words().isEmpty())
        return 0;

    const QString &name = line.words().constFirst();
    const auto command = std::find_if(commands.cbegin(), commands.cend(),
                                      [&](const TeacherCommand &c) { return c.name == name; });
    if (command == commands.cend()) {
        err << line.program() << ": unknown command \"" << name << "\". Try \"" << line.program()
            << " --help\".\n";
        return 2;
    }
    if (command->root == RootUse::Existing) {
        if (location.source == store::RootSource::None) {
            err << line.program() << ' ' << name << ": no data root is set; " << rootSettingHint()
                << '\n';
            return 2;
        }
        if (!store::holdsRoster(location.root)) {
            err << line.program() << ' ' << name << ": there is no data root in \""
                << QDir::toNativeSeparators(location.root.path()) << "\" (from "
                << location.origin() << "): it holds no sys/sys.cho\n";
            return 2;
        }
    }
    return command->run(location.root, QStringList{line.program()} + line.words(), out, err);
}

} // namespace teacher

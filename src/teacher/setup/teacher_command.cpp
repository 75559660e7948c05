// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_command.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace teacher {

namespace {

// Options every command takes besides its own.
const QList<CommandOption> &commonOptions()
{
    static const QList<CommandOption> options{
        {QStringLiteral("data-root"), QStringLiteral("DIR"),
         QCoreApplication::translate(
             "TeacherCommand",
             "Use the data root in DIR (\"teacher --help\" says where it is looked "
             "for without it).")},
        {QStringLiteral("help"), QString(),
         QCoreApplication::translate("TeacherCommand", "Show this help and end.")},
    };
    return options;
}

QString optionUsage(const CommandOption &option)
{
    const QString text = QStringLiteral("--") + option.name +
                         (option.valueName.isEmpty() ? QString() : u' ' + option.valueName);
    return option.required ? text : u'[' + text + u']';
}

} // namespace

// Reads the words after a command's name: --name VALUE, --name=VALUE, flags, "--" before
// words that begin with a dash, and -h. Everything else that begins with a dash is refused.
class CommandReader
{
public:
    enum class Outcome { Run, Help, Error };

    static Outcome read(const TeacherCommand &command, const QString &program,
                        const QStringList &words, CommandArguments &args, QString &error)
    {
        args = CommandArguments();
        args.m_prefix = program + u' ' + command.name + QStringLiteral(": ");
        const QString usage = command.usage(program);
        const auto fail = [&](const QString &problem) {
            error = args.m_prefix + problem + QStringLiteral("; ") + usage;
            return Outcome::Error;
        };
        // Help is given wherever it is asked for, whatever else the line holds.
        for (const QString &word : words) {
            if (word == u"--")
                break;
            if (word == u"-h" || word == u"--help")
                return Outcome::Help;
        }
        const QList<CommandOption> known = command.options + commonOptions();
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString &word = words.at(i);
            if (word == u"--") {
                args.m_words += words.mid(i + 1);
                break;
            }
            if (!word.startsWith(u'-') || word == u"-") {
                args.m_words.append(word);
                continue;
            }
            const qsizetype equals = word.indexOf(u'=');
            const QString name = word.startsWith(u"--")
                                     ? word.sliced(2, (equals < 0 ? word.size() : equals) - 2)
                                     : QString();
            const auto option =
                std::find_if(known.cbegin(), known.cend(),
                             [&](const CommandOption &o) { return o.name == name; });
            if (name.isEmpty() || option == known.cend())
                return fail(
                    QCoreApplication::translate("TeacherCommand", "unexpected argument \"%1\"")
                        .arg(word));
            if (option->valueName.isEmpty()) {
                if (equals >= 0)
                    return fail(QCoreApplication::translate("TeacherCommand", "--%1 takes no value")
                                    .arg(name));
                args.m_values[name].append(QString());
            } else if (equals < 0 && i + 1 >= words.size()) {
                return fail(QCoreApplication::translate("TeacherCommand", "--%1 needs a value (%2)")
                                .arg(name, option->valueName));
            } else {
                const QString value = equals >= 0 ? word.sliced(equals + 1) : words.at(++i);
                if (!option->choices.isEmpty() && !option->choices.contains(value))
                    return fail(
                        QCoreApplication::translate("TeacherCommand", "--%1 takes %2, not \"%3\"")
                            .arg(name,
                                 option->choices.join(
                                     QCoreApplication::translate("TeacherCommand", " or ")),
                                 value));
                args.m_values[name].append(value);
            }
        }
        if (args.m_words.size() > command.maxWords)
            return fail(QCoreApplication::translate("TeacherCommand", "unexpected argument \"%1\"")
                            .arg(args.m_words.at(command.maxWords)));
        const QStringList roots = args.values(QStringLiteral("data-root"));
        if (roots.size() > 1)
            return fail(QCoreApplication::translate("TeacherCommand",
                                                    "--data-root is given more than once"));
        if (!roots.isEmpty() && roots.constFirst().trimmed().isEmpty())
            return fail(
                QCoreApplication::translate("TeacherCommand", "--data-root needs a folder"));
        // A command line without what the command needs gets its usage, as a reminder.
        for (const CommandOption &option : command.options) {
            if (option.required && args.value(option.name).trimmed().isEmpty()) {
                error = usage;
                return Outcome::Error;
            }
        }
        return Outcome::Run;
    }
};

namespace {

// Reads a command's words into `args`; gives the exit code where reading ends the run
// (its help was asked for, or it was misused).
std::optional<int> readArguments(const TeacherCommand &command, const QString &program,
                                 const QStringList &words, CommandArguments &args, QTextStream &out,
                                 QTextStream &err)
{
    QString error;
    switch (CommandReader::read(command, program, words, args, error)) {
    case CommandReader::Outcome::Help:
        out << command.help(program);
        return 0;
    case CommandReader::Outcome::Error:
        err << error << '\n';
        return 2;
    case CommandReader::Outcome::Run:
        break;
    }
    return std::nullopt;
}

} // namespace

QString CommandArguments::value(const QString &option) const
{
    const auto found = m_values.constFind(option);
    return found == m_values.cend() ? QString() : found->constLast();
}

QString TeacherCommand::usage(const QString &program) const
{
    QString text = QCoreApplication::translate("TeacherCommand", "usage: ") + program +
                   QCoreApplication::translate("TeacherCommand", " [--data-root DIR] ") + name;
    for (const CommandOption &option : options)
        text += u' ' + optionUsage(option);
    if (!words.isEmpty())
        text += u' ' + words;
    return text;
}

QString TeacherCommand::help(const QString &program) const
{
    QString text = usage(program) + u'\n' + summary + u'\n';
    if (!details.isEmpty())
        text += details + u'\n';
    const QList<CommandOption> all = options + commonOptions();
    qsizetype width = 0;
    const auto shown = [](const CommandOption &option) -> QString {
        return (option.name == u"help" ? QStringLiteral("-h, --") : QStringLiteral("--")) +
               option.name + (option.valueName.isEmpty() ? QString() : u' ' + option.valueName);
    };
    for (const CommandOption &option : all)
        width = std::max(width, shown(option).size());
    text += QCoreApplication::translate("TeacherCommand", "\nOptions:\n");
    for (const CommandOption &option : all)
        text += QStringLiteral("  ") + shown(option).leftJustified(width + 2) + option.description +
                u'\n';
    return text;
}

QString rootSettingHint()
{
    return QCoreApplication::translate(
        "TeacherCommand", "name one with --data-root DIR, QUORIN_DATA_ROOT, or DataRoot in "
                          "~/.config/quorin/quorin.conf or /etc/xdg/quorin/quorin.conf");
}

QString commandsHelp(const QList<TeacherCommand> &commands)
{
    qsizetype width = 0;
    for (const TeacherCommand &command : commands)
        width = std::max(width, command.name.size());
    QString text = QCoreApplication::translate("TeacherCommand", "Commands:\n");
    for (const TeacherCommand &command : commands)
        text +=
            QStringLiteral("  ") + command.name.leftJustified(width + 2) + command.summary + u'\n';
    return text + QCoreApplication::translate(
                      "TeacherCommand", "\n\"COMMAND --help\" shows the options of a command.\n");
}

int runCommandLine(const ui::CommandLine &line, ui::CommandLine::Action action,
                   const QList<TeacherCommand> &commands, const RootFinder &find, QTextStream &out,
                   QTextStream &err)
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
        err << line.program() << ": "
            << QCoreApplication::translate("TeacherCommand",
                                           "unknown command \"%1\". Try \"%2 --help\".")
                   .arg(name, line.program())
            << '\n';
        return 2;
    }
    CommandArguments args;
    if (const std::optional<int> ended =
            readArguments(*command, line.program(), line.words().mid(1), args, out, err))
        return *ended;
    std::optional<QString> dataRoot = line.dataRoot();
    if (args.isSet(QStringLiteral("data-root"))) {
        if (dataRoot) {
            err << args.prefix()
                << QCoreApplication::translate("TeacherCommand",
                                               "--data-root is given more than once; %1")
                       .arg(command->usage(line.program()))
                << '\n';
            return 2;
        }
        dataRoot = args.value(QStringLiteral("data-root"));
    }
    const store::RootLocation location = find(dataRoot);
    if (command->root == RootUse::Existing) {
        if (location.source == store::RootSource::None) {
            err << args.prefix()
                << QCoreApplication::translate("TeacherCommand", "no data root is set; %1")
                       .arg(rootSettingHint())
                << '\n';
            return 2;
        }
        if (!store::holdsRoster(location.root)) {
            err << args.prefix()
                << QCoreApplication::translate(
                       "TeacherCommand", "there is no data root in \"%1\" (from %2): it holds no "
                                         "sys/sys.cho")
                       .arg(QDir::toNativeSeparators(location.root.path()), location.origin())
                << '\n';
            return 2;
        }
    }
    return command->run(location.root, args, out, err);
}

int runCommand(const TeacherCommand &command, const store::DataRoot &root, const QStringList &words,
               QTextStream &out, QTextStream &err, const QString &program)
{
    CommandArguments args;
    if (const std::optional<int> ended = readArguments(command, program, words, args, out, err))
        return *ended;
    return command.run(root, args, out, err);
}

} // namespace teacher

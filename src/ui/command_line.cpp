// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCoreApplication>

namespace ui {

namespace {

// The options QGuiApplication, QApplication and the X11 platform take out of the
// arguments themselves. They are known here so that they are not refused; the
// application object still reads them from argv.
const char *const qtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "name",   "visual",
    "fontengine",  "qmljsdebugger",
};
const char *const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

} // namespace

CommandLine::CommandLine(QString program, const QString &description, Words words)
    : m_program(std::move(program))
    , m_wordsMode(words)
    , m_dataRootOption(
          QStringLiteral("data-root"),
          QCoreApplication::translate("CommandLine",
                                      "Use the data root in DIR. Without it: $QUORIN_DATA_ROOT, "
                                      "else DataRoot in ~/.config/quorin/quorin.conf, else in "
                                      "/etc/xdg/quorin/quorin.conf, else the program's folder."),
          QStringLiteral("DIR"))
{
    m_parser.setApplicationDescription(description);
    // "-platform xcb" is one option, as Qt programs have always taken it.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Options after the command are the command's own.
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    // Qt's own help option brings --help-all, which would list Qt's options that
    // helpText() cannot show.
    m_parser.addOption(
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                           QCoreApplication::translate("CommandLine", "Show this help and end.")));
    m_parser.addOption(QCommandLineOption(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and end.")));
    m_parser.addOption(m_dataRootOption);
    for (const char *name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
    for (const char *name : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
    if (words == Words::Command)
        m_parser.addPositionalArgument(
            QStringLiteral("command"),
            QCoreApplication::translate(
                "CommandLine", "One of the commands below; without one, the windows open."),
            QCoreApplication::translate("CommandLine", "[command [arguments]]"));
}

CommandLine::Action CommandLine::parse(const QStringList &arguments)
{
    m_dataRoot.reset();
    m_words.clear();
    m_error.clear();
    const QString hint =
        QCoreApplication::translate("CommandLine", " Try \"%1 --help\".").arg(m_program);
    if (!m_parser.parse(arguments)) {
        m_error = m_program + QStringLiteral(": ") + m_parser.errorText() + hint;
        return Action::Error;
    }
    if (m_parser.isSet(QStringLiteral("help")))
        return Action::Help;
    if (m_parser.isSet(QStringLiteral("version")))
        return Action::Version;
    if (m_parser.isSet(m_dataRootOption)) {
        const QStringList values = m_parser.values(m_dataRootOption);
        if (values.size() > 1) {
            m_error = m_program +
                      QCoreApplication::translate("CommandLine",
                                                  ": --data-root is given more than once.") +
                      hint;
            return Action::Error;
        }
        if (values.constFirst().trimmed().isEmpty()) {
            m_error = m_program +
                      QCoreApplication::translate("CommandLine", ": --data-root needs a folder.") +
                      hint;
            return Action::Error;
        }
        m_dataRoot = values.constFirst();
    }
    m_words = m_parser.positionalArguments();
    if (m_wordsMode == Words::Refused && !m_words.isEmpty()) {
        m_error = m_program +
                  QCoreApplication::translate("CommandLine", ": unexpected argument \"") +
                  m_words.constFirst() + QStringLiteral("\".") + hint;
        m_words.clear();
        return Action::Error;
    }
    return Action::Run;
}

QString CommandLine::helpText(const QString &more) const
{
    QString text = m_parser.helpText();
    if (!more.isEmpty()) {
        if (!text.endsWith(u'\n'))
            text += u'\n';
        text += u'\n' + more;
    }
    return text;
}

QString CommandLine::versionText() const
{
    return m_program + QStringLiteral(" (Quorin) ") + version() + u'\n';
}

QStringList CommandLine::fromArgv(int argc, const char *const *argv)
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QString CommandLine::version()
{
    return QStringLiteral(QUORIN_VERSION);
}

} // namespace ui

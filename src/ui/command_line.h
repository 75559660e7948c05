// The command line both programs share: --help, --version, --data-root DIR, and the
// options Qt itself takes (-platform, -style, ...), which are left to the application.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace ui {

class CommandLine
{
public:
    /// Whether words after the options are taken (a command and its arguments) or
    /// refused.
    enum class Words { Refused, Command };

    /// `program` is the name used in messages ("teacher"); `description` heads the help.
    CommandLine(QString program, const QString &description, Words words);

    enum class Action {
        Run,     ///< go on: open the windows, or run the command in words()
        Help,    ///< print helpText() and end with 0
        Version, ///< print versionText() and end with 0
        Error,   ///< print errorText() on standard error and end with 2
    };
    /// Parses the whole command line, the program's own name first. Needs no
    /// application object, so that help and errors need no display.
    Action parse(const QStringList &arguments);

    /// The program's name in messages.
    const QString &program() const { return m_program; }
    /// The value of --data-root, when it was given.
    const std::optional<QString> &dataRoot() const { return m_dataRoot; }
    /// The command and its arguments; options after the command belong to it.
    const QStringList &words() const { return m_words; }

    /// One line, with the program's name in front, and a hint to --help.
    QString errorText() const { return m_error; }
    /// The usage, the options and `more` (a list of commands, say) after them.
    /// Needs an application object.
    QString helpText(const QString &more = {}) const;
    QString versionText() const;

    /// The arguments as the program received them, decoded as the locale says.
    static QStringList fromArgv(int argc, const char *const *argv);

    /// The product's version, as the build sets it.
    static QString version();

private:
    QString m_program;
    Words m_wordsMode;
    QCommandLineParser m_parser;
    QCommandLineOption m_dataRootOption;
    std::optional<QString> m_dataRoot;
    QStringList m_words;
    QString m_error;
};

} // namespace ui

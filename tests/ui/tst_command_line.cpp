// The command line both programs share: what each argument list asks for, the
// one-line errors, and that Qt's own options are let through to the application.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_line.h"

#include <QTest>

using namespace Qt::StringLiterals;
using ui::CommandLine;
using Action = CommandLine::Action;

Q_DECLARE_METATYPE(CommandLine::Action)
Q_DECLARE_METATYPE(CommandLine::Words)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parses_data()
    {
        QTest::addColumn<CommandLine::Words>("words");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QString>("dataRoot"); // "-" when not given
        QTest::addColumn<QStringList>("rest");
        QTest::addColumn<QString>("error");

        const auto command = CommandLine::Words::Command;
        const auto refused = CommandLine::Words::Refused;
        const QString none = QStringLiteral("-");
        QTest::newRow("nothing") << command << QStringList{} << Action::Run << none << QStringList{}
                                 << QString();
        QTest::newRow("help") << command << QStringList{u"--help"_s} << Action::Help << none
                              << QStringList{} << QString();
        QTest::newRow("short help") << refused << QStringList{u"-h"_s} << Action::Help << none
                                    << QStringList{} << QString();
        QTest::newRow("help beats a data root")
            << command << QStringList{u"--data-root"_s, u"/r"_s, u"--help"_s} << Action::Help
            << none << QStringList{} << QString();
        QTest::newRow("version") << refused << QStringList{u"--version"_s} << Action::Version
                                 << none << QStringList{} << QString();
        QTest::newRow("data root") << refused << QStringList{u"--data-root"_s, u"/srv/q"_s}
                                   << Action::Run << u"/srv/q"_s << QStringList{} << QString();
        QTest::newRow("data root with =")
            << refused << QStringList{u"--data-root=/srv/q"_s} << Action::Run << u"/srv/q"_s
            << QStringList{} << QString();
        QTest::newRow("command with its own options")
            << command << QStringList{u"--data-root"_s, u"/r"_s, u"results"_s,
                                      u"--paper"_s,     u"X"_s,  u"--help"_s}
            << Action::Run << u"/r"_s
            << QStringList{u"results"_s, u"--paper"_s, u"X"_s, u"--help"_s} << QString();
        QTest::newRow("Qt's options")
            << refused
            << QStringList{u"-platform"_s, u"offscreen"_s, u"-style=fusion"_s, u"-reverse"_s}
            << Action::Run << none << QStringList{} << QString();
        QTest::newRow("unknown option")
            << command << QStringList{u"--bogus"_s} << Action::Error << none << QStringList{}
            << u"prog: Unknown option 'bogus'. Try \"prog --help\"."_s;
        QTest::newRow("data root without a folder")
            << command << QStringList{u"--data-root"_s} << Action::Error << none << QStringList{}
            << u"prog: Missing value after '--data-root'. Try \"prog --help\"."_s;
        QTest::newRow("blank data root")
            << refused << QStringList{u"--data-root="_s} << Action::Error << none << QStringList{}
            << u"prog: --data-root needs a folder. Try \"prog --help\"."_s;
        QTest::newRow("two data roots")
            << refused << QStringList{u"--data-root=/a"_s, u"--data-root=/b"_s} << Action::Error
            << none << QStringList{}
            << u"prog: --data-root is given more than once. Try \"prog --help\"."_s;
        QTest::newRow("word where none is taken")
            << refused << QStringList{u"results"_s} << Action::Error << none << QStringList{}
            << u"prog: unexpected argument \"results\". Try \"prog --help\"."_s;
    }
    void parses()
    {
        QFETCH(CommandLine::Words, words);
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(QString, dataRoot);
        QFETCH(QStringList, rest);
        QFETCH(QString, error);

        CommandLine line(QStringLiteral("prog"), QStringLiteral("A program."), words);
        QCOMPARE(line.parse(QStringList{u"/usr/bin/prog"_s} + arguments), action);
        QCOMPARE(line.dataRoot().value_or(u"-"_s), dataRoot);
        QCOMPARE(line.words(), rest);
        QCOMPARE(line.errorText(), error);
        QVERIFY(!line.errorText().contains(u'\n'));
    }

    void helpNamesTheOptionsButNotQts()
    {
        CommandLine line(QStringLiteral("prog"), QStringLiteral("A program."),
                         CommandLine::Words::Command);
        QCOMPARE(line.parse({u"prog"_s, u"--help"_s}), Action::Help);
        const QString help = line.helpText(QStringLiteral("Commands:\n  go  Go.\n"));
        for (const char *wanted : {"A program.", "--help", "--version", "--data-root <DIR>",
                                   "QUORIN_DATA_ROOT", "quorin.conf", "[command [arguments]]"})
            QVERIFY2(help.contains(QLatin1String(wanted)), wanted);
        QVERIFY(help.endsWith(u"\n\nCommands:\n  go  Go.\n"_s));
        QVERIFY(!help.contains(u"platform"_s));
        QCOMPARE(line.versionText(), u"prog (Quorin) "_s + CommandLine::version() + u'\n');
        QVERIFY(!CommandLine::version().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"

// The teacher's command line: the table of commands, what runs when, and the real
// programs' help, version and mistakes, without any display.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/teacher_command.h"
#include "test_files.h"

#include <QDir>
#include <optional>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using teacher::RootUse;
using teacher::TeacherCommand;

class TestTeacherCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QStringList m_ran; // what the fake command was given: root, then the arguments

    QList<TeacherCommand> table()
    {
        const auto record = [this](int code) {
            return [this, code](const store::DataRoot &root, const teacher::CommandArguments &args,
                                QTextStream &out, QTextStream &) {
                m_ran = QStringList{root.path(), args.value(u"far"_s)} + args.words();
                out << "ran\n";
                return code;
            };
        };
        return {{.name = u"go"_s,
                 .summary = u"Go somewhere."_s,
                 .run = record(3),
                 .options = {{u"far"_s, u"HOW"_s, u"How far."_s, true}, {u"fast"_s}}},
                {.name = u"make-it"_s,
                 .summary = u"Make it anywhere."_s,
                 .run = record(0),
                 .root = RootUse::Own,
                 .words = u"[DIR]"_s,
                 .maxWords = 1}};
    }

    struct Run
    {
        int code = -1;
        QString out;
        QString err;
        std::optional<QString> dataRoot; // what the root was looked for with
    };
    // `root` is what the locator finds ("none": nothing names a root).
    Run dispatch(const QStringList &arguments, const QString &root = u"none"_s)
    {
        ui::CommandLine line(u"prog"_s, u"A program."_s, ui::CommandLine::Words::Command);
        const ui::CommandLine::Action action = line.parse(QStringList{u"prog"_s} + arguments);
        Run run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        m_ran.clear();
        const auto find = [&](const std::optional<QString> &dataRoot) {
            run.dataRoot = dataRoot;
            store::RootLocation location;
            if (root != u"none") {
                location.source = store::RootSource::Option;
                location.root = store::DataRoot(root);
            }
            return location;
        };
        run.code = teacher::runCommandLine(line, action, table(), find, out, err);
        return run;
    }

    Run program(const QString &name, const QStringList &arguments,
                const QProcessEnvironment &extra = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                     "QUORIN_DATA_ROOT", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
            environment.remove(QString::fromLatin1(variable));
        environment.insert(u"XDG_CONFIG_HOME"_s, m_dir.filePath(u"no-config"_s));
        environment.insert(u"XDG_CONFIG_DIRS"_s, m_dir.filePath(u"no-system-config"_s));
        environment.insert(extra);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(QUORIN_BIN_DIR "/") + name, arguments);
        Run run;
        if (!process.waitForFinished(30000))
            return run;
        run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

private slots:
    void cleanupTestCase() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void dispatches_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("root");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QStringList>("ran"); // root, --far, words

        const QString root = m_dir.filePath(u"root"_s);
        const QString empty = m_dir.filePath(u"empty"_s);
        const QString usage = u"usage: prog [--data-root DIR] go --far HOW [--fast]"_s;
        QTest::newRow("no command") << QStringList{} << root << 0 << QString() << QStringList{};
        QTest::newRow("a command")
            << QStringList{u"--data-root"_s, root, u"go"_s, u"--far"_s, u"x"_s} << root << 3
            << QString() << QStringList{root, u"x"_s};
        QTest::newRow("option=value, flag, last value counts")
            << QStringList{u"go"_s, u"--far=a"_s, u"--fast"_s, u"--far=b c"_s} << root << 3
            << QString() << QStringList{root, u"b c"_s};
        QTest::newRow("unknown command")
            << QStringList{u"frob"_s} << root << 2
            << u"prog: unknown command \"frob\". Try \"prog --help\".\n"_s << QStringList{};
        QTest::newRow("unknown option")
            << QStringList{u"--frob"_s, u"go"_s} << root << 2
            << u"prog: Unknown option 'frob'. Try \"prog --help\".\n"_s << QStringList{};
        QTest::newRow("unknown option of the command")
            << QStringList{u"go"_s, u"--far"_s, u"x"_s, u"--frob"_s} << root << 2
            << u"prog go: unexpected argument \"--frob\"; "_s + usage + u'\n' << QStringList{};
        QTest::newRow("a word it does not take")
            << QStringList{u"go"_s, u"--far"_s, u"x"_s, u"there"_s} << root << 2
            << u"prog go: unexpected argument \"there\"; "_s + usage + u'\n' << QStringList{};
        QTest::newRow("a value for a flag")
            << QStringList{u"go"_s, u"--far"_s, u"x"_s, u"--fast=yes"_s} << root << 2
            << u"prog go: --fast takes no value; "_s + usage + u'\n' << QStringList{};
        QTest::newRow("an option without its value")
            << QStringList{u"go"_s, u"--far"_s} << root << 2
            << u"prog go: --far needs a value (HOW); "_s + usage + u'\n' << QStringList{};
        QTest::newRow("a needed option missing")
            << QStringList{u"go"_s, u"--fast"_s} << root << 2 << usage + u'\n' << QStringList{};
        QTest::newRow("a needed option empty")
            << QStringList{u"go"_s, u"--far="_s} << root << 2 << usage + u'\n' << QStringList{};
        QTest::newRow("--data-root twice")
            << QStringList{u"--data-root"_s, root, u"go"_s, u"--far"_s, u"x"_s,
                           u"--data-root"_s, root}
            << root << 2 << u"prog go: --data-root is given more than once; "_s + usage + u'\n'
            << QStringList{};
        QTest::newRow("no root set")
            << QStringList{u"go"_s, u"--far"_s, u"x"_s} << u"none"_s << 2
            << u"prog go: no data root is set; name one with --data-root DIR, QUORIN_DATA_ROOT, "
               u"or DataRoot in ~/.config/quorin/quorin.conf or /etc/xdg/quorin/quorin.conf\n"_s
            << QStringList{};
        QTest::newRow("a root without a roster")
            << QStringList{u"go"_s, u"--far"_s, u"x"_s} << empty << 2
            << u"prog go: there is no data root in \""_s + empty +
                   u"\" (from --data-root): it holds no sys/sys.cho\n"_s
            << QStringList{};
        QTest::newRow("a command that finds its own folder")
            << QStringList{u"make-it"_s, u"/there"_s} << u"none"_s << 0 << QString()
            << QStringList{QString(), QString(), u"/there"_s};
        QTest::newRow("words after --")
            << QStringList{u"make-it"_s, u"--"_s, u"-odd name"_s} << u"none"_s << 0 << QString()
            << QStringList{QString(), QString(), u"-odd name"_s};
    }
    void dispatches()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, root);
        QFETCH(int, code);
        QFETCH(QString, err);
        QFETCH(QStringList, ran);
        testing::writeBytes(m_dir.filePath(u"root/sys/sys.cho"_s), "[ClassName]\r\n");
        QDir().mkpath(m_dir.filePath(u"empty"_s));

        const Run run = dispatch(arguments, root);
        QCOMPARE(run.code, code);
        QCOMPARE(run.err, err);
        QCOMPARE(m_ran, ran);
        QCOMPARE(run.out, ran.isEmpty() ? QString() : u"ran\n"_s);
    }

    // The program's options work before and after the command word alike.
    void theDataRootOptionGoesEitherSide()
    {
        const QString root = m_dir.filePath(u"root"_s);
        for (const QStringList &arguments : {QStringList{u"--data-root"_s, root, u"make-it"_s},
                                             QStringList{u"make-it"_s, u"--data-root"_s, root},
                                             QStringList{u"make-it"_s, u"--data-root="_s + root}}) {
            const Run run = dispatch(arguments);
            QCOMPARE(run.code, 0);
            QCOMPARE(run.dataRoot, std::optional<QString>(root));
        }
        QCOMPARE(dispatch({u"make-it"_s}).dataRoot, std::nullopt);
    }

    void helpListsTheCommands()
    {
        const Run run = dispatch({u"--help"_s});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.endsWith(u"\nCommands:\n  go       Go somewhere.\n"
                                 u"  make-it  Make it anywhere.\n\n"
                                 u"\"COMMAND --help\" shows the options of a command.\n"_s));
        QVERIFY(m_ran.isEmpty());
    }

    void aCommandsHelp()
    {
        for (const QStringList &arguments :
             {QStringList{u"go"_s, u"--help"_s}, QStringList{u"go"_s, u"--frob"_s, u"-h"_s}}) {
            const Run run = dispatch(arguments);
            QCOMPARE(run.code, 0);
            QCOMPARE(run.out, u"usage: prog [--data-root DIR] go --far HOW [--fast]\n"
                              u"Go somewhere.\n\n"
                              u"Options:\n"
                              u"  --far HOW        How far.\n"
                              u"  --fast           \n"
                              u"  --data-root DIR  Use the data root in DIR (\"teacher --help\" "
                              u"says where it is looked for without it).\n"
                              u"  -h, --help       Show this help and end.\n"_s);
            QVERIFY(m_ran.isEmpty());
        }
    }

    // The real programs, as a person or a script runs them: no display is needed.
    void programs_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("outHas");
        QTest::addColumn<QString>("err");

        QTest::newRow("teacher --help")
            << u"teacher"_s << QStringList{u"--help"_s} << 0
            << QStringList{u"Usage: "_s, u"--data-root <DIR>"_s, u"\n  results  "_s,
                           u"\n  init-root  "_s, u"\n  check  "_s}
            << QString();
        QTest::newRow("teacher --version") << u"teacher"_s << QStringList{u"--version"_s} << 0
                                           << QStringList{u"teacher (Quorin) 4."_s} << QString();
        QTest::newRow("teacher, unknown option")
            << u"teacher"_s << QStringList{u"--colour"_s} << 2 << QStringList{}
            << u"teacher: Unknown option 'colour'. Try \"teacher --help\".\n"_s;
        QTest::newRow("teacher, unknown command")
            << u"teacher"_s << QStringList{u"grade"_s} << 2 << QStringList{}
            << u"teacher: unknown command \"grade\". Try \"teacher --help\".\n"_s;
        QTest::newRow("a command's help")
            << u"teacher"_s << QStringList{u"print-paper"_s, u"--help"_s} << 0
            << QStringList{u"usage: teacher [--data-root DIR] print-paper --paper NAME "_s,
                           u"\n  --template FILE  "_s}
            << QString();
        const QString nowhere = m_dir.filePath(u"nowhere"_s);
        QTest::newRow("--data-root after the command")
            << u"teacher"_s
            << QStringList{u"print-paper"_s, u"--data-root"_s, nowhere,    u"--paper"_s,
                           u"Maths"_s,       u"--output"_s,    u"x.docx"_s}
            << 2 << QStringList{}
            << u"teacher print-paper: there is no data root in \""_s + nowhere +
                   u"\" (from --data-root): it holds no sys/sys.cho\n"_s;
        QTest::newRow("student --help")
            << u"student"_s << QStringList{u"-h"_s} << 0
            << QStringList{u"Usage: "_s, u"--data-root <DIR>"_s} << QString();
        QTest::newRow("student --version") << u"student"_s << QStringList{u"-v"_s} << 0
                                           << QStringList{u"student (Quorin) 4."_s} << QString();
        QTest::newRow("student, a word")
            << u"student"_s << QStringList{u"results"_s} << 2 << QStringList{}
            << u"student: unexpected argument \"results\". Try \"student --help\".\n"_s;
        QTest::newRow("installed name")
            << u"quorin-student"_s << QStringList{u"--bad"_s} << 2 << QStringList{}
            << u"quorin-student: Unknown option 'bad'. Try \"quorin-student --help\".\n"_s;
    }
    void programs()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QStringList, outHas);
        QFETCH(QString, err);
        const Run run = this->program(program, arguments);
        QCOMPARE(run.err, err);
        QCOMPARE(run.code, code);
        for (const QString &text : outHas)
            QVERIFY2(run.out.contains(text), qPrintable(run.out));
        if (outHas.isEmpty())
            QCOMPARE(run.out, QString());
    }

    // The user's configuration file names the root for every command that has no
    // --data-root, and QUORIN_DATA_ROOT comes before it.
    void theConfigurationFileNamesTheRoot()
    {
        const QString config = m_dir.filePath(u"config"_s);
        const QString root = m_dir.filePath(u"configured root"_s);
        testing::writeBytes(config + u"/quorin/quorin.conf"_s,
                            "[General]\nDataRoot=" + root.toUtf8() + "\n");
        QProcessEnvironment environment;
        environment.insert(u"XDG_CONFIG_HOME"_s, config);

        Run run = program(u"teacher"_s, {u"init-root"_s}, environment);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.code, 0);
        QVERIFY(QFileInfo::exists(root + u"/sys/sys.cho"_s));
        QVERIFY(QFileInfo::exists(root + u"/help/index.html"_s)); // from build/share/quorin

        run = program(u"teacher"_s, {u"check"_s}, environment);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err, u"teacher check: no problems in \""_s + root +
                              u"\" (0 classes, 0 papers, 0 documents, 0 record files)\n"_s);

        environment.insert(u"QUORIN_DATA_ROOT"_s, m_dir.filePath(u"elsewhere"_s));
        run = program(u"teacher"_s, {u"check"_s}, environment);
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(u"elsewhere\" (from QUORIN_DATA_ROOT)"_s), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestTeacherCommand)
#include "tst_teacher_command.moc"

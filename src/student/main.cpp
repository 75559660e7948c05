// The student program: admits a testee and runs one attempt at a paper.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_gate.h"
#include "student_program.h"

#include "store/clock.h"
#include "store/data_root.h"
#include "store/random_source.h"
#include "store/root_locator.h"
#include "ui/command_line.h"
#include "ui/qt_prompts.h"
#include "ui/single_instance.h"
#include "ui/translations.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

int main(int argc, char **argv)
{
    const QStringList arguments = ui::CommandLine::fromArgv(argc, argv);
    const QString programName = QFileInfo(arguments.value(0, QStringLiteral("student"))).fileName();
    const auto description = [] {
        return QCoreApplication::translate("student",
                                           "Quorin's student program: log in to a test paper and "
                                           "sit it.");
    };
    ui::CommandLine firstLine(programName, description(), ui::CommandLine::Words::Refused);
    const ui::CommandLine::Action action = firstLine.parse(arguments);
    // Help, version and mistakes need no display.
    if (action != ui::CommandLine::Action::Run) {
        QCoreApplication app(argc, argv);
        ui::installTranslations(app);
        // Read once more, now that its help and its mistakes can be said in the
        // program's language.
        ui::CommandLine line(programName, description(), ui::CommandLine::Words::Refused);
        line.parse(arguments);
        QTextStream out(stdout);
        QTextStream err(stderr);
        switch (action) {
        case ui::CommandLine::Action::Help:
            out << line.helpText();
            return 0;
        case ui::CommandLine::Action::Version:
            out << line.versionText();
            return 0;
        default:
            err << line.errorText() << '\n';
            return 2;
        }
    }

    const ui::CommandLine &line = firstLine;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("student"));
    ui::installTranslations(app);
    // No display name: Qt would append it to every window title, and the exam
    // window's title is exactly the testee's class, number and names.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorin.Student"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.quorin.Student")));
    // The windows hand over to each other; the program ends when a window asks.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::QtPrompts prompts(QCoreApplication::translate("student", "Quorin"));

    ui::SingleInstance guard(QStringLiteral("student"));
    if (!guard.acquire()) {
        prompts.message(
            QCoreApplication::translate("student", "The test program has been running!"));
        return 0;
    }

    const store::RootLocation location =
        store::RootLocator::locate(line.dataRoot(), QApplication::applicationDirPath());
    QTextStream err(stderr);
    if (!student::admitRoot(location, prompts, err))
        return 1;
    const store::DataRoot root = location.root;
    store::SystemClock clock;
    store::SystemRandom random;
    // Queued, so that a request made before the event loop runs is not lost.
    const auto quit = [] {
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    };
    student::StudentProgram program(root, clock, random, prompts, quit);
    if (!program.start())
        return 0;
    return QApplication::exec();
}

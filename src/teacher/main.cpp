// The teacher program: keeps classes, papers and the test room, and watches results.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "classes/manage_classes_window.h"
#include "classes/manage_test_window.h"
#include "editor/edit_paper_window.h"
#include "editor/question_commands.h"
#include "papers/manage_paper_window.h"
#include "setup/check_command.h"
#include "setup/root_init.h"
#include "setup/root_setup.h"
#include "setup/teacher_command.h"
#include "shell/menu_picture.h"
#include "shell/set_password_window.h"
#include "shell/teacher_shell.h"
#include "store/clock.h"
#include "store/data_root.h"
#include "store/root_locator.h"
#include "teacher/papers/print_paper_command.h"
#include "teacher/papers/word_output.h"
#include "teacher/results/analyse_command.h"
#include "teacher/results/export_results_command.h"
#include "teacher/results/results_command.h"
#include "teacher/results/results_window.h"
#include "ui/built_in_help.h"
#include "ui/command_line.h"
#include "ui/qt_prompts.h"
#include "ui/single_instance.h"
#include "ui/translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>

#include <unistd.h>

namespace {

// What `teacher COMMAND` runs; `teacher --help` lists them in this order.
QList<teacher::TeacherCommand> commandTable(const QString &shippedData)
{
    return {
        results::resultsCommand(),
        papers::printPaperCommand(),
        results::exportResultsCommand(),
        results::analyseCommand(),
        editor::importQuestionsCommand(
            store::DataRoot::localFolder(store::DataRoot::LocalUse::Editor)),
        editor::exportQuestionsCommand(),
        teacher::initRootCommand(shippedData, ui::currentLanguage()),
        teacher::checkCommand(isatty(STDERR_FILENO) ? teacher::CheckProgress::Shown
                                                    : teacher::CheckProgress::Quiet),
    };
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = ui::CommandLine::fromArgv(argc, argv);
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("teacher"))).fileName();
    const auto description = [] {
        return QCoreApplication::translate("teacher",
                                           "Quorin's teacher program: classes, test papers, the "
                                           "test room and the results.\nWithout a command it "
                                           "opens the main menu on the data root.");
    };
    ui::CommandLine firstLine(program, description(), ui::CommandLine::Words::Command);
    const ui::CommandLine::Action action = firstLine.parse(arguments);

    // Help, version, mistakes and commands need no display.
    if (action != ui::CommandLine::Action::Run || !firstLine.words().isEmpty()) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("teacher"));
        ui::installTranslations(app);
        // Read once more, now that its help and its mistakes can be said in the
        // program's language.
        ui::CommandLine line(program, description(), ui::CommandLine::Words::Command);
        line.parse(arguments);
        QTextStream out(stdout);
        QTextStream err(stderr);
        out.setEncoding(QStringConverter::Utf8);
        err.setEncoding(QStringConverter::Utf8);
        const QString folder = QCoreApplication::applicationDirPath();
        const int code = teacher::runCommandLine(
            line, action, commandTable(teacher::RootInit::shippedDataFolder(folder)),
            [&folder](const std::optional<QString> &dataRoot) {
                return store::RootLocator::locate(dataRoot, folder);
            },
            out, err);
        out.flush();
        err.flush();
        return code;
    }

    const ui::CommandLine &line = firstLine;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("teacher"));
    ui::installTranslations(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorin.Teacher"));
    // The installed icon, else the same drawing (a build tree has no icon theme entry).
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("org.quorin.Teacher"),
                         QIcon(QPixmap::fromImage(teacher::MenuPicture::programIcon(
                             teacher::MenuPicture::Program::Teacher, 256)))));

    // A second copy ends at once and without a word: the first one is on the screen.
    ui::SingleInstance instance(QStringLiteral("teacher"));
    if (!instance.acquire())
        return 0;

    ui::QtPrompts prompts(QCoreApplication::translate("teacher", "Teacher End"));
    // Nothing is shown on a folder that holds no roster, where nothing could be saved.
    const QString programFolder = QApplication::applicationDirPath();
    teacher::RootSetup setup(prompts,
                             teacher::RootInit(teacher::RootInit::shippedDataFolder(programFolder),
                                               ui::currentLanguage()),
                             store::RootLocator::configFiles().value(0));
    const std::optional<store::DataRoot> prepared =
        setup.prepare(store::RootLocator::locate(line.dataRoot(), programFolder));
    if (!prepared) {
        QTextStream(stderr) << line.program() << ": " << setup.endMessage() << '\n';
        return 1;
    }
    const store::DataRoot root = *prepared;
    ui::BuiltInHelp help(root.helpFolder());

    // Each working window opens modally over the menu.
    teacher::WorkingWindows windows;
    store::SystemClock clock;
    papers::WordOutput wordOutput(root, prompts, clock);
    windows.managePaper = [&](QWidget *over) {
        teacher::PaperActions actions;
        actions.editPaper = [&](QWidget *owner, const QString &paper) {
            editor::EditPaperWindow::openModal(root, prompts, help, paper, owner);
        };
        actions.outputToWord = papers::makeOutputToWord(wordOutput);
        teacher::ManagePaperWindow(root, prompts, help, actions, over).exec();
    };
    windows.manageTest = [&](QWidget *over) {
        teacher::ManageTestWindow(root, prompts, help, over).exec();
    };
    windows.manageClasses = [&](QWidget *over) {
        teacher::ManageClassesWindow(root, prompts, help, over).exec();
    };
    windows.setPassword = [&](QWidget *over) {
        teacher::SetPasswordWindow(root, prompts, help, over).exec();
    };
    const auto quit = [&app] {
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    };
    windows.viewAchievement = [&](QWidget *over) {
        // The help goes over the results window, which is modal, so that it is not blocked.
        results::ResultsWindow::openModal(
            root, prompts, quit,
            [&](const QString &page) {
                QWidget *modal = QApplication::activeModalWidget();
                help.open(page, modal ? modal : over);
            },
            over);
    };

    // The program ends when the shell says so (exit button, login cancelled, menu
    // closed), never because a window in between happened to be the last one.
    QApplication::setQuitOnLastWindowClosed(false);
    teacher::TeacherShell shell(root, prompts, help, windows, quit);
    shell.start();
    return app.exec();
}

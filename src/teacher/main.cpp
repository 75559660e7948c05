// The teacher program: keeps classes, papers and the test room, and watches results.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "classes/manage_classes_window.h"
#include "classes/manage_test_window.h"
#include "shell/set_password_window.h"
#include "shell/teacher_shell.h"
#include "store/data_root.h"
#include "teacher/papers/print_paper_command.h"
#include "teacher/results/export_results_command.h"
#include "teacher/results/results_command.h"
#include "teacher/results/results_window.h"
#include "ui/built_in_help.h"
#include "ui/qt_prompts.h"
#include "ui/single_instance.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char **argv)
{
    // `teacher results ...` prints figures for scripts and needs no display.
    if (results::isResultsCommand(argc, argv)) {
        QCoreApplication app(argc, argv);
        return results::runResultsCommand(QCoreApplication::arguments(),
                                          QCoreApplication::applicationDirPath());
    }
    // `teacher print-paper ...` and `teacher export-results ...` write office files, no display.
    if (papers::isPrintPaperCommand(argc, argv) || results::isExportResultsCommand(argc, argv)) {
        QCoreApplication app(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        const QString folder = QCoreApplication::applicationDirPath();
        return papers::isPrintPaperCommand(arguments)
                   ? papers::runPrintPaperCommand(arguments, folder)
                   : results::runExportResultsCommand(arguments, folder);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("teacher"));
    const QStringList arguments = QApplication::arguments();

    // A second copy ends at once and without a word: the first one is on the screen.
    ui::SingleInstance instance(QStringLiteral("teacher"));
    if (!instance.acquire())
        return 0;

    const store::DataRoot root =
        store::DataRoot::locate(arguments, QApplication::applicationDirPath());
    ui::QtPrompts prompts(QStringLiteral("Teacher End"));
    ui::BuiltInHelp help(root.helpFolder());

    // Each working window opens modally over the menu. "Manage paper" and
    // "View achievement" are wired here as their areas come in.
    teacher::WorkingWindows windows;
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
        results::ResultsWindow::openModal(root, prompts, quit, [&](const QString &page) {
            QWidget *modal = QApplication::activeModalWidget();
            help.open(page, modal ? modal : over);
        }, over);
    };

    // The program ends when the shell says so (exit button, login cancelled, menu
    // closed), never because a window in between happened to be the last one.
    QApplication::setQuitOnLastWindowClosed(false);
    teacher::TeacherShell shell(root, prompts, help, windows, quit);
    shell.start();
    return app.exec();
}

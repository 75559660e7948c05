// Opens "Edit paper" on one paper of a data root, as "Manage paper" does, for the
// end-to-end scenarios of the editor: edit-paper-launcher --data-root DIR PAPER
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/edit_paper_window.h"
#include "store/data_root.h"
#include "ui/built_in_help.h"
#include "ui/qt_prompts.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    const store::DataRoot root =
        store::DataRoot::locate(arguments, QApplication::applicationDirPath());
    const qsizetype at = arguments.indexOf(QStringLiteral("--data-root"));
    if (at > 0)
        arguments.remove(at, 2);
    if (arguments.size() != 2 || !QFileInfo(root.path()).isDir()) {
        std::fputs("usage: edit-paper-launcher --data-root DIR PAPER\n", stderr);
        return 2;
    }
    ui::QtPrompts prompts(QStringLiteral("Teacher End"));
    ui::BuiltInHelp help(root.helpFolder());
    editor::EditPaperWindow::openModal(root, prompts, help, arguments.at(1), nullptr);
    return 0;
}

// The teacher program: keeps classes, papers and the test room, and watches results.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/data_root.h"
#include "teacher/results/results_command.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    // `teacher results ...` prints figures for scripts and needs no display.
    if (results::isResultsCommand(argc, argv)) {
        QCoreApplication app(argc, argv);
        return results::runResultsCommand(QCoreApplication::arguments(),
                                          QCoreApplication::applicationDirPath());
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("teacher"));
    const QStringList arguments = QApplication::arguments();
    const store::DataRoot root =
        store::DataRoot::locate(arguments, QApplication::applicationDirPath());
    Q_UNUSED(root);
    QTextStream(stderr) << "teacher: nothing to show yet\n";
    return 0;
}

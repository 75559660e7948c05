// The teacher program: keeps classes, papers and the test room, and watches results.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/data_root.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("teacher"));
    const QStringList arguments = QApplication::arguments();
    const store::DataRoot root =
        store::DataRoot::locate(arguments, QApplication::applicationDirPath());
    Q_UNUSED(root);
    QTextStream(stderr) << "teacher: nothing to show yet\n";
    return 0;
}

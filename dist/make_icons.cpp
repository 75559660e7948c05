// Draws the programs' icons for the desktop: hicolor/<n>x<n>/apps/<id>.png for each size.
// Usage: make_icons OUTPUT_FOLDER
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/menu_picture.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    // Icons are drawn at build time, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: make_icons OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir output(arguments.at(1));
    const struct
    {
        teacher::MenuPicture::Program program;
        const char *id;
    } programs[] = {{teacher::MenuPicture::Program::Teacher, "org.quorin.Teacher"},
                    {teacher::MenuPicture::Program::Student, "org.quorin.Student"}};
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!output.mkpath(folder)) {
            err << "make_icons: cannot make " << output.filePath(folder) << '\n';
            return 1;
        }
        for (const auto &entry : programs) {
            const QString file =
                output.filePath(folder + u'/' + QLatin1String(entry.id) + QStringLiteral(".png"));
            if (!teacher::MenuPicture::programIcon(entry.program, size).save(file, "PNG")) {
                err << "make_icons: cannot write " << file << '\n';
                return 1;
            }
        }
    }
    return 0;
}

// The student program: admits a testee and runs one attempt at a paper.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "student_program.h"

#include "store/clock.h"
#include "store/data_root.h"
#include "store/random_source.h"
#include "ui/qt_prompts.h"
#include "ui/single_instance.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("student"));
    // No display name: Qt would append it to every window title, and the exam
    // window's title is exactly the testee's class, number and names.
    // The windows hand over to each other; the program ends when a window asks.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::QtPrompts prompts(QStringLiteral("Quorin"));

    ui::SingleInstance guard(QStringLiteral("student"));
    if (!guard.acquire()) {
        prompts.message(QStringLiteral("The test program has been running!"));
        return 0;
    }

    const store::DataRoot root =
        store::DataRoot::locate(QApplication::arguments(), QApplication::applicationDirPath());
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

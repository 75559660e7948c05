// A second program for the concurrency tests: writes a profile file the way
// another computer on the network would, as fast as it can.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/profile_file.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using namespace store;

namespace {

// One complete state of the file: every key holds the same mark.
ProfileBatch wholeState(const QString &mark, int keys)
{
    ProfileBatch batch;
    for (int k = 1; k <= keys; ++k)
        batch.set(QStringLiteral("A1"), QStringLiteral("7DA%1").arg(k), mark);
    return batch;
}

} // namespace

// profile_hammer keys FILE SECTION PREFIX COUNT   one key per write, COUNT writes
// profile_hammer states FILE COUNT                 alternate two whole states (COUNT 0: forever)
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 6 && args.at(1) == u"keys") {
        const ProfileFile file(args.at(2));
        const int count = args.at(5).toInt();
        for (int i = 0; i < count; ++i) {
            const WriteStatus status =
                file.writeValue(args.at(3), args.at(4) + QString::number(i), QString::number(i));
            if (status != WriteStatus::Ok) {
                std::fprintf(stderr, "write %d failed: %s\n", i, qPrintable(describe(status)));
                return 1;
            }
        }
        return 0;
    }
    if (args.size() >= 4 && args.at(1) == u"states") {
        const ProfileFile file(args.at(2));
        const int count = args.at(3).toInt();
        const ProfileBatch x = wholeState(QStringLiteral("x"), 60);
        const ProfileBatch y = wholeState(QStringLiteral("yy"), 60);
        for (int i = 0; count == 0 || i < count; ++i) {
            if (file.apply(i % 2 == 0 ? y : x) != WriteStatus::Ok)
                return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "usage: profile_hammer keys FILE SECTION PREFIX COUNT | states FILE COUNT\n");
    return 2;
}

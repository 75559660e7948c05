// A second program for the concurrency tests: writes a profile file the way
// another computer on the network would, as fast as it can.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/profile_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

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
// profile_hammer load FILE SECTION PREFIX COUNT [THREADS]
//                                                  the same from THREADS writers at once (each
//                                                  with its own keys), going on after a failed
//                                                  write; prints the number of failed writes
// profile_hammer states FILE COUNT                 alternate two whole states (COUNT 0: forever)
// profile_hammer read FILE                         read once, print the status and peak memory
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 6 && args.at(1) == u"load") {
        const ProfileFile file(args.at(2));
        const int count = args.at(5).toInt();
        const int threads = args.size() >= 7 ? args.at(6).toInt() : 1;
        std::atomic<int> failed{0};
        std::vector<std::thread> writers;
        for (int t = 0; t < threads; ++t) {
            const QString prefix =
                threads == 1 ? args.at(4) : args.at(4) + QString::number(t) + u'_';
            writers.emplace_back([&, prefix] {
                for (int i = 0; i < count; ++i) {
                    const WriteStatus status = file.writeValue(
                        args.at(3), prefix + QString::number(i), QString::number(i));
                    if (status != WriteStatus::Ok) {
                        std::fprintf(stderr, "write %d failed: %s\n", i,
                                     qPrintable(describe(status)));
                        ++failed;
                    }
                }
            });
        }
        for (std::thread &writer : writers)
            writer.join();
        std::printf("%d\n", failed.load());
        return failed == 0 ? 0 : 1;
    }
    if (args.size() >= 3 && args.at(1) == u"read") {
        const ProfileSnapshot snapshot = ProfileFile(args.at(2)).read();
        // The high-water mark of resident memory, as the kernel counts it.
        QFile status(QStringLiteral("/proc/self/status"));
        long peakKb = -1;
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("VmHWM:"))
                    peakKb = line.mid(6).trimmed().split(' ').value(0).toLong();
            }
        }
        std::printf("%s %ld\n", qPrintable(describe(snapshot.status())), peakKb);
        return 0;
    }
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
    std::fprintf(stderr, "usage: profile_hammer keys|load FILE SECTION PREFIX COUNT | states FILE "
                         "COUNT | read FILE\n");
    return 2;
}

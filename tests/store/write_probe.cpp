// One write of each kind the store makes, for the tests that make its system calls fail
// (the probe runs under fiu-run). Exit code 0: written; 1: the write reported failure.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/atomic_file.h"
#include "store/folder_ops.h"
#include "store/profile_file.h"

#include <QCoreApplication>
#include <QStringList>

// write_probe atomic TARGET | profile TARGET | copy SOURCE TARGET
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == u"atomic")
        return store::AtomicFile::write(args.at(2), QByteArray(64 * 1024, 'x')).ok() ? 0 : 1;
    if (args.size() == 3 && args.at(1) == u"profile") {
        store::ProfileBatch batch;
        for (int k = 1; k <= 20; ++k)
            batch.set(QStringLiteral("MAIN"), QStringLiteral("Key%1").arg(k), QString(200, u'v'));
        return store::ProfileFile(args.at(2)).apply(batch) == store::WriteStatus::Ok ? 0 : 1;
    }
    if (args.size() == 4 && args.at(1) == u"copy")
        return store::copyFile(args.at(2), args.at(3)).ok() ? 0 : 1;
    return 2;
}

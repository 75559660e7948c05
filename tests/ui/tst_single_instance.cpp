// A second copy is refused while the first runs, and only then.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance.h"

#include <QApplication>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <QTemporaryDir>
#include <QTest>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondCopyIsRefused()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        {
            ui::SingleInstance first(QStringLiteral("student"));
            QVERIFY(first.acquire());
            ui::SingleInstance second(QStringLiteral("student"));
            QVERIFY(!second.acquire());
            ui::SingleInstance other(QStringLiteral("teacher"));
            QVERIFY(other.acquire()); // the two programs do not exclude each other
        }
        ui::SingleInstance later(QStringLiteral("student"));
        QVERIFY(later.acquire());
    }

    void crashedCopyLeavesNoLock()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        // Another process takes the lock and dies without letting go.
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold")});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readAll().trimmed(), QByteArray("held"));
        ui::SingleInstance whileAlive(QStringLiteral("student"));
        QVERIFY(!whileAlive.acquire());
        holder.kill();
        holder.waitForFinished();
        QVERIFY(QFile::exists(whileAlive.lockPath()));
        ui::SingleInstance next(QStringLiteral("student"));
        QVERIFY(next.acquire());
    }
};

int main(int argc, char **argv)
{
    if (argc == 2 && qstrcmp(argv[1], "--hold") == 0) {
        QCoreApplication app(argc, argv);
        ui::SingleInstance instance(QStringLiteral("student"));
        std::puts(instance.acquire() ? "held" : "refused");
        std::fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    QApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_single_instance.moc"

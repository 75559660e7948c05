// Several programs on one file: no write is lost, no reader sees half a file,
// and a writer killed at any moment leaves the old file or the new one.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/profile_file.h"
#include "test_files.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace store;

namespace {

// Built beside the test program.
QString hammerPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/profile_hammer");
}

// Every key of a state holds the same mark; a torn or mixed file does not.
QString stateOf(const ProfileSnapshot &snapshot)
{
    if (snapshot.status() != ReadStatus::Ok)
        return QStringLiteral("unreadable");
    const QString first = snapshot.value(u"A1", u"7DA1", QStringLiteral("<missing>"));
    for (int k = 2; k <= 60; ++k) {
        if (snapshot.value(u"A1", QStringLiteral("7DA%1").arg(k), QStringLiteral("<missing>")) != first)
            return QStringLiteral("mixed");
    }
    return first;
}

} // namespace

class TestProfileConcurrency : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void cleanup() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void twoWritersLoseNoKey()
    {
        const QString file = m_dir.filePath(QStringLiteral("A17.cho"));
        QProcess first;
        QProcess second;
        first.start(hammerPath(), {QStringLiteral("keys"), file, QStringLiteral("A1"), QStringLiteral("first"), QStringLiteral("1000")});
        second.start(hammerPath(), {QStringLiteral("keys"), file, QStringLiteral("A1"), QStringLiteral("second"), QStringLiteral("1000")});
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QVERIFY2(first.exitCode() == 0, first.readAllStandardError().constData());
        QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());

        const ProfileSnapshot snapshot = ProfileFile(file).read();
        for (int i = 0; i < 1000; ++i) {
            QCOMPARE(snapshot.value(u"A1", QStringLiteral("first%1").arg(i)), QString::number(i));
            QCOMPARE(snapshot.value(u"A1", QStringLiteral("second%1").arg(i)), QString::number(i));
        }
        QVERIFY(!QFileInfo::exists(file + QStringLiteral(".lock")));
    }

    void readerNeverSeesHalfAFile()
    {
        const QString file = m_dir.filePath(QStringLiteral("read.cho"));
        QProcess writer;
        writer.start(hammerPath(), {QStringLiteral("states"), file, QStringLiteral("0")});
        QVERIFY(writer.waitForStarted());
        // Wait for the first complete state.
        QElapsedTimer clock;
        clock.start();
        while (!QFileInfo::exists(file) && clock.elapsed() < 10000)
            QThread::msleep(1);

        int reads = 0;
        QSet<QString> seen;
        clock.restart();
        while (clock.elapsed() < 3000) {
            const QString state = stateOf(ProfileFile(file).read());
            QVERIFY2(state == u"x" || state == u"yy", qPrintable(state));
            seen.insert(state);
            ++reads;
        }
        writer.kill();
        writer.waitForFinished();
        qInfo("%d reads while the file was rewritten", reads);
        QCOMPARE(seen.size(), 2); // the test did see the file change
    }

    void killedWriterLeavesOldOrNew()
    {
        const QString file = m_dir.filePath(QStringLiteral("kill.cho"));
        QVERIFY(ProfileFile(file).writeValue(QStringLiteral("A1"), QStringLiteral("seed"), QStringLiteral("1")) == WriteStatus::Ok);
        QSet<QString> seen;
        for (int round = 0; round < 200; ++round) {
            QProcess writer;
            writer.start(hammerPath(), {QStringLiteral("states"), file, QStringLiteral("0")});
            QVERIFY(writer.waitForStarted());
            QThread::usleep(QRandomGenerator::global()->bounded(2000, 25000));
            ::kill(pid_t(writer.processId()), SIGKILL);
            writer.waitForFinished();

            const QString state = stateOf(ProfileFile(file).read());
            if (round > 0 || state != u"<missing>") {
                QVERIFY2(state == u"x" || state == u"yy" || state == u"<missing>",
                         qPrintable(QStringLiteral("round %1: %2").arg(round).arg(state)));
            }
            seen.insert(state);
        }
        // A killed writer's lock dies with it: the next write does not wait.
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ProfileFile(file).writeValue(QStringLiteral("A1"), QStringLiteral("after"), QStringLiteral("1")),
                 WriteStatus::Ok);
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(seen.contains(QStringLiteral("x")) || seen.contains(QStringLiteral("yy")));
    }
};

QTEST_GUILESS_MAIN(TestProfileConcurrency)
#include "tst_profile_concurrency.moc"

// Several programs on one file: no write is lost, no reader sees half a file,
// and a writer killed at any moment leaves the old file or the new one.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/file_lock.h"
#include "store/profile_file.h"
#include "test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/stat.h>

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
        if (snapshot.value(u"A1", QStringLiteral("7DA%1").arg(k), QStringLiteral("<missing>")) !=
            first)
            return QStringLiteral("mixed");
    }
    return first;
}

// Every write renames a new file over the old one.
ino_t inodeOf(const QString &path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
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
        first.start(hammerPath(), {QStringLiteral("keys"), file, QStringLiteral("A1"),
                                   QStringLiteral("first"), QStringLiteral("1000")});
        second.start(hammerPath(), {QStringLiteral("keys"), file, QStringLiteral("A1"),
                                    QStringLiteral("second"), QStringLiteral("1000")});
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QVERIFY2(first.exitCode() == 0, first.readAllStandardError().constData());
        QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());

        const ProfileSnapshot snapshot = ProfileFile(file).read();
        for (int i = 0; i < 1000; ++i) {
            QCOMPARE(snapshot.value(u"A1", QStringLiteral("first%1").arg(i)), QString::number(i));
            QCOMPARE(snapshot.value(u"A1", QStringLiteral("second%1").arg(i)), QString::number(i));
        }
    }

    // A claim is held while a program runs (the editor's working folder); it must not
    // hold up the writes of this program to any other file, whatever local lock they use.
    void aClaimHoldsUpNoWrite()
    {
        // Local locks of this test alone: other programs' writes must not be in the way.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([&runtime] { qputenv("XDG_RUNTIME_DIR", runtime); });
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("runtime"))));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.filePath(QStringLiteral("runtime"))));
        FileLock claim(m_dir.filePath(QStringLiteral("editor.lock")), FileLock::Purpose::Claim);
        QCOMPARE(claim.acquire(0), FileLock::Outcome::Locked);
        for (int i = 0; i < 400; ++i) {
            FileLock write(m_dir.filePath(QStringLiteral("A%1.cho.lock").arg(i)));
            QCOMPARE(write.acquire(0), FileLock::Outcome::Locked);
        }
        FileLock second(m_dir.filePath(QStringLiteral("editor.lock")), FileLock::Purpose::Claim);
        QCOMPARE(second.acquire(0), FileLock::Outcome::Busy);
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
        // Three seconds of reads, and on a busy machine on until the writer got a turn.
        while (clock.elapsed() < 3000 || (seen.size() < 2 && clock.elapsed() < 60000)) {
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

    // A results folder is writable by every student: a record file full of tiny
    // sections or keys must cost a reader little more memory than its own size.
    void hostileFileCostsLittleMemory_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("status");
        const QString tooLarge = describe(ReadStatus::TooLarge);
        const QString read = describe(ReadStatus::Ok);
        // Just under the 16 MiB a reader accepts.
        QTest::newRow("tiny sections") << QByteArray("[%1]\r\n") << qint64(16770000) << tooLarge;
        QTest::newRow("tiny keys") << QByteArray("%1=\r\n") << qint64(16770000) << tooLarge;
        QTest::newRow("as many sections as read")
            << QByteArray("[%1]\r\n") << qint64(578000) << read;
        QTest::newRow("as many keys as read") << QByteArray("%1=\r\n") << qint64(2240000) << read;
    }

    void hostileFileCostsLittleMemory()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("memory is not measured under AddressSanitizer");
#endif
        QFETCH(QByteArray, line);
        QFETCH(qint64, size);
        QFETCH(QString, status);
        const QString file = m_dir.filePath(QStringLiteral("hostile.cho"));
        QByteArray bytes = "[A1]\r\n";
        bytes.reserve(size + 64);
        for (int i = 0; bytes.size() < size; ++i)
            bytes += QByteArray(line).replace("%1", QByteArray::number(i));
        testing::writeBytes(file, bytes);

        auto peakOfRead = [](const QString &path) -> std::pair<QString, qint64> {
            QProcess reader;
            reader.start(hammerPath(), {QStringLiteral("read"), path});
            if (!reader.waitForFinished(60000))
                return {};
            const QString out = QString::fromUtf8(reader.readAllStandardOutput()).trimmed();
            const qsizetype space = out.lastIndexOf(u' ');
            return {out.first(space), out.sliced(space + 1).toLongLong() * 1024};
        };
        const auto [baseStatus, base] = peakOfRead(m_dir.filePath(QStringLiteral("none.cho")));
        QCOMPARE(baseStatus, describe(ReadStatus::Missing));
        const auto [readStatus, peak] = peakOfRead(file);
        QCOMPARE(readStatus, status);
        qInfo("%lld bytes cost %lld bytes of memory", qint64(bytes.size()), peak - base);
        QVERIFY(peak < 200 * 1024 * 1024);
        QVERIFY(peak - base < 8 * qint64(bytes.size()) + 4 * 1024 * 1024);
        QFile::remove(file);
    }

    void killedWriterLeavesOldOrNew()
    {
        const QString file = m_dir.filePath(QStringLiteral("kill.cho"));
        QVERIFY(ProfileFile(file).writeValue(QStringLiteral("A1"), QStringLiteral("seed"),
                                             QStringLiteral("1")) == WriteStatus::Ok);
        QSet<QString> seen;
        for (int round = 0; round < 120; ++round) {
            QProcess writer;
            const ino_t inode = inodeOf(file);
            writer.start(hammerPath(), {QStringLiteral("states"), file, QStringLiteral("0")});
            QVERIFY(writer.waitForStarted());
            // Once it writes (a program takes a while to start), kill it at any moment.
            QElapsedTimer started;
            started.start();
            while (inodeOf(file) == inode && started.elapsed() < 10000)
                QThread::usleep(200);
            QThread::usleep(QRandomGenerator::global()->bounded(0, 15000));
            ::kill(pid_t(writer.processId()), SIGKILL);
            writer.waitForFinished();

            const QString state = stateOf(ProfileFile(file).read());
            if (round > 0 || state != u"<missing>") {
                QVERIFY2(state == u"x" || state == u"yy" || state == u"<missing>",
                         qPrintable(QStringLiteral("round %1: %2").arg(round).arg(state)));
            }
            seen.insert(state);
        }
        // A killed writer's lock dies with it: the lock is free at once, without any wait.
        FileLock next(file + QStringLiteral(".lock"));
        QCOMPARE(next.acquire(0), FileLock::Outcome::Locked);
        next.release();
        QCOMPARE(ProfileFile(file).writeValue(QStringLiteral("A1"), QStringLiteral("after"),
                                              QStringLiteral("1")),
                 WriteStatus::Ok);
        QVERIFY(seen.contains(QStringLiteral("x")) || seen.contains(QStringLiteral("yy")));
    }
};

QTEST_GUILESS_MAIN(TestProfileConcurrency)
#include "tst_profile_concurrency.moc"

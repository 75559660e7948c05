// Two computers on one share, as two FUSE mounts (bindfs) of one folder: every
// write of sixty writers lands, none is lost, and a reader always finds the file.
// Skips, saying why, where FUSE mounts cannot be made (bindfs missing, no
// /dev/fuse, no permission).
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/file_lock.h"
#include "store/profile_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace store;

namespace {

QString hammerPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/profile_hammer");
}

} // namespace

class TestShareLoad : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QStringList m_mounts;

    QString folder(const QString &name) const { return m_dir.filePath(name); }

    // Empty when mounted, else why not.
    QString mount(const QString &target)
    {
        QDir().mkpath(target);
        QProcess bindfs;
        // Record locks are forwarded to the folder, as a share passes them between clients.
        bindfs.start(QStringLiteral("bindfs"),
                     {QStringLiteral("--multithreaded"), QStringLiteral("--enable-lock-forwarding"),
                      folder(QStringLiteral("share")), target});
        if (!bindfs.waitForFinished(20000) || bindfs.exitStatus() != QProcess::NormalExit ||
            bindfs.exitCode() != 0)
            return QString::fromLocal8Bit(bindfs.readAllStandardError()).trimmed();
        m_mounts.append(target);
        return {};
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("bindfs")).isEmpty())
            QSKIP("bindfs is not installed (Debian package bindfs): the share load test needs it");
        if (!QFileInfo::exists(QStringLiteral("/dev/fuse")))
            QSKIP("no /dev/fuse: this machine cannot make FUSE mounts");
        QVERIFY(QDir().mkpath(folder(QStringLiteral("share"))));
        for (const QString &name : {QStringLiteral("pc1"), QStringLiteral("pc2")}) {
            const QString why = mount(folder(name));
            if (!why.isEmpty())
                QSKIP(qPrintable(QStringLiteral("cannot mount with bindfs here: ") + why));
        }
    }

    void cleanupTestCase()
    {
        for (const QString &target : std::as_const(m_mounts)) {
            QProcess::execute(QStringLiteral("fusermount"), {QStringLiteral("-u"), target});
            if (QFileInfo(target + QStringLiteral("/A17.cho")).exists())
                QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), target});
        }
        m_dir.setAutoRemove(!QTest::currentTestFailed());
    }

    void sixtyWritersOnTwoComputers()
    {
        constexpr int writers = 30; // on each computer
        constexpr int keys = 20;    // per writer
        const QString onFirst = folder(QStringLiteral("pc1/A17.cho"));
        const QString onSecond = folder(QStringLiteral("pc2/A17.cho"));
        QProcess first;
        QProcess second;
        first.start(hammerPath(),
                    {QStringLiteral("load"), onFirst, QStringLiteral("A1"), QStringLiteral("a"),
                     QString::number(keys), QString::number(writers)});
        second.start(hammerPath(),
                     {QStringLiteral("load"), onSecond, QStringLiteral("A1"), QStringLiteral("b"),
                      QString::number(keys), QString::number(writers)});
        QVERIFY(first.waitForStarted());
        QVERIFY(second.waitForStarted());

        // Meanwhile the teacher's computer reads the file over and over: once it is
        // there, no read may find it missing or fail, although it is replaced all the time.
        int reads = 0;
        int failedReads = 0;
        bool seen = false;
        QElapsedTimer clock;
        clock.start();
        while ((first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) &&
               clock.elapsed() < 240000) {
            const ReadStatus status =
                ProfileFile(onSecond).read(ProfileFile::Existence::Expected).status();
            seen = seen || status == ReadStatus::Ok;
            if (seen && status != ReadStatus::Ok)
                ++failedReads;
            ++reads;
            first.waitForFinished(5);
            second.waitForFinished(5);
        }
        QVERIFY(first.state() == QProcess::NotRunning || first.waitForFinished(60000));
        QVERIFY(second.state() == QProcess::NotRunning || second.waitForFinished(60000));
        QVERIFY2(first.exitCode() == 0, first.readAllStandardError().constData());
        QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());
        QCOMPARE(first.readAllStandardOutput().trimmed(), QByteArray("0")); // failed writes
        QCOMPARE(second.readAllStandardOutput().trimmed(), QByteArray("0"));
        qInfo("%d reads while %d writers wrote", reads, 2 * writers);
        QCOMPARE(failedReads, 0);

        const ProfileSnapshot result = ProfileFile(folder(QStringLiteral("share/A17.cho"))).read();
        QCOMPARE(result.status(), ReadStatus::Ok);
        int missing = 0;
        for (const QString &computer : {QStringLiteral("a"), QStringLiteral("b")}) {
            for (int w = 0; w < writers; ++w) {
                for (int k = 0; k < keys; ++k) {
                    const QString key = computer + QString::number(w) + u'_' + QString::number(k);
                    missing += result.value(u"A1", key) == QString::number(k) ? 0 : 1;
                }
            }
        }
        QCOMPARE(missing, 0);
        // Nothing is left behind but the file and its lock.
        QCOMPARE(QDir(folder(QStringLiteral("share"))).entryList(QDir::Files),
                 (QStringList{QStringLiteral("A17.cho"), QStringLiteral("A17.cho.lock")}));
    }

    // On such a share a lock file stays open between writes (closing it would let go
    // of another client's lock), until a folder is to be removed.
    void lockFilesStayOpenUntilAsked()
    {
        const QString onFirst = folder(QStringLiteral("pc1/A18.cho"));
        QCOMPARE(ProfileFile(onFirst).writeValue(QStringLiteral("A1"), QStringLiteral("8"),
                                                 QStringLiteral("Ann")),
                 WriteStatus::Ok);
        auto openBelow = [](const QString &folder) {
            int count = 0;
            const QFileInfoList descriptors =
                QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::Files);
            for (const QFileInfo &fd : descriptors)
                count += fd.symLinkTarget().startsWith(folder) ? 1 : 0;
            return count;
        };
        QCOMPARE(openBelow(folder(QStringLiteral("pc1"))), 1);
        FileLock::closeKept(folder(QStringLiteral("pc1")));
        QCOMPARE(openBelow(folder(QStringLiteral("pc1"))), 0);
    }
};

QTEST_GUILESS_MAIN(TestShareLoad)
#include "tst_share_load.moc"

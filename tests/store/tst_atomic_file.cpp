// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/atomic_file.h"
#include "store/folder_ops.h"
#include "store/profile_file.h"
#include "test_files.h"
#include "write_faults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <functional>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace store;

namespace {

const QByteArray oldBytes = QByteArrayLiteral("[MAIN]\r\nTESTTIME=45\r\n");

// A failing writer: what it writes over `target` (it may read `source`).
using Writer = std::function<bool(const QString &source, const QString &target)>;

QMap<QString, Writer> writers()
{
    return {
        {QStringLiteral("atomic"),
         [](const QString &, const QString &target) {
             return AtomicFile::write(target, QByteArray(64 * 1024, 'x')).ok();
         }},
        {QStringLiteral("copy"),
         [](const QString &source, const QString &target) {
             return AtomicFile::copy(source, target).ok();
         }},
        {QStringLiteral("folder copy"),
         [](const QString &source, const QString &target) {
             return copyFile(source, target).ok();
         }},
        {QStringLiteral("profile"),
         [](const QString &, const QString &target) {
             ProfileBatch batch;
             for (int k = 1; k <= 20; ++k)
                 batch.set(QStringLiteral("MAIN"), QStringLiteral("Key%1").arg(k),
                           QString(200, u'v'));
             return ProfileFile(target).apply(batch) == WriteStatus::Ok;
         }},
    };
}

} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_source;
    QString m_target;

    QStringList leftovers() const
    {
        return testing::leftovers(m_dir->path(),
                                  {QStringLiteral("source.bin"), QStringLiteral("sys.cho")});
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_source = m_dir->filePath(QStringLiteral("source.bin"));
        m_target = m_dir->filePath(QStringLiteral("sys.cho"));
        testing::writeBytes(m_source, QByteArray(64 * 1024, 's'));
        testing::writeBytes(m_target, oldBytes);
    }
    void cleanup() { m_dir->setAutoRemove(!QTest::currentTestFailed()); }

    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("writer");
        for (const QString &name : writers().keys())
            QTest::newRow(qPrintable(name)) << name;
    }
    // A disk that fills during the write: the write says so, the old bytes stay, and no
    // temporary file is left behind.
    void fullDiskKeepsTheOldFile()
    {
        QFETCH(QString, writer);
        bool written = true;
        {
            testing::FileSizeLimit limit(4096);
            written = writers().value(writer)(m_source, m_target);
        }
        QVERIFY(!written);
        QCOMPARE(testing::readBytes(m_target), oldBytes);
        QCOMPARE(leftovers(), QStringList());
        // And once there is room the same write goes through.
        QVERIFY(writers().value(writer)(m_source, m_target));
        QVERIFY(testing::readBytes(m_target) != oldBytes);
    }

    void failedCallKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("point");
        QTest::addColumn<int>("error");
        const QList<std::pair<QString, int>> faults{
            {QStringLiteral("posix/io/rw/write"), ENOSPC},
            {QStringLiteral("posix/io/rw/write"), EDQUOT},
            {QStringLiteral("posix/io/sync/fdatasync"), EIO},
            {QStringLiteral("posix/io/oc/close"), EIO},
            {QStringLiteral("posix/io/dir/rename"), ENOSPC},
        };
        for (const QString &writer :
             {QStringLiteral("atomic"), QStringLiteral("profile"), QStringLiteral("copy")}) {
            for (const auto &[point, error] : faults)
                QTest::addRow("%s %s %d", qPrintable(writer), qPrintable(point), error)
                    << writer << point << error;
        }
    }
    // Each system call of a write failing in turn, as a share or a quota makes them fail.
    void failedCallKeepsTheOldFile()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the fault library cannot be preloaded ahead of AddressSanitizer's runtime");
#endif
        if (!testing::haveFaultInjection())
            QSKIP("fiu-run (Debian fiu-utils) is not installed");
        QFETCH(QString, writer);
        QFETCH(QString, point);
        QFETCH(int, error);
        QStringList arguments{writer};
        if (writer == u"copy")
            arguments << m_source;
        arguments << m_target;
        const int code = testing::runWithFault(
            {point, error}, QCoreApplication::applicationDirPath() + QStringLiteral("/write_probe"),
            arguments);
        QCOMPARE(code, 1);
        QCOMPARE(testing::readBytes(m_target), oldBytes);
        QCOMPARE(leftovers(), QStringList());
    }

    // Sources that are no regular file are refused at once, never waited for or read forever.
    void copyReadsOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << QStringLiteral("fifo");
        QTest::newRow("link to /dev/zero") << QStringLiteral("zero");
        QTest::newRow("folder") << QStringLiteral("folder");
        QTest::newRow("over the limit") << QStringLiteral("large");
    }
    void copyReadsOnlyRegularFiles()
    {
        QFETCH(QString, kind);
        const QString source = m_dir->filePath(QStringLiteral("31.RTF"));
        if (kind == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(source).constData(), 0600), 0);
        else if (kind == u"zero")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), source));
        else if (kind == u"folder")
            QVERIFY(QDir().mkpath(source));
        else
            testing::writeBytes(source, QByteArray(2048, 'x'));
        const WriteOutcome copied = AtomicFile::copy(source, m_target, 1024);
        QVERIFY(!copied.ok());
        QCOMPARE(copied.path, source);
        QVERIFY(!copied.reason().isEmpty());
        QCOMPARE(testing::readBytes(m_target), oldBytes);
    }

    void newFileNeverReplaces()
    {
        const WriteOutcome taken = AtomicFile::write(m_target, "new", AtomicFile::Replace::Never);
        QCOMPARE(taken.status, WriteStatus::Exists);
        QCOMPARE(testing::readBytes(m_target), oldBytes);
        const QString fresh = m_dir->filePath(QStringLiteral("new.docx"));
        QVERIFY(AtomicFile::write(fresh, "new", AtomicFile::Replace::Never).ok());
        QCOMPARE(testing::readBytes(fresh), QByteArray("new"));
    }

    // Students read what the teacher writes: a rewrite keeps the file's permissions.
    void rewriteKeepsPermissions()
    {
        const QByteArray path = QFile::encodeName(m_target);
        QCOMPARE(::chmod(path.constData(), 0604), 0);
        QVERIFY(AtomicFile::write(m_target, "[MAIN]\r\n").ok());
        struct stat info
        {
        };
        QCOMPARE(::stat(path.constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0604));
    }

    // The school's case: a share that fills up. A 400 KB tmpfs with a few KB left; every
    // writer refuses, and the roster keeps its bytes.
    void aRealDiskThatIsFull()
    {
        const QString mountPoint = m_dir->filePath(QStringLiteral("share"));
        QVERIFY(QDir().mkpath(mountPoint));
        const QByteArray point = QFile::encodeName(mountPoint);
        if (::geteuid() != 0 || ::mount("tmpfs", point.constData(), "tmpfs", 0, "size=400k") != 0)
            QSKIP("mounting a tmpfs is not allowed here");
        struct Unmount
        {
            QByteArray point;
            ~Unmount() { ::umount2(point.constData(), MNT_DETACH); }
        } unmount{point};
        const QString roster = mountPoint + QStringLiteral("/sys.cho");
        QByteArray bytes = "[ClassName]\r\n";
        for (int k = 1; bytes.size() < 60000; ++k)
            bytes += "Class" + QByteArray::number(k) + "=A" + QByteArray::number(k) + "\r\n";
        testing::writeBytes(roster, bytes);
        // Fill the rest but a few KB.
        QFile filler(mountPoint + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        QVERIFY(filler.resize(filler.size() - 8192));

        QCOMPARE(ProfileFile(roster).writeValue(QStringLiteral("ClassName"), QStringLiteral("New"),
                                                QStringLiteral("1")),
                 WriteStatus::DiskFull);
        QCOMPARE(copyFile(m_source, roster).status, FolderStatus::Failed);
        QCOMPARE(AtomicFile::write(roster, bytes.repeated(2)).status, WriteStatus::DiskFull);
        QCOMPARE(testing::readBytes(roster), bytes);
        QCOMPARE(
            testing::leftovers(mountPoint, {QStringLiteral("sys.cho"), QStringLiteral("filler")}),
            QStringList());
    }

    void messagesSayWhatWasLost_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("message");
        QTest::newRow("full") << ENOSPC
                              << QStringLiteral("The disk holding the data root is full: the class "
                                                "list was not saved; nothing was changed.");
        QTest::newRow("share") << ESTALE
                               << QStringLiteral("The disk or network share holding the data root "
                                                 "failed: the class list was not saved; nothing "
                                                 "was changed.");
    }
    void messagesSayWhatWasLost()
    {
        QFETCH(int, error);
        QFETCH(QString, message);
        QCOMPARE(
            notSavedMessage(statusOfError(error), QStringLiteral("the class list was not saved")),
            message);
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomic_file.moc"

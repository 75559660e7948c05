// Where the data root is, how its paths resolve in any letter case, and which
// names can never lead out of it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/data_root.h"
#include "store/profile_file.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace store;

class TestDataRoot : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void cleanup()
    {
        m_dir.setAutoRemove(!QTest::currentTestFailed());
        qunsetenv("QUORIN_DATA_ROOT");
        qunsetenv("QUORIN_ROOT_REMOTE");
    }

    void locate()
    {
        qputenv("QUORIN_DATA_ROOT", "/from/environment");
        QCOMPARE(DataRoot::locate({QStringLiteral("prog"), QStringLiteral("--data-root"),
                                   QStringLiteral("  /from/args  ")},
                                  QStringLiteral("/exe"))
                     .path(),
                 QStringLiteral("/from/args"));
        QCOMPARE(DataRoot::locate({QStringLiteral("prog"), QStringLiteral("--data-root=/eq")},
                                  QStringLiteral("/exe"))
                     .path(),
                 QStringLiteral("/eq"));
        QCOMPARE(DataRoot::locate({QStringLiteral("prog")}, QStringLiteral("/exe")).path(),
                 QStringLiteral("/from/environment"));
        qunsetenv("QUORIN_DATA_ROOT");
        QCOMPARE(DataRoot::locate({QStringLiteral("prog")}, QStringLiteral(" /exe ")).path(),
                 QStringLiteral("/exe"));
    }

    void pathsFollowExistingLetterCase()
    {
        const QString root = m_dir.path();
        QDir(root).mkpath(QStringLiteral("SYS"));
        QDir(root).mkpath(QStringLiteral("shijuan/Maths"));
        testing::writeBytes(root + QStringLiteral("/SYS/SYS.CHO"),
                            "[TestName]\r\nTestNameCount=1\r\n");
        testing::writeBytes(root + QStringLiteral("/shijuan/Maths/MATHS.cho"),
                            "[MAIN]\r\nTESTTIME=45\r\n");

        const DataRoot data(root);
        QCOMPARE(data.rosterFile(), root + QStringLiteral("/SYS/SYS.CHO"));
        QCOMPARE(data.paperFile(QStringLiteral(" maths ")),
                 root + QStringLiteral("/shijuan/Maths/MATHS.cho"));
        QCOMPARE(
            ProfileFile(data.paperFile(QStringLiteral("Maths"))).readValue(u"main", u"TESTtime"),
            QStringLiteral("45"));
        // What does not exist yet takes the canonical spelling.
        QCOMPARE(
            data.recordFile(QStringLiteral("Maths"), QStringLiteral("A1"), QStringLiteral("23")),
            root + QStringLiteral("/CHENGJI/Maths/A123.cho"));
        QCOMPARE(data.paperDocument(QStringLiteral("Maths"), QStringLiteral("12.RTF")),
                 root + QStringLiteral("/shijuan/Maths/12.RTF"));

        // A root given with a separator at its end names the same files.
        QCOMPARE(DataRoot(root + u'/').rosterFile(), root + QStringLiteral("/SYS/SYS.CHO"));
    }

    void namesCannotLeaveTheRoot_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::newRow("parent") << "..";
        QTest::newRow("climbing") << "../../etc";
        QTest::newRow("backslash") << "..\\..\\x";
        QTest::newRow("absolute") << "/etc";
        QTest::newRow("dot") << ".";
        QTest::newRow("empty") << "   ";
    }
    void namesCannotLeaveTheRoot()
    {
        QFETCH(QString, paper);
        const DataRoot data(m_dir.path());
        QVERIFY(data.paperFile(paper).isEmpty());
        QVERIFY(data.recordFile(paper, QStringLiteral("A1"), QStringLiteral("7")).isEmpty());
        QVERIFY(data.recordFile(QStringLiteral("Maths"), paper, QStringLiteral("7")).isEmpty() ||
                !paper.contains(u'/'));
        // Reads of such a path give defaults, writes go nowhere.
        QCOMPARE(ProfileFile(data.paperFile(paper)).readValue(u"MAIN", u"k", QStringLiteral("d")),
                 QStringLiteral("d"));
        QCOMPARE(ProfileFile(data.paperFile(paper))
                     .writeValue(QStringLiteral("MAIN"), QStringLiteral("k"), QStringLiteral("v")),
                 WriteStatus::FolderMissing);
    }

    void locality()
    {
        // A temporary folder is on a local disk (or tmpfs) in every test setting.
        QVERIFY(!DataRoot(m_dir.path()).isRemote());
        qputenv("QUORIN_ROOT_REMOTE", "1");
        QVERIFY(DataRoot(m_dir.path()).isRemote());
    }

    void localFoldersPerUse()
    {
        qputenv("XDG_CACHE_HOME", m_dir.path().toUtf8());
        QCOMPARE(DataRoot::localFolder(DataRoot::LocalUse::Student),
                 m_dir.path() + QStringLiteral("/quorin/student"));
        QCOMPARE(DataRoot::localFolder(DataRoot::LocalUse::Editor),
                 m_dir.path() + QStringLiteral("/quorin/editor"));
        QCOMPARE(DataRoot::localFolder(DataRoot::LocalUse::Office),
                 m_dir.path() + QStringLiteral("/quorin/office"));
        qunsetenv("XDG_CACHE_HOME");
    }
};

QTEST_GUILESS_MAIN(TestDataRoot)
#include "tst_data_root.moc"

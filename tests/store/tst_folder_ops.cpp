// Folder operations: what is copied, kept, emptied and removed, and the failures
// they must report instead of passing over.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/folder_ops.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace store;

namespace {

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestFolderOps : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_source;
    QString m_target;

    QString path(const QString &relative) const { return m_dir.filePath(relative); }

private slots:
    void init()
    {
        m_source = path(QStringLiteral("SHIJUAN/代数"));
        m_target = path(QStringLiteral("exchange/代数"));
        QDir(path(QStringLiteral("SHIJUAN"))).removeRecursively();
        QDir(path(QStringLiteral("exchange"))).removeRecursively();
        QDir().mkpath(m_source + QStringLiteral("/old"));
        QDir().mkpath(m_target);
        testing::writeBytes(m_source + QStringLiteral("/代数.cho"), "[MAIN]\r\nTESTTIME=45\r\n");
        testing::writeBytes(m_source + QStringLiteral("/12345678.RTF"), "{\\rtf1 new}");
        testing::writeBytes(m_source + QStringLiteral("/.hidden"), "h");
        testing::writeBytes(m_source + QStringLiteral("/old/1.RTF"), "{\\rtf1 sub}");
        // What every write of the paper file leaves beside it: never listed nor copied.
        testing::writeBytes(m_source + QStringLiteral("/代数.CHO.lock"), "");
    }
    void cleanup() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void listsFilesOnly_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("every file, hidden too, no folder")
            << QString()
            << QStringList{QStringLiteral(".hidden"), QStringLiteral("12345678.RTF"),
                           QStringLiteral("代数.cho")};
        QTest::newRow("suffix in another case")
            << ".rtf" << QStringList{QStringLiteral("12345678.RTF")};
        QTest::newRow("suffix of the paper file")
            << ".CHO" << QStringList{QStringLiteral("代数.cho")};
        QTest::newRow("nothing ends so") << ".doc" << QStringList{};
    }
    void listsFilesOnly()
    {
        QFETCH(QString, suffix);
        QFETCH(QStringList, names);
        QCOMPARE(listFiles(m_source, suffix), names);
        QVERIFY(listFiles(path(QStringLiteral("nowhere"))).isEmpty());
        QVERIFY(holdsFiles(m_source));
        QVERIFY(!holdsFiles(m_source + QStringLiteral("/nothing")));
    }

    void copyReplacesAndKeeps()
    {
        // The target holds an older copy in other letters, and a file of its own.
        testing::writeBytes(m_target + QStringLiteral("/12345678.rtf"), "{\\rtf1 old}");
        testing::writeBytes(m_target + QStringLiteral("/notes.txt"), "mine");

        const FolderOutcome outcome = copyFiles(m_source, m_target);
        QVERIFY2(outcome.ok(), qPrintable(outcome.describe()));
        QCOMPARE(outcome.files, 3);
        QCOMPARE(entries(m_target),
                 (QStringList{QStringLiteral(".hidden"), QStringLiteral("12345678.rtf"),
                              QStringLiteral("notes.txt"), QStringLiteral("代数.cho")}));
        QCOMPARE(testing::readBytes(m_target + QStringLiteral("/12345678.rtf")),
                 QByteArray("{\\rtf1 new}"));
        QCOMPARE(testing::readBytes(m_target + QStringLiteral("/notes.txt")), QByteArray("mine"));
        QCOMPARE(testing::readBytes(m_target + QStringLiteral("/代数.cho")),
                 QByteArray("[MAIN]\r\nTESTTIME=45\r\n"));

        // Twice gives the same folder.
        QVERIFY(copyFiles(m_source, m_target).ok());
        QCOMPARE(entries(m_target).size(), 4);
    }

    void copyOntoItselfKeepsTheFiles()
    {
        const FolderOutcome outcome = copyFiles(m_source, path(QStringLiteral("SHIJUAN/./代数")));
        QVERIFY(outcome.ok());
        QCOMPARE(testing::readBytes(m_source + QStringLiteral("/12345678.RTF")),
                 QByteArray("{\\rtf1 new}"));
    }

    void copyFailuresAreReported_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("failed"); // the path named
        QTest::newRow("missing source")
            << "SHIJUAN/none"
            << "exchange/代数" << int(FolderStatus::Missing) << "SHIJUAN/none";
        QTest::newRow("missing target")
            << "SHIJUAN/代数"
            << "exchange/none" << int(FolderStatus::Missing) << "exchange/none";
        QTest::newRow("no source named") << ""
                                         << "exchange/代数" << int(FolderStatus::InvalidPath) << "";
        QTest::newRow("a folder in the way of a file")
            << "SHIJUAN/代数"
            << "exchange/blocked" << int(FolderStatus::Failed) << "exchange/blocked/12345678.RTF";
    }
    void copyFailuresAreReported()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, status);
        QFETCH(QString, failed);
        QDir().mkpath(path(QStringLiteral("exchange/blocked/12345678.RTF")));
        const FolderOutcome outcome = copyFiles(from.isEmpty() ? from : path(from), path(to));
        QCOMPARE(int(outcome.status), status);
        QCOMPARE(outcome.path, failed.isEmpty() ? failed : path(failed));
        QVERIFY(outcome.describe().contains(outcome.path));
    }

    void failedCopyLeavesTheOldFile()
    {
        // A source that cannot be read (a folder under a file's name) must not cost the old copy.
        const QString target = m_target + QStringLiteral("/kept.RTF");
        testing::writeBytes(target, "old");
        const FolderOutcome outcome = copyFile(m_source + QStringLiteral("/old"), target);
        QVERIFY(!outcome.ok());
        QCOMPARE(testing::readBytes(target), QByteArray("old"));
        QCOMPARE(entries(m_target), QStringList{QStringLiteral("kept.RTF")});
    }

    void emptyAndRemove()
    {
        const QString results = path(QStringLiteral("CHENGJI/代数"));
        testing::writeBytes(results + QStringLiteral("/A17.cho"), "[A1]\r\n");
        testing::writeBytes(results + QStringLiteral("/A18.cho"), "[A1]\r\n");
        testing::writeBytes(results + QStringLiteral("/A18.cho.lock"), "");
        FolderOutcome outcome = emptyFolder(results);
        QVERIFY(outcome.ok());
        QCOMPARE(outcome.files, 3);
        QCOMPARE(entries(results), QStringList());
        QVERIFY(QDir(results).exists());
        QVERIFY(removeFolder(results).ok());
        QVERIFY(!QDir(results).exists());
        // Gone already is done.
        QVERIFY(removeFolder(results).ok());
        QVERIFY(emptyFolder(results).ok());

        // A folder holding folders is left whole.
        outcome = removeFolder(m_source);
        QCOMPARE(outcome.status, FolderStatus::HasSubfolders);
        QCOMPARE(outcome.path, m_source);
        QCOMPARE(listFiles(m_source).size(), 3);
        // Emptying it deletes its files and keeps the sub-folder with its own.
        QVERIFY(emptyFolder(m_source).ok());
        QCOMPARE(entries(m_source), QStringList{QStringLiteral("old")});
        QCOMPARE(listFiles(m_source + QStringLiteral("/old")),
                 QStringList{QStringLiteral("1.RTF")});
    }

    void namelessFolderIsRefused()
    {
        // An empty path would name the working folder: nothing there may be touched.
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_source);
        const FolderOutcome emptied = emptyFolder(QString());
        const FolderOutcome removed = removeFolder(QStringLiteral("  "));
        const FolderOutcome made = store::makeFolder(QString());
        QDir::setCurrent(before);
        QCOMPARE(emptied.status, FolderStatus::InvalidPath);
        QCOMPARE(removed.status, FolderStatus::InvalidPath);
        QCOMPARE(made.status, FolderStatus::InvalidPath);
        QCOMPARE(listFiles(m_source).size(), 3);
    }

    void makeFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("status");
        QTest::newRow("new, with the folders above") << "CHENGJI/新/x" << int(FolderStatus::Ok);
        QTest::newRow("existing") << "SHIJUAN/代数" << int(FolderStatus::Ok);
        QTest::newRow("a file of that name")
            << "SHIJUAN/代数/代数.cho" << int(FolderStatus::NotAFolder);
        QTest::newRow("below a file") << "SHIJUAN/代数/代数.cho/x" << int(FolderStatus::Failed);
    }
    void makeFolder()
    {
        QFETCH(QString, folder);
        QFETCH(int, status);
        const FolderOutcome outcome = store::makeFolder(path(folder));
        QCOMPARE(int(outcome.status), status);
        QCOMPARE(QDir(path(folder)).exists(), outcome.ok());
    }

    void sameFolder()
    {
        QVERIFY(isSameFolder(m_source, path(QStringLiteral("SHIJUAN/../SHIJUAN/代数/"))));
        QVERIFY(QFile::link(m_source, path(QStringLiteral("link"))));
        QVERIFY(isSameFolder(path(QStringLiteral("link")), m_source));
        QVERIFY(!isSameFolder(m_source, m_target));
        QVERIFY(!isSameFolder(path(QStringLiteral("none")), path(QStringLiteral("none"))));
        QVERIFY(!isSameFolder(QString(), QString()));
    }
};

QTEST_GUILESS_MAIN(TestFolderOps)
#include "tst_folder_ops.moc"

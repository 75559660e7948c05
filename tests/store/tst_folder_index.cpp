// One listing of a folder answering many case-insensitive look-ups, exactly as the
// component-by-component resolution would.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/case_path.h"
#include "store/folder_index.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace store;

class TestFolderIndex : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_folder;

private slots:
    void init()
    {
        m_folder = m_dir.filePath(QStringLiteral("CHENGJI/Maths"));
        QDir(m_folder).removeRecursively();
        QDir().mkpath(m_folder);
        for (const char *name : {"A11.cho", "a12.CHO", "A13.cho", "a13.cho", "班级7.cho"})
            testing::writeBytes(m_folder + u'/' + QString::fromUtf8(name), "[A1]\r\n");
    }
    void cleanup() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void resolvesLikeCasePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found"); // the entry's spelling; empty when absent
        QTest::newRow("exact") << "A11.cho"
                               << "A11.cho";
        QTest::newRow("other case") << "A12.cho"
                                    << "a12.CHO";
        QTest::newRow("exact wins over another case") << "a13.cho"
                                                      << "a13.cho";
        QTest::newRow("exact wins, upper") << "A13.cho"
                                           << "A13.cho";
        QTest::newRow("chinese class") << "班级7.CHO"
                                       << "班级7.cho";
        QTest::newRow("absent") << "A14.cho"
                                << "";
        QTest::newRow("separator") << "../A11.cho"
                                   << "";
        QTest::newRow("dot dot") << ".."
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void resolvesLikeCasePath()
    {
        QFETCH(QString, name);
        QFETCH(QString, found);
        const FolderIndex index(m_folder);
        QVERIFY(index.folderExists());
        QCOMPARE(index.size(), 5);
        const QString expected = found.isEmpty() ? QString() : m_folder + u'/' + found;
        QCOMPARE(index.find(name), expected);
        QCOMPARE(index.resolve(name), CasePath::resolve(m_folder, {name}));
    }

    void missingFolder()
    {
        const QString folder = m_dir.filePath(QStringLiteral("CHENGJI/Nothing"));
        const FolderIndex index(folder);
        QVERIFY(!index.folderExists());
        QCOMPARE(index.find(QStringLiteral("A11.cho")), QString());
        QCOMPARE(index.resolve(QStringLiteral("A11.cho")), folder + QStringLiteral("/A11.cho"));
        QCOMPARE(FolderIndex(QString()).resolve(QStringLiteral("A11.cho")), QString());
    }
};

QTEST_GUILESS_MAIN(TestFolderIndex)
#include "tst_folder_index.moc"

// Before the teacher's windows open: the offer of a new data root on a folder without
// a roster, and the choice of a folder when none is set, driven by scripted prompts.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/root_setup.h"
#include "test_files.h"

#include "store/root_locator.h"
#include "scripted_prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using teacher::RootInit;
using teacher::RootSetup;

class TestRootSetup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_shipped;
    QString m_config;
    testing::ScriptedPrompts m_prompts;

    RootSetup setup() { return RootSetup(m_prompts, RootInit(m_shipped), m_config); }
    static store::RootLocation at(const QString &folder,
                                  store::RootSource source = store::RootSource::Option)
    {
        store::RootLocation location;
        location.source = source;
        location.root = store::DataRoot(folder);
        if (source == store::RootSource::ConfigFile)
            location.configFile = u"/etc/xdg/quorin/quorin.conf"_s;
        return location;
    }

private slots:
    void initTestCase()
    {
        m_shipped = m_dir.filePath(u"share/quorin"_s);
        testing::writeBytes(m_shipped + u"/help/index.html"_s, "<h1>Help</h1>");
        m_config = m_dir.filePath(u"config/quorin/quorin.conf"_s);
    }
    void init() { m_prompts.clear(); }
    void cleanupTestCase() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void aRootWithARosterOpensWithoutAWord()
    {
        const QString folder = m_dir.filePath(u"ready"_s);
        testing::writeBytes(folder + u"/SYS/SYS.CHO"_s, "[Admin]\r\npwd=\r\n");
        const auto before = testing::treeSnapshot(folder);
        RootSetup setup = this->setup();
        const std::optional<store::DataRoot> root = setup.prepare(at(folder));
        QVERIFY(root);
        QCOMPARE(root->path(), folder);
        QVERIFY(m_prompts.shown().isEmpty());
        QCOMPARE(testing::treeSnapshot(folder), before);
    }

    void theOffer_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<store::RootSource>("source");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("texts");

        const QString empty = m_dir.filePath(u"empty"_s);
        const QString missing = m_dir.filePath(u"new/room 1"_s);
        const QString question = u"There is no data root in \""_s + empty +
                                 u"\":\nit holds no roster (sys/sys.cho).\nMake a new data root "
                                 u"there?"_s;
        QTest::newRow("empty folder, yes")
            << empty << true << store::RootSource::Option << true << QStringList{question};
        QTest::newRow("empty folder, no")
            << empty << true << store::RootSource::Option << false
            << QStringList{question,
                           u"Quorin ends: there is no data root in \""_s + empty + u"\"."_s};
        QTest::newRow("named by the system's file")
            << empty << true << store::RootSource::ConfigFile << false
            << QStringList{u"There is no data root in \""_s + empty +
                               u"\" (set in /etc/xdg/quorin/quorin.conf):\nit holds no roster "
                               u"(sys/sys.cho).\nIf it is a network share, check that it is "
                               u"mounted before you answer Yes.\nMake a new data root there?"_s,
                           u"Quorin ends: there is no data root in \""_s + empty + u"\"."_s};
        QTest::newRow("missing folder, yes")
            << missing << false << store::RootSource::Environment << true
            << QStringList{u"There is no folder \""_s + missing +
                           u"\" (set by QUORIN_DATA_ROOT).\nIf it is a network share, check "
                           u"that it is mounted before you answer Yes.\nMake a new data root "
                           u"there?"_s};
    }
    void theOffer()
    {
        QFETCH(QString, folder);
        QFETCH(bool, exists);
        QFETCH(store::RootSource, source);
        QFETCH(bool, yes);
        QFETCH(QStringList, texts);
        QDir(folder).removeRecursively();
        if (exists)
            QVERIFY(QDir().mkpath(folder));

        if (yes)
            m_prompts.accept();
        else
            m_prompts.refuse();
        RootSetup setup = this->setup();
        const std::optional<store::DataRoot> root = setup.prepare(at(folder, source));
        QCOMPARE(m_prompts.texts(), texts);
        QCOMPARE(m_prompts.shown().constFirst().kind, testing::ScriptedPrompts::Kind::Question);
        if (yes) {
            QVERIFY(root);
            QCOMPARE(root->path(), folder);
            QVERIFY(store::holdsRoster(*root));
            QVERIFY(QFileInfo::exists(folder + u"/help/index.html"_s));
            QVERIFY(setup.endMessage().isEmpty());
        } else {
            QVERIFY(!root);
            QCOMPARE(setup.endMessage(), texts.constLast());
            // Asked and refused: not a file or folder more than before.
            QCOMPARE(testing::treeSnapshot(folder), (QMap<QString, QByteArray>{}));
        }
        QVERIFY(!QFileInfo::exists(m_config));
    }

    void aFolderThatCannotBeMadeEndsTheProgram()
    {
        const QString file = m_dir.filePath(u"a file"_s);
        testing::writeBytes(file, "x");
        m_prompts.accept();
        RootSetup setup = this->setup();
        QVERIFY(!setup.prepare(at(file + u"/root"_s)));
        const QString failure = u"Could not make a data root in \""_s + file + u"/root\": \""_s +
                                file + u"\" is not a folder."_s;
        QCOMPARE(m_prompts.messages(), QStringList{failure});
        QCOMPARE(setup.endMessage(), failure);
    }

    void noRootSet_data()
    {
        QTest::addColumn<QStringList>("replies"); // "yes", "no", or a folder to choose
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("prompts");
        QTest::addColumn<bool>("kept");

        const QString ready = m_dir.filePath(u"chosen ready"_s);
        const QString fresh = m_dir.filePath(u"chosen fresh"_s);
        QTest::newRow("refused") << QStringList{u"no"_s} << false << 2 << false;
        QTest::newRow("no folder chosen")
            << QStringList{u"yes"_s, QString()} << false << 3 << false;
        QTest::newRow("a data root chosen") << QStringList{u"yes"_s, ready} << true << 2 << true;
        QTest::newRow("an empty folder made a root")
            << QStringList{u"yes"_s, fresh, u"yes"_s} << true << 3 << true;
        QTest::newRow("an empty folder left alone")
            << QStringList{u"yes"_s, fresh, u"no"_s} << false << 4 << false;
    }
    void noRootSet()
    {
        QFETCH(QStringList, replies);
        QFETCH(bool, opens);
        QFETCH(int, prompts);
        QFETCH(bool, kept);
        QFile::remove(m_config);
        const QString ready = m_dir.filePath(u"chosen ready"_s);
        testing::writeBytes(ready + u"/sys/sys.cho"_s, "[ClassName]\r\nClassNameCount=0\r\n");
        QDir(m_dir.filePath(u"chosen fresh"_s)).removeRecursively();
        QDir().mkpath(m_dir.filePath(u"chosen fresh"_s));

        for (const QString &reply : replies) {
            if (reply == u"no")
                m_prompts.refuse();
            else if (reply == u"yes")
                m_prompts.accept();
            else
                m_prompts.accept(reply);
        }
        RootSetup setup = this->setup();
        const std::optional<store::DataRoot> root = setup.prepare(store::RootLocation{});
        QCOMPARE(
            m_prompts.texts().constFirst(),
            u"No data root is set for Quorin.\nChoose its folder now? The choice is kept in "_s +
                m_config + u'.');
        QCOMPARE(int(m_prompts.shown().size()), prompts);
        QCOMPARE(bool(root), opens);
        if (!opens && replies.size() < 3)
            QCOMPARE(setup.endMessage(),
                     u"Quorin ends: no data root is set; name one with --data-root DIR, "
                     u"QUORIN_DATA_ROOT, or DataRoot in ~/.config/quorin/quorin.conf or "
                     u"/etc/xdg/quorin/quorin.conf."_s);
        QCOMPARE(QFileInfo::exists(m_config), kept);
        if (kept)
            QCOMPARE(store::RootLocator::configuredRoot(m_config), root->path());
    }
};

QTEST_GUILESS_MAIN(TestRootSetup)
#include "tst_root_setup.moc"

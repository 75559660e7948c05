// Where the data root comes from: the order of the sources, and what the
// configuration files may hold.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/root_locator.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using store::RootLocator;
using store::RootSource;

Q_DECLARE_METATYPE(store::RootSource)

class TestRootLocator : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_user;   // $XDG_CONFIG_HOME
    QString m_system; // the one folder of $XDG_CONFIG_DIRS
    int m_case = 0;

    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    void writeConfig(const QString &folder, const QByteArray &text)
    {
        QDir().mkpath(folder + u"/quorin"_s);
        testing::writeBytes(folder + u"/quorin/quorin.conf"_s, text);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        // Fresh folders for every case: QSettings keeps what it read of a file and reads
        // it again only when its time or size changed, which a rewrite within the same
        // second to the same length does not show.
        ++m_case;
        m_user = path(u"home-config-"_s + QString::number(m_case));
        m_system = path(u"etc-xdg-"_s + QString::number(m_case));
        qputenv("XDG_CONFIG_HOME", m_user.toUtf8());
        qputenv("XDG_CONFIG_DIRS", m_system.toUtf8());
        qunsetenv("QUORIN_DATA_ROOT");
        QDir(m_user).removeRecursively();
        QDir(m_system).removeRecursively();
    }
    void cleanupTestCase() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void configFilesAreTheUsersThenTheSystems()
    {
        QCOMPARE(RootLocator::configFiles(), (QStringList{m_user + u"/quorin/quorin.conf"_s,
                                                          m_system + u"/quorin/quorin.conf"_s}));
    }

    // Each row sets some sources; the first in the order wins.
    void order_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("userConfig");
        QTest::addColumn<QString>("systemConfig");
        QTest::addColumn<RootSource>("source");
        QTest::addColumn<QString>("root");

        QTest::newRow("all") << u"/opt"_s << u"/env"_s << u"/user"_s << u"/system"_s
                             << RootSource::Option << u"/opt"_s;
        QTest::newRow("no option") << QString() << u"/env"_s << u"/user"_s << u"/system"_s
                                   << RootSource::Environment << u"/env"_s;
        QTest::newRow("user's file") << QString() << QString() << u"/user"_s << u"/system"_s
                                     << RootSource::ConfigFile << u"/user"_s;
        QTest::newRow("system's file") << QString() << QString() << QString() << u"/system"_s
                                       << RootSource::ConfigFile << u"/system"_s;
        QTest::newRow("program folder") << QString() << QString() << QString() << QString()
                                        << RootSource::ProgramFolder << u"<exe>"_s;
        QTest::newRow("blank environment") << QString() << u"  "_s << QString() << u"/system"_s
                                           << RootSource::ConfigFile << u"/system"_s;
        QTest::newRow("blank value in the user's file")
            << QString() << QString() << u" "_s << u"/system"_s << RootSource::ConfigFile
            << u"/system"_s;
        QTest::newRow("option trimmed, made clean")
            << u" /opt/q/ "_s << QString() << QString() << QString() << RootSource::Option
            << u"/opt/q"_s;
    }
    void order()
    {
        QFETCH(QString, option);
        QFETCH(QString, environment);
        QFETCH(QString, userConfig);
        QFETCH(QString, systemConfig);
        QFETCH(RootSource, source);
        QFETCH(QString, root);

        if (!environment.isNull())
            qputenv("QUORIN_DATA_ROOT", environment.toUtf8());
        if (!userConfig.isNull())
            writeConfig(m_user, "DataRoot=" + userConfig.toUtf8() + "\n");
        if (!systemConfig.isNull())
            writeConfig(m_system, "[General]\r\nDataRoot=" + systemConfig.toUtf8() + "\r\n");
        const QString exe = path(u"portable"_s);
        const store::RootLocation location =
            RootLocator::locate(option.isNull() ? std::nullopt : std::optional(option), exe);
        QCOMPARE(location.source, source);
        QCOMPARE(location.root.path(), root == u"<exe>" ? exe : root);
        if (source == RootSource::ConfigFile)
            QCOMPARE(location.configFile,
                     (root == u"/user" ? m_user : m_system) + u"/quorin/quorin.conf"_s);
        // DataRoot::locate, which the programs used before, keeps the same order.
        if (!option.isNull())
            QCOMPARE(store::DataRoot::locate({u"prog"_s, u"--data-root"_s, option}, exe).path(),
                     location.root.path());
        else
            QCOMPARE(store::DataRoot::locate({u"prog"_s}, exe).path(), location.root.path());
    }

    void configuredValues_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("root"); // relative to the home folder when it starts "~"

        QTest::newRow("home") << QByteArray("DataRoot=~/quorin\n") << u"~/quorin"_s;
        QTest::newRow("relative to the file")
            << QByteArray("DataRoot=../share\n") << u"<config>/share"_s;
        QTest::newRow("commas") << QByteArray("DataRoot=/srv/a, b\n") << u"/srv/a, b"_s;
        QTest::newRow("quoted") << QByteArray("DataRoot=\"/srv/x y\"\n") << u"/srv/x y"_s;
        QTest::newRow("chinese") << QByteArray("DataRoot=/srv/\xe8\x80\x83\xe8\xaf\x95\n")
                                 << u"/srv/考试"_s;
        QTest::newRow("another key only") << QByteArray("Root=/x\n") << QString();
        QTest::newRow("damaged") << QByteArray("\x01[[=\n==\n") << QString();
    }
    void configuredValues()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, root);
        writeConfig(m_user, text);
        QString expected = root;
        if (expected.startsWith(u'~'))
            expected = QDir::homePath() + expected.mid(1);
        expected.replace(u"<config>"_s, m_user + u"/quorin/.."_s);
        if (!expected.isEmpty())
            expected = QDir::cleanPath(expected);
        QCOMPARE(RootLocator::configuredRoot(m_user + u"/quorin/quorin.conf"_s), expected);
    }

    // An installed program's folder (/usr/bin beside /usr/share/quorin) is no data
    // root, unless it does hold a roster.
    void installedProgramFolder()
    {
        const QString prefix = path(u"prefix"_s);
        QVERIFY(QDir().mkpath(prefix + u"/bin"_s));
        QVERIFY(QDir().mkpath(prefix + u"/share/quorin/help"_s));
        const QString bin = prefix + u"/bin"_s;

        store::RootLocation location = RootLocator::locate(std::nullopt, bin);
        QCOMPARE(location.source, RootSource::None);
        QVERIFY(!location.root.isValid());
        QVERIFY(!store::DataRoot::locate({u"prog"_s}, bin).isValid());

        QVERIFY(QDir().mkpath(bin + u"/SYS"_s));
        testing::writeBytes(bin + u"/SYS/Sys.cho"_s, "[ClassName]\r\nClassNameCount=0\r\n");
        location = RootLocator::locate(std::nullopt, bin);
        QCOMPARE(location.source, RootSource::ProgramFolder);
        QCOMPARE(location.root.path(), bin);
        QCOMPARE(location.origin(), u"the program's folder"_s);
    }
};

QTEST_GUILESS_MAIN(TestRootLocator)
#include "tst_root_locator.moc"

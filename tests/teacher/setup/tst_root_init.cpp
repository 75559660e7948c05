// A new data root: what it holds, what it refuses, and the messages when a folder
// cannot be made or written.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/root_init.h"
#include "test_files.h"

#include "store/roster.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using teacher::InitOutcome;
using teacher::RootInit;

class TestRootInit : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_shipped;

    struct Run
    {
        int code = 0;
        QString out;
        QString err;
    };
    Run command(const QStringList &arguments, const QString &root = {})
    {
        Run run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        run.code = teacher::runCommand(teacher::initRootCommand(m_shipped), store::DataRoot(root),
                                       arguments, out, err);
        return run;
    }

    // A folder nobody may write in: permissions stop other users, but not root.
    QString unwritableFolder()
    {
        if (geteuid() != 0) {
            const QString folder = m_dir.filePath(u"locked"_s);
            QDir().mkpath(folder);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            return folder + u"/root"_s;
        }
        if (!QFileInfo(u"/sys"_s).isDir())
            return {};
        return u"/sys/quorin-test-root"_s;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // What an installation ships: help pages and templates, in their folders.
        m_shipped = m_dir.filePath(u"prefix/share/quorin"_s);
        testing::writeBytes(m_shipped + u"/help/index.html"_s, "<h1>Help</h1>");
        testing::writeBytes(m_shipped + u"/help/login.html"_s, "<h1>Login</h1>");
        testing::writeBytes(m_shipped + u"/sys/paper.dotx"_s, "PK paper template");
        testing::writeBytes(m_shipped + u"/sys/score.xltx"_s, "PK score template");
        // Chinese labels for the paper only: the workbook stays English in Chinese too.
        testing::writeBytes(m_shipped + u"/sys/zh_CN/paper.dotx"_s, "PK 中文 paper template");
        QDir().mkpath(m_dir.filePath(u"prefix/bin"_s));
    }
    void cleanupTestCase() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void shippedDataLiesBesideTheProgramsFolder()
    {
        QCOMPARE(RootInit::shippedDataFolder(m_dir.filePath(u"prefix/bin"_s)), m_shipped);
        QCOMPARE(RootInit::shippedDataFolder(m_shipped + u"/help"_s), QString());
    }

    void makesANewRoot()
    {
        const QString folder = m_dir.filePath(u"schools/新学校"_s); // parents made as well
        const InitOutcome outcome = RootInit(m_shipped).make(folder);
        QCOMPARE(outcome.status, InitOutcome::Status::Made);
        QCOMPARE(outcome.copied, 4);
        QVERIFY(outcome.kept.isEmpty());
        QVERIFY(!outcome.shippedMissing);

        QCOMPARE(testing::treeSnapshot(folder).keys(),
                 (QStringList{u"CHENGJI/"_s, u"SHIJUAN/"_s, u"help/"_s, u"help/index.html"_s,
                              u"help/login.html"_s, u"sys/"_s, u"sys/paper.dotx"_s,
                              u"sys/score.xltx"_s, u"sys/sys.cho"_s, u"sys/sys.cho.lock"_s}));
        // As the Windows programs write it: GBK, CRLF, no classes and no papers.
        QCOMPARE(
            testing::readBytes(folder + u"/sys/sys.cho"_s),
            QByteArray("[ClassName]\r\nClassNameCount=0\r\n[TestName]\r\nTestNameCount=0\r\n"));
        const store::RosterReader roster = store::Roster(store::DataRoot(folder)).read();
        QCOMPARE(roster.classCount(), 0);
        QCOMPARE(roster.paperCount(), 0);
        QCOMPARE(testing::readBytes(folder + u"/sys/paper.dotx"_s),
                 QByteArray("PK paper template"));
        QVERIFY(QFileInfo(folder + u"/help/index.html"_s).isWritable());
    }

    // The templates of the program's language replace the English ones of the same name;
    // no language folder of templates lands in the root.
    void templatesOfTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("paper");
        QTest::newRow("English") << u"en"_s << QByteArray("PK paper template");
        QTest::newRow("Chinese") << u"zh_CN"_s << QByteArray("PK 中文 paper template");
        QTest::newRow("a language without templates") << u"de"_s << QByteArray("PK paper template");
    }
    void templatesOfTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, paper);
        const QString folder = m_dir.filePath(u"lang-"_s + language);
        const InitOutcome outcome = RootInit(m_shipped, language).make(folder);
        QCOMPARE(outcome.status, InitOutcome::Status::Made);
        QCOMPARE(outcome.copied, 4);
        QCOMPARE(testing::readBytes(folder + u"/sys/paper.dotx"_s), paper);
        QCOMPARE(testing::readBytes(folder + u"/sys/score.xltx"_s),
                 QByteArray("PK score template"));
        QVERIFY(!QFileInfo::exists(folder + u"/sys/zh_CN"_s));
    }

    // A folder that holds files already: they stay, in the letter case they have.
    void keepsWhatTheFolderHolds()
    {
        const QString folder = m_dir.filePath(u"old share"_s);
        testing::writeBytes(folder + u"/SYS/paper.dotx"_s, "the school's own template");
        testing::writeBytes(folder + u"/shijuan/Old/Old.cho"_s, "[MAIN]\r\n");
        const InitOutcome outcome = RootInit(m_shipped).make(folder);
        QCOMPARE(outcome.status, InitOutcome::Status::Made);
        QCOMPARE(outcome.kept, QStringList{u"sys/paper.dotx"_s});
        QCOMPARE(testing::readBytes(folder + u"/SYS/paper.dotx"_s),
                 QByteArray("the school's own template"));
        QVERIFY(QFileInfo::exists(folder + u"/SYS/sys.cho"_s));
        QVERIFY(QFileInfo::exists(folder + u"/SYS/score.xltx"_s));
        QVERIFY(!QFileInfo::exists(folder + u"/SHIJUAN"_s)); // "shijuan" is that folder
        QVERIFY(QFileInfo::exists(folder + u"/shijuan/Old/Old.cho"_s));
    }

    void refusesAFolderWithARoster()
    {
        const QString folder = m_dir.filePath(u"taken"_s);
        testing::writeBytes(folder + u"/Sys/SYS.CHO"_s,
                            testing::windowsText(u"[ClassName]\nClassNameCount=1\n1=A1\n"_s));
        const auto before = testing::treeSnapshot(folder);
        QCOMPARE(RootInit(m_shipped).make(folder).status, InitOutcome::Status::AlreadyRoot);

        const Run run = command({folder});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err,
                 u"teacher init-root: \""_s + folder +
                     u"\" holds a data root already (sys/sys.cho); nothing was changed\n"_s);
        QCOMPARE(testing::treeSnapshot(folder), before);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message"); // what the error starts with

        const QString file = m_dir.filePath(u"a file"_s);
        testing::writeBytes(file, "not a folder");
        QTest::newRow("a file") << file << u"\""_s + file + u"\" is not a folder"_s;
        QTest::newRow("below a file")
            << file + u"/root"_s << u"\""_s + file + u"\" is not a folder"_s;
        const QString unwritable = unwritableFolder();
        if (!unwritable.isEmpty())
            QTest::newRow("unwritable") << unwritable << u"cannot make the folder \""_s;
    }
    void failures()
    {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        const InitOutcome outcome = RootInit(m_shipped).make(folder);
        QCOMPARE(outcome.status, InitOutcome::Status::Failed);
        QVERIFY2(outcome.error.startsWith(message), qPrintable(outcome.error));
        QVERIFY(!QFileInfo::exists(folder + u"/sys/sys.cho"_s));

        const Run run = command({folder});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err, u"teacher init-root: "_s + outcome.error + u'\n');
        QVERIFY(!run.err.trimmed().contains(u'\n'));
    }

    void withoutShippedFilesTheRootIsMadeAndSaysSo()
    {
        const QString folder = m_dir.filePath(u"bare"_s);
        m_shipped = m_dir.filePath(u"nowhere"_s);
        const Run run = command({folder});
        m_shipped = m_dir.filePath(u"prefix/share/quorin"_s);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, u"made a new data root in \""_s + folder + u"\"\n"_s);
        QVERIFY(run.err.contains(u"warning: no help pages or templates were found"_s));
        QVERIFY(QFileInfo::exists(folder + u"/sys/sys.cho"_s));
    }

    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("root");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");
        const QString usage = u"usage: teacher [--data-root DIR] init-root [DIR]"_s;
        QTest::newRow("the options' root")
            << QStringList{} << m_dir.filePath(u"from-options"_s) << 0 << QString();
        QTest::newRow("no folder at all")
            << QStringList{} << QString() << 2 << u"teacher init-root: name the folder: "_s + usage;
        QTest::newRow("two folders") << QStringList{u"a"_s, u"b"_s} << QString() << 2
                                     << u"teacher init-root: unexpected argument \"b\"; "_s + usage;
        QTest::newRow("an option")
            << QStringList{u"--force"_s} << QString() << 2
            << u"teacher init-root: unexpected argument \"--force\"; "_s + usage;
        QTest::newRow("help") << QStringList{u"--help"_s} << QString() << 0 << QString();
    }
    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, root);
        QFETCH(int, code);
        QFETCH(QString, err);
        const Run run = command(arguments, root);
        QCOMPARE(run.code, code);
        QCOMPARE(run.err.trimmed(), err);
        if (!root.isEmpty())
            QVERIFY(QFileInfo::exists(root + u"/sys/sys.cho"_s));
    }
};

QTEST_GUILESS_MAIN(TestRootInit)
#include "tst_root_init.moc"

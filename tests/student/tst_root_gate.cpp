// The student program starts only on a data root with a roster, and otherwise says
// which folder it looked in, writing nothing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "student/root_gate.h"
#include "test_files.h"

#include "scripted_prompts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(store::RootSource)

class TestRootGate : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void cleanupTestCase() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void gate_data()
    {
        QTest::addColumn<QString>("folder"); // relative to the test's folder
        QTest::addColumn<store::RootSource>("source");
        QTest::addColumn<QString>("text"); // empty: admitted; <root> is the folder

        QTest::newRow("a data root") << u"root"_s << store::RootSource::Option << QString();
        QTest::newRow("roster in capitals")
            << u"capitals"_s << store::RootSource::ProgramFolder << QString();
        QTest::newRow("empty folder")
            << u"empty"_s << store::RootSource::Option
            << u"Quorin looked for its data root in \"<root>\" and found no roster (sys/sys.cho) "
               u"there. Please tell the teacher."_s;
        QTest::newRow("missing folder, from the system's file")
            << u"gone"_s << store::RootSource::ConfigFile
            << u"Quorin looked for its data root in \"<root>\" (set in "
               u"/etc/xdg/quorin/quorin.conf) and found no roster (sys/sys.cho) there. Please tell "
               u"the teacher."_s;
        QTest::newRow("nothing set")
            << QString() << store::RootSource::None
            << u"No data root is set for Quorin. Please tell the teacher: it is set with DataRoot "
               u"in /etc/xdg/quorin/quorin.conf."_s;
    }
    void gate()
    {
        QFETCH(QString, folder);
        QFETCH(store::RootSource, source);
        QFETCH(QString, text);
        testing::writeBytes(m_dir.filePath(u"root/sys/sys.cho"_s), "[TestName]\r\n");
        testing::writeBytes(m_dir.filePath(u"capitals/SYS/SYS.CHO"_s), "[TestName]\r\n");
        QDir().mkpath(m_dir.filePath(u"empty"_s));
        const auto before = testing::treeSnapshot(m_dir.path());

        store::RootLocation location;
        location.source = source;
        if (!folder.isNull())
            location.root = store::DataRoot(m_dir.filePath(folder));
        if (source == store::RootSource::ConfigFile)
            location.configFile = u"/etc/xdg/quorin/quorin.conf"_s;
        testing::ScriptedPrompts prompts;
        QString err;
        QTextStream stream(&err);
        const bool admitted = student::admitRoot(location, prompts, stream);

        QCOMPARE(admitted, text.isEmpty());
        const QString expected = QString(text).replace(u"<root>"_s, m_dir.filePath(folder));
        QCOMPARE(prompts.messages(), text.isEmpty() ? QStringList{} : QStringList{expected});
        QCOMPARE(err, text.isEmpty() ? QString() : u"student: "_s + expected + u'\n');
        QCOMPARE(testing::treeSnapshot(m_dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestRootGate)
#include "tst_root_gate.moc"

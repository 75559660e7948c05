// "Manage test" without its window: flags as read, toggled and written.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "classes/test_room_table.h"
#include "store/roster.h"
#include "root_builder.h"
#include "scripted_prompts.h"

#include <QTest>

using teacher::TestRoomTable;

namespace {

const QString twoPapers =
    QStringLiteral("[ClassName]\nClassNameCount=3\n1=A1\n2=A2\n3=B1\n"
                   "[TestName]\nTestNameCount=2\n1=Maths\n2=Physics\nMaths=1\n"
                   "[Maths]\nA1=1\nA2=0\nB1=1\n"
                   "[Physics]\nA1=1\nA2=1\n");

QStringList classFlags(const TestRoomTable &table)
{
    QStringList flags;
    for (int row = 0; row < table.classCount(); ++row)
        flags.append(table.classFlag(row));
    return flags;
}

} // namespace

class TestTestRoomTable : public QObject
{
    Q_OBJECT

private slots:
    void readsWithDefaults_data()
    {
        QTest::addColumn<QString>("roster");
        QTest::addColumn<QStringList>("paperFlags");
        QTest::addColumn<QStringList>("firstPaperClasses");
        QTest::newRow("paper names only")
            << "[TestName]\nTestNameCount=2\n1=Maths\n2=Physics\n[ClassName]\nClassNameCount=2\n1="
               "A1\n2=A2\n"
            << QStringList{QStringLiteral("No"), QStringLiteral("No")}
            << QStringList{QStringLiteral("Yes"), QStringLiteral("Yes")};
        QTest::newRow("offered by Manage paper; class added later")
            << twoPapers << QStringList{QStringLiteral("Yes"), QStringLiteral("No")}
            << QStringList{QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Yes")};
        QTest::newRow("values other than 1 are No")
            << "[TestName]\nTestNameCount=1\n1=Maths\nMaths=yes\n[ClassName]\nClassNameCount=2\n1="
               "A1\n2=A2\n"
               "[Maths]\nA1=2\nA2= 1 \n"
            << QStringList{QStringLiteral("No")}
            << QStringList{QStringLiteral("No"), QStringLiteral("Yes")};
    }
    void readsWithDefaults()
    {
        QFETCH(QString, roster);
        QFETCH(QStringList, paperFlags);
        QFETCH(QStringList, firstPaperClasses);
        testing::RootBuilder root;
        root.roster(roster);
        testing::ScriptedPrompts prompts;
        TestRoomTable table(root.root(), prompts);
        table.readTestRoom();
        QStringList flags;
        for (int row = 0; row < table.paperCount(); ++row)
            flags.append(table.paperFlag(row));
        QCOMPARE(flags, paperFlags);
        QCOMPARE(table.selectedPaper(), -1);
        QCOMPARE(classFlags(table), QStringList(table.classCount(), QString())); // no paper yet
        table.selectPaper(0);
        QCOMPARE(classFlags(table), firstPaperClasses);
    }

    void everyPairIsWritten()
    {
        testing::RootBuilder root;
        root.roster(twoPapers);
        testing::ScriptedPrompts prompts;
        TestRoomTable table(root.root(), prompts);
        table.readTestRoom();
        QVERIFY(table.writeTestRoom());
        const store::ProfileSnapshot after = store::Roster(root.root()).read().snapshot();
        QCOMPARE(after.value(u"TestName", u"Physics"), QStringLiteral("0"));
        QCOMPARE(after.value(u"Maths", u"B1"), QStringLiteral("1"));
        QCOMPARE(after.value(u"Physics", u"B1"), QStringLiteral("1")); // was missing: admitted
        QCOMPARE(after.value(u"Maths", u"A2"), QStringLiteral("0"));
    }

    void forbidAllTouchesOnlyTheSelectedPaper()
    {
        testing::RootBuilder root;
        root.roster(twoPapers);
        testing::ScriptedPrompts prompts;
        TestRoomTable table(root.root(), prompts);
        table.readTestRoom();
        table.selectPaper(1);
        table.forbidAll();
        QCOMPARE(classFlags(table), QStringList(3, QStringLiteral("No")));
        table.selectPaper(0);
        QCOMPARE(classFlags(table),
                 (QStringList{QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Yes")}));
        QVERIFY(table.writeTestRoom());
        const store::RosterReader after = store::Roster(root.root()).read();
        for (const QString &cls : after.classNames())
            QCOMPARE(after.snapshot().value(u"Physics", cls), QStringLiteral("0"));
        QCOMPARE(after.snapshot().value(u"Maths", u"A1"), QStringLiteral("1"));

        table.selectAll();
        QCOMPARE(classFlags(table), QStringList(3, QStringLiteral("Yes")));
    }

    void togglesTwiceGiveBack()
    {
        testing::RootBuilder root;
        root.roster(twoPapers);
        testing::ScriptedPrompts prompts;
        TestRoomTable table(root.root(), prompts);
        table.readTestRoom();
        const store::TestRoom before = table.room();
        table.togglePaper(1);
        QCOMPARE(table.selectedPaper(), 1);
        QCOMPARE(table.paperFlag(1), QStringLiteral("Yes"));
        table.togglePaper(1);
        table.toggleClass(2);
        QCOMPARE(table.selectedClass(), 2);
        QCOMPARE(table.classFlag(2), QStringLiteral("No"));
        table.toggleClass(2);
        QCOMPARE(table.room(), before);
    }

    void classesNeedAPaper()
    {
        testing::RootBuilder root;
        root.roster(twoPapers);
        testing::ScriptedPrompts prompts;
        TestRoomTable table(root.root(), prompts);
        table.readTestRoom();
        const store::TestRoom before = table.room();
        table.toggleClass(0);
        table.selectAll();
        table.forbidAll();
        QCOMPARE(table.room(), before);
    }

    void nothingToShow()
    {
        testing::RootBuilder root;
        testing::ScriptedPrompts prompts;
        TestRoomTable table(root.root(), prompts);
        table.readTestRoom();
        QCOMPARE(table.paperCount(), 0);
        QCOMPARE(table.classCount(), 0);
        table.togglePaper(0);
        table.forbidAll();
        QCOMPARE(table.selectedPaper(), -1);
        QVERIFY(prompts.shown().isEmpty());
    }

    void reservedPaperNamesAreTold()
    {
        testing::RootBuilder root;
        root.roster(QStringLiteral("[ClassName]\nClassNameCount=1\n1=A1\n[ClassCount]\nA1=30\n"
                                   "[TestName]\nTestNameCount=2\n1=ClassCount\n2=Maths\n"));
        testing::ScriptedPrompts prompts;
        TestRoomTable table(root.root(), prompts);
        table.readTestRoom();
        table.togglePaper(0);
        table.forbidAll();
        QVERIFY(table.writeTestRoom());
        QCOMPARE(prompts.messages(),
                 QStringList{QStringLiteral(
                     "The flags of \"ClassCount\" were not saved: the roster uses that "
                     "name for its own entries. Rename the paper in Manage paper.")});
        QCOMPARE(store::Roster(root.root()).read().classEntry(QStringLiteral("A1")).studentCount,
                 30);
    }

    void failedWriteIsTold()
    {
        testing::RootBuilder root;
        root.roster(twoPapers);
        testing::ScriptedPrompts prompts;
        TestRoomTable table(root.root(), prompts);
        table.readTestRoom();
        root.removeSys();
        QVERIFY(!table.writeTestRoom());
        QCOMPARE(prompts.messages().size(), 1);
        QVERIFY(prompts.messages().first().startsWith(
            QStringLiteral("A folder of the data root does not exist: the test room was not "
                           "saved; nothing was changed.")));
    }
};

QTEST_GUILESS_MAIN(TestTestRoomTable)
#include "tst_test_room_table.moc"

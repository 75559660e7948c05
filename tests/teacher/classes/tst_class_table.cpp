// "Manage classes" without its window: names, the number rules, deleting and ordering,
// and what reaches the roster.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "classes/class_table.h"
#include "store/roster.h"
#include "root_builder.h"
#include "scripted_prompts.h"

#include <QFile>
#include <QTest>

using teacher::ClassTable;

namespace {

const QString threeClasses = QStringLiteral("[ClassName]\nClassNameCount=3\n1=Class 1\n2=A2\n3=B1\n"
                                            "[ClassCount]\nClass 1=30\nA2=28\nB1=32\n"
                                            "[FirstNumber]\nClass 1=1\nA2=1\nB1=101\n"
                                            "[LastNumber]\nClass 1=30\nA2=28\nB1=132\n");

const QString tooSmall = QStringLiteral("The last number is too small,please input again!");

} // namespace

class TestClassTable : public QObject
{
    Q_OBJECT

private slots:
    void create_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("names");

        const QStringList before{QStringLiteral("Class 1"), QStringLiteral("A2"),
                                 QStringLiteral("B1")};
        const QString duplicate =
            QStringLiteral("The class name is the same of a class inhered ,input another name!");
        QTest::newRow("new name, blanks trimmed")
            << true << "  C3 " << QStringList{} << (before + QStringList{QStringLiteral("C3")});
        QTest::newRow("same name with blanks around")
            << true << "  Class 1  " << QStringList{duplicate} << before;
        QTest::newRow("same name other case")
            << true << "class 1"
            << QStringList{QStringLiteral(
                   "The class name \"class 1\" differs from the class \"Class 1\" "
                   "only in letter case, which the files cannot tell apart. "
                   "Please input another name!")}
            << before;
        QTest::newRow("empty") << true << "" << QStringList{} << before;
        QTest::newRow("blanks only") << true << "   " << QStringList{} << before;
        QTest::newRow("cancelled") << false << "" << QStringList{} << before;
        QTest::newRow("bracket")
            << true << "A]1"
            << QStringList{QStringLiteral(
                   "The class name must not hold \"[\" or \"]\". Please input another name!")}
            << before;
        QTest::newRow("equals sign would split the key")
            << true << "A=1"
            << QStringList{QStringLiteral(
                   "The class name must not hold \"=\". Please input another name!")}
            << before;
        QTest::newRow("path out of the paper folder")
            << true << "../x"
            << QStringList{QStringLiteral(
                   "The class name must not hold \"/\" or \"\\\". Please input another name!")}
            << before;
        QTest::newRow("Chinese name") << true << "高一(2)班" << QStringList{}
                                      << (before + QStringList{QStringLiteral("高一(2)班")});
    }
    void create()
    {
        QFETCH(bool, answered);
        QFETCH(QString, typed);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, names);
        testing::RootBuilder root;
        root.roster(threeClasses);
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        table.select(1);
        if (answered)
            prompts.accept(typed);
        else
            prompts.refuse();

        QCOMPARE(table.create(), names.size() == 4);
        QCOMPARE(prompts.shown().first().text,
                 QStringLiteral("Please enter the name fo new class:"));
        QCOMPARE(prompts.shown().first().title,
                 QStringLiteral("Please enter the name fo new class:"));
        QCOMPARE(prompts.messages(), messages);
        QCOMPARE(table.names(), names);
        QCOMPARE(table.selected(), 1); // a new class does not take the selection
        if (names.size() == 4)
            QCOMPARE(table.classes().last(), (store::ClassEntry{names.last(), 0, 0, 0}));
    }

    void numbersFollowTheCount()
    {
        // first 1, count 30, last 30; then count 40, first 10, last 45.
        testing::RootBuilder root;
        root.roster(threeClasses);
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        QCOMPARE(table.selected(), 0);

        table.editCount(QStringLiteral("40"));
        QCOMPARE(table.lastText(), QStringLiteral("40"));
        QCOMPARE(table.classes().at(0).lastNumber, 40);
        table.editFirst(QStringLiteral("10"));
        QCOMPARE(table.lastText(), QStringLiteral("49"));
        QCOMPARE(table.classes().at(0), (store::ClassEntry{QStringLiteral("Class 1"), 40, 10, 49}));

        table.editLast(QStringLiteral("45"));
        QCOMPARE(table.lastText(), QStringLiteral("45"));
        QCOMPARE(table.leaveLast(), ClassTable::LastCheck::TooSmall);
        QCOMPARE(prompts.messages(), QStringList{tooSmall});
        QCOMPARE(prompts.shown().last().title, QStringLiteral("Manage classes"));
        QCOMPARE(table.lastText(), QStringLiteral("49"));
        QCOMPARE(table.classes().at(0).lastNumber, 49);

        table.editLast(QStringLiteral("60"));
        QCOMPARE(table.leaveLast(), ClassTable::LastCheck::Accepted);
        QCOMPARE(table.classes().at(0).lastNumber, 60);
        QCOMPARE(prompts.messages().size(), 1);
    }

    void widerRangeIsKept()
    {
        testing::RootBuilder root;
        root.roster(QStringLiteral("[ClassName]\nClassNameCount=1\n1=A1\n[ClassCount]\nA1=30\n"
                                   "[FirstNumber]\nA1=1\n[LastNumber]\nA1=100\n"));
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        table.editCount(QStringLiteral("30"));
        table.editFirst(QStringLiteral("1"));
        QCOMPARE(table.leaveLast(), ClassTable::LastCheck::Accepted);
        QCOMPARE(table.classes().at(0), (store::ClassEntry{QStringLiteral("A1"), 30, 1, 100}));
        QVERIFY(prompts.shown().isEmpty());
    }

    void boxText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("count");
        QTest::newRow("empty box is 0") << ""
                                        << "0" << 0;
        QTest::newRow("leading number") << "12abc"
                                        << "12" << 12;
        QTest::newRow("leading zeros") << "007"
                                       << "7" << 7;
        QTest::newRow("letters first") << "abc12"
                                       << "0" << 0;
        QTest::newRow("half rounds to even") << "2.5"
                                             << "2.5" << 2;
        QTest::newRow("other half rounds up") << "3.5"
                                              << "3.5" << 4;
        QTest::newRow("largest") << "32767"
                                 << "32767" << 32767;
        QTest::newRow("smallest") << "-32768"
                                  << "-32768" << -32768;
    }
    void boxText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, count);
        testing::RootBuilder root;
        root.roster(
            QStringLiteral("[ClassName]\nClassNameCount=1\n1=A1\n[LastNumber]\nA1=32767\n"));
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        table.editFirst(QStringLiteral("-32768"));
        table.editCount(typed);
        QCOMPARE(table.countText(), shown);
        QCOMPARE(table.classes().at(0).studentCount, count);
    }

    void outOfRangeIsRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("count too large") << "count"
                                         << "40000";
        QTest::newRow("count rounds past the end") << "count"
                                                   << "32767.5";
        QTest::newRow("count far beyond") << "count"
                                          << "1e300";
        QTest::newRow("first too small") << "first"
                                         << "-32769";
        QTest::newRow("count would push last past the end") << "count"
                                                            << "2800";
        QTest::newRow("first would push last past the end") << "first"
                                                            << "32760";
        QTest::newRow("last too large") << "last"
                                        << "99999";
    }
    void outOfRangeIsRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        testing::RootBuilder root;
        root.roster(QStringLiteral("[ClassName]\nClassNameCount=1\n1=A1\n[ClassCount]\nA1=30\n"
                                   "[FirstNumber]\nA1=30000\n[LastNumber]\nA1=30029\n"));
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        const store::ClassEntry before = table.classes().at(0);
        if (box == u"count")
            table.editCount(typed);
        else if (box == u"first")
            table.editFirst(typed);
        else
            table.editLast(typed);
        QCOMPARE(table.classes().at(0), before);
        QCOMPARE(table.countText(), QStringLiteral("30"));
        QCOMPARE(table.firstText(), QStringLiteral("30000"));
        QCOMPARE(table.lastText(), QStringLiteral("30029"));
    }

    void deleting_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("selectedAfter");
        QTest::newRow("last of three")
            << 2 << true << QStringList{QStringLiteral("Class 1"), QStringLiteral("A2")} << 1;
        QTest::newRow("first of three")
            << 0 << true << QStringList{QStringLiteral("A2"), QStringLiteral("B1")} << 0;
        QTest::newRow("refused") << 1 << false
                                 << QStringList{QStringLiteral("Class 1"), QStringLiteral("A2"),
                                                QStringLiteral("B1")}
                                 << 1;
    }
    void deleting()
    {
        QFETCH(int, row);
        QFETCH(bool, confirmed);
        QFETCH(QStringList, names);
        QFETCH(int, selectedAfter);
        testing::RootBuilder root;
        root.roster(threeClasses);
        const QByteArray bytes = root.rosterBytes();
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        table.select(row);
        confirmed ? prompts.accept() : prompts.refuse();
        table.deleteSelected();

        QCOMPARE(table.names(), names);
        QCOMPARE(table.selected(), selectedAfter);
        QCOMPARE(table.nameText(), names.at(selectedAfter));
        QCOMPARE(prompts.shown().first().text,
                 QStringLiteral("Will you delete all data of the present calss?"));
        QCOMPARE(prompts.shown().first().title, QStringLiteral("Manage classes"));
        QCOMPARE(prompts.messages(),
                 confirmed ? QStringList{QStringLiteral("The present calss had been deleted?")}
                           : QStringList{});
        QCOMPARE(root.rosterBytes(), bytes); // only "OK" writes
    }

    void onlyClassStays()
    {
        testing::RootBuilder root;
        root.roster(QStringLiteral("[ClassName]\nClassNameCount=1\n1=A1\n"));
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        table.deleteSelected();
        QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Not allow to delete the class!")});
        QCOMPARE(table.count(), 1);
    }

    void upAndDown()
    {
        testing::RootBuilder root;
        root.roster(threeClasses);
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        const QList<store::ClassEntry> before = table.classes();
        table.moveUp(); // first class: nothing
        QCOMPARE(table.classes(), before);
        table.select(2);
        table.moveDown(); // last class: nothing
        QCOMPARE(table.classes(), before);
        table.moveUp();
        QCOMPARE(table.names(), (QStringList{QStringLiteral("Class 1"), QStringLiteral("B1"),
                                             QStringLiteral("A2")}));
        QCOMPARE(table.selected(), 1);
        QCOMPARE(table.classes().at(1), before.at(2)); // the numbers travel with the name
        QCOMPARE(table.firstText(), QStringLiteral("101"));
    }

    void noClasses()
    {
        testing::RootBuilder root;
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        QCOMPARE(table.selected(), -1);
        table.editCount(QStringLiteral("5"));
        table.deleteSelected();
        table.moveUp();
        table.moveDown();
        QCOMPARE(table.leaveLast(), ClassTable::LastCheck::Accepted);
        QVERIFY(prompts.shown().isEmpty());
        QCOMPARE(table.countText(), QString());

        prompts.accept(QStringLiteral("A1"));
        QVERIFY(table.create());
        QCOMPARE(table.selected(), -1);
        table.select(0);
        table.editCount(QStringLiteral("25"));
        table.editFirst(QStringLiteral("1"));
        QVERIFY(table.writeClassList());
        const store::RosterReader after = store::Roster(root.root()).read();
        QCOMPARE(after.classList(), (QList<store::ClassEntry>{{QStringLiteral("A1"), 25, 1, 25}}));
    }

    void writesInOrderWithoutDeleting()
    {
        testing::RootBuilder root;
        root.roster(threeClasses);
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        table.select(1);
        prompts.accept();
        table.deleteSelected();
        table.moveUp();
        QVERIFY(table.writeClassList());
        const store::RosterReader after = store::Roster(root.root()).read();
        QCOMPARE(after.classNames(),
                 (QStringList{QStringLiteral("B1"), QStringLiteral("Class 1")}));
        QCOMPARE(after.snapshot().value(u"ClassName", u"3"), QStringLiteral("B1")); // left behind
        QCOMPARE(after.classEntry(QStringLiteral("A2")).lastNumber, 28);
    }

    void failedWritesAreTold()
    {
        testing::RootBuilder root;
        root.roster(threeClasses);
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        root.removeSys();
        QVERIFY(!table.writeClassList());
        QCOMPARE(prompts.messages().size(), 1);
        QVERIFY(prompts.messages().first().startsWith(
            QStringLiteral("A folder of the data root does not exist: the class list was not "
                           "saved; nothing was changed.")));
    }

    void unreadableRosterIsNotOverwritten()
    {
        testing::RootBuilder root;
        {
            QFile big(root.rosterFile());
            QVERIFY(big.open(QIODevice::WriteOnly));
            big.write("[ClassName]\r\nClassNameCount=1\r\n1=A1\r\n");
            QVERIFY(big.resize(17 * 1024 * 1024));
        }
        const QByteArray before = root.rosterBytes();
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        QCOMPARE(table.count(), 0);
        QCOMPARE(prompts.messages().size(), 1);
        QVERIFY(prompts.messages().first().contains(QStringLiteral("could not be read")));
        prompts.accept(QStringLiteral("B2"));
        table.create();
        QVERIFY(!table.writeClassList());
        QCOMPARE(root.rosterBytes(), before);
    }

    void sharedResultFiles_data()
    {
        QTest::addColumn<QString>("roster");
        QTest::addColumn<QString>("clash");
        QTest::newRow("Class 1 and Class 11 overlap")
            << "[ClassName]\nClassNameCount=2\n1=Class 1\n2=Class 11\n[FirstNumber]\nClass "
               "1=1\nClass 11=1\n"
               "[LastNumber]\nClass 1=40\nClass 11=40\n"
            << "Testee 11 of class \"Class 1\" and testee 1 of class \"Class 11\" would share one "
               "result file, \"Class 111.cho\".";
        QTest::newRow("ranges apart") << "[ClassName]\nClassNameCount=2\n1=Class 1\n2=Class 11\n"
                                         "[FirstNumber]\nClass 1=1\nClass 11=1\n"
                                         "[LastNumber]\nClass 1=9\nClass 11=40\n"
                                      << "";
        QTest::newRow("rest is not a number")
            << "[ClassName]\nClassNameCount=2\n1=A\n2=AB\n"
               "[FirstNumber]\nA=1\nAB=1\n[LastNumber]\nA=300\nAB=30\n"
            << "";
        QTest::newRow("rest with a leading zero")
            << "[ClassName]\nClassNameCount=2\n1=A\n2=A0\n"
               "[FirstNumber]\nA=1\nA0=1\n[LastNumber]\nA=300\nA0=30\n"
            << "";
    }
    void sharedResultFiles()
    {
        QFETCH(QString, roster);
        QFETCH(QString, clash);
        testing::RootBuilder root;
        root.roster(roster);
        testing::ScriptedPrompts prompts;
        ClassTable table(root.root(), prompts);
        table.readClassList();
        QCOMPARE(table.recordFileClash().value_or(QString()), clash);

        // Warned before saving; "No" keeps the window open with nothing written.
        const QByteArray before = root.rosterBytes();
        prompts.refuse();
        QCOMPARE(table.writeClassList(), clash.isEmpty());
        if (!clash.isEmpty()) {
            QCOMPARE(prompts.texts(), QStringList{clash + QStringLiteral(" Save anyway?")});
            QCOMPARE(root.rosterBytes(), before);
            prompts.accept();
            QVERIFY(table.writeClassList());
        }
    }
};

QTEST_GUILESS_MAIN(TestClassTable)
#include "tst_class_table.moc"

// "Manage paper" without its window: opening, showing, the editing rules, create,
// delete, Up/Down and the commit, on data roots as the Windows programs write them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "papers/paper_exchange.h"
#include "papers/paper_list.h"
#include "root_builder.h"
#include "store/profile_file.h"
#include "test_files.h"
#include "scripted_prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using teacher::PaperColumn;
using teacher::PaperList;
using testing::sectionOf;

namespace {

const QString roster =
    QStringLiteral("[ClassName]\nClassNameCount=1\n1=A1\n"
                   "[TestName]\nTestNameCount=3\n1=代数\n2=Physics quiz\n3=English 1\n"
                   "代数=1\nPhysics quiz=0\n");

// "Physics quiz" has no retest password key and a password of its own for relogin;
// "English 1" has an empty folder and no paper file.
void writeRoot(testing::RootBuilder &root)
{
    root.roster(roster);
    QDir().mkpath(root.path() + QStringLiteral("/SHIJUAN/English 1"));
    root.twoQuestionPaper(QStringLiteral("代数"), testing::RootBuilder::savedSettings())
        .twoQuestionPaper(QStringLiteral("Physics quiz"),
                          {{QStringLiteral("TESTTIME"), QStringLiteral("20 min")},
                           {QStringLiteral("RELOGINPASSWD"), QStringLiteral("abc")},
                           {QStringLiteral("DISPLAY_SCORE"), QStringLiteral("2")},
                           {QStringLiteral("CHANGE_QUESTION_SORT"), QStringLiteral("0")},
                           {QStringLiteral("about_test"), QStringLiteral("Forces")}});
}

using Section = QList<QPair<QString, QString>>;

Section keysOfNewPaper(const QString &name)
{
    return {{QStringLiteral("TESTTIME"), QStringLiteral("30")},
            {QStringLiteral("EXERCISEMODE"), QStringLiteral("0")},
            {QStringLiteral("RETESTPASSWD"), QStringLiteral("468")},
            {QStringLiteral("RELOGINPASSWD"), QStringLiteral("579")},
            {QStringLiteral("DISPLAY_SCORE"), QStringLiteral("1")},
            {QStringLiteral("CHANGE_QUESTION_SORT"), QStringLiteral("1")},
            {QStringLiteral("A_grade"), QStringLiteral("90")},
            {QStringLiteral("B_grade"), QStringLiteral("80")},
            {QStringLiteral("C_grade"), QStringLiteral("70")},
            {QStringLiteral("D_grade"), QStringLiteral("60")},
            {QStringLiteral("Author"), QString()},
            {QStringLiteral("about_test"), name}};
}

QString value(const Section &section, const QString &key)
{
    for (const auto &[k, v] : section) {
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    }
    return QStringLiteral("<absent>");
}

} // namespace

class TestPaperList : public QObject
{
    Q_OBJECT

private slots:
    void opensWithOneReadPerFile()
    {
        testing::RootBuilder root;
        writeRoot(root);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        store::IoCounters::reset();
        list.open();
        QCOMPARE(store::IoCounters::opens.load(), 3L); // the roster and two paper files
        QCOMPARE(list.names(), (QStringList{QStringLiteral("代数"), QStringLiteral("Physics quiz"),
                                            QStringLiteral("English 1")}));
        QCOMPARE(list.selected(), 1);
        QCOMPARE(list.currentPaperName(), QStringLiteral("代数"));
        QVERIFY(list.pendingCreates().isEmpty() && list.pendingDeletes().isEmpty());
        QVERIFY(prompts.shown().isEmpty());

        const teacher::PaperRow &first = list.table().row(1);
        QCOMPARE(first.allowToTest, QStringLiteral("1"));
        QCOMPARE(first.column(PaperColumn::Author), QStringLiteral("王老师"));
        QCOMPARE(first.column(PaperColumn::QuestionCount), QStringLiteral("2"));
        QCOMPARE(first.column(PaperColumn::FullMark), QStringLiteral("10"));
        QCOMPARE(first.column(PaperColumn::Mark), QStringLiteral("5"));
        // Every missing value, even of a missing file, is "0".
        for (int column = 1; column <= teacher::paperColumnCount; ++column) {
            const auto c = PaperColumn(column);
            const QString expected =
                c == PaperColumn::Name ? QStringLiteral("English 1") : QStringLiteral("0");
            QCOMPARE(list.table().row(3).column(c), expected);
        }
        QCOMPARE(list.table().row(4), teacher::PaperRow{}); // the spare row
    }

    void showingKeepsTheRow()
    {
        testing::RootBuilder root;
        writeRoot(root);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        list.select(2);
        const teacher::PaperPanel &panel = list.panel();
        QVERIFY(panel.enabled);
        // A missing retest password reads "0": a password, so the box is ticked.
        QVERIFY(panel.ticked(PaperColumn::RetestPassword));
        QCOMPARE(panel.field(PaperColumn::RetestPassword), QStringLiteral("0"));
        QVERIFY(panel.ticked(PaperColumn::ReloginPassword));
        QCOMPARE(panel.field(PaperColumn::ReloginPassword), QStringLiteral("abc"));
        QCOMPARE(panel.field(PaperColumn::TestTime), QStringLiteral("20 min"));
        QCOMPARE(panel.field(PaperColumn::AboutTest), QStringLiteral("Forces"));
        QVERIFY(!panel.ticked(PaperColumn::AllowToTest));
        QVERIFY(!panel.ticked(PaperColumn::DisplayScore)); // "2" is no tick ...
        QVERIFY(!panel.ticked(PaperColumn::ChangeQuestionSort));
        QVERIFY(!panel.ticked(PaperColumn::ExerciseMode));
        list.select(1);
        list.select(2);
        // ... and showing it twice changed nothing in the row.
        QCOMPARE(list.table().row(2).column(PaperColumn::DisplayScore), QStringLiteral("2"));
        QCOMPARE(list.table().row(2).column(PaperColumn::RetestPassword), QStringLiteral("0"));
        QCOMPARE(list.table().row(2).column(PaperColumn::ReloginPassword), QStringLiteral("abc"));
        QCOMPARE(list.table().row(2).column(PaperColumn::TestTime), QStringLiteral("20 min"));
        QCOMPARE(list.currentPaperName(), QStringLiteral("Physics quiz"));
    }

    void numbersAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters after") << "12x"
                                       << "12";
        QTest::newRow("point at the end") << "4."
                                          << "4";
        QTest::newRow("emptied") << ""
                                 << "0";
        QTest::newRow("letters first") << "x12"
                                       << "0";
        QTest::newRow("fraction") << "2.5"
                                  << "2.5";
        QTest::newRow("leading zeros and blanks") << " 007"
                                                  << "7";
        QTest::newRow("minus alone") << "-"
                                     << "0";
        QTest::newRow("exponent") << "1e3"
                                  << "1000";
    }
    void numbersAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        testing::RootBuilder root;
        writeRoot(root);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        for (PaperColumn column : {PaperColumn::TestTime, PaperColumn::AGrade, PaperColumn::BGrade,
                                   PaperColumn::CGrade, PaperColumn::DGrade}) {
            QCOMPARE(list.editNumber(column, typed), shown);
            QCOMPARE(list.panel().field(column), shown);
            QCOMPARE(list.table().row(1).column(column), shown);
        }
        // The editor's columns are not the window's to change.
        list.editNumber(PaperColumn::Mark, typed);
        QCOMPARE(list.table().row(1).column(PaperColumn::Mark), QStringLiteral("5"));
    }

    void textsAndBoxes()
    {
        testing::RootBuilder root;
        writeRoot(root);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        const teacher::PaperRow &row = list.table().row(1);

        list.editAuthor(QStringLiteral("  Wang Li "));
        QCOMPARE(row.column(PaperColumn::Author), QStringLiteral("Wang Li"));
        QCOMPARE(list.panel().field(PaperColumn::Author), QStringLiteral("  Wang Li "));
        QCOMPARE(list.leaveAuthor(), QStringLiteral("Wang Li"));

        // A pasted line break would start a line of its own in the paper file.
        QCOMPARE(list.editAboutTest(QString(300, u'x')).size(), 255);
        QCOMPARE(list.editAboutTest(QStringLiteral("Read\r\nevery question\n")),
                 QStringLiteral("Read  every question "));
        QCOMPARE(row.column(PaperColumn::AboutTest), QStringLiteral("Read  every question"));

        list.tickPassword(PaperColumn::RetestPassword, false);
        QCOMPARE(row.column(PaperColumn::RetestPassword), QString());
        QVERIFY(!list.panel().ticked(PaperColumn::RetestPassword));
        list.tickPassword(PaperColumn::ReloginPassword, false);
        list.tickPassword(PaperColumn::ReloginPassword, true);
        QCOMPARE(row.column(PaperColumn::ReloginPassword), QStringLiteral("579"));
        QCOMPARE(list.panel().field(PaperColumn::ReloginPassword), QStringLiteral("579"));
        list.tickPassword(PaperColumn::RetestPassword, true);
        QCOMPARE(row.column(PaperColumn::RetestPassword), QStringLiteral("468"));
        list.editPassword(PaperColumn::RetestPassword, QStringLiteral(" 9 9 "));
        QCOMPARE(row.column(PaperColumn::RetestPassword), QStringLiteral(" 9 9 "));

        list.tickFlag(PaperColumn::AllowToTest, false);
        list.tickFlag(PaperColumn::ExerciseMode, true);
        QCOMPARE(row.allowToTest, QStringLiteral("0"));
        QCOMPARE(row.column(PaperColumn::ExerciseMode), QStringLiteral("1"));
        QVERIFY(list.panel().ticked(PaperColumn::ExerciseMode));

        QVERIFY(list.commitPaperList());
        const Section main =
            sectionOf(root.root().paperFile(QStringLiteral("代数")), QStringLiteral("MAIN"));
        QCOMPARE(value(main, QStringLiteral("Author")), QStringLiteral("Wang Li"));
        QCOMPARE(value(main, QStringLiteral("RETESTPASSWD")), QStringLiteral("9 9"));
        QCOMPARE(value(main, QStringLiteral("about_test")), QStringLiteral("Read  every question"));
        QCOMPARE(value(main, QStringLiteral("EXERCISEMODE")), QStringLiteral("1"));
        QCOMPARE(sectionOf(root.rosterFile(), QStringLiteral("TestName")).at(4),
                 (QPair<QString, QString>{QStringLiteral("代数"), QStringLiteral("0")}));
    }

    void create_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("selected");

        QTest::newRow("new, blanks trimmed") << true << " 几何 "
                                             << "" << 4;
        QTest::newRow("same name") << true << "Physics quiz "
                                   << "The papername already exists,input another name!" << 1;
        QTest::newRow("same name in other letters")
            << true << "physics QUIZ"
            << "The paper name \"physics QUIZ\" differs from the paper \"Physics quiz\" only in "
               "letter "
               "case, which the folders cannot tell apart. Please input another name!"
            << 1;
        QTest::newRow("empty selects the last") << true << "  "
                                                << "" << 3;
        QTest::newRow("cancelled selects the last") << false << ""
                                                    << "" << 3;
        QTest::newRow("a folder above")
            << true << "../x"
            << "The test name must not hold \"/\" or \"\\\". Please input another name!" << 1;
        QTest::newRow("a key of the paper list")
            << true << "TestNameCount"
            << "\"TestNameCount\" is a name the system keeps for itself. Please input another name!"
            << 1;
        QTest::newRow("a list position")
            << true << "2"
            << "The test name must not be a number alone. Please input another name!" << 1;
    }
    void create()
    {
        QFETCH(bool, answered);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(int, selected);
        testing::RootBuilder root;
        writeRoot(root);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        if (answered)
            prompts.accept(typed);
        else
            prompts.refuse();
        const bool added = list.createPaper();
        QCOMPARE(prompts.shown().first().text,
                 QStringLiteral("Please input the name of new paper "));
        QCOMPARE(prompts.shown().first().title, QStringLiteral("Input paper name"));
        QCOMPARE(prompts.messages(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(list.selected(), selected);
        QCOMPARE(list.count(), added ? 4 : 3);
        QCOMPARE(list.pendingCreates(), added ? QStringList{typed.trimmed()} : QStringList{});
        if (added) {
            QCOMPARE(list.table().row(4), teacher::PaperRow::forNewPaper(typed.trimmed()));
            QCOMPARE(list.panel().field(PaperColumn::Mark), QStringLiteral("5"));
            QCOMPARE(list.table().row(4).column(PaperColumn::FullMark), QString());
            QCOMPARE(list.currentPaperName(), typed.trimmed());
        }
    }

    void savedNewPaperHasItsTwelveKeys()
    {
        testing::RootBuilder root;
        writeRoot(root);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        prompts.accept(QStringLiteral("几何"));
        QVERIFY(list.createPaper());
        QVERIFY(list.commitPaperList());
        QVERIFY(prompts.messages().isEmpty());
        QVERIFY(list.pendingCreates().isEmpty());

        QVERIFY(QFileInfo(root.path() + QStringLiteral("/CHENGJI/几何")).isDir());
        const QString file = root.path() + QStringLiteral("/SHIJUAN/几何/几何.cho");
        QCOMPARE(testing::entriesOf(root.path() + QStringLiteral("/SHIJUAN/几何")),
                 QStringList{QStringLiteral("几何.cho")});
        QCOMPARE(sectionOf(file, QStringLiteral("MAIN")), keysOfNewPaper(QStringLiteral("几何")));
        QVERIFY(testing::readBytes(file).contains(
            testing::windowsText(QStringLiteral("about_test=几何\n"))));

        const Section names = sectionOf(root.rosterFile(), QStringLiteral("TestName"));
        QCOMPARE(value(names, QStringLiteral("TestNameCount")), QStringLiteral("4"));
        QCOMPARE(value(names, QStringLiteral("4")), QStringLiteral("几何"));
        QCOMPARE(value(names, QStringLiteral("几何")), QStringLiteral("1"));
        // The settings of the other papers went back as they were read.
        QCOMPARE(value(sectionOf(root.root().paperFile(QStringLiteral("Physics quiz")),
                                 QStringLiteral("MAIN")),
                       QStringLiteral("RETESTPASSWD")),
                 QStringLiteral("0"));
        // The editor's keys stay the editor's.
        QCOMPARE(
            value(sectionOf(root.root().paperFile(QStringLiteral("代数")), QStringLiteral("MAIN")),
                  QStringLiteral("Question_conut")),
            QStringLiteral("2"));
    }

    void leftoverFoldersAreAskedFor_data()
    {
        QTest::addColumn<bool>("agree");
        QTest::newRow("no keeps them") << false;
        QTest::newRow("yes empties them at the commit") << true;
    }
    void leftoverFoldersAreAskedFor()
    {
        QFETCH(bool, agree);
        testing::RootBuilder root;
        writeRoot(root);
        const QString record = root.path() + QStringLiteral("/CHENGJI/Old/A17.cho");
        testing::writeBytes(record, "[A1]\r\n7=Tom\r\n");
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        prompts.accept(QStringLiteral("old")); // the leftover folder in other letters
        if (agree)
            prompts.accept();
        else
            prompts.refuse();
        QCOMPARE(list.createPaper(), agree);
        QCOMPARE(prompts.shown().at(1).kind, testing::ScriptedPrompts::Kind::Question);
        QVERIFY(prompts.shown().at(1).text.startsWith(QStringLiteral(
            "The folders of an earlier paper named \"old\" are still on disk and hold 1 "
            "result files")));
        QCOMPARE(list.count(), agree ? 4 : 3);
        QVERIFY(list.commitPaperList());
        QCOMPARE(QFileInfo::exists(record), !agree);
        if (agree)
            QVERIFY(testing::entriesOf(root.path() + QStringLiteral("/CHENGJI/Old")).isEmpty());
    }

    void deleting()
    {
        testing::RootBuilder root;
        writeRoot(root);
        const QByteArray rosterBefore = root.rosterBytes();
        testing::ScriptedPrompts prompts;
        {
            PaperList list(root.root(), prompts);
            list.open();
            prompts.refuse();
            QVERIFY(!list.deletePaper());
            QCOMPARE(prompts.shown().last().text,
                     QStringLiteral("Will you delete all data of the present paper?"));
            QCOMPARE(prompts.shown().last().title, QStringLiteral("Manage paper"));
            QCOMPARE(list.count(), 3);

            list.select(1);
            prompts.accept();
            QVERIFY(list.deletePaper());
            QCOMPARE(prompts.messages(),
                     QStringList{QStringLiteral("The present paper had been deleted!")});
            QCOMPARE(list.names(),
                     (QStringList{QStringLiteral("Physics quiz"), QStringLiteral("English 1")}));
            QCOMPARE(list.table().row(1).column(PaperColumn::AboutTest), QStringLiteral("Forces"));
            QCOMPARE(list.table().row(3), teacher::PaperRow{});
            QCOMPARE(list.selected(), 1);
            QCOMPARE(list.pendingDeletes(), QStringList{QStringLiteral("代数")});
            // The window is cancelled: nothing of this reaches the disk.
        }
        QCOMPARE(root.rosterBytes(), rosterBefore);
        QCOMPARE(testing::entriesOf(root.path() + QStringLiteral("/SHIJUAN/代数")).size(), 5);

        PaperList list(root.root(), prompts);
        list.open();
        prompts.clear();
        prompts.accept();
        prompts.accept();
        QVERIFY(list.deletePaper());
        list.select(2);
        QVERIFY(list.deletePaper());
        QCOMPARE(list.names(), QStringList{QStringLiteral("Physics quiz")});
        QVERIFY(!list.deletePaper());
        QCOMPARE(prompts.messages().last(), QStringLiteral("Not allow to delete the paper!"));
        QVERIFY(list.commitPaperList());
        QVERIFY(!QFileInfo::exists(root.path() + QStringLiteral("/SHIJUAN/代数")));
        QVERIFY(!QFileInfo::exists(root.path() + QStringLiteral("/CHENGJI/代数")));
        const Section names = sectionOf(root.rosterFile(), QStringLiteral("TestName"));
        QCOMPARE(value(names, QStringLiteral("TestNameCount")), QStringLiteral("1"));
        QCOMPARE(value(names, QStringLiteral("1")), QStringLiteral("Physics quiz"));
        QCOMPARE(value(names, QStringLiteral("3")), QStringLiteral("English 1")); // never deleted
    }

    void deletedAndCreatedAgainGivesEmptyFolders()
    {
        testing::RootBuilder root;
        writeRoot(root);
        testing::writeBytes(root.path() + QStringLiteral("/CHENGJI/代数/A17.cho"), "[A1]\r\n");
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        prompts.accept();
        QVERIFY(list.deletePaper());
        prompts.accept(QStringLiteral("代数"));
        QVERIFY(list.createPaper());
        QCOMPARE(prompts.shown().size(), 3); // no question: the teacher deleted that paper
        QVERIFY(list.commitPaperList());
        QVERIFY(testing::entriesOf(root.path() + QStringLiteral("/CHENGJI/代数")).isEmpty());
        QCOMPARE(testing::entriesOf(root.path() + QStringLiteral("/SHIJUAN/代数")),
                 QStringList{QStringLiteral("代数.cho")});
        QCOMPARE(sectionOf(root.root().paperFile(QStringLiteral("代数")), QStringLiteral("MAIN")),
                 keysOfNewPaper(QStringLiteral("代数")));
    }

    void newPaperDeletedBeforeTheCommitLeavesTheDiskAlone()
    {
        testing::RootBuilder root;
        writeRoot(root);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        prompts.accept(QStringLiteral("Draft"));
        QVERIFY(list.createPaper());
        list.select(1);
        prompts.accept();
        QVERIFY(list.deletePaper()); // the first paper
        list.select(3);
        prompts.accept();
        QVERIFY(list.deletePaper()); // the new one
        QVERIFY(list.pendingCreates().isEmpty());
        QCOMPARE(list.pendingDeletes(), QStringList{QStringLiteral("代数")});
        QVERIFY(list.commitPaperList());
        QVERIFY(!QFileInfo::exists(root.path() + QStringLiteral("/SHIJUAN/Draft")));
        QVERIFY(!QFileInfo::exists(root.path() + QStringLiteral("/CHENGJI/Draft")));
    }

    void upThenCommitSwapsTheKeys()
    {
        testing::RootBuilder root;
        writeRoot(root);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        list.moveUp(); // the first cannot go up
        list.select(3);
        list.moveDown(); // nor the last down
        QCOMPARE(list.names().first(), QStringLiteral("代数"));
        list.select(2);
        list.moveUp();
        QCOMPARE(list.selected(), 1);
        QCOMPARE(list.currentPaperName(), QStringLiteral("Physics quiz"));
        QCOMPARE(list.panel().field(PaperColumn::AboutTest), QStringLiteral("Forces"));
        QVERIFY(list.commitPaperList());

        const Section names = sectionOf(root.rosterFile(), QStringLiteral("TestName"));
        QCOMPARE(value(names, QStringLiteral("1")), QStringLiteral("Physics quiz"));
        QCOMPARE(value(names, QStringLiteral("2")), QStringLiteral("代数"));
        QCOMPARE(value(names, QStringLiteral("Physics quiz")), QStringLiteral("0"));
        QCOMPARE(value(names, QStringLiteral("代数")), QStringLiteral("1"));
        QCOMPARE(value(sectionOf(root.root().paperFile(QStringLiteral("Physics quiz")),
                                 QStringLiteral("MAIN")),
                       QStringLiteral("about_test")),
                 QStringLiteral("Forces"));
        QCOMPARE(
            value(sectionOf(root.root().paperFile(QStringLiteral("代数")), QStringLiteral("MAIN")),
                  QStringLiteral("TESTTIME")),
            QStringLiteral("45"));

        list.moveDown();
        QCOMPARE(list.selected(), 2);
        QCOMPARE(list.names().at(1), QStringLiteral("Physics quiz"));
    }

    void failedCommitStopsInOrder_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("clear");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("deletes");
        QTest::addColumn<int>("creates");
        QTest::newRow("a folder in the deleted paper's results")
            << "CHENGJI/代数/kept/x.txt"
            << "CHENGJI/代数/kept"
            << "The paper \"代数\" could not be deleted. The folder \"%1/CHENGJI/代数\" could not "
               "be "
               "removed: it holds folders of its own."
            << 1 << 1;
        // Its results must not go first and leave a listed paper without them.
        QTest::newRow("a folder in the deleted paper's documents")
            << "SHIJUAN/代数/kept/x.txt"
            << "SHIJUAN/代数/kept"
            << "The paper \"代数\" could not be deleted. The folder \"%1/SHIJUAN/代数\" could not "
               "be removed: it holds folders of its own."
            << 1 << 1;
        QTest::newRow("a file where the new folder goes")
            << "SHIJUAN/几何"
            << "SHIJUAN/几何"
            << "The folders of the paper \"几何\" could not be made. \"%1/SHIJUAN/几何\" is a "
               "file, not "
               "a folder."
            << 0 << 1;
    }
    void failedCommitStopsInOrder()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, clear);
        QFETCH(QString, message);
        QFETCH(int, deletes);
        QFETCH(int, creates);
        testing::RootBuilder root;
        writeRoot(root);
        testing::writeBytes(root.path() + u'/' + blocker, "x");
        const QByteArray rosterBefore = root.rosterBytes();
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        prompts.accept();
        QVERIFY(list.deletePaper());
        prompts.accept(QStringLiteral("几何"));
        QVERIFY(list.createPaper());
        prompts.clear();
        const auto results = testing::treeSnapshot(root.path() + QStringLiteral("/CHENGJI"));
        QVERIFY(!list.commitPaperList());
        if (deletes > 0) // a paper that could not go keeps its results whole
            QCOMPARE(testing::treeSnapshot(root.path() + QStringLiteral("/CHENGJI")), results);
        QCOMPARE(
            prompts.messages(),
            QStringList{message.arg(root.path()) +
                        QStringLiteral(
                            " Saving stopped there; what is not saved yet stays in this window.")});
        QCOMPARE(list.pendingDeletes().size(), deletes);
        QCOMPARE(list.pendingCreates().size(), creates);
        QCOMPARE(root.rosterBytes(), rosterBefore);

        // Once the teacher has cleared the way, the rest is saved.
        const QString cleared = root.path() + u'/' + clear;
        QVERIFY(QFileInfo(cleared).isDir() ? QDir(cleared).removeRecursively()
                                           : QFile::remove(cleared));
        QVERIFY(list.commitPaperList());
        QVERIFY(list.pendingDeletes().isEmpty() && list.pendingCreates().isEmpty());
        QCOMPARE(
            value(sectionOf(root.rosterFile(), QStringLiteral("TestName")), QStringLiteral("3")),
            QStringLiteral("几何"));
    }

    void failedWritesAreNotSaved()
    {
        testing::RootBuilder root;
        writeRoot(root);
        QVERIFY(QDir(root.path() + QStringLiteral("/SHIJUAN/English 1")).removeRecursively());
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        // "English 1" has no folder now: its settings have nowhere to go.
        QVERIFY(!list.commitPaperList());
        QCOMPARE(prompts.messages(),
                 QStringList{QStringLiteral(
                                 "A folder of the data root does not exist: the settings of the "
                                 "paper \"English 1\" were not saved (%1/SHIJUAN/English 1/English "
                                 "1.cho); nothing was changed. Saving stopped there; what is not "
                                 "saved yet stays in this window.")
                                 .arg(root.path())});
        prompts.clear();
        root.removeSys();
        QVERIFY(!list.commitPaperList());
        QVERIFY(prompts.messages().first().startsWith(
            QStringLiteral("A folder of the data root does not exist: the paper list was not "
                           "saved; nothing was changed.")));
    }

    void unreadableRosterIsNotSavedOver()
    {
        testing::RootBuilder root;
        QDir().mkpath(root.rosterFile()); // a folder where the file should be
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        QCOMPARE(prompts.messages().size(), 1);
        QVERIFY(prompts.messages().first().endsWith(
            QStringLiteral("The papers are shown empty and cannot be saved.")));
        QVERIFY(!list.commitPaperList());
        QCOMPARE(prompts.messages().last(),
                 QStringLiteral(
                     "The paper list was not saved, because the roster could not be read when this "
                     "window opened."));
        // Nor is a paper input: no name could be checked against the list.
        root.twoQuestionPaper(QStringLiteral("Algebra"), testing::RootBuilder::savedSettings());
        prompts.accept(root.root().paperFile(QStringLiteral("Algebra")));
        QVERIFY(!teacher::PaperExchange(root.root(), prompts, list).inputPaper());
        QCOMPARE(prompts.messages().last(),
                 QStringLiteral("No paper can be input, because the roster "
                                "could not be read when this window opened."));
    }

    void noPapersYet()
    {
        testing::RootBuilder root;
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.selected(), 0);
        QVERIFY(!list.panel().enabled);
        QCOMPARE(list.currentPaperName(), QString());
        QVERIFY(!list.deletePaper());
        list.moveUp();
        list.editNumber(PaperColumn::TestTime, QStringLiteral("5"));
        QVERIFY(!list.beginEdit());
        prompts.accept(QStringLiteral("First"));
        QVERIFY(list.createPaper());
        QCOMPARE(list.selected(), 1);
        QVERIFY(list.beginEdit()); // the commit made its folders for the editor
        QCOMPARE(list.currentPaperName(), QStringLiteral("First"));
        QVERIFY(QFileInfo(root.root().paperFile(QStringLiteral("First"))).isFile());
        QVERIFY(prompts.messages().isEmpty());
    }

    void editorKeysAreReadAfterEditing()
    {
        testing::RootBuilder root;
        writeRoot(root);
        testing::ScriptedPrompts prompts;
        PaperList list(root.root(), prompts);
        list.open();
        list.select(2);
        list.editNumber(PaperColumn::TestTime, QStringLiteral("25"));
        QVERIFY(list.beginEdit());
        QCOMPARE(list.currentPaperName(), QStringLiteral("Physics quiz"));
        // The editor saves what it owns.
        const store::ProfileFile file(root.root().paperFile(QStringLiteral("Physics quiz")));
        QCOMPARE(file.readValue(u"MAIN", u"TESTTIME"), QStringLiteral("25"));
        store::ProfileBatch batch;
        batch.set(QStringLiteral("MAIN"), QStringLiteral("Question_conut"), QStringLiteral("3 "));
        batch.set(QStringLiteral("MAIN"), QStringLiteral("full_mark"), QStringLiteral("15.0"));
        batch.set(QStringLiteral("MAIN"), QStringLiteral("Mark"), QStringLiteral("005"));
        QCOMPARE(file.apply(batch), store::WriteStatus::Ok);
        list.endEdit();
        QCOMPARE(list.panel().field(PaperColumn::QuestionCount), QStringLiteral("3"));
        QCOMPARE(list.panel().field(PaperColumn::FullMark), QStringLiteral("15"));
        QCOMPARE(list.panel().field(PaperColumn::Mark), QStringLiteral("5"));
        QCOMPARE(list.panel().field(PaperColumn::TestTime), QStringLiteral("25"));
    }
};

QTEST_GUILESS_MAIN(TestPaperList)
#include "tst_paper_list.moc"

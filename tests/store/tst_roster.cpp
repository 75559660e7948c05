// The roster: every reader's defaults, the writes of "Manage classes" and
// "Manage test", the teacher password, and the names people may give.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/name_check.h"
#include "store/profile_file.h"
#include "store/roster.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace store;
using testing::readBytes;

class TestRoster : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    DataRoot m_root;

    void useFixture()
    {
        testing::copyFixture(QStringLiteral("store/sys.cho"), m_dir.filePath(QStringLiteral("sys")),
                             QStringLiteral("sys.cho"));
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.filePath(QStringLiteral("sys")));
        m_root = DataRoot(m_dir.path());
    }
    void cleanup() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void readsWhatWindowsWrote()
    {
        useFixture();
        const RosterReader roster = Roster(m_root).read();
        QCOMPARE(roster.classNames(), (QStringList{QStringLiteral("高一(1)班"),
                                                   QStringLiteral("A1"), QStringLiteral("3A")}));
        QCOMPARE(roster.classEntry(QStringLiteral("3A")),
                 (ClassEntry{QStringLiteral("3A"), 28, 301, 328}));
        QCOMPARE(roster.paperNames(),
                 (QStringList{QStringLiteral("期中数学"), QStringLiteral("English 1"),
                              QStringLiteral("物理")}));
        QVERIFY(roster.isOffered(QStringLiteral("期中数学")));
        QVERIFY(!roster.isOffered(QStringLiteral("English 1")));
        QCOMPARE(roster.teacherPassword(), QStringLiteral("老师 Pass"));

        // The admission defaults differ by reader.
        QVERIFY(roster.isAdmitted(QStringLiteral("期中数学"), QStringLiteral("高一(1)班"),
                                  AdmissionDefault::NotAdmitted));
        QVERIFY(!roster.isAdmitted(QStringLiteral("期中数学"), QStringLiteral("A1"),
                                   AdmissionDefault::Admitted));
        QVERIFY(!roster.isAdmitted(QStringLiteral("物理"), QStringLiteral("3A"),
                                   AdmissionDefault::NotAdmitted));
        QVERIFY(roster.isAdmitted(QStringLiteral("物理"), QStringLiteral("3A"),
                                  AdmissionDefault::Admitted));
    }

    // What a person types names a paper or class: trimmed, any letter case, the first one
    // listed where two differ only in case.
    void findsWhatIsMeant()
    {
        testing::writeBytes(m_root.rosterFile(),
                            "\xEF\xBB\xBF[TestName]\r\nTestNameCount=3\r\n1=Maths\r\n2=MATHS\r\n"
                            "3=Ökonomie\r\n[ClassName]\r\nClassNameCount=1\r\n1=A1\r\n");
        const RosterReader roster = Roster(m_root).read();
        const QList<std::pair<QString, QString>> papers{
            {QStringLiteral(" maths "), QStringLiteral("Maths")},
            {QStringLiteral("MATHS"), QStringLiteral("Maths")},
            {QStringLiteral("öKONOMIE"), QStringLiteral("Ökonomie")},
            {QStringLiteral("Math"), QString()},
            {QString(), QString()}};
        for (const auto &[wanted, found] : papers)
            QCOMPARE(roster.findPaper(wanted), found);
        QCOMPARE(roster.findClass(QStringLiteral("a1")), QStringLiteral("A1"));
        QCOMPARE(roster.findClass(QStringLiteral("Maths")), QString());
    }

    void missingRosterReadsEmpty()
    {
        const RosterReader roster = Roster(m_root).read();
        QCOMPARE(roster.paperCount(), 0);
        QCOMPARE(roster.classCount(), 0);
        QVERIFY(roster.classList().isEmpty());
        QCOMPARE(roster.teacherPassword(), QString());
    }

    void paperNamesWithoutFlags()
    {
        // Two papers and no flag keys: neither offered; every class admitted under both.
        testing::writeBytes(m_root.rosterFile(),
                            "[TestName]\r\nTestNameCount=2\r\n1=Maths\r\n2=Physics\r\n"
                            "[ClassName]\r\nClassNameCount=1\r\n1=A1\r\n");
        const TestRoom room = Roster(m_root).readTestRoom();
        QCOMPARE(room.papers.size(), 2);
        QVERIFY(!room.papers[0].offered && !room.papers[1].offered);
        QCOMPARE(room.papers[0].admitted, QList<bool>{true});
        QCOMPARE(room.papers[1].admitted, QList<bool>{true});
    }

    void classListShrinksWithoutDeleting()
    {
        useFixture();
        Roster roster(m_root);
        QList<ClassEntry> classes = roster.readClassList();
        classes.removeAt(1); // delete A1
        classes[0].studentCount = 40;
        QCOMPARE(roster.writeClassList(classes), WriteStatus::Ok);

        const RosterReader after = roster.read();
        QCOMPARE(after.classNames(),
                 (QStringList{QStringLiteral("高一(1)班"), QStringLiteral("3A")}));
        QCOMPARE(after.classEntry(QStringLiteral("高一(1)班")).studentCount, 40);
        // Nothing is deleted: the old third name and A1's numbers stay in the file.
        QCOMPARE(after.snapshot().value(u"ClassName", u"3"), QStringLiteral("3A"));
        QCOMPARE(after.snapshot().value(u"ClassName", u"ClassNamecount"), QStringLiteral("2"));
        QCOMPARE(after.classEntry(QStringLiteral("A1")).lastNumber, 30);
        // The file stays GBK and keeps the lines nobody touched.
        QVERIFY(readBytes(roster.file())
                    .contains(testing::windowsText(QStringLiteral("[期中数学]\n高一(1)班=1\n"))));
    }

    void testRoomWritesEveryPair()
    {
        useFixture();
        Roster roster(m_root);
        TestRoom room = roster.readTestRoom();
        room.papers[1].offered = true;
        room.papers[1].admitted = {false, false, false};
        QCOMPARE(roster.writeTestRoom(room), WriteStatus::Ok);
        const RosterReader after = roster.read();
        QVERIFY(after.isOffered(QStringLiteral("English 1")));
        for (const QString &cls : after.classNames()) {
            QCOMPARE(after.snapshot().value(u"English 1", cls), QStringLiteral("0"));
            QVERIFY(
                after.snapshot().find(u"物理", cls).has_value()); // explicit "1" or "0" everywhere
        }
        QCOMPARE(after.testRoom(), room);
    }

    // Paper by paper: its offered flag, then its classes in class order. Where the
    // sections do not exist yet, the order of the writes is the order they appear in.
    void testRoomWritesInItsOrder()
    {
        testing::writeBytes(m_root.rosterFile(),
                            "[ClassName]\r\nClassNameCount=2\r\n1=A1\r\n2=B1\r\n");
        TestRoom room;
        room.classes = {QStringLiteral("A1"), QStringLiteral("B1")};
        room.papers = {{QStringLiteral("Maths"), true, {true, false}},
                       {QStringLiteral("数学"), false, {false, true}}};
        QCOMPARE(Roster(m_root).writeTestRoom(room), WriteStatus::Ok);
        QCOMPARE(readBytes(m_root.rosterFile()),
                 testing::windowsText(QStringLiteral("[ClassName]\nClassNameCount=2\n1=A1\n2=B1\n"
                                                     "[TestName]\nMaths=1\n数学=0\n"
                                                     "[Maths]\nA1=1\nB1=0\n"
                                                     "[数学]\nA1=0\nB1=1\n")));
    }

    void teacherPassword()
    {
        Roster roster(m_root);
        QCOMPARE(roster.writeTeacherPassword(QStringLiteral("  Admin1  ")), WriteStatus::Ok);
        QVERIFY(readBytes(roster.file()).contains("[Admin]\r\npwd=Admin1\r\n"));
        QCOMPARE(roster.read().teacherPassword(), QStringLiteral("Admin1")); // read under "admin"
    }

    void nameCheck_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("problem");
        const int cls = int(NameKind::Class);
        const int paper = int(NameKind::Paper);
        QTest::newRow("plain class") << "A1" << cls << int(NameProblem::None);
        QTest::newRow("Chinese class") << "高一(1)班" << cls << int(NameProblem::None);
        QTest::newRow("class may be a number") << "3" << cls << int(NameProblem::None);
        QTest::newRow("paper with blanks inside") << "English 1" << paper << int(NameProblem::None);
        QTest::newRow("empty") << "" << cls << int(NameProblem::Empty);
        QTest::newRow("blanks only") << "   " << paper << int(NameProblem::Empty);
        QTest::newRow("leading blank") << " A1" << cls << int(NameProblem::Blanks);
        QTest::newRow("slash") << "a/b" << paper << int(NameProblem::Separator);
        QTest::newRow("backslash") << "a\\b" << paper << int(NameProblem::Separator);
        QTest::newRow("dot dot") << "..\\x" << paper << int(NameProblem::Separator);
        QTest::newRow("parent") << ".." << cls << int(NameProblem::DotDot);
        QTest::newRow("bracket") << "A]1" << cls << int(NameProblem::Bracket);
        QTest::newRow("equals") << "A=1" << cls << int(NameProblem::EqualsSign);
        QTest::newRow("line break") << "A\n7DF=100" << cls << int(NameProblem::ControlCharacter);
        QTest::newRow("Windows file character")
            << "a:b" << paper << int(NameProblem::FileNameCharacter);
        QTest::newRow("device name") << "con" << paper << int(NameProblem::DeviceName);
        QTest::newRow("comment") << ";x" << cls << int(NameProblem::Semicolon);
        QTest::newRow("paper number") << "12" << paper << int(NameProblem::Number);
        QTest::newRow("paper holding .cho")
            << "Unit.CHOres" << paper << int(NameProblem::ProfileSuffix);
        QTest::newRow("class holding .cho") << "A.cho" << cls << int(NameProblem::None);
        QTest::newRow("paper list count key")
            << "testnamecount" << paper << int(NameProblem::ReservedName);
        QTest::newRow("roster section") << "FirstNumber" << paper << int(NameProblem::ReservedName);
        QTest::newRow("too long") << QString(65, u'x') << paper << int(NameProblem::TooLong);
    }
    void nameCheck()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(int, problem);
        const NameCheck check = checkName(name, NameKind(kind));
        QCOMPARE(int(check.problem), problem);
        QCOMPARE(check.reason.isEmpty(), problem == int(NameProblem::None));
    }

    void hostileNamesFromAHandEditedRoster()
    {
        // A name that cannot be a key gets no numbers, but costs no other class its own.
        testing::writeBytes(m_root.rosterFile(),
                            "[ClassName]\r\nClassNameCount=2\r\n1=A]1\r\n2=B2\r\n");
        Roster roster(m_root);
        QList<ClassEntry> classes = roster.readClassList();
        classes[1].lastNumber = 9;
        QCOMPARE(roster.writeClassList(classes), WriteStatus::Ok);
        QCOMPARE(roster.read().classEntry(QStringLiteral("B2")).lastNumber, 9);
    }

    void papersNamedLikeTheRostersOwnKeys()
    {
        // Flags under these names would rename papers, renumber classes or set a password.
        testing::writeBytes(
            m_root.rosterFile(),
            "[ClassName]\r\nClassNameCount=2\r\n1=A1\r\n2=pwd\r\n"
            "[ClassCount]\r\nA1=30\r\npwd=20\r\n"
            "[TestName]\r\nTestNameCount=4\r\n1=ClassCount\r\n2=admin\r\n3=2\r\n4=Maths\r\n");
        Roster roster(m_root);
        const QByteArray before = readBytes(roster.file());
        TestRoom room = roster.readTestRoom();
        for (TestRoom::Paper &paper : room.papers) {
            paper.offered = true;
            paper.admitted = {false, false};
        }
        QCOMPARE(roster.writeTestRoom(room), WriteStatus::Ok);
        const RosterReader after = roster.read();
        QCOMPARE(after.paperNames(),
                 (QStringList{QStringLiteral("ClassCount"), QStringLiteral("admin"),
                              QStringLiteral("2"), QStringLiteral("Maths")}));
        QCOMPARE(after.classEntry(QStringLiteral("A1")).studentCount, 30);
        QCOMPARE(after.teacherPassword(), QString());
        QVERIFY(after.isOffered(QStringLiteral("Maths")));
        QVERIFY(!after.isAdmitted(QStringLiteral("Maths"), QStringLiteral("pwd"),
                                  AdmissionDefault::Admitted));
        QVERIFY(readBytes(roster.file()).startsWith(before.left(before.indexOf("[TestName]"))));
        QVERIFY(!Roster::canHoldPaperFlags(QStringLiteral("testnamecount")));
        QVERIFY(Roster::canHoldPaperFlags(QStringLiteral("English 1")));
    }
};

QTEST_GUILESS_MAIN(TestRoster)
#include "tst_roster.moc"

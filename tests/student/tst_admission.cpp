// Admission: which papers and classes are offered, every check of "OK" with its
// exact message, the retest and relogin paths, and what reaches the record.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "student/about_test.h"
#include "student/admission.h"
#include "root_builder.h"
#include "student_texts.h"
#include "test_files.h"

#include "store/profile_file.h"
#include "scripted_prompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace student;
using namespace Qt::StringLiterals;
using testing::KeyValues;
using testing::RootBuilder;

Q_DECLARE_METATYPE(KeyValues)

class TestAdmission : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RootBuilder> m_root;
    testing::ScriptedPrompts m_prompts;

    // A1 1..30 and B2 101..130; Maths and English on offer, Physics not, Chemistry
    // without a flag. Maths admits A1, forbids B2 and says nothing about C3.
    void standardRoster()
    {
        m_root->classes({{u"A1"_s, 30, 1, 30}, {u"B2"_s, 30, 101, 130}, {u"C3"_s, 5, 1, 5}});
        m_root->offer(u"Maths"_s)
            .offer(u"Physics"_s, u"0"_s)
            .offer(u"Chemistry"_s, QString())
            .offer(u"English"_s);
        m_root->admit(u"Maths"_s, u"A1"_s, u"1"_s);
        m_root->admit(u"Maths"_s, u"B2"_s, u"0"_s);
        m_root->admit(u"English"_s, u"B2"_s, u"1"_s);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = std::make_unique<RootBuilder>(m_dir->path());
        m_prompts.clear();
    }
    void cleanup() { m_dir->setAutoRemove(!QTest::currentTestFailed()); }

    void offeredPapersAndClasses()
    {
        standardRoster();
        Admission admission(m_root->root(), m_prompts);
        QCOMPARE(admission.open(), Admission::Opening::Ready);
        QCOMPARE(admission.papers(), (QStringList{u"Maths"_s, u"English"_s}));
        // At opening a class needs an entry for the first paper.
        QCOMPARE(admission.classes(), QStringList{u"A1"_s});
        // Leaving the paper list counts a class without an entry as admitted.
        admission.paperListLeft(u"Maths"_s);
        QCOMPARE(admission.classes(), (QStringList{u"A1"_s, u"C3"_s}));
        admission.paperListLeft(u"English"_s);
        QCOMPARE(admission.classes(), (QStringList{u"A1"_s, u"B2"_s, u"C3"_s}));
        QVERIFY(m_prompts.texts().isEmpty());

        // The teacher removed every class while the window was open.
        m_root->rosterKeys(u"ClassName"_s, {{u"ClassNameCount"_s, u"0"_s}});
        admission.paperListLeft(u"Maths"_s);
        QVERIFY(admission.classes().isEmpty());
        QCOMPARE(m_prompts.messages(), QStringList{texts::noTest});
    }

    void nothingToSit_data()
    {
        QTest::addColumn<KeyValues>("testName");
        QTest::addColumn<QString>("classCount");
        QTest::addColumn<QString>("message");
        QTest::newRow("no roster") << KeyValues{} << QString() << texts::noTest;
        QTest::newRow("papers, none offered")
            << KeyValues{{u"TestNameCount"_s, u"2"_s}, {u"1"_s, u"Maths"_s}, {u"2"_s, u"Physics"_s}}
            << u"1"_s << texts::noTest;
        QTest::newRow("no classes")
            << KeyValues{{u"TestNameCount"_s, u"1"_s}, {u"1"_s, u"Maths"_s}, {u"Maths"_s, u"1"_s}}
            << u"0"_s << texts::noClass;
    }
    void nothingToSit()
    {
        QFETCH(KeyValues, testName);
        QFETCH(QString, classCount);
        QFETCH(QString, message);
        if (!testName.isEmpty())
            m_root->rosterKeys(u"TestName"_s, testName);
        if (!classCount.isEmpty())
            m_root->rosterKeys(u"ClassName"_s,
                               {{u"ClassNameCount"_s, classCount}, {u"1"_s, u"A1"_s}});
        Admission admission(m_root->root(), m_prompts);
        QCOMPARE(admission.open(), Admission::Opening::NoTest);
        QCOMPARE(m_prompts.texts(), QStringList{message});
    }

    void admit_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<KeyValues>("record");
        QTest::addColumn<QString>("retest");
        QTest::addColumn<QString>("relogin");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("shownNumber");
        QTest::addColumn<bool>("admitted");
        QTest::addColumn<bool>("resume");
        QTest::addColumn<bool>("focusNumber");

        const KeyValues fresh;
        const KeyValues finished{{u"TIME1"_s, u"2004,05,12  09:30:00"_s},
                                 {u"TIME2"_s, u"00:12:00"_s},
                                 {u"DF"_s, u"80"_s}};
        const KeyValues interrupted{{u"TIME1"_s, u"2004,05,12  09:30:00"_s},
                                    {u"TIME"_s, u"00:20:00"_s}};
        const KeyValues retestAllowed{{u"TIME1"_s, u"2004,05,12  09:30:00"_s},
                                      {u"TIME2"_s, QString()}};
        const QString wrong = texts::wrongNumber;
        const QString missing = texts::missingName;
        const QStringList retestAsked{texts::retestQuestion, texts::retestTitle};
        const QStringList reloginAsked{texts::reloginQuestion, texts::reloginTitle};

        QTest::newRow("no class chosen")
            << QString() << u"7"_s << u"Tom"_s << fresh << u"468"_s << u"579"_s << QStringList{}
            << QStringList{texts::chooseClass} << u"7"_s << false << false << false;
        QTest::newRow("number above the range")
            << u"A1"_s << u"31"_s << u"Tom"_s << fresh << u"468"_s << u"579"_s << QStringList{}
            << QStringList{wrong} << u"31"_s << false << false << true;
        // C3 has no admission key for Maths: admitted, but its numbers are 1 to 5.
        QTest::newRow("number of another class")
            << u"C3"_s << u"7"_s << u"Tom"_s << fresh << u"468"_s << u"579"_s << QStringList{}
            << QStringList{wrong} << u"7"_s << false << false << true;
        // B2 is forbidden for Maths: a list of another paper let it be chosen.
        QTest::newRow("class not admitted to the paper")
            << u"B2"_s << u"107"_s << u"Tom"_s << fresh << u"468"_s << u"579"_s << QStringList{}
            << QStringList{texts::chooseClass} << u"107"_s << false << false << false;
        QTest::newRow("empty number is a wrong number")
            << u"A1"_s << QString() << QString() << fresh << u"468"_s << u"579"_s << QStringList{}
            << QStringList{wrong} << QString() << false << false << true;
        QTest::newRow("000 empties the box")
            << u"A1"_s << u"000"_s << u"Tom"_s << fresh << u"468"_s << u"579"_s << QStringList{}
            << QStringList{wrong} << QString() << false << false << true;
        QTest::newRow("no first name")
            << u"A1"_s << u"7"_s << QString() << fresh << u"468"_s << u"579"_s << QStringList{}
            << QStringList{missing} << u"7"_s << false << false << true;
        QTest::newRow("blank first name")
            << u"A1"_s << u" 7 "_s << u"   "_s << fresh << u"468"_s << u"579"_s << QStringList{}
            << QStringList{missing} << u"7"_s << false << false << true;
        QTest::newRow("007 is testee 7")
            << u"A1"_s << u"007"_s << u"Tom"_s << fresh << u"468"_s << u"579"_s << QStringList{}
            << QStringList{} << u"7"_s << true << false << false;

        QTest::newRow("finished, no retest password")
            << u"A1"_s << u"7"_s << u"Tom"_s << finished << QString() << u"579"_s << QStringList{}
            << QStringList{texts::noRetest} << u"7"_s << false << false << false;
        QTest::newRow("finished, retest cancelled")
            << u"A1"_s << u"7"_s << u"Tom"_s << finished << u"468"_s << u"579"_s
            << QStringList{u"refuse"_s} << QStringList{texts::retestQuestion} << u"7"_s << false
            << false << false;
        QTest::newRow("finished, wrong retest password")
            << u"A1"_s << u"7"_s << u"Tom"_s << finished << u"468"_s << u"579"_s
            << QStringList{u"ok"_s, u"ok 469"_s} << retestAsked << u"7"_s << false << false
            << false;
        QTest::newRow("finished, retest password cancelled")
            << u"A1"_s << u"7"_s << u"Tom"_s << finished << u"468"_s << u"579"_s
            << QStringList{u"ok"_s, u"refuse"_s} << retestAsked << u"7"_s << false << false
            << false;
        QTest::newRow("finished, empty password never matches")
            << u"A1"_s << u"7"_s << u"Tom"_s << finished << u"468"_s << u"579"_s
            << QStringList{u"ok"_s, u"ok "_s} << retestAsked << u"7"_s << false << false << false;
        QTest::newRow("finished, retest admitted as a new attempt")
            << u"A1"_s << u"7"_s << u"Tom"_s << finished << u"468"_s << QString()
            << QStringList{u"ok"_s, u"ok  468 "_s} << retestAsked << u"7"_s << true << false
            << false;

        QTest::newRow("interrupted, no relogin password")
            << u"A1"_s << u"7"_s << u"Tom"_s << interrupted << u"468"_s << QString()
            << QStringList{} << QStringList{texts::noRelogin} << u"7"_s << false << false << false;
        QTest::newRow("interrupted, relogin cancelled")
            << u"A1"_s << u"7"_s << u"Tom"_s << interrupted << u"468"_s << u"579"_s
            << QStringList{u"refuse"_s} << QStringList{texts::reloginQuestion} << u"7"_s << false
            << false << false;
        QTest::newRow("interrupted, wrong relogin password")
            << u"A1"_s << u"7"_s << u"Tom"_s << interrupted << u"468"_s << u"579"_s
            << QStringList{u"ok"_s, u"ok 468"_s} << reloginAsked << u"7"_s << false << false
            << false;
        QTest::newRow("interrupted, relogin password cancelled")
            << u"A1"_s << u"7"_s << u"Tom"_s << interrupted << u"468"_s << u"579"_s
            << QStringList{u"ok"_s, u"refuse"_s} << reloginAsked << u"7"_s << false << false
            << false;
        QTest::newRow("interrupted, resumed")
            << u"A1"_s << u"7"_s << u"Tommy"_s << interrupted << QString() << u"579"_s
            << QStringList{u"ok"_s, u"ok 579"_s} << reloginAsked << u"7"_s << true << true << false;
        QTest::newRow("retest allowed by the teacher takes the relogin path")
            << u"A1"_s << u"7"_s << u"Tom"_s << retestAllowed << u"468"_s << u"579"_s
            << QStringList{u"ok"_s, u"ok 579"_s} << reloginAsked << u"7"_s << true << true << false;
    }
    void admit()
    {
        QFETCH(QString, className);
        QFETCH(QString, number);
        QFETCH(QString, firstName);
        QFETCH(KeyValues, record);
        QFETCH(QString, retest);
        QFETCH(QString, relogin);
        QFETCH(QStringList, replies);
        QFETCH(QStringList, texts);
        QFETCH(QString, shownNumber);
        QFETCH(bool, admitted);
        QFETCH(bool, resume);
        QFETCH(bool, focusNumber);

        standardRoster();
        m_root->paper(u"Maths"_s, {{u"RETESTPASSWD"_s, retest}, {u"RELOGINPASSWD"_s, relogin}});
        const QString recordClass = className.isEmpty() ? u"A1"_s : className;
        if (!record.isEmpty())
            m_root->record(u"Maths"_s, recordClass, u"7"_s, record);
        const QString file = m_root->root().recordFile(u"Maths"_s, recordClass, u"7"_s);
        const QByteArray before = testing::readBytes(file);
        for (const QString &reply : replies) {
            if (reply.startsWith(u"ok"))
                m_prompts.accept(reply.mid(3));
            else
                m_prompts.refuse();
        }

        Admission admission(m_root->root(), m_prompts);
        QCOMPARE(admission.open(), Admission::Opening::Ready);
        const Admission::Outcome outcome =
            admission.admit({u"Maths"_s, className, number, firstName, u" Lee "_s});
        QCOMPARE(m_prompts.texts(), texts);
        QCOMPARE(m_prompts.unscripted(), 0);
        QCOMPARE(m_prompts.pending(), 0);
        QCOMPARE(outcome.admitted, admitted);
        QCOMPARE(outcome.number, shownNumber);
        QCOMPARE(outcome.focus == Admission::Focus::Number, focusNumber);
        if (!admitted) {
            QCOMPARE(testing::readBytes(file), before);
            return;
        }
        QCOMPARE(outcome.identity,
                 (TesteeIdentity{u"Maths"_s, className, u"7"_s, firstName, u"Lee"_s, resume}));
        const store::ProfileSnapshot written = store::ProfileFile(file).read();
        QCOMPARE(written.value(className, u"7"), firstName);
        QCOMPARE(written.value(className, u"7LAST"), u"Lee"_s);
        QVERIFY(!written.find(className, u"07").has_value());
        // Admission leaves the start stamp and the finish mark to the engine.
        for (const auto &[suffix, value] : record)
            QCOMPARE(written.value(className, QString(u"7"_s + suffix)), value);
    }

    void namesAreOneWrite()
    {
        standardRoster();
        m_root->paper(u"Maths"_s, {});
        Admission admission(m_root->root(), m_prompts);
        QCOMPARE(admission.open(), Admission::Opening::Ready);
        store::IoCounters::reset();
        QVERIFY(admission.admit({u"Maths"_s, u"A1"_s, u"23"_s, u"Tom"_s, QString()}).admitted);
        QCOMPARE(store::IoCounters::locks.load(), 1L);
        QCOMPARE(store::IoCounters::renames.load(), 1L);
        const store::ProfileSnapshot written =
            store::ProfileFile(m_root->root().recordFile(u"Maths"_s, u"A1"_s, u"23"_s)).read();
        QCOMPARE(written.find(u"A1", u"23LAST"), std::optional<QString>(QString()));
    }

    void missingResultFolder()
    {
        standardRoster();
        m_root->paper(u"Maths"_s, {});
        QVERIFY(QDir(m_root->path() + u"/CHENGJI/Maths"_s).removeRecursively());
        Admission admission(m_root->root(), m_prompts);
        QCOMPARE(admission.open(), Admission::Opening::Ready);
        QVERIFY(!admission.admit({u"Maths"_s, u"A1"_s, u"7"_s, u"Tom"_s, QString()}).admitted);
        QCOMPARE(m_prompts.texts(), QStringList{texts::noResultFolder});
        QVERIFY(!QFileInfo::exists(m_root->path() + u"/CHENGJI/Maths"_s));
    }

    void hostilePaperName()
    {
        m_root->paperFolders().classes({{u"A1"_s, 30, 1, 30}});
        m_root->offer(u"../sys"_s);
        m_root->admit(u"../sys"_s, u"A1"_s);
        Admission admission(m_root->root(), m_prompts);
        QCOMPARE(admission.open(), Admission::Opening::Ready);
        QVERIFY(!admission.admit({u"../sys"_s, u"A1"_s, u"7"_s, u"Tom"_s, QString()}).admitted);
        QCOMPARE(m_prompts.texts(), QStringList{texts::noResultFolder});
        QCOMPARE(QDir(m_root->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{u"CHENGJI"_s, u"SHIJUAN"_s, u"sys"_s}));
    }

    void aboutTest_data()
    {
        QTest::addColumn<KeyValues>("main");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("as the editor and the settings wrote them")
            << KeyValues{{u"about_test"_s, u"Chapter 3, no calculators"_s},
                         {u"full_mark"_s, u"100"_s},
                         {u"TESTTIME"_s, u"45"_s},
                         {u"Question_conut"_s, u"20"_s}}
            << QStringList{u"  Chapter 3, no calculators"_s, u"100"_s, u"45"_s, u"  20"_s};
        QTest::newRow("a new paper without questions")
            << KeyValues{{u"TESTTIME"_s, u"30"_s}, {u"about_test"_s, u"Maths"_s}}
            << QStringList{u"  Maths"_s, u"0"_s, u"30"_s, u"  0"_s};
        QTest::newRow("texts are shown as they are")
            << KeyValues{{u"full_mark"_s, u"12abc"_s}, {u"TESTTIME"_s, QString()}}
            << QStringList{u"  0"_s, u"12abc"_s, QString(), u"  0"_s};
    }
    void aboutTest()
    {
        QFETCH(KeyValues, main);
        QFETCH(QStringList, shown);
        m_root->paper(u"Maths"_s, main);
        // The summary is read from the root even when the engine works on copies.
        qputenv("QUORIN_ROOT_REMOTE", "1");
        const AboutTest about(m_root->root(), u"Maths"_s);
        qunsetenv("QUORIN_ROOT_REMOTE");
        QCOMPARE((QStringList{about.description(), about.fullMark(), about.testTime(),
                              about.questionTotal()}),
                 shown);
    }
};

QTEST_GUILESS_MAIN(TestAdmission)
#include "tst_admission.moc"

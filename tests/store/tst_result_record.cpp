// Result records: where they lie, the testee states, the keys each step
// writes in its order, and the two changes the teacher can make.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/answer_code.h"
#include "store/profile_file.h"
#include "store/result_record.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace store;
using testing::readBytes;

class TestResultRecord : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    DataRoot m_root;

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.filePath(QStringLiteral("CHENGJI/Maths")));
        m_root = DataRoot(m_dir.path());
    }
    void cleanup() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void answerCodes_data()
    {
        QTest::addColumn<QList<bool>>("chosen");
        QTest::addColumn<int>("code");
        QTest::newRow("none") << QList<bool>{false, false, false, false, false, false, false} << 0;
        QTest::newRow("A and C") << QList<bool>{true, false, true, false, false, false, false}
                                 << 13;
        QTest::newRow("only G") << QList<bool>{false, false, false, false, false, false, true} << 7;
        QTest::newRow("C to G, beyond 16 bits")
            << QList<bool>{false, false, true, true, true, true, true} << 34567;
        QTest::newRow("all seven")
            << QList<bool>{true, true, true, true, true, true, true} << 1234567;
    }
    void answerCodes()
    {
        QFETCH(QList<bool>, chosen);
        QFETCH(int, code);
        std::array<bool, 7> options{};
        std::copy(chosen.begin(), chosen.end(), options.begin());
        const AnswerCode answer = AnswerCode::fromOptions(options);
        QCOMPARE(answer.value(), code);
        QCOMPARE(AnswerCode::fromText(answer.toText()), answer);
        for (int k = 1; k <= 7; ++k)
            QCOMPARE(answer.hasOption(k), code != 0 && bool(chosen[k - 1]));
        QVERIFY(!AnswerCode(31).hasOption(2));
        QVERIFY(AnswerCode(31) != AnswerCode(13));
    }

    void sharedFileKeepsSectionsApart()
    {
        const ResultRecord a1(m_root, QStringLiteral("Maths"), QStringLiteral("A1"),
                              QStringLiteral("23"));
        const ResultRecord a12(m_root, QStringLiteral("Maths"), QStringLiteral("A12"),
                               QStringLiteral("3"));
        QCOMPARE(a1.file(), a12.file());
        QVERIFY(a1.file().endsWith(u"/CHENGJI/Maths/A123.cho"));
        QCOMPARE(a1.writeAdmission(QStringLiteral("Tom"), QString()), WriteStatus::Ok);
        QCOMPARE(a12.writeAdmission(QStringLiteral("Ann"), QStringLiteral("Lee")), WriteStatus::Ok);
        QCOMPARE(a1.writeStart(QStringLiteral("2004,05,12  09:30:00")), WriteStatus::Ok);
        QCOMPARE(a1.readState().state, TesteeState::Running);
        QCOMPARE(a12.readState().state, TesteeState::NeverStarted);
        QCOMPARE(a12.read().value(u"A12", u"3LAST"), QStringLiteral("Lee"));
        // Deleting one testee's record deletes the neighbour's too: they share the file.
        QVERIFY(a12.deleteRecord());
        QCOMPARE(a1.readState().state, TesteeState::NeverStarted);
        QVERIFY(!a1.deleteRecord());
    }

    void states_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("state");
        QTest::newRow("no file") << QByteArray() << int(TesteeState::NeverStarted);
        QTest::newRow("names only")
            << QByteArray("[A1]\r\n7=Tom\r\n7LAST=\r\n") << int(TesteeState::NeverStarted);
        QTest::newRow("started") << QByteArray("[A1]\r\n7TIME1=2004,05,12  09:30:00\r\n")
                                 << int(TesteeState::Running);
        QTest::newRow("retest allowed")
            << QByteArray("[A1]\r\n7TIME1=x\r\n7TIME2=\r\n7DF=80\r\n") << int(TesteeState::Running);
        QTest::newRow("timed out")
            << QByteArray("[A1]\r\n7TIME1=x\r\n7TIME2=00:00:00\r\n") << int(TesteeState::Finished);
        QTest::newRow("finish without start")
            << QByteArray("[A1]\r\n7TIME2=00:01:00\r\n") << int(TesteeState::Finished);
        QTest::newRow("other testee's keys")
            << QByteArray("[A1]\r\n17TIME1=x\r\n[A12]\r\n7TIME1=x\r\n")
            << int(TesteeState::NeverStarted);
    }
    void states()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, state);
        const ResultRecord r(m_root, QStringLiteral("Maths"), QStringLiteral("A1"),
                             QStringLiteral("7"));
        if (!record.isEmpty())
            testing::writeBytes(r.file(), record);
        QCOMPARE(int(r.readState().state), state);
    }

    void stepsWriteTheirKeysInOrder()
    {
        const ResultRecord r(m_root, QStringLiteral("Maths"), QStringLiteral("A1"),
                             QStringLiteral("7"));
        IoCounters::reset();
        QCOMPARE(r.writeAdmission(QStringLiteral(" 张 "), QStringLiteral("三")), WriteStatus::Ok);
        QCOMPARE(r.writeStart(QStringLiteral("2004,05,12  09:30:00")), WriteStatus::Ok);
        const QList<AnswerCode> answers{AnswerCode(13), AnswerCode(0), AnswerCode(1234567)};
        QCOMPARE(r.writeAutosave(QStringLiteral("00:29:00"), 2, answers, {3, 1, 2}),
                 WriteStatus::Ok);
        QCOMPARE(IoCounters::renames.load(), 3L);
        QCOMPARE(readBytes(r.file()),
                 testing::windowsText(
                     QStringLiteral("[A1]\n7=张\n7LAST=三\n7TIME1=2004,05,12  09:30:00\n"
                                    "7TIME=00:29:00\n7DangQian=2\n7DA1=13\n7DA2=0\n7DA3=1234567\n"
                                    "7SX1=3\n7SX2=1\n7SX3=2\n")));

        const SavedProgress saved = r.readProgress(3);
        QVERIFY(saved.hasAutosave);
        QCOMPARE(saved.position, 2);
        QCOMPARE(saved.order, (QList<int>{3, 1, 2}));
        QCOMPARE(saved.answers, answers);

        QCOMPARE(r.writeFinish(QStringLiteral("00:28:30"), answers, 15), WriteStatus::Ok);
        const ProfileSnapshot done = r.read();
        QCOMPARE(done.value(u"A1", u"7TIME2"), QStringLiteral("00:28:30"));
        QCOMPARE(done.value(u"A1", u"7DF"), QStringLiteral("15"));
        QCOMPARE(r.readState().state, TesteeState::Finished);

        QCOMPARE(r.clearFinishMark(), WriteStatus::Ok);
        QCOMPARE(r.readState().state, TesteeState::Running);
        QCOMPARE(r.read().value(u"A1", u"7DF"), QStringLiteral("15"));
        QCOMPARE(r.read().find(u"A1", u"7TIME2"), std::optional<QString>(QString()));
    }

    void interruptedInTheFirstMinute()
    {
        const ResultRecord r(m_root, QStringLiteral("Maths"), QStringLiteral("A1"),
                             QStringLiteral("7"));
        r.writeAdmission(QStringLiteral("Tom"), QString());
        r.writeStart(QStringLiteral("2004,05,12  09:30:00"));
        const SavedProgress saved = r.readProgress(4);
        QVERIFY(!saved.hasAutosave);
        QCOMPARE(saved.order, (QList<int>{0, 0, 0, 0}));
    }

    void retestOnANeverStartedTesteeCreatesTheFile()
    {
        const ResultRecord r(m_root, QStringLiteral("Maths"), QStringLiteral("B2"),
                             QStringLiteral("117"));
        QCOMPARE(r.clearFinishMark(), WriteStatus::Ok);
        QCOMPARE(readBytes(r.file()), QByteArray("[B2]\r\n117TIME2=\r\n"));
    }

    void deleteScoreKeepsANeighbourSharingTheFile()
    {
        const ResultRecord a1(m_root, QStringLiteral("Maths"), QStringLiteral("A1"),
                              QStringLiteral("23"));
        const ResultRecord a12(m_root, QStringLiteral("Maths"), QStringLiteral("A12"),
                               QStringLiteral("3"));
        QCOMPARE(a1.writeFinish(QStringLiteral("00:05:00"), {AnswerCode(13)}, 90), WriteStatus::Ok);
        QCOMPARE(a12.writeFinish(QStringLiteral("00:01:00"), {AnswerCode(2)}, 70), WriteStatus::Ok);

        QCOMPARE(a1.removeRecord(), WriteStatus::Ok);
        QCOMPARE(a1.readState().state, TesteeState::NeverStarted);
        QCOMPARE(a1.read().value(u"A1", u"23DF", QStringLiteral("-1")), QStringLiteral("-1"));
        QCOMPARE(a12.readState().state, TesteeState::Finished);
        QCOMPARE(a12.read().value(u"A12", u"3DF"), QStringLiteral("70"));

        // The last testee in the file takes the file with it.
        QCOMPARE(a12.removeRecord(), WriteStatus::Ok);
        QVERIFY(!QFileInfo::exists(a12.file()));
        QCOMPARE(a12.removeRecord(), WriteStatus::Ok);
    }

    void writesIntoAMissingFolderVanish()
    {
        const ResultRecord r(m_root, QStringLiteral("NoSuchPaper"), QStringLiteral("A1"),
                             QStringLiteral("7"));
        QCOMPARE(r.writeAdmission(QStringLiteral("Tom"), QString()), WriteStatus::FolderMissing);
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("CHENGJI/NoSuchPaper"))));
    }

    void fixtureFromWindows()
    {
        const QString file = testing::copyFixture(QStringLiteral("store/A123.cho"),
                                                  m_dir.filePath(QStringLiteral("CHENGJI/Maths")),
                                                  QStringLiteral("A123.cho"));
        const ResultRecord a1(m_root, QStringLiteral("Maths"), QStringLiteral("A1"),
                              QStringLiteral("23"));
        const ResultRecord a12(m_root, QStringLiteral("Maths"), QStringLiteral("A12"),
                               QStringLiteral("3"));
        QCOMPARE(a1.file(), file);
        QCOMPARE(a1.readState().state, TesteeState::Finished);
        QCOMPARE(a12.readState().state, TesteeState::Running);
        QCOMPARE(a12.readState().time1, QStringLiteral("2004,05,12  09:31:00"));
        QCOMPARE(a1.read().value(u"a1", u"23"), QStringLiteral("张"));
    }
};

QTEST_GUILESS_MAIN(TestResultRecord)
#include "tst_result_record.moc"

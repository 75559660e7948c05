// Paper files: settings and questions, the two writers that must not disturb
// each other, the student's defaults and the naming of new documents.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/paper.h"
#include "store/profile_file.h"
#include "scripted_random.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace store;

class TestPaper : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString fixtureCopy()
    {
        return testing::copyFixture(QStringLiteral("store/paper.cho"),
                                    m_dir.filePath(QStringLiteral("p")), QStringLiteral("p.cho"));
    }

private slots:
    void cleanup() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void loadsQuestions()
    {
        Paper paper;
        PaperFile(fixtureCopy()).loadPaperQuestions(paper);
        QCOMPARE(paper.questionCount, 3);
        QCOMPARE(paper.defaultMark, 5);
        QCOMPARE(paper.questions.size(), 5); // entries 0..Q+1
        QCOMPARE(paper.question(1),
                 (Question{QStringLiteral("12345678.RTF"), QStringLiteral("87654321.RTF"),
                           QStringLiteral("13"), QString()}));
        QCOMPARE(paper.question(3).answer, QString());
        QCOMPARE(paper.question(4), Question{}); // the leftover section 4 is never read
    }

    void noQuestionsLeavesTheTable()
    {
        const QString file = m_dir.filePath(QStringLiteral("settings_only.cho"));
        QVERIFY(PaperFile(file).writePaperSettings(
                    PaperSettings::forNewPaper(QStringLiteral("X"))) == WriteStatus::Ok);
        Paper paper;
        paper.questions = {Question{}, Question{QStringLiteral("kept"), {}, {}, {}}};
        PaperFile(file).loadPaperQuestions(paper);
        QCOMPARE(paper.questionCount, 0);
        QCOMPARE(paper.defaultMark, 0);
        QCOMPARE(paper.questions.size(), 2);
    }

    void shrinkingKeepsOldSections()
    {
        const QString file = fixtureCopy();
        Paper paper;
        PaperFile(file).loadPaperQuestions(paper);
        paper.questionCount = 2;
        paper.fullMark = 10;
        QCOMPARE(PaperFile(file).savePaperQuestions(paper), WriteStatus::Ok);

        Paper again;
        PaperFile(file).loadPaperQuestions(again);
        QCOMPARE(again.questionCount, 2);
        const ProfileSnapshot raw = ProfileFile(file).read();
        QCOMPARE(raw.value(u"3", u"mark"), QStringLiteral("10"));
        QCOMPARE(raw.value(u"4", u"QUESTION"), QStringLiteral("old.RTF"));
        QCOMPARE(raw.value(u"MAIN", u"full_mark"), QStringLiteral("10"));
    }

    void writersKeepToTheirKeys()
    {
        const QString file = fixtureCopy();
        const QByteArray before = testing::readBytes(file);
        PaperSettings settings = PaperFile(file).readPaperSettings();
        QCOMPARE(settings.author, QStringLiteral("王老师"));
        QCOMPARE(settings.questionCount, QStringLiteral("3"));
        settings.testTime = QStringLiteral(" 60 ");
        settings.questionCount = QStringLiteral("99"); // shown, never written by this writer
        settings.fullMark = QStringLiteral("99");
        settings.mark = QStringLiteral("99");
        QCOMPARE(PaperFile(file).writePaperSettings(settings), WriteStatus::Ok);
        PaperSettings after = PaperFile(file).readPaperSettings();
        QCOMPARE(after.testTime, QStringLiteral("60"));
        QCOMPARE(after.questionCount, QStringLiteral("3"));
        QCOMPARE(after.fullMark, QStringLiteral("15"));
        QCOMPARE(after.mark, QStringLiteral("5"));

        // And the editor's save leaves the twelve settings as they were.
        Paper paper;
        PaperFile(file).loadPaperQuestions(paper);
        paper.fullMark = 20;
        QCOMPARE(PaperFile(file).savePaperQuestions(paper), WriteStatus::Ok);
        const PaperSettings last = PaperFile(file).readPaperSettings();
        QCOMPARE(last.testTime, QStringLiteral("60"));
        QCOMPARE(last.aboutTest, QStringLiteral("期中考试，请认真作答"));
        QCOMPARE(last.fullMark, QStringLiteral("20"));
        QVERIFY(before != testing::readBytes(file));
    }

    void missingKeysAndDefaults()
    {
        const QString missing = m_dir.filePath(QStringLiteral("nothing.cho"));
        const PaperSettings shown = PaperFile(missing).readPaperSettings();
        QCOMPARE(shown.retestPassword, QStringLiteral("0"));
        QCOMPARE(shown.aboutTest, QStringLiteral("0"));

        const StudentPaper student = PaperFile(missing).readStudentPaper();
        QCOMPARE(student.changeQuestionSort, 1); // no shuffle key: shuffled
        QCOMPARE(student.retestPassword, QString());
        QCOMPARE(student.reloginPassword, QString());
        QCOMPARE(student.questionCount, 0);

        const StudentPaper fixture = PaperFile(fixtureCopy()).readStudentPaper();
        QCOMPARE(fixture.testTime, 45);
        QCOMPARE(fixture.changeQuestionSort, 0);
        QCOMPARE(fixture.questions.size(), 3);
        QCOMPARE(fixture.questions[0].answer, QStringLiteral("13"));
    }

    void newPaperValues()
    {
        const PaperSettings s = PaperSettings::forNewPaper(QStringLiteral(" Maths "));
        QCOMPARE(s.testTime, QStringLiteral("30"));
        QCOMPARE(s.retestPassword, QStringLiteral("468"));
        QCOMPARE(s.reloginPassword, QStringLiteral("579"));
        QCOMPARE(s.aboutTest, QStringLiteral("Maths"));
        QCOMPARE(s.displayScore, QStringLiteral("1"));
    }

    void newDocumentNames()
    {
        const QString folder = m_dir.filePath(QStringLiteral("docs"));
        QDir().mkpath(folder);
        testing::writeBytes(folder + QStringLiteral("/1.rtf"), "x");
        // The first draw names 1.RTF, which exists in another letter case.
        testing::ScriptedRandom random({0.0, 0.0, 0.123456789, 0.99999999});
        QCOMPARE(newRtfFileName(folder, QStringLiteral(" RTF "), random),
                 QStringLiteral("12345679.RTF"));
        QCOMPARE(random.drawn(), 3);
        QCOMPARE(newRtfFileName(folder, QStringLiteral("RTF"), random),
                 QStringLiteral("100000000.RTF"));

        // A source that keeps giving a taken number still yields a free name.
        testing::ScriptedRandom stuck({0.0});
        QCOMPARE(newRtfFileName(folder, QStringLiteral("RTF"), stuck), QStringLiteral("2.RTF"));

        SystemRandom system;
        for (int i = 0; i < 200; ++i) {
            const QString name = newRtfFileName(folder, QStringLiteral("RTF"), system);
            const qint64 n = name.section(u'.', 0, 0).toLongLong();
            QVERIFY(n >= 1 && n <= 100000000);
            QVERIFY(!name.startsWith(u'0'));
        }
    }
};

QTEST_GUILESS_MAIN(TestPaper)
#include "tst_paper.moc"

// A save killed at any point: a child process edits and saves a paper over and over and
// is killed with SIGKILL at random moments. Whatever moment it was, the paper opens and
// every document it names is there and complete.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/paper_editor.h"
#include "root_builder.h"
#include "store/paper.h"
#include "store/random_source.h"
#include "test_files.h"
#include "scripted_prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>
#include <cstdio>

using editor::PaperEditor;
using testing::FixtureQuestion;
using testing::RootBuilder;

namespace {

const QString paper = QStringLiteral("期末");
const char *const loopArgument = "--save-loop";

// The child: grows the paper by two questions with new text, then shrinks it by two, and
// saves after each step, until it is killed.
int saveLoop(const QString &root, const QString &workingFolder)
{
    testing::ScriptedPrompts prompts;
    store::SystemRandom random;
    PaperEditor editor{store::DataRoot(root), paper, workingFolder, prompts, random};
    if (editor.openPaperEditor() != PaperEditor::OpenResult::Opened)
        return 3;
    editor.showFirstQuestion();
    std::puts("ready");
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        if (round % 2 == 0) {
            for (int i = 0; i < 2; ++i) {
                editor.showQuestion(editor.questionCount());
                editor.insertQuestion();
                testing::writeBytes(
                    editor.questionDocument(editor.current()),
                    RootBuilder::wordpadRtf(QStringLiteral("第%1轮的题目").arg(round)));
                editor.setOptionTicked(round % 7 + 1, true);
            }
            testing::writeBytes(editor.explanationDocument(1),
                                RootBuilder::wordpadRtf(QStringLiteral("解释 %1").arg(round)));
        } else {
            for (int i = 0; i < 2; ++i) {
                editor.showQuestion(2);
                editor.deleteQuestion();
            }
        }
        if (!editor.savePaperEdits())
            return 4;
        std::puts("saved");
        std::fflush(stdout);
    }
}

} // namespace

class TestSaveKill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedSavesLeaveAPaperThatCanBeSat()
    {
        RootBuilder files;
        QList<FixtureQuestion> questions;
        for (int q = 1; q <= 4; ++q)
            questions.append({QStringLiteral("题 %1").arg(q), QStringLiteral("解 %1").arg(q),
                              QStringLiteral("1"), QString()});
        files.editedPaper(paper, questions);

        // How long a round of the child takes here decides when to kill it: anywhere from
        // its first edit to a few saves later.
        QElapsedTimer clock;
        qint64 roundNs = 0;
        {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {QString::fromLatin1(loopArgument), files.path(),
                         files.localFolder(QStringLiteral("editor"))});
            QByteArray output;
            while (output.count("saved\n") < 6) {
                QVERIFY2(child.waitForReadyRead(20000), "the child does not save");
                output += child.readAllStandardOutput();
                if (output.contains("ready\n") && !clock.isValid())
                    clock.start();
            }
            roundNs = clock.nsecsElapsed() / 6;
            child.kill();
            child.waitForFinished(10000);
        }

        QRandomGenerator random(20240512);
        int killedAfterASave = 0;
        constexpr int rounds = 24;
        for (int round = 0; round < rounds; ++round) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(),
                        {QString::fromLatin1(loopArgument), files.path(),
                         files.localFolder(QStringLiteral("editor"))});
            QVERIFY(child.waitForStarted(10000));
            QByteArray output;
            while (!output.contains("ready\n")) {
                QVERIFY2(child.waitForReadyRead(10000), "the child did not open the paper");
                output += child.readAllStandardOutput();
            }
            QThread::usleep(random.bounded(quint64(std::max<qint64>(roundNs * 3 / 1000, 1000))));
            child.kill();
            QVERIFY(child.waitForFinished(10000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            output += child.readAllStandardOutput();
            if (output.contains("saved\n"))
                ++killedAfterASave;

            // What a student's program reads: the paper and every document it names.
            const store::StudentPaper sat =
                store::PaperFile(files.root().paperFile(paper)).readStudentPaper();
            QVERIFY(sat.questionCount >= 4);
            QCOMPARE(int(sat.questions.size()), sat.questionCount);
            for (const store::Question &question : sat.questions) {
                for (const QString &name : {question.question, question.explain}) {
                    QVERIFY(!name.isEmpty());
                    const QByteArray bytes =
                        testing::readBytes(files.root().paperDocument(paper, name));
                    QVERIFY2(bytes.startsWith("{\\rtf1") && bytes.trimmed().endsWith('}'),
                             qPrintable(name + u" in round " + QString::number(round)));
                }
            }

            // The next editor gets the working folder and opens the paper.
            testing::ScriptedPrompts prompts;
            store::SystemRandom names;
            PaperEditor next(files.root(), paper, files.localFolder(QStringLiteral("editor")),
                             prompts, names);
            QCOMPARE(next.openPaperEditor(), PaperEditor::OpenResult::Opened);
            QCOMPARE(next.questionCount(), sat.questionCount);
        }
        qInfo("a round of edits and a save takes %lld us; %d of %d kills came after a save",
              roundNs / 1000, killedAfterASave, rounds);
        // The kills landed across the saves, not all before the first.
        QVERIFY2(killedAfterASave > 0, "no kill came after a save");

        // The next save leaves nothing of the killed ones in the paper folder.
        testing::ScriptedPrompts prompts;
        store::SystemRandom names;
        PaperEditor last(files.root(), paper, files.localFolder(QStringLiteral("editor")), prompts,
                         names);
        QCOMPARE(last.openPaperEditor(), PaperEditor::OpenResult::Opened);
        last.showFirstQuestion();
        QVERIFY(last.savePaperEdits());
        QStringList left = testing::entriesOf(files.root().paperFolder(paper), QDir::Files);
        QCOMPARE(left.filter(QStringLiteral(".quorin-save-")), QStringList());
        // A killed write of the paper file leaves its temporary file for a minute (another
        // computer may be writing it); that is the profile writers' rule, not the editor's.
        left.removeIf([](const QString &name) { return name.startsWith(u"期末.cho."); });
        QCOMPARE(left.size(), 2 * last.questionCount() + 1);
    }
};

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], loopArgument) == 0) {
        QCoreApplication app(argc, argv);
        return saveLoop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QCoreApplication app(argc, argv);
    TestSaveKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_save_kill.moc"

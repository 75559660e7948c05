// The paper editor's model on papers as the Windows programs write them: opening, every
// editing operation, marks and their limits, saving and closing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/paper_editor.h"
#include "questions/question_documents.h"
#include "richtext/plain_text.h"
#include "root_builder.h"
#include "richtext/rtf_writer.h"
#include "store/paper.h"
#include "store/profile_file.h"
#include "store/random_source.h"
#include "test_files.h"
#include "write_faults.h"
#include "scripted_prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTest>
#include <memory>
#include <sys/stat.h>

using editor::PaperEditor;
using testing::FixtureQuestion;
using testing::RootBuilder;

using namespace Qt::StringLiterals;

namespace {

const QString paper = QStringLiteral("数学 期中");

QList<FixtureQuestion> sampleQuestions(int count)
{
    QList<FixtureQuestion> list;
    for (int q = 1; q <= count; ++q)
        list.append({QStringLiteral("第%1题：下列哪个是质数？\nA. 21\nB. 23").arg(q),
                     QStringLiteral("解释 %1").arg(q), QStringLiteral("2"), QString()});
    return list;
}

struct Session
{
    RootBuilder files;
    testing::ScriptedPrompts prompts;
    store::SystemRandom random;
    std::unique_ptr<PaperEditor> editor;

    PaperEditor &open(const QString &name = paper)
    {
        editor = std::make_unique<PaperEditor>(
            files.root(), name, files.localFolder(QStringLiteral("editor")), prompts, random);
        const PaperEditor::OpenResult result = editor->openPaperEditor();
        if (result != PaperEditor::OpenResult::Opened)
            qWarning("the editor did not open: %s", qPrintable(prompts.texts().join(u'|')));
        return *editor;
    }
    PaperEditor &reopen()
    {
        editor.reset();
        PaperEditor &again = open();
        again.showFirstQuestion();
        return again;
    }
    QStringList workingFiles() const
    {
        QStringList names =
            QDir(files.localFolder(QStringLiteral("editor"))).entryList(QDir::Files);
        names.sort();
        return names;
    }
};

store::Paper onDisk(const RootBuilder &files, const QString &name = paper)
{
    store::Paper loaded;
    store::PaperFile(files.root().paperFile(name)).loadPaperQuestions(loaded);
    return loaded;
}

struct FileId
{
    ino_t inode;
    qint64 modified;
};

FileId idOf(const QString &path)
{
    struct stat info
    {
    };
    ::stat(QFile::encodeName(path).constData(), &info);
    return {info.st_ino, qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

} // namespace

class TestPaperEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openingAndShowingQuestions()
    {
        Session s;
        s.files.editedPaper(paper, sampleQuestions(3));
        QDir().mkpath(s.files.localFolder(QStringLiteral("editor")));
        for (const char *name : {"left.rtf", "OVER.RTF", "Mixed.Rtf", "notes.txt"})
            testing::writeBytes(s.files.localFolder(QStringLiteral("editor")) + u'/' +
                                    QLatin1StringView(name),
                                "x");
        PaperEditor &editor = s.open();

        QCOMPARE(editor.windowTitle(), QStringLiteral("Edit paper --数学 期中"));
        QCOMPARE(editor.questionCount(), 3);
        QCOMPARE(editor.defaultMark(), 5);
        QCOMPARE(editor.current(), 0);
        QVERIFY(!editor.unsavedChanges());
        // Documents of an earlier paper are gone in any case; other files stay. The
        // paper's documents come in when their question is shown.
        QCOMPARE(s.workingFiles(), QStringList{u"notes.txt"_s});
        QCOMPARE(editor.rowText(2), QStringLiteral("第2题：下列哪个是质数？\nA. 21\nB. 23"));

        editor.showFirstQuestion();
        QCOMPARE(editor.current(), 1);
        QCOMPARE(editor.questionCount(), 3);
        QVERIFY(!editor.unsavedChanges());
        QVERIFY(editor.showQuestion(3));
        QCOMPARE(editor.question(3).explain, QStringLiteral("1006.RTF"));
        QCOMPARE(richtext::plainText(testing::readBytes(editor.explanationDocument(3))),
                 QStringLiteral("解释 3"));
        QCOMPARE(s.workingFiles(), (QStringList{u"1001.RTF"_s, u"1002.RTF"_s, u"1005.RTF"_s,
                                                u"1006.RTF"_s, u"notes.txt"_s}));
        QVERIFY(!editor.unsavedChanges());

        editor.closePaperEditor();
        QCOMPARE(s.workingFiles(), QStringList{u"notes.txt"_s});
    }

    void anEmptyPaperStartsWithOneBlankQuestion_data()
    {
        QTest::addColumn<QString>("paperText");
        QTest::addColumn<int>("defaultMark");
        // A paper without a default mark gets the 5 that "Manage paper" shows for it.
        QTest::newRow("no paper file") << QString() << 5;
        QTest::newRow("settings only") << QStringLiteral("[MAIN]\nTESTTIME=30\n") << 5;
        QTest::newRow("no questions") << QStringLiteral("[MAIN]\nQuestion_conut=0\nMark=4\n") << 4;
        QTest::newRow("a negative count")
            << QStringLiteral("[MAIN]\nQuestion_conut=-3\nMark=0\n[1]\nQUESTION=1.RTF\n") << 0;
    }
    void anEmptyPaperStartsWithOneBlankQuestion()
    {
        QFETCH(QString, paperText);
        QFETCH(int, defaultMark);
        Session s;
        QDir().mkpath(s.files.root().paperFolder(paper));
        if (!paperText.isNull())
            testing::writeBytes(s.files.root().paperFile(paper), testing::windowsText(paperText));
        PaperEditor &editor = s.open();
        QCOMPARE(editor.questionCount(), 0);
        QCOMPARE(editor.defaultMark(), defaultMark);
        QVERIFY(!editor.unsavedChanges());

        editor.showFirstQuestion();
        QCOMPARE(editor.questionCount(), 1);
        QCOMPARE(editor.current(), 1);
        QVERIFY(editor.unsavedChanges());
        QCOMPARE(editor.question(1).mark, QString());
        QVERIFY(editor.question(1).question != editor.question(1).explain);
        for (const QString &path : {editor.questionDocument(1), editor.explanationDocument(1)}) {
            QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
            QCOMPARE(testing::readBytes(path), richtext::RtfWriter::emptyDocument());
            QCOMPARE(richtext::plainText(testing::readBytes(path)), QString());
        }
    }

    void aPaperThatCannotBeReadIsNotOpened()
    {
        Session s;
        QDir().mkpath(s.files.root().paperFile(paper)); // a folder where the file should be
        PaperEditor editor(s.files.root(), paper, s.files.localFolder(QStringLiteral("editor")),
                           s.prompts, s.random);
        QCOMPARE(editor.openPaperEditor(), PaperEditor::OpenResult::Unreadable);
        QCOMPARE(s.prompts.messages().size(), 1);
        QVERIFY(s.prompts.messages().at(0).contains(QStringLiteral("cannot be read")));
        // The working folder is free for the next try.
        PaperEditor other(s.files.root(), QStringLiteral("B"),
                          s.files.localFolder(QStringLiteral("editor")), s.prompts, s.random);
        QCOMPARE(other.openPaperEditor(), PaperEditor::OpenResult::Opened);
    }

    void onlyOneEditorUsesTheWorkingFolder()
    {
        Session s;
        s.files.editedPaper(paper, sampleQuestions(2));
        PaperEditor &first = s.open();
        const QStringList before = s.workingFiles();
        PaperEditor second(s.files.root(), paper, s.files.localFolder(QStringLiteral("editor")),
                           s.prompts, s.random);
        QCOMPARE(second.openPaperEditor(), PaperEditor::OpenResult::Busy);
        QCOMPARE(
            s.prompts.messages(),
            QStringList{QStringLiteral("A paper is already being edited on this computer. "
                                       "Finish editing it in the other window, then try again.")});
        // The refused editor touched nothing of the open one.
        QCOMPARE(s.workingFiles(), before);
        second.closePaperEditor();
        QCOMPARE(s.workingFiles(), before);

        first.closePaperEditor();
        PaperEditor third(s.files.root(), paper, s.files.localFolder(QStringLiteral("editor")),
                          s.prompts, s.random);
        QCOMPARE(third.openPaperEditor(), PaperEditor::OpenResult::Opened);
    }

    void fullMark_data()
    {
        QTest::addColumn<int>("defaultMark");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<int>("fullMark");
        QTest::newRow("running sum rounds halves to even")
            << 5 << QStringList{u""_s, u"3"_s, u"2.5"_s} << 10;
        QTest::newRow("each step rounds") << 0 << QStringList{u"0.5"_s, u"0.5"_s, u"0.5"_s} << 0;
        QTest::newRow("odd halves round up") << 0 << QStringList{u"1.5"_s, u"1"_s} << 3;
        QTest::newRow("default marks only") << 4 << QStringList{u""_s, u""_s, u""_s} << 12;
        QTest::newRow("leading numbers")
            << 2 << QStringList{u"3 points"_s, u"abc"_s, u" 7 "_s} << 10;
        QTest::newRow("negative marks") << 5 << QStringList{u"-2"_s, u""_s} << 3;
    }
    void fullMark()
    {
        QFETCH(int, defaultMark);
        QFETCH(QStringList, marks);
        QFETCH(int, fullMark);
        Session s;
        QList<FixtureQuestion> list = sampleQuestions(int(marks.size()));
        for (int i = 0; i < marks.size(); ++i)
            list[i].mark = marks.at(i);
        s.files.editedPaper(paper, list, defaultMark);
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QCOMPARE(editor.computeFullMark(), fullMark);
        QVERIFY(editor.savePaperEdits());
        QCOMPARE(
            store::ProfileFile(s.files.root().paperFile(paper)).readValue(u"MAIN", u"full_mark"),
            QString::number(fullMark));
    }

    void questionFrame_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("markBox");
        QTest::addColumn<bool>("usesDefault");
        // Ten questions; question 3 has mark 14, the others the default 4: 9 x 4 + 14 = 50.
        QTest::newRow("own mark") << 3 << "No.3  Total:10   Full mark:50"
                                  << "14" << false;
        QTest::newRow("default mark") << 10 << "No.10  Total:10   Full mark:50"
                                      << "4" << true;
    }
    void questionFrame()
    {
        QFETCH(int, question);
        QFETCH(QString, caption);
        QFETCH(QString, markBox);
        QFETCH(bool, usesDefault);
        Session s;
        QList<FixtureQuestion> list = sampleQuestions(10);
        list[2].mark = QStringLiteral("14");
        s.files.editedPaper(paper, list, 4);
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QVERIFY(editor.showQuestion(question));
        QCOMPARE(editor.frameCaption(), caption);
        QCOMPARE(editor.markBoxText(), markBox);
        QCOMPARE(editor.isMarkBoxEnabled(), !usesDefault);
        QCOMPARE(editor.isDefaultTicked(), usesDefault);
        QVERIFY(!editor.showQuestion(0));
        QVERIFY(!editor.showQuestion(11));
        QCOMPARE(editor.current(), question);
        QVERIFY(!editor.unsavedChanges());
    }

    void optionsRebuildTheAnswer_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("toggles"); // k ticks, -k unticks
        QTest::addColumn<QString>("answer");
        QTest::newRow("G then B") << "" << QList<int>{7, 2} << "27";
        QTest::newRow("A and C, then not A") << "" << QList<int>{1, 3, -1} << "3";
        QTest::newRow("all off") << "13" << QList<int>{-1, -3} << "";
        QTest::newRow("an unsorted answer is put in order") << "31" << QList<int>{5} << "135";
        QTest::newRow("ticking twice") << "2" << QList<int>{2} << "2";
    }
    void optionsRebuildTheAnswer()
    {
        QFETCH(QString, stored);
        QFETCH(QList<int>, toggles);
        QFETCH(QString, answer);
        Session s;
        QList<FixtureQuestion> list = sampleQuestions(1);
        list[0].answer = stored;
        s.files.editedPaper(paper, list);
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        for (int k : toggles)
            editor.setOptionTicked(std::abs(k), k > 0);
        QCOMPARE(editor.question(1).answer, answer);
        for (int k = 1; k <= 7; ++k)
            QCOMPARE(editor.isOptionTicked(k), answer.contains(QChar(u'0' + k)));
        QVERIFY(editor.unsavedChanges());
        QVERIFY(editor.savePaperEdits());
        QCOMPARE(onDisk(s.files).question(1).answer, answer);
    }

    void theDefaultBox()
    {
        Session s;
        QList<FixtureQuestion> list = sampleQuestions(2);
        list[0].mark = QStringLiteral("7");
        s.files.editedPaper(paper, list, 5);
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QVERIFY(editor.setUseDefaultMark(true));
        QCOMPARE(editor.question(1).mark, QString());
        QCOMPARE(editor.markBoxText(), QStringLiteral("5"));
        QVERIFY(!editor.isMarkBoxEnabled());
        QVERIFY(editor.unsavedChanges());
        QCOMPARE(editor.computeFullMark(), 10);

        QVERIFY(editor.setDefaultMark(QStringLiteral("6")));
        QVERIFY(editor.setUseDefaultMark(false));
        QCOMPARE(editor.question(1).mark, QStringLiteral("6"));
        QVERIFY(editor.isMarkBoxEnabled());
        QVERIFY(editor.setMark(QStringLiteral(" 2.5 ")));
        QCOMPARE(editor.question(1).mark, QStringLiteral("2.5"));
        // 2.5 rounds to 2, then the default 6.
        QCOMPARE(editor.frameCaption(), QStringLiteral("No.1  Total:2   Full mark:8"));
    }

    void aNewDefaultMarkShowsAtOnce()
    {
        Session s;
        QList<FixtureQuestion> list = sampleQuestions(3);
        list[1].mark = QStringLiteral("4");
        s.files.editedPaper(paper, list, 5);
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QCOMPARE(editor.frameCaption(), QStringLiteral("No.1  Total:3   Full mark:14"));
        QVERIFY(editor.setDefaultMark(QStringLiteral("8")));
        QCOMPARE(editor.frameCaption(), QStringLiteral("No.1  Total:3   Full mark:20"));
        QVERIFY(editor.unsavedChanges());
        QVERIFY(editor.setDefaultMark(QStringLiteral("")));
        QCOMPARE(editor.defaultMark(), 0);
        QVERIFY(editor.setDefaultMark(QStringLiteral("7.5")));
        QCOMPARE(editor.defaultMark(), 8);
        QVERIFY(editor.savePaperEdits());
        const store::ProfileFile file(s.files.root().paperFile(paper));
        QCOMPARE(file.readValue(u"MAIN", u"Mark"), QStringLiteral("8"));
        QCOMPARE(file.readValue(u"MAIN", u"full_mark"), QStringLiteral("20"));
    }

    void sixteenBitLimits_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        const QString markRange =
            QStringLiteral("A question's mark must lie between -32768 and 32767.");
        const QString defaultRange =
            QStringLiteral("The default mark must lie between -32768 and 32767.");
        QTest::newRow("largest mark")
            << "mark"
            << "32767" << false
            << "The full mark would be 32782, but a paper's full mark "
               "must lie between -32768 and 32767. The change is not made.";
        QTest::newRow("mark too large") << "mark"
                                        << "40000" << false << markRange;
        QTest::newRow("mark too small") << "mark"
                                        << "-32769" << false << markRange;
        QTest::newRow("mark rounds out") << "mark"
                                         << "32767.6" << false << markRange;
        QTest::newRow("mark in an exponent") << "mark"
                                             << "1e9" << false << markRange;
        QTest::newRow("a fitting mark") << "mark"
                                        << "30000" << true << "";
        QTest::newRow("default too large") << "default"
                                           << "99999" << false << defaultRange;
        QTest::newRow("default overflows the sum")
            << "default"
            << "20000" << false
            << "The full mark would be 40010, but a paper's full mark must lie between -32768 and "
               "32767. The change is not made.";
        QTest::newRow("a fitting default") << "default"
                                           << "-16000" << true << "";
    }
    void sixteenBitLimits()
    {
        QFETCH(QString, what);
        QFETCH(QString, value);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        Session s;
        QList<FixtureQuestion> list = sampleQuestions(4);
        list[1].mark = QStringLiteral("5");
        s.files.editedPaper(paper, list, 5);
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QVERIFY(editor.setUseDefaultMark(false));
        const bool result = what == u"mark" ? editor.setMark(value) : editor.setDefaultMark(value);
        QCOMPARE(result, accepted);
        QCOMPARE(s.prompts.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!accepted) {
            QCOMPARE(editor.question(1).mark, QStringLiteral("5"));
            QCOMPARE(editor.defaultMark(), 5);
            QCOMPARE(editor.computeFullMark(), 20);
        }
    }

    void structuralLimits()
    {
        Session s;
        QList<FixtureQuestion> list = sampleQuestions(2);
        list[0].mark = QStringLiteral("30000");
        s.files.editedPaper(paper, list, 2000);
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        // A copy of question 1's mark would take the sum to 62000.
        QVERIFY(!editor.insertQuestion());
        QCOMPARE(editor.questionCount(), 2);
        QCOMPARE(s.prompts.messages().size(), 1);
        QVERIFY(
            s.prompts.messages().at(0).startsWith(QStringLiteral("The full mark would be 62000")));
        QVERIFY(!editor.unsavedChanges());
        QCOMPARE(s.workingFiles().size(), 2); // question 1's; none were made for the refused one
    }

    void insertQuestion_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("viaNext");
        QTest::addColumn<int>("newNumber");
        QTest::addColumn<QString>("newMark");
        // Marks of the fixture: question q has mark q + 1.
        QTest::newRow("after the only question") << 1 << 1 << false << 2 << "2";
        QTest::newRow("in the middle") << 3 << 2 << false << 3 << "3";
        QTest::newRow("none current") << 2 << 0 << false << 1 << "";
        QTest::newRow("next on the last") << 3 << 3 << true << 4 << "4";
    }
    void insertQuestion()
    {
        QFETCH(int, count);
        QFETCH(int, current);
        QFETCH(bool, viaNext);
        QFETCH(int, newNumber);
        QFETCH(QString, newMark);
        Session s;
        QList<FixtureQuestion> list = sampleQuestions(count);
        for (int q = 1; q <= count; ++q)
            list[q - 1].mark = QString::number(q + 1);
        s.files.editedPaper(paper, list);
        PaperEditor &editor = s.open();
        if (current > 0)
            QVERIFY(editor.showQuestion(current));
        const store::Question before = editor.question(newNumber);
        const QString textBefore = editor.rowText(newNumber);
        if (viaNext)
            editor.nextQuestion();
        else
            QVERIFY(editor.insertQuestion());
        QCOMPARE(editor.questionCount(), count + 1);
        QCOMPARE(editor.current(), newNumber);
        QCOMPARE(editor.question(newNumber).mark, newMark);
        QCOMPARE(editor.question(newNumber).answer, QString());
        QCOMPARE(editor.rowText(newNumber), QString());
        QVERIFY(editor.unsavedChanges());
        // What was at the new place moved down by one.
        QCOMPARE(editor.question(newNumber + 1), before);
        QCOMPARE(editor.rowText(newNumber + 1), textBefore);
        const QStringList names{editor.question(newNumber).question,
                                editor.question(newNumber).explain};
        QVERIFY(names.at(0).endsWith(QStringLiteral(".RTF")));
        QVERIFY(names.at(0) != names.at(1));
        for (const QString &name : names)
            QVERIFY(QFileInfo::exists(s.files.localFolder(QStringLiteral("editor")) + u'/' + name));
    }

    void importQuestions_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<QStringList>("marks"); ///< of the questions that come in
        QTest::addColumn<QString>("refusal");   ///< the start of the message; empty: accepted
        QTest::newRow("after the current") << 1 << QStringList{u""_s, u"2.5"_s} << QString();
        QTest::newRow("after the last") << 2 << QStringList{u"3"_s} << QString();
        QTest::newRow("none current: first") << 0 << QStringList{u""_s} << QString();
        QTest::newRow("a mark out of range")
            << 1 << QStringList{u"1"_s, u"40000"_s}
            << u"No question is imported: the mark 40000 of question 2"_s;
        QTest::newRow("the full mark overflows")
            << 1 << QStringList{u"30000"_s, u"30000"_s} << u"The full mark would be 60010"_s;
    }
    void importQuestions()
    {
        QFETCH(int, current);
        QFETCH(QStringList, marks);
        QFETCH(QString, refusal);
        Session s;
        s.files.editedPaper(paper, sampleQuestions(2));
        PaperEditor &editor = s.open();
        if (current > 0)
            QVERIFY(editor.showQuestion(current));
        QList<questions::NewQuestion> imported;
        for (int i = 0; i < marks.size(); ++i) {
            const QString text = u"导入 %1\nA. x\nB. y"_s.arg(i + 1);
            imported.append({RootBuilder::rtf(text), RootBuilder::rtf(u"解析 %1"_s.arg(i + 1)),
                             QString::number(i % 2 + 1), marks.at(i), text});
        }
        const QStringList filesBefore = s.workingFiles();

        const bool accepted = editor.importQuestions(imported, current);
        QCOMPARE(accepted, refusal.isEmpty());
        if (!accepted) {
            // Nothing changed, not even the working folder.
            QVERIFY(s.prompts.texts().join(u'|').startsWith(refusal));
            QCOMPARE(editor.questionCount(), 2);
            QCOMPARE(editor.current(), current);
            QVERIFY(!editor.unsavedChanges());
            QCOMPARE(s.workingFiles(), filesBefore);
            return;
        }
        const int n = int(marks.size());
        QCOMPARE(editor.questionCount(), 2 + n);
        QCOMPARE(editor.current(), current + 1);
        QVERIFY(editor.unsavedChanges());
        QCOMPARE(editor.rowText(current + n + 1),
                 current < 2 ? sampleQuestions(2)[current].text : QString());
        // Only the question shown has working copies; a save on a full disk keeps the rest
        // for the next try and leaves the paper as it was.
        QCOMPARE(s.workingFiles().size(), filesBefore.size() + 2);
        QCOMPARE(richtext::plainText(testing::readBytes(editor.questionDocument(current + 1))),
                 imported.at(0).rowText);
        const QByteArray paperBefore = testing::readBytes(s.files.root().paperFile(paper));
        {
            testing::FileSizeLimit full(16);
            QVERIFY(!editor.savePaperEdits());
        }
        QCOMPARE(testing::readBytes(s.files.root().paperFile(paper)), paperBefore);
        QVERIFY(editor.savePaperEdits());

        const store::Paper saved = onDisk(s.files);
        QCOMPARE(saved.questionCount, 2 + n);
        QSet<QString> names;
        for (int i = 0; i < n; ++i) {
            const store::Question entry = saved.question(current + 1 + i);
            QCOMPARE(entry.answer, QString::number(i % 2 + 1));
            QCOMPARE(entry.mark, marks.at(i));
            QCOMPARE(editor.rowText(current + 1 + i), imported.at(i).rowText);
            QCOMPARE(richtext::plainText(
                         testing::readBytes(s.files.root().paperDocument(paper, entry.question))),
                     imported.at(i).rowText);
            QCOMPARE(richtext::plainText(
                         testing::readBytes(s.files.root().paperDocument(paper, entry.explain))),
                     u"解析 %1"_s.arg(i + 1));
            names << entry.question.toCaseFolded() << entry.explain.toCaseFolded();
        }
        // Every question of the paper names documents of its own.
        for (int q = 1; q <= saved.questionCount; ++q) {
            if (q <= current || q > current + n)
                names << saved.question(q).question.toCaseFolded()
                      << saved.question(q).explain.toCaseFolded();
        }
        QCOMPARE(names.size(), 2 * saved.questionCount);
    }

    void aNewPapersBlankQuestionGivesWay()
    {
        Session s;
        s.files.paper(paper, RootBuilder::settings(paper));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QCOMPARE(editor.questionCount(), 1);
        const questions::NewQuestion one{RootBuilder::rtf(u"Q"_s), RootBuilder::rtf(QString()),
                                         u"1"_s, QString(), u"Q"_s};
        QVERIFY(editor.importQuestions({one, one}, editor.current()));
        QCOMPARE(editor.questionCount(), 2);
        QCOMPARE(editor.rowText(1), u"Q"_s);
        QCOMPARE(editor.current(), 1);
        // A question with something in it stays.
        QVERIFY(editor.deleteQuestion());
        QCOMPARE(editor.questionCount(), 1);
        QVERIFY(editor.importQuestions({one}, 1));
        QCOMPARE(editor.questionCount(), 2);
    }

    void nextAndPrevious()
    {
        Session s;
        s.files.editedPaper(paper, sampleQuestions(2));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        editor.previousQuestion();
        QCOMPARE(editor.current(), 1);
        editor.nextQuestion();
        QCOMPARE(editor.current(), 2);
        QCOMPARE(editor.questionCount(), 2);
        QVERIFY(!editor.unsavedChanges());
        editor.previousQuestion();
        QCOMPARE(editor.current(), 1);
    }

    void deleteQuestion_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QList<int>>("left"); // the original numbers left, in order
        QTest::newRow("the first of three") << 3 << 1 << 1 << QList<int>{2, 3};
        QTest::newRow("the last of three") << 3 << 3 << 2 << QList<int>{1, 2};
        QTest::newRow("the middle of three") << 3 << 2 << 1 << QList<int>{1, 3};
        QTest::newRow("the only one") << 1 << 1 << 1 << QList<int>{1};
    }
    void deleteQuestion()
    {
        QFETCH(int, count);
        QFETCH(int, current);
        QFETCH(int, shown);
        QFETCH(QList<int>, left);
        Session s;
        s.files.editedPaper(paper, sampleQuestions(count));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        editor.showQuestion(current);
        const bool deleted = editor.deleteQuestion();
        QCOMPARE(deleted, count > 1);
        QCOMPARE(s.prompts.messages(),
                 deleted ? QStringList() : QStringList{u"Not allow to delete the question!"_s});
        QCOMPARE(editor.unsavedChanges(), deleted);
        QCOMPARE(editor.questionCount(), int(left.size()));
        QCOMPARE(editor.current(), shown);
        for (int i = 0; i < left.size(); ++i) {
            QCOMPARE(editor.question(i + 1).question,
                     QString::number(1001 + 2 * left.at(i) - 2) + u".RTF"_s);
            QVERIFY(editor.rowText(i + 1).startsWith(QStringLiteral("第%1题").arg(left.at(i))));
        }
        // The spare entry behind the last is empty.
        QCOMPARE(editor.question(int(left.size()) + 1), store::Question());
    }

    void moveQuestion_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("after");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("up from the first") << 1 << true << 1 << QList<int>{1, 2, 3};
        QTest::newRow("down from the last") << 3 << false << 3 << QList<int>{1, 2, 3};
        QTest::newRow("up from the second") << 2 << true << 1 << QList<int>{2, 1, 3};
        QTest::newRow("down from the second") << 2 << false << 3 << QList<int>{1, 3, 2};
    }
    void moveQuestion()
    {
        QFETCH(int, current);
        QFETCH(bool, up);
        QFETCH(int, after);
        QFETCH(QList<int>, order);
        Session s;
        QList<FixtureQuestion> list = sampleQuestions(3);
        for (int q = 1; q <= 3; ++q)
            list[q - 1].answer = QString::number(q);
        s.files.editedPaper(paper, list);
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        editor.showQuestion(current);
        const bool moved = up ? editor.moveQuestionUp() : editor.moveQuestionDown();
        QCOMPARE(moved, order != (QList<int>{1, 2, 3}));
        QCOMPARE(editor.unsavedChanges(), moved);
        QCOMPARE(editor.current(), after);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(editor.question(i + 1).answer, QString::number(order.at(i)));
            QVERIFY(editor.rowText(i + 1).startsWith(QStringLiteral("第%1题").arg(order.at(i))));
        }
    }

    void savingAShrunkPaper()
    {
        Session s;
        s.files.editedPaper(paper, sampleQuestions(5));
        testing::writeBytes(s.files.root().paperFolder(paper) + QStringLiteral("/notes.txt"),
                            "keep");
        testing::writeBytes(s.files.root().paperFolder(paper) + QStringLiteral("/figure.bmp"),
                            "BM");
        testing::writeBytes(s.files.root().paperFolder(paper) + QStringLiteral("/old.rtf"),
                            "{\\rtf1 old}");
        // A copy that a save killed before its end left behind.
        testing::writeBytes(s.files.root().paperFolder(paper) +
                                QStringLiteral("/.quorin-save-x1-1003.RTF"),
                            "{\\rtf1");
        const QString settingsBefore = testing::readText(s.files.root().paperFile(paper))
                                           .section(QStringLiteral("Question_conut"), 0, 0);
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        editor.showQuestion(2);
        QVERIFY(editor.deleteQuestion());
        editor.showQuestion(4);
        QVERIFY(editor.deleteQuestion());
        QVERIFY(editor.savePaperEdits());
        QVERIFY(!editor.unsavedChanges());

        // Questions 1, 3 and 4 are left; the documents of 2 and 5, and the stray old.rtf, go.
        QCOMPARE(
            testing::entriesOf(s.files.root().paperFolder(paper), QDir::Files),
            (QStringList{u"1001.RTF"_s, u"1002.RTF"_s, u"1005.RTF"_s, u"1006.RTF"_s, u"1007.RTF"_s,
                         u"1008.RTF"_s, u"figure.bmp"_s, u"notes.txt"_s, u"数学 期中.cho"_s}));
        const QString text = testing::readText(s.files.root().paperFile(paper));
        QVERIFY(text.startsWith(settingsBefore));
        QVERIFY(text.contains(QStringLiteral("\r\n[4]\r\n")));
        QVERIFY(text.contains(QStringLiteral("\r\n[5]\r\nQUESTION=1009.RTF\r\n")));
        QVERIFY(text.contains(QStringLiteral("Question_conut=3\r\nfull_mark=15\r\nMark=5\r\n")));

        PaperEditor &again = s.reopen();
        QCOMPARE(again.questionCount(), 3);
        QCOMPARE(again.question(3).question, QStringLiteral("1007.RTF"));
        QVERIFY(again.rowText(3).startsWith(QStringLiteral("第4题")));
        QVERIFY(!again.unsavedChanges());
    }

    void savingTheSettingsStayUntouched()
    {
        Session s;
        s.files.editedPaper(paper, sampleQuestions(2));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        editor.setOptionTicked(4, true);
        QVERIFY(editor.savePaperEdits());
        const store::PaperSettings settings =
            store::PaperFile(s.files.root().paperFile(paper)).readPaperSettings();
        QCOMPARE(settings.testTime, QStringLiteral("30"));
        QCOMPARE(settings.retestPassword, QStringLiteral("468"));
        QCOMPARE(settings.author, QStringLiteral("王老师"));
        QCOMPARE(settings.aboutTest, paper);
        QCOMPARE(settings.questionCount, QStringLiteral("2"));
        QCOMPARE(onDisk(s.files).question(1).answer, QStringLiteral("24"));
        // The file stays as the Windows programs read it.
        const QByteArray bytes = testing::readBytes(s.files.root().paperFile(paper));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.contains("answer=24\r\n"));
    }

    void aSaveWritesOnlyChangedDocuments()
    {
        Session s;
        s.files.editedPaper(paper, sampleQuestions(3));
        const QString folder = s.files.root().paperFolder(paper);
        const FileId untouched = idOf(folder + QStringLiteral("/1001.RTF"));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QTest::qWait(5);
        QVERIFY(editor.showQuestion(2));
        testing::writeBytes(editor.explanationDocument(2),
                            RootBuilder::wordpadRtf(QStringLiteral("新的解释")));
        editor.setOptionTicked(3, true);
        store::IoCounters::reset();
        QVERIFY(editor.savePaperEdits());
        QCOMPARE(store::IoCounters::renames.load(), 1L); // the paper file, once
        QCOMPARE(idOf(folder + QStringLiteral("/1001.RTF")).inode, untouched.inode);
        QCOMPARE(idOf(folder + QStringLiteral("/1001.RTF")).modified, untouched.modified);
        // The edit went in under a new name; the old document went once the paper named it.
        const QString renamed = onDisk(s.files).question(2).explain;
        QVERIFY(renamed != u"1004.RTF");
        QCOMPARE(editor.question(2).explain, renamed);
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/1004.RTF")));
        QCOMPARE(richtext::plainText(testing::readBytes(folder + u'/' + renamed)),
                 QStringLiteral("新的解释"));
        QCOMPARE(richtext::plainText(testing::readBytes(editor.explanationDocument(2))),
                 QStringLiteral("新的解释"));

        // Saved once, neither the document nor the paper file is written again.
        const FileId saved = idOf(folder + u'/' + renamed);
        QVERIFY(editor.savePaperEdits());
        QCOMPARE(store::IoCounters::renames.load(), 1L);
        QCOMPARE(idOf(folder + u'/' + renamed).inode, saved.inode);
        QCOMPARE(testing::entriesOf(s.files.root().paperFolder(paper), QDir::Files).size(), 7);
    }

    void documentNamesIgnoreLetterCase()
    {
        Session s;
        s.files.editedPaper(paper, sampleQuestions(1));
        // The paper file names the document in another case than the file has.
        QString text = testing::readText(s.files.root().paperFile(paper));
        text.replace(QStringLiteral("QUESTION=1001.RTF"), QStringLiteral("QUESTION=1001.rtf"));
        testing::writeBytes(s.files.root().paperFile(paper), testing::windowsText(text));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QVERIFY(editor.rowText(1).startsWith(QStringLiteral("第1题")));
        testing::writeBytes(editor.questionDocument(1),
                            RootBuilder::wordpadRtf(QStringLiteral("改了")));
        QVERIFY(editor.savePaperEdits());
        const QString renamed = onDisk(s.files).question(1).question;
        QCOMPARE(testing::entriesOf(s.files.root().paperFolder(paper), QDir::Files),
                 (QStringList{u"1002.RTF"_s, renamed, u"数学 期中.cho"_s}));
        QCOMPARE(richtext::plainText(
                     testing::readBytes(s.files.root().paperFolder(paper) + u'/' + renamed)),
                 QStringLiteral("改了"));
    }

    void aMissingDocumentBecomesAnEmptyOne_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown and typed into") << true;
        QTest::newRow("never shown") << false;
    }
    void aMissingDocumentBecomesAnEmptyOne()
    {
        QFETCH(bool, shown);
        Session s;
        s.files.editedPaper(paper, sampleQuestions(2));
        QFile::remove(s.files.root().paperFolder(paper) + QStringLiteral("/1003.RTF"));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QCOMPARE(editor.rowText(2), QString());
        if (shown) {
            QVERIFY(editor.showQuestion(2));
            QCOMPARE(richtext::plainText(testing::readBytes(editor.questionDocument(2))),
                     QString());
            testing::writeBytes(editor.questionDocument(2),
                                RootBuilder::wordpadRtf(QStringLiteral("补上")));
        }
        QVERIFY(editor.savePaperEdits());
        // Every document the paper names is there after a save.
        QCOMPARE(testing::entriesOf(s.files.root().paperFolder(paper), QDir::Files).size(), 5);
        QCOMPARE(richtext::plainText(testing::readBytes(s.files.root().paperFolder(paper) +
                                                        QStringLiteral("/1003.RTF"))),
                 shown ? QStringLiteral("补上") : QString());
    }

    void aPaperFileCutShort()
    {
        Session s;
        s.files.editedPaper(paper, sampleQuestions(2));
        QString text = testing::readText(s.files.root().paperFile(paper));
        text.replace(QStringLiteral("Question_conut=2"), QStringLiteral("Question_conut=3"));
        testing::writeBytes(s.files.root().paperFile(paper), testing::windowsText(text));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QCOMPARE(editor.questionCount(), 3);
        QCOMPARE(editor.rowText(3), QString());
        // Question 3 names no documents: showing it gives it two, to type into.
        QVERIFY(editor.showQuestion(3));
        QVERIFY(!editor.unsavedChanges());
        const store::Question third = editor.question(3);
        QVERIFY(!third.question.isEmpty() && !third.explain.isEmpty());
        testing::writeBytes(editor.questionDocument(3),
                            RootBuilder::wordpadRtf(QStringLiteral("第三题")));
        editor.questionTextChanged(QStringLiteral("第三题"));
        QVERIFY(editor.savePaperEdits());
        const store::Paper saved = onDisk(s.files);
        QCOMPARE(saved.question(3).question, third.question);
        QCOMPARE(richtext::plainText(
                     testing::readBytes(s.files.root().paperFolder(paper) + u'/' + third.question)),
                 QStringLiteral("第三题"));
        QVERIFY(QFileInfo::exists(s.files.root().paperFolder(paper) + u'/' + third.explain));
    }

    void hostileNamesWriteNothingOutside_data()
    {
        QTest::addColumn<QString>("paperName");
        QTest::addColumn<QString>("documentName");
        QTest::newRow("a document up the tree") << paper << "../evil.rtf";
        QTest::newRow("a Windows path") << paper << "..\\..\\evil.rtf";
        QTest::newRow("a document elsewhere") << paper << "/tmp/evil.rtf";
        QTest::newRow("a paper up the tree") << "../outside"
                                             << "1001.RTF";
    }
    void hostileNamesWriteNothingOutside()
    {
        QFETCH(QString, paperName);
        QFETCH(QString, documentName);
        Session s;
        s.files.editedPaper(paper, sampleQuestions(1));
        QString text = testing::readText(s.files.root().paperFile(paper));
        text.replace(QStringLiteral("QUESTION=1001.RTF"), u"QUESTION=" + documentName);
        testing::writeBytes(s.files.root().paperFile(paper), testing::windowsText(text));
        PaperEditor &editor = s.open(paperName);
        editor.showFirstQuestion();
        QCOMPARE(editor.questionCount(), 1);
        editor.setOptionTicked(2, true);
        const bool saved = editor.savePaperEdits();
        QCOMPARE(saved, paperName == paper);
        if (!saved)
            QVERIFY(
                s.prompts.messages().last().startsWith(QStringLiteral("The paper is not saved")));
        // Where the names point: beside the root, the paper folder and the working folder.
        for (const QString &escape : QStringList{
                 s.files.path() + QStringLiteral("/../outside"),
                 s.files.path() + QStringLiteral("/outside"),
                 s.files.path() + QStringLiteral("/SHIJUAN/evil.rtf"),
                 s.files.localFolder(QStringLiteral("editor")) + QStringLiteral("/../evil.rtf"),
                 QStringLiteral("/tmp/evil.rtf")})
            QVERIFY2(!QFileInfo::exists(escape), qPrintable(escape));
    }

    void aFailedSaveIsReported_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("paper folder gone") << "folder";
        QTest::newRow("the paper file cannot be replaced") << "paper file";
    }
    void aFailedSaveIsReported()
    {
        QFETCH(QString, fault);
        Session s;
        s.files.editedPaper(paper, sampleQuestions(2));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QVERIFY(editor.insertQuestion());
        const QString folder = s.files.root().paperFolder(paper);
        if (fault == u"folder") {
            QVERIFY(QDir(folder).removeRecursively());
        } else {
            QVERIFY(QFile::remove(s.files.root().paperFile(paper)));
            QVERIFY(QDir(folder).mkdir(QFileInfo(s.files.root().paperFile(paper)).fileName()));
        }
        QVERIFY(!editor.savePaperEdits());
        QCOMPARE(s.prompts.messages().size(), 1);
        QVERIFY2(s.prompts.messages().at(0).contains(QStringLiteral("not saved")),
                 qPrintable(s.prompts.messages().at(0)));
        QVERIFY(editor.unsavedChanges());
        if (fault == u"paper file") {
            // The new question's documents went again: nothing names them.
            QVERIFY(!QFileInfo::exists(folder + u'/' + editor.question(2).question));
            QVERIFY(QFileInfo::exists(folder + QStringLiteral("/1003.RTF")));
        }
    }

    void aFailedStepLeavesThePaperAsSaved_data()
    {
        QTest::addColumn<QList<int>>("largeDocuments");
        QTest::addColumn<int>("failures");
        QTest::newRow("the first document") << QList<int>{1} << 1;
        QTest::newRow("the last document") << QList<int>{30} << 1;
        QTest::newRow("two documents, both reported") << QList<int>{2, 29} << 2;
        QTest::newRow("the paper file") << QList<int>{} << 1;
    }
    // A disk that fills at any step of a save: until the paper file is written the paper
    // is exactly as it was, so its texts never meet answer keys of another save.
    void aFailedStepLeavesThePaperAsSaved()
    {
        auto textOf = [](int q, const QList<int> &large) {
            return large.contains(q) ? QString(20000, u'长') : QStringLiteral("改%1").arg(q);
        };
        QFETCH(QList<int>, largeDocuments);
        QFETCH(int, failures);
        Session s;
        s.files.editedPaper(paper, sampleQuestions(30));
        const QString folder = s.files.root().paperFolder(paper);
        // The lock file beside the paper file is the writers' bookkeeping, not the paper.
        auto paperState = [&] {
            auto files = testing::treeSnapshot(folder);
            files.removeIf([](auto entry) { return entry.key().endsWith(u".lock"); });
            return files;
        };
        const auto before = paperState();
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        for (int q = 1; q <= 30; ++q) {
            QVERIFY(editor.showQuestion(q));
            testing::writeBytes(editor.questionDocument(q),
                                RootBuilder::wordpadRtf(textOf(q, largeDocuments)));
            editor.setOptionTicked(4, true);
        }
        {
            // Documents of a few hundred bytes fit; the large ones, or the paper file, do not.
            const qint64 paperFileSize = QFileInfo(s.files.root().paperFile(paper)).size();
            testing::FileSizeLimit limit(largeDocuments.isEmpty() ? paperFileSize - 1 : 8192);
            QVERIFY(!editor.savePaperEdits());
        }
        QCOMPARE(paperState(), before);
        QVERIFY(editor.unsavedChanges());
        const QString said = s.prompts.messages().last();
        QVERIFY2(said.startsWith(QStringLiteral("The paper is not saved")) ||
                     said.startsWith(QStringLiteral("The disk holding the data root is full")),
                 qPrintable(said));
        if (!largeDocuments.isEmpty())
            QCOMPARE(said.count(QStringLiteral("is full")), failures);

        // With room again the same edits save whole.
        QVERIFY(editor.savePaperEdits());
        PaperEditor &again = s.reopen();
        for (int q = 1; q <= 30; ++q) {
            QCOMPARE(again.question(q).answer, QStringLiteral("24"));
            QVERIFY(again.showQuestion(q));
            QCOMPARE(richtext::plainText(testing::readBytes(again.questionDocument(q))),
                     textOf(q, largeDocuments));
        }
        QCOMPARE(testing::entriesOf(s.files.root().paperFolder(paper), QDir::Files).size(), 61);
    }

    // A hand-edited pool paper may hold a mark no paper file can: it is not copied.
    void anImportedMarkOutOfRangeIsRefused()
    {
        Session s;
        s.files.editedPaper(paper, sampleQuestions(1));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        store::Question source;
        source.mark = QStringLiteral("40000");
        QVERIFY(!editor.importPoolQuestion(source, paper, QStringLiteral("pool")));
        QCOMPARE(editor.questionCount(), 1);
        QCOMPARE(s.prompts.messages(),
                 QStringList{QStringLiteral("The question is not copied: its mark 40000 does not "
                                            "lie between -32768 and 32767.")});
    }

    // Thousands of documents are written a few open files at a time.
    void aLargeSaveStaysWithinTheOpenFileLimit()
    {
        Session s;
        s.files.editedPaper(paper, sampleQuestions(1));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        for (int q = 2; q <= 600; ++q)
            QVERIFY(editor.insertQuestion());
        {
            testing::OpenFileLimit limit(64);
            QVERIFY2(editor.savePaperEdits(), qPrintable(s.prompts.texts().join(u'|')));
        }
        QCOMPARE(s.reopen().questionCount(), 600);
        QCOMPARE(testing::entriesOf(s.files.root().paperFolder(paper), QDir::Files).size(), 1201);
    }

    void closing()
    {
        Session s;
        s.files.editedPaper(paper, sampleQuestions(1));
        PaperEditor &editor = s.open();
        editor.showFirstQuestion();
        QVERIFY(editor.mayClose());
        QVERIFY(s.prompts.shown().isEmpty());

        editor.setOptionTicked(1, true);
        s.prompts.refuse();
        QVERIFY(!editor.mayClose());
        QCOMPARE(s.prompts.shown().size(), 1);
        QCOMPARE(s.prompts.shown().at(0).kind, testing::ScriptedPrompts::Kind::Question);
        QCOMPARE(s.prompts.shown().at(0).text,
                 QStringLiteral("Will you went to exit without save?"));
        QCOMPARE(editor.question(1).answer, QStringLiteral("12"));
        s.prompts.accept();
        QVERIFY(editor.mayClose());

        const QByteArray before = testing::readBytes(s.files.root().paperFile(paper));
        editor.closePaperEditor();
        QCOMPARE(testing::readBytes(s.files.root().paperFile(paper)), before);
        QCOMPARE(s.workingFiles(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestPaperEditor)
#include "tst_paper_editor.moc"

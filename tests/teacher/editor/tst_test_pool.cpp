// The test pool's model: source papers from the roster, their questions, the duplicate
// question, and copies that belong to the edited paper alone.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/paper_editor.h"
#include "editor/test_pool.h"
#include "richtext/plain_text.h"
#include "root_builder.h"
#include "store/random_source.h"
#include "test_files.h"
#include "scripted_prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using editor::PaperEditor;
using editor::TestPool;
using testing::FixtureQuestion;
using testing::RootBuilder;

using namespace Qt::StringLiterals;

namespace {

const QString edited = QStringLiteral("期中 A");
const QString source = QStringLiteral("Pool");
const QString duplicateText =
    QStringLiteral("The question already exists!\rwill you add the same question?");

QList<FixtureQuestion> sourceQuestions()
{
    return {{QStringLiteral("池一 first\nA. yes\nB. no"), QStringLiteral("Explain one"),
             QStringLiteral("1"), QStringLiteral("3")},
            {QStringLiteral("池二 second"), QStringLiteral("Explain two"), QStringLiteral("24"),
             QString()},
            {QStringLiteral("池三 third"), QStringLiteral("Explain three"), QStringLiteral("7"),
             QStringLiteral("2.5")}};
}

struct Session
{
    RootBuilder files;
    testing::ScriptedPrompts prompts;
    store::SystemRandom random;
    std::unique_ptr<PaperEditor> editor;
    std::unique_ptr<TestPool> pool;

    Session()
    {
        files.classes({{QStringLiteral("A1"), 30, 1, 30}}).offer(edited).offer(source);
        files.editedPaper(
            edited,
            {{QStringLiteral("本卷一"), QStringLiteral("解一"), QStringLiteral("1"), QString()}},
            10, 5001);
        files.editedPaper(source, sourceQuestions(), 8, 7001);
        editor = std::make_unique<PaperEditor>(
            files.root(), edited, files.localFolder(QStringLiteral("editor")), prompts, random);
        if (editor->openPaperEditor() != PaperEditor::OpenResult::Opened)
            qWarning("the editor did not open");
        editor->showFirstQuestion();
        pool = std::make_unique<TestPool>(files.root(), prompts);
    }
};

} // namespace

class TestTestPool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsEveryPaperAndItsQuestions()
    {
        Session s;
        QCOMPARE(s.pool->readPaperList(), (QStringList{edited, source}));
        s.pool->choosePaper(source);
        QCOMPARE(s.pool->poolPaperName(), source);
        QCOMPARE(s.pool->count(), 3);
        QCOMPARE(s.pool->itemTexts(),
                 (QStringList{u"池一 first\nA. yes\nB. no"_s, u"池二 second"_s, u"池三 third"_s}));
        QCOMPARE(s.pool->selected(), -1);
        QCOMPARE(s.pool->entry(2).answer, QStringLiteral("24"));
        QCOMPARE(s.pool->entry(3).mark, QStringLiteral("2.5"));
        // The preview reads the source paper's own document.
        QCOMPARE(QFileInfo(s.pool->previewDocument(1)).fileName(), QStringLiteral("7003.RTF"));
        QCOMPARE(QFileInfo(s.pool->previewDocument(1)).path(), s.files.root().paperFolder(source));

        // Choosing again forgets the selection; a paper without questions lists nothing.
        s.pool->select(1);
        s.files.paper(QStringLiteral("Empty"), RootBuilder::settings(QStringLiteral("Empty")));
        s.pool->choosePaper(QStringLiteral("Empty"));
        QCOMPARE(s.pool->count(), 0);
        QCOMPARE(s.pool->itemTexts(), QStringList());
        QCOMPARE(s.pool->selected(), -1);
        QCOMPARE(s.pool->importSelected(*s.editor), TestPool::Import::Nothing);
    }

    void aRosterWithoutPapers()
    {
        Session s;
        testing::writeBytes(s.files.root().rosterFile(), "[ClassName]\r\nClassNameCount=0\r\n");
        QCOMPARE(s.pool->readPaperList(), QStringList());
        QCOMPARE(s.pool->importSelected(*s.editor), TestPool::Import::Nothing);
        QCOMPARE(s.editor->questionCount(), 1);
    }

    void importWalksThroughTheSource_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("selectedAfter");
        QTest::newRow("the second of three") << 1 << 2;
        QTest::newRow("the last stays selected") << 2 << 2;
    }
    void importWalksThroughTheSource()
    {
        QFETCH(int, item);
        QFETCH(int, selectedAfter);
        Session s;
        s.pool->choosePaper(source);
        s.pool->select(item);
        QCOMPARE(s.pool->importSelected(*s.editor), TestPool::Import::Imported);
        QCOMPARE(s.pool->selected(), selectedAfter);
        QVERIFY(s.prompts.shown().isEmpty());

        PaperEditor &editor = *s.editor;
        QCOMPARE(editor.questionCount(), 2);
        QCOMPARE(editor.current(), 2);
        QVERIFY(editor.unsavedChanges());
        const store::Question copy = editor.question(2);
        const store::Question original = s.pool->entry(item + 1);
        QCOMPARE(copy.answer, original.answer);
        QCOMPARE(copy.mark, original.mark);
        QCOMPARE(editor.rowText(2), s.pool->itemTexts().at(item));
        // New names of the edited paper, the bytes of the source.
        QVERIFY(copy.question != original.question && copy.explain != original.explain);
        QVERIFY(copy.question != copy.explain);
        QCOMPARE(testing::readBytes(editor.questionDocument(2)),
                 testing::readBytes(s.files.root().paperFolder(source) + u'/' + original.question));
        QCOMPARE(testing::readBytes(editor.explanationDocument(2)),
                 testing::readBytes(s.files.root().paperFolder(source) + u'/' + original.explain));
    }

    void theDuplicateQuestion_data()
    {
        QTest::addColumn<bool>("addIt");
        QTest::newRow("OK adds a copy") << true;
        QTest::newRow("Cancel adds nothing") << false;
    }
    void theDuplicateQuestion()
    {
        QFETCH(bool, addIt);
        Session s;
        PaperEditor &editor = *s.editor;
        // A second question, so that the selection has somewhere to walk to.
        QVERIFY(editor.insertQuestion());
        QVERIFY(editor.savePaperEdits());
        s.pool->choosePaper(edited);
        QCOMPARE(s.pool->count(), 2);
        s.pool->select(0);
        if (addIt)
            s.prompts.accept();
        else
            s.prompts.refuse();
        QCOMPARE(s.pool->importSelected(editor),
                 addIt ? TestPool::Import::Imported : TestPool::Import::Declined);
        QCOMPARE(s.prompts.shown().size(), 1);
        QCOMPARE(s.prompts.shown().at(0).kind, testing::ScriptedPrompts::Kind::Confirm);
        QCOMPARE(s.prompts.shown().at(0).text, duplicateText);
        QCOMPARE(s.pool->selected(), 1);
        QCOMPARE(editor.questionCount(), addIt ? 3 : 2);
        QCOMPARE(editor.unsavedChanges(), addIt);
        if (addIt)
            QVERIFY(editor.question(3).question != editor.question(1).question);
    }

    void anImportedCopyIsIndependent()
    {
        Session s;
        PaperEditor &editor = *s.editor;
        s.pool->choosePaper(edited);
        s.pool->select(0);
        s.prompts.accept();
        QCOMPARE(s.pool->importSelected(editor), TestPool::Import::Imported);
        const QString sourceDocument =
            s.files.root().paperFolder(edited) + QStringLiteral("/5001.RTF");
        const QByteArray before = testing::readBytes(sourceDocument);
        testing::writeBytes(editor.questionDocument(2),
                            RootBuilder::wordpadRtf(QStringLiteral("改过的副本")));
        editor.setOptionTicked(5, true);
        QVERIFY(editor.savePaperEdits());

        QCOMPARE(testing::readBytes(sourceDocument), before);
        QCOMPARE(editor.question(1).answer, QStringLiteral("1"));
        QCOMPARE(editor.question(2).answer, QStringLiteral("15"));
        QCOMPARE(richtext::plainText(testing::readBytes(s.files.root().paperFolder(edited) + u'/' +
                                                        editor.question(2).question)),
                 QStringLiteral("改过的副本"));
    }

    void missingSourceDocumentsGiveEmptyOnes()
    {
        Session s;
        QFile::remove(s.files.root().paperFolder(source) + QStringLiteral("/7003.RTF"));
        QString text = testing::readText(s.files.root().paperFile(source));
        text.replace(QStringLiteral("explain=7004.RTF"), QStringLiteral("explain="));
        testing::writeBytes(s.files.root().paperFile(source), testing::windowsText(text));
        s.pool->choosePaper(source);
        QCOMPARE(s.pool->itemTexts().at(1), QString());
        s.pool->select(1);
        QCOMPARE(s.pool->importSelected(*s.editor), TestPool::Import::Imported);
        const store::Question copy = s.editor->question(2);
        QVERIFY(!copy.question.isEmpty() && !copy.explain.isEmpty());
        QCOMPARE(richtext::plainText(testing::readBytes(s.editor->questionDocument(2))), QString());
        QCOMPARE(richtext::plainText(testing::readBytes(s.editor->explanationDocument(2))),
                 QString());
        QVERIFY(s.editor->savePaperEdits());
        QVERIFY(QFileInfo::exists(s.files.root().paperFolder(edited) + u'/' + copy.explain));
    }

    void anEmptyMarkCountsWithTheEditedPapersDefault()
    {
        Session s;
        s.pool->choosePaper(source);
        s.pool->select(1); // mark empty; the source's default is 8
        QCOMPARE(s.pool->importSelected(*s.editor), TestPool::Import::Imported);
        QCOMPARE(s.editor->question(2).mark, QString());
        QCOMPARE(s.editor->computeFullMark(), 20);
        s.pool->select(2); // 2.5 rounds to 2 on top of 20
        QCOMPARE(s.pool->importSelected(*s.editor), TestPool::Import::Imported);
        QCOMPARE(s.editor->computeFullMark(), 22);
        QCOMPARE(s.editor->frameCaption(), QStringLiteral("No.3  Total:3   Full mark:22"));
    }
};

QTEST_GUILESS_MAIN(TestTestPool)
#include "tst_test_pool.moc"

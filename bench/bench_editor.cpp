// The paper editor on a paper of 200 questions: opening it, a question switch in the
// window, a save, and listing a 200-question paper in the test pool. The baselines are
// the ways the same work reads when every document goes through a rich-text pane and
// every key of the paper file is written on its own.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/edit_paper_window.h"
#include "editor/paper_editor.h"
#include "editor/test_pool.h"
#include "root_builder.h"
#include "ratio_reporter.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_file.h"
#include "store/paper.h"
#include "store/profile_file.h"
#include "store/random_source.h"
#include "test_files.h"
#include "ui/help.h"
#include "ui/rich_text_pane.h"
#include "scripted_prompts.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

const QString paper = QStringLiteral("期末 200");
constexpr int questions = 200;

class NoHelp final : public ui::Help
{
public:
    void open(const QString &, QWidget *) override {}
};

struct Fixture
{
    testing::RootBuilder files;
    testing::ScriptedPrompts prompts;
    store::SystemRandom random;
};

QByteArray pictureRtf(int seed)
{
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(seed * 37 % 360, 120, 220));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return "{\\pict\\pngblip\\picw160\\pich120\\picwgoal2400\\pichgoal1800\r\n" + bytes.toHex() +
           "}";
}

// A paper as teachers write them: a question of a few lines with its options, every
// tenth with a picture, and an explanation.
Fixture &fixture()
{
    static Fixture *made = [] {
        auto *f = new Fixture;
        QList<testing::FixtureQuestion> list;
        for (int q = 1; q <= questions; ++q)
            list.append({QStringLiteral(
                             "第%1题：一个正方形的边长是 4 厘米，它的面积是多少？\nA. 8 平方厘米\n"
                             "B. 12 平方厘米\nC. 16 平方厘米\nD. 20 平方厘米")
                             .arg(q),
                         QStringLiteral("面积 = 边长 × 边长 = 4 × 4 = 16 平方厘米。"),
                         QString::number(q % 4 + 1), q % 3 ? QString() : QStringLiteral("4")});
        f->files.classes({{QStringLiteral("A1"), 30, 1, 30}}).offer(paper);
        f->files.editedPaper(paper, list, 5);
        for (int q = 10; q <= questions; q += 10) {
            const QString path = f->files.root().paperFolder(paper) + u'/' +
                                 QString::number(1001 + 2 * q - 2) + QStringLiteral(".RTF");
            QByteArray bytes = testing::readBytes(path);
            bytes.insert(bytes.lastIndexOf('}'), pictureRtf(q));
            testing::writeBytes(path, bytes);
        }
        return f;
    }();
    return *made;
}

// Opening as the window would without the plain-text path: every question document
// loaded into a document for its text, after the same copies.
void BM_OpenThroughDocuments(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString folder = f.files.root().paperFolder(paper);
    QTemporaryDir work;
    for (auto _ : state) {
        store::Paper loaded;
        store::PaperFile(f.files.root().paperFile(paper)).loadPaperQuestions(loaded);
        const QStringList names = QDir(folder).entryList({QStringLiteral("*.RTF")}, QDir::Files);
        for (const QString &name : names)
            QFile::copy(folder + u'/' + name, work.filePath(name));
        QStringList texts;
        for (int q = 1; q <= loaded.questionCount; ++q) {
            QTextDocument document;
            richtext::loadFile(work.filePath(loaded.questions.at(q).question), document);
            texts.append(richtext::plainText(document));
        }
        benchmark::DoNotOptimize(texts.data());
        for (const QString &name : names)
            QFile::remove(work.filePath(name));
    }
}

void BM_OpenEditor(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        editor::PaperEditor model(f.files.root(), paper,
                                  f.files.localFolder(QStringLiteral("editor")), f.prompts,
                                  f.random);
        if (model.openPaperEditor() != editor::PaperEditor::OpenResult::Opened)
            state.SkipWithError("the paper did not open");
        benchmark::DoNotOptimize(model.rowText(questions).data());
        model.closePaperEditor();
    }
}

// The two documents of a question shown in two panes of a window: the floor of a switch.
void BM_ShowTwoDocuments(benchmark::State &state)
{
    Fixture &f = fixture();
    QWidget window;
    auto *question = new ui::RichTextPane(&window);
    auto *explanation = new ui::RichTextPane(&window);
    question->setGeometry(0, 0, 860, 380);
    explanation->setGeometry(0, 390, 860, 120);
    window.resize(860, 520);
    window.show();
    QApplication::processEvents();
    int q = 9;
    for (auto _ : state) {
        const QString folder = f.files.root().paperFolder(paper) + u'/';
        question->loadFile(folder + QString::number(1001 + 2 * q - 2) + QStringLiteral(".RTF"));
        explanation->loadFile(folder + QString::number(1001 + 2 * q - 1) + QStringLiteral(".RTF"));
        benchmark::DoNotOptimize(question->document()->characterCount());
        q = q == 9 ? 10 : 9;
    }
}

// A click on another row of the window's grid: the panes written when changed, the new
// question's documents shown, the boxes and the caption set.
void BM_SwitchQuestion(benchmark::State &state)
{
    Fixture &f = fixture();
    NoHelp help;
    editor::PaperEditor model(f.files.root(), paper, f.files.localFolder(QStringLiteral("editor")),
                              f.prompts, f.random);
    if (model.openPaperEditor() != editor::PaperEditor::OpenResult::Opened) {
        state.SkipWithError("the paper did not open");
        return;
    }
    editor::EditPaperWindow window(model, f.prompts, help);
    window.show();
    QApplication::processEvents();
    int row = 8;
    for (auto _ : state) {
        window.grid()->setCurrentCell(row, 1); // question 9, then 10 (with its picture)
        row = row == 8 ? 9 : 8;
    }
    window.hide();
}

// The paper file written the way it was specified: one profile write per key.
void BM_SaveKeyByKey(benchmark::State &state)
{
    Fixture &f = fixture();
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("paper.cho"));
    QFile::copy(f.files.root().paperFile(paper), file);
    store::Paper loaded;
    store::PaperFile(file).loadPaperQuestions(loaded);
    store::IoCounters::reset();
    int round = 0;
    for (auto _ : state) {
        ++round;
        const store::ProfileFile profile(file);
        profile.writeValue(QStringLiteral("MAIN"), QStringLiteral("Question_conut"),
                           QString::number(loaded.questionCount));
        profile.writeValue(QStringLiteral("MAIN"), QStringLiteral("full_mark"),
                           QStringLiteral("1000"));
        profile.writeValue(QStringLiteral("MAIN"), QStringLiteral("Mark"), QStringLiteral("5"));
        for (int q = 1; q <= loaded.questionCount; ++q) {
            const QString section = QString::number(q);
            const store::Question &question = loaded.questions.at(q);
            profile.writeValue(section, QStringLiteral("QUESTION"), question.question);
            profile.writeValue(section, QStringLiteral("explain"), question.explain);
            // A changed answer, so that every write is a real one.
            profile.writeValue(section, QStringLiteral("answer"), QString::number(round % 7 + 1));
            profile.writeValue(section, QStringLiteral("mark"), question.mark);
        }
    }
    state.counters["paper_writes"] =
        double(store::IoCounters::renames.load()) / double(state.iterations());
}

// Times saves of an open editor, each after `edit` (not timed) changed something, and
// counts the paper-file writes a save makes.
void timeSaves(benchmark::State &state, const std::function<void(editor::PaperEditor &, int)> &edit)
{
    Fixture &f = fixture();
    editor::PaperEditor model(f.files.root(), paper, f.files.localFolder(QStringLiteral("editor")),
                              f.prompts, f.random);
    if (model.openPaperEditor() != editor::PaperEditor::OpenResult::Opened) {
        state.SkipWithError("the paper did not open");
        return;
    }
    model.showFirstQuestion();
    long writes = 0;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        edit(model, round++);
        store::IoCounters::reset();
        state.ResumeTiming();
        if (!model.savePaperEdits())
            state.SkipWithError("the save failed");
        writes += store::IoCounters::renames.load();
    }
    state.counters["paper_writes"] = double(writes) / double(state.iterations());
}

// OK after the teacher changed one question's text and answer: that document and the
// paper file are written, nothing else.
void BM_SaveEditor(benchmark::State &state)
{
    timeSaves(state, [](editor::PaperEditor &model, int round) {
        model.showQuestion(round % questions + 1);
        testing::writeBytes(model.questionDocument(model.current()),
                            testing::RootBuilder::wordpadRtf(QStringLiteral("改 %1").arg(round)));
        model.setOptionTicked(round % 7 + 1, !model.isOptionTicked(round % 7 + 1));
    });
}

// OK on a paper whose every document is new (a paper written from the pool in one go).
void BM_SaveEditorAllDocuments(benchmark::State &state)
{
    timeSaves(state, [](editor::PaperEditor &model, int) {
        for (int q = 1; q <= questions; ++q) {
            model.showQuestion(q);
            // A new file for every working document, as a pane's save gives it.
            for (const QString &path : {model.questionDocument(q), model.explanationDocument(q)}) {
                const QByteArray bytes = testing::readBytes(path);
                QFile::remove(path);
                testing::writeBytes(path, bytes);
            }
        }
        model.setOptionTicked(1, !model.isOptionTicked(1));
    });
}

// The pool list the way it was specified: each document through the preview pane.
void BM_PoolListThroughPane(benchmark::State &state)
{
    Fixture &f = fixture();
    ui::RichTextPane preview;
    preview.setReadOnly(true);
    for (auto _ : state) {
        store::Paper pool;
        store::PaperFile(f.files.root().paperFile(paper)).loadPaperQuestions(pool);
        QStringList items;
        for (int q = 1; q <= pool.questionCount; ++q) {
            preview.loadFile(f.files.root().paperDocument(paper, pool.questions.at(q).question));
            items.append(preview.plainText());
        }
        benchmark::DoNotOptimize(items.data());
    }
}

void BM_PoolList(benchmark::State &state)
{
    Fixture &f = fixture();
    editor::TestPool pool(f.files.root(), f.prompts);
    for (auto _ : state) {
        pool.choosePaper(paper);
        benchmark::DoNotOptimize(pool.itemTexts().data());
    }
}

} // namespace

BENCHMARK(BM_OpenThroughDocuments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowTwoDocuments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchQuestion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveKeyByKey)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveEditorAllDocuments)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PoolListThroughPane)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PoolList)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return bench::runWithComparisons(
        argc, argv,
        {{"BM_OpenThroughDocuments", "BM_OpenEditor", "faster, and under 300 ms"},
         {"BM_ShowTwoDocuments", "BM_SwitchQuestion",
          "at most twice the two panes' loads, under 30 ms"},
         {"BM_SaveKeyByKey/iterations:3", "BM_SaveEditor",
          "at least 50 times faster, under 200 ms"},
         {"BM_SaveKeyByKey/iterations:3", "BM_SaveEditorAllDocuments/iterations:5",
          "faster, even with every document written"},
         {"BM_PoolListThroughPane", "BM_PoolList", "faster, and under 300 ms"}});
}

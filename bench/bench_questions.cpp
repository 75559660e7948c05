// A question bank of 1,000 Moodle XML questions, 100 of them with a picture, imported into
// a paper and saved, as `teacher import-questions` does it. The baseline is the way the
// same paper came about before: 1,000 questions inserted one by one in the editor and
// saved, the same number of documents and the same paper file. Peak memory is the
// process's maximum resident size after the run.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/paper_editor.h"
#include "questions/question_documents.h"
#include "ratio_reporter.h"
#include "root_builder.h"
#include "scripted_prompts.h"
#include "store/random_source.h"
#include "test_files.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr int bankSize = 1000;
constexpr int pictureEvery = 10;

QByteArray picture(int seed)
{
    // A diagram of the size teachers paste: 480 x 320, lines and a few colours.
    QImage image(480, 320, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(QColor::fromHsv(seed * 37 % 360, 200, 160), 3));
    for (int i = 0; i < 12; ++i)
        painter.drawLine(20 + i * 30, 300, 240 + (seed * i) % 220, 20 + i * 20);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray bank()
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n"
                     "<question type=\"category\"><category><text>$course$/期末</text>"
                     "</category></question>\n";
    for (int q = 1; q <= bankSize; ++q) {
        const bool withPicture = q % pictureEvery == 0;
        xml += "<question type=\"multichoice\"><name><text>第" + QByteArray::number(q) +
               "题</text></name>\n<questiontext format=\"html\"><text><![CDATA[<p>一个正方形的"
               "边长是 <b>4</b> 厘米，它的面积是多少？</p>";
        if (withPicture)
            xml += "<p><img src=\"@@PLUGINFILE@@/figure" + QByteArray::number(q) + ".png\"></p>";
        xml += "]]></text>";
        if (withPicture)
            xml += "<file name=\"figure" + QByteArray::number(q) +
                   ".png\" path=\"/\" encoding=\"base64\">" + picture(q).toBase64() + "</file>";
        xml += "</questiontext>\n<generalfeedback format=\"html\"><text><![CDATA[<p>面积 = 4 × 4 "
               "= 16 平方厘米。</p>]]></text></generalfeedback>\n<defaultgrade>2.0000000"
               "</defaultgrade><single>true</single>\n";
        for (int k = 0; k < 4; ++k)
            xml += "<answer fraction=\"" + QByteArray(k == q % 4 ? "100" : "0") +
                   "\" format=\"html\"><text>" + QByteArray::number(8 + 4 * k) +
                   " 平方厘米</text></answer>\n";
        xml += "</question>\n";
    }
    return xml + "</quiz>\n";
}

struct Fixture
{
    testing::RootBuilder files;
    testing::ScriptedPrompts prompts;
    store::SystemRandom random;
    QString bankFile;
    int paper = 0;

    Fixture()
    {
        files.classes({{QStringLiteral("A1"), 30, 1, 30}});
        bankFile = files.localFolder(QStringLiteral("banks")) + QStringLiteral("/bank.xml");
        testing::writeBytes(bankFile, bank());
    }
    /// A new empty paper for each round, so that every round saves the same.
    QString nextPaper()
    {
        const QString name = QStringLiteral("Paper %1").arg(++paper);
        files.offer(name).paper(name, testing::RootBuilder::settings(name));
        return name;
    }
};

Fixture &fixture()
{
    static Fixture *made = new Fixture;
    return *made;
}

template<typename Fill> void saveNewPaper(benchmark::State &state, Fill fill)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        const QString paper = f.nextPaper();
        state.ResumeTiming();
        editor::PaperEditor model(f.files.root(), paper,
                                  f.files.localFolder(QStringLiteral("editor")), f.prompts,
                                  f.random);
        if (model.openPaperEditor() != editor::PaperEditor::OpenResult::Opened || !fill(model) ||
            !model.savePaperEdits()) {
            state.SkipWithError("the paper was not saved");
            return;
        }
        model.closePaperEditor();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
}

void BM_InsertBlankQuestions(benchmark::State &state)
{
    saveNewPaper(state, [](editor::PaperEditor &model) {
        for (int q = 0; q < bankSize; ++q) {
            if (!model.insertQuestion())
                return false;
        }
        return true;
    });
}

void BM_ImportMoodleBank(benchmark::State &state)
{
    saveNewPaper(state, [](editor::PaperEditor &model) {
        const questions::ImportPlan plan = questions::planImport({fixture().bankFile});
        return plan.questions.size() == bankSize &&
               model.importQuestions(plan.questions, model.questionCount());
    });
}

// Reading the bank alone: the parse, and each question's documents built in memory.
void BM_ReadMoodleBank(benchmark::State &state)
{
    for (auto _ : state) {
        const questions::ImportPlan plan = questions::planImport({fixture().bankFile});
        if (plan.questions.size() != bankSize)
            state.SkipWithError("the bank was not read");
        benchmark::DoNotOptimize(plan.questions.data());
    }
}

BENCHMARK(BM_ReadMoodleBank)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_InsertBlankQuestions)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportMoodleBank)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return bench::runWithComparisons(
        argc, argv,
        {{"BM_InsertBlankQuestions/iterations:3", "BM_ImportMoodleBank/iterations:3",
          "under 2 s for the bank, under 200 MB (peak_MB)"}});
}

// A question switch in the exam window on documents of 200 KB with a picture,
// against loading the same document into a bare pane in the same run.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"
#include "ui/rich_text_pane.h"
#include "student/exam_window.h"

#include "fixed_clock.h"
#include "root_builder.h"
#include "scripted_prompts.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPushButton>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int questionCount = 10;
const QString paper = QStringLiteral("Bench");

// About 200 KB of RTF: a noisy picture (which compresses badly, as photographs do)
// and some twenty paragraphs of text.
QByteArray bigDocument(int seed)
{
    QImage image(200, 150, QImage::Format_RGB32);
    QRandomGenerator random{quint32(seed)};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xff000000u);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs24 ";
    rtf += "Question " + QByteArray::number(seed) + "\\par ";
    rtf += "{\\pict\\pngblip\\picw200\\pich150\\picwgoal3000\\pichgoal2250\r\n" + png.toHex() +
           "}\\par ";
    for (int i = 0; rtf.size() < 200 * 1024; ++i)
        rtf += "Paragraph " + QByteArray::number(i) +
               " {\\b bold} and {\\i italic} words of the question. \\par ";
    return rtf + "}";
}

struct Fixture
{
    testing::RootBuilder files;
    store::DataRoot root = files.root();
    testing::FixedClock clock;
    store::SystemRandom random;
    testing::ScriptedPrompts prompts;
    QStringList documents;

    Fixture()
    {
        QList<store::Question> questions;
        for (int q = 1; q <= questionCount; ++q) {
            const QString name = QStringLiteral("%1.RTF").arg(q);
            files.document(paper, name, bigDocument(q));
            documents.append(root.paperDocument(paper, name));
            questions.append({name, name, QStringLiteral("1"), QString()});
        }
        files
            .paper(paper, {{QStringLiteral("CHANGE_QUESTION_SORT"), QStringLiteral("0")},
                           {QStringLiteral("TESTTIME"), QStringLiteral("60")}})
            .questions(paper, questions);
    }
};

Fixture &fixture()
{
    static Fixture instance;
    return instance;
}

void BM_LoadDocument(benchmark::State &state)
{
    Fixture &f = fixture();
    ui::RichTextPane pane;
    pane.setReadOnly(true);
    pane.resize(900, 400);
    pane.show();
    int i = 0;
    for (auto _ : state) {
        pane.loadFile(f.documents.at(i++ % questionCount));
        QApplication::processEvents();
    }
}

void BM_QuestionSwitch(benchmark::State &state)
{
    Fixture &f = fixture();
    student::ExamWindow window(
        f.root, f.clock, f.random, f.prompts, [] {}, student::ExamWindow::Ticks::Manual,
        f.files.localFolder(QStringLiteral("cache")));
    window.open({paper, QStringLiteral("A1"), QStringLiteral("7"), QStringLiteral("Tom"), QString(),
                 false});
    window.show();
    QApplication::processEvents();
    auto *next = window.findChild<QPushButton *>(QStringLiteral("Command2"));
    auto *previous = window.findChild<QPushButton *>(QStringLiteral("Command1"));
    int step = 0;
    for (auto _ : state) {
        // Forward through the paper and back again, so that every switch loads anew.
        (step++ / (questionCount - 1) % 2 == 0 ? next : previous)->click();
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuestionSwitch)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication app(argc, argv);
    return bench::runWithComparisons(
        argc, argv,
        {{"BM_LoadDocument", "BM_QuestionSwitch", "close to 1: a switch is its document's load"}});
}

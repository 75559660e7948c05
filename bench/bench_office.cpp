// Office output: a paper of 100 questions, each with a picture, printed to .docx,
// and a class of 500 with 100 questions exported to .xlsx, each against LibreOffice
// making a file of the same content from RTF or CSV in the same run (when it is
// installed). Peak memory is measured in a child process that does the work once.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_builder.h"
#include "ratio_reporter.h"
#include "root_builder.h"

#include "office/template_source.h"
#include "teacher/papers/paper_print.h"
#include "teacher/results/results_model.h"
#include "teacher/results/results_workbook.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString paperName = QStringLiteral("Maths");
const QString shipped = QStringLiteral(QUORIN_SOURCE_DIR "/data/sys/");
constexpr int questions = 100;
constexpr int testees = 500;

// A different small chart for every question, as teachers paste them.
QByteArray picture(int q)
{
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::darkBlue, 3));
    for (int i = 0; i < 12; ++i)
        painter.drawLine(20 + i * 24, 180, 20 + i * 24, 180 - ((q * 37 + i * 53) % 160));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray questionBody(int q)
{
    return "\\pard\\f0\\fs24 Question text " + QByteArray::number(q) +
           ": \\u35835?\\u19979?\\u22270?\\u22238?\\u31572?\\u38382?\\u39064?\\par "
           "{\\pict\\pngblip\\picwgoal4800\\pichgoal3000 " +
           picture(q).toHex() + "}\\par A. one\\par B. two\\par C. three\\par D. four\\par ";
}

QByteArray rtfOf(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}" + body +
           "}";
}

struct PaperSetup
{
    testing::RootBuilder root;
    store::PaperSettings row;
    QString combinedRtf;
};

PaperSetup &paperSetup()
{
    static std::unique_ptr<PaperSetup> setup;
    if (!setup) {
        setup = std::make_unique<PaperSetup>();
        setup->root.classes({{QStringLiteral("A1"), 3, 1, 3}}).offer(paperName);
        QList<store::Question> files;
        QByteArray all;
        for (int q = 1; q <= questions; ++q) {
            const QString name = QStringLiteral("%1.RTF").arg(q);
            files.append({name, QString(), QString::number(q % 7 + 1), QString()});
            setup->root.file(QStringLiteral("SHIJUAN/Maths/") + name, rtfOf(questionBody(q)));
            all += questionBody(q);
        }
        setup->root.savedPaper(paperName, files);
        setup->row = store::PaperFile(setup->root.root().paperFile(paperName)).readPaperSettings();
        setup->combinedRtf = setup->root.path() + QStringLiteral("/all/questions.rtf");
        setup->root.file(QStringLiteral("all/questions.rtf"), rtfOf(all));
    }
    return *setup;
}

struct ResultsSetup
{
    QTemporaryDir dir;
    std::unique_ptr<results::ResultsModel> model;
    QString csv;
};

ResultsSetup &resultsSetup()
{
    static std::unique_ptr<ResultsSetup> setup;
    if (!setup) {
        setup = std::make_unique<ResultsSetup>();
        testing::RootBuilder fixture(setup->dir.path());
        QStringList answers;
        for (int q = 1; q <= questions; ++q)
            answers.append(QString::number(q % 7 + 1));
        fixture.keyedPaper(paperName, answers);
        fixture.classes({{QStringLiteral("A1"), testees, 1, testees}});
        QByteArray csv;
        for (int n = 1; n <= testees; ++n) {
            QList<int> given;
            QByteArray line = QByteArray::number(n) + ",张" + QByteArray::number(n) + ",," +
                              QByteArray::number(n % 101);
            for (int q = 1; q <= questions; ++q) {
                given.append((q + n) % 7 + 1);
                line += ',' + QByteArray::number(given.last());
            }
            csv += line + '\n';
            fixture.finishRaw(paperName, QStringLiteral("A1"), n, QStringLiteral("张%1").arg(n),
                              QString::number(n % 101), QStringLiteral("00:10:00"), given);
        }
        setup->model = std::make_unique<results::ResultsModel>(fixture.root());
        setup->model->open();
        setup->model->refreshResults(paperName, QStringLiteral("A1"));
        setup->csv = setup->dir.path() + QStringLiteral("/csv/results.csv");
        QDir().mkpath(setup->dir.path() + QStringLiteral("/csv"));
        QFile file(setup->csv);
        file.open(QIODevice::WriteOnly);
        file.write(csv);
    }
    return *setup;
}

long residentKilobytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

// The peak resident memory, in megabytes, that `work` adds when a child process
// does it once: the child's high-water mark less what it held when it began.
double peakMegabytes(const std::function<void()> &work)
{
    int channel[2];
    if (pipe(channel) != 0)
        return 0;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const long before = residentKilobytes();
        work();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long added = usage.ru_maxrss - before;
        [[maybe_unused]] const ssize_t written = write(channel[1], &added, sizeof added);
        _exit(0);
    }
    close(channel[1]);
    long added = 0;
    const bool read = child > 0 && ::read(channel[0], &added, sizeof added) == sizeof added;
    close(channel[0]);
    int status = 0;
    if (child > 0)
        waitpid(child, &status, 0);
    return read ? double(added) / 1024.0 : 0;
}

bool convertWithLibreOffice(const QString &filter, const QString &file, const QString &outFolder)
{
    QProcess process;
    process.start(office::TemplateSource::officeProgram(),
                  {QStringLiteral("-env:UserInstallation=file://") + QDir::tempPath() +
                       QStringLiteral("/quorin-bench-office-profile"),
                   QStringLiteral("--headless"), QStringLiteral("--norestore"),
                   QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"), outFolder,
                   file});
    return process.waitForFinished(600000) && process.exitCode() == 0;
}

void BM_PrintPaper(benchmark::State &state)
{
    PaperSetup &setup = paperSetup();
    const auto build = [&] {
        return papers::PaperPrint::build(setup.root.root(), paperName, setup.row,
                                         papers::Explanations::Leave,
                                         shipped + QStringLiteral("paper.dotx"));
    };
    qint64 size = 0;
    for (auto _ : state) {
        const office::Result<QByteArray> document = build();
        if (!document) {
            state.SkipWithError(qPrintable(document.reason()));
            return;
        }
        size = document->size();
    }
    state.counters["docx_KB"] = double(size) / 1024.0;
    state.counters["peak_MB"] = peakMegabytes([&] { benchmark::DoNotOptimize(build()); });
}

void BM_LibreOfficeConvertsQuestions(benchmark::State &state)
{
    if (office::TemplateSource::officeProgram().isEmpty()) {
        state.SkipWithError("LibreOffice is not installed");
        return;
    }
    PaperSetup &setup = paperSetup();
    const QString out = setup.root.path() + QStringLiteral("/lo");
    // A first run makes the profile, which every later run finds.
    convertWithLibreOffice(QStringLiteral("docx"), setup.combinedRtf, out);
    for (auto _ : state) {
        if (!convertWithLibreOffice(QStringLiteral("docx:MS Word 2007 XML"), setup.combinedRtf,
                                    out)) {
            state.SkipWithError("LibreOffice failed");
            return;
        }
    }
}

void BM_ExportResults(benchmark::State &state)
{
    ResultsSetup &setup = resultsSetup();
    const auto build = [&] {
        return results::ResultsWorkbook::build(*setup.model,
                                               shipped + QStringLiteral("score.xltx"));
    };
    qint64 size = 0;
    for (auto _ : state) {
        const office::Result<QByteArray> workbook = build();
        if (!workbook) {
            state.SkipWithError(qPrintable(workbook.reason()));
            return;
        }
        size = workbook->size();
    }
    state.counters["xlsx_KB"] = double(size) / 1024.0;
    state.counters["peak_MB"] = peakMegabytes([&] { benchmark::DoNotOptimize(build()); });
}

void BM_LibreOfficeConvertsResultsCsv(benchmark::State &state)
{
    if (office::TemplateSource::officeProgram().isEmpty()) {
        state.SkipWithError("LibreOffice is not installed");
        return;
    }
    ResultsSetup &setup = resultsSetup();
    const QString out = setup.dir.path() + QStringLiteral("/lo");
    convertWithLibreOffice(QStringLiteral("xlsx"), setup.csv, out);
    for (auto _ : state) {
        if (!convertWithLibreOffice(QStringLiteral("xlsx:Calc MS Excel 2007 XML"), setup.csv,
                                    out)) {
            state.SkipWithError("LibreOffice failed");
            return;
        }
    }
}

} // namespace

BENCHMARK(BM_PrintPaper)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LibreOfficeConvertsQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);
BENCHMARK(BM_ExportResults)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LibreOfficeConvertsResultsCsv)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return bench::runWithComparisons(argc, argv,
                                     {{"BM_LibreOfficeConvertsQuestions/iterations:2/real_time",
                                       "BM_PrintPaper/real_time", "at least 10 times faster"},
                                      {"BM_LibreOfficeConvertsResultsCsv/iterations:2/real_time",
                                       "BM_ExportResults/real_time", "at least 10 times faster"}});
}

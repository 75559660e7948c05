// The results view's refresh and sorts on a class of 500 and a paper of 100
// questions, against reading the same values one key at a time.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"
#include "root_builder.h"
#include "teacher/results/item_analysis.h"
#include "teacher/results/order_by_keys.h"
#include "teacher/results/results_model.h"

#include "store/numeric.h"
#include "store/profile_file.h"
#include "store/roster.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString paper = QStringLiteral("Maths");
const QString className = QStringLiteral("A1");
constexpr int questions = 100;

// One data root per class size, made once: every other testee finished, every
// fourth still in the test, the rest never started (no file).
QString dataRoot(int testees)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> roots;
    auto &dir = roots[testees];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        testing::RootBuilder fixture(dir->path());
        QStringList answers;
        for (int q = 1; q <= questions; ++q)
            answers.append(QString::number(q % 7 + 1));
        fixture.keyedPaper(paper, answers);
        fixture.classes({{className, testees, 1, testees}});
        for (int n = 1; n <= testees; ++n) {
            if (n % 4 == 3)
                continue;
            QList<int> given;
            for (int q = 1; q <= questions; ++q)
                given.append((q + n) % 7 + 1);
            const QString time2 =
                n % 2 ? QStringLiteral("00:%1:00").arg(n % 60, 2, 10, QChar(u'0')) : QString();
            fixture.finishRaw(paper, className, n, QStringLiteral("张%1").arg(n),
                              n % 2 ? QString::number(n % 101) : QStringLiteral("-1"), time2,
                              given);
        }
    }
    return dir->path();
}

// The same values read as one profile read per key, each resolving its path.
double readKeyByKey(const store::DataRoot &root)
{
    const store::ProfileFile roster(root.rosterFile());
    const int first =
        store::wholeNumber(roster.readValue(u"FirstNumber", className, QStringLiteral("0")));
    const int last =
        store::wholeNumber(roster.readValue(u"LastNumber", className, QStringLiteral("0")));
    benchmark::DoNotOptimize(roster.readValue(u"ClassCount", className, QStringLiteral("0")));
    const store::ProfileFile paperFile(root.paperFile(paper));
    const int count =
        store::wholeNumber(paperFile.readValue(u"MAIN", u"Question_conut", QStringLiteral("0")));
    for (const char16_t *grade : {u"A_grade", u"B_grade", u"C_grade", u"D_grade"})
        benchmark::DoNotOptimize(
            paperFile.readValue(u"MAIN", QStringView(grade), QStringLiteral("0")));
    for (int q = 1; q <= count; ++q)
        benchmark::DoNotOptimize(paperFile.readValue(QString::number(q), u"ANSWER"));
    double sum = 0;
    for (int n = first; n <= last; ++n) {
        const QString number = QString::number(n);
        const store::ProfileFile record(root.recordFile(paper, className, number));
        benchmark::DoNotOptimize(record.readValue(className, number));
        benchmark::DoNotOptimize(record.readValue(className, QString(number + u"LAST")));
        sum += store::numericValue(
            record.readValue(className, QString(number + u"DF"), QStringLiteral("-1")));
        benchmark::DoNotOptimize(record.readValue(className, QString(number + u"TIME2")));
        benchmark::DoNotOptimize(record.readValue(className, QString(number + u"DA")));
        for (int q = 1; q <= count; ++q)
            sum += store::numericValue(
                record.readValue(className, QString(number + u"DA" + QString::number(q))));
    }
    return sum;
}

void BM_RefreshKeyByKey(benchmark::State &state)
{
    const store::DataRoot root(dataRoot(int(state.range(0))));
    store::IoCounters::reset();
    for (auto _ : state)
        benchmark::DoNotOptimize(readKeyByKey(root));
    state.counters["opens"] = double(store::IoCounters::opens.load()) / double(state.iterations());
}

// Today's full refresh: every record file read.
void BM_Refresh(benchmark::State &state)
{
    const store::DataRoot root(dataRoot(int(state.range(0))));
    results::ResultsModel model(root);
    store::IoCounters::reset();
    for (auto _ : state) {
        model.apply(results::ResultsReader::read(root, paper, className));
        benchmark::DoNotOptimize(model.summary().sum());
    }
    state.counters["opens"] = double(store::IoCounters::opens.load()) / double(state.iterations());
    state.counters["record_files"] = double(state.range(0) - state.range(0) / 4);
}

// An automatic refresh in which ten testees saved or finished since the last one.
void BM_RefreshTenChanged(benchmark::State &state)
{
    const int testees = int(state.range(0));
    const store::DataRoot root(dataRoot(testees));
    testing::RootBuilder fixture(root.path());
    // Files written a while ago have settled: a refresh may keep what it read of them.
    const auto age = [](const QString &path) {
        QFile file(path);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600),
                             QFileDevice::FileModificationTime);
    };
    QDir folder(root.recordFolder(paper));
    for (const QString &name : folder.entryList(QDir::Files))
        age(folder.filePath(name));
    age(root.rosterFile());
    age(root.paperFile(paper));
    results::ResultsModel model(root);
    model.refreshResults(paper, className);

    QList<int> given;
    for (int q = 1; q <= questions; ++q)
        given.append(q % 7 + 1);
    int next = 1;
    long opens = 0;
    long listings = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int changed = 0; changed < 10; ++changed) {
            while (next % 4 == 3)
                next = next % testees + 1;
            fixture.finishRaw(paper, className, next, QStringLiteral("张%1").arg(next),
                              QString::number(next % 89), QStringLiteral("00:00:01"), given);
            age(root.recordFile(paper, className, QString::number(next)));
            next = next % testees + 1;
        }
        store::IoCounters::reset();
        state.ResumeTiming();
        model.refreshResults(paper, className);
        benchmark::DoNotOptimize(model.summary().sum());
        opens += store::IoCounters::opens.load();
        listings += store::IoCounters::listings.load();
    }
    state.counters["opens"] = double(opens) / double(state.iterations());
    state.counters["listings"] = double(listings) / double(state.iterations());
}

// What stays on the window's thread when the files are read off it.
void BM_ApplyOnly(benchmark::State &state)
{
    const store::DataRoot root(dataRoot(int(state.range(0))));
    const results::ResultsInput input = results::ResultsReader::read(root, paper, className);
    results::ResultsModel model(root);
    for (auto _ : state) {
        model.apply(input);
        benchmark::DoNotOptimize(model.rebuildTesteeLists().left.data());
    }
}

// The item analysis of a refresh: 500 scored testees (of 2000 numbers) x 100 questions,
// from the refresh's data alone.
void BM_Analysis(benchmark::State &state)
{
    const store::DataRoot root(dataRoot(2000));
    const QList<results::ResultsInput> refresh{
        results::ResultsReader::read(root, paper, className)};
    store::IoCounters::reset();
    for (auto _ : state) {
        const results::ItemAnalysis analysis =
            results::ItemAnalysis::compute(results::AnalysisInput::fromRefreshes(refresh));
        benchmark::DoNotOptimize(analysis.test().alpha);
    }
    state.counters["opens"] = double(store::IoCounters::opens.load()) / double(state.iterations());
    state.counters["testees"] =
        double(results::AnalysisInput::fromRefreshes(refresh).testees.size());
}

// The order users know, as a plain selection: the quadratic baseline of the sorts.
QList<int> selectionOrder(const QList<double> &keys)
{
    QList<int> order;
    QList<bool> taken(keys.size(), false);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        qsizetype best = -1;
        for (qsizetype p = 0; p < keys.size(); ++p) {
            if (!taken[p] && (best < 0 || keys[p] >= keys[best]))
                best = p;
        }
        taken[best] = true;
        order.append(int(best + 1));
    }
    return order;
}

void BM_SortTestees(benchmark::State &state)
{
    const store::DataRoot root(dataRoot(500));
    results::ResultsModel model(root);
    model.refreshResults(paper, className);
    const auto column = results::TesteeColumn(state.range(0));
    for (auto _ : state) {
        model.sortTestees(column);
        benchmark::DoNotOptimize(model.testeeOrder().data());
    }
    state.SetLabel(
        std::array{"Number", "Name", "Score", "Sort", "Surplus time"}[size_t(state.range(0))]);
}

void BM_SortScoresBySelection(benchmark::State &state)
{
    const store::DataRoot root(dataRoot(500));
    results::ResultsModel model(root);
    model.refreshResults(paper, className);
    QList<double> keys;
    for (const results::ResultRow &row : model.resultTable().rows())
        keys.append(store::numericValue(row.score));
    for (auto _ : state)
        benchmark::DoNotOptimize(selectionOrder(keys).data());
}

} // namespace

BENCHMARK(BM_RefreshKeyByKey)->Arg(500)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Refresh)->Arg(300)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Analysis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshTenChanged)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyOnly)->Arg(300)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortTestees)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortScoresBySelection)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return bench::runWithComparisons(
        argc, argv,
        {{"BM_RefreshKeyByKey/500/iterations:1", "BM_Refresh/500", "at least 20 times faster"},
         {"BM_Refresh/500", "BM_RefreshTenChanged/500",
          "one listing and 10 opens instead of 375, at least 5 times faster"},
         {"BM_Refresh/2000", "BM_Analysis",
          "the analysis of a refresh costs less than the refresh (500 x 100: under 20 ms)"},
         {"BM_SortScoresBySelection", "BM_SortTestees/2",
          "an n log n sort, faster than the selection"}});
}

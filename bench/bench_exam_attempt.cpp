// The two big writes of an attempt on a 200-question paper: the autosave (402
// keys) and the finish (202 keys), each against the same keys written one by one.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"
#include "student/exam_attempt.h"

#include "store/profile_file.h"
#include "fixed_clock.h"
#include "root_builder.h"
#include "scripted_prompts.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

constexpr int questionCount = 200;
const QString paper = QStringLiteral("Bench");

struct Fixture
{
    testing::RootBuilder files;
    store::DataRoot root = files.root();
    testing::FixedClock clock;
    store::SystemRandom random;
    testing::ScriptedPrompts prompts;

    Fixture()
    {
        QList<store::Question> questions;
        for (int q = 1; q <= questionCount; ++q)
            questions.append({QStringLiteral("%1.RTF").arg(10000 + q),
                              QStringLiteral("%1.RTF").arg(20000 + q), QString::number(q % 7 + 1),
                              QString()});
        files
            .paper(paper, {{QStringLiteral("TESTTIME"), QStringLiteral("90")},
                           {QStringLiteral("Mark"), QStringLiteral("1")}})
            .questions(paper, questions);
    }

    std::unique_ptr<student::ExamAttempt> start()
    {
        auto attempt = std::make_unique<student::ExamAttempt>(
            root, clock, random, prompts, [] {}, files.localFolder(QStringLiteral("cache")));
        attempt->startAttempt({paper, QStringLiteral("A1"), QStringLiteral("7"),
                               QStringLiteral("Tom"), QString(), false});
        for (int p = 1; p <= questionCount; ++p) {
            attempt->goToPosition(p);
            std::array<bool, 7> chosen{};
            chosen[size_t(p % 7)] = true;
            attempt->registerAnswer(chosen);
        }
        return attempt;
    }

    QString recordFile() const
    {
        return root.recordFile(paper, QStringLiteral("A1"), QStringLiteral("7"));
    }
};

Fixture &fixture()
{
    static Fixture instance;
    return instance;
}

void report(benchmark::State &state, std::chrono::nanoseconds measured)
{
    using Counter = benchmark::Counter;
    state.counters["opens"] = Counter(double(store::IoCounters::opens), Counter::kAvgIterations);
    state.counters["renames"] =
        Counter(double(store::IoCounters::renames), Counter::kAvgIterations);
    state.counters["locks"] = Counter(double(store::IoCounters::locks), Counter::kAvgIterations);
    state.counters["us_per_step"] = double(measured.count()) / double(state.iterations()) / 1000.0;
}

// The keys of an autosave (2N + 2) or a finish (N + 2), each written on its own:
// what every step would cost without batches.
void writeKeyByKey(const QString &file, const QStringList &suffixes, int round)
{
    const store::ProfileFile record(file);
    for (const QString &suffix : suffixes)
        record.writeValue(QStringLiteral("A1"), QStringLiteral("7") + suffix,
                          QString::number(round));
}

QStringList autosaveKeys()
{
    QStringList keys{QStringLiteral("TIME"), QStringLiteral("DangQian")};
    for (int q = 1; q <= questionCount; ++q)
        keys.append(QStringLiteral("DA%1").arg(q));
    for (int i = 1; i <= questionCount; ++i)
        keys.append(QStringLiteral("SX%1").arg(i));
    return keys;
}

QStringList finishKeys()
{
    QStringList keys{QStringLiteral("TIME2")};
    for (int q = 1; q <= questionCount; ++q)
        keys.append(QStringLiteral("DA%1").arg(q));
    keys.append(QStringLiteral("DF"));
    return keys;
}

void BM_AutosaveKeyByKey(benchmark::State &state)
{
    Fixture &f = fixture();
    f.start()->autosave();
    const QStringList keys = autosaveKeys();
    store::IoCounters::reset();
    std::chrono::nanoseconds measured{0};
    int round = 0;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        writeKeyByKey(f.recordFile(), keys, ++round);
        measured += std::chrono::steady_clock::now() - begin;
    }
    report(state, measured);
}

void BM_Autosave(benchmark::State &state)
{
    Fixture &f = fixture();
    const auto attempt = f.start();
    store::IoCounters::reset();
    std::chrono::nanoseconds measured{0};
    for (auto _ : state) {
        attempt->countdownTick(); // a new time, so that every autosave rewrites the file
        const auto begin = std::chrono::steady_clock::now();
        attempt->autosave();
        measured += std::chrono::steady_clock::now() - begin;
    }
    report(state, measured);
}

void BM_FinishKeyByKey(benchmark::State &state)
{
    Fixture &f = fixture();
    f.start()->autosave();
    const QStringList keys = finishKeys();
    store::IoCounters::reset();
    std::chrono::nanoseconds measured{0};
    int round = 0;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        writeKeyByKey(f.recordFile(), keys, ++round);
        measured += std::chrono::steady_clock::now() - begin;
    }
    report(state, measured);
}

void BM_Finish(benchmark::State &state)
{
    Fixture &f = fixture();
    std::chrono::nanoseconds measured{0};
    long opens = 0, renames = 0, locks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto attempt = f.start();
        attempt->countdownTick();
        f.prompts.clear();
        store::IoCounters::reset();
        state.ResumeTiming();
        const auto begin = std::chrono::steady_clock::now();
        attempt->finishAttempt();
        measured += std::chrono::steady_clock::now() - begin;
        opens += store::IoCounters::opens;
        renames += store::IoCounters::renames;
        locks += store::IoCounters::locks;
    }
    store::IoCounters::opens = opens;
    store::IoCounters::renames = renames;
    store::IoCounters::locks = locks;
    report(state, measured);
}

} // namespace

BENCHMARK(BM_AutosaveKeyByKey)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Autosave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinishKeyByKey)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Finish)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::runWithComparisons(argc, argv,
                                     {{"BM_AutosaveKeyByKey/iterations:2", "BM_Autosave",
                                       "one lock, one read and one rename per step"},
                                      {"BM_FinishKeyByKey/iterations:2", "BM_Finish",
                                       "one lock, one read and one rename per step"}});
}

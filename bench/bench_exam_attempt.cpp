// The two big writes of an attempt on a 200-question paper: the autosave (402
// keys) and the finish (202 keys), each against one single-key write of the same
// record file measured in the same run.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "student/exam_attempt.h"

#include "store/profile_file.h"
#include "ui/scripted_prompts.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

constexpr int questionCount = 200;
const QString paper = QStringLiteral("Bench");

class FixedClock final : public store::Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2004, 5, 12), QTime(9, 30, 0)); }
};

struct Fixture
{
    QTemporaryDir dir;
    store::DataRoot root{dir.path()};
    FixedClock clock;
    store::SystemRandom random;
    ui::ScriptedPrompts prompts;

    Fixture()
    {
        QDir().mkpath(dir.filePath(QStringLiteral("SHIJUAN/") + paper));
        QDir().mkpath(dir.filePath(QStringLiteral("CHENGJI/") + paper));
        store::ProfileBatch batch;
        batch.set(QStringLiteral("MAIN"), QStringLiteral("Question_conut"), QString::number(questionCount));
        batch.set(QStringLiteral("MAIN"), QStringLiteral("TESTTIME"), QStringLiteral("90"));
        batch.set(QStringLiteral("MAIN"), QStringLiteral("Mark"), QStringLiteral("1"));
        for (int q = 1; q <= questionCount; ++q) {
            const QString section = QString::number(q);
            batch.set(section, QStringLiteral("QUESTION"), QStringLiteral("%1.RTF").arg(10000 + q));
            batch.set(section, QStringLiteral("explain"), QStringLiteral("%1.RTF").arg(20000 + q));
            batch.set(section, QStringLiteral("answer"), QString::number(q % 7 + 1));
            batch.set(section, QStringLiteral("mark"), QString());
        }
        store::ProfileFile(root.paperFile(paper)).apply(batch);
    }

    std::unique_ptr<student::ExamAttempt> start()
    {
        auto attempt = std::make_unique<student::ExamAttempt>(root, clock, random, prompts, [] {},
                                                              dir.filePath(QStringLiteral("cache")));
        attempt->startAttempt({paper, QStringLiteral("A1"), QStringLiteral("7"), QStringLiteral("Tom"),
                               QString(), false});
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

double baselineNs = 0;

void report(benchmark::State &state, std::chrono::nanoseconds measured)
{
    const double perStep = double(measured.count()) / double(state.iterations());
    using Counter = benchmark::Counter;
    state.counters["opens"] = Counter(double(store::IoCounters::opens), Counter::kAvgIterations);
    state.counters["renames"] = Counter(double(store::IoCounters::renames), Counter::kAvgIterations);
    state.counters["locks"] = Counter(double(store::IoCounters::locks), Counter::kAvgIterations);
    state.counters["us_per_step"] = perStep / 1000.0;
    if (baselineNs > 0)
        state.counters["x_one_key"] = perStep / baselineNs;
}

// The baseline: one key written into the record as it stands after an autosave.
void BM_OneKeyWrite(benchmark::State &state)
{
    Fixture &f = fixture();
    f.start()->autosave();
    const store::ProfileFile record(f.recordFile());
    store::IoCounters::reset();
    std::chrono::nanoseconds measured{0};
    int i = 0;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        record.writeValue(QStringLiteral("A1"), QStringLiteral("7LAST"), QString::number(++i));
        measured += std::chrono::steady_clock::now() - begin;
    }
    baselineNs = double(measured.count()) / double(state.iterations());
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

BENCHMARK(BM_OneKeyWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Autosave)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Finish)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();

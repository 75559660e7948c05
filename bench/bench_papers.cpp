// Opening "Manage paper" on 500 papers and saving it again, against reading every
// value with its own profile read as the window once did.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"
#include "store/data_root.h"
#include "store/profile_file.h"
#include "store/roster.h"
#include "teacher/papers/paper_list.h"
#include "root_builder.h"
#include "scripted_prompts.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int papers = 500;

QString paperName(int p)
{
    return QStringLiteral("期中 %1").arg(p);
}

// A data root of 500 papers, each with its settings and the editor's three keys.
const store::DataRoot &dataRoot()
{
    static const store::DataRoot root = [] {
        static testing::RootBuilder files;
        for (int p = 1; p <= papers; ++p) {
            const QString name = paperName(p);
            files.offer(name, QString::number(p % 2))
                .paper(name, testing::RootBuilder::settings(name))
                .questions(name, QList<store::Question>(20))
                .marks(name, 5);
        }
        return files.root();
    }();
    return root;
}

void BM_OpenPaperList(benchmark::State &state)
{
    const store::DataRoot &root = dataRoot();
    testing::ScriptedPrompts prompts;
    store::IoCounters::reset();
    for (auto _ : state) {
        teacher::PaperList list(root, prompts);
        list.open();
        benchmark::DoNotOptimize(list.count());
    }
    state.counters["opens_per_open"] =
        double(store::IoCounters::opens.load()) / double(state.iterations());
}
BENCHMARK(BM_OpenPaperList)->Unit(benchmark::kMillisecond);

// Every value with a read of its own: the count, each name and flag from the roster,
// fifteen keys of each paper file.
void BM_OpenOneValueAtATime(benchmark::State &state)
{
    const store::DataRoot &root = dataRoot();
    static const char16_t *keys[] = {u"TESTTIME",
                                     u"full_mark",
                                     u"EXERCISEMODE",
                                     u"RETESTPASSWD",
                                     u"RELOGINPASSWD",
                                     u"DISPLAY_SCORE",
                                     u"CHANGE_QUESTION_SORT",
                                     u"A_grade",
                                     u"B_grade",
                                     u"C_grade",
                                     u"D_grade",
                                     u"Question_conut",
                                     u"Author",
                                     u"Mark",
                                     u"about_test"};
    const QString zero = QStringLiteral("0");
    store::IoCounters::reset();
    for (auto _ : state) {
        const store::ProfileFile roster(root.rosterFile());
        const int count = roster.readValue(u"TestName", u"TestNameCount", zero).toInt();
        qsizetype total = 0;
        for (int p = 1; p <= count; ++p) {
            const QString name = roster.readValue(u"TestName", QString::number(p), zero);
            total += roster.readValue(u"TestName", name, zero).size();
            for (const char16_t *key : keys)
                total +=
                    store::ProfileFile(root.paperFile(name)).readValue(u"MAIN", key, zero).size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["opens_per_open"] =
        double(store::IoCounters::opens.load()) / double(state.iterations());
}
BENCHMARK(BM_OpenOneValueAtATime)->Unit(benchmark::kMillisecond)->Iterations(1);

// Save: the roster as one write, each paper's settings as one write.
void BM_CommitPaperList(benchmark::State &state)
{
    const store::DataRoot &root = dataRoot();
    testing::ScriptedPrompts prompts;
    teacher::PaperList list(root, prompts);
    list.open();
    int round = 0;
    store::IoCounters::reset();
    for (auto _ : state) {
        // A changed test time on every paper, so that every file is rewritten.
        for (int p = 1; p <= papers; ++p) {
            list.select(p);
            list.editNumber(teacher::PaperColumn::TestTime, QString::number(30 + round % 2));
        }
        ++round;
        if (!list.commitPaperList())
            state.SkipWithError("the commit failed");
    }
    state.counters["renames_per_paper"] =
        double(store::IoCounters::renames.load()) / double(state.iterations() * papers);
}
BENCHMARK(BM_CommitPaperList)->Unit(benchmark::kMillisecond)->Iterations(5);

// The usual Save: one paper's settings changed, the other files hold what is written.
void BM_CommitOneChange(benchmark::State &state)
{
    const store::DataRoot &root = dataRoot();
    testing::ScriptedPrompts prompts;
    teacher::PaperList list(root, prompts);
    list.open();
    list.select(papers / 2);
    int round = 0;
    store::IoCounters::reset();
    for (auto _ : state) {
        list.editNumber(teacher::PaperColumn::AGrade, QString::number(90 + round++ % 5));
        if (!list.commitPaperList())
            state.SkipWithError("the commit failed");
    }
    state.counters["renames_per_commit"] =
        double(store::IoCounters::renames.load()) / double(state.iterations());
}
BENCHMARK(BM_CommitOneChange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWithComparisons(
        argc, argv,
        {{"BM_OpenOneValueAtATime/iterations:1", "BM_OpenPaperList", "at least 10 times faster"}});
}

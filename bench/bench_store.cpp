// The store's two hot paths: reading every record of a class for the results
// window, and writing an autosave. Each against the one-value-at-a-time way.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"
#include "store/data_root.h"
#include "store/profile_file.h"
#include "store/result_record.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace store;

namespace {

constexpr int testees = 500;
constexpr int questions = 100;

// A class of 500 finished testees on a paper of 100 questions.
struct ClassRecords
{
    QTemporaryDir dir;
    DataRoot root;
    QStringList files;

    ClassRecords()
        : root(dir.path())
    {
        QDir().mkpath(dir.filePath(QStringLiteral("CHENGJI/Maths")));
        QList<AnswerCode> answers;
        QList<int> order;
        for (int q = 1; q <= questions; ++q) {
            answers.append(AnswerCode(q % 7 + 1));
            order.append(questions + 1 - q);
        }
        for (int n = 1; n <= testees; ++n) {
            const ResultRecord record(root, QStringLiteral("Maths"), QStringLiteral("A1"),
                                      QString::number(n));
            record.writeAdmission(QStringLiteral("张%1").arg(n), QStringLiteral("三"));
            record.writeStart(QStringLiteral("2004,05,12  09:30:00"));
            record.writeAutosave(QStringLiteral("00:10:00"), 3, answers, order);
            record.writeFinish(QStringLiteral("00:09:12"), answers, n % 100);
            files.append(record.file());
        }
    }
};

ClassRecords &records()
{
    static ClassRecords instance;
    return instance;
}

QStringList recordKeys(int n)
{
    const QString number = QString::number(n);
    QStringList keys{number, number + u"LAST", number + u"DF", number + u"TIME2", number + u"DA"};
    for (int q = 1; q <= questions; ++q)
        keys.append(number + u"DA" + QString::number(q));
    return keys;
}

void BM_RefreshSnapshots(benchmark::State &state)
{
    ClassRecords &data = records();
    IoCounters::reset();
    for (auto _ : state) {
        qsizetype total = 0;
        for (int n = 1; n <= testees; ++n) {
            const ProfileSnapshot record = ProfileFile(data.files.at(n - 1)).read();
            for (const QString &key : recordKeys(n))
                total += record.value(u"A1", key).size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["opens_per_file"] =
        double(IoCounters::opens.load()) / double(state.iterations() * testees);
}
BENCHMARK(BM_RefreshSnapshots)->Unit(benchmark::kMillisecond);

void BM_RefreshOneValueAtATime(benchmark::State &state)
{
    ClassRecords &data = records();
    IoCounters::reset();
    for (auto _ : state) {
        qsizetype total = 0;
        for (int n = 1; n <= testees; ++n) {
            const ProfileFile file(data.files.at(n - 1));
            for (const QString &key : recordKeys(n))
                total += file.readValue(u"A1", key).size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["opens_per_file"] =
        double(IoCounters::opens.load()) / double(state.iterations() * testees);
}
BENCHMARK(BM_RefreshOneValueAtATime)->Unit(benchmark::kMillisecond)->Iterations(1);

QList<AnswerCode> autosaveAnswers(int round)
{
    QList<AnswerCode> answers;
    for (int q = 1; q <= questions; ++q)
        answers.append(AnswerCode((q + round) % 7 + 1));
    return answers;
}

void BM_AutosaveBatch(benchmark::State &state)
{
    QTemporaryDir dir;
    const DataRoot root(dir.path());
    QDir().mkpath(dir.filePath(QStringLiteral("CHENGJI/Maths")));
    const ResultRecord record(root, QStringLiteral("Maths"), QStringLiteral("A1"),
                              QStringLiteral("7"));
    QList<int> order;
    for (int i = 1; i <= questions; ++i)
        order.append(i);
    int round = 0;
    IoCounters::reset();
    for (auto _ : state) {
        const int position = round % questions + 1;
        record.writeAutosave(QStringLiteral("00:29:00"), position, autosaveAnswers(round++), order);
    }
    state.counters["renames_per_step"] =
        double(IoCounters::renames.load()) / double(state.iterations());
    state.counters["locks_per_step"] =
        double(IoCounters::locks.load()) / double(state.iterations());
}
BENCHMARK(BM_AutosaveBatch)->Unit(benchmark::kMillisecond);

void BM_AutosaveSingleWrites(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A17.cho"));
    const ProfileFile file(path);
    int round = 0;
    for (auto _ : state) {
        const QList<AnswerCode> answers = autosaveAnswers(round++);
        file.writeValue(QStringLiteral("A1"), QStringLiteral("7TIME"), QStringLiteral("00:29:00"));
        file.writeValue(QStringLiteral("A1"), QStringLiteral("7DangQian"),
                        QString::number(round % questions + 1));
        for (int q = 1; q <= questions; ++q)
            file.writeValue(QStringLiteral("A1"), QStringLiteral("7DA%1").arg(q),
                            answers.at(q - 1).toText());
        for (int i = 1; i <= questions; ++i)
            file.writeValue(QStringLiteral("A1"), QStringLiteral("7SX%1").arg(i),
                            QString::number(i));
    }
}
BENCHMARK(BM_AutosaveSingleWrites)->Unit(benchmark::kMillisecond)->Iterations(3);

// What any student can put in the results folder: just under the 16 MiB a reader
// accepts, all tiny sections. A reader refuses it (too many sections) in about the
// time it takes to read its bytes, with little memory (see tst_profile_concurrency).
struct HostileFile
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("A17.cho"));

    HostileFile()
    {
        QByteArray bytes;
        bytes.reserve(16770000 + 32);
        for (int i = 0; bytes.size() < 16770000; ++i)
            bytes += '[' + QByteArray::number(i) + "]\r\n";
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
};

HostileFile &hostileFile()
{
    static HostileFile instance;
    return instance;
}

void BM_ReadBytesOfHostileFile(benchmark::State &state)
{
    for (auto _ : state) {
        QFile file(hostileFile().path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().size());
    }
}
BENCHMARK(BM_ReadBytesOfHostileFile)->Unit(benchmark::kMillisecond);

void BM_ReadHostileFile(benchmark::State &state)
{
    for (auto _ : state) {
        const ProfileSnapshot snapshot = ProfileFile(hostileFile().path).read();
        if (snapshot.status() != ReadStatus::TooLarge)
            state.SkipWithError("the file was not refused");
    }
}
BENCHMARK(BM_ReadHostileFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWithComparisons(
        argc, argv,
        {{"BM_RefreshOneValueAtATime/iterations:1", "BM_RefreshSnapshots",
          "at least 20 times faster"},
         {"BM_AutosaveSingleWrites/iterations:3", "BM_AutosaveBatch", "at least 50 times faster"},
         {"BM_ReadBytesOfHostileFile", "BM_ReadHostileFile",
          "no less than 0.1 (refused within 10 times the time of reading its bytes; under 1 s)"}});
}

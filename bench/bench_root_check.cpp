// `teacher check` on a school's data root (40 papers of 20 questions, 100 records
// each), against the least any check must do: read every profile file once and open
// every document once.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"
#include "teacher/setup/root_check.h"

#include "store/folder_index.h"
#include "store/profile_file.h"
#include "store/roster.h"
#include "root_builder.h"
#include "test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

constexpr int paperCount = 40;
constexpr int questionCount = 20;
constexpr int testeesPerClass = 50;

struct SchoolRoot
{
    testing::RootBuilder files;
    store::DataRoot root = files.root();

    SchoolRoot()
    {
        QString roster = QStringLiteral("[ClassName]\nClassNameCount=2\n1=A1\n2=B2\n[FirstNumber]\n"
                                        "A1=1\nB2=101\n[LastNumber]\nA1=50\nB2=150\n"
                                        "[TestName]\nTestNameCount=%1\n")
                             .arg(paperCount);
        for (int p = 1; p <= paperCount; ++p)
            roster += QStringLiteral("%1=Paper %1\n").arg(p);
        files.roster(roster);

        for (int p = 1; p <= paperCount; ++p) {
            const QString paper = QStringLiteral("Paper %1").arg(p);
            QList<store::Question> questions;
            for (int q = 1; q <= questionCount; ++q) {
                questions.append({QStringLiteral("%1.RTF").arg(q * 2),
                                  QStringLiteral("%1.RTF").arg(q * 2 + 1), QStringLiteral("1"),
                                  QString()});
                files.document(paper, questions.last().question, "{\\rtf1 q}")
                    .document(paper, questions.last().explain, "{\\rtf1 e}");
            }
            files
                .paper(paper, {{QStringLiteral("Question_conut"), QString::number(questionCount)},
                               {QStringLiteral("Mark"), QStringLiteral("5")}})
                .questions(paper, questions, testing::QuestionCount::Left);
            for (const auto &[cls, first] : {std::pair{"A1", 1}, std::pair{"B2", 101}}) {
                for (int n = first; n < first + testeesPerClass; ++n) {
                    const QByteArray key = QByteArray::number(n);
                    QByteArray record = QByteArray("[") + cls + "]\r\n" + key + "=Name\r\n" + key +
                                        "LAST=\r\n" + key + "TIME1=2026,12,01  09:00:00\r\n";
                    for (int q = 1; q <= questionCount; ++q)
                        record += key + "DA" + QByteArray::number(q) + "=1\r\n" + key + "SX" +
                                  QByteArray::number(q) + "=" + QByteArray::number(q) + "\r\n";
                    testing::writeBytes(
                        root.recordFile(paper, QString::fromLatin1(cls), QString::number(n)),
                        record);
                }
            }
        }
    }
};

SchoolRoot &school()
{
    static SchoolRoot root;
    return root;
}

void BM_ReadEveryFileOnce(benchmark::State &state)
{
    const store::DataRoot &root = school().root;
    for (auto _ : state) {
        const QStringList papers = store::Roster(root).readPaperList();
        qint64 files = 0;
        for (const QString &paper : papers) {
            const store::ProfileSnapshot snapshot =
                store::ProfileFile(root.paperFile(paper)).read();
            const store::FolderIndex documents(root.paperFolder(paper));
            for (int q = 1; q <= questionCount; ++q) {
                for (const char16_t *key : {u"QUESTION", u"explain"}) {
                    QFile document(documents.find(snapshot.value(QString::number(q), key)));
                    files += document.open(QIODevice::ReadOnly) ? 1 : 0;
                }
            }
            const QDir records(root.recordFolder(paper));
            for (const QFileInfo &info : records.entryInfoList(QDir::Files))
                files +=
                    store::ProfileFile(info.filePath()).read().status() == store::ReadStatus::Ok;
        }
        benchmark::DoNotOptimize(files);
    }
}

void BM_RootCheck(benchmark::State &state)
{
    for (auto _ : state) {
        teacher::RootCheck check(school().root);
        benchmark::DoNotOptimize(check.run());
        if (!check.findings().isEmpty())
            state.SkipWithError("the school's root should be clean");
    }
}

} // namespace

BENCHMARK(BM_ReadEveryFileOnce)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RootCheck)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    school();
    return bench::runWithComparisons(
        argc, argv,
        {{"BM_ReadEveryFileOnce", "BM_RootCheck",
          "at least 0.7: the check costs at most about 1.4 reads of every file"}});
}

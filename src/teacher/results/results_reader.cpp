// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_reader.h"

#include "record_cache.h"

#include "store/folder_index.h"
#include "store/numeric.h"
#include "store/profile_file.h"

namespace results {

namespace {

const QString mainSection = QStringLiteral("MAIN");
const QString zero = QStringLiteral("0");

TesteeRecord readTestee(const store::ProfileSnapshot &file, const QString &section, int number,
                        int questionCount)
{
    TesteeRecord record;
    record.number = number;
    record.hasRecord = true;
    const QString n = QString::number(number);
    record.firstName = file.value(section, n);
    record.lastName = file.value(section, QString(n + u"LAST"));
    record.scoreText = file.value(section, QString(n + u"DF"), QStringLiteral("-1"));
    record.surplusTime = file.value(section, QString(n + u"TIME2"));
    record.answerText = file.value(section, QString(n + u"DA"));
    record.answers.resize(questionCount);
    QString key = n + u"DA";
    const qsizetype stem = key.size();
    for (int q = 1; q <= questionCount; ++q) {
        key.truncate(stem);
        key += QString::number(q);
        if (const std::optional<QString> value = file.find(section, key))
            record.answers[q - 1] = store::AnswerCode::fromText(*value).value();
    }
    return record;
}

// One profile file, from the cache when it has not changed since it was read.
store::ProfileSnapshot readProfile(const QString &path, RecordCache *cache)
{
    const std::optional<FileStamp> stamp = cache ? FileStamp::of(path) : std::nullopt;
    if (stamp) {
        if (std::optional<store::ProfileSnapshot> kept = cache->snapshot(path, *stamp))
            return *kept;
    }
    store::ProfileSnapshot snapshot = store::ProfileFile(path).read();
    if (stamp && snapshot.status() == store::ReadStatus::Ok)
        cache->keepSnapshot(path, *stamp, snapshot);
    return snapshot;
}

} // namespace

ResultsInput ResultsReader::read(const store::DataRoot &root, const QString &paper,
                                 const QString &className, RecordCache *cache)
{
    ResultsInput input;
    input.paper = paper.trimmed();
    input.className = className.trimmed();
    input.classEntry =
        store::RosterReader(readProfile(root.rosterFile(), cache)).classEntry(input.className);

    const store::ProfileSnapshot paperFile = readProfile(root.paperFile(input.paper), cache);
    input.questionCount =
        std::max(0, store::wholeNumber(paperFile.value(mainSection, u"Question_conut", zero)));
    input.thresholds =
        GradeThresholds{store::wholeNumber(paperFile.value(mainSection, u"A_grade", zero)),
                        store::wholeNumber(paperFile.value(mainSection, u"B_grade", zero)),
                        store::wholeNumber(paperFile.value(mainSection, u"C_grade", zero)),
                        store::wholeNumber(paperFile.value(mainSection, u"D_grade", zero))};
    input.correctAnswers.reserve(input.questionCount);
    input.marks.reserve(input.questionCount);
    const double defaultMark = store::wholeNumber(paperFile.value(mainSection, u"Mark", zero));
    for (int q = 1; q <= input.questionCount; ++q) {
        const QString section = QString::number(q);
        input.correctAnswers.append(
            store::AnswerCode::fromText(paperFile.value(section, u"ANSWER")));
        const QString mark = paperFile.value(section, u"MARK");
        input.marks.append(mark.isEmpty() ? defaultMark : store::numericValue(mark));
    }

    const int first = input.classEntry.firstNumber;
    const int last = input.classEntry.lastNumber;
    if (last < first) {
        if (cache)
            cache->endRefresh();
        return input;
    }
    const store::FolderIndex folder(root.recordFolder(input.paper));
    input.testees.reserve(last - first + 1);
    for (int n = first; n <= last; ++n) {
        const QString file =
            folder.find(store::DataRoot::recordFileName(input.className, QString::number(n)));
        const std::optional<FileStamp> stamp =
            cache && !file.isEmpty() ? FileStamp::of(file) : std::nullopt;
        if (stamp) {
            if (std::optional<TesteeRecord> kept =
                    cache->record(file, *stamp, input.className, n, input.questionCount)) {
                input.testees.append(std::move(*kept));
                continue;
            }
        }
        store::ProfileSnapshot snapshot;
        // Listed a moment ago: a share may report it missing while it is replaced.
        if (!file.isEmpty())
            snapshot = store::ProfileFile(file).read(store::ProfileFile::Existence::Expected);
        if (snapshot.status() == store::ReadStatus::Ok) {
            input.testees.append(readTestee(snapshot, input.className, n, input.questionCount));
            if (stamp)
                cache->keepRecord(file, *stamp, input.className, n, input.questionCount,
                                  input.testees.last());
        } else {
            TesteeRecord empty;
            empty.number = n;
            input.testees.append(std::move(empty));
        }
    }
    if (cache)
        cache->endRefresh();
    return input;
}

} // namespace results

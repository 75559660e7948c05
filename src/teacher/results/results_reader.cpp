// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_reader.h"

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

} // namespace

ResultsInput ResultsReader::read(const store::DataRoot &root, const QString &test,
                                 const QString &className)
{
    ResultsInput input;
    input.test = test.trimmed();
    input.className = className.trimmed();
    input.classEntry = store::Roster(root).read().classEntry(input.className);

    const store::ProfileSnapshot paper = store::ProfileFile(root.paperFile(input.test)).read();
    input.questionCount =
        std::max(0, store::wholeNumber(paper.value(mainSection, u"Question_conut", zero)));
    input.thresholds =
        GradeThresholds{store::wholeNumber(paper.value(mainSection, u"A_grade", zero)),
                        store::wholeNumber(paper.value(mainSection, u"B_grade", zero)),
                        store::wholeNumber(paper.value(mainSection, u"C_grade", zero)),
                        store::wholeNumber(paper.value(mainSection, u"D_grade", zero))};
    input.correctAnswers.reserve(input.questionCount);
    for (int q = 1; q <= input.questionCount; ++q)
        input.correctAnswers.append(
            store::AnswerCode::fromText(paper.value(QString::number(q), u"ANSWER")));

    const int first = input.classEntry.firstNumber;
    const int last = input.classEntry.lastNumber;
    if (last < first)
        return input;
    const store::FolderIndex folder(root.recordFolder(input.test));
    input.testees.reserve(last - first + 1);
    for (int n = first; n <= last; ++n) {
        const QString file =
            folder.find(store::DataRoot::recordFileName(input.className, QString::number(n)));
        store::ProfileSnapshot snapshot;
        if (!file.isEmpty())
            snapshot = store::ProfileFile(file).read();
        if (snapshot.status() == store::ReadStatus::Ok) {
            input.testees.append(readTestee(snapshot, input.className, n, input.questionCount));
        } else {
            TesteeRecord empty;
            empty.number = n;
            input.testees.append(std::move(empty));
        }
    }
    return input;
}

} // namespace results

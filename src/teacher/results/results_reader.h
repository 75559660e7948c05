// Everything one refresh of the results view reads from the files, in one pass.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "class_summary.h"

#include "store/answer_code.h"
#include "store/data_root.h"
#include "store/roster.h"

#include <QList>
#include <QString>

namespace results {

/// What one testee number's record holds for the view (trimmed values or defaults).
struct TesteeRecord
{
    int number = 0;
    bool hasRecord = false; ///< a record file was there and could be read
    QString firstName;
    QString lastName;
    QString scoreText = QStringLiteral("-1"); ///< "DF", default "-1" (no score)
    QString surplusTime;                      ///< "TIME2"
    QString answerText;                       ///< "DA" without a question number
    QList<qint32> answers;                    ///< "DA" + q for q = 1..Q; empty without a record
    bool operator==(const TesteeRecord &) const = default;
};

/// The inputs of one refresh, read off the files and handed to ResultsModel::apply.
struct ResultsInput
{
    QString paper;     ///< trimmed
    QString className; ///< trimmed
    store::ClassEntry classEntry;
    int questionCount = 0;
    GradeThresholds thresholds;
    QList<store::AnswerCode> correctAnswers; ///< [q - 1] for question q
    QList<double> marks;         ///< [q - 1]: the question's MARK, else the paper's default Mark
    QList<TesteeRecord> testees; ///< numbers first..last, in order
    bool operator==(const ResultsInput &) const = default;
};

class RecordCache;

/// Reads the roster once, the paper file once, the record folder's listing once
/// and each existing record file once; absent records cost no file operation at
/// all. With a cache of the last refresh, a file whose size, modification time
/// and identity did not change since is not opened again (one stat instead), and
/// the result is the same. Safe to run off the window's thread: it only reads.
class ResultsReader
{
public:
    static ResultsInput read(const store::DataRoot &root, const QString &paper,
                             const QString &className, RecordCache *cache = nullptr);
};

} // namespace results

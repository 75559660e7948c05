// One testee's record for one paper: "CHENGJI/<paper>/<class><number>.cho",
// section <class>, every key starting with the testee number.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer_code.h"
#include "data_root.h"
#include "profile_snapshot.h"
#include "status.h"

#include <QList>
#include <QString>

namespace store {

enum class TesteeState {
    NeverStarted, ///< no start stamp and no finish mark
    Running,      ///< started, no finish mark: running, or interrupted
    Finished,     ///< a finish mark ("TIME2") is set
};

struct RecordState
{
    TesteeState state = TesteeState::NeverStarted;
    QString time1; ///< the raw start stamp
    QString time2; ///< the raw finish mark (time left at the end)
};

/// What an autosave holds, read back for a resume.
struct SavedProgress
{
    QString remainingTime;     ///< "TIME"
    int position = 0;          ///< "DangQian"
    QList<AnswerCode> answers; ///< answers[q - 1] is question q
    QList<int> order;          ///< order[i - 1] is the question shown at position i
    bool hasAutosave = false;  ///< whether "TIME" and "DangQian" were there at all
};

class ResultRecord
{
public:
    ResultRecord(const DataRoot &root, const QString &paper, const QString &className,
                 const QString &number);

    QString file() const { return m_file; }
    QString section() const { return m_section; }
    const QString &number() const { return m_number; }
    /// The key of this testee: number, suffix and, when given, the index.
    QString key(QStringView suffix, int index = -1) const;

    ProfileSnapshot read() const;
    RecordState readState() const;
    static RecordState stateOf(const ProfileSnapshot &record, const QString &section,
                               const QString &number);
    /// The autosaved keys of N questions.
    SavedProgress readProgress(int questionCount) const;

    /// Admission: the first name, then the last name.
    WriteStatus writeAdmission(const QString &firstName, const QString &lastName) const;
    /// A new attempt: the start stamp.
    WriteStatus writeStart(const QString &time1) const;
    /// Every minute: time left, position, answers by question, order by position.
    WriteStatus writeAutosave(const QString &remainingTime, int position,
                              const QList<AnswerCode> &answers, const QList<int> &order) const;
    /// The end: finish mark, answers, score.
    WriteStatus writeFinish(const QString &time2, const QList<AnswerCode> &answers,
                            qint64 score) const;
    /// "Allow retest": the finish mark becomes empty; nothing else changes.
    WriteStatus clearFinishMark() const;
    /// Removes the whole file (and with it a neighbour sharing it).
    bool deleteRecord() const;
    /// "Delete score": removes this testee's section, and the file when nothing else
    /// is left in it. Class A1 with number 23 and class A12 with number 3 share
    /// A123.cho; deleting one of them keeps the other's record.
    WriteStatus removeRecord() const;

private:
    QString m_file;
    QString m_section;
    QString m_number;
};

} // namespace store

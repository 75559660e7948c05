// A data root for the student program's tests: roster, papers and records,
// written through the store as the teacher program would leave them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"
#include "store/paper.h"
#include "store/roster.h"

#include <QList>
#include <QPair>
#include <QString>

namespace testing {

using KeyValues = QList<QPair<QString, QString>>;

class StudentRoot
{
public:
    explicit StudentRoot(const QString &folder);

    store::DataRoot root() const { return m_root; }
    QString path() const { return m_root.path(); }

    /// Classes in roster order, with their numbering.
    void setClasses(const QList<store::ClassEntry> &classes);
    /// Papers in roster order; each pair is the name and its offered flag ("" = no key).
    void setPapers(const QList<QPair<QString, QString>> &papers);
    /// The admission flag of a class for a paper.
    void admit(const QString &paper, const QString &className,
               const QString &flag = QStringLiteral("1"));
    /// Raw keys of the roster.
    void writeRoster(const QString &section, const KeyValues &values);

    /// The paper and result folders and the paper file's "MAIN" keys.
    void createPaper(const QString &paper, const KeyValues &main);
    /// Questions 1..Q with their documents (small RTF files that name the question).
    void setQuestions(const QString &paper, const QList<store::Question> &questions);
    /// A question table of `count` questions, answer "1", empty mark.
    static QList<store::Question> plainQuestions(int count);

    QString paperFolder(const QString &paper) const;
    QString recordFile(const QString &paper, const QString &className, const QString &number) const;
    /// Keys of one testee's record; each key is written after the number ("TIME1" -> 7TIME1).
    void writeRecord(const QString &paper, const QString &className, const QString &number,
                     const KeyValues &suffixedValues);

private:
    store::DataRoot m_root;
};

} // namespace testing

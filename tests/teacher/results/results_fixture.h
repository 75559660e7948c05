// Data roots for the results tests, written with the store's own writers.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace testing {

/// Grade thresholds A to D of a paper.
struct Thresholds
{
    QString a = QStringLiteral("90");
    QString b = QStringLiteral("80");
    QString c = QStringLiteral("70");
    QString d = QStringLiteral("60");
};

/// A data root under a folder: roster, papers with folders, records.
class ResultsFixture
{
public:
    explicit ResultsFixture(const QString &folder);

    store::DataRoot root() const { return store::DataRoot(m_folder); }
    const QString &folder() const { return m_folder; }

    /// A paper with one question per answer text ("13", "" for none); each question
    /// names a document "q<k>.rtf", written when `documents` says so.
    void addPaper(const QString &name, const QStringList &answers, const Thresholds &grades = {},
                  bool documents = false);
    /// A class with its student count and number range.
    void addClass(const QString &name, int count, int first, int last);

    /// A testee who logged in and started: names, start stamp and an autosave.
    void start(const QString &paper, const QString &className, int number, const QString &firstName,
               const QString &lastName = {}, const QList<int> &answers = {});
    /// A testee who finished with a score text as the student program writes it.
    void finish(const QString &paper, const QString &className, int number,
                const QString &firstName, const QString &lastName, const QString &score,
                const QString &time2, const QList<int> &answers = {});
    /// The same record written straight to disk as GBK with CRLF, the way a Windows
    /// installation leaves it: quick for classes of hundreds.
    void writeFinished(const QString &paper, const QString &className, int number,
                       const QString &firstName, const QString &score, const QString &time2,
                       const QList<int> &answers = {});
    /// Sets single keys of a testee's record as they are (for hand-edited values).
    void setKeys(const QString &paper, const QString &className, int number,
                 const QList<std::pair<QString, QString>> &suffixAndValue);

    QString recordFile(const QString &paper, const QString &className, int number) const;

private:
    void writeLists();

    QString m_folder;
    QStringList m_papers;
    QStringList m_classes;
};

} // namespace testing

// A test paper: its settings (section "MAIN") and its questions, one section each,
// in the paper file "SHIJUAN/<paper>/<paper>.cho".
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile_snapshot.h"
#include "random_source.h"
#include "status.h"

#include <QList>
#include <QString>

namespace store {

/// One question: the file names of its two RTF documents, its correct options
/// ("13" = A and C; empty = none set) and its mark (empty = the paper's default mark).
struct Question
{
    QString question;
    QString explain;
    QString answer;
    QString mark;
    bool operator==(const Question &) const = default;
};

/// The settings of section "MAIN" as texts, as "Manage paper" keeps them.
struct PaperSettings
{
    // Written by "Manage paper".
    QString testTime;           ///< TESTTIME, minutes
    QString exerciseMode;       ///< EXERCISEMODE, "1"/"0"
    QString retestPassword;     ///< RETESTPASSWD; empty closes the retest path
    QString reloginPassword;    ///< RELOGINPASSWD; empty closes the relogin path
    QString displayScore;       ///< DISPLAY_SCORE, "1"/"0"
    QString changeQuestionSort; ///< CHANGE_QUESTION_SORT (shuffle), "1"/"0"
    QString aGrade;
    QString bGrade;
    QString cGrade;
    QString dGrade;
    QString author;
    QString aboutTest; ///< about_test, one line shown before the test
    // Written by the paper editor; read here for display only.
    QString questionCount; ///< Question_conut
    QString fullMark;      ///< full_mark
    QString mark;          ///< Mark, the default mark

    /// The values "Manage paper" gives a paper it has just created.
    static PaperSettings forNewPaper(const QString &name);
    bool operator==(const PaperSettings &) const = default;
};

/// A paper as the teacher's editor and printing hold it: questions 1..Q, with an
/// empty entry 0 and one spare empty entry Q + 1.
struct Paper
{
    QString name;
    int questionCount = 0;
    int defaultMark = 0;
    int fullMark = 0;
    QList<Question> questions;

    /// Question q, or an empty one outside 1..Q.
    Question question(int q) const;
};

/// A paper as the student program reads it, with the student's defaults
/// (a missing shuffle flag means shuffled; missing passwords close their paths).
struct StudentPaper
{
    int testTime = 0;
    int questionCount = 0;
    int defaultMark = 0;
    int fullMark = 0;
    int exerciseMode = 0;
    int displayScore = 0;
    int changeQuestionSort = 1;
    QString retestPassword;
    QString reloginPassword;
    QList<Question> questions; ///< questions[q - 1] is question q
};

/// Operations on one paper file.
class PaperFile
{
public:
    explicit PaperFile(QString path);
    const QString &path() const { return m_path; }

    /// Question count, default mark and questions 1..Q (Q <= 0: the table is left as it was).
    /// A file that exists but cannot be read loads as a paper without questions; the
    /// status tells the caller, which must not save over such a file.
    ReadStatus loadPaperQuestions(Paper &paper) const;
    /// The same from a file read already.
    static void loadPaperQuestions(const ProfileSnapshot &file, Paper &paper);
    /// Question count, full mark, default mark and the four keys of each question.
    WriteStatus savePaperQuestions(const Paper &paper) const;

    /// Every key of "MAIN" with the default "0", as "Manage paper" shows them.
    PaperSettings readPaperSettings() const;
    /// The twelve keys of "Manage paper", trimmed, in their order; never the editor's keys.
    WriteStatus writePaperSettings(const PaperSettings &settings) const;

    StudentPaper readStudentPaper() const;

private:
    QString m_path;
};

/// A new document name in a folder: a number from 1 to 100000000 without leading
/// zeros, ".", the extension; never the name of a file the folder holds in any case.
QString newRtfFileName(const QString &folder, const QString &extension, RandomSource &random);

} // namespace store

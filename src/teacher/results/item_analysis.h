// Item analysis of one paper over one or more classes: how the test as a whole held
// up (spread, internal consistency) and how each question worked (facility,
// discrimination, which options the strong and the weak testees chose). Computed from
// the data of a refresh; it reads no file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "class_summary.h"
#include "results_reader.h"

#include "store/answer_code.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace results {

/// One scored testee: where it sits and the answer code of each question.
struct AnalysisTestee
{
    int classIndex = 0; ///< into AnalysisInput::classes
    int number = 0;
    QList<qint32> answers; ///< [q - 1]; missing entries count as not answered
};

/// What an analysis is computed from: one paper, its keys and marks, and the scored
/// testees of the chosen classes.
struct AnalysisInput
{
    QString paper;
    QStringList classes;
    QList<store::AnswerCode> keys; ///< [q - 1]
    QList<double> marks;           ///< [q - 1]: the question's own mark, else the default
    QList<AnalysisTestee> testees;
    GradeThresholds grades; ///< the paper's, for drawing

    /// The testees with a score (as the class statistics count them) of each refresh,
    /// all of the same paper, in the order given.
    static AnalysisInput fromRefreshes(const QList<ResultsInput> &refreshes);
};

/// The share of a group whose answer holds an option (or, for 0, who left it empty).
struct OptionShare
{
    double all = 0;
    std::optional<double> upper; ///< shown when there are groups (four testees or more)
    std::optional<double> lower;
};

enum class ItemFlag { Easy, Hard, Weak, Negative, Distractor };

struct ItemFigures
{
    int number = 0;
    store::AnswerCode key;
    double mark = 0;
    double facility = 0;                  ///< share of the testees who got it right
    std::optional<double> discrimination; ///< upper group's facility minus the lower's
    std::optional<double> itemRest;       ///< correlation of right with the rest of the score
    std::array<OptionShare, 8> options{}; ///< [0] not answered, [k] option k
    QList<ItemFlag> flags;
};

struct HistogramBin
{
    double from = 0;
    double to = 0;
    int count = 0;
};

/// Figures of a set of scores: one class, or all chosen classes together.
struct ScoreFigures
{
    int testees = 0;
    std::optional<double> mean, median, sd, min, max; ///< sd needs two testees
    std::optional<double> lowerQuartile, upperQuartile;
};

struct TestFigures
{
    ScoreFigures scores;
    int questions = 0;
    double fullMark = 0;         ///< the sum of the marks: the most a testee can score
    std::optional<double> alpha; ///< internal consistency
    std::optional<double> sem;   ///< standard error of measurement
    QList<HistogramBin> histogram;
};

/// One class of a comparison.
struct ClassFigures
{
    QString name;
    ScoreFigures scores;
    QList<std::optional<double>> facility; ///< [q - 1]; none without testees
};

class ItemAnalysis
{
public:
    static ItemAnalysis compute(const AnalysisInput &input);

    const QString &paper() const { return m_paper; }
    const QStringList &classes() const { return m_classes; }
    const GradeThresholds &grades() const { return m_grades; }
    const TestFigures &test() const { return m_test; }
    const QList<ItemFigures> &items() const { return m_items; }
    const QList<ClassFigures> &perClass() const { return m_perClass; }
    /// The questions with at least one flag.
    QList<ItemFigures> flagged() const;

    /// "easy", "hard", ...: the short code of the command line's output.
    static QString flagCode(ItemFlag flag);
    /// A reason a teacher understands: "Too easy: more than 90% got it right."
    static QString flagReason(ItemFlag flag);

    /// Every figure at full precision; null where a figure is not shown.
    QJsonObject toJson() const;
    /// One row per question with the figures of toJson()'s "items", after a header row.
    QString toCsv() const;

private:
    QString m_paper;
    QStringList m_classes;
    GradeThresholds m_grades;
    TestFigures m_test;
    QList<ItemFigures> m_items;
    QList<ClassFigures> m_perClass;
};

} // namespace results

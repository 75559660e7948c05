// The class statistics of the results view: count, sum, highest, lowest, grades.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace results {

enum class Grade { A, B, C, D, F };

/// The lowest score of grades A to D, as whole numbers of the paper file.
struct GradeThresholds
{
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
    bool operator==(const GradeThresholds &) const = default;
};

/// One pair of the statistics list.
struct Statistic
{
    QString label;
    QString value;
    bool operator==(const Statistic &) const = default;
};

/// Sums and counts over the scored testees of one refresh. The file format's
/// numbers are 16-bit; these are held wider so that a large class or a sum past
/// 32767 shows its true figure instead of overflowing, and the figures within
/// the 16-bit range are the same.
class ClassSummary
{
public:
    ClassSummary() = default;
    explicit ClassSummary(GradeThresholds thresholds)
        : m_thresholds(thresholds)
    {}

    /// Counts one score (0 or more) and gives its grade. The sum is rounded to a
    /// whole number, halves to even, after each addition.
    Grade add(double score);
    /// After the last score: a class without scores shows lowest 0.
    void finish();

    const GradeThresholds &thresholds() const { return m_thresholds; }
    Grade gradeOf(double score) const;

    qint64 count() const { return m_count; }
    qint64 sum() const { return m_sum; }
    qint64 highest() const { return m_highest; }
    qint64 lowest() const { return m_lowest; }
    qint64 gradeCount(Grade grade) const { return m_grades[size_t(grade)]; }
    qint64 passTotal() const { return m_passTotal; }

    /// sum / count in full decimal text; empty without scores.
    QString averageText() const;
    /// The average as the list shows it: its first 6 characters.
    QString shortAverageText() const;
    /// grade count * 100 / count in full decimal text; empty without scores.
    QString percentText(Grade grade) const;
    /// pass total * 100 / count in full decimal text; empty without scores.
    QString passPercentText() const;

    /// Whether labels are for people (in the program's language) or for programs that
    /// read them (the English of the design, as the CSV of `teacher results` has them).
    enum class Labels { Shown, Data };
    /// The label and value pairs of the statistics list, in its order: eleven
    /// pairs, and the five grade percentages when there is a score.
    QList<Statistic> statistics(Labels labels = Labels::Shown) const;
    /// The list's lines: each label and each value followed by a 16-underscore ruler.
    QStringList statisticsLines() const;

    /// The shortest decimal text of a real number up to 15 significant digits,
    /// "." as the decimal point (33.3333333333333, 76.25, 25).
    static QString decimalText(double value);

private:
    GradeThresholds m_thresholds;
    qint64 m_count = 0;
    qint64 m_sum = 0;
    qint64 m_highest = 0;
    qint64 m_lowest = 0;
    bool m_hasLowest = false;
    std::array<qint64, 5> m_grades{};
    qint64 m_passTotal = 0;
};

} // namespace results

// SPDX-License-Identifier: GPL-3.0-or-later
#include "class_summary.h"

#include <QCoreApplication>

#include "store/numeric.h"

namespace results {

namespace {

const QString ruler = QStringLiteral("________________");

} // namespace

Grade ClassSummary::gradeOf(double score) const
{
    if (score >= m_thresholds.a)
        return Grade::A;
    if (score >= m_thresholds.b)
        return Grade::B;
    if (score >= m_thresholds.c)
        return Grade::C;
    if (score >= m_thresholds.d)
        return Grade::D;
    return Grade::F;
}

Grade ClassSummary::add(double score)
{
    // Rounding the running sum, not the scores, is what the stored habit is:
    // 59.5 then 60.5 sum to 120 (60, then 120.5 to the even 120).
    m_sum = store::roundHalfEven(double(m_sum) + score);
    ++m_count;
    const Grade grade = gradeOf(score);
    ++m_grades[size_t(grade)];
    if (grade != Grade::F)
        ++m_passTotal;
    if (score > double(m_highest))
        m_highest = store::roundHalfEven(score);
    // The lowest starts from the first score rather than from a fixed 1000, so a
    // paper with marks above 1000 does not show a lowest score nobody had.
    if (!m_hasLowest || score < double(m_lowest)) {
        m_lowest = store::roundHalfEven(score);
        m_hasLowest = true;
    }
    return grade;
}

void ClassSummary::finish()
{
    if (!m_hasLowest || m_highest < m_lowest)
        m_lowest = m_highest;
}

QString ClassSummary::decimalText(double value)
{
    return QString::number(value, 'g', 15);
}

QString ClassSummary::averageText() const
{
    if (m_count < 1)
        return {};
    return decimalText(double(m_sum) / double(m_count));
}

QString ClassSummary::shortAverageText() const
{
    return averageText().left(6);
}

QString ClassSummary::percentText(Grade grade) const
{
    if (m_count < 1)
        return {};
    return decimalText(double(gradeCount(grade)) * 100.0 / double(m_count));
}

QString ClassSummary::passPercentText() const
{
    if (m_count < 1)
        return {};
    return decimalText(double(m_passTotal) * 100.0 / double(m_count));
}

QList<Statistic> ClassSummary::statistics(Labels labels) const
{
    const auto number = [](qint64 value) { return QString::number(value); };
    const auto label = [labels](const char *text) {
        return labels == Labels::Shown ? QCoreApplication::translate("ClassSummary", text)
                                       : QString::fromLatin1(text);
    };
    QList<Statistic> list{
        {label(QT_TRANSLATE_NOOP("ClassSummary", "Average")), shortAverageText()},
        {label(QT_TRANSLATE_NOOP("ClassSummary", "Highest")), number(m_highest)},
        {label(QT_TRANSLATE_NOOP("ClassSummary", "Lowest")), number(m_lowest)},
        {label(QT_TRANSLATE_NOOP("ClassSummary", "student count")), number(m_count)},
        {label(QT_TRANSLATE_NOOP("ClassSummary", "Score sum")), number(m_sum)},
        {label(QT_TRANSLATE_NOOP("ClassSummary", "A grade")), number(gradeCount(Grade::A))},
        {label(QT_TRANSLATE_NOOP("ClassSummary", "B grade")), number(gradeCount(Grade::B))},
        {label(QT_TRANSLATE_NOOP("ClassSummary", "C grade")), number(gradeCount(Grade::C))},
        {label(QT_TRANSLATE_NOOP("ClassSummary", "D grade")), number(gradeCount(Grade::D))},
        {label(QT_TRANSLATE_NOOP("ClassSummary", "F grade")), number(gradeCount(Grade::F))},
        {label(QT_TRANSLATE_NOOP("ClassSummary", "Pass Total:")), number(m_passTotal)},
    };
    if (m_count >= 1) {
        list.append({QStringLiteral("A%"), percentText(Grade::A)});
        list.append({QStringLiteral("B%"), percentText(Grade::B)});
        list.append({QStringLiteral("C%"), percentText(Grade::C)});
        list.append({QStringLiteral("D%"), percentText(Grade::D)});
        list.append({QStringLiteral("F%"), percentText(Grade::F)});
    }
    return list;
}

QStringList ClassSummary::statisticsLines() const
{
    QStringList lines;
    for (const Statistic &pair : statistics()) {
        lines.append(pair.label + ruler);
        lines.append(pair.value + ruler);
    }
    return lines;
}

} // namespace results

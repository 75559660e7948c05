// SPDX-License-Identifier: GPL-3.0-or-later
#include "item_analysis.h"

#include "store/numeric.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace results {

namespace {

double mean(const QList<double> &values)
{
    return std::accumulate(values.cbegin(), values.cend(), 0.0) / double(values.size());
}

// The variance over the values themselves (divided by n).
double populationVariance(const QList<double> &values)
{
    const double m = mean(values);
    double sum = 0;
    for (double v : values)
        sum += (v - m) * (v - m);
    return sum / double(values.size());
}

// Pearson's correlation; none when either side does not vary.
std::optional<double> correlation(const QList<double> &a, const QList<double> &b)
{
    const double ma = mean(a);
    const double mb = mean(b);
    double sab = 0, saa = 0, sbb = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        sab += (a[i] - ma) * (b[i] - mb);
        saa += (a[i] - ma) * (a[i] - ma);
        sbb += (b[i] - mb) * (b[i] - mb);
    }
    if (saa <= 0 || sbb <= 0)
        return std::nullopt;
    return sab / std::sqrt(saa * sbb);
}

// The value at fraction p of the sorted values, between neighbours where it falls
// between two.
double quantile(const QList<double> &sorted, double p)
{
    const double at = p * double(sorted.size() - 1);
    const qsizetype below = qsizetype(std::floor(at));
    const qsizetype above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - double(below)) * (sorted[above] - sorted[below]);
}

ScoreFigures scoreFigures(QList<double> totals)
{
    ScoreFigures figures;
    figures.testees = int(totals.size());
    if (totals.isEmpty())
        return figures;
    std::sort(totals.begin(), totals.end());
    figures.mean = mean(totals);
    figures.min = totals.constFirst();
    figures.max = totals.constLast();
    figures.median = quantile(totals, 0.5);
    figures.lowerQuartile = quantile(totals, 0.25);
    figures.upperQuartile = quantile(totals, 0.75);
    if (totals.size() >= 2) {
        const double n = double(totals.size());
        figures.sd = std::sqrt(populationVariance(totals) * n / (n - 1));
    }
    return figures;
}

// Bit k for each option k (1..7) whose digit the answer code holds; bit 0 for no answer.
unsigned optionBits(qint32 answer)
{
    if (answer == 0)
        return 1;
    unsigned bits = 0;
    for (qint64 rest = std::abs(qint64(answer)); rest > 0; rest /= 10) {
        const int digit = int(rest % 10);
        if (digit >= 1 && digit <= 7)
            bits |= 1u << digit;
    }
    return bits;
}

QJsonValue number(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QString csvNumber(const std::optional<double> &value)
{
    return value ? QString::number(*value, 'g', 17) : QString();
}

} // namespace

AnalysisInput AnalysisInput::fromRefreshes(const QList<ResultsInput> &refreshes)
{
    AnalysisInput input;
    if (refreshes.isEmpty())
        return input;
    input.paper = refreshes.constFirst().paper;
    input.keys = refreshes.constFirst().correctAnswers;
    input.marks = refreshes.constFirst().marks;
    input.grades = refreshes.constFirst().thresholds;
    for (const ResultsInput &refresh : refreshes) {
        const int classIndex = int(input.classes.size());
        input.classes.append(refresh.className);
        for (const TesteeRecord &record : refresh.testees) {
            if (record.hasRecord && store::numericValue(record.scoreText) >= 0)
                input.testees.append({classIndex, record.number, record.answers});
        }
    }
    return input;
}

ItemAnalysis ItemAnalysis::compute(const AnalysisInput &input)
{
    ItemAnalysis analysis;
    analysis.m_paper = input.paper;
    analysis.m_classes = input.classes;
    analysis.m_grades = input.grades;
    const qsizetype n = input.testees.size();
    const int questions = int(std::min(input.keys.size(), input.marks.size()));

    // right[i][q] and the totals.
    QList<QList<double>> right(questions, QList<double>(n, 0.0));
    QList<double> totals(n, 0.0);
    for (qsizetype i = 0; i < n; ++i) {
        const QList<qint32> &answers = input.testees[i].answers;
        for (int q = 0; q < questions; ++q) {
            const qint32 key = input.keys[q].value();
            if (key > 0 && answers.value(q) == key) {
                right[q][i] = 1;
                totals[i] += input.marks[q];
            }
        }
    }

    TestFigures &test = analysis.m_test;
    test.scores = scoreFigures(totals);
    test.questions = questions;
    test.fullMark = std::accumulate(input.marks.cbegin(), input.marks.cbegin() + questions, 0.0);
    for (int b = 0; b < 10; ++b)
        test.histogram.append({test.fullMark * b / 10, test.fullMark * (b + 1) / 10, 0});
    for (double total : totals) {
        const int bin = test.fullMark > 0 ? int(std::floor(total * 10 / test.fullMark)) : 0;
        ++test.histogram[std::clamp(bin, 0, 9)].count;
    }
    if (questions >= 2 && n >= 2 && populationVariance(totals) > 0) {
        double itemVariances = 0;
        for (int q = 0; q < questions; ++q) {
            QList<double> scored = right[q];
            for (double &x : scored)
                x *= input.marks[q];
            itemVariances += populationVariance(scored);
        }
        const double alpha = double(questions) / double(questions - 1) *
                             (1 - itemVariances / populationVariance(totals));
        test.alpha = alpha;
        if (test.scores.sd)
            test.sem = *test.scores.sd * std::sqrt(std::max(0.0, 1 - alpha));
    }

    // The groups: the best g and the worst g by total, ties by testee number.
    QList<qsizetype> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        if (totals[a] != totals[b])
            return totals[a] > totals[b];
        return input.testees[a].number < input.testees[b].number;
    });
    const bool grouped = n >= 4;
    const qsizetype g = std::max<qsizetype>(1, qsizetype(std::floor(0.27 * double(n) + 0.5)));
    const QList<qsizetype> upper = order.mid(0, g);
    const QList<qsizetype> lower = order.mid(n - std::min(g, n));
    QList<int> groupOf(n, 0); // 1 upper, 2 lower: the groups never meet from four testees on
    for (qsizetype i : upper)
        groupOf[i] = 1;
    for (qsizetype i : lower)
        groupOf[i] = grouped ? 2 : groupOf[i];
    const auto share = [&](const QList<qsizetype> &group, auto &&counts) {
        qsizetype hits = 0;
        for (qsizetype i : group)
            hits += counts(i) ? 1 : 0;
        return double(hits) / double(group.size());
    };

    for (int q = 0; q < questions; ++q) {
        ItemFigures item;
        item.number = q + 1;
        item.key = input.keys[q];
        item.mark = input.marks[q];
        const auto isRight = [&](qsizetype i) { return right[q][i] > 0; };
        if (n > 0) {
            item.facility = std::accumulate(right[q].cbegin(), right[q].cend(), 0.0) / double(n);
            // One pass over the testees counts every option in every group.
            std::array<std::array<qsizetype, 8>, 3> counts{}; // all, upper, lower
            for (qsizetype i = 0; i < n; ++i) {
                const unsigned bits = optionBits(input.testees[i].answers.value(q));
                const int group = grouped ? groupOf[i] : 0;
                for (int k = 0; k <= 7; ++k) {
                    if (!(bits >> k & 1u))
                        continue;
                    ++counts[0][k];
                    if (group > 0)
                        ++counts[group][k];
                }
            }
            for (int k = 0; k <= 7; ++k) {
                item.options[k].all = double(counts[0][k]) / double(n);
                if (grouped) {
                    item.options[k].upper = double(counts[1][k]) / double(g);
                    item.options[k].lower = double(counts[2][k]) / double(g);
                }
            }
            QList<double> rest(n);
            for (qsizetype i = 0; i < n; ++i)
                rest[i] = totals[i] - right[q][i] * item.mark;
            item.itemRest = correlation(right[q], rest);
        }
        double upperRight = 0;
        if (grouped) {
            upperRight = share(upper, isRight);
            item.discrimination = upperRight - share(lower, isRight);
        }

        // A question without a key cannot be right: its figures say nothing of it.
        if (n > 0 && item.key.value() > 0) {
            if (item.facility > 0.9)
                item.flags.append(ItemFlag::Easy);
            if (item.facility < 0.2)
                item.flags.append(ItemFlag::Hard);
            const bool negative = (item.discrimination && *item.discrimination < 0) ||
                                  (item.itemRest && *item.itemRest < 0);
            if (item.discrimination && *item.discrimination >= 0 && *item.discrimination < 0.2)
                item.flags.append(ItemFlag::Weak);
            if (negative)
                item.flags.append(ItemFlag::Negative);
            for (int k = 1; grouped && k <= 7; ++k) {
                if (!item.key.hasOption(k) && *item.options[k].upper > upperRight) {
                    item.flags.append(ItemFlag::Distractor);
                    break;
                }
            }
        }
        analysis.m_items.append(item);
    }

    for (int c = 0; c < input.classes.size(); ++c) {
        ClassFigures figures;
        figures.name = input.classes[c];
        QList<double> classTotals;
        QList<qsizetype> members;
        for (qsizetype i = 0; i < n; ++i) {
            if (input.testees[i].classIndex == c) {
                classTotals.append(totals[i]);
                members.append(i);
            }
        }
        figures.scores = scoreFigures(classTotals);
        for (int q = 0; q < questions; ++q) {
            if (members.isEmpty())
                figures.facility.append(std::nullopt);
            else
                figures.facility.append(
                    share(members, [&](qsizetype i) { return right[q][i] > 0; }));
        }
        analysis.m_perClass.append(figures);
    }
    return analysis;
}

QList<ItemFigures> ItemAnalysis::flagged() const
{
    QList<ItemFigures> found;
    for (const ItemFigures &item : m_items) {
        if (!item.flags.isEmpty())
            found.append(item);
    }
    return found;
}

QString ItemAnalysis::flagCode(ItemFlag flag)
{
    switch (flag) {
    case ItemFlag::Easy:
        return QStringLiteral("easy");
    case ItemFlag::Hard:
        return QStringLiteral("hard");
    case ItemFlag::Weak:
        return QStringLiteral("weak");
    case ItemFlag::Negative:
        return QStringLiteral("negative");
    case ItemFlag::Distractor:
        return QStringLiteral("distractor");
    }
    return {};
}

QString ItemAnalysis::flagReason(ItemFlag flag)
{
    switch (flag) {
    case ItemFlag::Easy:
        return QCoreApplication::translate("ItemAnalysis", "Too easy: more than 90% got it right.");
    case ItemFlag::Hard:
        return QCoreApplication::translate("ItemAnalysis",
                                           "Too hard: fewer than 20% got it right.");
    case ItemFlag::Weak:
        return QCoreApplication::translate("ItemAnalysis",
                                           "Tells strong and weak testees apart poorly.");
    case ItemFlag::Negative:
        return QCoreApplication::translate(
            "ItemAnalysis", "Weak testees do better on it than strong ones: check the key.");
    case ItemFlag::Distractor:
        return QCoreApplication::translate(
            "ItemAnalysis", "A wrong option draws more of the strong testees than the key.");
    }
    return {};
}

QJsonObject ItemAnalysis::toJson() const
{
    const ScoreFigures &scores = m_test.scores;
    QJsonArray histogram;
    for (const HistogramBin &bin : m_test.histogram)
        histogram.append(
            QJsonObject{{u"from"_s, bin.from}, {u"to"_s, bin.to}, {u"count"_s, bin.count}});
    QJsonArray items;
    for (const ItemFigures &item : m_items) {
        QJsonObject options;
        for (int k = 0; k <= 7; ++k)
            options.insert(QString::number(k),
                           QJsonObject{{u"all"_s, item.options[k].all},
                                       {u"upper"_s, number(item.options[k].upper)},
                                       {u"lower"_s, number(item.options[k].lower)}});
        QJsonArray flags;
        for (ItemFlag flag : item.flags)
            flags.append(flagCode(flag));
        items.append(QJsonObject{{u"number"_s, item.number},
                                 {u"key"_s, item.key.value()},
                                 {u"mark"_s, item.mark},
                                 {u"facility"_s, item.facility},
                                 {u"discrimination"_s, number(item.discrimination)},
                                 {u"item_rest"_s, number(item.itemRest)},
                                 {u"options"_s, options},
                                 {u"flags"_s, flags}});
    }
    return QJsonObject{{u"paper"_s, m_paper},
                       {u"classes"_s, QJsonArray::fromStringList(m_classes)},
                       {u"testees"_s, scores.testees},
                       {u"questions"_s, m_test.questions},
                       {u"full_mark"_s, m_test.fullMark},
                       {u"mean"_s, number(scores.mean)},
                       {u"median"_s, number(scores.median)},
                       {u"sd"_s, number(scores.sd)},
                       {u"min"_s, number(scores.min)},
                       {u"max"_s, number(scores.max)},
                       {u"alpha"_s, number(m_test.alpha)},
                       {u"sem"_s, number(m_test.sem)},
                       {u"histogram"_s, histogram},
                       {u"items"_s, items}};
}

QString ItemAnalysis::toCsv() const
{
    QStringList header{QStringLiteral("number"),         QStringLiteral("key"),
                       QStringLiteral("mark"),           QStringLiteral("facility"),
                       QStringLiteral("discrimination"), QStringLiteral("item_rest")};
    for (int k = 0; k <= 7; ++k)
        for (const char *group : {"all", "upper", "lower"})
            header.append(QStringLiteral("option_%1_%2").arg(k).arg(QLatin1StringView(group)));
    header.append(QStringLiteral("flags"));
    QString text = header.join(u',') + u'\n';
    for (const ItemFigures &item : m_items) {
        QStringList row{QString::number(item.number),   item.key.toText(),
                        csvNumber(item.mark),           csvNumber(item.facility),
                        csvNumber(item.discrimination), csvNumber(item.itemRest)};
        for (const OptionShare &option : item.options)
            row << csvNumber(option.all) << csvNumber(option.upper) << csvNumber(option.lower);
        QStringList flags;
        for (ItemFlag flag : item.flags)
            flags.append(flagCode(flag));
        row.append(flags.join(u' '));
        text += row.join(u',') + u'\n';
    }
    return text;
}

} // namespace results

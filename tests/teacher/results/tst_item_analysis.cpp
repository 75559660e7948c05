// Item analysis against figures worked out by hand on small classes, and against a
// second computation (other formulas) on a generated one.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/results/item_analysis.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace results;
using Flags = QList<ItemFlag>;

namespace {

// Testee k is numbered k + 1 and answers rows[k], all in one class.
AnalysisInput input(const QList<qint32> &keys, const QList<double> &marks,
                    const QList<QList<qint32>> &rows)
{
    AnalysisInput in{QStringLiteral("Maths"), {QStringLiteral("A1")}, {}, marks, {}, {}};
    for (qint32 key : keys)
        in.keys.append(store::AnswerCode(key));
    for (qsizetype k = 0; k < rows.size(); ++k)
        in.testees.append({0, int(k) + 1, rows[k]});
    return in;
}

void near(const std::optional<double> &actual, const std::optional<double> &expected,
          const char *what)
{
    QVERIFY2(actual.has_value() == expected.has_value(), what);
    if (expected)
        QVERIFY2(std::abs(*actual - *expected) < 1e-12,
                 qPrintable(QStringLiteral("%1: %2, not %3")
                                .arg(QLatin1StringView(what))
                                .arg(*actual, 0, 'g', 17)
                                .arg(*expected, 0, 'g', 17)));
}

} // namespace

class TestItemAnalysis : public QObject
{
    Q_OBJECT

private slots:
    // Five testees, marks 2, 1 and 3, the third question without a key. Totals 3 2 1 1 3:
    // the upper group is testee 1 (before 5 on the tie), the lower one testee 4.
    void aSmallClassByHand()
    {
        const ItemAnalysis a = ItemAnalysis::compute(input(
            {1, 13, 0}, {2, 1, 3}, {{1, 13, 2}, {1, 3, 0}, {2, 13, 1}, {0, 13, 0}, {1, 13, 3}}));
        const TestFigures &t = a.test();
        QCOMPARE(t.scores.testees, 5);
        QCOMPARE(t.fullMark, 6.0);
        near(t.scores.mean, 2.0, "mean");
        near(t.scores.median, 2.0, "median");
        near(t.scores.sd, 1.0, "sd");
        near(t.scores.min, 1.0, "min");
        near(t.scores.max, 3.0, "max");
        near(t.alpha, -0.6, "alpha"); // 3/2 x (1 - (0.96 + 0.16 + 0) / 0.8)
        near(t.sem, std::sqrt(1.6), "sem");
        QList<int> counts;
        for (const HistogramBin &bin : t.histogram)
            counts.append(bin.count);
        QCOMPARE(counts, (QList<int>{0, 2, 0, 1, 0, 2, 0, 0, 0, 0}));
        QCOMPARE(t.histogram.at(1).from, 0.6);
        QCOMPARE(t.histogram.at(9).to, 6.0);

        struct Expected
        {
            double facility;
            std::optional<double> discrimination, itemRest;
            Flags flags;
        };
        const QList<Expected> expected{
            {0.6, 1.0, -0.4 / std::sqrt(0.96), {ItemFlag::Negative}},
            {0.8, 0.0, -0.8 / std::sqrt(3.84), {ItemFlag::Weak, ItemFlag::Negative}},
            {0.0, 0.0, std::nullopt, {}}, // no key: never right, never flagged
        };
        QCOMPARE(a.items().size(), 3);
        for (int q = 0; q < 3; ++q) {
            const ItemFigures &item = a.items().at(q);
            QCOMPARE(item.number, q + 1);
            near(item.facility, expected[q].facility, "facility");
            near(item.discrimination, expected[q].discrimination, "discrimination");
            near(item.itemRest, expected[q].itemRest, "item-rest");
            QCOMPARE(item.flags, expected[q].flags);
        }
        // Question 2 ("13"): who holds each option, of all, of the upper and the lower group.
        const auto &two = a.items().at(1).options;
        QCOMPARE(two[1].all, 0.8);
        QCOMPARE(two[3].all, 1.0);
        QCOMPARE(two[0].all, 0.0);
        // Question 3: not answered by testees 2 and 4; the lower group is testee 4.
        const auto &three = a.items().at(2).options;
        QCOMPARE(three[0].all, 0.4);
        QCOMPARE(three[0].lower, 1.0);
        QCOMPARE(three[0].upper, 0.0);
        QCOMPARE(three[2].upper, 1.0);
        QCOMPARE(a.flagged().size(), 2);
    }

    void edgeCases_data()
    {
        QTest::addColumn<QList<qint32>>("keys");
        QTest::addColumn<QList<QList<qint32>>>("rows");
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<bool>("alpha");
        QTest::addColumn<Flags>("lastFlags");
        // Upper group (testee 1) picks 3 on question 2, whose key 2 only testee 3 picked.
        QTest::newRow("a distractor")
            << QList<qint32>{1, 2} << QList<QList<qint32>>{{1, 3}, {1, 3}, {0, 2}, {0, 0}} << true
            << true << Flags{ItemFlag::Weak, ItemFlag::Negative, ItemFlag::Distractor};
        QTest::newRow("three testees: no groups")
            << QList<qint32>{1, 2} << QList<QList<qint32>>{{1, 2}, {1, 0}, {0, 0}} << false << true
            << Flags{};
        QTest::newRow("everyone the same")
            << QList<qint32>{1, 1} << QList<QList<qint32>>{{1, 1}, {1, 1}, {1, 1}, {1, 1}} << true
            << false << Flags{ItemFlag::Easy, ItemFlag::Weak};
        QTest::newRow("one question")
            << QList<qint32>{1} << QList<QList<qint32>>{{1}, {0}} << false << false << Flags{};
        QTest::newRow("nobody right: too hard")
            << QList<qint32>{1, 5} << QList<QList<qint32>>{{1, 2}, {0, 1}, {1, 0}, {0, 3}, {1, 4}}
            << true << true << Flags{ItemFlag::Hard, ItemFlag::Weak, ItemFlag::Distractor};
        QTest::newRow("no testees")
            << QList<qint32>{1, 2} << QList<QList<qint32>>{} << false << false << Flags{};
    }
    void edgeCases()
    {
        QFETCH(QList<qint32>, keys);
        QFETCH(QList<QList<qint32>>, rows);
        QFETCH(bool, grouped);
        QFETCH(bool, alpha);
        QFETCH(Flags, lastFlags);
        const ItemAnalysis a =
            ItemAnalysis::compute(input(keys, QList<double>(keys.size(), 1.0), rows));
        QCOMPARE(a.items().constLast().discrimination.has_value(), grouped);
        QCOMPARE(a.items().constLast().options[1].upper.has_value(), grouped);
        QCOMPARE(a.test().alpha.has_value(), alpha);
        QCOMPARE(a.test().sem.has_value(), alpha);
        QCOMPARE(a.items().constLast().flags, lastFlags);
        QCOMPARE(a.test().scores.sd.has_value(), rows.size() >= 2);
        QCOMPARE(a.test().scores.mean.has_value(), !rows.isEmpty());
        int binned = 0;
        for (const HistogramBin &bin : a.test().histogram)
            binned += bin.count;
        QCOMPARE(binned, int(rows.size()));
        // JSON holds null where a figure is not shown, never a made-up number.
        const QJsonObject json = a.toJson();
        QCOMPARE(json.value(u"alpha").isNull(), !alpha);
        QCOMPARE(json.value(u"items").toArray().last()[u"discrimination"].isNull(), !grouped);
    }

    // The same figures by other formulas: alpha from sample variances (the n - 1 cancels),
    // item-rest from sums of products, and a full mark in the last bin.
    void aGeneratedClassAgainstASecondComputation()
    {
        QRandomGenerator random(17);
        const int n = 61, questions = 12;
        QList<qint32> keys;
        QList<double> marks;
        for (int q = 0; q < questions; ++q) {
            keys.append(1 + q % 4);
            marks.append(1 + q % 3);
        }
        QList<QList<qint32>> rows;
        for (int i = 0; i < n; ++i) {
            QList<qint32> answers;
            const double ability = random.generateDouble();
            for (int q = 0; q < questions; ++q)
                answers.append(random.generateDouble() < ability ? keys[q]
                                                                 : qint32(random.bounded(0, 6)));
            rows.append(answers);
        }
        rows[0] = keys; // one testee with the full mark
        const ItemAnalysis a = ItemAnalysis::compute(input(keys, marks, rows));

        QList<double> totals(n, 0.0);
        QList<QList<double>> x(questions, QList<double>(n, 0.0));
        for (int i = 0; i < n; ++i)
            for (int q = 0; q < questions; ++q)
                if (rows[i][q] == keys[q]) {
                    x[q][i] = marks[q];
                    totals[i] += marks[q];
                }
        const auto sampleVariance = [](const QList<double> &v) {
            double sum = 0, squares = 0;
            for (double d : v) {
                sum += d;
                squares += d * d;
            }
            return (squares - sum * sum / double(v.size())) / double(v.size() - 1);
        };
        double items = 0;
        for (const QList<double> &column : x)
            items += sampleVariance(column);
        const double alpha =
            double(questions) / (questions - 1) * (1 - items / sampleVariance(totals));
        near(a.test().alpha, alpha, "alpha");
        near(a.test().scores.sd, std::sqrt(sampleVariance(totals)), "sd");
        QCOMPARE(a.test().histogram.constLast().count >= 1, true);

        for (int q = 0; q < questions; ++q) {
            double sr = 0, ss = 0, srr = 0, sss = 0, srs = 0;
            for (int i = 0; i < n; ++i) {
                const double r = x[q][i] > 0 ? 1 : 0, s = totals[i] - x[q][i];
                sr += r, ss += s, srr += r * r, sss += s * s, srs += r * s;
            }
            const double itemRest =
                (n * srs - sr * ss) / std::sqrt((n * srr - sr * sr) * (n * sss - ss * ss));
            near(a.items().at(q).itemRest, itemRest, "item-rest");
            near(a.items().at(q).facility, sr / n, "facility");
        }
    }

    // Two classes: each has its own figures; the test figures count both.
    void classesSideBySide()
    {
        AnalysisInput in = input({1, 2}, {1, 1}, {{1, 2}, {1, 0}, {0, 0}, {1, 2}});
        in.classes.append(QStringLiteral("B2"));
        in.testees[2].classIndex = in.testees[3].classIndex = 1;
        in.classes.append(QStringLiteral("C3")); // no testees
        const ItemAnalysis a = ItemAnalysis::compute(in);
        QCOMPARE(a.test().scores.testees, 4);
        QCOMPARE(a.perClass().size(), 3);
        near(a.perClass().at(0).scores.mean, 1.5, "A1 mean");
        near(a.perClass().at(1).scores.mean, 1.0, "B2 mean");
        near(a.perClass().at(1).scores.lowerQuartile, 0.5, "B2 lower quartile");
        QCOMPARE(a.perClass().at(0).facility, (QList<std::optional<double>>{1.0, 0.5}));
        QCOMPARE(a.perClass().at(1).facility, (QList<std::optional<double>>{0.5, 0.5}));
        QCOMPARE(a.perClass().at(2).scores.testees, 0);
        QCOMPARE(a.perClass().at(2).facility.constFirst(), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestItemAnalysis)
#include "tst_item_analysis.moc"

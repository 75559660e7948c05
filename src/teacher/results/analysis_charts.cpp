// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_charts.h"

#include <QAreaSeries>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace results::charts {

namespace {

QChart *newChart(const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

QValueAxis *axis(QChart *chart, Qt::Alignment where, double from, double to, const QString &title,
                 const QString &format = QStringLiteral("%g"))
{
    auto *a = new QValueAxis;
    a->setRange(from, to);
    a->setTitleText(title);
    a->setLabelFormat(format);
    chart->addAxis(a, where);
    return a;
}

// Questions 1..Q along the bottom, labelled at whole numbers.
QValueAxis *questionAxis(QChart *chart, qsizetype questions)
{
    auto *x = axis(chart, Qt::AlignBottom, 0, double(std::max<qsizetype>(questions, 1) + 1),
                   QCoreApplication::translate("AnalysisCharts", "Question"), QStringLiteral("%d"));
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(std::max<qsizetype>(1, (questions + 9) / 10));
    return x;
}

void attach(QChart *chart, QAbstractSeries *series, QValueAxis *x, QValueAxis *y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

} // namespace

QChart *histogram(const ItemAnalysis &analysis)
{
    const TestFigures &test = analysis.test();
    QChart *chart = newChart(QCoreApplication::translate("AnalysisCharts", "Scores"));
    int highest = 1;
    for (const HistogramBin &bin : test.histogram)
        highest = std::max(highest, bin.count);
    const double full = std::max(test.fullMark, 1.0);
    QValueAxis *x = axis(chart, Qt::AlignBottom, 0, full,
                         QCoreApplication::translate("AnalysisCharts", "Score"));
    x->setTickCount(11);
    QValueAxis *y =
        axis(chart, Qt::AlignLeft, 0, highest,
             QCoreApplication::translate("AnalysisCharts", "Testees"), QStringLiteral("%d"));
    y->setTickCount(std::min(highest, 10) + 1);

    // The bars as one outline over the bins.
    auto *outline = new QLineSeries;
    for (const HistogramBin &bin : test.histogram) {
        outline->append(bin.from, 0);
        outline->append(bin.from, bin.count);
        outline->append(bin.to, bin.count);
        outline->append(bin.to, 0);
    }
    auto *bars = new QAreaSeries(outline);
    bars->setName(
        QCoreApplication::translate("AnalysisCharts", "Testees per tenth of the full mark"));
    bars->setColor(QColor(0x4f, 0x81, 0xbd));
    bars->setBorderColor(QColor(0x2f, 0x51, 0x7d));
    attach(chart, bars, x, y);

    const GradeThresholds &g = analysis.grades();
    const std::array<std::pair<QString, int>, 4> limits{{{QStringLiteral("A"), g.a},
                                                         {QStringLiteral("B"), g.b},
                                                         {QStringLiteral("C"), g.c},
                                                         {QStringLiteral("D"), g.d}}};
    const std::array<QColor, 4> colours{QColor(0, 128, 0), QColor(0, 160, 160), QColor(200, 140, 0),
                                        QColor(200, 0, 0)};
    for (size_t i = 0; i < limits.size(); ++i) {
        if (limits[i].second <= 0 || limits[i].second > full)
            continue;
        auto *line = new QLineSeries;
        line->setName(QCoreApplication::translate("AnalysisCharts", "%1 from %2")
                          .arg(limits[i].first)
                          .arg(limits[i].second));
        line->append(limits[i].second, 0);
        line->append(limits[i].second, highest);
        QPen pen(colours[i]);
        pen.setWidth(2);
        pen.setStyle(Qt::DashLine);
        line->setPen(pen);
        attach(chart, line, x, y);
    }
    return chart;
}

QChart *questions(const ItemAnalysis &analysis)
{
    QChart *chart = newChart(QCoreApplication::translate("AnalysisCharts", "Questions"));
    QValueAxis *x = questionAxis(chart, analysis.items().size());
    QValueAxis *y = axis(chart, Qt::AlignLeft, -1, 1, QString());
    y->setTickCount(9);

    auto *facility = new QLineSeries;
    facility->setName(QCoreApplication::translate("AnalysisCharts", "Facility"));
    facility->setPointsVisible(true);
    auto *discrimination = new QLineSeries;
    discrimination->setName(QCoreApplication::translate("AnalysisCharts", "Discrimination"));
    discrimination->setPointsVisible(true);
    auto *flagged = new QScatterSeries;
    flagged->setName(QCoreApplication::translate("AnalysisCharts", "Flagged"));
    flagged->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    flagged->setMarkerSize(11);
    flagged->setColor(QColor(200, 0, 0));
    for (const ItemFigures &item : analysis.items()) {
        facility->append(item.number, item.facility);
        if (item.discrimination)
            discrimination->append(item.number, *item.discrimination);
        if (!item.flags.isEmpty())
            flagged->append(item.number, item.facility);
    }
    attach(chart, facility, x, y);
    attach(chart, discrimination, x, y);
    attach(chart, flagged, x, y);
    return chart;
}

QChart *classScores(const ItemAnalysis &analysis)
{
    QChart *chart = newChart(QCoreApplication::translate("AnalysisCharts", "Scores by class"));
    auto *boxes = new QBoxPlotSeries;
    boxes->setName(
        QCoreApplication::translate("AnalysisCharts", "Lowest, quartiles, median, highest"));
    QStringList names;
    for (const ClassFigures &c : analysis.perClass()) {
        const ScoreFigures &s = c.scores;
        QString label = c.name;
        if (s.mean)
            label += QCoreApplication::translate("AnalysisCharts", "<br>mean %1<br>sd %2")
                         .arg(*s.mean, 0, 'f', 1)
                         .arg(s.sd ? QString::number(*s.sd, 'f', 1) : QStringLiteral("-"));
        names.append(label);
        if (!s.min)
            continue;
        boxes->append(
            new QBoxSet(*s.min, *s.lowerQuartile, *s.median, *s.upperQuartile, *s.max, label));
    }
    chart->addSeries(boxes);
    chart->createDefaultAxes();
    if (auto *y = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).value(0))) {
        y->setRange(0, std::max(analysis.test().fullMark, 1.0));
        y->setTitleText(QCoreApplication::translate("AnalysisCharts", "Score"));
    }
    return chart;
}

QChart *classFacility(const ItemAnalysis &analysis)
{
    QChart *chart = newChart(QCoreApplication::translate("AnalysisCharts", "Facility by class"));
    QValueAxis *x = questionAxis(chart, analysis.items().size());
    QValueAxis *y =
        axis(chart, Qt::AlignLeft, 0, 1, QCoreApplication::translate("AnalysisCharts", "Facility"));
    for (const ClassFigures &c : analysis.perClass()) {
        auto *line = new QLineSeries;
        line->setName(c.name);
        line->setPointsVisible(true);
        for (qsizetype q = 0; q < c.facility.size(); ++q) {
            if (c.facility[q])
                line->append(double(q + 1), *c.facility[q]);
        }
        attach(chart, line, x, y);
    }
    return chart;
}

} // namespace results::charts

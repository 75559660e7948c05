// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_report.h"

#include "analysis_charts.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace results {

namespace {

QString figure(const std::optional<double> &value, int decimals = 2)
{
    return value ? QString::number(*value, 'f', decimals) : QStringLiteral("-");
}

// Draws a chart into `target` (device units) as vector graphics.
void drawChart(QPainter &painter, QChart *owned, const QRectF &target)
{
    QGraphicsScene scene;
    scene.addItem(owned); // the scene owns and deletes it
    const QSizeF size(800, 800 * target.height() / target.width());
    owned->resize(size);
    scene.setSceneRect(QRectF(QPointF(0, 0), size));
    scene.render(&painter, target, scene.sceneRect());
}

} // namespace

QStringList AnalysisReport::figureLines(const ItemAnalysis &analysis)
{
    const TestFigures &t = analysis.test();
    const ScoreFigures &s = t.scores;
    return {
        QCoreApplication::translate("AnalysisReport", "Classes: %1")
            .arg(analysis.classes().join(QStringLiteral(", "))),
        QCoreApplication::translate("AnalysisReport",
                                    "Testees: %1    Questions: %2    Full mark: %3")
            .arg(s.testees)
            .arg(t.questions)
            .arg(t.fullMark),
        QCoreApplication::translate(
            "AnalysisReport", "Mean: %1    Median: %2    Standard deviation: %3    Lowest: %4    "
                              "Highest: %5")
            .arg(figure(s.mean), figure(s.median), figure(s.sd), figure(s.min, 0),
                 figure(s.max, 0)),
        QCoreApplication::translate(
            "AnalysisReport",
            "Internal consistency (alpha): %1    Standard error of measurement: %2")
            .arg(figure(t.alpha), figure(t.sem)),
    };
}

QStringList AnalysisReport::flagLines(const ItemAnalysis &analysis)
{
    QStringList lines;
    for (const ItemFigures &item : analysis.flagged())
        for (ItemFlag flag : item.flags)
            lines.append(QCoreApplication::translate("AnalysisReport", "Question %1: %2")
                             .arg(item.number)
                             .arg(ItemAnalysis::flagReason(flag)));
    return lines;
}

QByteArray AnalysisReport::build(const ItemAnalysis &analysis)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QCoreApplication::translate("AnalysisReport", "Item analysis: ") +
                     analysis.paper());
        pdf.setCreator(QStringLiteral("Quorin"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(300);
        QPainter painter(&pdf);
        const QRectF page(QPointF(0, 0), QSizeF(pdf.width(), pdf.height()));
        const auto lineHeight = [&] { return QFontMetricsF(painter.font(), &pdf).height() * 1.2; };
        double y = 0;
        const auto text = [&](const QString &line) {
            if (y + lineHeight() > page.height()) {
                pdf.newPage();
                y = 0;
            }
            painter.drawText(QRectF(0, y, page.width(), lineHeight()), Qt::AlignLeft, line);
            y += lineHeight();
        };

        QFont title = painter.font();
        title.setPointSizeF(14);
        title.setBold(true);
        painter.setFont(title);
        text(QCoreApplication::translate("AnalysisReport", "Item analysis: ") + analysis.paper());
        QFont body = title;
        body.setPointSizeF(9);
        body.setBold(false);
        painter.setFont(body);
        for (const QString &line : figureLines(analysis))
            text(line);
        y += lineHeight() / 2;

        const double chartHeight = page.height() * 0.28;
        drawChart(painter, charts::histogram(analysis), QRectF(0, y, page.width(), chartHeight));
        y += chartHeight;
        drawChart(painter, charts::questions(analysis), QRectF(0, y, page.width(), chartHeight));
        y += chartHeight + lineHeight() / 2;

        const QStringList flags = flagLines(analysis);
        QFont heading = body;
        heading.setBold(true);
        painter.setFont(heading);
        text(flags.isEmpty()
                 ? QCoreApplication::translate("AnalysisReport", "No question is flagged.")
                 : QCoreApplication::translate("AnalysisReport", "Flagged questions"));
        painter.setFont(body);
        for (const QString &line : flags)
            text(line);
    }
    return bytes;
}

} // namespace results

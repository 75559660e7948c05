// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window.h"

#include "analysis_charts.h"
#include "analysis_report.h"
#include "results_reader.h"

#include "store/profile_file.h"
#include "store/roster.h"
#include "ui/rich_text_pane.h"

#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace results {

namespace {

QChartView *chartView(const QString &name, QWidget *parent)
{
    auto *view = new QChartView(parent);
    view->setObjectName(name);
    view->setAccessibleName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 240);
    return view;
}

// A cell that sorts by its number; none shows "-" and sorts first.
QTableWidgetItem *numberCell(const std::optional<double> &value, int decimals = 2)
{
    auto *cell = new QTableWidgetItem;
    if (value)
        cell->setData(Qt::DisplayRole, QString::number(*value, 'f', decimals).toDouble());
    else
        cell->setData(Qt::DisplayRole, QStringLiteral("-"));
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return cell;
}

QTableWidgetItem *textCell(const QString &text)
{
    auto *cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return cell;
}

const QStringList tableColumns{QCoreApplication::translate("AnalysisWindow", "Question"),
                               QCoreApplication::translate("AnalysisWindow", "Key"),
                               QCoreApplication::translate("AnalysisWindow", "Mark"),
                               QCoreApplication::translate("AnalysisWindow", "Facility"),
                               QCoreApplication::translate("AnalysisWindow", "Discrimination"),
                               QCoreApplication::translate("AnalysisWindow", "Item-rest"),
                               QCoreApplication::translate("AnalysisWindow", "Flags")};

} // namespace

AnalysisWindow::AnalysisWindow(const store::DataRoot &root, ui::Prompts &prompts,
                               const store::Clock &clock, QWidget *parent)
    : QDialog(parent)
    , m_root(root)
    , m_prompts(prompts)
    , m_clock(clock)
{
    buildWindow();
}

void AnalysisWindow::buildWindow()
{
    setObjectName(QStringLiteral("Analysis"));
    setWindowTitle(tr("Item analysis"));
    resize(1100, 760);

    m_classes = new QListWidget(this);
    m_classes->setObjectName(QStringLiteral("List_classes"));
    m_classes->setAccessibleName(tr("Classes counted in"));
    m_classes->setToolTip(tr("Tick classes of the same paper to count in and compare"));
    m_classes->setMaximumWidth(200);
    for (const QString &name : store::Roster(m_root).read().classNames()) {
        auto *item = new QListWidgetItem(name, m_classes);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(m_classes, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        setClassTicked(item->text(), item->checkState() == Qt::Checked);
    });

    m_figures = new QLabel(this);
    m_figures->setObjectName(QStringLiteral("Lab_figures"));
    m_figures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_figures->setWordWrap(true);
    m_histogram = chartView(QStringLiteral("Chart_scores"), this);
    m_questionChart = chartView(QStringLiteral("Chart_questions"), this);
    m_classScores = chartView(QStringLiteral("Chart_class_scores"), this);
    m_classFacility = chartView(QStringLiteral("Chart_class_facility"), this);

    m_table = new QTableWidget(0, int(tableColumns.size()), this);
    m_table->setObjectName(QStringLiteral("Table_questions"));
    m_table->setAccessibleName(tr("Questions"));
    m_table->setHorizontalHeaderLabels(tableColumns);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSortingEnabled(true);
    m_table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    connect(m_table, &QTableWidget::cellClicked, this, [this](int row, int) {
        chooseQuestion(m_table->item(row, 0)->data(Qt::DisplayRole).toInt());
    });

    m_question = new ui::RichTextPane(this);
    m_question->setReadOnly(true);
    m_question->setObjectName(QStringLiteral("Rich_question"));
    m_question->setAccessibleName(tr("Question text"));
    m_options = new QTableWidget(0, 4, this);
    m_options->setObjectName(QStringLiteral("Table_options"));
    m_options->setAccessibleName(tr("Option shares"));
    m_options->setHorizontalHeaderLabels(
        {tr("Option"), tr("All"), tr("Upper group"), tr("Lower group")});
    m_options->verticalHeader()->hide();
    m_options->horizontalHeader()->setStretchLastSection(true);
    m_flags = new QLabel(this);
    m_flags->setObjectName(QStringLiteral("Lab_flags"));
    m_flags->setWordWrap(true);

    auto *paperTab = new QWidget(this);
    auto *paperLayout = new QVBoxLayout(paperTab);
    auto *chartsRow = new QHBoxLayout;
    chartsRow->addWidget(m_histogram);
    chartsRow->addWidget(m_questionChart);
    paperLayout->addWidget(m_figures);
    paperLayout->addLayout(chartsRow, 3);
    auto *lower = new QSplitter(Qt::Horizontal, paperTab);
    lower->addWidget(m_table);
    auto *detail = new QWidget(lower);
    auto *detailLayout = new QVBoxLayout(detail);
    detailLayout->setContentsMargins(0, 0, 0, 0);
    detailLayout->addWidget(m_question, 2);
    detailLayout->addWidget(m_flags);
    detailLayout->addWidget(m_options, 2);
    lower->addWidget(detail);
    paperLayout->addWidget(lower, 2);

    auto *classTab = new QWidget(this);
    auto *classLayout = new QHBoxLayout(classTab);
    classLayout->addWidget(m_classScores);
    classLayout->addWidget(m_classFacility);

    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("Tabs"));
    tabs->addTab(paperTab, tr("&Paper"));
    tabs->addTab(classTab, tr("Classes &side by side"));

    auto *save = new QPushButton(tr("Save &report..."), this);
    save->setObjectName(QStringLiteral("Cmd_report"));
    save->setAccessibleName(tr("Save report..."));
    auto *back = new QPushButton(tr("Return"), this);
    back->setObjectName(QStringLiteral("Cmd_return"));
    back->setAccessibleName(tr("Return"));
    connect(save, &QPushButton::clicked, this, &AnalysisWindow::saveReport);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    auto *side = new QVBoxLayout;
    auto *classesLabel = new QLabel(tr("&Classes:"), this);
    classesLabel->setBuddy(m_classes);
    side->addWidget(classesLabel);
    side->addWidget(m_classes, 1);
    side->addWidget(save);
    side->addWidget(back);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(tabs, 1);
}

void AnalysisWindow::showRefresh(const AnalysisInput &current)
{
    m_current = current;
    const QSignalBlocker blocker(m_classes);
    for (int i = 0; i < m_classes->count(); ++i) {
        QListWidgetItem *item = m_classes->item(i);
        const bool own = m_current.classes.contains(item->text());
        item->setCheckState(own || m_ticked.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
        item->setFlags(own ? Qt::ItemIsUserCheckable : Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    }
    setWindowTitle(tr("Item analysis: ") + m_current.paper);
    recompute();
}

void AnalysisWindow::setClassTicked(const QString &name, bool ticked)
{
    if (m_current.classes.contains(name))
        return;
    m_ticked.removeAll(name);
    if (ticked)
        m_ticked.append(name);
    showRefresh(m_current);
}

void AnalysisWindow::recompute()
{
    // The window's own class comes from the refresh; the others are read for the comparison.
    QList<ResultsInput> others;
    for (const QString &name : store::Roster(m_root).read().classNames()) {
        if (m_ticked.contains(name))
            others.append(ResultsReader::read(m_root, m_current.paper, name));
    }
    AnalysisInput input = m_current;
    const AnalysisInput extra = AnalysisInput::fromRefreshes(others);
    for (const AnalysisTestee &testee : extra.testees)
        input.testees.append(
            {testee.classIndex + int(input.classes.size()), testee.number, testee.answers});
    input.classes += extra.classes;
    m_analysis = ItemAnalysis::compute(input);
    drawAll();
}

void AnalysisWindow::drawAll()
{
    m_figures->setText(AnalysisReport::figureLines(m_analysis).join(u'\n'));
    const auto replace = [](QChartView *view, QChart *chart) {
        QChart *old = view->chart();
        view->setChart(chart);
        delete old;
    };
    replace(m_histogram, charts::histogram(m_analysis));
    replace(m_questionChart, charts::questions(m_analysis));
    replace(m_classScores, charts::classScores(m_analysis));
    replace(m_classFacility, charts::classFacility(m_analysis));

    // Rows again, in the order the teacher sorted them by.
    const int sortColumn = m_table->horizontalHeader()->sortIndicatorSection();
    const Qt::SortOrder order = m_table->horizontalHeader()->sortIndicatorOrder();
    m_table->setSortingEnabled(false);
    m_table->setRowCount(int(m_analysis.items().size()));
    for (int r = 0; r < m_analysis.items().size(); ++r) {
        const ItemFigures &item = m_analysis.items().at(r);
        QStringList flags;
        for (ItemFlag flag : item.flags)
            flags.append(ItemAnalysis::flagCode(flag));
        m_table->setItem(r, 0, numberCell(double(item.number), 0));
        m_table->setItem(r, 1, textCell(item.key.toText()));
        m_table->setItem(r, 2, numberCell(item.mark, 1));
        m_table->setItem(r, 3, numberCell(item.facility));
        m_table->setItem(r, 4, numberCell(item.discrimination));
        m_table->setItem(r, 5, numberCell(item.itemRest));
        m_table->setItem(r, 6, textCell(flags.join(QStringLiteral(", "))));
        if (!item.flags.isEmpty())
            for (int c = 0; c < m_table->columnCount(); ++c)
                m_table->item(r, c)->setForeground(QColor(180, 0, 0));
    }
    m_table->setSortingEnabled(true);
    m_table->sortItems(sortColumn, order);
    m_table->resizeColumnsToContents();
    if (m_chosen > m_analysis.items().size())
        m_chosen = 0;
    drawDetail();
}

void AnalysisWindow::chooseQuestion(int number)
{
    m_chosen = number >= 1 && number <= m_analysis.items().size() ? number : 0;
    drawDetail();
}

void AnalysisWindow::drawDetail()
{
    for (int r = 0; r < m_table->rowCount(); ++r) {
        if (m_table->item(r, 0)->data(Qt::DisplayRole).toInt() == m_chosen)
            m_table->selectRow(r);
    }
    m_options->setRowCount(0);
    if (m_chosen == 0) {
        m_question->clearDocument();
        m_flags->clear();
        return;
    }
    const ItemFigures &item = m_analysis.items().at(m_chosen - 1);
    const QString document = store::ProfileFile(m_root.paperFile(m_analysis.paper()))
                                 .read()
                                 .value(QString::number(m_chosen), u"QUESTION");
    if (document.isEmpty())
        m_question->clearDocument();
    else
        m_question->loadFile(m_root.paperDocument(m_analysis.paper(), document));
    QStringList reasons;
    for (ItemFlag flag : item.flags)
        reasons.append(ItemAnalysis::flagReason(flag));
    m_flags->setText(reasons.join(u'\n'));
    m_options->setRowCount(8);
    for (int k = 0; k <= 7; ++k) {
        const int row = k == 0 ? 7 : k - 1; // "not answered" last
        const QString name = k == 0 ? tr("Not answered")
                                    : QString(QChar(u'A' + k - 1)) +
                                          (item.key.hasOption(k) ? tr(" (key)") : QString());
        m_options->setItem(row, 0, textCell(name));
        m_options->setItem(row, 1, numberCell(item.options[k].all));
        m_options->setItem(row, 2, numberCell(item.options[k].upper));
        m_options->setItem(row, 3, numberCell(item.options[k].lower));
    }
}

void AnalysisWindow::saveReport()
{
    const QByteArray pdf = AnalysisReport::build(m_analysis);
    const office::Result<office::Delivered> delivered =
        office::deliver(m_delivery, m_analysis.paper() + QStringLiteral(" analysis"), m_clock.now(),
                        QStringLiteral("pdf"), pdf);
    if (!delivered) {
        m_prompts.message(tr("The report cannot be saved: %1").arg(delivered.reason()));
        return;
    }
    QString text = tr("The report is %1").arg(QDir::toNativeSeparators(delivered->path));
    if (!delivered->opened)
        text += tr("\n\nNo program to open it was found; open it with a PDF viewer.");
    m_prompts.message(text);
}

} // namespace results

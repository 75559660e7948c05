// The item analysis of "View achievement": the test's figures, the score histogram,
// facility and discrimination per question, the question table with each question's
// option shares by group, and classes of the same paper side by side.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "item_analysis.h"

#include "office/output_file.h"
#include "store/clock.h"
#include "store/data_root.h"
#include "ui/prompts.h"

#include <QDialog>

class QChartView;
class QLabel;
class QListWidget;
class QTableWidget;

namespace ui {
class RichTextPane;
}

namespace results {

class AnalysisWindow : public QDialog
{
    Q_OBJECT

public:
    /// `current` is the refresh of the class "View achievement" shows; the other
    /// classes of the roster can be ticked to count in and compare.
    AnalysisWindow(const store::DataRoot &root, ui::Prompts &prompts, const store::Clock &clock,
                   QWidget *parent = nullptr);

    /// Shows the analysis of a new refresh of the window's class (the 30 s refresh):
    /// ticked classes, the sort and the chosen question stay as they were.
    void showRefresh(const AnalysisInput &current);

    const ItemAnalysis &analysis() const { return m_analysis; }
    /// The question whose details are shown, or 0.
    int chosenQuestion() const { return m_chosen; }
    /// Shows question `number`'s text and option shares (as a click in the table does).
    void chooseQuestion(int number);
    /// Ticks or clears a class to count in (the window's own class stays ticked).
    void setClassTicked(const QString &name, bool ticked);

    /// "Save report...": a PDF of the analysis in the documents folder, a new file.
    void saveReport();
    void setDelivery(office::Delivery delivery) { m_delivery = std::move(delivery); }

private:
    void buildWindow();
    void recompute();
    void drawAll();
    void drawDetail();

    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    const store::Clock &m_clock;
    office::Delivery m_delivery;
    AnalysisInput m_current;
    QStringList m_ticked; ///< other classes counted in, in roster order
    ItemAnalysis m_analysis;
    int m_chosen = 0;

    QListWidget *m_classes = nullptr;
    QLabel *m_figures = nullptr;
    QChartView *m_histogram = nullptr;
    QChartView *m_questionChart = nullptr;
    QChartView *m_classScores = nullptr;
    QChartView *m_classFacility = nullptr;
    QTableWidget *m_table = nullptr;
    QTableWidget *m_options = nullptr;
    ui::RichTextPane *m_question = nullptr;
    QLabel *m_flags = nullptr;
};

} // namespace results

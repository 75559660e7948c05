// The "View achievement" window: draws the results model and passes on clicks.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "excel_output.h"
#include "results_model.h"

#include "store/data_root.h"
#include "ui/prompts.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace ui {
class RichTextPane;
}

namespace results {

class AnalysisWindow;
class ResultsLoader;

class ResultsWindow : public QDialog
{
    Q_OBJECT

public:
    using QuitCallback = std::function<void()>;
    using HelpCallback = std::function<void(const QString &page)>;

    /// Reads the paper and class lists at once; with no paper or no class it shows
    /// "Sorry!No test now." or "Sorry!No achievement now." and asks the program to
    /// quit (see hasEnded). Otherwise the first refresh starts.
    ResultsWindow(const store::DataRoot &root, ui::Prompts &prompts, QuitCallback quit,
                  HelpCallback help, QWidget *parent = nullptr);
    ~ResultsWindow() override;

    /// Opens the window modally over `parent` (main-menu button 4); returns when it
    /// closes, or at once when the program is to end.
    static void openModal(const store::DataRoot &root, ui::Prompts &prompts, QuitCallback quit,
                          HelpCallback help, QWidget *parent);

    static QString helpPage() { return QStringLiteral("view-achievement"); }
    /// The auto refresh's interval.
    static constexpr int autoRefreshMs = 30000;

    /// Whether opening found no paper or no class and asked the program to end.
    bool hasEnded() const { return m_ended; }
    const ResultsModel &model() const { return m_model; }
    /// Whether a refresh has been asked for and not applied yet.
    bool isRefreshing() const;

    /// Reads the chosen paper and class again ("Update", a new choice).
    void refresh();
    /// "Output to EXCEL": the figures of the last refresh into a new workbook.
    void outputToExcel();
    /// Where workbooks go and how they open (tests keep them away from the desktop).
    void setDelivery(office::Delivery delivery) { m_excel.setDelivery(std::move(delivery)); }
    /// "Analysis...": the item analysis of the last refresh, which then follows every
    /// refresh while it is open (the teacher's choices in it stay).
    AnalysisWindow *openAnalysis();

    /// One tick of the auto timer: a refresh when "Auto" is ticked.
    void autoRefreshTick();

Q_SIGNALS:
    /// A refresh has been applied and drawn.
    void refreshed();

private:
    void buildWindow();
    void applyInput(const ResultsInput &input);
    void drawAll();
    enum class Scroll { Keep, Top };
    void drawTesteeLists(Scroll scroll);
    void drawStatistics();
    void drawQuestionList();
    void drawAnswerList();
    void drawDetail();
    void testeeHeaderClicked(TesteeColumn column);
    void questionHeaderClicked(QuestionColumn column);
    void testeeSelected(int row);
    void questionClicked(int row);
    void allowRetest();
    void deleteScore();
    void reportFailure(const QString &action, store::WriteStatus status);

    ResultsModel m_model;
    ui::Prompts &m_prompts;
    store::SystemClock m_clock;
    ExcelOutput m_excel;
    QuitCallback m_quit;
    HelpCallback m_help;
    ResultsLoader *m_loader = nullptr;
    bool m_ended = false;

    QComboBox *m_papers = nullptr;
    QComboBox *m_classes = nullptr;
    QCheckBox *m_auto = nullptr;
    QTimer *m_timer = nullptr;
    QPushButton *m_excelButton = nullptr;
    QPushButton *m_analysisButton = nullptr;
    AnalysisWindow *m_analysis = nullptr;
    QListWidget *m_left = nullptr;
    QListWidget *m_right = nullptr;
    QListWidget *m_statistics = nullptr;
    QListWidget *m_questions = nullptr;
    QListWidget *m_answers = nullptr;
    ui::RichTextPane *m_preview = nullptr;
    std::array<QLabel *, 8> m_counts{};
};

} // namespace results

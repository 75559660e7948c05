// The results view without its window: tables, statistics, orders, selections
// and the two actions that change records.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer_matrix.h"
#include "class_summary.h"
#include "item_analysis.h"
#include "question_table.h"
#include "result_table.h"
#include "results_reader.h"
#include "sort_toggle.h"

#include "store/data_root.h"
#include "store/status.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

namespace results {

class RecordCache;

/// The five sortable columns of the testee lists, in header order.
enum class TesteeColumn { Number, Name, Score, Rank, SurplusTime };
/// The three sortable columns of the question list.
enum class QuestionColumn { Number, ScorePercent, CorrectAnswer };

/// What the detail area shows for the clicked question.
struct QuestionDetail
{
    int question = 0; ///< 0 before the first click
    QString
        documentPath; ///< the question's document; empty when none is named or the name is unsafe
    /// counts[0] is "NO" (scored testees who left it unanswered), counts[k] option k.
    std::array<qint64, 8> counts{};
    /// Labels of the digits of the correct answer; "NO" when no answer is set.
    std::array<bool, 8> marked{};
};

/// The left and right testee lists, line for line.
struct TesteeLists
{
    QStringList left;
    QStringList right;
};

class ResultsModel
{
public:
    explicit ResultsModel(store::DataRoot root);
    ~ResultsModel();
    ResultsModel(ResultsModel &&) noexcept;
    ResultsModel &operator=(ResultsModel &&) noexcept;

    static QString noPaperText()
    {
        return QCoreApplication::translate("ResultsModel", "Sorry!No test now.");
    }
    static QString noAchievementText()
    {
        return QCoreApplication::translate("ResultsModel", "Sorry!No achievement now.");
    }

    enum class OpenOutcome { Ready, NoPaper, NoClass };
    /// Reads the paper and class lists from the roster.
    OpenOutcome open();
    const QStringList &paperNames() const { return m_paperNames; }
    const QStringList &classNames() const { return m_classNames; }

    /// Reads the files of one paper and class and applies them.
    void refreshResults(const QString &paper, const QString &className);
    /// Rebuilds every table from what a refresh read: statistics, question
    /// figures, ranks; testees back in number order, questions in paper order,
    /// nothing selected. Sort toggles keep their states, except that of "Number".
    void apply(ResultsInput input);
    bool hasRefreshed() const { return m_refreshed; }

    /// The paper and class of the tables shown (trimmed), from the last refresh.
    const store::DataRoot &root() const { return m_root; }
    const QString &paper() const { return m_input.paper; }
    /// The last refresh as an item analysis counts it (shares the answers; reads nothing).
    const AnalysisInput &analysisInput() const { return m_analysisInput; }
    const QString &className() const { return m_input.className; }
    /// The class's student count S: only the first S positions of the score order get a rank.
    int studentCount() const { return m_input.classEntry.studentCount; }
    int firstNumber() const { return m_input.classEntry.firstNumber; }

    const ResultTable &resultTable() const { return m_table; }
    const AnswerMatrix &answerMatrix() const { return m_answers; }
    const ClassSummary &summary() const { return m_summary; }
    const QuestionTable &questionTable() const { return m_questions; }
    /// Display position p (1-based) shows row testeeOrder()[p - 1].
    const QList<int> &testeeOrder() const { return m_testeeOrder; }
    /// List position k (1-based) shows question questionOrder()[k - 1].
    const QList<int> &questionOrder() const { return m_questionOrder; }
    const SortToggle &testeeToggle(TesteeColumn column) const
    {
        return m_testeeToggles[size_t(column)];
    }
    const SortToggle &questionToggle(QuestionColumn column) const
    {
        return m_questionToggles[size_t(column)];
    }

    /// Ranks by score over the first S positions of the descending score order;
    /// equal scores share the rank of the first of them (1, 2, 2, 4).
    void computeRanks();

    /// A header of the testee lists: flips its toggle and orders the rows. The
    /// lists are redrawn, so no testee stays selected.
    void sortTestees(TesteeColumn column);
    /// A header of the question list: flips its toggle and orders the questions.
    /// The selected position stays, so the question now there becomes the detail.
    void sortQuestions(QuestionColumn column);

    TesteeLists rebuildTesteeLists() const;
    QStringList rebuildQuestionList() const;
    /// The selected testee's answer to each question, line for line beside the
    /// question list; all 0 when no testee is selected.
    QStringList rebuildAnswerList() const;
    QStringList statisticsLines() const { return m_summary.statisticsLines(); }

    /// Display position (0-based) selected in the testee lists; -1 for none.
    int selectedTestee() const { return m_selectedTestee; }
    void selectTestee(int position);
    /// Position (0-based) selected in the question list; -1 for none.
    int selectedQuestion() const { return m_selectedQuestion; }
    /// A click on a line of the question list: selects it and fills the detail.
    void showQuestionDetail(int position);
    const QuestionDetail &detail() const { return m_detail; }

    /// The selected testee's number, or nothing when no testee is selected.
    std::optional<int> selectedNumber() const;
    /// "Allow retest": empties the selected testee's finish mark. Ok when no
    /// testee is selected. The tables show the change at the next refresh.
    store::WriteStatus allowRetest() const;
    /// "Delete score": removes the selected testee's record. Ok when no testee
    /// is selected or there is no record.
    store::WriteStatus deleteScore() const;

private:
    void orderTestees(TesteeColumn column, SortDirection direction);

    store::DataRoot m_root;
    /// What the last refresh read; refreshResults opens only files that changed since.
    std::unique_ptr<RecordCache> m_cache;
    QStringList m_paperNames;
    QStringList m_classNames;

    ResultsInput m_input;
    AnalysisInput m_analysisInput;
    bool m_refreshed = false;
    ResultTable m_table;
    AnswerMatrix m_answers;
    ClassSummary m_summary;
    QuestionTable m_questions;
    QList<int> m_testeeOrder;
    QList<int> m_questionOrder;
    std::array<SortToggle, 5> m_testeeToggles{};
    std::array<SortToggle, 3> m_questionToggles{};
    int m_selectedTestee = -1;
    int m_selectedQuestion = -1;
    QuestionDetail m_detail;
};

} // namespace results

// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_model.h"

#include "record_cache.h"

#include "store/numeric.h"
#include "store/profile_file.h"
#include "store/result_record.h"
#include "store/roster.h"

#include <numeric>

namespace results {

namespace {

QString underscores(int count)
{
    return QString(count, u'_');
}

// The first n characters, padded lines being cut to fixed columns; a surrogate
// pair is never split, so a hand-edited score cannot leave half a character.
QString leftChars(const QString &text, qsizetype n)
{
    if (text.size() <= n)
        return text;
    if (n > 0 && text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n);
}

QList<int> identity(int n)
{
    QList<int> order(std::max(n, 0));
    std::iota(order.begin(), order.end(), 1);
    return order;
}

} // namespace

ResultsModel::ResultsModel(store::DataRoot root)
    : m_root(std::move(root))
    , m_cache(std::make_unique<RecordCache>())
{}

ResultsModel::~ResultsModel() = default;
ResultsModel::ResultsModel(ResultsModel &&) noexcept = default;
ResultsModel &ResultsModel::operator=(ResultsModel &&) noexcept = default;

ResultsModel::OpenOutcome ResultsModel::open()
{
    const store::RosterReader roster = store::Roster(m_root).read();
    m_paperNames = roster.paperNames();
    m_classNames = roster.classNames();
    if (m_paperNames.isEmpty())
        return OpenOutcome::NoPaper;
    if (m_classNames.isEmpty())
        return OpenOutcome::NoClass;
    return OpenOutcome::Ready;
}

void ResultsModel::refreshResults(const QString &paper, const QString &className)
{
    apply(ResultsReader::read(m_root, paper, className, m_cache.get()));
}

void ResultsModel::apply(ResultsInput input)
{
    m_analysisInput = AnalysisInput::fromRefreshes({input});
    QList<TesteeRecord> testees = std::move(input.testees);
    m_input = std::move(input);
    const int rows = int(testees.size());
    const int questions = m_input.questionCount;

    m_summary = ClassSummary(m_input.thresholds);
    m_table.clear();
    m_answers.reset(rows, questions);
    m_selectedTestee = -1;
    m_selectedQuestion = -1;
    m_questionOrder = identity(questions);

    for (int r = 1; r <= rows; ++r) {
        TesteeRecord &record = testees[r - 1];
        ResultRow row;
        row.number = QString::number(record.number);
        row.firstName = record.firstName;
        row.lastName = record.lastName;
        const double score = store::numericValue(record.scoreText);
        if (score >= 0) {
            m_summary.add(score);
            row.hasScore = true;
            row.score = record.scoreText;
        }
        row.surplusTime = record.surplusTime;
        row.answerText = record.answerText;
        if (record.hasRecord)
            m_answers.setRow(r, std::move(record.answers));
        m_table.append(std::move(row));
    }
    m_summary.finish();
    m_questions = QuestionTable::build(m_answers, m_input.correctAnswers, m_summary.count());
    m_refreshed = true;
    computeRanks();

    // Back to number order: the "Number" header as if clicked once more from 2.
    m_testeeToggles[size_t(TesteeColumn::Number)].setState(2);
    sortTestees(TesteeColumn::Number);
}

void ResultsModel::computeRanks()
{
    const int rows = m_table.rowCount();
    QList<double> keys(rows);
    for (int r = 1; r <= rows; ++r) {
        keys[r - 1] = store::numericValue(m_table.row(r).score);
        m_table.row(r).rank.clear();
    }
    const QList<int> order = orderByKeys(keys, SortDirection::Descending);
    const int ranked = std::min(studentCount(), rows);
    for (int p = 1; p <= ranked; ++p) {
        const int r = order.at(p - 1);
        if (p == 1 || keys.at(order.at(p - 2) - 1) != keys.at(r - 1))
            m_table.row(r).rank = QString::number(p);
        else
            m_table.row(r).rank = m_table.row(order.at(p - 2)).rank;
    }
}

void ResultsModel::orderTestees(TesteeColumn column, SortDirection direction)
{
    const int rows = m_table.rowCount();
    if (column == TesteeColumn::Name || column == TesteeColumn::SurplusTime) {
        QStringList keys;
        keys.reserve(rows);
        for (const ResultRow &row : m_table.rows())
            keys.append(column == TesteeColumn::Name ? row.firstName : row.surplusTime);
        m_testeeOrder = orderByKeys(keys, direction);
        return;
    }
    QList<double> keys;
    keys.reserve(rows);
    for (const ResultRow &row : m_table.rows()) {
        const QString &text = column == TesteeColumn::Number  ? row.number
                              : column == TesteeColumn::Score ? row.score
                                                              : row.rank;
        keys.append(store::numericValue(text));
    }
    m_testeeOrder = orderByKeys(keys, direction);
}

void ResultsModel::sortTestees(TesteeColumn column)
{
    orderTestees(column, m_testeeToggles[size_t(column)].flip());
    m_selectedTestee = -1;
}

void ResultsModel::sortQuestions(QuestionColumn column)
{
    const SortDirection direction = m_questionToggles[size_t(column)].flip();
    QList<double> keys;
    keys.reserve(m_questions.questionCount());
    for (const QuestionEntry &entry : m_questions.entries()) {
        switch (column) {
        case QuestionColumn::Number:
            keys.append(entry.number);
            break;
        case QuestionColumn::ScorePercent:
            keys.append(double(entry.scorePercent));
            break;
        case QuestionColumn::CorrectAnswer:
            keys.append(entry.correctAnswer.value());
            break;
        }
    }
    m_questionOrder = orderByKeys(keys, direction);
    if (m_selectedQuestion >= 0)
        showQuestionDetail(m_selectedQuestion);
}

TesteeLists ResultsModel::rebuildTesteeLists() const
{
    TesteeLists lists;
    lists.left.reserve(m_testeeOrder.size());
    lists.right.reserve(m_testeeOrder.size());
    for (int r : m_testeeOrder) {
        const ResultRow &row = m_table.row(r);
        lists.left.append(leftChars(row.number + underscores(19), 6) + u"_|_" + row.firstName +
                          u"__" + row.lastName + underscores(29));
        if (!row.score.isEmpty())
            lists.right.append(leftChars(row.score + underscores(20), 6) + u"_|_" +
                               leftChars(row.rank + underscores(14), 4) + u"_|_" + row.surplusTime +
                               underscores(20));
        else
            lists.right.append(underscores(6) + u"_|_" + underscores(4) + u"_|_" + row.surplusTime +
                               underscores(20));
    }
    return lists;
}

QStringList ResultsModel::rebuildQuestionList() const
{
    QStringList lines;
    lines.reserve(m_questionOrder.size());
    for (int q : m_questionOrder) {
        const QuestionEntry &entry = m_questions.entry(q);
        lines.append(leftChars(QString::number(entry.number) + underscores(14), 9) + u"_|_" +
                     leftChars(QString::number(entry.scorePercent) + underscores(9), 9) + u"_|_" +
                     entry.correctAnswer.toText() + underscores(13));
    }
    return lines;
}

QStringList ResultsModel::rebuildAnswerList() const
{
    const int r = m_selectedTestee >= 0 ? m_testeeOrder.at(m_selectedTestee) : 0;
    QStringList lines;
    lines.reserve(m_questionOrder.size());
    for (int q : m_questionOrder)
        lines.append(m_answers.value(r, q).toText() + underscores(16));
    return lines;
}

void ResultsModel::selectTestee(int position)
{
    m_selectedTestee = position >= 0 && position < m_testeeOrder.size() ? position : -1;
}

void ResultsModel::showQuestionDetail(int position)
{
    if (position < 0 || position >= m_questionOrder.size()) {
        m_selectedQuestion = -1;
        return;
    }
    m_selectedQuestion = position;
    const int q = m_questionOrder.at(position);
    const QuestionEntry &entry = m_questions.entry(q);

    QuestionDetail detail;
    detail.question = q;
    const QString document = store::ProfileFile(m_root.paperFile(m_input.paper))
                                 .read()
                                 .value(QString::number(q), u"QUESTION");
    if (!document.isEmpty())
        detail.documentPath = m_root.paperDocument(m_input.paper, document);

    for (int r = 1; r <= m_table.rowCount(); ++r) {
        const store::AnswerCode answer = m_answers.value(r, q);
        if (answer.value() == 0) {
            // Testees still in the test have not left it unanswered yet.
            if (m_table.row(r).hasScore)
                ++detail.counts[0];
            continue;
        }
        const int digits = digitMask(answer);
        for (int k = 1; k <= 7; ++k) {
            if (digits & (1 << k))
                ++detail.counts[size_t(k)];
        }
    }
    const int correct = digitMask(entry.correctAnswer);
    for (int k = 0; k <= 7; ++k)
        detail.marked[size_t(k)] = (correct & (1 << k)) != 0;
    m_detail = detail;
}

std::optional<int> ResultsModel::selectedNumber() const
{
    if (m_selectedTestee < 0 || m_selectedTestee >= m_testeeOrder.size())
        return std::nullopt;
    const int r = m_testeeOrder.at(m_selectedTestee);
    return m_input.classEntry.firstNumber + r - 1;
}

store::WriteStatus ResultsModel::allowRetest() const
{
    const std::optional<int> number = selectedNumber();
    if (!number)
        return store::WriteStatus::Ok;
    return store::ResultRecord(m_root, m_input.paper, m_input.className, QString::number(*number))
        .clearFinishMark();
}

store::WriteStatus ResultsModel::deleteScore() const
{
    const std::optional<int> number = selectedNumber();
    if (!number)
        return store::WriteStatus::Ok;
    return store::ResultRecord(m_root, m_input.paper, m_input.className, QString::number(*number))
        .removeRecord();
}

} // namespace results

// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_workbook.h"

#include "office/xlsx_template.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace results {

namespace {

using office::CellAddress;
using office::Failure;

// Figures go in as numbers where the text is one, so that a teacher can sort and sum
// them: the spreadsheet program of the Windows setting turned every numeric text it
// was handed into a number in the same way. Names, and a time such as "00:05:12",
// stay text.
void setFigure(office::XlsxTemplate &book, int sheet, CellAddress cell, const QString &text)
{
    static const QRegularExpression plainNumber(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (plainNumber.match(text).hasMatch())
        book.setNumber(sheet, cell, text.toDouble());
    else
        book.setText(sheet, cell, text);
}

} // namespace

office::Result<QByteArray> ResultsWorkbook::build(const ResultsModel &model,
                                                  const QString &templatePath)
{
    office::Result<office::XlsxTemplate> opened = office::XlsxTemplate::open(templatePath);
    if (!opened)
        return Failure{
            QCoreApplication::translate("ResultsWorkbook", "The template cannot be used: %1")
                .arg(opened.reason())};
    office::XlsxTemplate &book = *opened;
    if (book.sheetCount() < sheetCount)
        return Failure{
            QCoreApplication::translate("ResultsWorkbook",
                                        "The template has %1 worksheets; it needs %2 (testees, "
                                        "statistics, questions, answers).")
                .arg(book.sheetCount())
                .arg(sheetCount)};
    for (int sheet = 1; sheet <= sheetCount; ++sheet) {
        if (!book.isWorksheet(sheet))
            return Failure{QCoreApplication::translate(
                               "ResultsWorkbook", "Sheet %1 of the template (%2) holds no cells.")
                               .arg(sheet)
                               .arg(book.sheetName(sheet))};
    }

    const QString &paper = model.paper();
    const QString &className = model.className();
    const ResultTable &table = model.resultTable();
    // Only the class's student count of rows, even when its number range is longer.
    const int rows = std::clamp(model.studentCount(), 0, table.rowCount());

    // 1: testees, in number order (the table's order, never the display order).
    book.setText(1, QStringLiteral("B2"), paper);
    book.setText(1, QStringLiteral("E1"), className);
    for (int i = 1; i <= rows; ++i) {
        const ResultRow &row = table.row(i);
        // A testee without a score has no place in the ranking, as the window shows it.
        const QString rank = row.score.isEmpty() ? QString() : row.rank;
        const QString values[] = {row.number, row.firstName, row.lastName,
                                  row.score,  rank,          row.surplusTime};
        for (int column = 1; column <= 6; ++column) {
            if (column == 2 || column == 3)
                book.setText(1, CellAddress{5 + i, column}, values[column - 1]);
            else
                setFigure(book, 1, CellAddress{5 + i, column}, values[column - 1]);
        }
    }

    // 2: statistics.
    const ClassSummary &summary = model.summary();
    const bool scored = summary.count() > 0;
    book.setText(2, QStringLiteral("B2"), paper);
    book.setText(2, QStringLiteral("B1"), className);
    if (scored)
        setFigure(book, 2, CellAddress{6, 2}, summary.averageText());
    const qint64 figures[] = {summary.highest(),
                              summary.lowest(),
                              summary.count(),
                              summary.sum(),
                              summary.gradeCount(Grade::A),
                              summary.gradeCount(Grade::B),
                              summary.gradeCount(Grade::C),
                              summary.gradeCount(Grade::D),
                              summary.gradeCount(Grade::F),
                              summary.passTotal()};
    for (int k = 0; k < 10; ++k)
        book.setNumber(2, CellAddress{7 + k, 2}, double(figures[k]));
    if (scored) {
        const Grade grades[] = {Grade::A, Grade::B, Grade::C, Grade::D, Grade::F};
        for (int k = 0; k < 5; ++k)
            setFigure(book, 2, CellAddress{17 + k, 2}, summary.percentText(grades[k]));
        setFigure(book, 2, CellAddress{22, 2}, summary.passPercentText());
    }

    // 3: questions, in paper order.
    const QuestionTable &questions = model.questionTable();
    book.setText(3, QStringLiteral("B2"), paper);
    book.setText(3, QStringLiteral("F1"), className);
    for (int q = 1; q <= questions.questionCount(); ++q) {
        const QuestionEntry &entry = questions.entry(q);
        const double values[] = {double(entry.number),          double(entry.correctAnswer.value()),
                                 double(entry.scorePercent),    double(entry.optionCounts[0]),
                                 double(entry.optionCounts[1]), double(entry.optionCounts[2]),
                                 double(entry.optionCounts[3]), double(entry.optionCounts[4])};
        for (int column = 1; column <= 8; ++column)
            book.setNumber(3, CellAddress{5 + q, column}, values[column - 1]);
    }

    // 4: answers.
    book.setText(4, QStringLiteral("B2"), paper);
    book.setText(4, QStringLiteral("F1"), className);
    const int questionCount = questions.questionCount();
    for (int q = 1; q <= questionCount; ++q)
        book.setText(4, CellAddress{5, 3 + q},
                     QCoreApplication::translate("ResultsWorkbook", "NO ") + QString::number(q));
    const AnswerMatrix &answers = model.answerMatrix();
    for (int i = 1; i <= rows; ++i) {
        const ResultRow &row = table.row(i);
        setFigure(book, 4, CellAddress{5 + i, 1}, row.number);
        book.setText(4, CellAddress{5 + i, 2}, row.firstName);
        book.setText(4, CellAddress{5 + i, 3}, row.lastName);
        if (!row.hasScore)
            continue;
        for (int q = 1; q <= questionCount; ++q)
            book.setNumber(4, CellAddress{5 + i, 3 + q}, answers.value(i, q).value());
    }

    office::Result<QByteArray> bytes = book.toBytes();
    if (!bytes)
        return Failure{
            QCoreApplication::translate("ResultsWorkbook", "The workbook cannot be made: %1")
                .arg(bytes.reason())};
    return bytes;
}

} // namespace results

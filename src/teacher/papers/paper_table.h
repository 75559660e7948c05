// The rows of "Manage paper": one per paper in list order, each with the seventeen
// texts the window keeps (name, "Allow to test" flag, the paper file's settings).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/paper.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace teacher {

/// The columns of a row, numbered as the list has always kept them.
enum class PaperColumn {
    Name = 1,
    AllowToTest,
    TestTime,
    FullMark,
    ExerciseMode,
    RetestPassword,
    ReloginPassword,
    DisplayScore,
    ChangeQuestionSort,
    AGrade,
    BGrade,
    CGrade,
    DGrade,
    QuestionCount,
    Author,
    Mark,
    AboutTest,
};
inline constexpr int paperColumnCount = 17;

/// Test time and the A to D scores: fields that hold a number as it is typed.
bool isNumberColumn(PaperColumn column);
/// "Allow to test" and the three flags of the paper file ("1" or "0").
bool isFlagColumn(PaperColumn column);
bool isPasswordColumn(PaperColumn column);
/// Question count, full mark and default mark: the paper editor's, shown only.
bool isEditorColumn(PaperColumn column);

/// One paper: its name, its offered flag from the roster and the settings of its file.
struct PaperRow
{
    QString name;
    QString allowToTest;
    store::PaperSettings settings;

    /// What "Create paper" gives a new paper: the defaults, offered, "about test" = name.
    static PaperRow forNewPaper(const QString &name);

    QString column(PaperColumn column) const;
    void setColumn(PaperColumn column, const QString &text);
    bool operator==(const PaperRow &) const = default;
};

/// Rows 1..N, and behind them one spare empty row N + 1.
class PaperTable
{
public:
    PaperTable();

    int count() const { return int(m_rows.size()) - 1; }
    /// Row 1..N + 1 (N + 1 is the spare one, always empty).
    const PaperRow &row(int r) const;
    /// Changes a column of row 1..N; other rows are left alone.
    void setColumn(int r, PaperColumn column, const QString &text);

    void append(PaperRow row);
    /// Removes row r; the rows below move up by one.
    void removeRow(int r);
    /// Rows a and b exchange all their columns.
    void swapRows(int a, int b);
    void clear();

    /// Column 1 of rows 1..N.
    QStringList names() const;
    /// The first row whose trimmed name equals the trimmed `name`, or 0.
    int find(const QString &name, Qt::CaseSensitivity cs) const;

private:
    bool isRow(int r) const { return r >= 1 && r <= count(); }
    QList<PaperRow> m_rows; ///< m_rows[r - 1] is row r; the last is the spare row
};

} // namespace teacher

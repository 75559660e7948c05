// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper_table.h"

namespace teacher {

namespace {

// The settings text of a column, or nothing for the two that live in the roster.
template<typename Settings>
auto settingsField(Settings &s, PaperColumn column) -> decltype(&s.testTime)
{
    switch (column) {
    case PaperColumn::Name:
    case PaperColumn::AllowToTest:
        return nullptr;
    case PaperColumn::TestTime:
        return &s.testTime;
    case PaperColumn::FullMark:
        return &s.fullMark;
    case PaperColumn::ExerciseMode:
        return &s.exerciseMode;
    case PaperColumn::RetestPassword:
        return &s.retestPassword;
    case PaperColumn::ReloginPassword:
        return &s.reloginPassword;
    case PaperColumn::DisplayScore:
        return &s.displayScore;
    case PaperColumn::ChangeQuestionSort:
        return &s.changeQuestionSort;
    case PaperColumn::AGrade:
        return &s.aGrade;
    case PaperColumn::BGrade:
        return &s.bGrade;
    case PaperColumn::CGrade:
        return &s.cGrade;
    case PaperColumn::DGrade:
        return &s.dGrade;
    case PaperColumn::QuestionCount:
        return &s.questionCount;
    case PaperColumn::Author:
        return &s.author;
    case PaperColumn::Mark:
        return &s.mark;
    case PaperColumn::AboutTest:
        return &s.aboutTest;
    }
    return nullptr;
}

} // namespace

bool isNumberColumn(PaperColumn column)
{
    return column == PaperColumn::TestTime || column == PaperColumn::AGrade ||
           column == PaperColumn::BGrade || column == PaperColumn::CGrade ||
           column == PaperColumn::DGrade;
}

bool isFlagColumn(PaperColumn column)
{
    return column == PaperColumn::AllowToTest || column == PaperColumn::ExerciseMode ||
           column == PaperColumn::DisplayScore || column == PaperColumn::ChangeQuestionSort;
}

bool isPasswordColumn(PaperColumn column)
{
    return column == PaperColumn::RetestPassword || column == PaperColumn::ReloginPassword;
}

bool isEditorColumn(PaperColumn column)
{
    return column == PaperColumn::QuestionCount || column == PaperColumn::FullMark ||
           column == PaperColumn::Mark;
}

PaperRow PaperRow::forNewPaper(const QString &name)
{
    return PaperRow{name, QStringLiteral("1"), store::PaperSettings::forNewPaper(name)};
}

QString PaperRow::column(PaperColumn column) const
{
    if (column == PaperColumn::Name)
        return name;
    if (column == PaperColumn::AllowToTest)
        return allowToTest;
    const QString *field = settingsField(settings, column);
    return field ? *field : QString();
}

void PaperRow::setColumn(PaperColumn column, const QString &text)
{
    if (column == PaperColumn::Name)
        name = text;
    else if (column == PaperColumn::AllowToTest)
        allowToTest = text;
    else if (QString *field = settingsField(settings, column))
        *field = text;
}

PaperTable::PaperTable()
    : m_rows(1)
{}

const PaperRow &PaperTable::row(int r) const
{
    return isRow(r) ? m_rows.at(r - 1) : m_rows.constLast();
}

void PaperTable::setColumn(int r, PaperColumn column, const QString &text)
{
    if (isRow(r))
        m_rows[r - 1].setColumn(column, text);
}

void PaperTable::append(PaperRow row)
{
    m_rows.insert(m_rows.size() - 1, std::move(row));
}

void PaperTable::removeRow(int r)
{
    if (isRow(r))
        m_rows.removeAt(r - 1);
}

void PaperTable::swapRows(int a, int b)
{
    if (isRow(a) && isRow(b))
        m_rows.swapItemsAt(a - 1, b - 1);
}

void PaperTable::clear()
{
    m_rows = QList<PaperRow>(1);
}

QStringList PaperTable::names() const
{
    QStringList list;
    list.reserve(count());
    for (int r = 1; r <= count(); ++r)
        list.append(m_rows.at(r - 1).name);
    return list;
}

int PaperTable::find(const QString &name, Qt::CaseSensitivity cs) const
{
    const QString wanted = name.trimmed();
    for (int r = 1; r <= count(); ++r) {
        if (m_rows.at(r - 1).name.trimmed().compare(wanted, cs) == 0)
            return r;
    }
    return 0;
}

} // namespace teacher

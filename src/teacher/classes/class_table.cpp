// SPDX-License-Identifier: GPL-3.0-or-later
#include "class_table.h"

#include <QCoreApplication>

#include "store/name_check.h"
#include "store/numeric.h"
#include "store/profile_file.h"
#include "ui/prompts.h"

namespace teacher {

namespace {

// Counts and testee numbers are 16-bit values in every file that holds them.
bool fitsSixteenBits(double value)
{
    const qint64 whole = store::roundHalfEven(value);
    return whole >= -32768 && whole <= 32767;
}

double number(const QString &text)
{
    return store::numericValue(text);
}

} // namespace

ClassTable::ClassTable(store::DataRoot root, ui::Prompts &prompts)
    : m_root(std::move(root))
    , m_prompts(prompts)
{}

void ClassTable::readClassList()
{
    const store::RosterReader reader = store::Roster(m_root).read();
    const store::ReadStatus status = reader.snapshot().status();
    m_readFailed = status != store::ReadStatus::Ok && status != store::ReadStatus::Missing;
    m_classes = reader.classList();
    m_selected = -1;
    if (m_readFailed) {
        m_prompts.message(QCoreApplication::translate(
                              "ClassTable", "The roster %1 could not be read: %2. The classes are "
                                            "shown empty and cannot be saved.")
                              .arg(store::Roster(m_root).file(), store::describe(status)),
                          title());
    }
    select(m_classes.isEmpty() ? -1 : 0);
}

bool ClassTable::writeClassList()
{
    if (m_readFailed) {
        m_prompts.message(QCoreApplication::translate(
                              "ClassTable", "The classes were not saved, because the roster could "
                                            "not be read when this window opened."),
                          title());
        return false;
    }
    if (const std::optional<QString> clash = recordFileClash()) {
        if (!m_prompts.question(*clash + QCoreApplication::translate("ClassTable", " Save anyway?"),
                                title()))
            return false;
    }
    const store::WriteStatus status = store::Roster(m_root).writeClassList(m_classes);
    if (status != store::WriteStatus::Ok) {
        m_prompts.message(
            store::notSavedMessage(
                status, QCoreApplication::translate("ClassTable", "the class list was not saved")),
            title());
        return false;
    }
    return true;
}

QStringList ClassTable::names() const
{
    QStringList list;
    for (const store::ClassEntry &entry : m_classes)
        list.append(entry.name);
    return list;
}

void ClassTable::select(int row)
{
    m_selected = row >= 0 && row < m_classes.size() ? row : -1;
    showSelected();
}

void ClassTable::showSelected()
{
    if (!hasSelection()) {
        m_countText.clear();
        m_firstText.clear();
        m_lastText.clear();
        return;
    }
    const store::ClassEntry &entry = m_classes.at(m_selected);
    m_countText = QString::number(entry.studentCount);
    m_firstText = QString::number(entry.firstNumber);
    m_lastText = QString::number(entry.lastNumber);
}

QString ClassTable::nameText() const
{
    return hasSelection() ? m_classes.at(m_selected).name : QString();
}

bool ClassTable::create()
{
    const QString prompt =
        QCoreApplication::translate("ClassTable", "Please enter the name fo new class:");
    const std::optional<QString> answer = m_prompts.input(prompt, prompt);
    const QString name = answer.value_or(QString()).trimmed();
    if (name.isEmpty())
        return false;
    for (const store::ClassEntry &entry : std::as_const(m_classes)) {
        if (entry.name.trimmed() == name) {
            m_prompts.message(QCoreApplication::translate(
                "ClassTable",
                "The class name is the same of a class inhered ,input another name!"));
            return false;
        }
    }
    for (const store::ClassEntry &entry : std::as_const(m_classes)) {
        // The roster's keys and the result files ignore letter case: two such classes
        // would share their numbers, their admissions and their testees' records.
        if (entry.name.trimmed().compare(name, Qt::CaseInsensitive) == 0) {
            m_prompts.message(QCoreApplication::translate(
                                  "ClassTable", "The class name \"%1\" differs from the class "
                                                "\"%2\" only in letter case, which the files "
                                                "cannot tell apart. Please input another name!")
                                  .arg(name, entry.name.trimmed()),
                              title());
            return false;
        }
    }
    const store::NameCheck check = store::checkName(name, store::NameKind::Class);
    if (!check.ok()) {
        m_prompts.message(
            check.reason + QCoreApplication::translate("ClassTable", " Please input another name!"),
            title());
        return false;
    }
    if (m_classes.size() >= 32767) {
        m_prompts.message(
            QCoreApplication::translate("ClassTable", "There cannot be more than 32767 classes."),
            title());
        return false;
    }
    m_classes.append(store::ClassEntry{name, 0, 0, 0});
    return true;
}

void ClassTable::deleteSelected(const std::function<void()> &redraw)
{
    if (!hasSelection())
        return;
    if (m_classes.size() == 1) {
        m_prompts.message(
            QCoreApplication::translate("ClassTable", "Not allow to delete the class!"));
        return;
    }
    if (!m_prompts.confirm(QCoreApplication::translate(
                               "ClassTable", "Will you delete all data of the present calss?"),
                           title()))
        return;
    m_classes.removeAt(m_selected);
    select(qMin(m_selected, int(m_classes.size()) - 1));
    if (redraw)
        redraw();
    m_prompts.message(
        QCoreApplication::translate("ClassTable", "The present calss had been deleted?"), title());
}

void ClassTable::moveUp()
{
    if (!hasSelection() || m_selected == 0)
        return;
    m_classes.swapItemsAt(m_selected - 1, m_selected);
    select(m_selected - 1);
}

void ClassTable::moveDown()
{
    if (!hasSelection() || m_selected == m_classes.size() - 1)
        return;
    m_classes.swapItemsAt(m_selected, m_selected + 1);
    select(m_selected + 1);
}

void ClassTable::editCount(const QString &text)
{
    if (!hasSelection())
        return;
    const double n = number(text);
    const double f = number(m_firstText);
    const double l = number(m_lastText);
    const bool grow = n + f - 1 > l;
    // An entry whose number, or the last number it forces, leaves the 16-bit range
    // is refused: the box keeps its previous text.
    if (!fitsSixteenBits(n) || (grow && !fitsSixteenBits(f + n - 1)))
        return;
    store::ClassEntry &entry = m_classes[m_selected];
    m_countText = store::decimalText(n);
    entry.studentCount = store::wholeNumber(n);
    if (grow) {
        m_lastText = store::decimalText(f + n - 1);
        entry.lastNumber = store::wholeNumber(f + n - 1);
    }
}

void ClassTable::editFirst(const QString &text)
{
    if (!hasSelection())
        return;
    const double n = number(m_countText);
    const double f = number(text);
    const double l = number(m_lastText);
    const bool grow = n > l - f + 1;
    if (!fitsSixteenBits(f) || (grow && !fitsSixteenBits(f + n - 1)))
        return;
    store::ClassEntry &entry = m_classes[m_selected];
    if (grow) {
        m_lastText = store::decimalText(f + n - 1);
        entry.lastNumber = store::wholeNumber(f + n - 1);
    }
    m_firstText = store::decimalText(f);
    entry.firstNumber = store::wholeNumber(f);
}

void ClassTable::editLast(const QString &text)
{
    if (!hasSelection() || !fitsSixteenBits(number(text)))
        return;
    m_lastText = text;
}

ClassTable::LastCheck ClassTable::leaveLast()
{
    if (!hasSelection())
        return LastCheck::Accepted;
    store::ClassEntry &entry = m_classes[m_selected];
    const double n = number(m_countText);
    const double f = number(m_firstText);
    const double l = number(m_lastText);
    if (n > l - f + 1) {
        m_prompts.message(QCoreApplication::translate(
                              "ClassTable", "The last number is too small,please input again!"),
                          title());
        m_lastText = QString::number(entry.lastNumber);
        return LastCheck::TooSmall;
    }
    entry.lastNumber = store::wholeNumber(l);
    m_lastText = store::decimalText(l);
    return LastCheck::Accepted;
}

std::optional<QString> ClassTable::recordFileClash() const
{
    for (const store::ClassEntry &shorter : m_classes) {
        for (const store::ClassEntry &longer : m_classes) {
            const QString a = shorter.name.trimmed();
            const QString b = longer.name.trimmed();
            if (a.isEmpty() || b.size() <= a.size() || !b.startsWith(a, Qt::CaseInsensitive))
                continue;
            // The rest of the longer name must be the leading digits of a testee number.
            const QString rest = b.mid(a.size());
            bool digitsOnly = !rest.startsWith(u'0');
            for (QChar c : rest)
                digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
            if (!digitsOnly || rest.size() > 5)
                continue;
            // The joined number only grows with m, so the search stops past the range.
            for (int m = qMax(0, longer.firstNumber); m <= longer.lastNumber; ++m) {
                const qint64 n = QString(rest + QString::number(m)).toLongLong();
                if (n > shorter.lastNumber)
                    break;
                if (n >= shorter.firstNumber) {
                    return QCoreApplication::translate(
                               "ClassTable", "Testee %1 of class \"%2\" and testee %3 of class "
                                             "\"%4\" would share one result file, \"%5.cho\".")
                        .arg(QString::number(n), a, QString::number(m), b, a + QString::number(n));
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace teacher

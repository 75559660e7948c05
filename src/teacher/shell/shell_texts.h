// Texts of the teacher shell that more than one window shows.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

namespace teacher::texts {

// Functions, not constants: a text is translated when it is shown, after the
// translations are loaded.
inline QString incorrect()
{
    return QCoreApplication::translate("ShellTexts", "Incorrect!Please enter again!");
}
inline QString menuTitle()
{
    return QCoreApplication::translate("ShellTexts", "Teacher End");
}

} // namespace teacher::texts

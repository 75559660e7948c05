// The working windows the main menu opens, handed in by the program so that each
// area of the teacher program can be wired in without the menu knowing it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace teacher {

struct WorkingWindows
{
    /// Opens one working window modally over the given window and returns when it closes.
    using Opener = std::function<void(QWidget *over)>;

    Opener managePaper;     ///< button 1
    Opener manageTest;      ///< button 2
    Opener manageClasses;   ///< button 3
    Opener viewAchievement; ///< button 4
    Opener setPassword;     ///< button 5
};

} // namespace teacher

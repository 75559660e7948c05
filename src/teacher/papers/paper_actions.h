// What "Manage paper" hands on to other parts of the teacher program: the paper
// editor and the Word output. The program wires in those its build has.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/paper.h"

#include <QString>
#include <functional>

class QWidget;

namespace teacher {

struct PaperActions
{
    /// Opens the paper editor modally over `over` on `paper`; returns when it closes.
    std::function<void(QWidget *over, const QString &paper)> editPaper;
    /// Prints `paper` with the row as the window holds it now (name + settings).
    std::function<void(QWidget *over, const QString &paper, const store::PaperSettings &row)>
        outputToWord;
};

} // namespace teacher

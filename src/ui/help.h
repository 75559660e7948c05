// Opening the program's help at the page of the window that asks for it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace ui {

/// The program's help. Windows ask for their own page (F1, their "Help" button);
/// tests hand in a recorder instead of the real viewer.
class Help
{
public:
    virtual ~Help() = default;
    /// Shows the page ("login" for login.html) over the window that asked.
    virtual void open(const QString &page, QWidget *over) = 0;
};

/// Makes F1 anywhere in the window open its help page.
void bindHelpKey(QWidget *window, Help &help, const QString &page);

} // namespace ui

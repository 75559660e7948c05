// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include <QShortcut>
#include <QWidget>

namespace ui {

void bindHelpKey(QWidget *window, Help &help, const QString &page)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_F1), window);
    // The key belongs to the whole window, whichever of its controls has the focus.
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window,
                     [window, &help, page] { help.open(page, window); });
}

} // namespace ui

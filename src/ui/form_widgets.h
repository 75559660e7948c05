// Small pieces the windows' forms share.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace ui {

// A label whose mnemonic moves the focus to its buddy.
QLabel *labelFor(const QString &text, QWidget *buddy, QWidget *parent);

// Rewrites a box only when its text differs, so that the cursor stays where the
// user typed when a rule left the text as it was.
void setTextKeepingCursor(QLineEdit *box, const QString &text);

// A push button named for tests and the accessibility bus. It is never a default
// button: Enter moves along a form's fields and never saves or closes it.
QPushButton *makeButton(QWidget *parent, const QString &caption, const QString &name,
                        const QString &tip = {});

// Shows names in a list, replacing its items only when they changed, so that the
// list keeps its scroll position while the user edits.
void showNames(QListWidget *list, const QStringList &names);

} // namespace ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace ui {

QLabel *labelFor(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

void setTextKeepingCursor(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

QPushButton *makeButton(QWidget *parent, const QString &caption, const QString &name,
                        const QString &tip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}

void showNames(QListWidget *list, const QStringList &names)
{
    bool same = list->count() == names.size();
    for (int i = 0; same && i < names.size(); ++i)
        same = list->item(i)->text() == names.at(i);
    if (!same) {
        list->clear();
        list->addItems(names);
    }
}

} // namespace ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "option_box.h"

#include <QMouseEvent>

namespace student {

OptionBox::OptionBox(int index, const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
    , m_index(index)
{
    setObjectName(QStringLiteral("Op_XZ"));
    setProperty("index", index);
    setAccessibleName(caption);
    setAutoFillBackground(true);
}

void OptionBox::setColour(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    setPalette(palette);
}

QColor OptionBox::colour() const
{
    return palette().color(QPalette::Window);
}

void OptionBox::focusInEvent(QFocusEvent *event)
{
    QCheckBox::focusInEvent(event);
    emit focused();
}

bool OptionBox::hitButton(const QPoint &pos) const
{
    // The whole coloured box answers a click, not only the mark and its caption.
    return rect().contains(pos);
}

void OptionBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool over =
        event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    // The box toggles inside the base handler; the answer is read after it.
    QCheckBox::mouseReleaseEvent(event);
    if (over)
        emit leftReleased();
}

} // namespace student

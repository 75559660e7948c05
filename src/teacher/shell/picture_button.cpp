// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace teacher {

PictureButton::PictureButton(int position, QWidget *parent)
    : QAbstractButton(parent)
    , m_position(position)
{
    setObjectName(QStringLiteral("Picture%1").arg(position));
    setText(MenuPicture::caption(position));
    setAccessibleName(MenuPicture::caption(position));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setLook(MenuPicture::Look look)
{
    if (m_look == look)
        return;
    m_look = look;
    update();
}

QSize PictureButton::sizeHint() const
{
    return {160, 128};
}

void PictureButton::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qRound(width() * ratio), qRound(height() * ratio));
    if (m_cache.isNull() || m_cache.size() != pixels || m_cachedLook != m_look) {
        m_cache = MenuPicture::button(m_position, m_look, size(), ratio);
        m_cachedLook = m_look;
    }
    QPainter painter(this);
    // A pressed button sinks by a pixel, as a real one would.
    painter.drawPixmap(isDown() ? QPoint(1, 1) : QPoint(0, 0), m_cache);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(6, 6, -6, -6);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved();
    QAbstractButton::mouseMoveEvent(event);
    // Kept here: passed on, the move would reach the menu as a move over its background.
    event->accept();
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    emit pointerMoved();
    QAbstractButton::enterEvent(event);
}

} // namespace teacher

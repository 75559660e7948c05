// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash_picture.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace teacher {

QPixmap SplashPicture::render(QSize size, qreal pixelRatio)
{
    const qreal ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    QPixmap pixmap(QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    if (size.isEmpty())
        return pixmap;

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    QLinearGradient sky(all.topLeft(), all.bottomRight());
    sky.setColorAt(0, QColor(0x15, 0x3a, 0x6b));
    sky.setColorAt(0.6, QColor(0x25, 0x6f, 0xa8));
    sky.setColorAt(1, QColor(0x4f, 0xb3, 0xbf));
    p.fillRect(all, sky);

    // A target of rings with a tick through the centre: a test that was passed.
    const QPointF centre(all.width() * 0.76, all.height() * 0.47);
    const qreal unit = qMin(all.width(), all.height()) / 320.0;
    for (int i = 4; i >= 0; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(255, 255, 255, 60) : QColor(255, 255, 255, 25));
        p.drawEllipse(centre, (30 + i * 22) * unit, (30 + i * 22) * unit);
    }
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-40, 0) * unit);
    tick.lineTo(centre + QPointF(-10, 30) * unit);
    tick.lineTo(centre + QPointF(52, -44) * unit);
    p.setPen(QPen(QColor(0xf4, 0xb9, 0x42), 16 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);

    // Three sheets of paper fanned out at the left edge.
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(QPointF(70, 230) * unit);
        p.rotate(-14 + i * 9);
        p.scale(unit, unit);
        p.setPen(QPen(QColor(0x1f, 0x3b, 0x5c, 120), 1.5));
        p.setBrush(QColor(0xfd, 0xfd, 0xfa, 230 - i * 30));
        p.drawRoundedRect(QRectF(-26, -70, 52, 70), 3, 3);
        p.restore();
    }

    QFont title = p.font();
    title.setPixelSize(qRound(54 * unit));
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(28 * unit, 40 * unit, all.width() * 0.6, 70 * unit),
               Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("SplashPicture", "Quorin"));
    QFont sub = title;
    sub.setPixelSize(qRound(20 * unit));
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(0xdc, 0xec, 0xfa));
    p.drawText(QRectF(30 * unit, 108 * unit, all.width() * 0.6, 30 * unit),
               Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("SplashPicture", "Teacher End"));
    QFont small = sub;
    small.setPixelSize(qRound(13 * unit));
    p.setFont(small);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(QRectF(30 * unit, all.height() - 40 * unit, all.width() - 60 * unit, 24 * unit),
               Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("SplashPicture", "Classroom tests on a shared folder"));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    return pixmap;
}

} // namespace teacher

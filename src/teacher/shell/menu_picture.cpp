// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_picture.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace teacher {

namespace {

// Every picture is drawn on a fixed design grid and scaled, so one drawing serves all sizes.
constexpr qreal designWidth = 160.0;
constexpr qreal designHeight = 128.0;

const QColor ink(0x1f, 0x3b, 0x5c);
const QColor inkLight(0x4f, 0x79, 0xa8);
const QColor accent(0xe8, 0x8a, 0x1a);
const QColor paperWhite(0xfd, 0xfd, 0xfa);

QPixmap canvas(QSize size, qreal pixelRatio)
{
    const qreal ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    QPixmap pixmap(QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPen line(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawPaper(QPainter &p, const QColor &stroke)
{
    p.setPen(line(stroke, 2.2));
    p.setBrush(paperWhite);
    QPainterPath sheet;
    sheet.moveTo(-18, -24);
    sheet.lineTo(10, -24);
    sheet.lineTo(20, -14);
    sheet.lineTo(20, 26);
    sheet.lineTo(-18, 26);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.drawLine(QPointF(10, -24), QPointF(10, -14));
    p.drawLine(QPointF(10, -14), QPointF(20, -14));
    p.setPen(line(stroke.lighter(140), 2.0));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(-11, -10 + i * 8), QPointF(13 - (i == 3 ? 10 : 0), -10 + i * 8));
    // a pencil across the corner
    p.save();
    p.translate(16, 14);
    p.rotate(-45);
    p.setPen(line(stroke, 1.6));
    p.setBrush(accent);
    p.drawRect(QRectF(-4, -18, 8, 24));
    p.setBrush(QColor(0xf3, 0xd2, 0xa6));
    QPainterPath tip;
    tip.moveTo(-4, 6);
    tip.lineTo(4, 6);
    tip.lineTo(0, 14);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
}

void drawChecklist(QPainter &p, const QColor &stroke)
{
    p.setPen(line(stroke, 2.2));
    p.setBrush(QColor(0xc9, 0x9a, 0x62));
    p.drawRoundedRect(QRectF(-20, -24, 40, 52), 4, 4);
    p.setBrush(paperWhite);
    p.drawRect(QRectF(-15, -17, 30, 40));
    p.setBrush(stroke);
    p.drawRoundedRect(QRectF(-8, -28, 16, 8), 2, 2);
    for (int i = 0; i < 3; ++i) {
        const qreal y = -8 + i * 11;
        p.setPen(line(i == 2 ? QColor(0xc0, 0x39, 0x2b) : QColor(0x2e, 0x9e, 0x4f), 2.4));
        if (i == 2) {
            p.drawLine(QPointF(-11, y - 3), QPointF(-5, y + 3));
            p.drawLine(QPointF(-11, y + 3), QPointF(-5, y - 3));
        } else {
            p.drawLine(QPointF(-11, y), QPointF(-8, y + 3));
            p.drawLine(QPointF(-8, y + 3), QPointF(-3, y - 4));
        }
        p.setPen(line(stroke.lighter(140), 2.0));
        p.drawLine(QPointF(0, y), QPointF(11, y));
    }
}

void drawPerson(QPainter &p, QPointF at, qreal scale, const QColor &body, const QColor &stroke)
{
    p.setPen(line(stroke, 1.8));
    p.setBrush(body);
    QPainterPath shoulders;
    shoulders.moveTo(at.x() - 12 * scale, at.y() + 16 * scale);
    shoulders.cubicTo(at.x() - 12 * scale, at.y() + 2 * scale, at.x() + 12 * scale,
                      at.y() + 2 * scale, at.x() + 12 * scale, at.y() + 16 * scale);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.setBrush(QColor(0xf6, 0xd7, 0xb8));
    p.drawEllipse(QPointF(at.x(), at.y() - 5 * scale), 7 * scale, 7 * scale);
}

void drawClass(QPainter &p, const QColor &stroke)
{
    drawPerson(p, QPointF(-15, -4), 0.85, QColor(0x5d, 0xad, 0xe2), stroke);
    drawPerson(p, QPointF(15, -4), 0.85, QColor(0x8e, 0xc6, 0x5a), stroke);
    drawPerson(p, QPointF(0, 4), 1.05, accent, stroke);
}

void drawChart(QPainter &p, const QColor &stroke)
{
    p.setPen(line(stroke, 2.2));
    p.drawLine(QPointF(-22, 24), QPointF(24, 24));
    p.drawLine(QPointF(-22, 24), QPointF(-22, -26));
    const std::array<qreal, 4> heights{18, 30, 24, 42};
    const std::array<QColor, 4> colours{QColor(0x5d, 0xad, 0xe2), QColor(0x8e, 0xc6, 0x5a),
                                        QColor(0xf4, 0xc4, 0x30), accent};
    for (int i = 0; i < 4; ++i) {
        p.setPen(line(stroke, 1.6));
        p.setBrush(colours[size_t(i)]);
        p.drawRect(QRectF(-17 + i * 10.5, 24 - heights[size_t(i)], 8, heights[size_t(i)]));
    }
}

void drawLock(QPainter &p, const QColor &stroke)
{
    p.setPen(line(stroke, 4.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    shackle.moveTo(-11, -2);
    shackle.lineTo(-11, -12);
    shackle.arcTo(QRectF(-11, -25, 22, 26), 180, -180);
    shackle.lineTo(11, -2);
    p.drawPath(shackle);
    p.setPen(line(stroke, 2.2));
    QLinearGradient body(0, -4, 0, 26);
    body.setColorAt(0, QColor(0xf7, 0xcf, 0x4a));
    body.setColorAt(1, QColor(0xd4, 0x9a, 0x12));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(-19, -4, 38, 30), 5, 5);
    p.setBrush(stroke);
    p.drawEllipse(QPointF(0, 7), 4, 4);
    p.drawRect(QRectF(-1.5, 8, 3, 9));
}

void drawHelp(QPainter &p, const QColor &stroke)
{
    QRadialGradient fill(QPointF(-6, -8), 30);
    fill.setColorAt(0, QColor(0x8f, 0xd0, 0xff));
    fill.setColorAt(1, QColor(0x2d, 0x7f, 0xc9));
    p.setPen(line(stroke, 2.2));
    p.setBrush(fill);
    p.drawEllipse(QPointF(0, 0), 25, 25);
    p.setPen(line(Qt::white, 5.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(-8, -7);
    hook.cubicTo(-8, -17, 9, -17, 9, -7);
    hook.cubicTo(9, 0, 0, 0, 0, 7);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 15), 3.2, 3.2);
}

void drawExit(QPainter &p, const QColor &stroke)
{
    p.setPen(line(stroke, 2.2));
    p.setBrush(QColor(0xa8, 0x6b, 0x3c));
    p.drawRect(QRectF(-20, -26, 26, 52));
    p.setBrush(QColor(0x7a, 0x47, 0x22));
    QPainterPath door;
    door.moveTo(-20, -26);
    door.lineTo(-4, -20);
    door.lineTo(-4, 30);
    door.lineTo(-20, 26);
    door.closeSubpath();
    p.drawPath(door);
    p.setBrush(Qt::NoBrush);
    p.setPen(line(QColor(0xc0, 0x39, 0x2b), 4.0));
    p.drawLine(QPointF(4, 0), QPointF(24, 0));
    p.drawLine(QPointF(16, -8), QPointF(24, 0));
    p.drawLine(QPointF(16, 8), QPointF(24, 0));
}

void drawIcon(QPainter &p, int button, const QColor &stroke)
{
    switch (button) {
    case 1:
        drawPaper(p, stroke);
        break;
    case 2:
        drawChecklist(p, stroke);
        break;
    case 3:
        drawClass(p, stroke);
        break;
    case 4:
        drawChart(p, stroke);
        break;
    case 5:
        drawLock(p, stroke);
        break;
    case 6:
        drawHelp(p, stroke);
        break;
    case 7:
        drawExit(p, stroke);
        break;
    default:
        break;
    }
}

} // namespace

QString MenuPicture::caption(int button)
{
    static const std::array<QString, 7> captions{
        QCoreApplication::translate("MenuPicture", "Manage paper"),
        QCoreApplication::translate("MenuPicture", "Manage test"),
        QCoreApplication::translate("MenuPicture", "Manage classes"),
        QCoreApplication::translate("MenuPicture", "View achievement"),
        QCoreApplication::translate("MenuPicture", "Set password"),
        QCoreApplication::translate("MenuPicture", "Help"),
        QCoreApplication::translate("MenuPicture", "Exit")};
    if (button < 1 || button > int(captions.size()))
        return {};
    return captions[size_t(button - 1)];
}

QPixmap MenuPicture::button(int button, Look look, QSize size, qreal pixelRatio)
{
    QPixmap pixmap = canvas(size, pixelRatio);
    if (size.isEmpty())
        return pixmap;
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal sx = size.width() / designWidth;
    const qreal sy = size.height() / designHeight;
    const qreal s = qMin(sx, sy);
    p.scale(sx, sy);

    const bool lit = look == Look::Highlighted;
    const QRectF card(3, 3, designWidth - 6, designHeight - 6);
    if (lit) {
        // a soft glow around the lifted card
        for (int i = 3; i >= 1; --i) {
            p.setPen(QPen(QColor(0xff, 0xc8, 0x5a, 40 * (4 - i)), i * 2.0));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(card, 14, 14);
        }
    }
    QLinearGradient fill(card.topLeft(), card.bottomLeft());
    if (lit) {
        fill.setColorAt(0, QColor(0xff, 0xf6, 0xdc));
        fill.setColorAt(1, QColor(0xff, 0xd9, 0x8a));
    } else {
        fill.setColorAt(0, QColor(0xfa, 0xfc, 0xff));
        fill.setColorAt(1, QColor(0xdc, 0xe8, 0xf5));
    }
    p.setPen(QPen(lit ? accent : QColor(0x9d, 0xb6, 0xd3), lit ? 2.4 : 1.4));
    p.setBrush(fill);
    p.drawRoundedRect(card, 14, 14);

    p.save();
    p.translate(designWidth / 2, lit ? 50 : 52);
    p.scale(lit ? 1.38 : 1.25, lit ? 1.38 : 1.25);
    drawIcon(p, button, lit ? ink.darker(120) : ink);
    p.restore();

    // Text is laid out in device-independent pixels so that it does not stretch with the card.
    p.resetTransform();
    QFont font = p.font();
    font.setBold(lit);
    // The caption shrinks rather than spill over the card's edge.
    for (int pixels = qMax(9, qRound(15 * s)); pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(caption(button)) <= size.width() * 0.9)
            break;
    }
    p.setFont(font);
    p.setPen(lit ? ink.darker(130) : ink);
    const QRectF textBox(0, size.height() * 0.74, size.width(), size.height() * 0.2);
    p.drawText(textBox, Qt::AlignCenter, caption(button));
    return pixmap;
}

QPixmap MenuPicture::background(QSize size, qreal pixelRatio)
{
    QPixmap pixmap = canvas(size, pixelRatio);
    if (size.isEmpty())
        return pixmap;
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    QLinearGradient sky(all.topLeft(), all.bottomRight());
    sky.setColorAt(0, QColor(0x1d, 0x4e, 0x89));
    sky.setColorAt(0.55, QColor(0x2f, 0x7f, 0xb5));
    sky.setColorAt(1, QColor(0x6c, 0xc1, 0xc8));
    p.fillRect(all, sky);

    // gentle rings behind the buttons, a nod to the target on the splash
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 18), 18));
        p.drawEllipse(QPointF(all.width() * 0.92, all.height() * 1.05), 90.0 + i * 70,
                      90.0 + i * 70);
    }

    QFont title = p.font();
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(28, 14, all.width() - 56, 46), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("MenuPicture", "Quorin"));
    QFont sub = title;
    sub.setPixelSize(16);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(0xdc, 0xec, 0xfa));
    p.drawText(QRectF(28, 14, all.width() - 56, 46), Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("MenuPicture", "Teacher End"));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.5));
    p.drawLine(QPointF(28, 64), QPointF(all.width() - 28, 64));
    return pixmap;
}

QImage MenuPicture::programIcon(Program program, int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (pixels <= 0)
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A 64-unit design square: the card fills it, the emblem stands in its middle.
    p.scale(pixels / 64.0, pixels / 64.0);
    const QRectF card(2, 2, 60, 60);
    QLinearGradient fill(card.topLeft(), card.bottomLeft());
    fill.setColorAt(0, QColor(0xfa, 0xfc, 0xff));
    fill.setColorAt(1, QColor(0xc6, 0xda, 0xf0));
    p.setPen(QPen(inkLight, 2.0));
    p.setBrush(fill);
    p.drawRoundedRect(card, 12, 12);
    p.translate(32, 33);
    p.scale(0.9, 0.9);
    drawIcon(p, program == Program::Teacher ? 2 : 1, ink);
    return image;
}

} // namespace teacher

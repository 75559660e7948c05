// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash_window.h"

#include "splash_picture.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace teacher {

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(tr("Quorin"));
    setAccessibleName(tr("Quorin"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    m_timer.setSingleShot(true);
    m_timer.setInterval(showMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::finish);
}

QSize SplashWindow::sizeHint() const
{
    return SplashPicture::logicalSize();
}

void SplashWindow::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer.stop();
    emit finished();
}

void SplashWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (!m_finished && !m_timer.isActive())
        m_timer.start();
    activateWindow();
    setFocus();
}

void SplashWindow::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    finish();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || !qFuzzyCompare(m_picture.devicePixelRatio(), ratio))
        m_picture = SplashPicture::render(size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

} // namespace teacher

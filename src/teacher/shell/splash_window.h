// The start-up picture: shown for 600 ms, or until a key is pressed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace teacher {

class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);

    static constexpr int showMilliseconds = 600;

    /// The one-shot timer that ends the splash; started when the window is shown.
    QTimer *timer() { return &m_timer; }
    bool isFinished() const { return m_finished; }

    QSize sizeHint() const override;

public slots:
    /// Ends the splash once, however often it is asked.
    void finish();

signals:
    void finished();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
    QPixmap m_picture;
    bool m_finished = false;
};

} // namespace teacher

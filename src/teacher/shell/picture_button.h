// A main-menu button that is all picture: normal or highlighted, drawn for the screen.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "menu_picture.h"

#include <QAbstractButton>

namespace teacher {

class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    /// position: 1..7, which picture the button shows.
    PictureButton(int position, QWidget *parent = nullptr);

    int position() const { return m_position; }
    MenuPicture::Look look() const { return m_look; }
    void setLook(MenuPicture::Look look);

    QSize sizeHint() const override;

signals:
    /// The pointer moved over the button.
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    int m_position;
    MenuPicture::Look m_look = MenuPicture::Look::Normal;
    QPixmap m_cache;
    MenuPicture::Look m_cachedLook = MenuPicture::Look::Normal;
};

} // namespace teacher

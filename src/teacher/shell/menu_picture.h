// The pictures of the main menu: seven buttons, each normal and highlighted, and the
// window's background. Drawn, not loaded, so they stay sharp at any screen scale.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace teacher {

class MenuPicture
{
public:
    enum class Look { Normal, Highlighted };

    /// The caption drawn on button k (1..7), which is also its accessible name.
    static QString caption(int button);

    /// Button k's picture at a logical size, for a screen of the given pixel ratio.
    static QPixmap button(int button, Look look, QSize size, qreal pixelRatio);

    /// The menu window's background picture.
    static QPixmap background(QSize size, qreal pixelRatio);

    enum class Program { Teacher, Student };
    /// A program's icon, square, `pixels` wide: the teacher's is the emblem of "Manage
    /// test", the student's that of "Manage paper", each on a card like the buttons'.
    static QImage programIcon(Program program, int pixels);
};

} // namespace teacher

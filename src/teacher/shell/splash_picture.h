// The start-up picture of the teacher program, drawn at the screen's pixel ratio.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>

namespace teacher {

class SplashPicture
{
public:
    static QSize logicalSize() { return {520, 320}; }
    static QPixmap render(QSize size, qreal pixelRatio);
};

} // namespace teacher

// Turns the bytes of a document picture into an image to show, within fixed bounds.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>

namespace richtext {

struct Picture;

class PictureDecoder
{
public:
    /// No decoded image is larger than this on either side or in area; a hand-made file can
    /// declare a 60000 x 60000 picture in a few hundred bytes.
    static constexpr int maxSide = 10000;
    static constexpr qint64 maxPixels = 16 * 1024 * 1024;

    /// The image of a picture; a null image when it cannot be shown (a metafile that holds
    /// no bitmap, damaged bytes, or more pixels than `pixelBudget` allows).
    static QImage decode(const Picture &picture, qint64 pixelBudget);

    /// The empty rectangle that stands for a picture that cannot be shown.
    static QImage frame(QSizeF size);

    /// A BITMAPINFO followed by its bits, turned into a BMP file; empty when the header is
    /// not one that a BMP reader accepts.
    static QByteArray dibToBmp(QByteArrayView dib);
    /// The largest device-independent bitmap drawn by a Windows metafile (with or without
    /// the placeable header), as a BMP file; empty when it draws none.
    static QByteArray bitmapFromWmf(QByteArrayView wmf);
    /// The same for an enhanced metafile.
    static QByteArray bitmapFromEmf(QByteArrayView emf);
    /// The width and height a DIB header declares; empty for a damaged header.
    static QSize dibSize(QByteArrayView dib);
};

} // namespace richtext

// A picture of a document as its RTF held it: the bytes, their format and the size to show.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <optional>

class QImage;
class QTextCursor;
class QTextDocument;

namespace richtext {

/// The original bytes travel with the document (as a resource beside the image that is
/// shown) so that saving writes a metafile or a JPEG back exactly as it was read.
struct Picture
{
    enum class Format {
        Png,
        Jpeg,
        Dib,        ///< \dibitmap: a BITMAPINFO and its bits
        Ddb,        ///< \wbitmap: a device-dependent bitmap (kept, shown as a frame)
        Wmf,        ///< \wmetafile: a Windows metafile without the placeable header
        Emf,        ///< \emfblip
        MacPict,    ///< \macpict (kept, shown as a frame)
        PmMetafile, ///< \pmmetafile (kept, shown as a frame)
    };

    Format format = Format::Png;
    int formatParam = 0; ///< N of \wmetafileN, \dibitmapN, \wbitmapN, \pmmetafileN
    QByteArray data;
    QSize native;         ///< \picw \pich: pixels of a bitmap, 0.01 mm of a metafile
    QSize goal;           ///< \picwgoal \pichgoal in twips; empty when the file gave none
    int scaleX = 100;     ///< \picscalex percent
    int scaleY = 100;     ///< \picscaley percent
    int bitsPerPixel = 0; ///< \wbmbitspixel of a device-dependent bitmap
    int widthBytes = 0;   ///< \wbmwidthbytes of a device-dependent bitmap

    /// The size to show at 96 dots per inch; `decoded` is the size of the decoded image
    /// when there is one and stands in for a missing goal size.
    QSizeF displaySize(QSize decoded = {}) const;

    /// A picture of PNG or JPEG bytes, detected from their signature; no value for
    /// other bytes.
    static std::optional<Picture> fromEncodedImage(const QByteArray &bytes);
    /// A PNG picture of an image (a pasted screenshot, an image from another program).
    static Picture fromImage(const QImage &image);

    /// The resource name a picture of these bytes has in any document: the same bytes
    /// always get the same name, so pasting between documents cannot mix two pictures.
    QString resourceName() const;

    /// Adds the picture and the image that shows it to the document's resources.
    /// Returns the resource name.
    QString attach(QTextDocument &document, const QImage &shown) const;

    /// The picture kept under `name`, if the document holds one.
    static std::optional<Picture> find(const QTextDocument &document, const QString &name);

    /// Attaches the picture with its decoded image (or a frame) and inserts it at the cursor.
    /// `pixelBudget` caps the pixels decoded; it is reduced by what this picture used.
    static void insert(QTextCursor &cursor, const Picture &picture, qint64 &pixelBudget);
};

} // namespace richtext

Q_DECLARE_METATYPE(richtext::Picture)

// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_decoder.h"

#include "picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <algorithm>

namespace richtext {

namespace {

quint16 u16(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.data() + at);
}

quint32 u32(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.data() + at);
}

qint32 i32(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<qint32>(data.data() + at);
}

struct DibLayout
{
    qsizetype infoSize = 0; ///< header, colour masks and palette
    QSize size;
    bool topDown = false;   ///< a negative height: rows run from the top
    qsizetype rowBytes = 0; ///< of an uncompressed bitmap; 0 for a compressed one
};

// Where the bits of a packed DIB start, from its header. Nothing when the header is
// damaged or declares a picture beyond the decoder's bounds.
std::optional<DibLayout> dibLayout(QByteArrayView dib)
{
    if (dib.size() < 12)
        return std::nullopt;
    const quint32 headerSize = u32(dib, 0);
    qint64 width = 0;
    qint64 height = 0;
    quint32 bitCount = 0;
    quint32 compression = 0;
    quint32 colorsUsed = 0;
    qsizetype entrySize = 4;
    if (headerSize == 12) {
        width = u16(dib, 4);
        height = u16(dib, 6);
        bitCount = u16(dib, 10);
        entrySize = 3;
    } else if ((headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 ||
                headerSize == 108 || headerSize == 124) &&
               dib.size() >= 40) {
        width = i32(dib, 4);
        height = i32(dib, 8);
        bitCount = u16(dib, 14);
        compression = u32(dib, 16);
        colorsUsed = u32(dib, 32);
    } else {
        return std::nullopt;
    }
    const bool topDown = height < 0;
    height = topDown ? -height : height;
    if (width <= 0 || height <= 0 || width > PictureDecoder::maxSide ||
        height > PictureDecoder::maxSide || width * height > PictureDecoder::maxPixels)
        return std::nullopt;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        return std::nullopt;

    qint64 paletteEntries = colorsUsed;
    if (bitCount <= 8 && (paletteEntries == 0 || paletteEntries > (1 << bitCount)))
        paletteEntries = 1 << bitCount;
    if (paletteEntries > 256)
        return std::nullopt;
    qint64 masks = 0;
    if (headerSize == 40 && compression == 3)
        masks = 12; // BI_BITFIELDS: three masks after the header
    else if (headerSize == 40 && compression == 6)
        masks = 16; // BI_ALPHABITFIELDS
    const qint64 infoSize = headerSize + masks + paletteEntries * entrySize;
    if (infoSize > dib.size())
        return std::nullopt;
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    const qsizetype rowBytes = uncompressed ? qsizetype((width * bitCount + 31) / 32 * 4) : 0;
    return DibLayout{qsizetype(infoSize), QSize(int(width), int(height)), topDown, rowBytes};
}

QByteArray bmpFile(QByteArrayView info, QByteArrayView bits);

// A BMP file of a DIB's parts. Rows that run from the top are turned over, since BMP readers
// disagree about negative heights; a top-down bitmap must then have all its rows.
QByteArray bmpFile(const DibLayout &layout, QByteArrayView info, QByteArrayView bits)
{
    if (!layout.topDown)
        return bmpFile(info, bits);
    const qsizetype rows = layout.size.height();
    if (layout.rowBytes == 0 || bits.size() < layout.rowBytes * rows)
        return {};
    QByteArray header = info.toByteArray();
    qToLittleEndian<qint32>(qint32(rows), header.data() + 8);
    QByteArray flipped;
    flipped.reserve(layout.rowBytes * rows);
    for (qsizetype row = rows - 1; row >= 0; --row)
        flipped.append(bits.sliced(row * layout.rowBytes, layout.rowBytes));
    return bmpFile(header, flipped);
}

QByteArray bmpFile(QByteArrayView info, QByteArrayView bits)
{
    QByteArray file;
    file.reserve(14 + info.size() + bits.size());
    file.append("BM", 2);
    char header[12];
    qToLittleEndian<quint32>(quint32(14 + info.size() + bits.size()), header);
    qToLittleEndian<quint32>(0, header + 4);
    qToLittleEndian<quint32>(quint32(14 + info.size()), header + 8);
    file.append(header, 12);
    file.append(info.data(), info.size());
    file.append(bits.data(), bits.size());
    return file;
}

qint64 area(QSize size)
{
    return qint64(size.width()) * size.height();
}

} // namespace

QSize PictureDecoder::dibSize(QByteArrayView dib)
{
    const auto layout = dibLayout(dib);
    return layout ? layout->size : QSize();
}

QByteArray PictureDecoder::dibToBmp(QByteArrayView dib)
{
    const auto layout = dibLayout(dib);
    if (!layout)
        return {};
    return bmpFile(*layout, dib.first(layout->infoSize), dib.sliced(layout->infoSize));
}

QByteArray PictureDecoder::bitmapFromWmf(QByteArrayView wmf)
{
    qsizetype pos = 0;
    if (wmf.size() >= 22 && u32(wmf, 0) == 0x9AC6CDD7u)
        pos = 22; // the placeable header some programs put first
    if (wmf.size() - pos < 18)
        return {};
    const quint16 type = u16(wmf, pos);
    const quint16 headerWords = u16(wmf, pos + 2);
    if ((type != 1 && type != 2) || headerWords != 9)
        return {};
    pos += 18;

    QByteArrayView best;
    qint64 bestArea = 0;
    while (pos + 6 <= wmf.size()) {
        const qint64 words = u32(wmf, pos);
        const quint16 function = u16(wmf, pos + 4);
        if (function == 0 || words < 3)
            break;
        const qsizetype length = qsizetype(std::min<qint64>(words * 2, wmf.size() - pos));
        qsizetype dibAt = -1;
        const bool withoutBitmap = words == (function >> 8) + 3;
        switch (function) {
        case 0x0F43: // META_STRETCHDIB
            dibAt = 28;
            break;
        case 0x0B41: // META_DIBSTRETCHBLT
            dibAt = withoutBitmap ? -1 : 26;
            break;
        case 0x0940: // META_DIBBITBLT
            dibAt = withoutBitmap ? -1 : 22;
            break;
        case 0x0D33: // META_SETDIBTODEV
            dibAt = 24;
            break;
        default:
            break;
        }
        if (dibAt > 0 && dibAt < length) {
            const QByteArrayView dib = wmf.sliced(pos + dibAt, length - dibAt);
            const qint64 size = area(dibSize(dib));
            if (size > bestArea) {
                bestArea = size;
                best = dib;
            }
        }
        pos += length;
    }
    return best.isEmpty() ? QByteArray() : dibToBmp(best);
}

QByteArray PictureDecoder::bitmapFromEmf(QByteArrayView emf)
{
    if (emf.size() < 8 || u32(emf, 0) != 1)
        return {};
    QByteArray best;
    qint64 bestArea = 0;
    qsizetype pos = 0;
    while (pos + 8 <= emf.size()) {
        const quint32 type = u32(emf, pos);
        const qint64 declared = u32(emf, pos + 4);
        if (declared < 8 || type == 14) // EMR_EOF
            break;
        const qsizetype length = qsizetype(std::min<qint64>(declared, emf.size() - pos));
        qsizetype fields = -1;
        if (type == 80 || type == 81) // EMR_SETDIBITSTODEVICE, EMR_STRETCHDIBITS
            fields = 48;
        else if (type == 76 || type == 77) // EMR_BITBLT, EMR_STRETCHBLT
            fields = 84;
        if (fields > 0 && fields + 16 <= length) {
            const QByteArrayView record = emf.sliced(pos, length);
            const qint64 infoAt = u32(record, fields);
            const qint64 infoSize = u32(record, fields + 4);
            const qint64 bitsAt = u32(record, fields + 8);
            const qint64 bitsSize = u32(record, fields + 12);
            if (infoSize >= 12 && infoAt + infoSize <= length && bitsAt + bitsSize <= length) {
                const QByteArrayView info = record.sliced(qsizetype(infoAt), qsizetype(infoSize));
                const auto layout = dibLayout(info);
                if (layout && area(layout->size) > bestArea) {
                    bestArea = area(layout->size);
                    best = bmpFile(*layout, info.first(layout->infoSize),
                                   record.sliced(qsizetype(bitsAt), qsizetype(bitsSize)));
                }
            }
        }
        pos += length;
    }
    return best;
}

QImage PictureDecoder::decode(const Picture &picture, qint64 pixelBudget)
{
    QByteArray bytes;
    switch (picture.format) {
    case Picture::Format::Png:
    case Picture::Format::Jpeg:
        bytes = picture.data;
        break;
    case Picture::Format::Dib:
        bytes = dibToBmp(picture.data);
        break;
    case Picture::Format::Wmf:
        bytes = bitmapFromWmf(picture.data);
        break;
    case Picture::Format::Emf:
        bytes = bitmapFromEmf(picture.data);
        break;
    default:
        return {};
    }

    // Only the three formats a document can hold are decoded, whatever the bytes claim,
    // so no other image plug-in ever sees untrusted data.
    const char *format = nullptr;
    if (bytes.startsWith("\x89PNG"))
        format = "png";
    else if (bytes.startsWith("\xff\xd8"))
        format = "jpeg";
    else if (bytes.startsWith("BM"))
        format = "bmp";
    else
        return {};

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxSide || size.height() > maxSide ||
        area(size) > maxPixels || area(size) > pixelBudget)
        return {};
    QImage image = reader.read();
    if (image.isNull() || image.width() > maxSide || image.height() > maxSide)
        return {};
    return image;
}

QImage PictureDecoder::frame(QSizeF size)
{
    const int width = int(std::clamp(size.width(), 1.0, 512.0));
    const int height = int(std::clamp(size.height(), 1.0, 512.0));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (width > 2 && height > 2) {
        QPainter painter(&image);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(0, 0, width - 1, height - 1);
    }
    image.setText(QStringLiteral("quorin-frame"), QStringLiteral("1"));
    return image;
}

} // namespace richtext

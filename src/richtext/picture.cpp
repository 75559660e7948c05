// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include "picture_decoder.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>

namespace richtext {

namespace {

constexpr double maxDisplaySide = 10000.0;

// QTextDocument keys resources by name alone, whatever their type, so the original bytes
// live under a name of their own beside the image that is shown.
QUrl sourceUrl(const QString &name)
{
    return QUrl(name + QStringLiteral("#source"));
}

bool isMetafile(Picture::Format format)
{
    return format == Picture::Format::Wmf || format == Picture::Format::Emf ||
           format == Picture::Format::PmMetafile || format == Picture::Format::MacPict;
}

} // namespace

QSizeF Picture::displaySize(QSize decoded) const
{
    double width = 0;
    double height = 0;
    if (goal.width() > 0 && goal.height() > 0) {
        width = goal.width() / 15.0;
        height = goal.height() / 15.0;
    } else if (decoded.width() > 0 && decoded.height() > 0) {
        width = decoded.width();
        height = decoded.height();
    } else if (native.width() > 0 && native.height() > 0) {
        // A metafile's \picw and \pich are hundredths of a millimetre.
        const double factor = isMetafile(format) ? 96.0 / 2540.0 : 1.0;
        width = native.width() * factor;
        height = native.height() * factor;
    } else {
        width = height = 32;
    }
    width *= std::clamp(scaleX, 1, 1000) / 100.0;
    height *= std::clamp(scaleY, 1, 1000) / 100.0;
    return {std::clamp(width, 1.0, maxDisplaySide), std::clamp(height, 1.0, maxDisplaySide)};
}

std::optional<Picture> Picture::fromEncodedImage(const QByteArray &bytes)
{
    Picture picture;
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        picture.format = Format::Png;
    else if (bytes.startsWith("\xff\xd8\xff"))
        picture.format = Format::Jpeg;
    else
        return std::nullopt;
    picture.data = bytes;
    return picture;
}

Picture Picture::fromImage(const QImage &image)
{
    Picture picture;
    picture.format = Format::Png;
    QBuffer buffer(&picture.data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    picture.native = image.size();
    return picture;
}

QString Picture::resourceName() const
{
    const size_t first = qHash(QByteArrayView(data), size_t(0x51ed2701));
    const size_t second = qHash(QByteArrayView(data), size_t(0x2545f491));
    return QStringLiteral("quorin-picture:%1%2-%3-%4")
        .arg(quint64(first), 16, 16, QLatin1Char('0'))
        .arg(quint64(second), 16, 16, QLatin1Char('0'))
        .arg(int(format))
        .arg(formatParam);
}

QString Picture::attach(QTextDocument &document, const QImage &shown) const
{
    const QString name = resourceName();
    const QUrl url(name);
    document.addResource(QTextDocument::ImageResource, url, shown);
    document.addResource(QTextDocument::UserResource, sourceUrl(name), QVariant::fromValue(*this));
    return name;
}

std::optional<Picture> Picture::find(const QTextDocument &document, const QString &name)
{
    if (!name.startsWith(QLatin1StringView("quorin-picture:")))
        return std::nullopt;
    const QVariant value = document.resource(QTextDocument::UserResource, sourceUrl(name));
    if (!value.canConvert<Picture>())
        return std::nullopt;
    return value.value<Picture>();
}

void Picture::insert(QTextCursor &cursor, const Picture &picture, qint64 &pixelBudget)
{
    QTextDocument *document = cursor.document();
    if (!document)
        return;
    const QString name = picture.resourceName();
    QImage shown;
    if (!document->resource(QTextDocument::UserResource, sourceUrl(name)).isValid()) {
        shown = PictureDecoder::decode(picture, pixelBudget);
        if (!shown.isNull()) {
            pixelBudget -= qint64(shown.width()) * shown.height();
        } else {
            // Frames of one size share their pixels: a file of many small metafiles costs
            // one frame, not one each.
            const QSizeF size = picture.displaySize();
            const QImage probe = PictureDecoder::frame({1, 1});
            const QUrl frameUrl(QStringLiteral("quorin-frame:%1x%2")
                                    .arg(int(std::min(size.width(), 512.0)))
                                    .arg(int(std::min(size.height(), 512.0))));
            shown = document->resource(QTextDocument::ImageResource, frameUrl).value<QImage>();
            if (shown.isNull()) {
                const qint64 area = qint64(std::min(size.width(), 512.0) + 1) *
                                    qint64(std::min(size.height(), 512.0) + 1);
                shown = area <= pixelBudget ? PictureDecoder::frame(size) : probe;
                pixelBudget -= qint64(shown.width()) * shown.height();
                if (shown.width() > 1)
                    document->addResource(QTextDocument::ImageResource, frameUrl, shown);
            }
        }
        picture.attach(*document, shown);
    } else {
        shown = document->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
    }

    QTextImageFormat format;
    format.setName(name);
    const bool framed = shown.text(QStringLiteral("quorin-frame")) == QLatin1StringView("1");
    const QSizeF size = picture.displaySize(framed ? QSize() : shown.size());
    format.setWidth(size.width());
    format.setHeight(size.height());
    cursor.insertImage(format);
}

} // namespace richtext

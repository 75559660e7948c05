// SPDX-License-Identifier: GPL-3.0-or-later
#include "rich_text_pane.h"

#include "richtext/picture.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_file.h"
#include "richtext/rtf_parser.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QFocusEvent>
#include <QImage>
#include <QMimeData>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QUrl>
#include <memory>
#include <optional>

namespace ui {

namespace {

// What word processors put on the clipboard for rich text; ours comes first.
const char *const rtfMimeTypes[] = {"text/rtf", "application/rtf", "text/richtext"};

// Pictures and frames of `from` that `to` needs for the image names it now holds.
void copyPictures(const QTextDocument &from, QTextDocument &to, const QTextDocument &names)
{
    for (QTextBlock block = names.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const std::optional<richtext::Picture> picture = richtext::Picture::find(from, name);
            if (!picture)
                continue;
            const QVariant shown = from.resource(QTextDocument::ImageResource, QUrl(name));
            picture->attach(to, shown.value<QImage>());
        }
    }
}

} // namespace

RichTextPane::RichTextPane(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(true);
    setTabChangesFocus(false);
}

void RichTextPane::replaceDocument(QTextDocument *document)
{
    // The editor deletes the document it made itself; the ones this pane made are its own.
    QTextDocument *old = this->document();
    const bool ours = old && old->parent() == this;
    setDocument(document);
    if (ours)
        delete old;
}

bool RichTextPane::loadFile(const QString &path)
{
    auto *document = new QTextDocument(this);
    const bool loaded = richtext::loadFile(path, *document);
    replaceDocument(document);
    m_fileName = loaded ? path : QString();
    return loaded;
}

bool RichTextPane::save()
{
    if (m_fileName.isEmpty())
        return false;
    if (!richtext::saveFile(m_fileName, *document()))
        return false;
    document()->setModified(false);
    return true;
}

void RichTextPane::setRtf(const QByteArray &rtf)
{
    auto *document = new QTextDocument(this);
    richtext::RtfReader::read(rtf, *document);
    replaceDocument(document);
    m_fileName.clear();
}

QByteArray RichTextPane::rtf() const
{
    return richtext::RtfWriter::write(*document());
}

void RichTextPane::clearDocument()
{
    replaceDocument(new QTextDocument(this));
    m_fileName.clear();
}

QString RichTextPane::plainText() const
{
    return richtext::plainText(*document());
}

int RichTextPane::selectionLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

template<typename Value, typename Get> Value RichTextPane::commonValue(Get get, Value mixed) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return get(currentCharFormat());
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    std::optional<Value> common;
    for (QTextBlock block = document()->findBlock(start); block.isValid(); block = block.next()) {
        if (block.position() >= end)
            break;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const Value value = get(fragment.charFormat());
            if (common && *common != value)
                return mixed;
            common = value;
        }
    }
    return common ? *common : get(cursor.charFormat());
}

QString RichTextPane::selectionFontName() const
{
    const QString fallback = document()->defaultFont().family();
    return commonValue<QString>(
        [&fallback](const QTextCharFormat &format) {
            const QStringList families = format.fontFamilies().toStringList();
            return families.isEmpty() ? fallback : families.front();
        },
        QString());
}

double RichTextPane::selectionFontSize() const
{
    const double fallback = document()->defaultFont().pointSizeF();
    return commonValue<double>(
        [fallback](const QTextCharFormat &format) {
            const double size = format.fontPointSize();
            return size > 0 ? size : fallback;
        },
        0.0);
}

QColor RichTextPane::selectionColor() const
{
    const QColor fallback = palette().color(QPalette::Text);
    return commonValue<QColor>(
        [&fallback](const QTextCharFormat &format) {
            return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                    : fallback;
        },
        QColor());
}

void RichTextPane::mergeFormat(const QTextCharFormat &format)
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        cursor.mergeCharFormat(format);
    mergeCurrentCharFormat(format);
}

void RichTextPane::setSelectionFontName(const QString &family)
{
    if (family.isEmpty())
        return;
    QTextCharFormat format;
    format.setFontFamilies({family});
    mergeFormat(format);
}

void RichTextPane::setSelectionFontSize(double points)
{
    if (!(points > 0) || points > 1638)
        return;
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeFormat(format);
}

void RichTextPane::setSelectionColor(const QColor &color)
{
    if (!color.isValid())
        return;
    QTextCharFormat format;
    format.setForeground(color);
    mergeFormat(format);
}

void RichTextPane::focusOutEvent(QFocusEvent *event)
{
    QTextEdit::focusOutEvent(event);
    Q_EMIT focusLost();
}

bool RichTextPane::canInsertFromMimeData(const QMimeData *source) const
{
    for (const char *type : rtfMimeTypes) {
        if (source->hasFormat(QLatin1StringView(type)))
            return true;
    }
    return source->hasImage() || QTextEdit::canInsertFromMimeData(source);
}

void RichTextPane::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly())
        return;
    for (const char *type : rtfMimeTypes) {
        if (!source->hasFormat(QLatin1StringView(type)))
            continue;
        const QByteArray bytes = source->data(QLatin1StringView(type));
        if (richtext::RtfParser::isRtf(bytes)) {
            insertRtf(bytes);
            return;
        }
    }
    if (source->hasImage()) {
        const QImage image = qvariant_cast<QImage>(source->imageData());
        if (!image.isNull()) {
            QTextCursor cursor = textCursor();
            qint64 budget = qint64(image.width()) * image.height();
            richtext::Picture::insert(cursor, richtext::Picture::fromImage(image), budget);
            setTextCursor(cursor);
            return;
        }
    }
    const int from = textCursor().selectionStart();
    QTextEdit::insertFromMimeData(source);
    adoptImages(from, textCursor().position());
}

void RichTextPane::insertRtf(const QByteArray &rtf)
{
    QTextDocument pasted;
    richtext::RtfReader::read(rtf, pasted);
    copyPictures(pasted, *document(), pasted);
    QTextCursor cursor = textCursor();
    cursor.insertFragment(QTextDocumentFragment(&pasted));
    setTextCursor(cursor);
}

void RichTextPane::adoptImages(int from, int to)
{
    // Images pasted from a web page or another program refer to files or addresses the
    // document cannot keep; they become pictures of the document so that they are saved.
    struct Found
    {
        int position;
        QTextImageFormat format;
    };
    std::vector<Found> found;
    for (QTextBlock block = document()->findBlock(from); block.isValid(); block = block.next()) {
        if (block.position() > to)
            break;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() < from || fragment.position() >= to)
                continue;
            if (!fragment.charFormat().isImageFormat())
                continue;
            const QTextImageFormat format = fragment.charFormat().toImageFormat();
            if (richtext::Picture::find(*document(), format.name()))
                continue;
            for (int i = 0; i < fragment.length(); ++i)
                found.push_back({fragment.position() + i, format});
        }
    }
    for (const Found &image : found) {
        const QVariant resource =
            document()->resource(QTextDocument::ImageResource, QUrl(image.format.name()));
        std::optional<richtext::Picture> picture;
        QImage shown;
        if (resource.userType() == QMetaType::QByteArray) {
            picture = richtext::Picture::fromEncodedImage(resource.toByteArray());
            shown.loadFromData(resource.toByteArray());
        } else if (resource.userType() == QMetaType::QImage) {
            shown = resource.value<QImage>();
        } else if (resource.userType() == QMetaType::QPixmap) {
            shown = resource.value<QPixmap>().toImage();
        }
        if (shown.isNull())
            continue;
        if (!picture)
            picture = richtext::Picture::fromImage(shown);
        QTextImageFormat format = image.format;
        format.setName(picture->attach(*document(), shown));
        if (!(format.width() > 0))
            format.setWidth(shown.width());
        if (!(format.height() > 0))
            format.setHeight(shown.height());
        QTextCursor cursor(document());
        cursor.setPosition(image.position);
        cursor.setPosition(image.position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

QMimeData *RichTextPane::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return QTextEdit::createMimeDataFromSelection();
    // The editor's own mime data lists a fixed set of formats; copy them into one that
    // can carry RTF as well.
    const std::unique_ptr<QMimeData> base(QTextEdit::createMimeDataFromSelection());
    auto *data = new QMimeData;
    for (const QString &format : base->formats())
        data->setData(format, base->data(format));
    QTextDocument selection;
    QTextCursor(&selection).insertFragment(cursor.selection());
    copyPictures(*document(), selection, selection);
    data->setData(QStringLiteral("text/rtf"), richtext::RtfWriter::write(selection));
    return data;
}

} // namespace ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rich_text_pane.h"

#include "richtext/picture.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_file.h"
#include "richtext/rtf_parser.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QImage>
#include <QMimeData>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QUrl>
#include <cmath>
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

store::WriteOutcome RichTextPane::save()
{
    if (m_fileName.isEmpty())
        return store::WriteOutcome{store::WriteStatus::Error, 0, {}, tr("no file")};
    store::WriteOutcome saved = richtext::saveFile(m_fileName, *document());
    if (saved.ok())
        document()->setModified(false);
    return saved;
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

bool RichTextPane::isSelectionBold() const
{
    return commonValue<bool>(
        [](const QTextCharFormat &format) { return format.fontWeight() >= QFont::DemiBold; },
        false);
}

bool RichTextPane::isSelectionItalic() const
{
    return commonValue<bool>([](const QTextCharFormat &format) { return format.fontItalic(); },
                             false);
}

bool RichTextPane::isSelectionUnderlined() const
{
    return commonValue<bool>([](const QTextCharFormat &format) { return format.fontUnderline(); },
                             false);
}

bool RichTextPane::isSelectionSuperscript() const
{
    return commonValue<bool>(
        [](const QTextCharFormat &format) {
            return format.verticalAlignment() == QTextCharFormat::AlignSuperScript;
        },
        false);
}

bool RichTextPane::isSelectionSubscript() const
{
    return commonValue<bool>(
        [](const QTextCharFormat &format) {
            return format.verticalAlignment() == QTextCharFormat::AlignSubScript;
        },
        false);
}

void RichTextPane::toggleBold()
{
    QTextCharFormat format;
    format.setFontWeight(isSelectionBold() ? QFont::Normal : QFont::Bold);
    mergeFormat(format);
}

void RichTextPane::toggleItalic()
{
    QTextCharFormat format;
    format.setFontItalic(!isSelectionItalic());
    mergeFormat(format);
}

void RichTextPane::toggleUnderline()
{
    QTextCharFormat format;
    format.setFontUnderline(!isSelectionUnderlined());
    mergeFormat(format);
}

void RichTextPane::setVerticalAlignment(QTextCharFormat::VerticalAlignment alignment)
{
    QTextCharFormat format;
    format.setVerticalAlignment(alignment);
    mergeFormat(format);
}

void RichTextPane::toggleSuperscript()
{
    setVerticalAlignment(isSelectionSuperscript() ? QTextCharFormat::AlignNormal
                                                  : QTextCharFormat::AlignSuperScript);
}

void RichTextPane::toggleSubscript()
{
    setVerticalAlignment(isSelectionSubscript() ? QTextCharFormat::AlignNormal
                                                : QTextCharFormat::AlignSubScript);
}

RichTextPane::PictureResult RichTextPane::insertPictureFile(const QString &path)
{
    QFile file(path);
    if (isReadOnly() || path.isEmpty() || !file.open(QIODevice::ReadOnly) ||
        file.size() > richtext::RtfReader::maxInputSize / 2)
        return PictureResult::Unreadable;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return PictureResult::Unreadable;
    std::optional<richtext::Picture> picture = richtext::Picture::fromEncodedImage(bytes);
    QImage image;
    if (!picture || !image.loadFromData(bytes))
        return PictureResult::NotAPicture;
    picture->native = image.size();
    // A photo straight from a camera would be many screens wide: show it at a width
    // that fits a question, keeping every pixel in the file.
    if (image.width() > maxPictureWidth) {
        const double height = double(image.height()) * maxPictureWidth / image.width();
        picture->goal = QSize(maxPictureWidth * 15, std::max(1, int(std::lround(height * 15))));
    }
    QTextCursor cursor = textCursor();
    qint64 budget = qint64(image.width()) * image.height();
    richtext::Picture::insert(cursor, *picture, budget);
    setTextCursor(cursor);
    return PictureResult::Inserted;
}

void RichTextPane::keyPressEvent(QKeyEvent *event)
{
    if (!isReadOnly()) {
        const Qt::KeyboardModifiers modifiers =
            event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        const int key = event->key();
        if (modifiers == Qt::ControlModifier) {
            switch (key) {
            case Qt::Key_B:
                toggleBold();
                return;
            case Qt::Key_I:
                toggleItalic();
                return;
            case Qt::Key_U:
                toggleUnderline();
                return;
            case Qt::Key_Equal:
                toggleSubscript();
                return;
            default:
                break;
            }
        }
        // Ctrl+Shift+= arrives as "+" on most layouts.
        if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) &&
            (key == Qt::Key_Plus || key == Qt::Key_Equal)) {
            toggleSuperscript();
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
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

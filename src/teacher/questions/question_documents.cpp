// SPDX-License-Identifier: GPL-3.0-or-later
#include "question_documents.h"

#include "richtext/picture.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "store/regular_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

#include <algorithm>
#include <cstring>
#include <vector>

using namespace Qt::StringLiterals;

namespace questions {

namespace {

const QString attachmentScheme = u"quorin-attachment:"_s;

/// Text that names no font or size takes the body font of the editor's own documents,
/// so imported questions look like the ones typed in.
void applyBodyFont(QTextDocument &document)
{
    // The ranges are found first: merging a format can join fragments under an iterator.
    struct Range
    {
        int from;
        int to;
        QTextCharFormat missing;
    };
    std::vector<Range> ranges;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            QTextCharFormat missing;
            if (!format.hasProperty(QTextFormat::FontFamilies))
                missing.setFontFamilies({u"SimSun"_s});
            if (!format.hasProperty(QTextFormat::FontPointSize) &&
                !format.hasProperty(QTextFormat::FontPixelSize))
                missing.setFontPointSize(12);
            if (!missing.properties().isEmpty())
                ranges.push_back(
                    {fragment.position(), fragment.position() + fragment.length(), missing});
        }
    }
    QTextCursor cursor(&document);
    for (const Range &range : ranges) {
        cursor.setPosition(range.from);
        cursor.setPosition(range.to, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(range.missing);
    }
}

/// Fills a document from an item's text: HTML with its pictures, or plain text.
void fill(QTextDocument &document, const QString &text, const Item &item)
{
    if (!item.html) {
        document.setPlainText(text);
        return;
    }
    // Each "@@PLUGINFILE@@/name" the HTML names becomes a resource of the document; a
    // name without an attachment, or bytes that are no picture, leave nothing.
    static const QRegularExpression named(uR"(@@PLUGINFILE@@/([^"'<>]*))"_s);
    QHash<QString, int> byName;
    for (int i = 0; i < item.attachments.size(); ++i)
        byName.insert(item.attachments.at(i).name, i);
    QString html;
    qsizetype from = 0;
    for (auto it = named.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        html += QStringView(text).mid(from, match.capturedStart() - from);
        // Names are percent-encoded as in a URL, or not; an unquoted one ends at a space.
        QString raw = match.captured(1);
        qsizetype end = match.capturedEnd();
        int index = byName.value(QUrl::fromPercentEncoding(raw.toUtf8()), byName.value(raw, -1));
        if (index < 0 && raw.contains(u' ')) {
            raw.truncate(raw.indexOf(u' '));
            end = match.capturedStart(1) + raw.size();
            index = byName.value(QUrl::fromPercentEncoding(raw.toUtf8()), -1);
        }
        if (index >= 0) {
            const QUrl url(attachmentScheme + QString::number(index));
            document.addResource(QTextDocument::ImageResource, url,
                                 item.attachments.at(index).bytes);
            html += url.toString();
        }
        from = end;
    }
    html += QStringView(text).mid(from);
    document.setHtml(html);
}

QByteArray documentOf(const QString &text, const Item &item, const QStringList &options)
{
    QTextDocument document;
    fill(document, text, item);
    // Leading and trailing empty paragraphs of the file's HTML make no part of the question.
    while (document.blockCount() > 1 && document.lastBlock().text().trimmed().isEmpty() &&
           document.lastBlock().length() <= 1) {
        QTextCursor cursor(document.lastBlock());
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    const QTextCharFormat plain;
    const QTextBlockFormat paragraph;
    for (int k = 0; k < options.size(); ++k) {
        if (!document.isEmpty())
            cursor.insertBlock(paragraph, plain);
        cursor.insertText(QString(QChar(u'A' + k)) + u". "_s + options.at(k), plain);
    }
    applyBodyFont(document);
    return richtext::RtfWriter::write(document);
}

QString markText(double mark)
{
    return QString::number(mark, 'g', 12);
}

/// The option markers of a line: "A." "A)" "A、" "A．" "A）" "A:" at the line's start or
/// after white space, with the letters in order from `first`.
struct Marker
{
    qsizetype at;
    qsizetype textAt;
};
QList<Marker> markersOf(const QString &line, QChar first)
{
    static const QRegularExpression marker(uR"((?:^|\s)\s*([A-G])\s*[.．、)）:：]\s*)"_s);
    QList<Marker> found;
    QChar next = first;
    for (auto it = marker.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(1).at(0) != next)
            continue;
        if (found.isEmpty() && !line.left(match.capturedStart()).trimmed().isEmpty())
            return {};
        found.append({match.capturedStart(), match.capturedEnd()});
        next = QChar(next.unicode() + 1);
    }
    return found;
}

} // namespace

NewQuestion toNewQuestion(const Item &item)
{
    NewQuestion made;
    QStringList options = item.options;
    for (QString &option : options)
        option = option.simplified();
    // True and false are written in the program's language; exports read both back.
    if (item.trueFalse && options.size() == 2) {
        options = {QCoreApplication::translate("QuestionDocuments", "True"),
                   QCoreApplication::translate("QuestionDocuments", "False")};
    }
    made.question = documentOf(item.text, item, options);
    made.explanation = item.explanation.trimmed().isEmpty()
                           ? richtext::RtfWriter::emptyDocument()
                           : documentOf(item.explanation, item, {});
    made.answer = item.answer;
    if (item.mark)
        made.mark = markText(*item.mark);
    made.rowText = richtext::plainText(made.question);
    return made;
}

SplitText splitOptions(const QString &plainText)
{
    SplitText split;
    const QStringList lines = plainText.split(u'\n');
    // The options are the last lines; they start with "A." on a line of their own.
    int last = int(lines.size()) - 1;
    while (last >= 0 && lines.at(last).trimmed().isEmpty())
        --last;
    for (int start = last; start >= 0; --start) {
        if (markersOf(lines.at(start), u'A').isEmpty())
            continue;
        QStringList options;
        QChar next = u'A';
        bool whole = true;
        for (int l = start; l <= last && whole; ++l) {
            const QString &line = lines.at(l);
            if (line.trimmed().isEmpty())
                continue;
            const QList<Marker> markers = markersOf(line, next);
            if (markers.isEmpty()) {
                // A line that goes on the option before it.
                if (options.isEmpty())
                    whole = false;
                else
                    options.last() += u' ' + line.trimmed();
                continue;
            }
            for (qsizetype m = 0; m < markers.size(); ++m) {
                const qsizetype end = m + 1 < markers.size() ? markers.at(m + 1).at : line.size();
                options.append(
                    line.mid(markers.at(m).textAt, end - markers.at(m).textAt).trimmed());
            }
            next = QChar(char16_t(u'A' + options.size()));
        }
        if (!whole || options.size() > maxOptions)
            break;
        split.options = options;
        split.optionLine = start;
        split.text = lines.mid(0, start).join(u'\n').trimmed();
        return split;
    }
    split.text = plainText.trimmed();
    return split;
}

namespace {

/// A document's HTML body with its pictures as attachments "imageN.ext" of `item`.
QString htmlOf(const QTextDocument &document, int fromBlock, int toBlock, Item &item)
{
    QTextCursor cursor(document.findBlockByNumber(fromBlock));
    const QTextBlock end = document.findBlockByNumber(toBlock);
    cursor.setPosition(end.position() + std::max(0, end.length() - 1), QTextCursor::KeepAnchor);
    QString html = cursor.selection().toHtml();
    static const QRegularExpression body(uR"(<body[^>]*>(.*)</body>)"_s,
                                         QRegularExpression::DotMatchesEverythingOption);
    if (const QRegularExpressionMatch match = body.match(html); match.hasMatch())
        html = match.captured(1);
    html.remove(u"<!--StartFragment-->"_s);
    html.remove(u"<!--EndFragment-->"_s);

    // Every picture the selection shows, once, under the name the HTML gives it.
    QHash<QString, QString> names;
    for (QTextBlock block = document.findBlockByNumber(fromBlock);
         block.isValid() && block.blockNumber() <= toBlock; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString resource = format.toImageFormat().name();
            if (names.contains(resource))
                continue;
            QByteArray bytes;
            QString extension = u"png"_s;
            const std::optional<richtext::Picture> picture =
                richtext::Picture::find(document, resource);
            if (picture && picture->format == richtext::Picture::Format::Png) {
                bytes = picture->data;
            } else if (picture && picture->format == richtext::Picture::Format::Jpeg) {
                bytes = picture->data;
                extension = u"jpg"_s;
            } else {
                // A metafile or a bitmap: the image that shows it, as PNG.
                const QImage shown =
                    document.resource(QTextDocument::ImageResource, resource).value<QImage>();
                QBuffer buffer(&bytes);
                if (shown.isNull() || !shown.save(&buffer, "PNG"))
                    continue;
            }
            const QString name = u"image%1.%2"_s.arg(item.attachments.size() + 1).arg(extension);
            item.attachments.append({name, bytes});
            names.insert(resource, name);
        }
    }
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        html.replace(u"src=\""_s + it.key().toHtmlEscaped() + u'"',
                     u"src=\"@@PLUGINFILE@@/"_s + it.value() + u'"');
    }
    return html.trimmed();
}

int pictureCount(const QTextDocument &document, int toBlock)
{
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid() && block.blockNumber() <= toBlock;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            count += it.fragment().charFormat().isImageFormat() ? 1 : 0;
    }
    return count;
}

bool isTrueFalse(const QStringList &options)
{
    static const QList<std::pair<QString, QString>> pairs = {
        {u"true"_s, u"false"_s}, {u"对"_s, u"错"_s}, {u"正确"_s, u"错误"_s}};
    if (options.size() != 2)
        return false;
    return std::any_of(pairs.cbegin(), pairs.cend(), [&](const auto &pair) {
        return options.at(0).compare(pair.first, Qt::CaseInsensitive) == 0 &&
               options.at(1).compare(pair.second, Qt::CaseInsensitive) == 0;
    });
}

} // namespace

Item toItem(const PaperQuestion &question, bool html, ExportNotes *notes)
{
    Item item;
    item.title = question.title;
    item.answer = question.answer;
    item.mark = question.mark;
    item.html = html;

    QTextDocument document;
    richtext::RtfReader::read(question.question, document);
    const SplitText split = splitOptions(richtext::plainText(document));
    item.options = split.options;
    if (item.options.isEmpty()) {
        // The options are in a picture, or nowhere: one per letter the key needs.
        int needed = 4;
        for (const QChar c : question.answer)
            needed = std::max(needed, c.digitValue());
        for (int k = 0; k < std::min(needed, maxOptions); ++k)
            item.options.append(QString(QChar(u'A' + k)));
    }
    item.trueFalse = isTrueFalse(item.options) && (item.answer == u"1" || item.answer == u"2");
    if (item.trueFalse)
        item.options = QStringList{u"True"_s, u"False"_s};

    // The text is every paragraph above the options; their paragraphs are the last ones.
    const int textEnd =
        split.optionLine < 0 ? document.blockCount() - 1 : std::max(0, split.optionLine - 1);
    QTextDocument explanation;
    if (!question.explanation.isEmpty())
        richtext::RtfReader::read(question.explanation, explanation);
    if (html) {
        item.text = split.optionLine == 0 ? QString() : htmlOf(document, 0, textEnd, item);
        if (!richtext::plainText(explanation).trimmed().isEmpty() ||
            pictureCount(explanation, explanation.blockCount()) > 0)
            item.explanation = htmlOf(explanation, 0, explanation.blockCount() - 1, item);
    } else {
        item.text = split.text;
        item.explanation = richtext::plainText(explanation).trimmed();
        if (notes) {
            notes->picturesLeftOut += pictureCount(document, textEnd) +
                                      pictureCount(explanation, explanation.blockCount());
        }
    }
    return item;
}

QString ImportPlan::summary() const
{
    QString text = questions.size() == 1
                       ? QCoreApplication::translate("QuestionDocuments", "1 question comes in.")
                       : QCoreApplication::translate("QuestionDocuments", "%1 questions come in.")
                             .arg(questions.size());
    if (!skipped.isEmpty()) {
        text += u'\n' +
                (skipped.size() == 1
                     ? QCoreApplication::translate("QuestionDocuments", "1 question is skipped:")
                     : QCoreApplication::translate("QuestionDocuments", "%1 questions are skipped:")
                           .arg(skipped.size()));
        for (const QString &line : skipped)
            text += u"\n  "_s + line;
    }
    return text;
}

ImportPlan planImport(const QStringList &files, std::optional<Format> format, Encoding encoding)
{
    ImportPlan plan;
    for (const QString &file : files) {
        const QString shown = QFileInfo(file).fileName();
        const store::FileContent read = store::readRegularFile(file, maxImportFileSize);
        if (read.status != store::ReadStatus::Ok) {
            plan = {};
            QString why = store::describe(read.status);
            if (read.error != 0)
                why += u" ("_s + QString::fromLocal8Bit(std::strerror(read.error)) + u')';
            plan.error = u"%1: %2"_s.arg(file, why);
            return plan;
        }
        const ReadResult result = readQuestions(read.bytes, format, encoding);
        if (result.error) {
            plan = {};
            plan.error =
                QCoreApplication::translate("QuestionDocuments", "%1 line %2: %3")
                    .arg(shown, QString::number(result.error->line), result.error->message);
            return plan;
        }
        for (const Skipped &skip : result.skipped) {
            const QString line = QString::number(skip.line);
            plan.skipped.append(
                skip.title.isEmpty()
                    ? QCoreApplication::translate("QuestionDocuments", "%1 line %2: %3")
                          .arg(shown, line, skip.reason)
                    : QCoreApplication::translate("QuestionDocuments", "%1 line %2: \"%3\": %4")
                          .arg(shown, line, skip.title, skip.reason));
        }
        for (const Item &item : result.items)
            plan.questions.append(toNewQuestion(item));
    }
    return plan;
}

} // namespace questions

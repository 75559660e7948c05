// SPDX-License-Identifier: GPL-3.0-or-later
#include "question_formats.h"

#include "format_parts.h"
#include "store/text_codec.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace questions {

namespace {

constexpr QByteArrayView utf8Bom{"\xEF\xBB\xBF", 3};

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    // The conversion runs when its result becomes a string.
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// The encoding an XML declaration names ("<?xml version="1.0" encoding="GB2312"?>"), if
// the file starts with one.
QString declaredEncoding(QByteArrayView bytes)
{
    const QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 256));
    if (!head.trimmed().startsWith("<?xml"))
        return {};
    const qsizetype end = head.indexOf("?>");
    if (end < 0)
        return {};
    static const QRegularExpression encoding(uR"(encoding\s*=\s*["']([A-Za-z0-9._-]+)["'])"_s);
    const QRegularExpressionMatch match =
        encoding.match(QString::fromLatin1(head.first(end).data(), end));
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

} // namespace

QString formatName(Format format)
{
    switch (format) {
    case Format::Aiken:
        return u"aiken"_s;
    case Format::Gift:
        return u"gift"_s;
    case Format::MoodleXml:
        return u"moodle-xml"_s;
    }
    return {};
}

std::optional<Format> formatFromName(QStringView name)
{
    for (Format format : {Format::Aiken, Format::Gift, Format::MoodleXml}) {
        if (name.compare(formatName(format), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

QString encodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Detect:
        return u"detect"_s;
    case Encoding::Utf8:
        return u"utf-8"_s;
    case Encoding::Gbk:
        return u"gbk"_s;
    }
    return {};
}

std::optional<Encoding> encodingFromName(QStringView name)
{
    const QString lower = name.trimmed().toString().toLower();
    if (lower == u"detect")
        return Encoding::Detect;
    if (lower == u"utf-8" || lower == u"utf8")
        return Encoding::Utf8;
    if (lower == u"gbk" || lower == u"gb18030" || lower == u"gb2312" || lower == u"cp936")
        return Encoding::Gbk;
    return std::nullopt;
}

QString decodeText(const QByteArray &bytes, Encoding encoding)
{
    QByteArrayView view(bytes);
    QString text;
    // A byte-order mark says what the text is whatever the caller guessed; Notepad's
    // "Unicode" is UTF-16 with one.
    if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringConverter::Utf16);
        text = utf16.decode(view);
    } else if (view.startsWith(utf8Bom)) {
        text = QString::fromUtf8(view.sliced(utf8Bom.size()));
    } else if (encoding == Encoding::Utf8 || (encoding == Encoding::Detect &&
                                              (store::TextCodec::isAscii(view) || isUtf8(view)))) {
        text = QString::fromUtf8(view);
    } else {
        text = store::TextCodec().decode(view, store::TextEncoding::Gbk);
    }
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    return xmlSafe(text);
}

std::optional<Format> detectFormat(const QString &text)
{
    const QStringView start = QStringView(text).trimmed();
    if (start.startsWith(u"<?xml") || start.startsWith(u"<quiz"))
        return Format::MoodleXml;
    static const QRegularExpression answerLine(
        u"^[ \\t]*ANSWER[ \\t]*[:\\x{FF1A}][ \\t]*[A-Za-z][ \\t]*$"_s,
        QRegularExpression::MultilineOption);
    if (answerLine.match(text).hasMatch())
        return Format::Aiken;
    // An answer block, even one left open: the GIFT reader then names the line.
    if (text.contains(u'{'))
        return Format::Gift;
    return std::nullopt;
}

ReadResult readQuestions(const QByteArray &bytes, std::optional<Format> format, Encoding encoding)
{
    const Format assumed = format.value_or(Format::Gift);
    if (bytes.size() > maxFileBytes)
        return readFailed(
            assumed, 1,
            QCoreApplication::translate("QuestionFormats", "the file is larger than %1 MB")
                .arg(maxFileBytes >> 20));
    if (encoding == Encoding::Detect && !bytes.startsWith(utf8Bom) &&
        (!format || *format == Format::MoodleXml)) {
        const QString declared = declaredEncoding(bytes);
        if (declared == u"gbk" || declared == u"gb2312" || declared == u"gb18030")
            encoding = Encoding::Gbk;
    }
    const QString text = decodeText(bytes, encoding);
    if (!format)
        format = detectFormat(text);
    if (!format)
        return readFailed(assumed, 1,
                          QCoreApplication::translate(
                              "QuestionFormats",
                              "the file is neither Moodle XML, nor Aiken, nor GIFT questions"));
    switch (*format) {
    case Format::Aiken:
        return readAiken(text);
    case Format::Gift:
        return readGift(text);
    case Format::MoodleXml:
        return readMoodleXml(text);
    }
    return {};
}

QByteArray writeQuestions(const QList<Item> &items, Format format)
{
    switch (format) {
    case Format::Aiken:
        return writeAiken(items);
    case Format::Gift:
        return writeGift(items);
    case Format::MoodleXml:
        return writeMoodleXml(items);
    }
    return {};
}

} // namespace questions

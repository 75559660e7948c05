// Moodle XML: <quiz> holding <question type="...">. Multiple-choice and true/false ones
// come in; category entries are no questions; every other type is named and skipped.
// Texts are HTML or plain text by their format attribute, pictures ride along as base64
// <file> elements that the HTML names "@@PLUGINFILE@@/name".
// SPDX-License-Identifier: GPL-3.0-or-later
#include "format_parts.h"

#include <QCoreApplication>
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <variant>

using namespace Qt::StringLiterals;

namespace questions {

namespace {

struct File
{
    QString name;
    QString encoding;
    QString data;
};

struct Text
{
    QString format;
    QString text;
    QList<File> files;
    bool isHtml() const { return format == u"html"; }
};

QString plainOf(const Text &text)
{
    return text.isHtml() ? htmlToPlain(text.text, LineBreaks::Keep) : text.text;
}

struct Answer
{
    QString fraction;
    Text text;
};

// A <question> as the file has it, before it is checked.
struct Raw
{
    int line = 0;
    QString type;
    QString name;
    Text question;
    Text feedback;
    std::optional<QString> defaultGrade;
    std::optional<QString> single;
    QList<Answer> answers;
};

// The characters of the current element and all its children, to its end. Qt's own
// readElementText() recurses once per nested element, which a hostile file can
// nest deep enough to exhaust the stack.
QString readAllText(QXmlStreamReader &xml)
{
    QString text;
    for (int depth = 1; depth > 0;) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            text += xml.text();
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Invalid:
            return text;
        default:
            break;
        }
    }
    return text;
}

// Reads an element holding <text> (and, for texts with pictures, <file>) to its end.
Text readText(QXmlStreamReader &xml)
{
    Text text;
    text.format = xml.attributes().value(u"format"_s).toString();
    bool haveText = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"text" && !haveText) {
            // Unescaped markup inside <text> still gives its words.
            text.text = readAllText(xml).trimmed();
            haveText = true;
        } else if (xml.name() == u"file") {
            const QXmlStreamAttributes attributes = xml.attributes();
            File file{attributes.value(u"name"_s).toString(),
                      attributes.value(u"encoding"_s).toString(),
                      {}};
            file.data = readAllText(xml);
            text.files.append(file);
        } else {
            xml.skipCurrentElement();
        }
    }
    return text;
}

Raw readRaw(QXmlStreamReader &xml)
{
    Raw raw;
    raw.line = int(xml.lineNumber());
    raw.type = xml.attributes().value(u"type"_s).toString().trimmed().toLower();
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == u"name") {
            raw.name = collapseSpaces(readText(xml).text, LineBreaks::Join);
        } else if (name == u"questiontext") {
            raw.question = readText(xml);
        } else if (name == u"generalfeedback") {
            raw.feedback = readText(xml);
        } else if (name == u"defaultgrade") {
            raw.defaultGrade = readAllText(xml).trimmed();
        } else if (name == u"single") {
            raw.single = readAllText(xml).trimmed();
        } else if (name == u"answer") {
            const QString fraction = xml.attributes().value(u"fraction"_s).toString().trimmed();
            raw.answers.append({fraction, readText(xml)});
        } else {
            xml.skipCurrentElement();
        }
    }
    return raw;
}

QString typeReason(const QString &type)
{
    static const QHash<QString, QString> kinds{
        {u"shortanswer"_s, u"short-answer"_s},     {u"multianswer"_s, u"cloze"_s},
        {u"calculatedsimple"_s, u"calculated"_s},  {u"calculatedmulti"_s, u"calculated"_s},
        {u"ddwtos"_s, u"drag-and-drop"_s},         {u"ddimageortext"_s, u"drag-and-drop"_s},
        {u"ddmarker"_s, u"drag-and-drop"_s},       {u"gapselect"_s, u"select-missing-words"_s},
        {u"randomsamatch"_s, u"random matching"_s}};
    if (type.isEmpty())
        return QCoreApplication::translate("QuestionFormats", "the question has no type");
    if (type == u"description")
        return QCoreApplication::translate("QuestionFormats",
                                           "descriptions without answers are not taken");
    return notTaken(kinds.value(type, type));
}

bool isPlainFileName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return true;
}

// The pictures of the question's texts; no value with the reason when one is unusable.
std::optional<QString> decodeFiles(const Raw &raw, QList<Attachment> &attachments)
{
    // The same picture in the text and in the feedback comes in once.
    QHash<QString, qsizetype> firstByName;
    for (const Text *text : {&raw.question, &raw.feedback}) {
        for (const File &file : text->files) {
            if (!isPlainFileName(file.name))
                return QCoreApplication::translate("QuestionFormats",
                                                   "the file name \"%1\" is no plain name")
                    .arg(file.name);
            if (file.encoding.compare(u"base64", Qt::CaseInsensitive) != 0)
                return QCoreApplication::translate("QuestionFormats",
                                                   "the file \"%1\" is not in base64")
                    .arg(file.name);
            QByteArray base64 = file.data.toLatin1();
            base64.removeIf([](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
            auto decoded = QByteArray::fromBase64Encoding(std::move(base64),
                                                          QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                return QCoreApplication::translate("QuestionFormats",
                                                   "the file \"%1\" is not valid base64")
                    .arg(file.name);
            const qsizetype first = firstByName.value(file.name, -1);
            if (first >= 0 && attachments[first].bytes == *decoded)
                continue;
            if (first < 0)
                firstByName.insert(file.name, attachments.size());
            attachments.append({file.name, *decoded});
        }
    }
    return std::nullopt;
}

QString optionText(const Text &text)
{
    // Answers without a format are Moodle's auto format, which may hold HTML.
    if (text.format == u"plain_text" || text.format == u"markdown")
        return collapseSpaces(text.text, LineBreaks::Join);
    return htmlToPlain(text.text, LineBreaks::Join);
}

// The item of a question read, or why it does not come in.
std::variant<Item, QString> toItem(const Raw &raw)
{
    Item item;
    item.html = raw.question.isHtml();
    item.text = raw.question.text;
    // A picture alone is a text; nothing at all is not.
    if (item.text.isEmpty())
        return QCoreApplication::translate("QuestionFormats", "the question has no text");
    if (raw.feedback.isHtml() == item.html)
        item.explanation = raw.feedback.text;
    else
        item.explanation = item.html ? plainToHtml(raw.feedback.text) : plainOf(raw.feedback);
    if (auto problem = decodeFiles(raw, item.attachments))
        return *problem;
    if (raw.defaultGrade) {
        bool ok = false;
        const double mark = raw.defaultGrade->toDouble(&ok);
        if (!ok || !std::isfinite(mark) || mark < 0)
            return QCoreApplication::translate("QuestionFormats",
                                               "the default grade \"%1\" is not a mark")
                .arg(*raw.defaultGrade);
        item.mark = mark;
    }

    QList<double> weights;
    for (qsizetype i = 0; i < raw.answers.size(); ++i) {
        const Answer &answer = raw.answers[i];
        bool ok = answer.fraction.isEmpty();
        const double weight = ok ? 0.0 : answer.fraction.toDouble(&ok);
        if (!ok || !std::isfinite(weight))
            return QCoreApplication::translate(
                       "QuestionFormats", "answer %1 has the fraction \"%2\", which is no number")
                .arg(i + 1)
                .arg(answer.fraction);
        weights.append(weight);
        item.options.append(optionText(answer.text));
    }

    QList<bool> right;
    if (raw.type == u"truefalse") {
        if (item.options.size() != 2)
            return QCoreApplication::translate("QuestionFormats",
                                               "a true/false question with %1 answers")
                .arg(item.options.size());
        // Moodle writes "true" first, but the texts decide.
        const bool swapped = item.options[0].compare(u"false", Qt::CaseInsensitive) == 0 &&
                             item.options[1].compare(u"true", Qt::CaseInsensitive) == 0;
        right = rightByWeight(weights, true);
        if (swapped)
            std::swap(right[0], right[1]);
        if (right[0] == right[1])
            return right[0] ? QCoreApplication::translate("QuestionFormats",
                                                          "both true and false are right")
                            : QCoreApplication::translate("QuestionFormats", "no option is right");
        item.options = QStringList{u"True"_s, u"False"_s};
        item.trueFalse = true;
    } else {
        const QString single = raw.single.value_or(u"true"_s).toLower();
        right = rightByWeight(weights, single == u"true" || single == u"1");
        if (auto problem = optionsProblem(item.options, right))
            return *problem;
    }
    item.answer = answerCode(right);
    // A name made from the text, as writeMoodleXml() gives an item without a title, is
    // no title.
    if (raw.name != titleFromText(plainText(item)))
        item.title = raw.name;
    return item;
}

void writeTextElement(QXmlStreamWriter &xml, const QString &name, const QString &text)
{
    xml.writeTextElement(name, xmlSafe(text));
}

void writeAnswer(QXmlStreamWriter &xml, const QString &fraction, const QString &format,
                 const QString &text)
{
    xml.writeStartElement(u"answer"_s);
    xml.writeAttribute(u"fraction"_s, fraction);
    xml.writeAttribute(u"format"_s, format);
    writeTextElement(xml, u"text"_s, text);
    xml.writeStartElement(u"feedback"_s);
    xml.writeAttribute(u"format"_s, u"html"_s);
    writeTextElement(xml, u"text"_s, QString());
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeItem(QXmlStreamWriter &xml, const Item &item)
{
    const QList<int> right = rightOptions(item);
    const bool trueFalse = item.trueFalse && item.options.size() == 2 && right.size() == 1;
    const QString format = item.html ? u"html"_s : u"plain_text"_s;
    xml.writeStartElement(u"question"_s);
    xml.writeAttribute(u"type"_s, trueFalse ? u"truefalse"_s : u"multichoice"_s);

    xml.writeStartElement(u"name"_s);
    writeTextElement(xml, u"text"_s,
                     item.title.isEmpty() ? titleFromText(plainText(item)) : item.title);
    xml.writeEndElement();

    xml.writeStartElement(u"questiontext"_s);
    xml.writeAttribute(u"format"_s, format);
    xml.writeStartElement(u"text"_s);
    xml.writeCDATA(xmlSafe(item.text)); // splits a "]]>" of the text itself
    xml.writeEndElement();
    for (const Attachment &attachment : item.attachments) {
        xml.writeStartElement(u"file"_s);
        xml.writeAttribute(u"name"_s, xmlSafe(attachment.name));
        xml.writeAttribute(u"path"_s, u"/"_s);
        xml.writeAttribute(u"encoding"_s, u"base64"_s);
        xml.writeCharacters(QString::fromLatin1(attachment.bytes.toBase64()));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(u"generalfeedback"_s);
    xml.writeAttribute(u"format"_s, format);
    xml.writeStartElement(u"text"_s);
    xml.writeCDATA(xmlSafe(item.explanation));
    xml.writeEndElement();
    xml.writeEndElement();

    if (item.mark)
        writeTextElement(xml, u"defaultgrade"_s, QString::number(*item.mark, 'f', 7));
    writeTextElement(xml, u"penalty"_s, trueFalse ? u"1.0000000"_s : u"0.3333333"_s);
    writeTextElement(xml, u"hidden"_s, u"0"_s);
    if (trueFalse) {
        writeAnswer(xml, right.first() == 0 ? u"100"_s : u"0"_s, u"moodle_auto_format"_s,
                    u"true"_s);
        writeAnswer(xml, right.first() == 1 ? u"100"_s : u"0"_s, u"moodle_auto_format"_s,
                    u"false"_s);
    } else {
        const bool single = right.size() == 1;
        writeTextElement(xml, u"single"_s, single ? u"true"_s : u"false"_s);
        writeTextElement(xml, u"shuffleanswers"_s, u"true"_s);
        writeTextElement(xml, u"answernumbering"_s, u"abc"_s);
        // As in GIFT: several right options share the mark, a wrong one costs all of it.
        const QString share =
            QString::number(100.0 / double(std::max<qsizetype>(1, right.size())), 'g', 7);
        for (qsizetype i = 0; i < item.options.size(); ++i) {
            const bool isRight = right.contains(int(i));
            const QString fraction = isRight ? share : single ? u"0"_s : u"-100"_s;
            writeAnswer(xml, fraction, u"html"_s, item.options[i].toHtmlEscaped());
        }
    }
    xml.writeEndElement();
}

} // namespace

ReadResult readMoodleXml(const QString &text)
{
    if (auto refused = refuseOversized(Format::MoodleXml, text))
        return *refused;
    const auto fail = [](int line, const QString &message) {
        return readFailed(Format::MoodleXml, line, message);
    };
    QXmlStreamReader xml(text);
    if (!xml.readNextStartElement())
        return fail(int(xml.lineNumber()),
                    xml.hasError() ? xml.errorString()
                                   : QCoreApplication::translate("QuestionFormats",
                                                                 "the file holds no XML element"));
    if (xml.name() != u"quiz")
        return fail(int(xml.lineNumber()),
                    QCoreApplication::translate("QuestionFormats",
                                                "the file holds <%1>, not a Moodle XML <quiz>")
                        .arg(xml.name()));

    ReadResult result;
    result.format = Format::MoodleXml;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"question") {
            xml.skipCurrentElement();
            continue;
        }
        const Raw raw = readRaw(xml);
        if (xml.hasError())
            break;
        if (raw.type == u"category")
            continue;
        const QString title = raw.name.isEmpty() ? titleFromText(plainOf(raw.question)) : raw.name;
        if (raw.type != u"multichoice" && raw.type != u"truefalse") {
            result.skipped.append({title, typeReason(raw.type), raw.line});
            continue;
        }
        auto item = toItem(raw);
        if (auto *reason = std::get_if<QString>(&item))
            result.skipped.append({title, *reason, raw.line});
        else
            result.items.append(std::get<Item>(item));
    }
    // What follows </quiz> must still be well-formed.
    while (!xml.hasError() && !xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        return fail(int(xml.lineNumber()), xml.errorString());
    return result;
}

QByteArray writeMoodleXml(const QList<Item> &items)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument(u"1.0"_s);
    xml.writeStartElement(u"quiz"_s);
    for (const Item &item : items)
        writeItem(xml, item);
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

} // namespace questions

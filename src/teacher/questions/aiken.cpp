// Aiken: a question (one line or more), its options "A. text" or "A) text" in letter
// order, then "ANSWER: X". Questions end at their ANSWER line; blank lines stand between.
// Chinese lists also write "A、", "A．" and "ANSWER：", which are taken as well.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "format_parts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringTokenizer>

using namespace Qt::StringLiterals;

namespace questions {

namespace {

// A full stop or parenthesis after the letter needs a space, or "A.D. 1066" would be an
// option; the full-width marks of Chinese lists do not.
const QRegularExpression &optionLine()
{
    static const QRegularExpression re(
        u"^([A-Z])(?:[.)][ \\t\\x{3000}]+|[\\x{FF0E}\\x{FF09}\\x{3001}][ \\t\\x{3000}]*)(.*)$"_s);
    return re;
}

const QRegularExpression &answerLine()
{
    static const QRegularExpression re(u"^ANSWER[ \\t]*[:\\x{FF1A}](.*)$"_s);
    return re;
}

QChar letter(qsizetype option)
{
    return QChar(char16_t(u'A' + option));
}

struct Question
{
    int line = 0;
    QStringList text;
    QStringList options;
};

// The question once its ANSWER line named option `right`: an item, or skipped.
void finish(Question &question, qsizetype right, ReadResult &result)
{
    Item item;
    item.text = question.text.join(u'\n');
    item.options = question.options;
    QList<bool> marks(item.options.size(), false);
    marks[right] = true;
    item.answer = answerCode(marks);
    if (const auto problem = optionsProblem(item.options, marks)) {
        result.skipped.append({titleFromText(item.text), *problem, question.line});
        return;
    }
    // Aiken has no true/false questions of its own; these two options make one.
    if (item.options.size() == 2 && item.options[0].compare(u"True", Qt::CaseInsensitive) == 0 &&
        item.options[1].compare(u"False", Qt::CaseInsensitive) == 0) {
        item.trueFalse = true;
        item.options = QStringList{u"True"_s, u"False"_s};
    }
    result.items.append(item);
}

} // namespace

ReadResult readAiken(const QString &text)
{
    if (auto refused = refuseOversized(Format::Aiken, text))
        return *refused;
    ReadResult result;
    result.format = Format::Aiken;
    const auto fail = [](int line, const QString &message) {
        return readFailed(Format::Aiken, line, message);
    };

    std::optional<Question> question;
    int number = 0;
    for (const QStringView raw : QStringTokenizer(text, u'\n')) {
        ++number;
        const QStringView line = raw.trimmed();
        if (line.isEmpty()) {
            if (question)
                return fail(number,
                            QCoreApplication::translate(
                                "QuestionFormats", "the question of line %1 has no ANSWER line")
                                .arg(question->line));
            continue;
        }
        const QRegularExpressionMatch answer = answerLine().match(line);
        if (answer.hasMatch()) {
            if (!question)
                return fail(number, QCoreApplication::translate(
                                        "QuestionFormats", "an ANSWER line without a question"));
            if (question->options.isEmpty())
                return fail(number,
                            QCoreApplication::translate(
                                "QuestionFormats",
                                "the question has no options (A. ...) before its ANSWER line"));
            const QString named = answer.captured(1).trimmed().toUpper();
            if (named.size() != 1 || named[0] < u'A' || named[0] > u'Z')
                return fail(number,
                            QCoreApplication::translate(
                                "QuestionFormats", "ANSWER names one option letter, not \"%1\"")
                                .arg(named));
            const qsizetype right = named[0].unicode() - u'A';
            if (right >= question->options.size())
                return fail(number, QCoreApplication::translate(
                                        "QuestionFormats",
                                        "ANSWER %1 names no option; the options are A to %2")
                                        .arg(named, letter(question->options.size() - 1)));
            finish(*question, right, result);
            question.reset();
            continue;
        }
        const QRegularExpressionMatch option = optionLine().match(line);
        if (option.hasMatch()) {
            if (!question)
                return fail(number, QCoreApplication::translate("QuestionFormats",
                                                                "an option before its question"));
            const QChar expected = letter(question->options.size());
            if (option.captured(1)[0] == expected) {
                const QString optionText = option.captured(2).trimmed();
                if (optionText.isEmpty())
                    return fail(number, QCoreApplication::translate("QuestionFormats",
                                                                    "option %1 has no text")
                                            .arg(expected));
                question->options.append(optionText);
                continue;
            }
            if (!question->options.isEmpty())
                return fail(number, QCoreApplication::translate(
                                        "QuestionFormats",
                                        "option %1 where option %2 or the ANSWER line belongs")
                                        .arg(option.captured(1), expected));
            // Before option A a line like "C) a statement" is part of the question.
        } else if (question && !question->options.isEmpty()) {
            return fail(
                number,
                QCoreApplication::translate("QuestionFormats",
                                            "after option %1 comes option %2 or the ANSWER line")
                    .arg(letter(question->options.size() - 1), letter(question->options.size())));
        }
        if (!question)
            question = Question{number, {}, {}};
        question->text.append(line.toString());
    }
    if (question)
        return fail(number, QCoreApplication::translate(
                                "QuestionFormats", "the question of line %1 has no ANSWER line")
                                .arg(question->line));
    return result;
}

QByteArray writeAiken(const QList<Item> &items)
{
    QString out;
    for (const Item &item : items) {
        // A line of the text that reads as an option or an ANSWER line joins the one
        // before; blank lines would end the question, so they go.
        QStringList lines;
        for (const QString &line : collapseSpaces(plainText(item), LineBreaks::Keep).split(u'\n')) {
            if (!lines.isEmpty() &&
                (optionLine().match(line).hasMatch() || answerLine().match(line).hasMatch()))
                lines.last() += u' ' + line;
            else
                lines.append(line);
        }
        // A question of a picture alone still needs a line before its options.
        const QString text = lines.join(u'\n');
        out += (text.isEmpty() ? u"(no text)"_s : text) + u'\n';
        for (qsizetype i = 0; i < item.options.size() && i < 26; ++i)
            out += letter(i) + u". "_s + collapseSpaces(item.options[i], LineBreaks::Join) + u'\n';
        const QList<int> right = rightOptions(item);
        out += u"ANSWER: "_s + (right.isEmpty() ? QString() : QString(letter(right.first()))) +
               u"\n\n"_s;
    }
    return out.toUtf8();
}

} // namespace questions

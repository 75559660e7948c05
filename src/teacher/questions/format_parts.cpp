// SPDX-License-Identifier: GPL-3.0-or-later
#include "format_parts.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace questions {

namespace {

// Elements that end a line of the text a browser shows.
bool breaksLine(QStringView tag)
{
    static const QStringList names{u"br"_s, u"p"_s,          u"div"_s,   u"li"_s, u"ul"_s, u"ol"_s,
                                   u"tr"_s, u"h1"_s,         u"h2"_s,    u"h3"_s, u"h4"_s, u"h5"_s,
                                   u"h6"_s, u"pre"_s,        u"table"_s, u"hr"_s, u"dl"_s, u"dt"_s,
                                   u"dd"_s, u"blockquote"_s, u"center"_s};
    return names.contains(tag);
}

// The entities question banks hold beyond the five of XML; others stay as written.
const QList<std::pair<QString, char16_t>> &namedEntities()
{
    static const QList<std::pair<QString, char16_t>> table{
        {u"amp"_s, u'&'},         {u"lt"_s, u'<'},          {u"gt"_s, u'>'},
        {u"quot"_s, u'"'},        {u"apos"_s, u'\''},       {u"nbsp"_s, u' '},
        {u"copy"_s, u'\u00A9'},   {u"reg"_s, u'\u00AE'},    {u"deg"_s, u'\u00B0'},
        {u"plusmn"_s, u'\u00B1'}, {u"times"_s, u'\u00D7'},  {u"divide"_s, u'\u00F7'},
        {u"middot"_s, u'\u00B7'}, {u"micro"_s, u'\u00B5'},  {u"sup2"_s, u'\u00B2'},
        {u"sup3"_s, u'\u00B3'},   {u"frac12"_s, u'\u00BD'}, {u"frac14"_s, u'\u00BC'},
        {u"frac34"_s, u'\u00BE'}, {u"hellip"_s, u'\u2026'}, {u"ndash"_s, u'\u2013'},
        {u"mdash"_s, u'\u2014'},  {u"lsquo"_s, u'\u2018'},  {u"rsquo"_s, u'\u2019'},
        {u"ldquo"_s, u'\u201C'},  {u"rdquo"_s, u'\u201D'},  {u"laquo"_s, u'\u00AB'},
        {u"raquo"_s, u'\u00BB'},  {u"euro"_s, u'\u20AC'},   {u"pound"_s, u'\u00A3'},
        {u"yen"_s, u'\u00A5'},    {u"le"_s, u'\u2264'},     {u"ge"_s, u'\u2265'},
        {u"ne"_s, u'\u2260'},     {u"minus"_s, u'\u2212'},  {u"pi"_s, u'\u03C0'},
        {u"alpha"_s, u'\u03B1'},  {u"beta"_s, u'\u03B2'},   {u"gamma"_s, u'\u03B3'},
        {u"delta"_s, u'\u03B4'},  {u"mu"_s, u'\u03BC'},     {u"sigma"_s, u'\u03C3'},
        {u"omega"_s, u'\u03C9'},  {u"Omega"_s, u'\u03A9'},  {u"sect"_s, u'\u00A7'},
    };
    return table;
}

// Decodes the entity at `at` ('&') into `out`; returns where the text goes on.
qsizetype decodeEntity(QStringView html, qsizetype at, QString &out)
{
    // Entities are short: looking further for the ';' would make a text of many '&'
    // take quadratic time.
    const qsizetype found =
        html.sliced(at + 1).first(std::min<qsizetype>(12, html.size() - at - 1)).indexOf(u';');
    const qsizetype semicolon = found < 0 ? -1 : at + 1 + found;
    if (semicolon < 0) {
        out += u'&';
        return at + 1;
    }
    const QStringView name = html.sliced(at + 1, semicolon - at - 1);
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint code = name.startsWith(u"#x", Qt::CaseInsensitive)
                              ? name.sliced(2).toUInt(&ok, 16)
                              : name.sliced(1).toUInt(&ok, 10);
        if (!ok) {
            out += u'&';
            return at + 1;
        }
        const bool valid = code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
        out += valid ? QStringView(QChar::fromUcs4(char32_t(code))) : u"\uFFFD";
        return semicolon + 1;
    }
    for (const auto &[entity, character] : namedEntities()) {
        if (name == entity) {
            out += QChar(character);
            return semicolon + 1;
        }
    }
    out += u'&';
    return at + 1;
}

// Where the tag starting at `at` ends (past its '>'), quoted attribute values included.
qsizetype tagEnd(QStringView html, qsizetype at)
{
    QChar quote;
    for (qsizetype i = at + 1; i < html.size(); ++i) {
        const QChar c = html[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return i + 1;
        }
    }
    return html.size();
}

bool startsTag(QStringView html, qsizetype at)
{
    if (at + 1 >= html.size())
        return false;
    const QChar next = html[at + 1];
    return (next.isLetter() && next.unicode() < 0x80) || next == u'/' || next == u'!' ||
           next == u'?';
}

} // namespace

QString htmlToPlain(QStringView html, LineBreaks breaks)
{
    QString out;
    out.reserve(html.size());
    qsizetype i = 0;
    while (i < html.size()) {
        const QChar c = html[i];
        if (c == u'&') {
            i = decodeEntity(html, i, out);
            continue;
        }
        if (c != u'<' || !startsTag(html, i)) {
            out += c;
            ++i;
            continue;
        }
        if (html.sliced(i).startsWith(u"<!--")) {
            const qsizetype end = html.indexOf(u"-->", i + 4);
            i = end < 0 ? html.size() : end + 3;
            continue;
        }
        const qsizetype end = tagEnd(html, i);
        const bool closing = html[i + 1] == u'/';
        qsizetype nameEnd = i + (closing ? 2 : 1);
        while (nameEnd < end && html[nameEnd].isLetterOrNumber())
            ++nameEnd;
        const QString name = html.sliced(i + (closing ? 2 : 1), nameEnd - i - (closing ? 2 : 1))
                                 .toString()
                                 .toLower();
        i = end;
        if (!closing && (name == u"script" || name == u"style")) {
            // Their content is not text a reader sees.
            const qsizetype close = html.indexOf(QString(u"</"_s + name), i, Qt::CaseInsensitive);
            i = close < 0 ? html.size() : tagEnd(html, close);
        } else if (breaksLine(name)) {
            out += u'\n';
        } else if (name == u"td" || name == u"th") {
            out += u' ';
        }
    }
    return collapseSpaces(out, breaks);
}

QString collapseSpaces(QStringView text, LineBreaks breaks)
{
    QString out;
    out.reserve(text.size());
    bool space = false;
    bool lineEnd = false;
    for (const QChar c : text) {
        if (c == u'\n' && breaks == LineBreaks::Keep) {
            lineEnd = !out.isEmpty();
            space = false;
        } else if (c.isSpace()) {
            space = !out.isEmpty() && !lineEnd;
        } else {
            if (lineEnd)
                out += u'\n';
            else if (space)
                out += u' ';
            out += c;
            space = lineEnd = false;
        }
    }
    return out;
}

QString plainToHtml(QStringView text)
{
    return text.toString().toHtmlEscaped().replace(u'\n', u"<br>"_s);
}

QString plainText(const Item &item)
{
    return item.html ? htmlToPlain(item.text, LineBreaks::Keep) : item.text;
}

QString titleFromText(QStringView plain)
{
    constexpr qsizetype length = 40;
    QString title = collapseSpaces(plain, LineBreaks::Join);
    if (title.size() <= length)
        return title;
    qsizetype cut = length;
    if (title[cut - 1].isHighSurrogate())
        --cut;
    return title.left(cut).trimmed() + u"..."_s;
}

QString answerCode(const QList<bool> &right)
{
    QString code;
    for (qsizetype i = 0; i < right.size(); ++i) {
        if (right[i])
            code += QChar(char16_t(u'1' + i));
    }
    return code;
}

QList<int> rightOptions(const Item &item)
{
    QList<int> right;
    for (const QChar c : item.answer) {
        const int option = c.unicode() - u'1';
        if (option >= 0 && option < item.options.size() && !right.contains(option))
            right.append(option);
    }
    std::sort(right.begin(), right.end());
    return right;
}

QList<bool> rightByWeight(const QList<double> &weights, bool singleAnswer)
{
    const double highest =
        weights.isEmpty() ? 0.0 : *std::max_element(weights.cbegin(), weights.cend());
    QList<bool> right;
    for (double w : weights)
        right.append(w > 0 && (!singleAnswer || w == highest));
    return right;
}

std::optional<QString> optionsProblem(const QStringList &options, const QList<bool> &right)
{
    if (options.isEmpty())
        return QCoreApplication::translate("QuestionFormats", "no options");
    if (options.size() > maxOptions)
        return QCoreApplication::translate("QuestionFormats", "%1 options; a paper has at most %2")
            .arg(options.size())
            .arg(maxOptions);
    for (qsizetype i = 0; i < options.size(); ++i) {
        if (options[i].isEmpty())
            return QCoreApplication::translate("QuestionFormats", "option %1 has no text")
                .arg(i + 1);
    }
    if (!right.contains(true))
        return QCoreApplication::translate("QuestionFormats", "no option is right");
    return std::nullopt;
}

QString notTaken(QStringView kind)
{
    // The kinds the formats name are translated; a type a file makes up stays as written.
    static const char *const known[] = {
        QT_TRANSLATE_NOOP("QuestionFormats", "essay"),
        QT_TRANSLATE_NOOP("QuestionFormats", "numerical"),
        QT_TRANSLATE_NOOP("QuestionFormats", "matching"),
        QT_TRANSLATE_NOOP("QuestionFormats", "short-answer"),
        QT_TRANSLATE_NOOP("QuestionFormats", "cloze"),
        QT_TRANSLATE_NOOP("QuestionFormats", "calculated"),
        QT_TRANSLATE_NOOP("QuestionFormats", "drag-and-drop"),
        QT_TRANSLATE_NOOP("QuestionFormats", "select-missing-words"),
        QT_TRANSLATE_NOOP("QuestionFormats", "random matching"),
    };
    QString shown = kind.toString();
    for (const char *name : known) {
        if (kind == QLatin1StringView(name))
            shown = QCoreApplication::translate("QuestionFormats", name);
    }
    return QCoreApplication::translate("QuestionFormats", "%1 questions are not taken").arg(shown);
}

ReadResult readFailed(Format format, int line, const QString &message)
{
    ReadResult result;
    result.format = format;
    result.error = ReadError{line, message};
    return result;
}

std::optional<ReadResult> refuseOversized(Format format, QStringView text)
{
    if (text.size() <= maxFileBytes)
        return std::nullopt;
    return readFailed(
        format, 1,
        QCoreApplication::translate("QuestionFormats", "the file is larger than %1 MB")
            .arg(maxFileBytes >> 20));
}

QString xmlSafe(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (!c.isSurrogate() && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF &&
                   (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r')) {
            out += c;
        }
    }
    return out;
}

} // namespace questions

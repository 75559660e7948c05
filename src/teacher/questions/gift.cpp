// GIFT: one question a paragraph, "::title::", an optional text format "[html]", and one
// answer block "{=right ~wrong ~%50%partly #feedback ####general feedback}" at the end
// of the text or in the middle of it. "//" lines are comments, "$CATEGORY:" lines name
// categories, which a paper has none of.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "format_parts.h"

#include <QCoreApplication>
#include <QStringTokenizer>

#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace questions {

namespace {

// A paragraph with its escapes resolved. A character that came from an escape is marked,
// so that "\{" or "\=" never counts as syntax.
class Marked
{
public:
    explicit Marked(QStringView raw)
    {
        m_text.reserve(raw.size());
        m_escaped.reserve(raw.size());
        for (qsizetype i = 0; i < raw.size(); ++i) {
            const QChar c = raw[i];
            const QChar next = i + 1 < raw.size() ? raw[i + 1] : QChar();
            if (c == u'\\' && next == u'n') {
                add(u'\n', true);
                ++i;
            } else if (c == u'\\' && !next.isNull() && QStringView(u"~=#{}:\\").contains(next)) {
                add(next, true);
                ++i;
            } else {
                add(c, false);
            }
        }
    }

    qsizetype size() const { return m_text.size(); }
    QString text(qsizetype from, qsizetype to) const { return m_text.mid(from, to - from); }

    /// The first place in [from, to) where `syntax` stands unescaped, or -1.
    qsizetype find(QStringView syntax, qsizetype from, qsizetype to) const
    {
        for (qsizetype i = from; i + syntax.size() <= to; ++i) {
            if (isAt(syntax, i))
                return i;
        }
        return -1;
    }
    bool isAt(QStringView syntax, qsizetype at) const
    {
        if (at < 0 || at + syntax.size() > size())
            return false;
        for (qsizetype k = 0; k < syntax.size(); ++k) {
            if (m_escaped[at + k] || m_text[at + k] != syntax[k])
                return false;
        }
        return true;
    }
    qsizetype skipSpaces(qsizetype from, qsizetype to) const
    {
        while (from < to && m_text[from].isSpace())
            ++from;
        return from;
    }

private:
    void add(QChar c, bool escaped)
    {
        m_text += c;
        m_escaped.push_back(escaped);
    }

    QString m_text;
    std::vector<bool> m_escaped;
};

enum class TextFormat { Plain, Html };

struct Paragraph
{
    int line = 0;
    QString text;
};

// One paragraph's question: an item, a skipped question, or the error that stops the file.
class ParagraphReader
{
public:
    ParagraphReader(const Paragraph &paragraph, ReadResult &result)
        : m_chars(paragraph.text)
        , m_line(paragraph.line)
        , m_result(result)
    {}

    std::optional<ReadError> read();

private:
    std::optional<ReadError> readAnswers(qsizetype from, qsizetype to);
    std::optional<ReadError> error(const QString &message) const
    {
        return ReadError{m_line, message};
    }
    void skip(const QString &reason)
    {
        m_result.skipped.append(
            {m_item.title.isEmpty() ? titleFromText(plainText(m_item)) : m_item.title, reason,
             m_line});
    }
    QString option(qsizetype from, qsizetype to) const
    {
        const QString raw = m_chars.text(from, to);
        return m_item.html ? htmlToPlain(raw, LineBreaks::Join)
                           : collapseSpaces(raw, LineBreaks::Join);
    }

    const Marked m_chars;
    const int m_line;
    ReadResult &m_result;
    Item m_item;
};

std::optional<ReadError> ParagraphReader::read()
{
    const qsizetype end = m_chars.size();
    qsizetype pos = m_chars.skipSpaces(0, end);
    if (m_chars.isAt(u"::", pos)) {
        const qsizetype close = m_chars.find(u"::", pos + 2, end);
        if (close < 0)
            return error(QCoreApplication::translate("QuestionFormats",
                                                     "the title opened by \"::\" is not closed"));
        m_item.title = collapseSpaces(m_chars.text(pos + 2, close), LineBreaks::Join);
        pos = m_chars.skipSpaces(close + 2, end);
    }
    static const QList<std::pair<QString, TextFormat>> formats{{u"[html]"_s, TextFormat::Html},
                                                               {u"[moodle]"_s, TextFormat::Plain},
                                                               {u"[markdown]"_s, TextFormat::Plain},
                                                               {u"[plain]"_s, TextFormat::Plain}};
    for (const auto &[tag, format] : formats) {
        if (m_chars.isAt(tag, pos)) {
            m_item.html = format == TextFormat::Html;
            pos += tag.size();
            break;
        }
    }

    const qsizetype open = m_chars.find(u"{", pos, end);
    const qsizetype close = open < 0 ? -1 : m_chars.find(u"}", open + 1, end);
    if (const qsizetype stray = m_chars.find(u"}", pos, open < 0 ? end : open); stray >= 0)
        return error(QCoreApplication::translate(
            "QuestionFormats", "a \"}\" without its \"{\" (write \\} for a brace)"));
    if (open >= 0 && close < 0)
        return error(QCoreApplication::translate("QuestionFormats",
                                                 "the answer block opened by \"{\" is not closed"));
    if (open >= 0 && m_chars.find(u"{", open + 1, close) >= 0)
        return error(QCoreApplication::translate(
            "QuestionFormats", "a \"{\" inside an answer block (write \\{ for a brace)"));
    if (open >= 0 && m_chars.find(u"{", close + 1, end) >= 0)
        return error(QCoreApplication::translate("QuestionFormats",
                                                 "a second answer block; a question has one"));
    if (open >= 0 && m_chars.find(u"}", close + 1, end) >= 0)
        return error(QCoreApplication::translate(
            "QuestionFormats", "a \"}\" without its \"{\" (write \\} for a brace)"));

    const QString before = m_chars.text(pos, open < 0 ? end : open).trimmed();
    const QString after = open < 0 ? QString() : m_chars.text(close + 1, end).trimmed();
    // A block inside the sentence is the gap the answer fills.
    if (after.isEmpty())
        m_item.text = before;
    else
        m_item.text = before.isEmpty() ? QString(u"_____ "_s + after)
                                       : QString(before + u" _____ "_s + after);
    if (open < 0) {
        skip(QCoreApplication::translate("QuestionFormats",
                                         "descriptions without answers are not taken"));
        return std::nullopt;
    }
    return readAnswers(open + 1, close);
}

std::optional<ReadError> ParagraphReader::readAnswers(qsizetype from, qsizetype to)
{
    const qsizetype start = m_chars.skipSpaces(from, to);
    const qsizetype general = m_chars.find(u"####", start, to);
    const qsizetype answersEnd = general < 0 ? to : general;
    if (general >= 0)
        m_item.explanation = m_chars.text(general + 4, to).trimmed();
    // "{####feedback}" is an essay with its feedback, not a number.
    if (start == answersEnd) {
        skip(notTaken(u"essay"));
        return std::nullopt;
    }
    if (m_chars.isAt(u"#", start)) {
        skip(notTaken(u"numerical"));
        return std::nullopt;
    }
    if (m_chars.find(u"->", start, to) >= 0) {
        skip(notTaken(u"matching"));
        return std::nullopt;
    }
    if (m_item.text.isEmpty()) {
        skip(QCoreApplication::translate("QuestionFormats", "the question has no text"));
        return std::nullopt;
    }

    const qsizetype feedback = m_chars.find(u"#", start, answersEnd);
    const QString head =
        m_chars.text(start, feedback < 0 ? answersEnd : feedback).trimmed().toUpper();
    if (head == u"T" || head == u"TRUE" || head == u"F" || head == u"FALSE") {
        m_item.trueFalse = true;
        m_item.options = QStringList{u"True"_s, u"False"_s};
        m_item.answer = head.startsWith(u'T') ? u"1"_s : u"2"_s;
        m_result.items.append(m_item);
        return std::nullopt;
    }
    if (!m_chars.isAt(u"=", start) && !m_chars.isAt(u"~", start))
        return error(QCoreApplication::translate(
            "QuestionFormats", "the answer block holds neither =right nor ~wrong answers"));

    QList<qsizetype> marks;
    for (qsizetype i = start; i < answersEnd; ++i) {
        if (m_chars.isAt(u"=", i) || m_chars.isAt(u"~", i))
            marks.append(i);
    }
    QList<double> weights;
    bool anyWrong = false;
    bool singleAnswer = false;
    for (qsizetype k = 0; k < marks.size(); ++k) {
        const qsizetype at = marks[k];
        const qsizetype segmentEnd = k + 1 < marks.size() ? marks[k + 1] : answersEnd;
        const bool equals = m_chars.isAt(u"=", at);
        singleAnswer = singleAnswer || equals;
        anyWrong = anyWrong || !equals;
        double weight = equals ? 100 : 0;
        qsizetype textStart = at + 1;
        if (m_chars.isAt(u"%", textStart)) {
            const qsizetype closing = m_chars.find(u"%", textStart + 1, segmentEnd);
            if (closing < 0)
                return error(QCoreApplication::translate(
                                 "QuestionFormats", "the weight of answer %1 has no closing \"%\"")
                                 .arg(k + 1));
            const QString written = m_chars.text(textStart + 1, closing).trimmed();
            bool ok = false;
            weight = written.toDouble(&ok);
            if (!ok || !std::isfinite(weight))
                return error(
                    QCoreApplication::translate("QuestionFormats",
                                                "the weight \"%%1%\" of answer %2 is not a number")
                        .arg(written)
                        .arg(k + 1));
            textStart = closing + 1;
        }
        const qsizetype feedbackStart = m_chars.find(u"#", textStart, segmentEnd);
        m_item.options.append(option(textStart, feedbackStart < 0 ? segmentEnd : feedbackStart));
        if (m_item.options.last().isEmpty())
            return error(
                QCoreApplication::translate("QuestionFormats", "answer %1 has no text").arg(k + 1));
        weights.append(weight);
    }
    if (!anyWrong) {
        skip(notTaken(u"short-answer"));
        return std::nullopt;
    }
    const QList<bool> right = rightByWeight(weights, singleAnswer);
    if (const auto problem = optionsProblem(m_item.options, right)) {
        skip(*problem);
        return std::nullopt;
    }
    m_item.answer = answerCode(right);
    m_result.items.append(m_item);
    return std::nullopt;
}

QString escaped(QStringView text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\n')
            out += u"\\n"_s;
        else if (QStringView(u"~=#{}:\\").contains(c))
            out += u'\\' + QString(c);
        else
            out += c;
    }
    return out;
}

} // namespace

ReadResult readGift(const QString &text)
{
    if (auto refused = refuseOversized(Format::Gift, text))
        return *refused;
    ReadResult result;
    result.format = Format::Gift;
    std::optional<Paragraph> paragraph;
    const auto finish = [&]() -> std::optional<ReadError> {
        if (!paragraph)
            return std::nullopt;
        const auto error = ParagraphReader(*paragraph, result).read();
        paragraph.reset();
        return error;
    };
    int number = 0;
    for (const QStringView line : QStringTokenizer(text, u'\n')) {
        ++number;
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(u"//") || trimmed.startsWith(u"$CATEGORY:"))
            continue;
        if (trimmed.isEmpty()) {
            if (auto error = finish())
                return readFailed(Format::Gift, error->line, error->message);
            continue;
        }
        if (!paragraph)
            paragraph = Paragraph{number, {}};
        else
            paragraph->text += u'\n';
        paragraph->text += line;
    }
    if (auto error = finish())
        return readFailed(Format::Gift, error->line, error->message);
    return result;
}

QByteArray writeGift(const QList<Item> &items)
{
    QString out;
    for (const Item &item : items) {
        if (!item.title.isEmpty())
            out += u"::"_s + escaped(collapseSpaces(item.title, LineBreaks::Join)) + u"::"_s;
        const QString text = item.text.trimmed();
        // Plain text that would read as a text format, a comment or a category says it
        // is plain text first.
        if (item.html)
            out += u"[html]"_s;
        else if (text.startsWith(u'[') ||
                 (item.title.isEmpty() &&
                  (text.startsWith(u"//") || text.startsWith(u"$CATEGORY:"))))
            out += u"[plain]"_s;
        out += escaped(text) + u" {\n"_s;

        const QList<int> right = rightOptions(item);
        if (item.trueFalse && item.options.size() == 2 && right.size() == 1) {
            out += right.first() == 0 ? u"T\n"_s : u"F\n"_s;
        } else {
            // Several right options share the full mark and every wrong one costs it, so
            // that only the whole answer scores, as on a paper.
            const QString share =
                QString::number(100.0 / double(std::max<qsizetype>(1, right.size())), 'g', 7);
            for (qsizetype i = 0; i < item.options.size(); ++i) {
                const bool isRight = right.contains(int(i));
                const QString option =
                    item.html ? item.options[i].toHtmlEscaped() : item.options[i];
                if (right.size() == 1)
                    out += (isRight ? u"="_s : u"~"_s);
                else
                    out += isRight ? u"~%"_s + share + u"%"_s : u"~%-100%"_s;
                out += escaped(collapseSpaces(option, LineBreaks::Join)) + u'\n';
            }
        }
        if (!item.explanation.trimmed().isEmpty())
            out += u"####"_s + escaped(item.explanation.trimmed()) + u'\n';
        out += u"}\n\n"_s;
    }
    return out.toUtf8();
}

} // namespace questions

// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_document.h"

namespace store {

namespace {

const QByteArray crlf = QByteArrayLiteral("\r\n");

QStringView trimmedView(QStringView text)
{
    return ProfileDocument::trimBlanks(text);
}

bool isBlankBytes(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\0')
            return false;
    }
    return true;
}

} // namespace

// ASCII only, as the Windows reader trims; NUL bytes from damaged files count too.
QStringView ProfileDocument::trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    auto blank = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f'
               || c == u'\0';
    };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

ProfileDocument ProfileDocument::fromBytes(const QByteArray &bytes)
{
    ProfileDocument doc;
    doc.m_encoding = TextCodec::detect(bytes);
    QByteArrayView rest(bytes);
    if (doc.m_encoding == TextEncoding::Utf8Bom)
        rest = rest.sliced(TextCodec::utf8Bom.size());

    doc.m_sections.push_back(Section{});
    while (!rest.isEmpty()) {
        const qsizetype newline = rest.indexOf('\n');
        Line line;
        if (newline < 0) {
            line.bytes = rest.toByteArray();
            rest = {};
        } else {
            const bool cr = newline > 0 && rest[newline - 1] == '\r';
            line.bytes = rest.first(cr ? newline - 1 : newline).toByteArray();
            line.end = cr ? crlf : QByteArrayLiteral("\n");
            rest = rest.sliced(newline + 1);
        }

        const QString text = doc.m_codec.decode(line.bytes, doc.m_encoding);
        const QStringView content = trimmedView(text);
        if (content.startsWith(u'[')) {
            // A header: the name runs to the closing bracket, or to the line's end.
            qsizetype close = content.indexOf(u']');
            const QStringView name =
                trimmedView(content.sliced(1, (close < 0 ? content.size() : close) - 1));
            Section section;
            section.name = name.toString();
            section.lines.push_back(std::move(line));
            const QString folded = fold(name);
            if (!doc.m_sectionIndex.contains(folded))
                doc.m_sectionIndex.insert(folded, int(doc.m_sections.size()));
            doc.m_sections.push_back(std::move(section));
            continue;
        }

        Section &section = doc.m_sections.back();
        const qsizetype equals = content.indexOf(u'=');
        if (equals > 0 && !content.startsWith(u';')) {
            const QStringView key = trimmedView(content.first(equals));
            const QString folded = fold(key);
            if (!folded.isEmpty() && !section.entries.contains(folded)) {
                section.entries.insert(
                    folded, Entry{int(section.lines.size()), key.toString(),
                                  trimmedView(content.sliced(equals + 1)).toString()});
            }
        }
        section.lines.push_back(std::move(line));
    }
    return doc;
}

std::optional<QString> ProfileDocument::value(QStringView section, QStringView key) const
{
    const auto s = m_sectionIndex.constFind(fold(section));
    if (s == m_sectionIndex.constEnd())
        return std::nullopt;
    const Section &sec = m_sections[size_t(*s)];
    const auto e = sec.entries.constFind(fold(key));
    if (e == sec.entries.constEnd())
        return std::nullopt;
    return e->value;
}

QByteArray ProfileDocument::encodeLine(const QString &text)
{
    if (auto bytes = m_codec.encode(text, m_encoding))
        return *bytes;
    convertToUtf8();
    return text.toUtf8();
}

void ProfileDocument::convertToUtf8()
{
    if (m_encoding == TextEncoding::Utf8Bom)
        return;
    for (Section &section : m_sections) {
        for (Line &line : section.lines)
            line.bytes = m_codec.decode(line.bytes, TextEncoding::Gbk).toUtf8();
    }
    m_encoding = TextEncoding::Utf8Bom;
}

int ProfileDocument::insertionPoint(const Section &section) const
{
    // After the last line that holds anything, so that blank lines between this
    // section and the next stay where they are.
    int last = int(section.lines.size()) - 1;
    while (last > 0 && isBlankBytes(section.lines[size_t(last)].bytes))
        --last;
    return last + 1;
}

void ProfileDocument::set(const QString &section, const QString &key, const QString &value)
{
    const QString foldedSection = fold(section);
    const QString foldedKey = fold(key);

    auto s = m_sectionIndex.constFind(foldedSection);
    if (s == m_sectionIndex.constEnd()) {
        // The file's last line gets its line end before anything is added after it.
        for (auto it = m_sections.rbegin(); it != m_sections.rend(); ++it) {
            if (!it->lines.empty()) {
                if (it->lines.back().end.isEmpty())
                    it->lines.back().end = crlf;
                break;
            }
        }
        Section added;
        added.name = section;
        added.lines.push_back(Line{encodeLine(u'[' + section + u']'), crlf});
        m_sectionIndex.insert(foldedSection, int(m_sections.size()));
        m_sections.push_back(std::move(added));
        s = m_sectionIndex.constFind(foldedSection);
    }

    Section &sec = m_sections[size_t(*s)];
    auto e = sec.entries.find(foldedKey);
    if (e != sec.entries.end()) {
        // Keep the key as the file spells it; only the value changes.
        Line &line = sec.lines[size_t(e->line)];
        const QString old = m_codec.decode(line.bytes, m_encoding);
        const QStringView oldKey = trimmedView(QStringView(old).first(old.indexOf(u'=')));
        const QString text = oldKey + u'=' + value;
        QByteArray bytes = encodeLine(text);
        sec.lines[size_t(e->line)].bytes = std::move(bytes);
        if (sec.lines[size_t(e->line)].end.isEmpty())
            sec.lines[size_t(e->line)].end = crlf;
        e->value = trimmedView(value).toString();
        return;
    }

    const int at = insertionPoint(sec);
    QByteArray bytes = encodeLine(key + u'=' + value);
    Section &target = m_sections[size_t(*s)]; // encodeLine may have re-encoded the lines
    if (at > 0 && target.lines[size_t(at - 1)].end.isEmpty())
        target.lines[size_t(at - 1)].end = crlf;
    target.lines.insert(target.lines.begin() + at, Line{std::move(bytes), crlf});
    // Only blank lines lay behind the insertion point, so no entry moved.
    target.entries.insert(foldedKey, Entry{at, key, trimmedView(value).toString()});
}

QList<ProfileDocument::Value> ProfileDocument::values() const
{
    QList<Value> all;
    for (size_t s = 1; s < m_sections.size(); ++s) {
        const Section &section = m_sections[s];
        if (m_sectionIndex.value(fold(section.name), -1) != int(s))
            continue; // a later duplicate: no lookup reaches it
        QList<Entry> entries = section.entries.values();
        std::sort(entries.begin(), entries.end(),
                  [](const Entry &a, const Entry &b) { return a.line < b.line; });
        for (const Entry &entry : entries)
            all.append(Value{section.name, entry.key, entry.value});
    }
    return all;
}

QByteArray ProfileDocument::toBytes() const
{
    QByteArray out;
    qsizetype size = 3;
    for (const Section &section : m_sections) {
        for (const Line &line : section.lines)
            size += line.bytes.size() + line.end.size();
    }
    out.reserve(size);
    if (m_encoding == TextEncoding::Utf8Bom)
        out.append(TextCodec::utf8Bom);
    for (const Section &section : m_sections) {
        for (const Line &line : section.lines) {
            out.append(line.bytes);
            out.append(line.end);
        }
    }
    return out;
}

} // namespace store

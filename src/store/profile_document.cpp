// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_document.h"

#include <algorithm>
#include <cstring>

namespace store {

namespace {

const QByteArray crlf = QByteArrayLiteral("\r\n");

// One set of converters per thread: snapshots are read on the results loader's threads too.
TextCodec &codec()
{
    thread_local TextCodec threadCodec;
    return threadCodec;
}

bool isBlankBytes(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\0')
            return false;
    }
    return true;
}

// The text of a line; an ASCII line is widened into `buffer` without a new allocation.
QStringView lineText(QByteArrayView bytes, TextEncoding encoding, QString &buffer)
{
    if (TextCodec::isAscii(bytes)) {
        buffer.resize(bytes.size());
        QChar *out = buffer.data();
        for (qsizetype i = 0; i < bytes.size(); ++i)
            out[i] = QChar(char16_t(quint8(bytes[i])));
        return buffer;
    }
    buffer = codec().decode(bytes, encoding);
    return buffer;
}

struct Parts
{
    enum class Kind { Other, Header, Key };
    Kind kind = Kind::Other;
    QStringView name; ///< section name or key, trimmed
    QStringView value;
};

Parts parseLine(QStringView text)
{
    const QStringView content = ProfileDocument::trimBlanks(text);
    if (content.startsWith(u'[')) {
        // A header: the name runs to the closing bracket, or to the line's end.
        const qsizetype close = content.indexOf(u']');
        return {Parts::Kind::Header,
                ProfileDocument::trimBlanks(
                    content.sliced(1, (close < 0 ? content.size() : close) - 1)),
                {}};
    }
    const qsizetype equals = content.indexOf(u'=');
    if (equals > 0 && !content.startsWith(u';')) {
        return {Parts::Kind::Key, ProfileDocument::trimBlanks(content.first(equals)),
                ProfileDocument::trimBlanks(content.sliced(equals + 1))};
    }
    return {};
}

// Names compare as Windows compares them: without regard to letter case.
void foldInto(QStringView name, QString &folded)
{
    if (!TextCodec::isAscii(name)) {
        folded = name.toString().toCaseFolded();
        return;
    }
    folded.resize(name.size());
    QChar *out = folded.data();
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        out[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
    }
}

quint32 mix(quint32 h)
{
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

quint32 hashOf(QStringView folded)
{
    quint32 hash = 2166136261u;
    for (QChar c : folded) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return mix(hash);
}

quint32 entryHash(quint32 section, quint32 keyHash)
{
    return mix(keyHash ^ (section * 0x9E3779B9u));
}

QString foldedName(QByteArrayView line, TextEncoding encoding)
{
    QString text;
    QString folded;
    foldInto(parseLine(lineText(line, encoding, text)).name, folded);
    return folded;
}

} // namespace

// ASCII only, as the Windows reader trims; NUL bytes from damaged files count too.
QStringView ProfileDocument::trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    auto blank = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' ||
               c == u'\0';
    };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

template<typename Matches> quint32 ProfileDocument::Table::find(quint32 hash, Matches matches) const
{
    if (m_slots.empty())
        return none;
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const quint32 slot = m_slots[i];
        if (slot == 0)
            return none;
        if (matches(slot - 1))
            return slot - 1;
    }
}

template<typename HashOf>
void ProfileDocument::Table::insert(quint32 hash, quint32 index, HashOf hashOf)
{
    if ((size_t(m_count) + 1) * 2 > m_slots.size()) {
        std::vector<quint32> old = std::move(m_slots);
        m_slots.assign(std::max<size_t>(16, old.size() * 2), 0);
        const size_t mask = m_slots.size() - 1;
        for (quint32 slot : old) {
            if (slot == 0)
                continue;
            size_t i = hashOf(slot - 1) & mask;
            while (m_slots[i] != 0)
                i = (i + 1) & mask;
            m_slots[i] = slot;
        }
    }
    const size_t mask = m_slots.size() - 1;
    size_t i = hash & mask;
    while (m_slots[i] != 0)
        i = (i + 1) & mask;
    m_slots[i] = index + 1;
    ++m_count;
}

QByteArrayView ProfileDocument::lineAt(quint32 offset, bool *terminated) const
{
    const char *data = m_bytes.constData();
    const auto size = quint32(m_bytes.size());
    const void *newline = offset < size ? std::memchr(data + offset, '\n', size - offset) : nullptr;
    quint32 end = newline ? quint32(static_cast<const char *>(newline) - data) : size;
    if (terminated)
        *terminated = newline != nullptr;
    if (newline && end > offset && data[end - 1] == '\r')
        --end;
    return QByteArrayView(data + offset, end - offset);
}

QByteArrayView ProfileDocument::entryLine(const Entry &entry) const
{
    return entry.text != none ? QByteArrayView(m_texts[entry.text]) : lineAt(entry.line);
}

QByteArrayView ProfileDocument::headerLine(const Section &section) const
{
    return section.header != none ? QByteArrayView(m_texts[section.header]) : lineAt(section.begin);
}

quint32 ProfileDocument::findSection(QStringView folded, quint32 hash) const
{
    return m_sectionTable.find(hash, [&](quint32 i) {
        const Section &section = m_sections[i];
        return section.hash == hash && !section.removed &&
               foldedName(headerLine(section), m_encoding) == folded;
    });
}

quint32 ProfileDocument::findEntry(quint32 section, QStringView folded, quint32 hash) const
{
    return m_entryTable.find(entryHash(section, hash), [&](quint32 i) {
        const Entry &entry = m_entries[i];
        return entry.section == section && entry.hash == hash &&
               foldedName(entryLine(entry), m_encoding) == folded;
    });
}

ProfileDocument::ProfileDocument()
{
    m_sections.push_back(Section{});
}

ProfileDocument ProfileDocument::fromBytes(const QByteArray &bytes)
{
    ProfileDocument doc;
    doc.m_bytes = bytes;
    doc.m_encoding = TextCodec::detect(bytes);
    doc.m_start = doc.m_encoding == TextEncoding::Utf8Bom ? quint32(TextCodec::utf8Bom.size()) : 0;
    const auto size = quint32(bytes.size());
    doc.m_sections.front() = Section{doc.m_start, size};

    const auto sectionHash = [&doc](quint32 i) { return doc.m_sections[i].hash; };
    const auto keyHash = [&doc](quint32 i) {
        return entryHash(doc.m_entries[i].section, doc.m_entries[i].hash);
    };
    const char *data = bytes.constData();
    QString text;
    QString folded;
    quint32 pos = doc.m_start;
    while (pos < size) {
        const void *newline = std::memchr(data + pos, '\n', size - pos);
        const quint32 next =
            newline ? quint32(static_cast<const char *>(newline) - data) + 1 : size;
        quint32 end = newline ? next - 1 : size;
        if (newline && end > pos && data[end - 1] == '\r')
            --end;
        const Parts parts =
            parseLine(lineText(QByteArrayView(data + pos, end - pos), doc.m_encoding, text));
        if (parts.kind == Parts::Kind::Header) {
            if (++doc.m_sectionLines > maxSections) {
                doc.m_truncated = true;
                break;
            }
            doc.m_sections.back().end = pos;
            foldInto(parts.name, folded);
            Section section{pos, size, hashOf(folded)};
            section.reachable = doc.findSection(folded, section.hash) == none;
            const auto index = quint32(doc.m_sections.size());
            doc.m_sections.push_back(section);
            if (section.reachable)
                doc.m_sectionTable.insert(section.hash, index, sectionHash);
        } else if (parts.kind == Parts::Kind::Key) {
            if (++doc.m_keyLines > maxKeys) {
                doc.m_truncated = true;
                break;
            }
            // Keys of a later duplicate section, or before any header, are never read.
            const auto current = quint32(doc.m_sections.size() - 1);
            if (current > 0 && doc.m_sections[current].reachable) {
                foldInto(parts.name, folded);
                const quint32 hash = hashOf(folded);
                if (doc.findEntry(current, folded, hash) == none) {
                    doc.m_entries.push_back(Entry{current, hash, pos});
                    doc.m_entryTable.insert(entryHash(current, hash),
                                            quint32(doc.m_entries.size() - 1), keyHash);
                }
            }
        }
        pos = next;
    }
    return doc;
}

bool ProfileDocument::isComplete() const
{
    return !m_truncated && m_sectionLines <= maxSections && m_keyLines <= maxKeys;
}

std::optional<QString> ProfileDocument::value(QStringView section, QStringView key) const
{
    QString folded;
    foldInto(section, folded);
    const quint32 s = findSection(folded, hashOf(folded));
    if (s == none)
        return std::nullopt;
    foldInto(key, folded);
    const quint32 e = findEntry(s, folded, hashOf(folded));
    if (e == none)
        return std::nullopt;
    QString text;
    return parseLine(lineText(entryLine(m_entries[e]), m_encoding, text)).value.toString();
}

quint32 ProfileDocument::storeText(QByteArray bytes)
{
    m_texts.push_back(std::move(bytes));
    return quint32(m_texts.size() - 1);
}

void ProfileDocument::set(const QString &section, const QString &key, const QString &value)
{
    QString foldedSection;
    foldInto(section, foldedSection);
    const quint32 sectionHash = hashOf(foldedSection);
    QString foldedKey;
    foldInto(key, foldedKey);
    const quint32 keyHash = hashOf(foldedKey);

    quint32 s = findSection(foldedSection, sectionHash);
    const quint32 e = s == none ? none : findEntry(s, foldedKey, keyHash);
    if (e != none) {
        // Keep the key as the file spells it; only the value changes.
        QString text;
        const QString oldKey =
            parseLine(lineText(entryLine(m_entries[e]), m_encoding, text)).name.toString();
        std::optional<QByteArray> line = codec().encode(QString(oldKey + u'=' + value), m_encoding);
        if (!line) {
            convertToUtf8();
            set(section, key, value);
            return;
        }
        Entry &entry = m_entries[e];
        if (entry.text == none)
            entry.text = storeText(std::move(*line));
        else
            m_texts[entry.text] = std::move(*line);
        return;
    }

    std::optional<QByteArray> header;
    if (s == none)
        header = codec().encode(QString(u'[' + section + u']'), m_encoding);
    std::optional<QByteArray> line = codec().encode(QString(key + u'=' + value), m_encoding);
    if (!line || (s == none && !header)) {
        convertToUtf8();
        set(section, key, value);
        return;
    }
    if (s == none) {
        Section added{0, 0, sectionHash, storeText(std::move(*header))};
        added.reachable = true;
        s = quint32(m_sections.size());
        m_sections.push_back(added);
        m_sectionTable.insert(sectionHash, s, [this](quint32 i) { return m_sections[i].hash; });
        ++m_sectionLines;
    }
    m_entries.push_back(Entry{s, keyHash, none, storeText(std::move(*line))});
    const auto index = quint32(m_entries.size() - 1);
    m_entryTable.insert(entryHash(s, keyHash), index, [this](quint32 i) {
        return entryHash(m_entries[i].section, m_entries[i].hash);
    });
    m_added[s].push_back(index);
    ++m_keyLines;
}

void ProfileDocument::convertToUtf8()
{
    if (m_encoding == TextEncoding::Utf8Bom)
        return;
    const QByteArray current = toBytes();
    QByteArray converted(TextCodec::utf8Bom.data(), TextCodec::utf8Bom.size());
    converted.reserve(current.size() * 3 / 2 + 3);
    qsizetype pos = 0;
    while (pos < current.size()) {
        qsizetype newline = current.indexOf('\n', pos);
        const qsizetype next = newline < 0 ? current.size() : newline + 1;
        qsizetype end = newline < 0 ? current.size() : newline;
        if (newline >= 0 && end > pos && current[end - 1] == '\r')
            --end;
        converted += codec()
                         .decode(QByteArrayView(current).sliced(pos, end - pos), TextEncoding::Gbk)
                         .toUtf8();
        converted += QByteArrayView(current).sliced(end, next - end);
        pos = next;
    }
    *this = fromBytes(converted);
}

quint32 ProfileDocument::insertionPoint(const Section &section) const
{
    // After the last line that holds anything, so that blank lines between this
    // section and the next stay where they are. The header is never blank.
    const char *data = m_bytes.constData();
    quint32 pos = section.end;
    while (pos > section.begin) {
        quint32 start = pos;
        if (data[start - 1] == '\n')
            --start;
        while (start > section.begin && data[start - 1] != '\n')
            --start;
        if (!isBlankBytes(QByteArrayView(data + start, pos - start)))
            return pos;
        pos = start;
    }
    return section.begin;
}

QByteArray ProfileDocument::toBytes() const
{
    if (!isEdited())
        return m_bytes;

    struct Splice
    {
        quint32 at;
        quint32 until;
        int order; ///< at one offset: lines added to a section, then a removed section
        QByteArray text;
        bool onNewLine; ///< the line before gets its line end first
    };
    std::vector<Splice> splices;
    for (const Entry &entry : m_entries) {
        if (entry.line == none || entry.text == none || m_sections[entry.section].removed)
            continue;
        bool terminated = false;
        const QByteArrayView old = lineAt(entry.line, &terminated);
        QByteArray text = m_texts[entry.text];
        if (!terminated)
            text += crlf;
        splices.push_back(
            {entry.line, entry.line + quint32(old.size()), 1, std::move(text), false});
    }
    for (const auto &[index, added] : m_added) {
        const Section &section = m_sections[index];
        if (section.removed || section.header != none)
            continue;
        QByteArray text;
        for (quint32 e : added)
            text += m_texts[m_entries[e].text] + crlf;
        const quint32 at = insertionPoint(section);
        splices.push_back({at, at, 0, std::move(text), true});
    }
    for (size_t i = 1; i < m_sections.size(); ++i) {
        const Section &section = m_sections[i];
        if (section.removed && section.header == none)
            splices.push_back({section.begin, section.end, 2, {}, false});
    }
    std::stable_sort(splices.begin(), splices.end(), [](const Splice &a, const Splice &b) {
        return a.at != b.at ? a.at < b.at : a.order < b.order;
    });

    QByteArray out;
    out.reserve(m_bytes.size() + 256);
    const QByteArrayView bytes(m_bytes);
    out += bytes.first(m_start);
    auto onNewLine = [&out, this] {
        if (out.size() > qsizetype(m_start) && !out.endsWith('\n'))
            out += crlf;
    };
    quint32 pos = m_start;
    for (const Splice &splice : splices) {
        if (splice.at < pos)
            continue; // inside a removed section
        out += bytes.sliced(pos, splice.at - pos);
        if (splice.onNewLine)
            onNewLine();
        out += splice.text;
        pos = splice.until;
    }
    out += bytes.sliced(pos);
    for (size_t i = 1; i < m_sections.size(); ++i) {
        const Section &section = m_sections[i];
        if (section.header == none || section.removed)
            continue;
        onNewLine();
        out += m_texts[section.header] + crlf;
        const auto added = m_added.find(quint32(i));
        if (added == m_added.end())
            continue;
        for (quint32 e : added->second)
            out += m_texts[m_entries[e].text] + crlf;
    }
    return out;
}

QList<ProfileDocument::Value> ProfileDocument::values() const
{
    std::vector<quint32> reachable;
    for (quint32 i = 0; i < m_entries.size(); ++i) {
        if (!m_sections[m_entries[i].section].removed)
            reachable.push_back(i);
    }
    // File order: by section, the original lines by place, then the added ones.
    std::stable_sort(reachable.begin(), reachable.end(), [this](quint32 a, quint32 b) {
        const Entry &x = m_entries[a];
        const Entry &y = m_entries[b];
        if (x.section != y.section)
            return x.section < y.section;
        return x.line < y.line;
    });
    QList<Value> all;
    all.reserve(qsizetype(reachable.size()));
    QString headerText;
    QString text;
    for (quint32 i : reachable) {
        const Entry &entry = m_entries[i];
        const Parts header =
            parseLine(lineText(headerLine(m_sections[entry.section]), m_encoding, headerText));
        const Parts parts = parseLine(lineText(entryLine(entry), m_encoding, text));
        all.append(Value{header.name.toString(), parts.name.toString(), parts.value.toString()});
    }
    return all;
}

void ProfileDocument::rebuildSectionTable()
{
    m_sectionTable.clear();
    for (quint32 i = 1; i < m_sections.size(); ++i) {
        Section &section = m_sections[i];
        section.reachable = false;
        if (section.removed)
            continue;
        if (findSection(foldedName(headerLine(section), m_encoding), section.hash) == none) {
            section.reachable = true;
            m_sectionTable.insert(section.hash, i,
                                  [this](quint32 j) { return m_sections[j].hash; });
        }
    }
}

bool ProfileDocument::removeSection(QStringView section)
{
    QString folded;
    foldInto(section, folded);
    const quint32 hash = hashOf(folded);
    bool removed = false;
    for (size_t i = 1; i < m_sections.size(); ++i) {
        Section &candidate = m_sections[i];
        if (candidate.removed || candidate.hash != hash ||
            foldedName(headerLine(candidate), m_encoding) != folded)
            continue;
        candidate.removed = true;
        removed = true;
    }
    if (!removed)
        return false;
    m_removed = true;
    rebuildSectionTable();
    return true;
}

int ProfileDocument::sectionCount() const
{
    int count = 0;
    for (size_t i = 1; i < m_sections.size(); ++i)
        count += m_sections[i].removed ? 0 : 1;
    return count;
}

} // namespace store

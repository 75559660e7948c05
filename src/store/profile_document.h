// The lines of one profile file, parsed for lookups and edited in place.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text_codec.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace store {

/// A profile file held as its original lines. Lookups follow the Windows profile
/// rules: sections and keys compare without regard to letter case and the first
/// of duplicates wins. Edits replace or insert single lines and leave every other
/// line byte for byte as it was, line ends included.
class ProfileDocument
{
public:
    ProfileDocument() = default;

    /// Parses the bytes of a file. Never fails: lines it cannot use are kept and ignored.
    static ProfileDocument fromBytes(const QByteArray &bytes);

    /// The trimmed value of a key, or no value when section or key is absent.
    std::optional<QString> value(QStringView section, QStringView key) const;

    /// Sets a key: replaces its line in place, or adds it as the last line of its
    /// section, adding the section at the end of the file when it is missing.
    /// Names must have been checked by the caller; the value is written as given.
    void set(const QString &section, const QString &key, const QString &value);

    /// The file's bytes: its original encoding, or UTF-8 with a byte-order mark
    /// when an edit brought in a character that code page 936 cannot hold.
    QByteArray toBytes() const;

    /// Every (section, key, value) that a lookup can reach, in file order.
    struct Value
    {
        QString section;
        QString key;
        QString value;
    };
    QList<Value> values() const;

    /// Removes the blanks a profile read trims: ASCII white space and NUL.
    static QStringView trimBlanks(QStringView text);

    TextEncoding encoding() const { return m_encoding; }
    int sectionCount() const { return int(m_sections.size()) - 1; }

private:
    struct Line
    {
        QByteArray bytes; ///< the line without its line end
        QByteArray end;   ///< "\r\n", "\n" or empty for a last line without one
    };
    struct Entry
    {
        int line = -1; ///< index into Section::lines
        QString key;   ///< as written, trimmed
        QString value; ///< trimmed
    };
    struct Section
    {
        QString name;             ///< as written, trimmed; empty for the lines before any header
        std::vector<Line> lines;  ///< the header line first (none for the preamble)
        QHash<QString, Entry> entries; ///< case-folded key -> first entry
    };

    static QString fold(QStringView name) { return name.toString().toCaseFolded(); }
    QByteArray encodeLine(const QString &text);
    void convertToUtf8();
    int insertionPoint(const Section &section) const;

    std::vector<Section> m_sections;       ///< [0] holds the lines before the first header
    QHash<QString, int> m_sectionIndex;    ///< case-folded name -> first section
    TextEncoding m_encoding = TextEncoding::Gbk;
    TextCodec m_codec;
};

} // namespace store

// The lines of one profile file, indexed for lookups and edited in place.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text_codec.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace store {

/// A profile file held as its original bytes with a compact index. Lookups follow
/// the Windows profile rules: sections and keys compare without regard to letter
/// case and the first of duplicates wins. Edits replace or insert single lines and
/// leave every other line byte for byte as it was, line ends included.
///
/// Anybody can write into the results folder, so the index is kept small: a few
/// bytes per section and key besides the file itself, and no more than maxSections
/// sections and maxKeys keys per file (a file with more is not complete and is
/// neither read nor rewritten). Values are decoded when they are looked up.
class ProfileDocument
{
public:
    /// An empty file.
    ProfileDocument();

    /// Parses the bytes of a file. Never fails: lines it cannot use are kept and ignored.
    static ProfileDocument fromBytes(const QByteArray &bytes);

    /// Far more than any file of the programs holds (a paper of 32767 questions has
    /// 32768 sections and about 131000 keys).
    static constexpr qsizetype maxSections = 65536;
    static constexpr qsizetype maxKeys = 262144;
    /// False when the file holds more sections or keys than the limits: then only
    /// the part before the excess is indexed, and callers treat it as too large.
    bool isComplete() const;

    /// The trimmed value of a key, or no value when section or key is absent.
    std::optional<QString> value(QStringView section, QStringView key) const;

    /// Sets a key: replaces its line in place, or adds it as the last line of its
    /// section, adding the section at the end of the file when it is missing.
    /// Names must have been checked by the caller; the value is written as given.
    void set(const QString &section, const QString &key, const QString &value);

    /// Removes a section with its header and every line under it, duplicates of the
    /// name included (a later duplicate would otherwise start being read). Gives
    /// whether anything was removed.
    bool removeSection(QStringView section);

    /// The file's bytes: its original encoding, or UTF-8 with a byte-order mark
    /// when an edit brought in a character that the file's encoding cannot hold.
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
    /// Sections with a header, duplicates included.
    int sectionCount() const;

private:
    static constexpr quint32 none = 0xFFFFFFFF;

    struct Section
    {
        quint32 begin = 0;      ///< offset of the header line (of the first line for [0])
        quint32 end = 0;        ///< offset after its last line
        quint32 hash = 0;       ///< of the folded name
        quint32 header = none;  ///< index into m_texts: the header of a section set() added
        bool reachable = false; ///< the first of its name: lookups find this one
        bool removed = false;
    };
    struct Entry
    {
        quint32 section = 0;
        quint32 hash = 0;    ///< of the folded key
        quint32 line = none; ///< offset of its line in m_bytes; none for a line set() added
        quint32 text = none; ///< index into m_texts: the line as set() wrote it
    };

    /// Open addressing over indices, each item keeping its own hash.
    class Table
    {
    public:
        template<typename Matches> quint32 find(quint32 hash, Matches matches) const;
        template<typename HashOf> void insert(quint32 hash, quint32 index, HashOf hashOf);
        void clear()
        {
            m_slots.clear();
            m_count = 0;
        }

    private:
        std::vector<quint32> m_slots; ///< 0 is empty, else index + 1
        quint32 m_count = 0;
    };

    QByteArrayView lineAt(quint32 offset, bool *terminated = nullptr) const;
    QByteArrayView entryLine(const Entry &entry) const;
    QByteArrayView headerLine(const Section &section) const;
    quint32 findSection(QStringView folded, quint32 hash) const;
    quint32 findEntry(quint32 section, QStringView folded, quint32 hash) const;
    void rebuildSectionTable();
    quint32 insertionPoint(const Section &section) const;
    quint32 storeText(QByteArray bytes);
    void convertToUtf8();
    bool isEdited() const { return !m_texts.empty() || m_removed; }

    QByteArray m_bytes;              ///< the file as read, byte-order mark included
    quint32 m_start = 0;             ///< offset of the first line (after a byte-order mark)
    std::vector<Section> m_sections; ///< [0] holds the lines before the first header
    std::vector<Entry> m_entries;    ///< of reachable sections only, first of duplicates
    std::vector<QByteArray> m_texts; ///< lines made by edits, without line end
    std::map<quint32, std::vector<quint32>> m_added; ///< section -> entries set() added, in order
    Table m_sectionTable;
    Table m_entryTable;
    qsizetype m_sectionLines = 0; ///< headers in the file, duplicates included
    qsizetype m_keyLines = 0;     ///< key lines in the file, duplicates included
    bool m_truncated = false;     ///< parsing stopped at a limit
    bool m_removed = false;
    TextEncoding m_encoding = TextEncoding::Gbk;
};

} // namespace store

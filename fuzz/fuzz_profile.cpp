// The profile reader on arbitrary bytes, and the write rules as a property:
// parsing and writing back changes nothing; a value written reads back cleaned,
// trimmed and cut, and every other key keeps its value.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/profile_batch.h"
#include "store/profile_document.h"
#include "store/profile_snapshot.h"

#include <QHash>
#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace store;

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

std::shared_ptr<ProfileDocument> parse(const QByteArray &bytes)
{
    return std::make_shared<ProfileDocument>(ProfileDocument::fromBytes(bytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::shared_ptr<ProfileDocument> parsed = parse(bytes);
    check(parsed->toBytes() == bytes, "parse and write back is the identity");

    const QList<ProfileDocument::Value> before = parsed->values();
    const ProfileSnapshot original(ReadStatus::Ok, parsed);
    for (const ProfileDocument::Value &v : before)
        check(original.find(v.section, v.key).has_value(), "every listed key can be found");

    if (size < 2)
        return 0;
    // A write chosen by the input: one of a few names, so that existing keys get hit too.
    static const char *const sections[] = {"A1", "main", "S", "\xe7\x8f\xad"};
    static const char *const keys[] = {"7", "7DF", "TESTtime", "k"};
    const QString section = QString::fromUtf8(sections[data[0] % 4]);
    const QString key = QString::fromUtf8(keys[(data[0] >> 2) % 4]);
    const QString value = QString::fromUtf8(bytes.mid(1, 600));
    const std::shared_ptr<ProfileDocument> edited = parse(bytes);
    edited->set(section, key, ProfileBatch::cleanValue(value));
    const ProfileSnapshot written(ReadStatus::Ok, edited);
    QString expected = ProfileDocument::trimBlanks(ProfileBatch::cleanValue(value)).toString();
    if (expected.size() > ProfileSnapshot::maxValueLength) {
        qsizetype cut = ProfileSnapshot::maxValueLength;
        if (expected.at(cut - 1).isHighSurrogate())
            --cut;
        expected = ProfileDocument::trimBlanks(QStringView(expected).first(cut)).toString();
    }
    check(written.value(section, key, QStringLiteral("\x01missing")) == expected,
          "a written value reads back cleaned, trimmed and cut");

    const QString targetSection = section.toCaseFolded();
    const QString targetKey = key.toCaseFolded();
    for (const ProfileDocument::Value &v : before) {
        if (v.section.toCaseFolded() == targetSection && v.key.toCaseFolded() == targetKey)
            continue;
        check(written.find(v.section, v.key) == original.find(v.section, v.key),
              "every other key keeps its value");
    }

    // The rewritten file parses to the same values.
    const ProfileSnapshot reread(ReadStatus::Ok, parse(edited->toBytes()));
    check(reread.value(section, key, QStringLiteral("\x01missing")) == expected,
          "the value survives a write to bytes and a new parse");
    return 0;
}

// One read of a profile file, answering many lookups.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "status.h"

#include <QString>
#include <memory>
#include <optional>

namespace store {

class ProfileDocument;

/// What a file held when it was read. Lookups follow the rules of a single
/// profile read: sections and keys without regard to letter case, the first of
/// duplicates, the value trimmed and cut to 255 characters, the caller's default
/// only when the file, the section or the key is absent (an empty value is a value).
/// Copies are cheap and share the parsed file.
class ProfileSnapshot
{
public:
    ProfileSnapshot();
    ProfileSnapshot(ReadStatus status, std::shared_ptr<const ProfileDocument> document);

    /// The value, or the default when file, section or key is absent.
    QString value(QStringView section, QStringView key, const QString &defaultValue = {}) const;
    /// The value, or nothing when file, section or key is absent.
    std::optional<QString> find(QStringView section, QStringView key) const;

    /// Why the file was not read, if it was not.
    ReadStatus status() const { return m_status; }

    /// The longest value a read gives back.
    static constexpr qsizetype maxValueLength = 255;

private:
    ReadStatus m_status = ReadStatus::Missing;
    std::shared_ptr<const ProfileDocument> m_document;
};

} // namespace store

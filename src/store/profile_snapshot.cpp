// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_snapshot.h"

#include "profile_document.h"

namespace store {

ProfileSnapshot::ProfileSnapshot() = default;

ProfileSnapshot::ProfileSnapshot(ReadStatus status, std::shared_ptr<const ProfileDocument> document)
    : m_status(status)
    , m_document(std::move(document))
{}

std::optional<QString> ProfileSnapshot::find(QStringView section, QStringView key) const
{
    if (!m_document)
        return std::nullopt;
    std::optional<QString> found = m_document->value(section, key);
    if (found && found->size() > maxValueLength) {
        // The reader's buffer holds 255 characters; never split a surrogate pair.
        qsizetype cut = maxValueLength;
        if (found->at(cut - 1).isHighSurrogate())
            --cut;
        *found = ProfileDocument::trimBlanks(QStringView(*found).first(cut)).toString();
    }
    return found;
}

QString ProfileSnapshot::value(QStringView section, QStringView key,
                               const QString &defaultValue) const
{
    std::optional<QString> found = find(section, key);
    return found ? *found : defaultValue;
}

} // namespace store

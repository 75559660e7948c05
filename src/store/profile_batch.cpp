// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_batch.h"

namespace store {

namespace {

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0) || u == 0x2028 || u == 0x2029;
}

} // namespace

void ProfileBatch::set(const QString &section, const QString &key, const QString &value)
{
    m_writes.append(Write{section, key, value});
}

bool ProfileBatch::isValidName(QStringView name)
{
    if (name.isEmpty() || name.trimmed().size() != name.size() || name.startsWith(u';'))
        return false;
    for (QChar c : name) {
        if (c == u'[' || c == u']' || c == u'=' || isControl(c))
            return false;
    }
    return true;
}

QString ProfileBatch::cleanValue(QStringView value)
{
    QString clean = value.toString();
    for (QChar &c : clean) {
        if (isControl(c))
            c = u' ';
    }
    return clean;
}

} // namespace store

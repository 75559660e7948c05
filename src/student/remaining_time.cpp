// SPDX-License-Identifier: GPL-3.0-or-later
#include "remaining_time.h"

#include <QStringList>

namespace student {

RemainingTime RemainingTime::fromSeconds(qint64 seconds)
{
    qint64 wrapped = seconds % secondsPerDay;
    if (wrapped < 0)
        wrapped += secondsPerDay;
    return RemainingTime(int(wrapped));
}

RemainingTime RemainingTime::fromMinutes(qint64 minutes)
{
    // Minutes come from a 16-bit field, so the product cannot overflow 64 bits; wrap
    // the minutes first all the same, in case a caller passes something wider.
    return fromSeconds((minutes % (secondsPerDay / 60)) * 60);
}

std::optional<RemainingTime> RemainingTime::parse(QStringView text)
{
    QString body = text.trimmed().toString();
    int halfDay = -1; // -1: 24-hour notation; 0: AM; 12: PM
    const QString upper = body.toUpper();
    if (upper.endsWith(u"AM") || upper.endsWith(u"PM")) {
        halfDay = upper.endsWith(u"PM") ? 12 : 0;
        body.chop(2);
        body = body.trimmed();
    }
    const QStringList parts = body.split(u':');
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int values[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString part = parts.at(i).trimmed();
        if (part.isEmpty() || part.size() > 2)
            return std::nullopt;
        bool ok = false;
        values[i] = part.toInt(&ok);
        if (!ok || values[i] < 0)
            return std::nullopt;
    }
    int hours = values[0];
    if (values[1] > 59 || values[2] > 59)
        return std::nullopt;
    if (halfDay >= 0) {
        if (hours < 1 || hours > 12)
            return std::nullopt;
        hours = hours % 12 + halfDay;
    } else if (hours > 23) {
        return std::nullopt;
    }
    return RemainingTime(hours * 3600 + values[1] * 60 + values[2]);
}

void RemainingTime::tick()
{
    m_seconds = m_seconds == 0 ? secondsPerDay - 1 : m_seconds - 1;
}

QString RemainingTime::text() const
{
    const int hours = m_seconds / 3600;
    const int minutes = m_seconds / 60 % 60;
    const int seconds = m_seconds % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}

} // namespace student

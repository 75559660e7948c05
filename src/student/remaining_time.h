// The time left in an attempt: a time of day that counts down and wraps at midnight.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace student {

/// Seconds after 00:00:00, always within one day. Counting down from 00:00:00 gives
/// 23:59:59, which is why a test time of 0 minutes runs for a whole day.
class RemainingTime
{
public:
    RemainingTime() = default;

    /// A test time in minutes as a time of day. Computed in wide integers, so long test
    /// times and hand-edited negative values wrap around the day instead of overflowing.
    static RemainingTime fromMinutes(qint64 minutes);
    static RemainingTime fromSeconds(qint64 seconds);
    /// Reads what text() wrote, and the platform notations of older records:
    /// "h:mm:ss", "hh:mm", with or without "AM"/"PM". Nothing when it is no time.
    static std::optional<RemainingTime> parse(QStringView text);

    int seconds() const { return m_seconds; }
    bool isZero() const { return m_seconds == 0; }
    /// One second less, wrapping from 00:00:00 to 23:59:59.
    void tick();
    /// "hh:mm:ss", 24-hour, with leading zeros.
    QString text() const;

    bool operator==(const RemainingTime &) const = default;

    static constexpr int secondsPerDay = 24 * 60 * 60;

private:
    explicit RemainingTime(int seconds)
        : m_seconds(seconds)
    {}
    int m_seconds = 0;
};

} // namespace student

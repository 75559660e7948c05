// The current date and time, injected so that tests control it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

namespace store {

class Clock
{
public:
    virtual ~Clock() = default;
    /// Local date and time of day.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace store

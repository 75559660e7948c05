// A clock that stays where a test puts it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/clock.h"

#include <QDateTime>

namespace testing {

class FixedClock final : public store::Clock
{
public:
    /// 12 May 2004, 09:30, unless told otherwise.
    explicit FixedClock(QDateTime now = QDateTime(QDate(2004, 5, 12), QTime(9, 30)));
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }

private:
    QDateTime m_now;
};

} // namespace testing

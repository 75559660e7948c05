// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixed_clock.h"

namespace testing {

FixedClock::FixedClock(QDateTime now)
    : m_now(std::move(now))
{}

} // namespace testing

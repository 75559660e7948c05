// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripted_random.h"

namespace testing {

double ScriptedRandom::uniform()
{
    if (m_values.isEmpty())
        return 0.0;
    const double value = m_values.at(m_drawn % m_values.size());
    ++m_drawn;
    // Keep the promise of [0, 1) even for a careless script.
    return value < 0.0 ? 0.0 : (value >= 1.0 ? 0.9999999 : value);
}

} // namespace testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_source.h"

#include <QRandomGenerator>

namespace store {

double SystemRandom::uniform()
{
    return QRandomGenerator::global()->generateDouble();
}

double ScriptedRandom::uniform()
{
    if (m_values.isEmpty())
        return 0.0;
    const double value = m_values.at(m_drawn % m_values.size());
    ++m_drawn;
    // Keep the promise of [0, 1) even for a careless script.
    return value < 0.0 ? 0.0 : (value >= 1.0 ? 0.9999999 : value);
}

} // namespace store

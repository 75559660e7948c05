// Random numbers a test chooses.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/random_source.h"

#include <QList>

namespace testing {

/// Hands out the given numbers in turn, then starts over.
class ScriptedRandom final : public store::RandomSource
{
public:
    explicit ScriptedRandom(QList<double> values)
        : m_values(std::move(values))
    {}
    double uniform() override;
    int drawn() const { return m_drawn; }

private:
    QList<double> m_values;
    int m_drawn = 0;
};

} // namespace testing

// Uniform random numbers, injected so that tests can script them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

namespace store {

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    /// A number uniform in [0, 1).
    virtual double uniform() = 0;
};

/// Draws from the system's generator, seeded from the operating system.
class SystemRandom final : public RandomSource
{
public:
    double uniform() override;
};

/// Hands out the given numbers in turn, then starts over (for tests and demos).
class ScriptedRandom final : public RandomSource
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

} // namespace store

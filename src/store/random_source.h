// Uniform random numbers, injected so that tests can script them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

} // namespace store

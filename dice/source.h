// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <random>

namespace dice {

// A stream of uniform draws. Every die rolled anywhere takes exactly one draw.
class Source
{
public:
    virtual ~Source() = default;
    // The next draw: 0 <= d < 1, a multiple of 2^-24. Advances the stream by one.
    virtual float next() = 0;
};

// 32-bit Mersenne Twister at its default seed (5489), never reseeded, so every run
// sees the same sequence. A draw keeps the engine output's top 24 bits, which a float
// holds exactly: (engine() >> 8) * 2^-24.
class MersenneSource final : public Source
{
public:
    MersenneSource() = default;
    // A source at another seed, for statistical tests; the program never uses one.
    explicit MersenneSource(std::uint_fast32_t seed) : m_engine(seed) {}

    float next() override { return static_cast<float>(m_engine() >> 8) * 0x1p-24f; }

private:
    std::mt19937 m_engine; // default-constructed: seed 5489
};

// The program's one shared source. Created on first use, lives until exit.
// Only the user-interface thread may draw from it.
Source &processSource();

} // namespace dice

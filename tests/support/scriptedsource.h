// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "dice/source.h"

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

// A source that returns chosen draws in order, then 0.5 for ever; counts what it gave.
class ScriptedSource final : public dice::Source
{
public:
    explicit ScriptedSource(std::vector<float> draws = {}) : m_draws(std::move(draws)) {}

    float next() override
    {
        const std::size_t i = m_taken++;
        return i < m_draws.size() ? m_draws[i] : 0.5f;
    }
    std::size_t taken() const { return m_taken; }

private:
    std::vector<float> m_draws;
    std::size_t m_taken = 0;
};

// The largest float below 1: the greatest draw.
inline const float largestDraw = std::nextafter(1.0f, 0.0f);

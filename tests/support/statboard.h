// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "statroller/statroller.h"

#include <QList>

#include <algorithm>
#include <array>
#include <string>

// A stat roller's captions in memory, for the logic without a window.
class StatBoard final : public statroller::View
{
public:
    std::string face(int row, int j) const override { return faces.at(row).at(j); }
    void setFace(int row, int j, const std::string &text) override { faces.at(row).at(j) = text; }
    void setTotal(int row, const std::string &text) override { totals.at(row) = text; }

    std::array<std::array<std::string, statroller::facesPerRow>, statroller::rows> faces;
    std::array<std::string, statroller::rows> totals;
};

// The sum of the three highest of four faces.
inline int threeHighest(QList<int> faces)
{
    std::sort(faces.begin(), faces.end());
    return faces[1] + faces[2] + faces[3];
}

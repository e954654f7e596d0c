// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QPoint>
#include <QRect>

// The window layouts are given in twips (1/1440 inch). At 96 dpi 15 twips make one
// device-independent pixel; Qt's high-DPI scaling takes it from there.
namespace twips {

inline constexpr int perPixel = 15;

// Twips to pixels, rounded to the nearest pixel (halves away from zero).
constexpr int px(int tw)
{
    return tw >= 0 ? (2 * tw + perPixel) / (2 * perPixel)
                   : -((-2 * tw + perPixel) / (2 * perPixel));
}

constexpr QPoint point(int x, int y)
{
    return {px(x), px(y)};
}
constexpr QRect rect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

} // namespace twips

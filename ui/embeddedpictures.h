// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

namespace assets {

// A die picture decoded at build time: width x height pixels, 0xffRRGGBB, top row first.
struct EmbeddedPicture
{
    const char *name;
    int width;
    int height;
    const unsigned int *pixels;
};

// The 1x die pictures, generated from the BMP files by embed-pictures.
extern const EmbeddedPicture embeddedPictures[];
extern const int embeddedPictureCount;

} // namespace assets

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QByteArray>
#include <QImage>

// A Windows icon file with one 32 x 32 entry: 8 bits per pixel with a 256-colour
// palette (the XOR image) and a 1-bit transparency mask (the AND image). Pixels of
// `image` with alpha below 128 become transparent; `image` must be 32 x 32.
QByteArray icoFile(const QImage &image);

// A macOS icon file holding `images` (square, 16 to 1024 pixels) as PNG entries.
QByteArray icnsFile(const QList<QImage> &images);

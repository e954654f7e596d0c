// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QHash>
#include <QProxyStyle>

// Fusion, whose fixed metrics the layouts are measured in, with control outlines that stay
// visible on every palette. Fusion outlines buttons, text boxes and combo boxes in a shade
// of the window colour; where the palette gives controls no face of their own either (see
// controlsBlendIn()), they are outlined in a shade of the window's text colour instead,
// at least 3:1 against the window. On other palettes every pixel is Fusion's.
class ProgramStyle final : public QProxyStyle
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgramStyle)

public:
    ProgramStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

private:
    // `palette` with the window colour Fusion derives its outlines from taken from the text.
    const QPalette &outlined(const QPalette &palette) const;

    mutable QHash<qint64, QPalette> m_outlined; // by the original palette's cache key
};

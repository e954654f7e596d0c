// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "fonts.h"

#include <QApplication>

namespace fonts {

void install()
{
    QFont::insertSubstitution(designFamily, QStringLiteral("Liberation Sans"));
    QApplication::setFont(windowDefault());
}

QFont design(double points, bool bold)
{
    QFont font(QString::fromLatin1(designFamily));
    font.setStyleName(QString());
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::PreferDefault);
    font.setHintingPreference(QFont::PreferDefaultHinting);
    font.setItalic(false);
    font.setUnderline(false);
    font.setOverline(false);
    font.setStrikeOut(false);
    font.setFixedPitch(false);
    font.setKerning(true);
    font.setStretch(QFont::AnyStretch);
    font.setCapitalization(QFont::MixedCase);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    font.setWordSpacing(0);
    return font;
}

QFont windowDefault()
{
    return design(defaultPoints, false);
}

} // namespace fonts

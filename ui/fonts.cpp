// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "ui/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>

#include <utility>

namespace fonts {

namespace {

const QString substitute = QStringLiteral("Liberation Sans");

// The family the fonts are built with: the design family, or where only its substitute is
// installed, the substitute itself. That is the font Qt would choose for the design family
// anyway, without the fallback lists it builds, and never uses, for a family it lacks.
QString &family()
{
    static QString name = QString::fromLatin1(designFamily);
    return name;
}

} // namespace

void install()
{
    QFont::insertSubstitution(designFamily, substitute);
    // The installed families as listed; hasFamily() would also resolve each name as an
    // alias through fontconfig, which costs more than the lookup saves.
    const QStringList installed = QFontDatabase::families();
    if (!installed.contains(QString::fromLatin1(designFamily), Qt::CaseInsensitive) &&
        installed.contains(substitute, Qt::CaseInsensitive))
        family() = substitute;
    QApplication::setFont(windowDefault());
}

QFont design(double points, bool bold)
{
    QFont font(family());
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

void pinToControls(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>())
        if (!control->testAttribute(Qt::WA_SetFont))
            control->setFont(window->font());
}

} // namespace fonts

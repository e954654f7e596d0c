// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/programstyle.h"

#include "ui/palette.h"

#include <QStyleOption>

namespace {

// `option` as the given type, with `palette`, drawn by `draw`; false when it is another type.
template <class Option, class Draw>
bool drawAs(const QStyleOption *option, const QPalette &palette, Draw draw)
{
    const auto *typed = qstyleoption_cast<const Option *>(option);
    if (!typed)
        return false;
    Option copy(*typed);
    copy.palette = palette;
    draw(&copy);
    return true;
}

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

const QPalette &ProgramStyle::outlined(const QPalette &palette) const
{
    auto found = m_outlined.find(palette.cacheKey());
    if (found == m_outlined.end()) {
        QPalette changed = palette;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            changed.setColor(group, QPalette::Window, palette.color(group, QPalette::WindowText));
        found = m_outlined.insert(palette.cacheKey(), changed);
    }
    return *found;
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    const auto draw = [&](const QStyleOption *o) {
        QProxyStyle::drawPrimitive(element, o, painter, widget);
    };
    const bool framed = element == PE_PanelButtonCommand || element == PE_FrameLineEdit ||
                        element == PE_PanelLineEdit;
    if (framed && option && controlsBlendIn(option->palette)) {
        const QPalette &palette = outlined(option->palette);
        if (drawAs<QStyleOptionButton>(option, palette, draw) ||
            drawAs<QStyleOptionFrame>(option, palette, draw) ||
            drawAs<QStyleOption>(option, palette, draw))
            return;
    }
    draw(option);
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    const auto draw = [&](const QStyleOption *o) {
        QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex *>(o),
                                        painter, widget);
    };
    if (control == CC_ComboBox && option && controlsBlendIn(option->palette) &&
        drawAs<QStyleOptionComboBox>(option, outlined(option->palette), draw))
        return;
    draw(option);
}

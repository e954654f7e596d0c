#include "fonts.h"

#include <QApplication>

namespace fonts {

void install()
{
    QFont::insertSubstitution(designFamily, QStringLiteral("Liberation Sans"));
    QApplication::setFont(design(8.25, false));
}

QFont design(double points, bool bold)
{
    QFont font(QString::fromLatin1(designFamily));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace fonts

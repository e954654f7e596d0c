#include "assets.h"

#include <QFile>

namespace assets {

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/assets/quandrel.ico"));
}

QIcon outlineIcon()
{
    return QIcon(QStringLiteral(":/assets/quandrel-outline.ico"));
}

QPixmap diePicture(const QString &name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QPixmap sharp(QStringLiteral(":/assets/%1@2x.bmp").arg(name));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(QStringLiteral(":/assets/%1.bmp").arg(name));
}

} // namespace assets

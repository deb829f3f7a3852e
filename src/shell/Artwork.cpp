#include "shell/Artwork.h"

namespace kitbench {

QPixmap bitmapResource(int id, const QSize& logicalSize)
{
    // Rendered from SVG at the screen's pixel ratio, so the pictures stay sharp on HiDPI screens.
    return QIcon(QStringLiteral(":/images/bitmap_%1.svg").arg(id)).pixmap(logicalSize);
}

QIcon jobIcon(int runMode)
{
    return QIcon(QStringLiteral(":/images/job_%1.svg").arg(runMode, 2, 10, QLatin1Char('0')));
}

QIcon imageListIcon(const QString& key)
{
    QString name = key;
    name.remove(QLatin1Char('<')).remove(QLatin1Char('>'));
    return QIcon(QStringLiteral(":/images/key_%1.svg").arg(name));
}

} // namespace kitbench

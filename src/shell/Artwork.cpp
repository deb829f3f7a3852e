#include "shell/Artwork.h"

#include <QCoreApplication>
#include <QHash>

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
    // Lists of thousands of users share a handful of icons: each is made once, then shared. The
    // cache is emptied while the application object still exists, before static destruction.
    static QHash<QString, QIcon> icons;
    if (icons.isEmpty())
        qAddPostRoutine([] { icons.clear(); });
    auto found = icons.constFind(key);
    if (found == icons.constEnd()) {
        QString name = key;
        name.remove(QLatin1Char('<')).remove(QLatin1Char('>'));
        found = icons.insert(key, QIcon(QStringLiteral(":/images/key_%1.svg").arg(name)));
    }
    return *found;
}

} // namespace kitbench

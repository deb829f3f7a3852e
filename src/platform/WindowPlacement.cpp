#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <algorithm>

namespace kitbench {

QRect fitOnScreen(const QRect& wanted, const QRect& available)
{
    const QSize size = wanted.size().boundedTo(available.size());
    const int x =
        std::clamp(wanted.x(), available.left(), available.left() + available.width() - size.width());
    const int y =
        std::clamp(wanted.y(), available.top(), available.top() + available.height() - size.height());
    return {QPoint(x, y), size};
}

QRect besideOwner(const QRect& owner, const QSize& size, const QRect& available)
{
    const QRect right(QPoint(owner.right() + 1, owner.top()), size);
    if (available.contains(right))
        return right;
    const QRect left(QPoint(owner.left() - size.width(), owner.top()), size);
    if (available.contains(left))
        return left;
    // No room on either side: on the side with more room, overlapping the owner, but on screen.
    const int roomRight = available.right() - owner.right();
    const int roomLeft = owner.left() - available.left();
    return fitOnScreen(roomRight >= roomLeft ? right : left, available);
}

QString placementText(const QRect& place)
{
    return QStringLiteral("%1,%2,%3,%4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height());
}

std::optional<QRect> parsePlacement(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return QRect(values[0], values[1], values[2], values[3]);
}

QRect availableScreenArea(const QRect& place)
{
    QScreen* best = QGuiApplication::primaryScreen();
    qint64 bestArea = 0;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens) {
        const QRect common = screen->geometry().intersected(place);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = screen;
        }
    }
    return best ? best->availableGeometry() : place;
}

} // namespace kitbench

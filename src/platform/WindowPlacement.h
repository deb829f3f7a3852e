#pragma once

#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace kitbench {

// Where windows go on the desktop: a remembered place kept on today's screens, a helper window
// beside its owner. Rectangles are in desktop coordinates.

// The wanted rectangle moved (and if need be shrunk) so that it lies wholly inside `available`.
QRect fitOnScreen(const QRect& wanted, const QRect& available);

// A window of `size` right of its owner, else left of it, else over it, always wholly on screen.
QRect besideOwner(const QRect& owner, const QSize& size, const QRect& available);

// A place as it is stored in the settings ("x,y,width,height"); nullopt for a text that is not one.
QString placementText(const QRect& place);
std::optional<QRect> parsePlacement(const QString& text);

// The available area of the screen that holds most of `place` (the primary screen if none does).
QRect availableScreenArea(const QRect& place);

} // namespace kitbench

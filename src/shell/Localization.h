#pragma once

class QWidget;

namespace kitbench {

// Replaces the design texts of a window and all its controls with the language pack's texts, by the
// text ids the controls carry (property textId; toolTipTextId; columnTextIds on list views; textId on
// actions of menus and tool bars, and tabTextIds on tab bars). Controls without an id keep their text.
void ApplyLocalization(QWidget* window);

} // namespace kitbench

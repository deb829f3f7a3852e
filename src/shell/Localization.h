#pragma once

class QWidget;

namespace kitbench {

// Replaces the design texts of a window and all its controls with the language pack's texts, by the
// text ids the controls carry (property textId; toolTipTextId; columnTextIds on list views; textId on
// actions of menus and tool bars, tabTextIds on tab bars, and accessibleNameTextIds for the screen-reader
// name of an input without a caption). Controls without an id keep their text.
void ApplyLocalization(QWidget* window);

} // namespace kitbench

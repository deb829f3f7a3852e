#pragma once

class QWidget;

namespace kitbench {

// Where the keyboard focus goes on a page.

// The first control of the page a user would type into or choose from: the page's own choice, else
// the first enabled, visible control in tab order.
QWidget* firstFocusableField(const QWidget* page);

// The control a failed page check complains about (by the text id of its message), so the user can
// correct it at once; the page's first field when the message names none.
QWidget* offendingField(const QWidget* page, int messageTextId);

} // namespace kitbench

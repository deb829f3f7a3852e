#pragma once

class QLineEdit;
class QWidget;

namespace kitbench {

// Where the keyboard focus goes on a page.

// The first control of the page a user would type into or choose from: the page's own choice, else
// the first enabled, visible control in tab order.
QWidget* firstFocusableField(const QWidget* page);

// The control a failed page check complains about (by the text id of its message), so the user can
// correct it at once; the page's first field when the message names none.
QWidget* offendingField(const QWidget* page, int messageTextId);

// Enter anywhere in the wizard presses Next (Finish on the last page), except in a text box whose
// Enter does something of its own (a search box's Find, the login box moving on to the password):
// there Enter emits returnPressed and goes no further.
void keepEnterKey(QLineEdit* textBox);

} // namespace kitbench

#pragma once

#include <QString>

class QWidget;

namespace kitbench {

// Sets controls the way a user would, so that their click and change handlers run: the unattended
// runs and the GUI tests drive the wizard through it.
namespace ControlDriver {

// Sets a control from an answer-file value; returns an explanation when the value does not fit.
// Text boxes take the text; combo boxes the entry text or "#i"; check boxes and option buttons 1/0;
// date pickers YYYY-MM-DD, time pickers HH:MM; list views "|"-separated item texts to check (check-box
// lists) or select; tree views a "/"-separated path of node texts or "key:K"; list boxes the items
// to select, or for PublishedFileList the paths to list.
QString setValue(QWidget* control, const QString& value);

// Clicks a button; returns an explanation when the control is no button or is disabled.
QString click(QWidget* control);

} // namespace ControlDriver

} // namespace kitbench

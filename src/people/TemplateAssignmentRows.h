#pragma once

#include "people/PeopleAnswers.h"

#include <QString>

namespace kitbench {

// The rows of the templates page, where users receive roles of the project template chosen for a
// new project. An assignment is a user item with the role added: key "U" + user id + ":" + role id,
// text "FirstName LastName (Role)". A user holds at most one assignment.

// Loading the page takes three server calls (the template's roles, the groups, the first group's
// members): one block of 4 on the progress bar each.
inline constexpr int kTemplatesPageLoadCalls = 3;
inline constexpr int kTemplatesPageLoadProgress = 4 * kTemplatesPageLoadCalls;

namespace people {

// The jobs that create a project and may apply a template to it.
bool jobUsesProjectTemplates(int runMode);

// The assignment of the role to the user of an available-list item.
PeopleItem assignmentItem(const PeopleItem& user, qint32 roleId, const QString& roleText);

// The available-list item given back when an assignment is taken back: the key without the role
// part, the text without " (Role)". `roleText` is the text of the assignment's role where it is
// known; the role part is then cut off exactly, otherwise the text ends before its first " (".
PeopleItem userItemOfAssignment(const PeopleItem& assignment, const QString& roleText = QString());

// The role id of an assignment key (after its first ":"); 0 when the key has none.
qint32 assignmentRoleId(const QString& assignmentKey);

} // namespace people

// The row to select in a list after rows were moved out of it: the row now at the position of the
// last (lowest) row moved, or the last row when that position is past the end; -1 when nothing was
// moved or the list is empty.
int rowAfterMove(int lastMovedRow, int rowsLeft);

} // namespace kitbench

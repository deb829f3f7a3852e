#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace kitbench {

// A server user offered for the plan's resources.
struct ImportConfigUser
{
    qint32 userId = 0;
    QString name; // "FirstName LastName"
};

// One row of the resource assignments list: the plan resource and the server user standing for it.
struct AssignmentRow
{
    QString resourceKey; // "a" + resource id
    QString resourceName;
    QString userKey;  // "a" + user id; "a-1" for none
    QString userText; // the user's name, or the not-assigned text
};

// What the first import step answered: the users offered, in answer order, and the proposed rows.
struct ImportConfigAnswer
{
    QList<ImportConfigUser> users;
    QList<AssignmentRow> rows;
};

// Reads the step-one answer (an ImportConfig document). A proposal of "-1" shows `notAssignedText`;
// so does a proposed user that is not among the offered ones, which is then sent back as "-1" too.
// Users whose id is not a number are left out.
ImportConfigAnswer readImportConfig(const QString& answer, const QString& notAssignedText);

// The step-two request: "<ImportConfig><XMLVersionID>…</XMLVersionID><ImportAssignments>" with one
// "Assignment" (ResourceId, UserId) per row, in row order, keys without their first character. The
// version token is copied from the answer.
QString buildImportConfigRequest(const QString& answer, const QList<std::pair<QString, QString>>& rowKeys);

} // namespace kitbench

#include "people/TemplateAssignmentRows.h"

#include "shell/RunMode.h"

namespace kitbench {

namespace people {

bool jobUsesProjectTemplates(int runMode)
{
    return runMode == CREATEPROJECT || runMode == IMPORTPROJECT;
}

PeopleItem assignmentItem(const PeopleItem& user, qint32 roleId, const QString& roleText)
{
    return PeopleItem{user.key + QLatin1Char(':') + QString::number(roleId),
                      user.text + QStringLiteral(" (") + roleText + QLatin1Char(')'), userIcon()};
}

PeopleItem userItemOfAssignment(const PeopleItem& assignment, const QString& roleText)
{
    QString text = assignment.text;
    const QString rolePart = QStringLiteral(" (") + roleText + QLatin1Char(')');
    if (!roleText.isEmpty() && text.endsWith(rolePart)) {
        text.chop(rolePart.size());
    } else {
        const qsizetype open = text.indexOf(QStringLiteral(" ("));
        if (open >= 0)
            text.truncate(open);
    }
    return PeopleItem{assignmentUserKey(assignment.key), text, userIcon()};
}

qint32 assignmentRoleId(const QString& assignmentKey)
{
    const qsizetype colon = assignmentKey.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return 0;
    bool ok = false;
    const qint32 id = assignmentKey.mid(colon + 1).toInt(&ok);
    return ok ? id : 0;
}

} // namespace people

int rowAfterMove(int lastMovedRow, int rowsLeft)
{
    if (lastMovedRow < 0 || rowsLeft <= 0)
        return -1;
    return qMin(lastMovedRow, rowsLeft - 1);
}

} // namespace kitbench

#pragma once

#include "directory/ServerCall.h"
#include "items/ItemValues.h"

#include <optional>

namespace kitbench {

// The server calls that create an item, a project or a list, by server version, as plain data.
// Dictionary ids go as qint32, the to-do date flags and the list's first argument as qint16, check
// boxes as bool, texts unchanged, dates as QDateTime, id lists as QList<qint32>. A builder gives nothing
// when a combo box it reads has no entry selected: the caller then reports the failure (text 5005).

// What CreateObjectOnServer does for a run mode.
enum class CreateKind
{
    Nothing,
    Incident,
    Task,
    Event,
    ToDo,
    Project,
    List,
    ExistingProject
};
// ExistingProject: an import into an existing project creates nothing and reports nothing.
CreateKind createKindFor(int runMode, bool importNewProject);

// Contact id, then organization id; -1 means none.
struct ClientIds
{
    qint32 contact = -1;
    qint32 organization = -1;

    bool operator==(const ClientIds&) const = default;
};
// Item pages: no selection gives none; above 0 a contact; 0 or below the organization's absolute id.
ClientIds clientIdsForItem(const ComboData& client);
// Project page: above 0 a contact, 0 none, below 0 the organization's absolute id.
ClientIds clientIdsForProject(qint32 client);

// The keys of the checked items without their first character, as numbers, in list order. Nothing
// when a checked key does not hold a number.
std::optional<QList<qint32>> checkedIds(const QList<CheckedListItem>& items);
// The participant list of the team page: each key's id, negated for a user who must confirm.
std::optional<QList<qint32>> participantList(const QList<TeamRow>& rows);
// The to-do date flags: 1 when the start counts, plus 2 when the finish counts.
qint16 toDoDateFlags(bool startEnabled, bool finishEnabled);

std::optional<ServerCall> incidentCreateCall(const IncidentValues& values, const QString& serverVersion);
std::optional<ServerCall> taskCreateCall(const TaskValues& values);
std::optional<ServerCall> eventCreateCall(const EventValues& values, const QString& serverVersion);
std::optional<ServerCall> toDoCreateCall(const ToDoValues& values, const QString& serverVersion);
std::optional<ServerCall> listCreateCall(const ListValues& values);
// CreateListFromExcel (file, sheet, title, description, folder, type, status, categories, columns,
// ignore error rows): a new list from a sheet of an uploaded workbook.
std::optional<ServerCall> listFromSheetCall(const ListValues& values, const QString& file,
                                            const QString& sheet, const QStringList& columns,
                                            bool ignoreErrorRows);
// CreateProject45 on 4.5 and 4.7, CreateProject40 on 4.0 and 4.1, CreateProject on the others.
std::optional<ServerCall> projectCreateCall(const ProjectValues& values, const QString& serverVersion);

// Servers from 4.0 on apply project templates and know portfolios, priorities and phases.
bool serverHasProjectTemplates(const QString& serverVersion);
// The chosen template: the selected entry's item data, 0 when none is selected.
qint32 projectTemplateId(const ProjectValues& values);
// updateProjectFromTemplate (new project id, template id, assignments "userId:roleId") after the
// project was created; nothing when the server has no templates or no template was chosen.
std::optional<ServerCall> projectTemplateCall(const ProjectValues& values, const QString& serverVersion,
                                              qint32 createdObjectId);

} // namespace kitbench

#include "session/WebLinks.h"

#include "shell/RunMode.h"
#include "shell/WizardState.h"

#include <QFileInfo>

namespace kitbench {

QString WebRedirect(const WizardState& state)
{
    const QString id = QString::number(state.CreatedObjectId);
    switch (state.RunMode) {
    case CREATEINCIDENT:
        return QStringLiteral("Incidents/IncidentView.aspx?IncidentId=%1&Tab=General").arg(id);
    case CREATETASK:
        return QStringLiteral("Tasks/TaskView.aspx?TaskID=%1&Tab=General").arg(id);
    case CREATEEVENT:
        return QStringLiteral("Events/EventView.aspx?EventID=%1&Tab=General").arg(id);
    case CREATETODO:
        return QStringLiteral("ToDo/ToDoView.aspx?ToDoID=%1&Tab=General").arg(id);
    case CREATELIST:
    case IMPORTLIST:
        return QStringLiteral("Lists/ListView.aspx?ListID=%1&Tab=General").arg(id);
    case UPLOAD:
        if (state.UploadToLibraryFolder)
            return QStringLiteral("FileStorage/default.aspx?FolderID=%1").arg(id);
        return QStringLiteral("Projects/ProjectView.aspx?ProjectID=%1&Tab=FileLibrary").arg(state.UploadProjectId);
    case CREATEPROJECT:
    case IMPORTPROJECT:
    case EXPORTPROJECT:
        return QStringLiteral("Projects/ProjectView.aspx?ProjectId=%1&Tab=1").arg(id);
    case EXPORTCALENDAR:
        return QStringLiteral("Events/EventView.aspx");
    default:
        return {};
    }
}

QString DownloadFolder(const QString& downloadedFilePath)
{
    return QFileInfo(downloadedFilePath).absolutePath();
}

} // namespace kitbench

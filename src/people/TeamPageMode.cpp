#include "people/TeamPageMode.h"

#include "people/PeopleRequests.h"
#include "shell/RunMode.h"

namespace kitbench {

int TeamPageMode::callCount() const
{
    return (preselectedUsers ? 1 : 0) + (projectBound ? 1 : 2);
}

int TeamPageMode::progressMaximum() const
{
    return 4 * callCount();
}

TeamPageMode teamPageMode(const TeamPageInputs& inputs)
{
    TeamPageMode mode;
    mode.preselectedUsers = hasPreselectedUsers(inputs.resourceUserIds);
    switch (inputs.runMode) {
    case CREATEINCIDENT:
        mode.projectBound = inputs.incidentProjectIndex != 0;
        mode.projectId = static_cast<qint16>(inputs.incidentProjectId);
        break;
    case CREATETASK:
        mode.showMustConfirm = true;
        mode.projectBound = true;
        mode.projectId = static_cast<qint16>(inputs.taskProjectId);
        break;
    case CREATEEVENT:
        mode.showAddGroup = true;
        mode.showMustConfirm = true;
        break;
    case CREATETODO:
        mode.showMustConfirm = true;
        mode.showAddGroup = inputs.toDoCompletionIndex == 1;
        mode.projectBound = inputs.toDoProjectIndex != 0;
        mode.projectId = static_cast<qint16>(inputs.toDoProjectId);
        break;
    default:
        // The project jobs pick the new project's team from the groups.
        break;
    }
    if (!mode.projectBound)
        mode.projectId = 0;
    return mode;
}

} // namespace kitbench

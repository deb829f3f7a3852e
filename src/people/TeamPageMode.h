#pragma once

#include <QList>
#include <QtGlobal>

namespace kitbench {

// What the item page of the job says about the team page, read before the page is loaded.
struct TeamPageInputs
{
    int runMode = 0;
    int incidentProjectIndex = -1; // IncidentProjectCombo: list index and item data of the entry
    qint32 incidentProjectId = 0;
    qint32 taskProjectId = 0; // TaskProjectCombo's item data
    int toDoProjectIndex = -1;
    qint32 toDoProjectId = 0;
    int toDoCompletionIndex = -1; // ToDoCompetionTypeCombo's list index
    QList<qint32> resourceUserIds{0};
};

// How the team page is set up for a job. A project-bound page offers only the project's team: its
// group and search controls are off.
struct TeamPageMode
{
    bool projectBound = false;
    qint16 projectId = 0; // passed to the server as a 16-bit number
    bool showAddGroup = false;
    bool showMustConfirm = false;
    bool preselectedUsers = false; // the start-up command named users to add

    // One block of 4 on the progress bar per server call of the load: the preselected users, then the
    // project's team, or the groups and the first group's members.
    int progressMaximum() const;
    int callCount() const;

    bool operator==(const TeamPageMode&) const = default;
};

TeamPageMode teamPageMode(const TeamPageInputs& inputs);

} // namespace kitbench

#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace kitbench {

// What the data page of the current job holds, as far as the Next check looks at it. Dates are the
// page's local values (day picker plus the time picker's hour and minute), not shifted.
struct PageCheckValues
{
    QString title;                // the job's title text box
    bool requiredSelected = true; // task: a project; event, to-do, project: an organizer or manager
    QDateTime start;
    QDateTime finish;
    bool isMilestone = false;      // task
    bool startEnabled = false;     // to-do: StartDateEnable
    bool finishEnabled = false;    // to-do: FinishDateEnable
    bool nodeSelected = true;      // list, upload, download: a folder or file node is selected
    bool nodeTagIsZero = false;    // ... and its tag is 0 (a folder that cannot take the object)
    bool importNewProject = false; // IMPORTPROJECT: the plan goes into a new project
};

// CheckPageData without the message boxes: the text ids to show, in order. Empty means the page may be
// left. The checks stop at the first failure, except that the to-do's blank title is reported and
// the to-do check goes on.
QList<int> pageCheckMessages(int runMode, const PageCheckValues& values);

// A text is blank when nothing is left once leading and trailing spaces are removed.
bool isBlank(const QString& text);

} // namespace kitbench

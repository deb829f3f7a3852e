#pragma once

#include <QString>
#include <QVariant>

#include <stdexcept>

namespace kitbench {

// Microsoft Project refused an automation call (a member that does not apply, a value it does not
// take). Callers that go on after a refused step catch it.
class MsProjectRefused : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Members of the active document reached by dispatch identifier on its Project object.
namespace ProjectDispatch {
inline constexpr int TaskCollection = 1;
inline constexpr int ResourceCollection = 2;
inline constexpr int Subject = 6;
inline constexpr int ProjectStart = 7;
inline constexpr int ProjectFinish = 8;
inline constexpr int BaseCalendars = 10;
inline constexpr int Title = 27;
inline constexpr int Calendar = 51;
// Fixed settings every built document gets (True, 7, 1 and False).
inline constexpr int Setting67 = 67;
inline constexpr int Setting5108 = 5108;
inline constexpr int Setting5122 = 5122;
inline constexpr int Setting6005 = 6005;
} // namespace ProjectDispatch

enum class TaskField
{
    Name,
    OutlineLevel,
    Priority,
    ConstraintType,
    ConstraintDate,
    Start,
    Finish,
    Duration, // minutes
    Milestone,
    Notes,
    Type,
    WBS,
    ActualStart,
    Calendar,
    PercentComplete,
    PercentWorkComplete,
    // The three fixed settings every built task gets: 0 (16-bit), the enumerated value 3, and True.
    FixedZero,
    FixedThree,
    FixedTrue,
};

enum class ResourceField
{
    Name,
    Code,
    StandardRate,
    EmailAddress,
};

enum class AssignmentField
{
    PercentWorkComplete,
    ActualStart,
};

enum class ShiftEdge
{
    Start,
    Finish,
};

// The calendar options of a document (OptionsCalendar's named arguments).
struct CalendarOptions
{
    double hoursPerDay = 0;
    double hoursPerWeek = 0;
    int daysPerMonth = 0;
    QString startTime; // in the application's time format
    QString finishTime;
};

// The running Microsoft Project, as the plan import and export drive it. Every member may throw
// MsProjectRefused. Week days are the plan's day types (1 = Sunday .. 7 = Saturday); base calendars
// are counted from 1; tasks and resources are named by the ID Microsoft Project gave them.
class MsProjectApplication
{
public:
    virtual ~MsProjectApplication() = default;

    // The release as text; its numeric value is the major version ("11.0").
    virtual QString version() = 0;
    // Opens a plan given as MS Project XML text (releases 10 and later).
    virtual void OpenXML(const QString& xml) = 0;
    // Brings the application's window up for the user; the application stays open.
    virtual void AppRestore() = 0;
    // Ends the application; 0 closes without saving.
    virtual void Quit(qint16 saveChanges) = 0;

    // Application members the document builder uses.
    virtual void ProjectsAdd(bool displayProjectInfo) = 0; // a new, active document
    virtual void setCalculation(int value) = 0;
    virtual void ProjectSummaryInfo(const QString& calendar) = 0;
    virtual void OptionsCalendar(const CalendarOptions& options) = 0;
    virtual bool TwelveHourTimeFormat() = 0;
    virtual bool TimeLeadingZero() = 0;
    virtual QString AMText() = 0;
    virtual QString PMText() = 0;
    virtual QString TimeSeparator() = 0;
    // The global operation that creates a base calendar, as a copy of `fromName` when that is given.
    virtual void BaseCalendarCreate(const QString& name, const QString& fromName) = 0;

    // The active document's own members, by dispatch identifier (ProjectDispatch).
    virtual void setProjectMember(int dispatchId, const QVariant& value) = 0;
    virtual QVariant projectMember(int dispatchId) = 0;

    // The document's base calendars and their week days.
    virtual int baseCalendarCount() = 0;
    virtual QString baseCalendarName(int position) = 0;
    virtual void setWeekDayWorking(int position, int dayType, bool working) = 0;
    virtual bool weekDayWorking(int position, int dayType) = 0;
    virtual void setShiftTime(int position, int dayType, int shift, ShiftEdge edge, const QString& time) = 0;
    virtual void clearShift(int position, int dayType, int shift) = 0;

    // Resources, tasks, assignments and links of the active document.
    virtual qint32 addResource(const QString& name) = 0;
    virtual void setResourceField(qint32 resourceId, ResourceField field, const QVariant& value) = 0;
    virtual qint32 addTask(const QString& name) = 0;
    virtual QVariant taskField(qint32 taskId, TaskField field) = 0;
    virtual void setTaskField(qint32 taskId, TaskField field, const QVariant& value) = 0;
    virtual void outlineIndent(qint32 taskId) = 0;
    virtual void outlineOutdent(qint32 taskId) = 0;
    // Returns the new assignment's position in the task's assignment collection (from 1).
    virtual int addAssignment(qint32 taskId, qint32 resourceId) = 0;
    virtual void setAssignmentField(qint32 taskId, int assignment, AssignmentField field,
                                    const QVariant& value) = 0;
    // A link from the predecessor to the successor; lag in minutes.
    virtual void addDependency(qint32 successorId, qint32 predecessorId, int type, double lag) = 0;
};

// The numeric value of a version text: its leading number ("11.0" gives 11, "9" gives 9); 0 without one.
double msProjectMajorVersion(const QString& version);

} // namespace kitbench

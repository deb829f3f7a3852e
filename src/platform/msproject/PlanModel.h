#pragma once

#include "platform/msproject/MsProjectApplication.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QTime>

#include <array>
#include <optional>

namespace kitbench {

// One day of a calendar week: whether it is a working day and its up to five shifts.
struct PlanWeekDay
{
    bool working = false;
    std::array<std::optional<std::pair<QTime, QTime>>, 5> shifts{};
};

struct PlanCalendar
{
    QString name;
    std::array<PlanWeekDay, 8> days{}; // by day type, 1 = Sunday .. 7 = Saturday; [0] unused
};

struct PlanResource
{
    qint32 id = 0;
    QString name;
    QString code;
    QString standardRate;
    QString emailAddress;
};

struct PlanAssignment
{
    qint32 resourceId = 0;
    QMap<AssignmentField, QVariant> fields;
};

struct PlanLink
{
    qint32 predecessorId = 0;
    int type = 1;
    double lagMinutes = 0;
};

struct PlanTask
{
    qint32 id = 0;
    int outlineLevel = 1;
    QMap<TaskField, QVariant> fields; // the name included
    QList<PlanAssignment> assignments;
    QList<PlanLink> predecessors;
};

// A plan held in memory, as a Microsoft Project document holds it: document settings, base calendars,
// resources, tasks with their assignments and links. It is read from and written as MS Project XML.
struct PlanModel
{
    QString title;
    QString subject;
    QDateTime start;
    QDateTime finish;
    QString calendarName;         // the project calendar
    QMap<int, QVariant> settings; // the other document members, by dispatch identifier
    std::optional<CalendarOptions> options;
    std::optional<int> calculation;
    QList<PlanCalendar> calendars; // base calendars, in creation order
    QList<PlanResource> resources;
    QList<PlanTask> tasks;

    // A new document: one base calendar "Standard" (Monday to Friday, 8:00-12:00 and 13:00-17:00).
    static PlanModel newDocument();
    static PlanCalendar standardCalendar(const QString& name);

    PlanTask* task(qint32 id);
    PlanResource* resource(qint32 id);
    PlanCalendar* calendar(const QString& name);

    // The plan as MS Project XML; the tasks' and resources' IDs serve as their UIDs.
    QString toXml() const;
    // A plan from MS Project XML; nothing when the text is not such a document.
    static std::optional<PlanModel> fromXml(const QString& xml);
};

} // namespace kitbench

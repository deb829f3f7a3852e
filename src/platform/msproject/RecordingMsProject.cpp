#include "platform/msproject/RecordingMsProject.h"

namespace kitbench {

namespace {

QString fieldName(TaskField field)
{
    static const char* const names[] = {"Name",
                                        "OutlineLevel",
                                        "Priority",
                                        "ConstraintType",
                                        "ConstraintDate",
                                        "Start",
                                        "Finish",
                                        "Duration",
                                        "Milestone",
                                        "Notes",
                                        "Type",
                                        "WBS",
                                        "ActualStart",
                                        "Calendar",
                                        "PercentComplete",
                                        "PercentWorkComplete",
                                        "FixedZero",
                                        "FixedThree",
                                        "FixedTrue"};
    return QString::fromLatin1(names[static_cast<int>(field)]);
}

QString fieldName(ResourceField field)
{
    static const char* const names[] = {"Name", "Code", "StandardRate", "EmailAddress"};
    return QString::fromLatin1(names[static_cast<int>(field)]);
}

QString fieldName(AssignmentField field)
{
    return field == AssignmentField::ActualStart ? QStringLiteral("ActualStart")
                                                 : QStringLiteral("PercentWorkComplete");
}

} // namespace

QString recordedValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return value.toString();
    }
}

RecordingMsProject::RecordingMsProject(QString version, MsProjectTimeFormat format,
                                       std::shared_ptr<MsProjectCallLog> log)
    : m_log(std::move(log)),
      m_plan(
          std::move(version), [this](const PlanModel& plan) { m_log->restoredPlans.append(plan.toXml()); },
          std::move(format))
{
}

void RecordingMsProject::record(const QString& call)
{
    m_log->calls.append(call);
    for (const QString& prefix : std::as_const(m_refused))
        if (call.startsWith(prefix))
            throw MsProjectRefused("Refused by the test.");
}

QString RecordingMsProject::version()
{
    record(QStringLiteral("version"));
    return m_plan.version();
}

void RecordingMsProject::OpenXML(const QString& xml)
{
    record(QStringLiteral("OpenXML"));
    m_plan.OpenXML(xml);
}

void RecordingMsProject::AppRestore()
{
    record(QStringLiteral("AppRestore"));
    m_plan.AppRestore();
}

void RecordingMsProject::Quit(qint16 saveChanges)
{
    record(QStringLiteral("Quit(%1)").arg(saveChanges));
    m_plan.Quit(saveChanges);
}

void RecordingMsProject::ProjectsAdd(bool displayProjectInfo)
{
    record(QStringLiteral("ProjectsAdd(%1)").arg(recordedValue(displayProjectInfo)));
    m_plan.ProjectsAdd(displayProjectInfo);
}

void RecordingMsProject::setCalculation(int value)
{
    record(QStringLiteral("Calculation=%1").arg(value));
    m_plan.setCalculation(value);
}

void RecordingMsProject::ProjectSummaryInfo(const QString& calendar)
{
    record(QStringLiteral("ProjectSummaryInfo(%1)").arg(calendar));
    m_plan.ProjectSummaryInfo(calendar);
}

void RecordingMsProject::OptionsCalendar(const CalendarOptions& options)
{
    record(QStringLiteral("OptionsCalendar(%1,%2,%3,%4,%5)")
               .arg(options.hoursPerDay)
               .arg(options.hoursPerWeek)
               .arg(options.daysPerMonth)
               .arg(options.startTime, options.finishTime));
    m_plan.OptionsCalendar(options);
}

bool RecordingMsProject::TwelveHourTimeFormat()
{
    record(QStringLiteral("TwelveHourTimeFormat"));
    return m_plan.TwelveHourTimeFormat();
}

bool RecordingMsProject::TimeLeadingZero()
{
    record(QStringLiteral("TimeLeadingZero"));
    return m_plan.TimeLeadingZero();
}

QString RecordingMsProject::AMText()
{
    record(QStringLiteral("AMText"));
    return m_plan.AMText();
}

QString RecordingMsProject::PMText()
{
    record(QStringLiteral("PMText"));
    return m_plan.PMText();
}

QString RecordingMsProject::TimeSeparator()
{
    record(QStringLiteral("TimeSeparator"));
    return m_plan.TimeSeparator();
}

void RecordingMsProject::BaseCalendarCreate(const QString& name, const QString& fromName)
{
    record(fromName.isEmpty() ? QStringLiteral("BaseCalendarCreate(%1)").arg(name)
                              : QStringLiteral("BaseCalendarCreate(%1,%2)").arg(name, fromName));
    m_plan.BaseCalendarCreate(name, fromName);
}

void RecordingMsProject::setProjectMember(int dispatchId, const QVariant& value)
{
    record(QStringLiteral("project[%1]=%2").arg(dispatchId).arg(recordedValue(value)));
    m_plan.setProjectMember(dispatchId, value);
}

QVariant RecordingMsProject::projectMember(int dispatchId)
{
    record(QStringLiteral("project[%1]").arg(dispatchId));
    return m_plan.projectMember(dispatchId);
}

int RecordingMsProject::baseCalendarCount()
{
    record(QStringLiteral("baseCalendarCount"));
    return m_plan.baseCalendarCount();
}

QString RecordingMsProject::baseCalendarName(int position)
{
    record(QStringLiteral("baseCalendarName(%1)").arg(position));
    return m_plan.baseCalendarName(position);
}

void RecordingMsProject::setWeekDayWorking(int position, int dayType, bool working)
{
    record(
        QStringLiteral("weekDay(%1,%2).Working=%3").arg(position).arg(dayType).arg(recordedValue(working)));
    m_plan.setWeekDayWorking(position, dayType, working);
}

bool RecordingMsProject::weekDayWorking(int position, int dayType)
{
    record(QStringLiteral("weekDay(%1,%2).Working").arg(position).arg(dayType));
    return m_plan.weekDayWorking(position, dayType);
}

void RecordingMsProject::setShiftTime(int position, int dayType, int shift, ShiftEdge edge,
                                      const QString& time)
{
    record(QStringLiteral("weekDay(%1,%2).Shift%3.%4=%5")
               .arg(position)
               .arg(dayType)
               .arg(shift)
               .arg(edge == ShiftEdge::Start ? QStringLiteral("Start") : QStringLiteral("Finish"), time));
    m_plan.setShiftTime(position, dayType, shift, edge, time);
}

void RecordingMsProject::clearShift(int position, int dayType, int shift)
{
    record(QStringLiteral("weekDay(%1,%2).Shift%3.Clear").arg(position).arg(dayType).arg(shift));
    m_plan.clearShift(position, dayType, shift);
}

qint32 RecordingMsProject::addResource(const QString& name)
{
    record(QStringLiteral("addResource(%1)").arg(name));
    return m_plan.addResource(name);
}

void RecordingMsProject::setResourceField(qint32 resourceId, ResourceField field, const QVariant& value)
{
    record(QStringLiteral("setResourceField(%1,%2,%3)")
               .arg(resourceId)
               .arg(fieldName(field), recordedValue(value)));
    m_plan.setResourceField(resourceId, field, value);
}

qint32 RecordingMsProject::addTask(const QString& name)
{
    record(QStringLiteral("addTask(%1)").arg(name));
    return m_plan.addTask(name);
}

QVariant RecordingMsProject::taskField(qint32 taskId, TaskField field)
{
    record(QStringLiteral("taskField(%1,%2)").arg(taskId).arg(fieldName(field)));
    return m_plan.taskField(taskId, field);
}

void RecordingMsProject::setTaskField(qint32 taskId, TaskField field, const QVariant& value)
{
    record(QStringLiteral("setTaskField(%1,%2,%3)").arg(taskId).arg(fieldName(field), recordedValue(value)));
    m_plan.setTaskField(taskId, field, value);
}

void RecordingMsProject::outlineIndent(qint32 taskId)
{
    record(QStringLiteral("outlineIndent(%1)").arg(taskId));
    m_plan.outlineIndent(taskId);
}

void RecordingMsProject::outlineOutdent(qint32 taskId)
{
    record(QStringLiteral("outlineOutdent(%1)").arg(taskId));
    m_plan.outlineOutdent(taskId);
}

int RecordingMsProject::addAssignment(qint32 taskId, qint32 resourceId)
{
    record(QStringLiteral("addAssignment(%1,%2)").arg(taskId).arg(resourceId));
    return m_plan.addAssignment(taskId, resourceId);
}

void RecordingMsProject::setAssignmentField(qint32 taskId, int assignment, AssignmentField field,
                                            const QVariant& value)
{
    record(QStringLiteral("setAssignmentField(%1,%2,%3,%4)")
               .arg(taskId)
               .arg(assignment)
               .arg(fieldName(field), recordedValue(value)));
    m_plan.setAssignmentField(taskId, assignment, field, value);
}

void RecordingMsProject::addDependency(qint32 successorId, qint32 predecessorId, int type, double lag)
{
    record(
        QStringLiteral("addDependency(%1,%2,%3,%4)").arg(successorId).arg(predecessorId).arg(type).arg(lag));
    m_plan.addDependency(successorId, predecessorId, type, lag);
}

std::unique_ptr<MsProjectApplication> RecordingMsProjectAutomation::createApplication(const DocumentOpener&)
{
    ++started;
    if (!available)
        return nullptr;
    auto application = std::make_unique<RecordingMsProject>(version, MsProjectTimeFormat{}, log);
    for (const QString& prefix : std::as_const(refused))
        application->refuse(prefix);
    return application;
}

} // namespace kitbench

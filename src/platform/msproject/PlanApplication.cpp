#include "platform/msproject/PlanApplication.h"

#include <QRegularExpression>

namespace kitbench {

namespace {

[[noreturn]] void refuse(const char* what)
{
    throw MsProjectRefused(what);
}

QDateTime dateTimeOf(const QVariant& value)
{
    const QDateTime moment =
        value.typeId() == QMetaType::QDate ? value.toDate().startOfDay() : value.toDateTime();
    if (!moment.isValid())
        refuse("The value is not a date.");
    return moment;
}

} // namespace

PlanApplication::PlanApplication(QString version, RestoreHandler onRestore, MsProjectTimeFormat format)
    : m_version(std::move(version)), m_onRestore(std::move(onRestore)), m_format(std::move(format))
{
}

QTime PlanApplication::timeFromText(const QString& text) const
{
    const QString pattern = QStringLiteral("^\\s*(\\d{1,2})%1(\\d{1,2})\\s*(.*?)\\s*$")
                                .arg(QRegularExpression::escape(m_format.separator));
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    if (!match.hasMatch())
        refuse("The text is not a time of day.");
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const QString suffix = match.captured(3);
    if (!suffix.isEmpty()) {
        const bool pm = suffix.compare(m_format.pmText, Qt::CaseInsensitive) == 0;
        if (!pm && suffix.compare(m_format.amText, Qt::CaseInsensitive) != 0)
            refuse("The text is not a time of day.");
        // "0:0 AM" is how a twelve-hour clock without leading zero writes midnight.
        if (hour > 12)
            refuse("The hour does not fit the twelve-hour format.");
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, minute);
    if (!time.isValid())
        refuse("The text is not a time of day.");
    return time;
}

QString PlanApplication::version()
{
    return m_version;
}

void PlanApplication::OpenXML(const QString& xml)
{
    std::optional<PlanModel> plan = PlanModel::fromXml(xml);
    if (!plan)
        refuse("The text is not an MS Project XML document.");
    m_plan = std::move(plan);
}

void PlanApplication::AppRestore()
{
    const PlanModel& plan = active();
    if (m_onRestore)
        m_onRestore(plan);
}

void PlanApplication::Quit(qint16 /*saveChanges*/)
{
    // Nothing is ever saved on quitting: the plan reaches a file only through AppRestore.
    m_plan.reset();
    m_quit = true;
}

void PlanApplication::ProjectsAdd(bool /*displayProjectInfo*/)
{
    m_plan = PlanModel::newDocument();
}

PlanModel& PlanApplication::active()
{
    if (!m_plan)
        refuse("There is no active project.");
    return *m_plan;
}

void PlanApplication::setCalculation(int value)
{
    active().calculation = value;
}

void PlanApplication::ProjectSummaryInfo(const QString& calendar)
{
    PlanModel& plan = active();
    if (!plan.calendar(calendar))
        refuse("No base calendar of that name.");
    plan.calendarName = plan.calendar(calendar)->name;
}

void PlanApplication::OptionsCalendar(const CalendarOptions& options)
{
    timeFromText(options.startTime);
    timeFromText(options.finishTime);
    active().options = options;
}

void PlanApplication::BaseCalendarCreate(const QString& name, const QString& fromName)
{
    PlanModel& plan = active();
    if (name.isEmpty() || plan.calendar(name))
        refuse("The calendar name is empty or taken.");
    PlanCalendar calendar = PlanModel::standardCalendar(name);
    if (!fromName.isEmpty()) {
        const PlanCalendar* source = plan.calendar(fromName);
        if (!source)
            refuse("No base calendar of that name.");
        calendar = *source;
        calendar.name = name;
    }
    plan.calendars.append(calendar);
}

void PlanApplication::setProjectMember(int dispatchId, const QVariant& value)
{
    PlanModel& plan = active();
    switch (dispatchId) {
    case ProjectDispatch::Subject:
        plan.subject = value.toString();
        break;
    case ProjectDispatch::Title:
        plan.title = value.toString();
        break;
    case ProjectDispatch::ProjectStart:
        plan.start = dateTimeOf(value);
        break;
    case ProjectDispatch::ProjectFinish:
        plan.finish = dateTimeOf(value);
        break;
    case ProjectDispatch::Calendar:
        ProjectSummaryInfo(value.toString());
        break;
    case ProjectDispatch::TaskCollection:
    case ProjectDispatch::ResourceCollection:
    case ProjectDispatch::BaseCalendars:
        refuse("The member cannot be set.");
    default:
        plan.settings.insert(dispatchId, value);
        break;
    }
}

QVariant PlanApplication::projectMember(int dispatchId)
{
    const PlanModel& plan = active();
    switch (dispatchId) {
    case ProjectDispatch::Subject:
        return plan.subject;
    case ProjectDispatch::Title:
        return plan.title;
    case ProjectDispatch::ProjectStart:
        return plan.start;
    case ProjectDispatch::ProjectFinish:
        return plan.finish;
    case ProjectDispatch::Calendar:
        return plan.calendarName;
    case ProjectDispatch::TaskCollection:
        return static_cast<int>(plan.tasks.size());
    case ProjectDispatch::ResourceCollection:
        return static_cast<int>(plan.resources.size());
    case ProjectDispatch::BaseCalendars:
        return static_cast<int>(plan.calendars.size());
    default:
        return plan.settings.value(dispatchId);
    }
}

int PlanApplication::baseCalendarCount()
{
    return static_cast<int>(active().calendars.size());
}

QString PlanApplication::baseCalendarName(int position)
{
    const PlanModel& plan = active();
    if (position < 1 || position > plan.calendars.size())
        refuse("No base calendar at that position.");
    return plan.calendars[position - 1].name;
}

PlanWeekDay& PlanApplication::weekDay(int position, int dayType)
{
    PlanModel& plan = active();
    if (position < 1 || position > plan.calendars.size() || dayType < 1 || dayType > 7)
        refuse("No such week day.");
    return plan.calendars[position - 1].days[static_cast<size_t>(dayType)];
}

void PlanApplication::setWeekDayWorking(int position, int dayType, bool working)
{
    weekDay(position, dayType).working = working;
}

bool PlanApplication::weekDayWorking(int position, int dayType)
{
    return weekDay(position, dayType).working;
}

void PlanApplication::setShiftTime(int position, int dayType, int shift, ShiftEdge edge, const QString& time)
{
    PlanWeekDay& day = weekDay(position, dayType);
    if (shift < 1 || shift > 5)
        refuse("No such shift.");
    const QTime value = timeFromText(time);
    auto& slot = day.shifts[static_cast<size_t>(shift - 1)];
    if (!slot)
        slot = std::pair{value, value};
    (edge == ShiftEdge::Start ? slot->first : slot->second) = value;
}

void PlanApplication::clearShift(int position, int dayType, int shift)
{
    PlanWeekDay& day = weekDay(position, dayType);
    if (shift < 1 || shift > 5)
        refuse("No such shift.");
    day.shifts[static_cast<size_t>(shift - 1)].reset();
}

qint32 PlanApplication::addResource(const QString& name)
{
    PlanModel& plan = active();
    PlanResource resource;
    resource.id = static_cast<qint32>(plan.resources.size() + 1);
    resource.name = name;
    plan.resources.append(resource);
    return resource.id;
}

void PlanApplication::setResourceField(qint32 resourceId, ResourceField field, const QVariant& value)
{
    PlanResource* resource = active().resource(resourceId);
    if (!resource)
        refuse("No resource of that ID.");
    switch (field) {
    case ResourceField::Name:
        resource->name = value.toString();
        break;
    case ResourceField::Code:
        resource->code = value.toString();
        break;
    case ResourceField::StandardRate:
        resource->standardRate = value.toString();
        break;
    case ResourceField::EmailAddress:
        resource->emailAddress = value.toString();
        break;
    }
}

PlanTask& PlanApplication::task(qint32 id)
{
    PlanTask* found = active().task(id);
    if (!found)
        refuse("No task of that ID.");
    return *found;
}

qint32 PlanApplication::addTask(const QString& name)
{
    PlanModel& plan = active();
    PlanTask task;
    task.id = static_cast<qint32>(plan.tasks.size() + 1);
    // A task added at the end takes the outline level of the task before it.
    task.outlineLevel = plan.tasks.isEmpty() ? 1 : plan.tasks.last().outlineLevel;
    task.fields.insert(TaskField::Name, name);
    plan.tasks.append(task);
    return task.id;
}

QVariant PlanApplication::taskField(qint32 taskId, TaskField field)
{
    const PlanTask& found = task(taskId);
    if (field == TaskField::OutlineLevel)
        return found.outlineLevel;
    if (field == TaskField::ConstraintType && !found.fields.contains(field))
        return 0; // as soon as possible
    return found.fields.value(field);
}

void PlanApplication::setTaskField(qint32 taskId, TaskField field, const QVariant& value)
{
    PlanTask& found = task(taskId);
    switch (field) {
    case TaskField::OutlineLevel: {
        const int level = value.toInt();
        if (level < 1)
            refuse("Outline levels start at 1.");
        found.outlineLevel = level;
        return;
    }
    case TaskField::Start:
    case TaskField::Finish:
    case TaskField::ConstraintDate:
    case TaskField::ActualStart:
        found.fields.insert(field, dateTimeOf(value));
        return;
    case TaskField::Calendar:
        if (!active().calendar(value.toString()))
            refuse("No base calendar of that name.");
        break;
    default:
        break;
    }
    found.fields.insert(field, value);
}

void PlanApplication::outlineIndent(qint32 taskId)
{
    PlanModel& plan = active();
    PlanTask& found = task(taskId);
    qsizetype index = 0;
    while (index < plan.tasks.size() && plan.tasks[index].id != taskId)
        ++index;
    if (index <= 0 || found.outlineLevel > plan.tasks[index - 1].outlineLevel)
        refuse("The task cannot be indented further.");
    ++found.outlineLevel;
}

void PlanApplication::outlineOutdent(qint32 taskId)
{
    PlanTask& found = task(taskId);
    if (found.outlineLevel <= 1)
        refuse("The task is at the top level.");
    --found.outlineLevel;
}

int PlanApplication::addAssignment(qint32 taskId, qint32 resourceId)
{
    PlanTask& found = task(taskId);
    if (!active().resource(resourceId))
        refuse("No resource of that ID.");
    PlanAssignment assignment;
    assignment.resourceId = resourceId;
    found.assignments.append(assignment);
    return static_cast<int>(found.assignments.size());
}

void PlanApplication::setAssignmentField(qint32 taskId, int assignment, AssignmentField field,
                                         const QVariant& value)
{
    PlanTask& found = task(taskId);
    if (assignment < 1 || assignment > found.assignments.size())
        refuse("No assignment at that position.");
    found.assignments[assignment - 1].fields.insert(
        field, field == AssignmentField::ActualStart ? QVariant(dateTimeOf(value)) : value);
}

void PlanApplication::addDependency(qint32 successorId, qint32 predecessorId, int type, double lag)
{
    PlanTask& successor = task(successorId);
    task(predecessorId);
    if (successorId == predecessorId || type < 0 || type > 3)
        refuse("The link is not possible.");
    successor.predecessors.append(PlanLink{predecessorId, type, lag});
}

} // namespace kitbench

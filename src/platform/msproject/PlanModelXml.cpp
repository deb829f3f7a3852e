// MS Project XML for the plan model: the document a Microsoft Project release 10 or later opens and
// saves, with the elements the plan model holds.
#include "platform/msproject/PlanModel.h"

#include <QRegularExpression>

#include <pugixml.hpp>

#include <cmath>
#include <sstream>

namespace kitbench {

namespace {

constexpr char kNamespace[] = "http://schemas.microsoft.com/project";
constexpr char kDateFormat[] = "yyyy-MM-ddTHH:mm:ss";

struct FieldName
{
    TaskField field;
    const char* element;
};

// The task fields written as elements of their own, in the order the document lists them.
constexpr FieldName kTaskFields[] = {
    {TaskField::Name, "Name"},
    {TaskField::Type, "Type"},
    {TaskField::WBS, "WBS"},
    {TaskField::OutlineLevel, "OutlineLevel"},
    {TaskField::Priority, "Priority"},
    {TaskField::Start, "Start"},
    {TaskField::Finish, "Finish"},
    {TaskField::Duration, "Duration"},
    {TaskField::Milestone, "Milestone"},
    {TaskField::PercentComplete, "PercentComplete"},
    {TaskField::PercentWorkComplete, "PercentWorkComplete"},
    {TaskField::ActualStart, "ActualStart"},
    {TaskField::ConstraintType, "ConstraintType"},
    {TaskField::Calendar, "CalendarUID"},
    {TaskField::ConstraintDate, "ConstraintDate"},
    {TaskField::Notes, "Notes"},
};

QString valueText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QLatin1String(kDateFormat));
    case QMetaType::QDate:
        return value.toDate().startOfDay().toString(QLatin1String(kDateFormat));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return value.toString();
    }
}

QString durationText(const QVariant& minutes)
{
    const qint64 total = std::llround(minutes.toDouble());
    return QStringLiteral("PT%1H%2M0S").arg(total / 60).arg(total % 60);
}

std::optional<double> durationMinutes(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^PT(\\d+)H(\\d+)M(\\d+)S$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toDouble() * 60 + match.captured(2).toDouble() +
           match.captured(3).toDouble() / 60;
}

void add(pugi::xml_node parent, const char* name, const QString& text)
{
    parent.append_child(name).text().set(text.toUtf8().constData());
}

QString text(const pugi::xml_node& node, const char* name)
{
    return QString::fromUtf8(node.child(name).text().get());
}

QDateTime dateOf(const pugi::xml_node& node, const char* name)
{
    return QDateTime::fromString(text(node, name), QLatin1String(kDateFormat));
}

void writeCalendars(pugi::xml_node project, const PlanModel& plan)
{
    auto calendars = project.append_child("Calendars");
    for (qsizetype i = 0; i < plan.calendars.size(); ++i) {
        const PlanCalendar& source = plan.calendars[i];
        auto calendar = calendars.append_child("Calendar");
        add(calendar, "UID", QString::number(i + 1));
        add(calendar, "Name", source.name);
        add(calendar, "IsBaseCalendar", QStringLiteral("1"));
        add(calendar, "BaseCalendarUID", QStringLiteral("-1"));
        auto weekDays = calendar.append_child("WeekDays");
        for (int type = 1; type <= 7; ++type) {
            const PlanWeekDay& day = source.days[static_cast<size_t>(type)];
            auto weekDay = weekDays.append_child("WeekDay");
            add(weekDay, "DayType", QString::number(type));
            add(weekDay, "DayWorking", day.working ? QStringLiteral("1") : QStringLiteral("0"));
            if (!day.working)
                continue;
            auto times = weekDay.append_child("WorkingTimes");
            for (const auto& shift : day.shifts) {
                if (!shift)
                    continue;
                auto time = times.append_child("WorkingTime");
                add(time, "FromTime", shift->first.toString(QStringLiteral("HH:mm:ss")));
                add(time, "ToTime", shift->second.toString(QStringLiteral("HH:mm:ss")));
            }
        }
    }
}

int calendarUid(const PlanModel& plan, const QString& name)
{
    for (qsizetype i = 0; i < plan.calendars.size(); ++i)
        if (plan.calendars[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i + 1);
    return -1;
}

void writeTask(pugi::xml_node tasks, const PlanModel& plan, const PlanTask& source)
{
    auto task = tasks.append_child("Task");
    add(task, "UID", QString::number(source.id));
    add(task, "ID", QString::number(source.id));
    for (const FieldName& field : kTaskFields) {
        if (field.field == TaskField::OutlineLevel) {
            add(task, field.element, QString::number(source.outlineLevel));
            continue;
        }
        const QVariant value = source.fields.value(field.field);
        if (!value.isValid())
            continue;
        if (field.field == TaskField::Duration)
            add(task, field.element, durationText(value));
        else if (field.field == TaskField::Calendar)
            add(task, field.element, QString::number(calendarUid(plan, value.toString())));
        else
            add(task, field.element, valueText(value));
    }
    for (const PlanLink& link : source.predecessors) {
        auto element = task.append_child("PredecessorLink");
        add(element, "PredecessorUID", QString::number(link.predecessorId));
        add(element, "Type", QString::number(link.type));
        add(element, "LinkLag", QString::number(std::llround(link.lagMinutes * 10)));
        add(element, "LagFormat", QStringLiteral("7"));
    }
}

} // namespace

QString PlanModel::toXml() const
{
    pugi::xml_document document;
    auto declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    auto project = document.append_child("Project");
    project.append_attribute("xmlns") = kNamespace;
    add(project, "Name", (title.isEmpty() ? QStringLiteral("Project1") : title) + QStringLiteral(".xml"));
    if (!title.isEmpty())
        add(project, "Title", title);
    if (!subject.isEmpty())
        add(project, "Subject", subject);
    if (start.isValid())
        add(project, "StartDate", valueText(start));
    if (finish.isValid())
        add(project, "FinishDate", valueText(finish));
    add(project, "CalendarUID", QString::number(calendarUid(*this, calendarName)));
    writeCalendars(project, *this);

    auto taskList = project.append_child("Tasks");
    PlanTask summary;
    summary.outlineLevel = 0;
    summary.fields.insert(TaskField::Name, title);
    writeTask(taskList, *this, summary);
    for (const PlanTask& task : tasks)
        writeTask(taskList, *this, task);

    auto resourceList = project.append_child("Resources");
    for (const PlanResource& source : resources) {
        auto resource = resourceList.append_child("Resource");
        add(resource, "UID", QString::number(source.id));
        add(resource, "ID", QString::number(source.id));
        add(resource, "Name", source.name);
        if (!source.code.isEmpty())
            add(resource, "Code", source.code);
        if (!source.standardRate.isEmpty())
            add(resource, "StandardRate", source.standardRate);
        if (!source.emailAddress.isEmpty())
            add(resource, "EmailAddress", source.emailAddress);
    }

    auto assignmentList = project.append_child("Assignments");
    int uid = 0;
    for (const PlanTask& task : tasks) {
        for (const PlanAssignment& source : task.assignments) {
            auto assignment = assignmentList.append_child("Assignment");
            add(assignment, "UID", QString::number(++uid));
            add(assignment, "TaskUID", QString::number(task.id));
            add(assignment, "ResourceUID", QString::number(source.resourceId));
            for (const auto& [field, element] :
                 {std::pair{AssignmentField::PercentWorkComplete, "PercentWorkComplete"},
                  std::pair{AssignmentField::ActualStart, "ActualStart"}})
                if (source.fields.contains(field))
                    add(assignment, element, valueText(source.fields.value(field)));
        }
    }

    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return QString::fromStdString(out.str());
}

std::optional<PlanModel> PlanModel::fromXml(const QString& xml)
{
    pugi::xml_document document;
    const QByteArray utf8 = xml.toUtf8();
    if (!document.load_buffer(utf8.constData(), static_cast<size_t>(utf8.size()), pugi::parse_default,
                              pugi::encoding_utf8))
        return std::nullopt;
    const pugi::xml_node project = document.child("Project");
    if (!project)
        return std::nullopt;
    PlanModel plan;
    plan.title = text(project, "Title");
    plan.subject = text(project, "Subject");
    plan.start = dateOf(project, "StartDate");
    plan.finish = dateOf(project, "FinishDate");

    QMap<QString, QString> calendarNames; // by UID
    for (const pugi::xml_node source : project.child("Calendars").children("Calendar")) {
        PlanCalendar calendar;
        calendar.name = text(source, "Name");
        for (const pugi::xml_node weekDay : source.child("WeekDays").children("WeekDay")) {
            const int type = text(weekDay, "DayType").toInt();
            if (type < 1 || type > 7)
                continue;
            PlanWeekDay& day = calendar.days[static_cast<size_t>(type)];
            day.working = text(weekDay, "DayWorking") == QLatin1String("1");
            size_t shift = 0;
            for (const pugi::xml_node time : weekDay.child("WorkingTimes").children("WorkingTime"))
                if (shift < day.shifts.size())
                    day.shifts[shift++] = std::pair{QTime::fromString(text(time, "FromTime"), Qt::ISODate),
                                                    QTime::fromString(text(time, "ToTime"), Qt::ISODate)};
        }
        calendarNames.insert(text(source, "UID"), calendar.name);
        plan.calendars.append(calendar);
    }
    plan.calendarName = calendarNames.value(text(project, "CalendarUID"));

    // The document's UIDs become the model's IDs in document order.
    QMap<QString, qint32> resourceIds;
    for (const pugi::xml_node source : project.child("Resources").children("Resource")) {
        PlanResource resource;
        resource.id = static_cast<qint32>(plan.resources.size() + 1);
        resource.name = text(source, "Name");
        resource.code = text(source, "Code");
        resource.standardRate = text(source, "StandardRate");
        resource.emailAddress = text(source, "EmailAddress");
        resourceIds.insert(text(source, "UID"), resource.id);
        plan.resources.append(resource);
    }
    QMap<QString, qint32> taskIds;
    QList<pugi::xml_node> taskElements;
    for (const pugi::xml_node source : project.child("Tasks").children("Task")) {
        if (text(source, "UID").toInt() <= 0)
            continue; // the project summary task
        PlanTask task;
        task.id = static_cast<qint32>(plan.tasks.size() + 1);
        task.outlineLevel = qMax(1, text(source, "OutlineLevel").toInt());
        for (const FieldName& field : kTaskFields) {
            if (field.field == TaskField::OutlineLevel || !source.child(field.element))
                continue;
            const QString value = text(source, field.element);
            if (field.field == TaskField::Duration) {
                if (const auto minutes = durationMinutes(value))
                    task.fields.insert(field.field, *minutes);
            } else if (field.field == TaskField::Calendar) {
                if (calendarNames.contains(value))
                    task.fields.insert(field.field, calendarNames.value(value));
            } else {
                task.fields.insert(field.field, value);
            }
        }
        taskIds.insert(text(source, "UID"), task.id);
        taskElements.append(source);
        plan.tasks.append(task);
    }
    for (qsizetype i = 0; i < taskElements.size(); ++i) {
        for (const pugi::xml_node link : taskElements[i].children("PredecessorLink")) {
            const QString predecessor = text(link, "PredecessorUID");
            if (!taskIds.contains(predecessor))
                continue;
            plan.tasks[i].predecessors.append(PlanLink{taskIds.value(predecessor), text(link, "Type").toInt(),
                                                       text(link, "LinkLag").toDouble() / 10});
        }
    }
    for (const pugi::xml_node source : project.child("Assignments").children("Assignment")) {
        const QString resource = text(source, "ResourceUID");
        PlanTask* task = plan.task(taskIds.value(text(source, "TaskUID"), 0));
        if (!task || !resourceIds.contains(resource))
            continue;
        PlanAssignment assignment;
        assignment.resourceId = resourceIds.value(resource);
        if (source.child("PercentWorkComplete"))
            assignment.fields.insert(AssignmentField::PercentWorkComplete,
                                     text(source, "PercentWorkComplete"));
        if (source.child("ActualStart"))
            assignment.fields.insert(AssignmentField::ActualStart, text(source, "ActualStart"));
        task->assignments.append(assignment);
    }
    return plan;
}

} // namespace kitbench

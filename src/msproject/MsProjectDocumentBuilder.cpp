#include "msproject/MsProjectDocumentBuilder.h"

#include "msproject/PlanValues.h"
#include "platform/msproject/MsProjectApplication.h"

#include <QTime>

#include <exception>

namespace kitbench {

namespace {

// One step: a failure of any kind skips it and the build goes on.
template <typename Step> void resume(Step&& step)
{
    try {
        step();
    } catch (const std::exception&) {
    }
}

pugi::xml_node single(const pugi::xml_node& from, const QString& xpath)
{
    return from.select_node(xpath.toUtf8().constData()).node();
}

pugi::xpath_node_set all(const pugi::xml_node& from, const QString& xpath)
{
    return from.select_nodes(xpath.toUtf8().constData());
}

// The text of a child element that must be there.
QString required(const pugi::xml_node& node, const char* name)
{
    const pugi::xml_node child = node.child(name);
    if (!node || !child)
        throw PlanValueError("A plan element is missing.");
    return QString::fromUtf8(child.text().get());
}

const QTime kMidnight(0, 0);
const QTime kEndOfDay(23, 59);

} // namespace

MsProjectDocumentBuilder::MsProjectDocumentBuilder(MsProjectApplication& application) : m_app(application) {}

QString MsProjectDocumentBuilder::timeString(const QTime& time)
{
    // The suffix of a twelve-hour time is kept, so that a moment written with it converts back.
    const QString text = GetTimeString(m_app, time);
    if (text.contains(QLatin1Char(' '))) {
        const QString suffix = text.section(QLatin1Char(' '), 1);
        (time.hour() < 12 ? m_amText : m_pmText) = suffix;
    }
    return text;
}

QDateTime MsProjectDocumentBuilder::moment(const QString& day, const QTime& time)
{
    return plan::toDateTime(day + QLatin1Char(' ') + timeString(time), m_amText, m_pmText);
}

void MsProjectDocumentBuilder::SetMSProjectCurrentDocFromXml35(const pugi::xml_document& plan)
{
    m_resourceKeys.clear();
    m_resourceIds.clear();
    m_taskKeys.clear();
    m_taskIds.clear();

    resume([&] { m_app.ProjectsAdd(false); });
    resume([&] { m_app.setCalculation(0); });
    resume([&] { m_app.setProjectMember(ProjectDispatch::Setting5122, true); });
    resume([&] { m_app.setProjectMember(ProjectDispatch::Setting5108, 7); });
    resume([&] { m_app.setProjectMember(ProjectDispatch::Setting67, 1); });
    resume([&] {
        if (const pugi::xml_node title = single(plan, QStringLiteral("Project/Title")))
            m_app.setProjectMember(ProjectDispatch::Title, QString::fromUtf8(title.text().get()));
    });
    resume([&] {
        if (const pugi::xml_node subject = single(plan, QStringLiteral("Project/Subject")))
            m_app.setProjectMember(ProjectDispatch::Subject, QString::fromUtf8(subject.text().get()));
    });
    // Finish first, then start.
    resume([&] {
        m_app.setProjectMember(ProjectDispatch::ProjectFinish,
                               plan::wholeDateTime(required(plan.child("Project"), "FinishDate")));
    });
    resume([&] {
        m_app.setProjectMember(ProjectDispatch::ProjectStart,
                               plan::wholeDateTime(required(plan.child("Project"), "StartDate")));
    });
    resume([&] { m_app.setProjectMember(ProjectDispatch::Setting6005, false); });

    buildCalendars(plan);
    resume([&] {
        CalendarOptions options;
        options.hoursPerDay = 24;
        options.hoursPerWeek = 168;
        options.daysPerMonth = 30;
        options.startTime = timeString(kMidnight);
        options.finishTime = timeString(kEndOfDay);
        m_app.OptionsCalendar(options);
    });
    buildResources(plan);
    buildTasks(plan);
    buildLinks(plan);
}

void MsProjectDocumentBuilder::buildCalendars(const pugi::xml_document& plan)
{
    // The chain from the project's calendar down to the most basic one.
    QStringList chain;
    resume([&] {
        pugi::xml_node calendar =
            single(plan, QStringLiteral("/Project/Calendars/Calendar[UID=/Project/CalendarUID]"));
        while (calendar) {
            const QString uid = required(calendar, "UID");
            if (chain.contains(uid))
                break; // a calendar based on itself ends the chain
            chain.append(uid);
            const QString base = required(calendar, "BaseCalendarUID");
            calendar =
                single(plan, QStringLiteral("/Project/Calendars/Calendar[UID=") + base + QLatin1Char(']'));
        }
    });

    // Most basic first, so every calendar exists before the ones built on it.
    int count = 0;
    for (qsizetype i = chain.size() - 1; i >= 0; --i) {
        pugi::xml_node element;
        resume([&] {
            element =
                single(plan, QStringLiteral("Project/Calendars/Calendar[UID=") + chain[i] + QLatin1Char(']'));
        });
        resume([&] { count = m_app.baseCalendarCount(); });
        resume([&] {
            const QString name = required(element, "Name");
            if (count > 1)
                m_app.BaseCalendarCreate(name, m_app.baseCalendarName(count - 1));
            else
                m_app.BaseCalendarCreate(name, QString());
        });
        resume([&] { MakeCalendar35_Import(m_app.baseCalendarCount(), element); });
    }
    resume([&] { m_app.ProjectSummaryInfo(m_app.baseCalendarName(m_app.baseCalendarCount())); });
}

void MsProjectDocumentBuilder::MakeCalendar35_Import(int position, const pugi::xml_node& calendar)
{
    for (int day = 1; day <= 7; ++day) {
        bool present = false;
        resume([&] {
            present =
                static_cast<bool>(single(calendar, QStringLiteral("WeekDays/WeekDay[DayType=%1]").arg(day)));
        });
        if (!present)
            continue;
        resume([&] { m_app.setWeekDayWorking(position, day, true); });
        bool working = false;
        resume([&] { working = m_app.weekDayWorking(position, day); });
        if (!working)
            continue;
        resume([&] { m_app.setShiftTime(position, day, 1, ShiftEdge::Start, timeString(kMidnight)); });
        resume([&] { m_app.setShiftTime(position, day, 1, ShiftEdge::Finish, timeString(kEndOfDay)); });
        for (int shift = 2; shift <= 5; ++shift)
            resume([&] { m_app.clearShift(position, day, shift); });
    }
}

void MsProjectDocumentBuilder::buildResources(const pugi::xml_document& plan)
{
    pugi::xpath_node_set resources;
    resume([&] { resources = all(plan, QStringLiteral("Project/Resources/Resource")); });
    for (const pugi::xpath_node& found : resources) {
        const pugi::xml_node resource = found.node();
        resume([&] { m_resourceId = m_app.addResource(required(resource, "Name")); });
        resume(
            [&] { m_app.setResourceField(m_resourceId, ResourceField::Code, required(resource, "Code")); });
        resume([&] {
            m_app.setResourceField(m_resourceId, ResourceField::StandardRate,
                                   required(resource, "StandardRate"));
        });
        resume([&] {
            m_app.setResourceField(m_resourceId, ResourceField::EmailAddress,
                                   required(resource, "EmailAddress"));
        });
        resume([&] {
            const QString uid = required(resource, "UID");
            m_resourceKeys.append(uid);
            m_resourceIds.append(m_resourceId);
        });
    }
}

void MsProjectDocumentBuilder::buildTasks(const pugi::xml_document& plan)
{
    pugi::xpath_node_set tasks;
    resume([&] { tasks = all(plan, QStringLiteral("Project/Tasks/Task[UID>0]")); });
    for (const pugi::xpath_node& found : tasks)
        buildTask(plan, found.node());
}

void MsProjectDocumentBuilder::buildTask(const pugi::xml_document& plan, const pugi::xml_node& task)
{
    resume([&] { m_taskId = m_app.addTask(required(task, "Name")); });

    // Outline: outdent down to the plan's level, or indent once when it lies deeper.
    resume([&] { m_outlineLevel = plan::toInt16(required(task, "OutlineLevel")); });
    resume([&] { m_currentLevel = m_app.taskField(m_taskId, TaskField::OutlineLevel).toInt(); });
    if (m_outlineLevel <= m_currentLevel) {
        for (;;) {
            resume([&] { m_currentLevel = m_app.taskField(m_taskId, TaskField::OutlineLevel).toInt(); });
            if (m_outlineLevel >= m_currentLevel)
                break;
            try {
                m_app.outlineOutdent(m_taskId);
            } catch (const std::exception&) {
                break; // already at the top: a level below 1 cannot be reached
            }
        }
    } else {
        resume([&] { m_app.outlineIndent(m_taskId); });
    }

    resume([&] { m_app.setTaskField(m_taskId, TaskField::Priority, required(task, "Priority")); });
    if (task.child("ConstraintType")) {
        resume([&] {
            m_app.setTaskField(m_taskId, TaskField::ConstraintType,
                               plan::toInt32(required(task, "ConstraintType")));
        });
        resume([&] {
            if (m_app.taskField(m_taskId, TaskField::ConstraintType).toInt() <= 2)
                return;
            const QString date = required(task, "ConstraintDate");
            const qsizetype t = date.indexOf(QLatin1Char('T'));
            if (t < 0)
                throw PlanValueError("Not a date-time.");
            m_app.setTaskField(m_taskId, TaskField::ConstraintDate, moment(date.left(t), kMidnight));
        });
    } else {
        resume([&] { m_app.setTaskField(m_taskId, TaskField::ConstraintType, 4); });
    }

    resume([&] { m_milestone = plan::toBoolean(required(task, "Milestone")); });
    resume([&] {
        m_finishMoment = moment(plan::dayText(required(task, "Finish")), m_milestone ? kMidnight : kEndOfDay);
    });
    resume([&] { m_startMoment = moment(plan::dayText(required(task, "Start")), kMidnight); });
    resume([&] {
        const qint64 days = m_startMoment.date().daysTo(m_finishMoment.date());
        m_app.setTaskField(m_taskId, TaskField::Duration, static_cast<double>(days * 1440));
    });
    resume([&] { m_app.setTaskField(m_taskId, TaskField::Finish, m_finishMoment); });
    resume([&] { m_app.setTaskField(m_taskId, TaskField::Start, m_startMoment); });
    resume([&] { m_app.setTaskField(m_taskId, TaskField::Milestone, m_milestone); });

    resume([&] { m_app.setTaskField(m_taskId, TaskField::Notes, required(task, "Notes")); });
    if (task.child("Type"))
        resume([&] { m_app.setTaskField(m_taskId, TaskField::Type, plan::toInt32(required(task, "Type"))); });
    if (task.child("WBS"))
        resume([&] { m_app.setTaskField(m_taskId, TaskField::WBS, required(task, "WBS")); });
    resume([&] { m_app.setTaskField(m_taskId, TaskField::FixedZero, QVariant::fromValue<qint16>(0)); });
    resume([&] { m_app.setTaskField(m_taskId, TaskField::FixedThree, 3); });
    resume([&] {
        m_app.setTaskField(m_taskId, TaskField::ActualStart,
                           plan::wholeDateTime(required(task, "ActualStart")));
    });
    resume([&] {
        m_app.setTaskField(m_taskId, TaskField::Calendar,
                           m_app.projectMember(ProjectDispatch::Calendar).toString());
    });
    resume([&] { m_app.setTaskField(m_taskId, TaskField::FixedTrue, true); });
    resume([&] {
        const QString uid = required(task, "UID");
        m_taskKeys.append(uid);
        m_taskIds.append(m_taskId);
    });

    // Assignments of the task; the marker -65535 stands for an assignment without resource.
    pugi::xpath_node_set assignments;
    resume([&] {
        assignments =
            all(plan, QStringLiteral("Project/Assignments/Assignment[(ResourceUID!=-65535) and ") +
                          QStringLiteral("(TaskUID=") + required(task, "UID") + QStringLiteral(")]"));
    });
    for (const pugi::xpath_node& found : assignments) {
        resume([&] {
            const std::optional<qint32> resource =
                FindInArray(m_resourceKeys, m_resourceIds, required(found.node(), "ResourceUID"));
            if (!resource)
                return;
            const int assignment = m_app.addAssignment(m_taskId, *resource);
            resume([&] {
                m_app.setAssignmentField(m_taskId, assignment, AssignmentField::PercentWorkComplete,
                                         plan::toInt32(required(task, "PercentWorkComplete")));
            });
            resume([&] {
                m_app.setAssignmentField(m_taskId, assignment, AssignmentField::ActualStart,
                                         plan::wholeDateTime(required(task, "ActualStart")));
            });
        });
    }
    resume([&] {
        m_app.setTaskField(m_taskId, TaskField::PercentComplete,
                           plan::toInt32(required(task, "PercentComplete")));
    });
}

void MsProjectDocumentBuilder::buildLinks(const pugi::xml_document& plan)
{
    pugi::xpath_node_set tasks;
    resume([&] { tasks = all(plan, QStringLiteral("Project/Tasks/Task")); });
    for (const pugi::xpath_node& found : tasks) {
        const pugi::xml_node task = found.node();
        for (const pugi::xml_node link : task.children("PredecessorLink")) {
            resume([&] {
                const std::optional<qint32> successor =
                    FindInArray(m_taskKeys, m_taskIds, required(task, "UID"));
                // XML lag is in tenths of minutes.
                const double lag = plan::roundHalfEven(plan::toInt32(required(link, "LinkLag")) / 10.0);
                const std::optional<qint32> predecessor =
                    FindInArray(m_taskKeys, m_taskIds, required(link, "PredecessorUID"));
                if (!successor || !predecessor)
                    return;
                m_app.addDependency(*successor, *predecessor, plan::toInt32(required(link, "Type")), lag);
            });
        }
    }
}

} // namespace kitbench

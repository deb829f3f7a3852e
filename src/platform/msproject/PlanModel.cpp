#include "platform/msproject/PlanModel.h"

namespace kitbench {

PlanCalendar PlanModel::standardCalendar(const QString& name)
{
    PlanCalendar calendar;
    calendar.name = name;
    for (int day = 2; day <= 6; ++day) {
        PlanWeekDay& weekDay = calendar.days[static_cast<size_t>(day)];
        weekDay.working = true;
        weekDay.shifts[0] = std::pair{QTime(8, 0), QTime(12, 0)};
        weekDay.shifts[1] = std::pair{QTime(13, 0), QTime(17, 0)};
    }
    return calendar;
}

PlanModel PlanModel::newDocument()
{
    PlanModel plan;
    plan.calendars.append(standardCalendar(QStringLiteral("Standard")));
    plan.calendarName = plan.calendars.first().name;
    return plan;
}

PlanTask* PlanModel::task(qint32 id)
{
    for (PlanTask& task : tasks)
        if (task.id == id)
            return &task;
    return nullptr;
}

PlanResource* PlanModel::resource(qint32 id)
{
    for (PlanResource& resource : resources)
        if (resource.id == id)
            return &resource;
    return nullptr;
}

PlanCalendar* PlanModel::calendar(const QString& name)
{
    for (PlanCalendar& calendar : calendars)
        if (calendar.name.compare(name, Qt::CaseInsensitive) == 0)
            return &calendar;
    return nullptr;
}

double msProjectMajorVersion(const QString& version)
{
    // Like a VB Val(): the leading number, blanks skipped, up to the first character that does not fit.
    QString number;
    bool dot = false;
    for (const QChar c : version.trimmed()) {
        if (c.isDigit())
            number += c;
        else if (c == QLatin1Char('.') && !dot)
            dot = true, number += c;
        else
            break;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0;
}

} // namespace kitbench

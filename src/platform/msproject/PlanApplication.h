#pragma once

#include "platform/msproject/MsProjectApplication.h"
#include "platform/msproject/PlanModel.h"

#include <functional>
#include <optional>

namespace kitbench {

// How the application writes a time of day (its time options).
struct MsProjectTimeFormat
{
    bool twelveHour = false;
    bool leadingZero = true;
    QString amText = QStringLiteral("AM");
    QString pmText = QStringLiteral("PM");
    QString separator = QStringLiteral(":");
};

// Microsoft Project on this platform: the active document is a plan model in memory. AppRestore hands
// the plan to the restore handler, which saves it and shows it to the user (or only saves it).
class PlanApplication : public MsProjectApplication
{
public:
    // The handler throws MsProjectRefused when the plan cannot be shown.
    using RestoreHandler = std::function<void(const PlanModel& plan)>;

    PlanApplication(QString version, RestoreHandler onRestore, MsProjectTimeFormat format = {});

    // The active document; nothing before the first one and after Quit.
    const std::optional<PlanModel>& plan() const { return m_plan; }
    bool hasQuit() const { return m_quit; }
    // A time of day written in this application's time format, read back.
    QTime timeFromText(const QString& text) const;

    QString version() override;
    void OpenXML(const QString& xml) override;
    void AppRestore() override;
    void Quit(qint16 saveChanges) override;

    void ProjectsAdd(bool displayProjectInfo) override;
    void setCalculation(int value) override;
    void ProjectSummaryInfo(const QString& calendar) override;
    void OptionsCalendar(const CalendarOptions& options) override;
    bool TwelveHourTimeFormat() override { return m_format.twelveHour; }
    bool TimeLeadingZero() override { return m_format.leadingZero; }
    QString AMText() override { return m_format.amText; }
    QString PMText() override { return m_format.pmText; }
    QString TimeSeparator() override { return m_format.separator; }
    void BaseCalendarCreate(const QString& name, const QString& fromName) override;

    void setProjectMember(int dispatchId, const QVariant& value) override;
    QVariant projectMember(int dispatchId) override;

    int baseCalendarCount() override;
    QString baseCalendarName(int position) override;
    void setWeekDayWorking(int position, int dayType, bool working) override;
    bool weekDayWorking(int position, int dayType) override;
    void setShiftTime(int position, int dayType, int shift, ShiftEdge edge, const QString& time) override;
    void clearShift(int position, int dayType, int shift) override;

    qint32 addResource(const QString& name) override;
    void setResourceField(qint32 resourceId, ResourceField field, const QVariant& value) override;
    qint32 addTask(const QString& name) override;
    QVariant taskField(qint32 taskId, TaskField field) override;
    void setTaskField(qint32 taskId, TaskField field, const QVariant& value) override;
    void outlineIndent(qint32 taskId) override;
    void outlineOutdent(qint32 taskId) override;
    int addAssignment(qint32 taskId, qint32 resourceId) override;
    void setAssignmentField(qint32 taskId, int assignment, AssignmentField field,
                            const QVariant& value) override;
    void addDependency(qint32 successorId, qint32 predecessorId, int type, double lag) override;

private:
    PlanModel& active();
    PlanTask& task(qint32 id);
    PlanWeekDay& weekDay(int position, int dayType);

    QString m_version;
    RestoreHandler m_onRestore;
    MsProjectTimeFormat m_format;
    std::optional<PlanModel> m_plan;
    bool m_quit = false;
};

} // namespace kitbench

#pragma once

#include "platform/msproject/MsProjectAutomation.h"
#include "platform/msproject/PlanApplication.h"

#include <QStringList>

#include <memory>

namespace kitbench {

// What a recording Microsoft Project was asked, shared by the applications one automation started.
struct MsProjectCallLog
{
    QStringList calls;         // "addTask(Design)", "setTaskField(1,Priority,500)", ...
    QStringList restoredPlans; // the plan as MS Project XML at each AppRestore
};

// A Microsoft Project for tests: every call is written to the log as text, then carried out on a plan
// model, so that values read back (outline levels, IDs, the calendars) behave as the real thing's.
// Calls whose text starts with a refused prefix throw MsProjectRefused instead (after being logged).
class RecordingMsProject : public MsProjectApplication
{
public:
    explicit RecordingMsProject(QString version = QStringLiteral("11.0"), MsProjectTimeFormat format = {},
                                std::shared_ptr<MsProjectCallLog> log = std::make_shared<MsProjectCallLog>());

    const QStringList& calls() const { return m_log->calls; }
    std::shared_ptr<MsProjectCallLog> log() const { return m_log; }
    void refuse(const QString& callPrefix) { m_refused.append(callPrefix); }
    // The plan model behind the calls.
    const PlanApplication& plan() const { return m_plan; }

    QString version() override;
    void OpenXML(const QString& xml) override;
    void AppRestore() override;
    void Quit(qint16 saveChanges) override;

    void ProjectsAdd(bool displayProjectInfo) override;
    void setCalculation(int value) override;
    void ProjectSummaryInfo(const QString& calendar) override;
    void OptionsCalendar(const CalendarOptions& options) override;
    bool TwelveHourTimeFormat() override;
    bool TimeLeadingZero() override;
    QString AMText() override;
    QString PMText() override;
    QString TimeSeparator() override;
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
    void record(const QString& call);

    std::shared_ptr<MsProjectCallLog> m_log;
    PlanApplication m_plan;
    QStringList m_refused;
};

// Starts recording applications that share one log; `available` false means Microsoft Project
// cannot be started.
class RecordingMsProjectAutomation : public MsProjectAutomation
{
public:
    std::unique_ptr<MsProjectApplication> createApplication(const DocumentOpener& open) override;

    std::shared_ptr<MsProjectCallLog> log = std::make_shared<MsProjectCallLog>();
    QString version = QStringLiteral("11.0");
    bool available = true;
    QStringList refused;
    int started = 0;
};

// The text a recorded call shows for a value: date-times "yyyy-MM-dd HH:mm", truth values True/False.
QString recordedValue(const QVariant& value);

} // namespace kitbench

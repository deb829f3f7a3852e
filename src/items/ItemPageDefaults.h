#pragma once

#include <QDateTime>

namespace kitbench {

class frmWizard;

// The item pages' own rules: the defaults a job starts with and the check boxes that switch date
// pickers on and off.
class ItemPageDefaults
{
public:
    explicit ItemPageDefaults(frmWizard& wizard);

    // Connects the check boxes of the task and to-do pages (once).
    void connectPageRules();
    // ResetItemPage: the current job's page to its defaults, all of them from the one `now`.
    void ResetItemPage(const QDateTime& now = QDateTime::currentDateTime());

    void StartDateEnable_Click();
    void FinishDateEnable_Click();
    void TaskIsMilestoneCheck_Click();

private:
    void resetIncident();
    void resetTask(const QDateTime& now);
    void resetEvent(const QDateTime& now);
    void resetToDo(const QDateTime& now);
    void resetProject(const QDateTime& now);

    frmWizard& m_wizard;
    bool m_connected = false;
};

// The day pickers' value: the date of `now` at 00:00:00.
QDateTime startOfDay(const QDateTime& now);

} // namespace kitbench

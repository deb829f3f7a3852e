#pragma once

#include <QString>

namespace kitbench {

class CalendarExportPage;
class frmWizard;

// The calendar export: the period choice of page 13 and its Next, which fetches the entries of the
// period, writes them to the exchange file and makes the Outlook add-in read it.
class CalendarJobs
{
public:
    explicit CalendarJobs(frmWizard& wizard);

    // EXPORTCALENDAR after the dictionaries were filled: the pickers follow the preselected period.
    void loadForRunMode(int runMode);
    bool exportCalendar();
    // The period combo's click: the period's dates in the pickers, which only the last entry unlocks.
    void ExportCalendarTimeFilterCombo_Click();

private:
    bool LoadCalendarEvents();
    CalendarExportPage* page() const;

    frmWizard& m_wizard;
    QString m_calendarXml;
};

} // namespace kitbench

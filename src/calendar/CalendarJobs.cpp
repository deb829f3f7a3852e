#include "calendar/CalendarJobs.h"

#include "calendar/CalendarExport.h"
#include "calendar/CalendarExportPage.h"
#include "platform/Message.h"
#include "platform/OutlookAutomation.h"
#include "platform/soap/OrvProjectSoapClient.h"
#include "session/LoginPage.h"
#include "session/SoapSession.h"
#include "shell/PageGraph.h"
#include "shell/RunMode.h"
#include "shell/frmWizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QProgressBar>

namespace kitbench {

namespace {

constexpr int kCalendarPage = 13;
constexpr int kNotSavedTextId = 9401;

} // namespace

CalendarJobs::CalendarJobs(frmWizard& wizard) : m_wizard(wizard)
{
    CalendarExportPage* calendar = page();
    QObject::connect(calendar->ExportCalendarTimeFilterCombo, &QComboBox::activated, calendar,
                     [this] { ExportCalendarTimeFilterCombo_Click(); });
}

CalendarExportPage* CalendarJobs::page() const
{
    return static_cast<CalendarExportPage*>(m_wizard.page(kCalendarPage));
}

void CalendarJobs::loadForRunMode(int runMode)
{
    if (runMode == EXPORTCALENDAR)
        ExportCalendarTimeFilterCombo_Click();
}

void CalendarJobs::ExportCalendarTimeFilterCombo_Click()
{
    CalendarExportPage* calendar = page();
    const QComboBox* periods = calendar->ExportCalendarTimeFilterCombo;
    const std::optional<CalendarPeriod> period =
        calendarPeriodFor(periods->currentIndex(), periods->count(), QDate::currentDate());
    calendar->ExportCalendarStartDateDTPicker->setEnabled(!period);
    calendar->ExportCalendarFinishDateDTPicker->setEnabled(!period);
    if (!period)
        return;
    calendar->ExportCalendarStartDateDTPicker->setDateTime(period->start);
    calendar->ExportCalendarFinishDateDTPicker->setDateTime(period->finish);
}

bool CalendarJobs::LoadCalendarEvents()
{
    const CalendarExportPage* calendar = page();
    const ServerCall call = calendarEventsCall(
        calendar->ExportCalendarStartDateDTPicker->dateTime(),
        calendar->ExportCalendarFinishDateDTPicker->dateTime(), calendar->CheckSyncEvents->isChecked(),
        calendar->CheckSyncTasks->isChecked(), calendar->CheckSyncToDos->isChecked());
    QVariantList arguments = call.arguments;
    SoapSession& session = m_wizard.session();
    const SoapCallResult answer = session.call(call.method, arguments);
    m_calendarXml = answer.ok() ? answer.result.toString() : QString();
    return session.CheckSoapOutcome(answer);
}

bool CalendarJobs::exportCalendar()
{
    SoapSession& session = m_wizard.session();
    if (OrvProjectSoapClient* header = session.soapheader())
        header->ServerErrorMessage = QStringLiteral("OK");
    QProgressBar* bar = m_wizard.progressBar();
    bar->setRange(0, 4);
    bar->setValue(0);
    bar->setVisible(true);
    bool exported = LoadCalendarEvents();
    if (exported) {
        const QString path = GetExportedCalendarXMLFileName();
        CreateDirectory(path);
        const QString failure = saveXmlDocument(m_calendarXml, path);
        if (failure.isEmpty()) {
            ConnectOutlookAddIn(OutlookAutomation::instance());
            m_wizard.settings().write(QStringLiteral("CalendarPeriod"),
                                      QString::number(page()->ExportCalendarTimeFilterCombo->currentIndex()));
        } else {
            MessageService::instance().show(
                Message::fromId(kNotSavedTextId)
                    .append(QStringLiteral("\n") + path + QStringLiteral(": ") + failure));
            exported = false;
        }
    }
    bar->setVisible(false);
    return exported;
}

} // namespace kitbench

// The periods of the calendar export, the exchange file and the add-in reconnect.
#include "calendar/CalendarExport.h"
#include "platform/OutlookAutomation.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace kitbench;

namespace {

// A pretend Outlook with two add-ins that log what the wizard does with them.
struct RecordingAddIn : OutlookAddIn
{
    RecordingAddIn(QString progId, QStringList& calls) : id(std::move(progId)), log(calls) {}
    QString progId() const override { return id; }
    void setConnect(bool connect) override { log << id + (connect ? " on" : " off"); }
    QString id;
    QStringList& log;
};

struct RecordingOutlook : OutlookAutomation
{
    std::unique_ptr<OutlookApplication> createApplication() override
    {
        struct Application : OutlookApplication
        {
            QList<OutlookAddIn*> addIns;
            QList<OutlookAddIn*> comAddIns() override { return addIns; }
        };
        auto application = std::make_unique<Application>();
        application->addIns = {&other, &calendar};
        return application;
    }
    QStringList log;
    RecordingAddIn calendar{"RuRerorud45.Orv", log}, other{"Other.AddIn", log};
};

} // namespace

class TestCalendarPeriods : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    // Today and this year are exported by the runs against a live server.
    void periods()
    {
        const QDate wednesday(2026, 12, 2);
        using Row = std::tuple<int, QDate, QDate, QDate>; // index, start, finish, today (null: the Wednesday)
        for (const auto& [index, start, finish, today] : {
                 Row{1, QDate(2026, 12, 1), QDate(2026, 12, 1), {}},                   // yesterday
                 Row{2, QDate(2026, 11, 29), QDate(2026, 12, 5), {}},                  // this week
                 Row{2, QDate(2026, 11, 29), QDate(2026, 12, 5), QDate(2026, 11, 29)}, // ... on a Sunday
                 Row{2, QDate(2026, 11, 29), QDate(2026, 12, 5), QDate(2026, 12, 5)},  // ... on a Saturday
                 Row{3, QDate(2026, 11, 22), QDate(2026, 11, 28), {}},                 // last week
                 Row{4, QDate(2026, 12, 1), QDate(2026, 12, 31), {}},                  // this month
                 Row{4, QDate(2028, 2, 1), QDate(2028, 2, 29), QDate(2028, 2, 10)},    // February, leap year
                 Row{5, QDate(2026, 11, 1), QDate(2026, 11, 30), {}},                  // last month
                 Row{5, QDate(2026, 12, 1), QDate(2026, 12, 31), QDate(2027, 1, 15)},  // ... in January
                 Row{7, QDate(2025, 1, 1), QDate(2025, 12, 31), {}},                   // last year
                 Row{8, {}, {}, {}},  // custom: the pickers' dates
                 Row{-1, {}, {}, {}}, // nothing selected
             }) {
            const std::optional<CalendarPeriod> period =
                calendarPeriodFor(index, 9, today.isValid() ? today : wednesday);
            QCOMPARE(period.has_value(), start.isValid());
            if (period) {
                QCOMPARE(period->start, QDateTime(start, QTime(0, 0, 0)));
                QCOMPARE(period->finish, QDateTime(finish, QTime(23, 59, 59)));
            }
        }
    }

    // What the add-in reads is written by the runs against a live server; an answer that is not XML is
    // not written over the last export.
    void exchangeFile()
    {
        QVERIFY(GetImportXMLListFields().endsWith("/Harlowe/Orvello/Kitbench/Response.xml"));
        const QString path = GetExportedCalendarXMLFileName();
        QFile::remove(path);
        CreateDirectory(path);
        QCOMPARE(saveXmlDocument("<Calendar><Title>Review</Title></Calendar>", path), QString());
        QVERIFY(!saveXmlDocument("<Calendar>", path).isEmpty());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly) && written.readAll().contains("<Title>Review</Title>"));
        QVERIFY(!saveXmlDocument("<Calendar/>", QString()).isEmpty());
    }

    void reconnectsTheCalendarAddIn()
    {
        RecordingOutlook outlook;
        ConnectOutlookAddIn(outlook);
        QCOMPARE(outlook.log, (QStringList{"RuRerorud45.Orv off", "RuRerorud45.Orv on"}));
        // No Outlook on this machine: nothing happens.
        OutlookAutomation absent;
        ConnectOutlookAddIn(absent);
    }
};

QTEST_GUILESS_MAIN(TestCalendarPeriods)
#include "tst_calendarperiods.moc"

// The periods of the calendar export, the exchange file and the add-in reconnect.
#include "calendar/CalendarExport.h"
#include "platform/OutlookAutomation.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kitbench;

namespace {

// Records what the wizard does with the add-ins of a pretend Outlook.
class RecordingAddIn : public OutlookAddIn
{
public:
    RecordingAddIn(QString progId, QStringList& log) : m_progId(std::move(progId)), m_log(log) {}
    QString progId() const override { return m_progId; }
    void setConnect(bool connect) override { m_log << m_progId + (connect ? " on" : " off"); }

private:
    QString m_progId;
    QStringList& m_log;
};

class RecordingOutlook : public OutlookAutomation, public OutlookApplication
{
public:
    explicit RecordingOutlook(QStringList& log)
        : m_calendar("RuRerorud45.Orv", log), m_other("Other.AddIn", log)
    {
    }
    std::unique_ptr<OutlookApplication> createApplication() override
    {
        struct Borrowed : OutlookApplication
        {
            RecordingOutlook* owner;
            QList<OutlookAddIn*> comAddIns() override { return owner->comAddIns(); }
        };
        auto application = std::make_unique<Borrowed>();
        application->owner = this;
        return application;
    }
    QList<OutlookAddIn*> comAddIns() override { return {&m_other, &m_calendar}; }

private:
    RecordingAddIn m_calendar;
    RecordingAddIn m_other;
};

} // namespace

class TestCalendarPeriods : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void periods_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("index");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("finish");
        const QDate wednesday(2026, 12, 2);
        const auto row = [&](const char* tag, int index, QDate start, QDate finish, QDate today = {}) {
            QTest::newRow(tag) << (today.isValid() ? today : wednesday) << index << start << finish;
        };
        row("today", 0, wednesday, wednesday);
        row("yesterday", 1, QDate(2026, 12, 1), QDate(2026, 12, 1));
        row("this week", 2, QDate(2026, 11, 29), QDate(2026, 12, 5));
        row("this week, on a Sunday", 2, QDate(2026, 11, 29), QDate(2026, 12, 5), QDate(2026, 11, 29));
        row("this week, on a Saturday", 2, QDate(2026, 11, 29), QDate(2026, 12, 5), QDate(2026, 12, 5));
        row("last week", 3, QDate(2026, 11, 22), QDate(2026, 11, 28));
        row("this month of 31 days", 4, QDate(2026, 12, 1), QDate(2026, 12, 31));
        row("February of a leap year", 4, QDate(2028, 2, 1), QDate(2028, 2, 29), QDate(2028, 2, 10));
        row("last month", 5, QDate(2026, 11, 1), QDate(2026, 11, 30));
        row("last month, in January", 5, QDate(2026, 12, 1), QDate(2026, 12, 31), QDate(2027, 1, 15));
        row("this year", 6, QDate(2026, 1, 1), QDate(2026, 12, 31));
        row("last year", 7, QDate(2025, 1, 1), QDate(2025, 12, 31));
        row("custom: the pickers' dates", 8, {}, {});
        row("nothing selected", -1, {}, {});
    }

    void periods()
    {
        QFETCH(QDate, today);
        QFETCH(int, index);
        QFETCH(QDate, start);
        QFETCH(QDate, finish);
        const std::optional<CalendarPeriod> period = calendarPeriodFor(index, 9, today);
        QCOMPARE(period.has_value(), start.isValid());
        if (!period)
            return;
        QCOMPARE(period->start, QDateTime(start, QTime(0, 0, 0)));
        QCOMPARE(period->finish, QDateTime(finish, QTime(23, 59, 59)));
    }

    void exchangeFile()
    {
        const QString path = GetExportedCalendarXMLFileName();
        QVERIFY(path.endsWith("/Harlowe/Orvello/Kitbench/Outlook.xml"));
        QVERIFY(GetImportXMLListFields().endsWith("/Harlowe/Orvello/Kitbench/Response.xml"));
        QFile::remove(path);
        CreateDirectory(path);
        QCOMPARE(saveXmlDocument("<Calendar><Event><Title>Review</Title></Event></Calendar>", path),
                 QString());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().contains("<Title>Review</Title>"));
        // An answer that is not XML is not written over the last export.
        QVERIFY(!saveXmlDocument("<Calendar>", path).isEmpty());
        QVERIFY(!saveXmlDocument("<Calendar/>", QString()).isEmpty());
    }

    void reconnectsTheCalendarAddIn()
    {
        QStringList log;
        RecordingOutlook outlook(log);
        ConnectOutlookAddIn(outlook);
        QCOMPARE(log, (QStringList{"RuRerorud45.Orv off", "RuRerorud45.Orv on"}));
        // No Outlook on this machine: nothing happens.
        OutlookAutomation absent;
        ConnectOutlookAddIn(absent);
    }
};

QTEST_GUILESS_MAIN(TestCalendarPeriods)
#include "tst_calendarperiods.moc"

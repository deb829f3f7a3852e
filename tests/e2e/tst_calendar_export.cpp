// The calendar export unattended: the period and kinds reach GetCalendarEvents, the answer lands in the
// add-in's exchange file, a failed call writes nothing, the next export offers the period used last.
#include "Scenario.h"

#include <QTest>

namespace {
const QString kExchangeFile = "data/Harlowe/Orvello/Kitbench/Outlook.xml";

Scenario exportRow(const QString& version, const QString& page13, const QString& call)
{
    return Scenario{.job = {"/exportcalendar"},
                    .answers = "[page 13]\n" + page13 + "[messages]\n5061 = Yes\n",
                    .version = version,
                    .pages = {0, 1, 13, 21},
                    .calls = {"GetCalendarEvents " + call + " OK"}};
}
} // namespace

class TestCalendarExport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exports_data();
    void exports();
    void periodRemembered();

private:
    ScenarioPlayer m_player;
};

void TestCalendarExport::exports_data()
{
    QTest::addColumn<Scenario>("row");
    const QString day = QDate::currentDate().toString(Qt::ISODate);
    const QString year = QString::number(QDate::currentDate().year());
    QTest::newRow("4.7, today, everything")
        << exportRow("4.7", "ExportCalendarTimeFilterCombo = #0\n",
                     "[\"" + day + "T00:00:00\",\"" + day + "T23:59:59\",true,true,true]");
    // A period of its own keeps the pickers' times: only the days are compared.
    QTest::newRow("4.0, own period, events only") << exportRow(
        "4.0",
        "ExportCalendarTimeFilterCombo = #8\nExportCalendarStartDateDTPicker = 2026-03-02\n"
        "ExportCalendarFinishDateDTPicker = 2026-03-20\nCheckSyncTasks = 0\nCheckSyncToDos = 0\n",
        "[\"2026-03-02*\",\"2026-03-20*\",true,false,false]");
    QTest::newRow("4.5, nothing chosen still asks") << exportRow(
        "4.5",
        "ExportCalendarTimeFilterCombo = #6\nCheckSyncEvents = 0\nCheckSyncTasks = 0\nCheckSyncToDos = 0\n",
        "[\"" + year + "-01-01T00:00:00\",\"" + year + "-12-31T23:59:59\",false,false,false]");
    QTest::newRow("failed call writes nothing") << Scenario{.job = {"/exportcalendar"},
                                                            .answers = "[messages]\n5061 = Yes\n",
                                                            .faults = {"GetCalendarEvents=soap-fault"},
                                                            .exitCode = 2,
                                                            .pages = {0, 1, 13},
                                                            .calls = {"GetCalendarEvents"},
                                                            .err = {"[5005]"}};
}

void TestCalendarExport::exports()
{
    QFETCH(Scenario, row);
    QVERIFY2(m_player.plays(row), m_player.why());
    const QByteArray written = m_player.run().savedFiles.value(kExchangeFile);
    QCOMPARE(written.contains("<Calendar"), row.exitCode == 0);
}

// Two runs of one user: the second page comes up with the period the first one exported.
void TestCalendarExport::periodRemembered()
{
    QTemporaryDir home;
    const QString year = QString::number(QDate::currentDate().year());
    const QString thisYear =
        "[\"" + year + "-01-01T00:00:00\",\"" + year + "-12-31T23:59:59\",true,true,true]";
    for (const QString page13 : {"ExportCalendarTimeFilterCombo = #6\n", ""}) {
        Scenario run = exportRow("4.7", page13, thisYear);
        run.home = home.path();
        QVERIFY2(m_player.plays(run), m_player.why());
    }
}

QTEST_GUILESS_MAIN(TestCalendarExport)
#include "tst_calendar_export.moc"

// The calendar export unattended against live development servers: the chosen period and kinds reach
// GetCalendarEvents, the answer is written to the add-in's exchange file, and a failed call leaves
// the wizard on its page with nothing written.
#include "DevServer.h"
#include "KitbenchRun.h"

#include <QJsonArray>
#include <QTest>

namespace {

const QString kExchangeFile = "data/Harlowe/Orvello/Kitbench/Outlook.xml";

} // namespace

class TestCalendarExport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exportPeriod_data();
    void exportPeriod();
    void failedCallWritesNothing();
};

void TestCalendarExport::exportPeriod_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QJsonArray>("args");
    const QDate today = QDate::currentDate();
    const QString day = today.toString(Qt::ISODate);
    QTest::newRow("4.7, today, everything")
        << "4.7"
        << "[page 13]\nExportCalendarTimeFilterCombo = #0\n"
        << QJsonArray{day + "T00:00:00", day + "T23:59:59", true, true, true};
    QTest::newRow("4.0, own period, events only")
        << "4.0"
        << "[page 13]\nExportCalendarTimeFilterCombo = #8\nExportCalendarStartDateDTPicker = 2026-03-02\n"
           "ExportCalendarFinishDateDTPicker = 2026-03-20\nCheckSyncTasks = 0\nCheckSyncToDos = 0\n"
        << QJsonArray{"2026-03-02", "2026-03-20", true, false, false};
    QTest::newRow("4.5, nothing chosen still asks")
        << "4.5"
        << "[page 13]\nExportCalendarTimeFilterCombo = #6\nCheckSyncEvents = 0\nCheckSyncTasks = "
           "0\nCheckSyncToDos = 0\n"
        << QJsonArray{QString::number(today.year()) + "-01-01T00:00:00",
                      QString::number(today.year()) + "-12-31T23:59:59", false, false, false};
}

void TestCalendarExport::exportPeriod()
{
    QFETCH(QString, version);
    QFETCH(QString, answers);
    QFETCH(QJsonArray, args);
    DevServer server({"--seed", "demo", "--server-version", version});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun run =
        KitbenchRun::start({"/exportcalendar", "/L", "admin@" + server.address(), "/P", "admin"},
                           answers + "[messages]\n5061 = Yes\n");
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.pages(), (QList<int>{0, 1, 13, 21}));
    const QList<QJsonObject> calls = server.calls("GetCalendarEvents");
    QCOMPARE(calls.size(), 1);
    const QJsonArray sent = calls.first().value("args").toArray();
    QCOMPARE(sent.size(), 5);
    for (int i = 0; i < 5; ++i) {
        if (args[i].isString()) // a custom period keeps the pickers' times: compare the day only
            QVERIFY2(sent[i].toString().startsWith(args[i].toString()), qPrintable(sent[i].toString()));
        else
            QCOMPARE(sent[i], args[i]);
    }
    QCOMPARE(calls.first().value("status").toString(), QString("OK"));
    const QByteArray written = run.savedFiles.value(kExchangeFile);
    QVERIFY2(written.contains("<Calendar"), written.constData());
}

void TestCalendarExport::failedCallWritesNothing()
{
    DevServer server({"--seed", "demo", "--fault", "GetCalendarEvents=soap-fault"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun run = KitbenchRun::start(
        {"/exportcalendar", "/L", "admin@" + server.address(), "/P", "admin"}, "[messages]\n5061 = Yes\n");
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.pages().value(run.pages().size() - 1), 13);
    QVERIFY(!run.savedFiles.contains(kExchangeFile));
}

QTEST_GUILESS_MAIN(TestCalendarExport)
#include "tst_calendar_export.moc"

// The MS Project jobs unattended against live development servers: a plan imported into an existing
// project (with and without synchronization mode) and into a project the wizard creates first, the
// failures of the import steps, and a server project opened in Microsoft Project through the
// saving-only stand-in. The server's journal shows what arrived.
#include "DevServer.h"
#include "KitbenchRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The plan as the wizard sends it: loaded and written out again without the declaration and the
// blanks between elements.
const QString kPlanXml =
    "<Project xmlns=\"http://schemas.microsoft.com/project\"><Title>Shop fit-out</Title>"
    "<StartDate>2026-04-01T12:00:00</StartDate><FinishDate>2026-05-15T12:00:00</FinishDate>"
    "<Tasks><Task><UID>1</UID><Name>Design</Name></Task></Tasks><Resources>"
    "<Resource><UID>1</UID><Name>Peter Marsh</Name></Resource>"
    "<Resource><UID>2</UID><Name>Nobody Known</Name></Resource></Resources></Project>";

// Peter Marsh is a user of the demo (id 2); nobody is called "Nobody Known".
const QString kMapping = "<ImportConfig><XMLVersionID>\\d+</XMLVersionID><ImportAssignments>"
                         "<Assignment><ResourceId>1</ResourceId><UserId>2</UserId></Assignment>"
                         "<Assignment><ResourceId>2</ResourceId><UserId>-1</UserId></Assignment>"
                         "</ImportAssignments></ImportConfig>";

const QString kNewProjectPages =
    "[page 8]\nProjectTitleText = Shop fit-out\nProjectTypeCombo = #1\n"
    "ProjectStatusCombo = #1\nProjectCalendarCombo = #0\nProjectManagerCombo = #1\n"
    "ProjectExecutiveCombo = #1\nProjectCurrencyCombo = #1\nProjectClientCombo = #1\n";

QStringList methods(const DevServer& server)
{
    QStringList names;
    for (const QJsonObject& entry : server.journal())
        names << entry.value("method").toString();
    return names;
}

} // namespace

class TestMsProject : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void importIntoExisting_data();
    void importIntoExisting();
    void importIntoNewProject_data();
    void importIntoNewProject();
    void failedSteps_data();
    void failedSteps();
    void exportProject_data();
    void exportProject();
    void msProjectMissing();
    void planTooLargeForTheServer();
    void largePlanImports();

private:
    KitbenchRun run(const DevServer& server, const QStringList& job, const QString& answers);
    QTemporaryDir m_files;
    QString m_plan;
};

void TestMsProject::initTestCase()
{
    QVERIFY(m_files.isValid());
    // The wizard's clock runs on UTC; the profile's zone is declined, so page dates go out unshifted.
    qputenv("TZ", "UTC");
    m_plan = m_files.filePath("shop fit-out.xml");
    QFile file(m_plan);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Project xmlns=\"http://schemas.microsoft.com/project\">\n  <Title>Shop fit-out</Title>\n"
        "  <StartDate>2026-04-01T12:00:00</StartDate>\n  <FinishDate>2026-05-15T12:00:00</FinishDate>\n"
        "  <Tasks>\n    <Task><UID>1</UID><Name>Design</Name></Task>\n  </Tasks>\n  <Resources>\n"
        "    <Resource><UID>1</UID><Name>Peter Marsh</Name></Resource>\n"
        "    <Resource><UID>2</UID><Name>Nobody Known</Name></Resource>\n  </Resources>\n</Project>\n");
}

void TestMsProject::cleanup()
{
    qunsetenv("KITBENCH_MSPROJECT_SAVE_DIR");
    qunsetenv("KITBENCH_MSPROJECT_VERSION");
}

KitbenchRun TestMsProject::run(const DevServer& server, const QStringList& job, const QString& answers)
{
    return KitbenchRun::start(job + QStringList{"/L", "admin@" + server.address(), "/P", "admin"}, answers);
}

void TestMsProject::importIntoExisting_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("project");
    QTest::addColumn<bool>("synchronize"); // the check box is ticked
    QTest::addColumn<bool>("asked");       // the question before importing into an existing project
    QTest::addColumn<int>("stepOneId");
    QTest::addColumn<int>("stepTwoId");
    QTest::newRow("4.7 plain project") << "4.7"
                                       << "ERP Migration" << false << true << 2 << 2;
    QTest::newRow("4.7 switched to synchronization") << "4.7"
                                                     << "ERP Migration" << true << true << 2 << -2;
    QTest::newRow("4.7 project already synchronized")
        << "4.7"
        << "Warehouse Automation (*)" << false << false << -4 << -4;
    QTest::newRow("4.5: no synchronization box") << "4.5"
                                                 << "Warehouse Automation (*)" << false << false << 4 << 4;
    QTest::newRow("3.5") << "3.5"
                         << "Trade Fair 2027" << false << false << 3 << 3;
}

void TestMsProject::importIntoExisting()
{
    QFETCH(QString, version);
    QFETCH(QString, project);
    QFETCH(bool, synchronize);
    QFETCH(bool, asked);
    QFETCH(int, stepOneId);
    QFETCH(int, stepTwoId);
    DevServer server({"--seed", "demo", "--server-version", version});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    QString answers = "[page 11]\nSelectProjectCombo = " + project + "\n";
    if (synchronize)
        answers += "CheckUseMsProjectSync = 1\n";
    answers += "[messages]\n2646 = OK\n";

    const KitbenchRun result = run(server, {"/importproject", m_plan}, answers);
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QCOMPARE(result.pages(), (QList<int>{0, 1, 11, 12, 21}));
    QCOMPARE(result.err.contains("[2646]"), asked);
    QVERIFY2(result.out.contains("The MS Project plan has been imported."), qPrintable(result.out));

    QCOMPARE(methods(server), (QStringList{"GetServerVersion", "GetOrvProjectList", "ImportMsProjectStep1",
                                           "ImportMsProjectStep2"}));
    const QJsonArray one = server.calls("ImportMsProjectStep1").first().value("args").toArray();
    QCOMPARE(one.size(), 2);
    QCOMPARE(one[0].toInt(), stepOneId);
    QCOMPARE(one[1].toString(), kPlanXml);
    const QJsonObject second = server.calls("ImportMsProjectStep2").first();
    QCOMPARE(second.value("status").toString(), QString("OK"));
    const QJsonArray two = second.value("args").toArray();
    QCOMPARE(two[0].toInt(), stepTwoId);
    QVERIFY2(QRegularExpression("^" + kMapping + "$").match(two[1].toString()).hasMatch(),
             qPrintable(two[1].toString()));
}

void TestMsProject::importIntoNewProject_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("create");
    QTest::addColumn<QString>("extra"); // answers the version's project page needs besides
    QTest::newRow("4.7") << "4.7"
                         << "CreateProject45"
                         << "ProjectPriorityCombo = #1\nProjectPhaseCombo = #1\n[messages]\n5061 = No\n";
    QTest::newRow("3.5") << "3.5"
                         << "CreateProject"
                         << "";
}

void TestMsProject::importIntoNewProject()
{
    QFETCH(QString, version);
    QFETCH(QString, create);
    QFETCH(QString, extra);
    DevServer server({"--seed", "demo", "--server-version", version});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun result = run(server, {"/importproject", m_plan}, kNewProjectPages + extra);
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QCOMPARE(result.pages(), (QList<int>{0, 1, 11, 8, 9, 18, 20, 12, 21}));
    QVERIFY2(result.out.contains("The MS Project plan has been imported."), qPrintable(result.out));

    const QStringList sent = methods(server);
    const qsizetype created = sent.indexOf(create);
    QVERIFY2(created > 0, qPrintable(sent.join(' ')));
    QCOMPARE(sent.mid(created), (QStringList{create, "ImportMsProjectStep1", "ImportMsProjectStep2"}));
    // The project pages were filled for the new project before it was created.
    QVERIFY(sent.indexOf("LoadDictionaries") < created);
    // The plan's dates stood in the date pickers.
    const QJsonArray project = server.calls(create).first().value("args").toArray();
    QCOMPARE(project[7].toString(), QString("2026-04-01T12:00:00"));
    QCOMPARE(project[8].toString(), QString("2026-05-15T12:00:00"));
    // Both steps go to the new project: the demo holds six projects, so it is the seventh.
    const QJsonArray one = server.calls("ImportMsProjectStep1").first().value("args").toArray();
    QCOMPARE(one[0].toInt(), 7);
    QCOMPARE(one[1].toString(), kPlanXml);
    const QJsonArray two = server.calls("ImportMsProjectStep2").first().value("args").toArray();
    QCOMPARE(two[0].toInt(), 7);
    QVERIFY2(QRegularExpression("^" + kMapping + "$").match(two[1].toString()).hasMatch(),
             qPrintable(two[1].toString()));
}

void TestMsProject::failedSteps_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<QString>("message"); // on standard error; "" for none
    QTest::addColumn<QString>("report");  // on standard output; "" when the final page is not reached
    const QString existing = "[page 11]\nSelectProjectCombo = ERP Migration\n[messages]\n2646 = OK\n";
    QTest::newRow("step one refused for an existing project: stay")
        << "ImportMsProjectStep1=soap-fault" << existing << 2 << QList<int>{0, 1, 11} << "[5005]"
        << "";
    QTest::newRow("step one refused for a new project: the final page says so")
        << "ImportMsProjectStep1=soap-fault"
        << kNewProjectPages + "ProjectPriorityCombo = #1\nProjectPhaseCombo = #1\n"
        << 0 << QList<int>{0, 1, 11, 8, 9, 18, 20, 21} << ""
        << "The MS Project plan could not be imported: ";
    QTest::newRow("step two refused: stay on the assignments")
        << "ImportMsProjectStep2=soap-fault" << existing << 2 << QList<int>{0, 1, 11, 12} << "[5005]"
        << "";
    QTest::newRow("the server's state is shown")
        << "ImportMsProjectStep2=status:Import locked" << existing << 2 << QList<int>{0, 1, 11, 12}
        << "[5009] The server reported an error: Import locked"
        << "";
}

void TestMsProject::failedSteps()
{
    QFETCH(QString, fault);
    QFETCH(QString, answers);
    QFETCH(int, exitCode);
    QFETCH(QList<int>, pages);
    QFETCH(QString, message);
    QFETCH(QString, report);
    DevServer server({"--seed", "demo", "--fault", fault});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun result = run(server, {"/importproject", m_plan}, answers);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.pages(), pages);
    if (message.isEmpty())
        QVERIFY2(!result.err.contains(QRegularExpression("\\[(5005|5009|0)\\]")), qPrintable(result.err));
    else
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
    if (!report.isEmpty())
        QVERIFY2(result.out.contains(report), qPrintable(result.out));
    // Step two never follows a failed step one.
    if (fault.startsWith("ImportMsProjectStep1"))
        QVERIFY(server.calls("ImportMsProjectStep2").isEmpty());
}

void TestMsProject::exportProject_data()
{
    QTest::addColumn<QString>("release");
    QTest::addColumn<QString>("project");
    QTest::addColumn<int>("projectId");
    QTest::addColumn<bool>("built");            // the plan was built step by step (on whole days)
    QTest::addColumn<int>("tasks");             // the project's tasks in the demo
    QTest::addColumn<QString>("calendar");      // the plan's calendar
    QTest::addColumn<QStringList>("calendars"); // calendars the plan holds (among others)
    // Opened plans keep the server's calendars; built ones make the chain most basic first, the
    // last one made being the plan's (Standard exists in a new plan already).
    QTest::newRow("release 11 opens the XML")
        << "11.0"
        << "ERP Migration" << 2 << false << 1 << "Standard" << QStringList{"Standard", "Company Week"};
    QTest::newRow("release 9 gets the plan built")
        << "9.0"
        << "ERP Migration" << 2 << true << 1 << "Company Week" << QStringList{"Standard", "Company Week"};
    QTest::newRow("synchronized project")
        << "11.0"
        << "Warehouse Automation (*)" << -4 << false << 0 << "Standard" << QStringList{"Standard"};
    QTest::newRow("release 11, calendar chain of three")
        << "11.0"
        << "Trade Fair 2027" << 3 << false << 0 << "Night Shift"
        << QStringList{"Night Shift", "Standard", "Company Week"};
    QTest::newRow("release 9 builds the chain of three")
        << "9.0"
        << "Trade Fair 2027" << 3 << true << 0 << "Night Shift"
        << QStringList{"Company Week", "Standard", "Night Shift"};
    QTest::newRow("release 9, a calendar based on itself ends its chain")
        << "9.0"
        << "Help Desk Tooling" << 5 << true << 0 << "24 Hours" << QStringList{"24 Hours"};
}

void TestMsProject::exportProject()
{
    QFETCH(QString, release);
    QFETCH(QString, project);
    QFETCH(int, projectId);
    QFETCH(bool, built);
    QFETCH(int, tasks);
    QFETCH(QString, calendar);
    QFETCH(QStringList, calendars);
    DevServer server({"--seed", "demo"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    QTemporaryDir saved;
    qputenv("KITBENCH_MSPROJECT_SAVE_DIR", saved.filePath("plans").toLocal8Bit());
    qputenv("KITBENCH_MSPROJECT_VERSION", release.toLocal8Bit());

    const KitbenchRun result = run(server, {"/exportproject"}, "[page 10]\nListProjects = " + project + "\n");
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QCOMPARE(result.pages(), (QList<int>{0, 1, 10, 21}));
    QVERIFY2(result.out.contains("The project ''" + project + "'' has been opened in Microsoft Project."),
             qPrintable(result.out));
    const QList<QJsonObject> calls = server.calls("ExportOrvProject");
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().value("args").toArray(), QJsonArray{projectId});

    const QString title = QString(project).remove(" (*)");
    QFile file(saved.filePath("plans/" + title + ".xml"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(QDir(saved.filePath("plans")).entryList().join(',')));
    const QString plan = QString::fromUtf8(file.readAll());
    QVERIFY(plan.contains("<Title>" + title + "</Title>"));
    // The server's tasks arrive in the plan, besides the summary task.
    QCOMPARE(plan.count("<Task>"), 1 + tasks);
    QMap<QString, QString> calendarNames; // by UID
    const QRegularExpression calendarElement("<Calendar>\\s*<UID>(\\d+)</UID>\\s*<Name>([^<]*)</Name>");
    for (auto match = calendarElement.globalMatch(plan); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        calendarNames.insert(found.captured(1), found.captured(2));
    }
    for (const QString& name : calendars)
        QVERIFY2(calendarNames.values().contains(name), qPrintable(calendarNames.values().join(',')));
    const QString planCalendar =
        QRegularExpression("<CalendarUID>(-?\\d+)</CalendarUID>").match(plan).captured(1);
    QCOMPARE(calendarNames.value(planCalendar), calendar);
    if (tasks == 0)
        return;
    const QRegularExpression moments(
        "<(Start|Finish)>\\d{4}-\\d{2}-\\d{2}T(\\d{2}:\\d{2}):\\d{2}</(Start|Finish)>");
    QStringList times;
    for (auto match = moments.globalMatch(plan); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        times << found.captured(1) + " " + found.captured(2);
    }
    QCOMPARE(times.size(), 2 * tasks);
    // Built plans lie on whole days: from midnight to a minute before the next; opened ones keep the times.
    const bool wholeDays =
        times.filter(QRegularExpression("^(Start 00:00|Finish 23:59)$")).size() == times.size();
    QVERIFY2(wholeDays == built, qPrintable(times.join(',')));
}

void TestMsProject::msProjectMissing()
{
    DevServer server({"--seed", "demo"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    QTemporaryDir saved;
    QFile blocker(saved.filePath("not a folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("KITBENCH_MSPROJECT_SAVE_DIR", saved.filePath("not a folder/plans").toLocal8Bit());
    const KitbenchRun result = run(server, {"/exportproject"}, "[page 10]\nListProjects = ERP Migration\n");
    // Microsoft Project cannot be started: said once; the export itself went through.
    QCOMPARE(result.err.count("[5055]"), 1);
    QCOMPARE(server.calls("ExportOrvProject").size(), 1);
    QCOMPARE(result.pages(), (QList<int>{0, 1, 10, 21}));
    QVERIFY2(result.out.contains(
                 "The project could not be opened in Microsoft Project: Microsoft Project could not "
                 "be started."),
             qPrintable(result.out));
}

void TestMsProject::planTooLargeForTheServer()
{
    // A server with a small request limit refuses step one with 413 and an empty body.
    DevServer server({"--seed", "demo", "--max-body", "2048"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const QString plan = m_files.filePath("large plan.xml");
    QFile file(plan);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Project xmlns=\"http://schemas.microsoft.com/project\"><Title>Large</Title><Tasks>");
    for (int uid = 1; uid <= 60; ++uid)
        file.write(QStringLiteral("<Task><UID>%1</UID><Name>Task number %1</Name></Task>").arg(uid).toUtf8());
    file.write("</Tasks></Project>");
    file.close();

    const KitbenchRun result = run(server, {"/importproject", plan},
                                   "[page 11]\nSelectProjectCombo = ERP Migration\n[messages]\n2646 = OK\n");
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.pages(), (QList<int>{0, 1, 11}));
    QVERIFY2(result.err.contains("[9500] The server refused the request because it is too large."),
             qPrintable(result.err));
    QVERIFY(server.calls("ImportMsProjectStep1").isEmpty());
    QVERIFY2(server.journal().last().value("status").toString().startsWith("HTTP 413"),
             qPrintable(server.journal().last().value("status").toString()));
}

void TestMsProject::largePlanImports()
{
    // Step one echoes the plan: a gzipped answer of over 10 MB that shrank far more than 40 times,
    // which Qt refuses by default as a decompression bomb.
    DevServer server({"--seed", "demo", "--max-body", QString::number(64 << 20)});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const QString plan = m_files.filePath("big plan.xml");
    QFile file(plan);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Project xmlns=\"http://schemas.microsoft.com/project\"><Title>Big</Title><Tasks>");
    const QByteArray padding = QByteArray("<Notes>") + QByteArray(1000, 'n') + "</Notes>";
    for (int uid = 1; uid <= 10000; ++uid)
        file.write(QStringLiteral("<Task><UID>%1</UID><Name>T%1</Name>").arg(uid).toUtf8() + padding +
                   "</Task>");
    file.write(
        "</Tasks><Resources><Resource><UID>1</UID><Name>Peter Marsh</Name></Resource></Resources></Project>");
    file.close();

    const KitbenchRun result = run(server, {"/importproject", plan},
                                   "[page 11]\nSelectProjectCombo = ERP Migration\n[messages]\n2646 = OK\n");
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    for (const char* step : {"ImportMsProjectStep1", "ImportMsProjectStep2"}) {
        const QList<QJsonObject> calls = server.calls(step);
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].value("status").toString(), QStringLiteral("OK"));
    }
    QVERIFY(server.calls("ImportMsProjectStep1")[0].value("args").toArray().at(1).toString().size() >
            10000000);
}

QTEST_MAIN(TestMsProject)
#include "tst_msproject.moc"

// The MS Project jobs unattended: plans imported into existing and new projects, failed steps, plans too
// large, and server projects opened through the saving-only stand-in; the journal shows what arrived.
#include "Scenario.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// The plan as the wizard sends it: loaded and written out again without the declaration and the blanks
// between elements.
const QString kPlanXml =
    "<Project xmlns=\"http://schemas.microsoft.com/project\"><Title>Shop fit-out</Title>"
    "<StartDate>2026-04-01T12:00:00</StartDate><FinishDate>2026-05-15T12:00:00</FinishDate>"
    "<Tasks><Task><UID>1</UID><Name>Design</Name></Task></Tasks><Resources>"
    "<Resource><UID>1</UID><Name>Peter Marsh</Name></Resource>"
    "<Resource><UID>2</UID><Name>Nobody Known</Name></Resource></Resources></Project>";

// Peter Marsh is a user of the demo (id 2); nobody is called "Nobody Known".
const QString kMapping = "<ImportConfig><XMLVersionID>*</XMLVersionID><ImportAssignments>"
                         "<Assignment><ResourceId>1</ResourceId><UserId>2</UserId></Assignment>"
                         "<Assignment><ResourceId>2</ResourceId><UserId>-1</UserId></Assignment>"
                         "</ImportAssignments></ImportConfig>";

const QString kNewProjectPages =
    "[page 8]\nProjectTitleText = Shop fit-out\nProjectTypeCombo = #1\n"
    "ProjectStatusCombo = #1\nProjectCalendarCombo = #0\nProjectManagerCombo = #1\n"
    "ProjectExecutiveCombo = #1\nProjectCurrencyCombo = #1\nProjectClientCombo = #1\n";
const QString kExisting = "[page 11]\nSelectProjectCombo = ERP Migration\n[messages]\n2646 = OK\n";
const QString kImported = "The MS Project plan has been imported.";

QString step(int number, int project, const QString& document)
{
    return "ImportMsProjectStep" + QString::number(number) + ' ' +
           compactJson(QJsonArray{project, document}) + " OK";
}

QString writePlan(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() ? path : QString();
}

} // namespace

class TestMsProject : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void imports_data();
    void imports();
    void exports_data();
    void exports();

private:
    QTemporaryDir m_files;
    QString m_plan;
    ScenarioPlayer m_player;
};

void TestMsProject::initTestCase()
{
    // The wizard's clock runs on UTC; the profile's zone is declined, so page dates go out unshifted.
    qputenv("TZ", "UTC");
    m_plan = writePlan(
        m_files.filePath("shop fit-out.xml"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Project xmlns=\"http://schemas.microsoft.com/project\">\n  <Title>Shop fit-out</Title>\n"
        "  <StartDate>2026-04-01T12:00:00</StartDate>\n  <FinishDate>2026-05-15T12:00:00</FinishDate>\n"
        "  <Tasks>\n    <Task><UID>1</UID><Name>Design</Name></Task>\n  </Tasks>\n  <Resources>\n"
        "    <Resource><UID>1</UID><Name>Peter Marsh</Name></Resource>\n"
        "    <Resource><UID>2</UID><Name>Nobody Known</Name></Resource>\n  </Resources>\n</Project>\n");
    QVERIFY(!m_plan.isEmpty());
}

void TestMsProject::imports_data()
{
    QTest::addColumn<Scenario>("row");
    auto existing = [this](const QString& version, const QString& project, bool synchronize, bool asked,
                           int one, int two) {
        return Scenario{.job = {"/importproject", m_plan},
                        .answers = "[page 11]\nSelectProjectCombo = " + project + "\n" +
                                   (synchronize ? "CheckUseMsProjectSync = 1\n" : "") +
                                   "[messages]\n2646 = OK\n",
                        .version = version,
                        .pages = {0, 1, 11, 12, 21},
                        .calls = {"GetServerVersion", "GetOrvProjectList", step(1, one, kPlanXml),
                                  step(2, two, kMapping)},
                        .onlyCalls = true,
                        .err = asked ? QStringList{"[2646]"} : QStringList{},
                        .out = {kImported},
                        .fresh = synchronize};
    };
    QTest::newRow("4.7 plain project") << existing("4.7", "ERP Migration", false, true, 2, 2);
    QTest::newRow("4.7 switched to synchronization") << existing("4.7", "ERP Migration", true, true, 2, -2);
    QTest::newRow("4.7 project already synchronized")
        << existing("4.7", "Warehouse Automation (*)", false, false, -4, -4);
    QTest::newRow("4.5: no synchronization box")
        << existing("4.5", "Warehouse Automation (*)", false, false, 4, 4);
    QTest::newRow("3.5") << existing("3.5", "Trade Fair 2027", false, false, 3, 3);

    // A new project: created from the project pages with the plan's dates, then both steps go to it (the
    // demo holds six projects, so it is the seventh).
    auto created = [this](const QString& version, const QString& method, const QString& extra) {
        return Scenario{
            .job = {"/importproject", m_plan},
            .answers = kNewProjectPages + extra,
            .version = version,
            .pages = {0, 1, 11, 8, 9, 18, 20, 12, 21},
            .calls = {"LoadDictionaries",
                      method + " [\"Shop fit-out\",*,\"2026-04-01T12:00:00\",\"2026-05-15T12:00:00\",*] OK",
                      step(1, 7, kPlanXml), step(2, 7, kMapping)},
            .out = {kImported},
            .fresh = true};
    };
    QTest::newRow("new project on 4.7")
        << created("4.7", "CreateProject45",
                   "ProjectPriorityCombo = #1\nProjectPhaseCombo = #1\n[messages]\n5061 = No\n");
    QTest::newRow("new project on 3.5") << created("3.5", "CreateProject", "");

    auto failed = [this](const QString& fault, const QString& answers, int exitCode, const QList<int>& pages,
                         const QString& message) {
        return Scenario{.job = {"/importproject", m_plan},
                        .answers = answers,
                        .faults = {fault},
                        .exitCode = exitCode,
                        .pages = pages,
                        .calls = {fault.section('=', 0, 0)},
                        .absent = fault.startsWith("ImportMsProjectStep1")
                                      ? QStringList{"ImportMsProjectStep2"}
                                      : QStringList{},
                        .err = {message}};
    };
    QTest::newRow("step one refused for an existing project: stay")
        << failed("ImportMsProjectStep1=soap-fault", kExisting, 2, {0, 1, 11}, "[5005]");
    Scenario finalPage = failed("ImportMsProjectStep1=soap-fault",
                                kNewProjectPages + "ProjectPriorityCombo = #1\nProjectPhaseCombo = #1\n", 0,
                                {0, 1, 11, 8, 9, 18, 20, 21}, "");
    finalPage.err.clear();
    finalPage.out = {"The MS Project plan could not be imported: "};
    QTest::newRow("step one refused for a new project: the final page says so") << finalPage;
    QTest::newRow("step two refused: stay on the assignments")
        << failed("ImportMsProjectStep2=soap-fault", kExisting, 2, {0, 1, 11, 12}, "[5005]");
    QTest::newRow("the server's state is shown")
        << failed("ImportMsProjectStep2=status:Import locked", kExisting, 2, {0, 1, 11, 12},
                  "[5009] The server reported an error: Import locked");

    // A server with a small request limit refuses step one with 413 and an empty body.
    QByteArray large = "<Project xmlns=\"http://schemas.microsoft.com/project\"><Title>Large</Title><Tasks>";
    for (int uid = 1; uid <= 60; ++uid)
        large += QStringLiteral("<Task><UID>%1</UID><Name>Task number %1</Name></Task>").arg(uid).toUtf8();
    Scenario tooLarge = failed("--max-body 2048", kExisting, 2, {0, 1, 11},
                               "[9500] The server refused the request because it is too large.");
    tooLarge.job = QStringList{"/importproject",
                               writePlan(m_files.filePath("large plan.xml"), large + "</Tasks></Project>")};
    tooLarge.calls = {"GetOrvProjectList"};
    tooLarge.absent = {"ImportMsProjectStep1"};
    QTest::newRow("plan too large for the server") << tooLarge;
    // Step one echoes the plan: a gzipped answer of over 10 MB that shrank far more than 40 times, which Qt
    // refuses by default as a decompression bomb.
    QByteArray big = "<Project xmlns=\"http://schemas.microsoft.com/project\"><Title>Big</Title><Tasks>";
    const QByteArray padding = "<Notes>" + QByteArray(1000, 'n') + "</Notes>";
    for (int uid = 1; uid <= 10000; ++uid)
        big += QStringLiteral("<Task><UID>%1</UID><Name>T%1</Name>").arg(uid).toUtf8() + padding + "</Task>";
    big +=
        "</Tasks><Resources><Resource><UID>1</UID><Name>Peter Marsh</Name></Resource></Resources></Project>";
    QTest::newRow("large plan imports")
        << Scenario{.job = {"/importproject", writePlan(m_files.filePath("big plan.xml"), big)},
                    .answers = kExisting,
                    .faults = {"--max-body " + QString::number(64 << 20)},
                    .calls = {"ImportMsProjectStep1 [2,*] OK", "ImportMsProjectStep2 * OK"}};
}

void TestMsProject::imports()
{
    QFETCH(Scenario, row);
    QVERIFY2(m_player.plays(row), m_player.why());
    const QByteArray tag = QTest::currentDataTag();
    if (tag == "plan too large for the server")
        QVERIFY(m_player.entries().last().value("status").toString().startsWith("HTTP 413"));
    if (tag == "large plan imports")
        QVERIFY(m_player.journal().filter("ImportMsProjectStep1").first().size() > 10000000);
}

void TestMsProject::exports_data()
{
    QTest::addColumn<Scenario>("row");
    QTest::addColumn<bool>("built");            // the plan was built step by step (on whole days)
    QTest::addColumn<int>("tasks");             // the project's tasks in the demo
    QTest::addColumn<QString>("calendar");      // the plan's calendar
    QTest::addColumn<QStringList>("calendars"); // calendars the plan holds (among others)
    auto open = [](const QString& release, const QString& project, int id) {
        return Scenario{.job = {"/exportproject"},
                        .answers = "[page 10]\nListProjects = " + project + "\n",
                        .pages = {0, 1, 10, 21},
                        .calls = {"ExportOrvProject [" + QString::number(id) + "] OK"},
                        .out = {"The project ''" + project + "'' has been opened in Microsoft Project."},
                        .environment = {{"KITBENCH_MSPROJECT_VERSION", release}}};
    };
    // Opened plans keep the server's calendars; built ones make the chain most basic first, the last one
    // made being the plan's (Standard exists in a new plan already).
    QTest::newRow("release 11 opens the XML") << open("11.0", "ERP Migration", 2) << false << 1 << "Standard"
                                              << QStringList{"Standard", "Company Week"};
    QTest::newRow("release 9 gets the plan built")
        << open("9.0", "ERP Migration", 2) << true << 1 << "Company Week"
        << QStringList{"Standard", "Company Week"};
    QTest::newRow("synchronized project") << open("11.0", "Warehouse Automation (*)", -4) << false << 0
                                          << "Standard" << QStringList{"Standard"};
    QTest::newRow("release 11, calendar chain of three")
        << open("11.0", "Trade Fair 2027", 3) << false << 0 << "Night Shift"
        << QStringList{"Night Shift", "Standard", "Company Week"};
    QTest::newRow("release 9 builds the chain of three")
        << open("9.0", "Trade Fair 2027", 3) << true << 0 << "Night Shift"
        << QStringList{"Company Week", "Standard", "Night Shift"};
    QTest::newRow("release 9, a calendar based on itself ends its chain")
        << open("9.0", "Help Desk Tooling", 5) << true << 0 << "24 Hours" << QStringList{"24 Hours"};
    // Microsoft Project cannot be started (its folder cannot be made): said once; the export went through.
    Scenario missing = open("11.0", "ERP Migration", 2);
    missing.environment.insert("KITBENCH_MSPROJECT_SAVE_DIR", m_plan + "/plans");
    missing.err = {"[5055]"};
    missing.out = {
        "The project could not be opened in Microsoft Project: Microsoft Project could not be started."};
    QTest::newRow("Microsoft Project missing") << missing << false << -1 << "" << QStringList{};
}

void TestMsProject::exports()
{
    QFETCH(Scenario, row);
    QFETCH(bool, built);
    QFETCH(int, tasks);
    QFETCH(QString, calendar);
    QFETCH(QStringList, calendars);
    QTemporaryDir saved;
    if (!row.environment.contains("KITBENCH_MSPROJECT_SAVE_DIR"))
        row.environment.insert("KITBENCH_MSPROJECT_SAVE_DIR", saved.filePath("plans"));
    QVERIFY2(m_player.plays(row), m_player.why());
    if (tasks < 0) {
        QCOMPARE(m_player.run().err.count("[5055]"), 1);
        return;
    }
    const QString title = row.answers.section("= ", 1).trimmed().remove(" (*)");
    QFile file(saved.filePath("plans/" + title + ".xml"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(QDir(saved.filePath("plans")).entryList().join(',')));
    const QString plan = QString::fromUtf8(file.readAll());
    QVERIFY(plan.contains("<Title>" + title + "</Title>"));
    // The server's tasks arrive in the plan, besides the summary task.
    QCOMPARE(plan.count("<Task>"), 1 + tasks);
    QMap<QString, QString> calendarNames; // by UID
    const QRegularExpression calendarElement("<Calendar>\\s*<UID>(\\d+)</UID>\\s*<Name>([^<]*)</Name>");
    for (const QRegularExpressionMatch& found : calendarElement.globalMatch(plan))
        calendarNames.insert(found.captured(1), found.captured(2));
    for (const QString& name : calendars)
        QVERIFY2(calendarNames.values().contains(name), qPrintable(calendarNames.values().join(',')));
    QCOMPARE(calendarNames.value(
                 QRegularExpression("<CalendarUID>(-?\\d+)</CalendarUID>").match(plan).captured(1)),
             calendar);
    // Built plans lie on whole days: from midnight to a minute before the next; opened ones keep the times.
    QStringList times;
    const QRegularExpression moments(
        "<(Start|Finish)>\\d{4}-\\d{2}-\\d{2}T(\\d{2}:\\d{2}):\\d{2}</(Start|Finish)>");
    for (const QRegularExpressionMatch& found : moments.globalMatch(plan))
        times << found.captured(1) + " " + found.captured(2);
    QCOMPARE(times.size(), 2 * tasks);
    if (tasks)
        QCOMPARE(times.filter(QRegularExpression("^(Start 00:00|Finish 23:59)$")).size() == times.size(),
                 built);
}

QTEST_GUILESS_MAIN(TestMsProject)
#include "tst_msproject.moc"

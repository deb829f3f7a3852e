// The item jobs unattended on each release that creates items: the create call in the release's shape
// with the pages' values; a page check or a failed create call keeps the page.
#include "Scenario.h"
#include "ServiceCall.h"

#include <QTest>

namespace {

// What a demo server lists on the page of one object type, as the wizard's admin sees it.
struct Directory
{
    QString dictionaries, categories, projects;

    Directory(const QString& address, int code)
    {
        const QString type = "<objectTypeId>" + QString::number(code) + "</objectTypeId>";
        dictionaries = callService(address, "LoadDictionaries", "<language>en-US</language>" + type);
        categories = callService(address, "GetCategoryList2", type);
        projects = callService(address, "GetOrvProjectList2", type);
    }
    static int at(const QString& xml, const QString& path, int index)
    {
        return xmlValues(xml, path).value(index, "-999").toInt();
    }
    // "Data" of item `index` of a dictionary, a user of a dictionary, a category.
    int item(const QString& name, int index) const { return at(dictionaries, name + "/Item/Data", index); }
    int user(const QString& name, int index) const { return at(dictionaries, name + "/User/UserId", index); }
    QString categoryName(int i) const { return xmlValues(categories, "Category/CategoryName").value(i); }
    int categoryId(int index) const { return at(categories, "Category/CategoryId", index); }
    // The project at combo index i (index 0 is "no project"), and its manager.
    int projectId(int i) const { return i ? at(projects, "Project/ObjectID", i - 1) : 0; }
    int projectManager(int i) const { return at(projects, "Project/Manager/User/UserId", i - 1); }
    // A possible manager by "FirstName LastName".
    int userId(const QString& fullName) const
    {
        const QStringList first = xmlValues(projects, "Managers/User/FirstName");
        const QStringList last = xmlValues(projects, "Managers/User/LastName");
        for (qsizetype i = 0; i < first.size(); ++i)
            if (first[i] + ' ' + last.value(i) == fullName)
                return at(projects, "Managers/User/UserId", int(i));
        return -999;
    }
};

// The answer line that picks a client ('o' the second organization, 'c' the second contact, else none),
// and the contact and organization ids it sends.
std::tuple<QString, int, int> chooseClient(const Directory& d, const QString& prefix, char client)
{
    const int organizations = int(xmlValues(d.dictionaries, prefix + "Organization/Item/Data").size());
    if (client == 'o')
        return {prefix + "ClientCombo = #1\n", -1, d.item(prefix + "Organization", 1)};
    if (client == 'c')
        return {prefix + "ClientCombo = #" + QString::number(organizations + 1) + "\n",
                d.item(prefix + "Contact", 1), -1};
    return {QString(), -1, -1};
}

// The team page: one plain participant, then one who must confirm (sent negated). With a project chosen
// on a task or to-do the page offers the project's team only; otherwise the users are searched for.
QString teamAnswers(const QString& plain, const QString& confirming, bool projectBound)
{
    auto pick = [projectBound](const QString& name) {
        const QString search =
            projectBound ? QString() : "SearchResourceText = " + name.section(' ', 1) + "\nFindCommand\n";
        return search + "NewResourcesListView = " + name + "\nAddNewUsersCommand\n";
    };
    return "[page 18]\n" + pick(plain) + "MustConfirmedCheck = 1\n" + pick(confirming);
}

// The keyword of each job (in the spellings a command line may use) and its page path.
const QMap<QString, std::pair<QString, QList<int>>> kJobs{
    {"incident", {"/createincident", {0, 1, 2, 20, 21}}},
    {"task", {"/createtask", {0, 1, 3, 18, 20, 21}}},
    {"event", {"/CREATEEVENT", {0, 1, 4, 18, 20, 21}}},
    {"to-do", {"-createtodo", {0, 1, 5, 18, 20, 21}}},
    {"project", {"/createproject", {0, 1, 8, 9, 18, 20, 21}}}};

// The computer the wizard runs on: India (bias -330, no daylight time); admin's profile says UTC.
constexpr int kLocalBias = -330;
constexpr int kProfileOffset = 0;

} // namespace

class TestItems : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void runs_data();
    void runs();

private:
    ScenarioPlayer m_player;
    std::map<QString, std::map<int, std::shared_ptr<Directory>>> m_directories;
};

void TestItems::initTestCase()
{
    qputenv("TZ", "Asia/Kolkata");
    for (const QString version : {"3.5", "4.0", "4.1", "4.5", "4.7"}) {
        DevServer& server = m_player.serverFor(Scenario{.version = version});
        QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
        for (int code : {7, 5, 4, 6, 3})
            m_directories[version][code] = std::make_shared<Directory>(server.address(), code);
    }
    // The rows below need a project, two categories and a second client of each kind.
    const Directory& incident = *m_directories["4.7"][7];
    QVERIFY(incident.projectId(2) > 0 && !incident.categoryName(2).isEmpty());
    QVERIFY(incident.item("IncidentOrganization", 1) != -999 && incident.item("IncidentContact", 1) != -999);
}

void TestItems::runs_data()
{
    QTest::addColumn<Scenario>("row");
    struct Variant
    {
        QString version;
        QString jobs; // the jobs whose call has a shape of its own on this release
        char incidentClient, eventClient, toDoClient; // see chooseClient()
        int toDoFlags;
        QString timeZoneAnswer; // "" when no question comes (no time offset before 4.5)
    };
    const QList<Variant> variants{{"3.5", "incident event to-do project", 0, 0, 0, 0, ""},
                                  {"4.0", "task to-do project", 0, 0, 0, 1, ""},
                                  {"4.1", "to-do", 0, 0, 0, 2, ""},
                                  {"4.5", "incident task to-do", 'c', 0, 'o', 3, "Yes"},
                                  {"4.7", "incident event project", 'o', 'c', 0, 3, "No"}};
    for (const Variant& v : variants) {
        const bool rich = v.version >= "4.5";
        const QString messages =
            v.timeZoneAnswer.isEmpty() ? "" : "[messages]\n5061 = " + v.timeZoneAnswer + "\n";
        // Yes keeps the profile's zone: page dates move by profile - local minutes.
        const int shift = v.timeZoneAnswer == "Yes" ? kProfileOffset - kLocalBias : 0;
        auto sent = [shift](const QString& page) {
            return QDateTime::fromString(page, "yyyy-MM-dd HH:mm")
                .addSecs(shift * 60)
                .toString("yyyy-MM-ddTHH:mm:ss");
        };
        auto row = [&](const QString& job, const QString& answers, const QString& method,
                       const QJsonArray& args, const QString& report) {
            if (!v.jobs.contains(job))
                return;
            QTest::newRow(qPrintable(job + " on " + v.version +
                                     (messages.isEmpty() ? "" : ", zone " + v.timeZoneAnswer)))
                << Scenario{.job = {kJobs.value(job).first},
                            .answers = answers + messages,
                            .version = v.version,
                            .pages = kJobs.value(job).second,
                            .calls = {method + ' ' + compactJson(args) + " OK"},
                            .err = messages.isEmpty() ? QStringList{} : QStringList{"[5061]"},
                            .out = {report}};
        };
        auto team = [](const Directory& d, const QString& plain, const QString& confirming) {
            return QJsonArray{d.userId(plain), -d.userId(confirming)};
        };
        { // incident
            const Directory& d = *m_directories[v.version][7];
            const auto [clientAnswer, contact, organization] = chooseClient(d, "Incident", v.incidentClient);
            QString answers =
                "[page 2]\nIncidentTitleText = \"  Printer jams on floor 3  \"\n"
                "IncidentDescriptionText = Paper tray  two is stuck\nIncidentProjectCombo = #2\n"
                "IncidentTypeCombo = #1\nIncidentPriorityCombo = #0\nIncidentCategoryListView = " +
                d.categoryName(0) + "|" + d.categoryName(2) + "\n";
            if (rich)
                answers += "IncidentSeverityCombo = #1\nIncidentBoxCombo = #1\n" + clientAnswer;
            QJsonArray args({"  Printer jams on floor 3  ", "Paper tray  two is stuck", d.projectId(2),
                             d.item("IncidentType", 1), d.item("Priority", 0),
                             d.item("Severity", rich ? 1 : 0), QJsonArray{d.categoryId(0), d.categoryId(2)}});
            if (rich)
                args << d.item("IncidentBox", 0) << contact << organization;
            row("incident", answers, rich ? "CreateIncident45" : "CreateIncident", args,
                "The incident has been created.");
        }
        { // task
            const Directory& d = *m_directories[v.version][5];
            const QString answers =
                "[page 3]\nTaskTitleText = \" Prepare release notes \"\nTaskDescriptionText = Version 2.3\n"
                "TaskProjectCombo = #1\nTaskStartDateDayDTPicker = 2031-03-10\n"
                "TaskStartDateTimeDTPicker = 09:30\nTaskEndDateDayDTPicker = 2031-03-12\n"
                "TaskEndDateTimeDTPicker = 17:15\nTaskPriorityCombo = #2\nTaskCompetionTypeCombo = #1\n"
                "TaskConfirmByManagerCheck = 1\nTaskCategoryListView = " +
                d.categoryName(1) + "\n" + teamAnswers("Robert Kowalski", "Bhavesh Patel", true);
            const QJsonArray args({" Prepare release notes ", "Version 2.3", d.projectId(1),
                                   sent("2031-03-10 09:30"), sent("2031-03-12 17:15"), false,
                                   d.item("Priority", 2), d.item("CompletionType", 1), true,
                                   team(d, "Robert Kowalski", "Bhavesh Patel")});
            row("task", answers, "CreateTask", args, "The task has been created.");
        }
        { // event
            const Directory& d = *m_directories[v.version][4];
            const auto [clientAnswer, contact, organization] = chooseClient(d, "Event", v.eventClient);
            QString answers =
                "[page 4]\nEventTitleText = \"  Team offsite  \"\nEventLocationText = Room 2.14\n"
                "EventDescriptionText = Bring laptops\nEventStartDateDayDTPicker = 2031-04-02\n"
                "EventStartDateTimeDTPicker = 10:00\nEventEndDateDayDTPicker = 2031-04-02\n"
                "EventEndDateTimeDTPicker = 12:45\nEventProjectCombo = #1\nEventManagerCombo = #1\n"
                "EventPriorityCombo = #0\nEventTypeCombo = #2\nEventReminderCombo = #3\n";
            if (rich)
                answers += clientAnswer;
            QJsonArray args({"  Team offsite  ", "Room 2.14", "Bring laptops", d.projectId(1),
                             d.user("Organizers", 1), sent("2031-04-02 10:00"), sent("2031-04-02 12:45"),
                             d.item("Priority", 0), d.item("EventType", 2), 1440});
            if (rich)
                args << contact << organization;
            args << team(d, "Daniel Okafor", "Linh Nguyen");
            row("event", answers + teamAnswers("Daniel Okafor", "Linh Nguyen", false),
                rich ? "CreateEvent45" : "CreateEvent", args, "The event has been created.");
        }
        { // to-do: both dates are set, then the check boxes say which of them count
            const Directory& d = *m_directories[v.version][6];
            const auto [clientAnswer, contact, organization] = chooseClient(d, "ToDo", v.toDoClient);
            QString answers =
                "[page 5]\nToDoTitleText = \" Call the supplier\"\nToDoDescriptionText = About the "
                "delay\nToDoProjectCombo = #1\nToDoManagerCombo = #0\nStartDateEnable = 1\n"
                "ToDoStartDateDayDTPicker = 2031-05-06\nToDoStartDateTimeDTPicker = 08:05\n"
                "FinishDateEnable = 1\nToDoEndDateDayDTPicker = 2031-05-08\n"
                "ToDoEndDateTimeDTPicker = 16:40\nStartDateEnable = " +
                QString::number(v.toDoFlags & 1) +
                "\nFinishDateEnable = " + QString::number((v.toDoFlags & 2) / 2) +
                "\nToDoPriorityCombo = #1\nToDoManagerConfirmCheck = 1\n";
            if (rich)
                answers += clientAnswer;
            QJsonArray args({" Call the supplier", "About the delay", d.projectId(1), d.projectManager(1),
                             sent("2031-05-06 08:05"), sent("2031-05-08 16:40"), v.toDoFlags,
                             d.item("Priority", 1), d.item("CompletionType", 0), true});
            if (rich)
                args << contact << organization;
            args << team(d, "Robert Kowalski", "Bhavesh Patel");
            row("to-do", answers + teamAnswers("Robert Kowalski", "Bhavesh Patel", true),
                rich ? "CreateToDo45" : "CreateToDo", args, "The to-do has been assigned.");
        }
        { // project: the description page's texts, the people, the client and, from 4.0 on, the portfolio
            const Directory& d = *m_directories[v.version][3];
            const bool four = v.version != "3.5";
            QString answers =
                "[page 8]\nProjectTitleText = \" Office move \"\nProjectTypeCombo = #1\n"
                "ProjectStatusCombo = #1\nProjectCalendarCombo = #0\nProjectManagerCombo = #1\n"
                "ProjectExecutiveCombo = #2\nProjectCurrencyCombo = #1\nProjectClientCombo = #1\n"
                "ProjectStartDateDayDTPicker = 2031-06-01\nProjectStartDateTimeDTPicker = 09:00\n"
                "ProjectEndtDateDayDTPicker = 2031-07-01\nProjectEndDateTimeDTPicker = 18:00\n"
                "ProjectCatagoryListView = " +
                d.categoryName(1) + "\n";
            if (four)
                answers += "ProjectPriorityCombo = #1\nProjectPhaseCombo = #1\nProjectPortfolioListView = " +
                           xmlValues(d.dictionaries, "ProjectPortfolio/Item/Value").value(0) + "\n";
            answers += "[page 9]\nProjectDescriptionText = New floor\nProjectGoalsText = One team\n"
                       "ProjectScopeText = Floor 3\nProjectDeliverablesText = Desks\n";
            const int organization = d.item("ProjectOrganization", 0);
            QJsonArray args({" Office move ", "New floor", "One team", "Floor 3", "Desks",
                             d.user("ProjectManager", 1), d.user("ExecutiveManager", 1),
                             sent("2031-06-01 09:00"), sent("2031-07-01 18:00"), d.item("ProjectStatus", 1),
                             d.item("ProjectType", 1), d.item("ProjectCalendar", 0)});
            if (rich)
                args << -1 << organization;
            else
                args << -organization;
            args << d.item("ProjectCurrency", 1);
            if (four)
                args << d.item("ProjectPriority", 1) << d.item("ProjectPhase", 1);
            args << QJsonArray{d.categoryId(1)} << QJsonArray{};
            if (four)
                args << QJsonArray{d.item("ProjectPortfolio", 0)};
            row("project", answers,
                rich   ? "CreateProject45"
                : four ? "CreateProject40"
                       : "CreateProject",
                args, "The project has been created.");
        }
    }

    // A page check keeps the page, says why, and nothing is created.
    auto refused = [](const QString& job, const QString& answers, const QString& message,
                      const QString& method) {
        return Scenario{.job = {job},
                        .answers = answers + "[messages]\n5061 = Yes\n",
                        .exitCode = 2,
                        .absent = {method},
                        .err = {message}};
    };
    QTest::newRow("incident title of blanks")
        << refused("/createincident", "[page 2]\nIncidentTitleText = \"   \"\n",
                   "[5006] Please enter a title.", "CreateIncident45");
    QTest::newRow("task finish equal to its start") << refused(
        "/createtask",
        "[page 3]\nTaskTitleText = T\nTaskStartDateDayDTPicker = 2031-01-01\nTaskStartDateTimeDTPicker = "
        "10:00\nTaskEndDateDayDTPicker = 2031-01-01\nTaskEndDateTimeDTPicker = 10:00\n",
        "[5008]", "CreateTask");
    QTest::newRow("event end equal to its start") << refused(
        "/createevent",
        "[page 4]\nEventTitleText = E\nEventStartDateDayDTPicker = 2031-01-01\nEventStartDateTimeDTPicker "
        "= 10:00\nEventEndDateDayDTPicker = 2031-01-01\nEventEndDateTimeDTPicker = 10:00\n",
        "[5007]", "CreateEvent45");
    QTest::newRow("to-do finish before start, both dates on")
        << refused("/createtodo",
                   "[page 5]\nToDoTitleText = D\nStartDateEnable = 1\nFinishDateEnable = 1\n"
                   "ToDoStartDateDayDTPicker = 2031-01-02\nToDoEndDateDayDTPicker = 2031-01-01\n",
                   "[5008]", "CreateToDo45");
    QTest::newRow("to-do blank title")
        << refused("/createtodo", "[page 5]\nToDoTitleText = \n", "[5006]", "CreateToDo45");

    // A create call that fails: the message, the wizard on its page, and nothing published for it.
    auto failed = [](const QString& fault, const QString& message, const QStringList& calls) {
        return Scenario{.job = {"/createincident", KITBENCH_BINARY},
                        .answers = "[page 2]\nIncidentTitleText = Printer jam\n[messages]\n5061 = Yes\n",
                        .faults = {"CreateIncident45=" + fault},
                        .exitCode = 2,
                        .pages = {0, 1, 2, 20},
                        .calls = calls,
                        .absent = {"CheckFileName", "FilePublishing.aspx"},
                        .err = {message}};
    };
    QTest::newRow("create call refused")
        << failed("soap-fault", "[5005]", {"CreateIncident45 * injected fault: soap-fault"});
    QTest::newRow("create call answers not OK")
        << failed("status:Incident box full", "[5009] The server reported an error: Incident box full",
                  {"CreateIncident45 * Incident box full"});
}

void TestItems::runs()
{
    QFETCH(Scenario, row);
    QVERIFY2(m_player.plays(row), m_player.why());
}

QTEST_GUILESS_MAIN(TestItems)
#include "tst_items.moc"

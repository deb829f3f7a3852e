// The item jobs unattended against live development servers of every release that creates items:
// the journal must show the create call with the values the pages were given, in the release's order.
#include "DevServer.h"
#include "KitbenchRun.h"
#include "ServiceCall.h"

#include <QJsonArray>
#include <QTest>
#include <QXmlStreamReader>

#include <map>
#include <memory>

namespace {

// A small element tree of a server answer.
struct Node
{
    QString name;
    QString text;
    QList<Node> children;

    const Node* child(const QString& childName) const
    {
        for (const Node& c : children)
            if (c.name == childName)
                return &c;
        return nullptr;
    }
    QList<const Node*> all(const QString& childName) const
    {
        QList<const Node*> found;
        for (const Node& c : children)
            if (c.name == childName)
                found.append(&c);
        return found;
    }
    QString value(const QString& childName) const
    {
        const Node* c = child(childName);
        return c ? c->text : QString();
    }
};

Node parseTree(const QString& xml)
{
    QXmlStreamReader reader(xml);
    Node root;
    QList<Node*> stack{&root};
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            stack.last()->children.append(Node{reader.name().toString(), {}, {}});
            stack.append(&stack.last()->children.last());
        } else if (reader.isEndElement()) {
            stack.removeLast();
        } else if (reader.isCharacters() && !reader.isWhitespace()) {
            stack.last()->text += reader.text();
        }
    }
    return root.children.isEmpty() ? Node{} : root.children.first();
}

// What the demo server lists on the page of one object type, as the wizard's admin sees it.
struct Directory
{
    Node dictionaries;
    Node categories;
    Node projects;

    Directory(const QString& address, int code)
    {
        const QString type = "<objectTypeId>" + QString::number(code) + "</objectTypeId>";
        dictionaries =
            parseTree(callService(address, "LoadDictionaries", "<language>en-US</language>" + type));
        categories = parseTree(callService(address, "GetCategoryList2", type));
        projects = parseTree(callService(address, "GetOrvProjectList2", type));
    }

    // "Data" of item `index` of a dictionary.
    int item(const QString& name, int index) const
    {
        const Node* list = dictionaries.child(name);
        return list ? list->all("Item").value(index)->value("Data").toInt() : -999;
    }
    QString itemValue(const QString& name, int index) const
    {
        return dictionaries.child(name)->all("Item").value(index)->value("Value");
    }
    int itemCount(const QString& name) const
    {
        const Node* list = dictionaries.child(name);
        return list ? int(list->all("Item").size()) : 0;
    }
    int user(const QString& name, int index) const
    {
        return dictionaries.child(name)->all("User").value(index)->value("UserId").toInt();
    }
    QString categoryName(int index) const
    {
        return categories.all("Category").value(index)->value("CategoryName");
    }
    int categoryId(int index) const
    {
        return categories.all("Category").value(index)->value("CategoryId").toInt();
    }
    // The project at combo index i (index 0 is "no project").
    int projectId(int comboIndex) const
    {
        return comboIndex == 0 ? 0 : projects.all("Project").value(comboIndex - 1)->value("ObjectID").toInt();
    }
    // A possible manager by "FirstName LastName" ("Projects/Managers/User").
    int userId(const QString& fullName) const
    {
        for (const Node* user : projects.child("Managers")->all("User"))
            if (user->value("FirstName") + " " + user->value("LastName") == fullName)
                return user->value("UserId").toInt();
        return -999;
    }
    int projectManager(int comboIndex) const
    {
        return projects.all("Project")
            .value(comboIndex - 1)
            ->child("Manager")
            ->child("User")
            ->value("UserId")
            .toInt();
    }
};

enum class Client
{
    None,
    Organization,
    Contact
};
struct ClientChoice
{
    QString answer; // the answer line, empty for none
    int contact = -1;
    int organization = -1;
};

ClientChoice chooseClient(const Directory& d, const QString& combo, const QString& prefix, Client client)
{
    const int organizations = d.itemCount(prefix + "Organization");
    switch (client) {
    case Client::Organization:
        return {combo + " = #1\n", -1, d.item(prefix + "Organization", 1)};
    case Client::Contact:
        return {combo + " = #" + QString::number(organizations + 1) + "\n", d.item(prefix + "Contact", 1),
                -1};
    default:
        return {};
    }
}

QString isoDate(const QDateTime& value)
{
    return value.toString("yyyy-MM-ddTHH:mm:ss");
}

// The team page: one plain participant, then one who must confirm (sent negated). With a project
// chosen on a task or to-do the page offers the project's team only ("ERP Migration", the first
// project, in the demo); otherwise the users are searched for.
QString teamAnswers(const QString& plain, const QString& confirming, bool projectBound)
{
    auto pick = [projectBound](const QString& name) {
        const QString search =
            projectBound ? QString() : "SearchResourceText = " + name.section(' ', 1) + "\nFindCommand\n";
        return search + "NewResourcesListView = " + name + "\nAddNewUsersCommand\n";
    };
    return "[page 18]\n" + pick(plain) + "MustConfirmedCheck = 1\n" + pick(confirming);
}

QJsonArray teamOf(const Directory& d, const QString& plain, const QString& confirming)
{
    return QJsonArray{d.userId(plain), -d.userId(confirming)};
}

bool hasClients(const QString& version)
{
    return version == "4.5" || version == "4.7";
}

// The computer the wizard runs on: India (bias -330, no daylight time); admin's profile says UTC.
constexpr int kLocalBias = -330;
constexpr int kProfileOffset = 0;

} // namespace

class TestItems : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void createCalls_data();
    void createCalls();
    void pageChecks_data();
    void pageChecks();

private:
    DevServer& server(const QString& version) { return *m_servers.at(version); }
    std::map<QString, std::unique_ptr<DevServer>> m_servers;
    std::map<QString, std::map<int, std::shared_ptr<Directory>>> m_directories;
};

void TestItems::initTestCase()
{
    qputenv("TZ", "Asia/Kolkata");
    for (const QString version : {"3.5", "4.0", "4.1", "4.5", "4.7"}) {
        auto server = std::make_unique<DevServer>(QStringList{"--seed", "demo", "--server-version", version});
        QVERIFY2(!server->address().isEmpty(), qPrintable(server->errorOutput()));
        for (int code : {7, 5, 4, 6, 3})
            m_directories[version][code] = std::make_shared<Directory>(server->address(), code);
        m_servers[version] = std::move(server);
    }
    // The rows below need a project, two categories and a second client of each kind.
    const Directory& incident = *m_directories["4.7"][7];
    QVERIFY(incident.projects.all("Project").size() >= 2);
    QVERIFY(incident.categories.all("Category").size() >= 3);
    QVERIFY(incident.itemCount("IncidentOrganization") >= 2 && incident.itemCount("IncidentContact") >= 2);
}

void TestItems::cleanupTestCase()
{
    m_servers.clear();
}

void TestItems::createCalls_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QJsonArray>("args");
    QTest::addColumn<QString>("report");

    struct Variant
    {
        QString version;
        Client incidentClient, eventClient, toDoClient;
        int toDoFlags;
        QString timeZoneAnswer; // "" when no question comes (no TimeOffset before 4.5)
    };
    const QList<Variant> variants{{"3.5", Client::None, Client::None, Client::None, 0, ""},
                                  {"4.0", Client::None, Client::None, Client::None, 1, ""},
                                  {"4.1", Client::None, Client::None, Client::None, 2, ""},
                                  {"4.5", Client::Contact, Client::None, Client::Organization, 3, "Yes"},
                                  {"4.7", Client::Organization, Client::Contact, Client::None, 3, "No"}};
    for (const Variant& v : variants) {
        const bool rich = hasClients(v.version);
        const QString messages =
            v.timeZoneAnswer.isEmpty() ? QString() : "[messages]\n5061 = " + v.timeZoneAnswer + "\n";
        // Yes keeps the profile's zone: page dates move by profile - local minutes.
        const int shift = v.timeZoneAnswer == "Yes" ? kProfileOffset - kLocalBias : 0;
        auto sent = [shift](const QString& page) {
            return isoDate(QDateTime::fromString(page, "yyyy-MM-dd HH:mm").addSecs(shift * 60));
        };
        const QString tag =
            " on " + v.version + (v.timeZoneAnswer.isEmpty() ? "" : ", zone " + v.timeZoneAnswer);

        { // incident
            const Directory& d = *m_directories[v.version][7];
            const ClientChoice client = chooseClient(d, "IncidentClientCombo", "Incident", v.incidentClient);
            QString answers =
                "[page 2]\nIncidentTitleText = \"  Printer jams on floor 3  \"\n"
                "IncidentDescriptionText = Paper tray  two is stuck\n"
                "IncidentProjectCombo = #2\nIncidentTypeCombo = #1\nIncidentPriorityCombo = #0\n"
                "IncidentCategoryListView = " +
                d.categoryName(0) + "|" + d.categoryName(2) + "\n";
            if (rich)
                answers += "IncidentSeverityCombo = #1\nIncidentBoxCombo = #1\n" + client.answer;
            QJsonArray args{"  Printer jams on floor 3  ",
                            "Paper tray  two is stuck",
                            d.projectId(2),
                            d.item("IncidentType", 1),
                            d.item("Priority", 0),
                            d.item("Severity", rich ? 1 : 0),
                            QJsonArray{d.categoryId(0), d.categoryId(2)}};
            if (rich)
                args << d.item("IncidentBox", 0) << client.contact << client.organization;
            QTest::newRow(qPrintable("incident" + tag))
                << v.version << "/createincident" << answers + messages
                << (rich ? "CreateIncident45" : "CreateIncident") << args << "The incident has been created.";
        }
        { // task
            const Directory& d = *m_directories[v.version][5];
            const QString answers =
                "[page 3]\nTaskTitleText = \" Prepare release notes \"\n"
                "TaskDescriptionText = Version 2.3\nTaskProjectCombo = #1\n"
                "TaskStartDateDayDTPicker = 2031-03-10\nTaskStartDateTimeDTPicker = 09:30\n"
                "TaskEndDateDayDTPicker = 2031-03-12\nTaskEndDateTimeDTPicker = 17:15\n"
                "TaskPriorityCombo = #2\nTaskCompetionTypeCombo = #1\n"
                "TaskConfirmByManagerCheck = 1\nTaskCategoryListView = " +
                d.categoryName(1) + "\n";
            const QJsonArray args{" Prepare release notes ",
                                  "Version 2.3",
                                  d.projectId(1),
                                  sent("2031-03-10 09:30"),
                                  sent("2031-03-12 17:15"),
                                  false,
                                  d.item("Priority", 2),
                                  d.item("CompletionType", 1),
                                  true,
                                  teamOf(d, "Robert Kowalski", "Bhavesh Patel")};
            QTest::newRow(qPrintable("task" + tag))
                << v.version << "/createtask"
                << answers + teamAnswers("Robert Kowalski", "Bhavesh Patel", true) + messages << "CreateTask"
                << args << "The task has been created.";
        }
        { // event
            const Directory& d = *m_directories[v.version][4];
            const ClientChoice client = chooseClient(d, "EventClientCombo", "Event", v.eventClient);
            QString answers =
                "[page 4]\nEventTitleText = \"  Team offsite  \"\nEventLocationText = Room 2.14\n"
                "EventDescriptionText = Bring laptops\n"
                "EventStartDateDayDTPicker = 2031-04-02\nEventStartDateTimeDTPicker = 10:00\n"
                "EventEndDateDayDTPicker = 2031-04-02\nEventEndDateTimeDTPicker = 12:45\n"
                "EventProjectCombo = #1\nEventManagerCombo = #1\nEventPriorityCombo = #0\n"
                "EventTypeCombo = #2\nEventReminderCombo = #3\n";
            if (rich)
                answers += client.answer;
            QJsonArray args{"  Team offsite  ",       "Room 2.14",
                            "Bring laptops",          d.projectId(1),
                            d.user("Organizers", 1),  sent("2031-04-02 10:00"),
                            sent("2031-04-02 12:45"), d.item("Priority", 0),
                            d.item("EventType", 2),   1440};
            if (rich)
                args << client.contact << client.organization;
            args << teamOf(d, "Daniel Okafor", "Linh Nguyen");
            QTest::newRow(qPrintable("event" + tag))
                << v.version << "/createevent"
                << answers + teamAnswers("Daniel Okafor", "Linh Nguyen", false) + messages
                << (rich ? "CreateEvent45" : "CreateEvent") << args << "The event has been created.";
        }
        { // to-do: both dates are set, then the check boxes say which of them count
            const Directory& d = *m_directories[v.version][6];
            const ClientChoice client = chooseClient(d, "ToDoClientCombo", "ToDo", v.toDoClient);
            QString answers =
                "[page 5]\nToDoTitleText = \" Call the supplier\"\nToDoDescriptionText = About the delay\n"
                "ToDoProjectCombo = #1\nToDoManagerCombo = #0\n"
                "StartDateEnable = 1\nToDoStartDateDayDTPicker = 2031-05-06\n"
                "ToDoStartDateTimeDTPicker = 08:05\nFinishDateEnable = 1\n"
                "ToDoEndDateDayDTPicker = 2031-05-08\nToDoEndDateTimeDTPicker = 16:40\n"
                "StartDateEnable = " +
                QString::number(v.toDoFlags & 1) +
                "\nFinishDateEnable = " + QString::number((v.toDoFlags & 2) / 2) +
                "\nToDoPriorityCombo = #1\nToDoManagerConfirmCheck = 1\n";
            if (rich)
                answers += client.answer;
            QJsonArray args{" Call the supplier",
                            "About the delay",
                            d.projectId(1),
                            d.projectManager(1),
                            sent("2031-05-06 08:05"),
                            sent("2031-05-08 16:40"),
                            v.toDoFlags,
                            d.item("Priority", 1),
                            d.item("CompletionType", 0),
                            true};
            if (rich)
                args << client.contact << client.organization;
            args << teamOf(d, "Robert Kowalski", "Bhavesh Patel");
            QTest::newRow(qPrintable("to-do, date flags " + QString::number(v.toDoFlags) + tag))
                << v.version << "/createtodo"
                << answers + teamAnswers("Robert Kowalski", "Bhavesh Patel", true) + messages
                << (rich ? "CreateToDo45" : "CreateToDo") << args << "The to-do has been assigned.";
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
                           d.itemValue("ProjectPortfolio", 0) + "\n";
            answers += "[page 9]\nProjectDescriptionText = New floor\nProjectGoalsText = One team\n"
                       "ProjectScopeText = Floor 3\nProjectDeliverablesText = Desks\n";
            const int organization = d.item("ProjectOrganization", 0);
            QJsonArray args{" Office move ",
                            "New floor",
                            "One team",
                            "Floor 3",
                            "Desks",
                            d.user("ProjectManager", 1),
                            d.user("ExecutiveManager", 1),
                            sent("2031-06-01 09:00"),
                            sent("2031-07-01 18:00"),
                            d.item("ProjectStatus", 1),
                            d.item("ProjectType", 1),
                            d.item("ProjectCalendar", 0)};
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
            const QString method = rich ? "CreateProject45" : four ? "CreateProject40" : "CreateProject";
            QTest::newRow(qPrintable("project" + tag)) << v.version << "/createproject" << answers + messages
                                                       << method << args << "The project has been created.";
        }
    }
}

void TestItems::createCalls()
{
    QFETCH(QString, version);
    QFETCH(QString, job);
    QFETCH(QString, answers);
    QFETCH(QString, method);
    QFETCH(QJsonArray, args);
    QFETCH(QString, report);
    DevServer& live = server(version);
    const qsizetype before = live.calls(method).size();
    const KitbenchRun run =
        KitbenchRun::start({job, "/L", "admin@" + live.address(), "/P", "admin"}, answers);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QList<QJsonObject> calls = live.calls(method);
    QCOMPARE(calls.size(), before + 1);
    const QJsonObject call = calls.last();
    QCOMPARE(call.value("status").toString(), QString("OK"));
    QVERIFY2(!call.contains("warnings"), qPrintable(QJsonDocument(call).toJson()));
    QCOMPARE(call.value("args").toArray(), args);
    QVERIFY2(run.out.contains(report), qPrintable(run.out));
    // The time-zone question comes exactly where the profile's zone differs from the computer's.
    QVERIFY(run.err.contains("[5061]") == answers.contains("5061 ="));
}

void TestItems::pageChecks_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("method");
    QTest::newRow("incident title of blanks") << "/createincident"
                                              << "[page 2]\nIncidentTitleText = \"   \"\n"
                                              << "[5006] Please enter a title."
                                              << "CreateIncident45";
    QTest::newRow("task finish equal to its start")
        << "/createtask"
        << "[page 3]\nTaskTitleText = T\nTaskStartDateDayDTPicker = 2031-01-01\nTaskStartDateTimeDTPicker = "
           "10:00\n"
           "TaskEndDateDayDTPicker = 2031-01-01\nTaskEndDateTimeDTPicker = 10:00\n"
        << "[5008]"
        << "CreateTask";
    QTest::newRow("event end equal to its start")
        << "/createevent"
        << "[page 4]\nEventTitleText = E\nEventStartDateDayDTPicker = 2031-01-01\nEventStartDateTimeDTPicker "
           "= 10:00\n"
           "EventEndDateDayDTPicker = 2031-01-01\nEventEndDateTimeDTPicker = 10:00\n"
        << "[5007]"
        << "CreateEvent45";
    QTest::newRow("to-do finish before start, both dates on")
        << "/createtodo"
        << "[page 5]\nToDoTitleText = D\nStartDateEnable = 1\nFinishDateEnable = 1\n"
           "ToDoStartDateDayDTPicker = 2031-01-02\nToDoEndDateDayDTPicker = 2031-01-01\n"
        << "[5008]"
        << "CreateToDo45";
    QTest::newRow("to-do blank title") << "/createtodo"
                                       << "[page 5]\nToDoTitleText = \n"
                                       << "[5006]"
                                       << "CreateToDo45";
}

void TestItems::pageChecks()
{
    QFETCH(QString, job);
    QFETCH(QString, answers);
    QFETCH(QString, message);
    QFETCH(QString, method);
    DevServer& live = server("4.7");
    const qsizetype before = live.calls(method).size();
    const KitbenchRun run = KitbenchRun::start({job, "/L", "admin@" + live.address(), "/P", "admin"},
                                               answers + "[messages]\n5061 = Yes\n");
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(live.calls(method).size(), before);
}

// Publishing the listed files comes later: until then each one is named on the final page, unpublished.
QTEST_GUILESS_MAIN(TestItems)
#include "tst_items.moc"

// A new project with a template, unattended against live development servers: the roles handed out
// on the templates page reach updateProjectFromTemplate right after the project was created.
#include "DevServer.h"
#include "KitbenchRun.h"
#include "ServiceCall.h"

#include <QJsonArray>
#include <QMap>
#include <QTest>
#include <QXmlStreamReader>

namespace {

using Record = QMap<QString, QString>;

// The child texts of every element named `name` in a server answer.
QList<Record> records(const QString& xml, const QString& name)
{
    QList<Record> found;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != name)
            continue;
        Record record;
        while (reader.readNextStartElement())
            record.insert(reader.name().toString(),
                          reader.readElementText(QXmlStreamReader::SkipChildElements));
        found.append(record);
    }
    return found;
}

QString fullName(const Record& user)
{
    return user.value("FirstName") + ' ' + user.value("LastName");
}

const Record* byValue(const QList<Record>& list, const QString& field, const QString& value)
{
    for (const Record& record : list)
        if (record.value(field) == value)
            return &record;
    return nullptr;
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void templateAssignmentsReachTheServer_data();
    void templateAssignmentsReachTheServer();
    void projectWithoutTemplate();
};

void TestTemplates::templateAssignmentsReachTheServer_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QString>("method");
    QTest::newRow("4.0") << "4.0"
                         << "Software Project"
                         << "CreateProject40";
    QTest::newRow("4.7") << "4.7"
                         << "Office Move"
                         << "CreateProject45";
}

void TestTemplates::templateAssignmentsReachTheServer()
{
    QFETCH(QString, version);
    QFETCH(QString, templateName);
    QFETCH(QString, method);
    DevServer server({"--seed", "demo", "--server-version", version});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const QString address = server.address();

    // What the server holds: the template, its roles, a second-level group and one of its members.
    const QList<Record> templates = records(
        callService(address, "LoadDictionaries", "<language>en-US</language><objectTypeId>3</objectTypeId>"),
        "Item");
    const Record* chosen = byValue(templates, "Value", templateName);
    QVERIFY(chosen);
    const int templateId = chosen->value("Data").toInt();
    const QList<Record> roles = records(
        callService(address, "GetRoleList", "<templateId>" + QString::number(templateId) + "</templateId>"),
        "Role");
    QVERIFY(roles.size() >= 2);
    const QList<Record> groups = records(callService(address, "GetGroupList", ""), "Group");
    const Record* platform = byValue(groups, "GroupName", "Platform");
    QVERIFY(platform && platform->value("Level") == "3");
    const QList<Record> members =
        records(callService(address, "GetResourceListByGroup",
                            "<groupId>" + platform->value("GroupId") + "</groupId>"),
                "User");
    const QList<Record> searched =
        records(callService(address, "GetResourceListBySubstring", "<substring>Jansen</substring>"), "User");
    QCOMPARE(searched.size(), 1);
    const Record eva = searched.first();
    const Record* member = nullptr;
    for (const Record& user : members)
        if (user.value("UserId") != eva.value("UserId") && !member)
            member = &user;
    QVERIFY(member);

    // The second role for Eva, found by a search; the first role for a member of "Platform".
    const QString title = "Template run " + version;
    const QStringList lines{"[page 8]",
                            "ProjectTitleText = " + title,
                            "ProjectManagerCombo = #1",
                            "ProjectTemplateCombo = " + templateName,
                            "[page 19]",
                            "RolesCombo = " + roles[1].value("RoleName"),
                            "SearchAssignmentText = Jansen",
                            "FindAssignmentCommand",
                            "AssignmentUsersListView = " + fullName(eva),
                            "AddNewAssignmentCommand",
                            "RolesCombo = " + roles[0].value("RoleName"),
                            "AssignmentsGroupCombo = \"    Platform\"",
                            "AssignmentUsersListView = " + fullName(*member),
                            "AddNewAssignmentCommand",
                            "[messages]",
                            "5061 = Yes"};
    const QString answers = lines.join('\n') + '\n';
    const qsizetype before = server.journal().size();
    const KitbenchRun run =
        KitbenchRun::start({"/createproject", "/L", "admin@" + address, "/P", "admin"}, answers);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err + run.out));
    QCOMPARE(run.pages(), (QList<int>{0, 1, 8, 9, 19, 20, 21}));
    QVERIFY2(run.out.contains("The project has been created."), qPrintable(run.out));

    // The new project's id, from the server's own list.
    const QList<Record> projects =
        records(callService(address, "GetOrvProjectList2", "<objectTypeId>3</objectTypeId>"), "Project");
    const Record* created = byValue(projects, "Title", title);
    QVERIFY(created);
    const int projectId = created->value("ObjectID").toInt();

    // The journal: the role queries of the page, the create call, and at once the template with
    // exactly the two assignments, in the order they were made.
    QStringList methods;
    QList<QJsonObject> entries;
    const QList<QJsonObject> journal = server.journal();
    for (const QJsonObject& entry : journal.mid(before)) {
        if (!entry.contains("method"))
            continue;
        methods.append(entry.value("method").toString());
        entries.append(entry);
        QVERIFY2(!entry.contains("warnings") && entry.value("status").toString() == "OK",
                 qPrintable(QJsonDocument(entry).toJson(QJsonDocument::Compact)));
    }
    QCOMPARE(methods.count("GetRoleList"), 1);
    const qsizetype roleQuery = methods.indexOf("GetRoleList");
    QVERIFY2(roleQuery > 0, qPrintable(methods.join(' ')));
    QCOMPARE(entries[roleQuery].value("args").toArray(), QJsonArray{templateId});
    QCOMPARE(methods.count(method), 1);
    const qsizetype create = methods.indexOf(method);
    QVERIFY(create > roleQuery);
    QCOMPARE(methods.count("updateProjectFromTemplate"), 1);
    QCOMPARE(methods.value(create + 1), QString("updateProjectFromTemplate"));
    const QJsonArray assignments{eva.value("UserId") + ':' + roles[1].value("RoleId"),
                                 member->value("UserId") + ':' + roles[0].value("RoleId")};
    QCOMPARE(entries[create + 1].value("args").toArray(), (QJsonArray{projectId, templateId, assignments}));

    // The server took them: both users are on the new project's team.
    const QList<Record> team =
        records(callService(address, "GetResourceListByProject",
                            "<projectId>" + QString::number(projectId) + "</projectId>"),
                "User");
    QVERIFY(byValue(team, "UserId", eva.value("UserId")));
    QVERIFY(byValue(team, "UserId", member->value("UserId")));
}

// No template chosen: the team page follows the description page and no template is applied.
void TestTemplates::projectWithoutTemplate()
{
    DevServer server({"--seed", "demo", "--server-version", "4.7"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const QString answers = "[page 8]\n"
                            "ProjectTitleText = No template\n"
                            "ProjectManagerCombo = #1\n"
                            "ProjectTemplateCombo = #0\n"
                            "[messages]\n"
                            "5061 = Yes\n";
    const KitbenchRun run =
        KitbenchRun::start({"/createproject", "/L", "admin@" + server.address(), "/P", "admin"}, answers);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err + run.out));
    QCOMPARE(run.pages(), (QList<int>{0, 1, 8, 9, 18, 20, 21}));
    QCOMPARE(server.calls("CreateProject45").size(), 1);
    QCOMPARE(server.calls("GetRoleList").size(), 0);
    QCOMPARE(server.calls("updateProjectFromTemplate").size(), 0);
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"

// New projects with a template, unattended: the roles handed out reach updateProjectFromTemplate right
// after the project exists, and the server puts the people on its team; a failed call is told on the page.
#include "Scenario.h"
#include "ServiceCall.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// The values of the elements `field` of those elements of `path` whose `key` is `value`.
QString valueWhere(const QString& xml, const QString& path, const QString& key, const QString& value,
                   const QString& field)
{
    const QStringList keys = xmlValues(xml, path + '/' + key);
    return xmlValues(xml, path + '/' + field).value(keys.indexOf(value));
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qputenv("TZ", "UTC"); }
    void assignments_data();
    void assignments();

private:
    ScenarioPlayer m_player;
};

void TestTemplates::assignments_data()
{
    QTest::addColumn<Scenario>("row");
    QTest::addColumn<QString>("templateName"); // "": none chosen
    const QString page8 = "[page 8]\nProjectTitleText = Template run\nProjectManagerCombo = #1\n";
    const QString created = "The project has been created.";
    QTest::newRow("4.0") << Scenario{.job = {"/createproject"},
                                     .version = "4.0",
                                     .pages = {0, 1, 8, 9, 19, 20, 21},
                                     .calls = {"GetRoleList", "CreateProject40", "updateProjectFromTemplate"},
                                     .out = {created}}
                         << "Software Project";
    QTest::newRow("4.7") << Scenario{.job = {"/createproject"},
                                     .pages = {0, 1, 8, 9, 19, 20, 21},
                                     .calls = {"GetRoleList", "CreateProject45", "updateProjectFromTemplate"},
                                     .out = {created}}
                         << "Office Move";
    // The project exists, the assignments did not arrive: the user hears of it on the page.
    QTest::newRow("template call fails after the project exists")
        << Scenario{.job = {"/createproject"},
                    .faults = {"updateProjectFromTemplate=soap-fault"},
                    .exitCode = 2,
                    .pages = {0, 1, 8, 9, 19, 20},
                    .calls = {"GetRoleList", "CreateProject45 * OK",
                              "updateProjectFromTemplate * injected fault: soap-fault"},
                    .err = {"[5005]"}}
        << "Office Move";
    // No template chosen, or none on 3.5: the team page follows the description page and no template
    // is applied.
    auto none = [&](const QString& version, const QString& method, const QString& choice) {
        return Scenario{.job = {"/createproject"},
                        .answers = page8 + choice + "[messages]\n5061 = Yes\n",
                        .version = version,
                        .pages = {0, 1, 8, 9, 18, 20, 21},
                        .calls = {method + " * OK"},
                        .absent = {"GetRoleList", "updateProjectFromTemplate"},
                        .out = {created}};
    };
    QTest::newRow("no template") << none("4.7", "CreateProject45", "ProjectTemplateCombo = #0\n") << "";
    QTest::newRow("3.5 has no templates") << none("3.5", "CreateProject", "") << "";
    Scenario offered = none("3.5", "CreateProject", "ProjectTemplateCombo = #1\n");
    offered.exitCode = 1;
    offered.pages.clear();
    offered.calls.clear();
    offered.out.clear();
    offered.err = {"ProjectTemplateCombo is disabled"};
    QTest::newRow("3.5 offers none") << offered << "";
}

void TestTemplates::assignments()
{
    QFETCH(Scenario, row);
    QFETCH(QString, templateName);
    DevServer& server = m_player.serverFor(row);
    const QString address = server.address();
    QVERIFY2(!address.isEmpty(), qPrintable(server.errorOutput()));
    if (templateName.isEmpty()) {
        QVERIFY2(m_player.plays(row, {}, &server), m_player.why());
        return;
    }

    // What the server holds: the template, its roles, a second-level group and one of its members.
    const QString templateId = valueWhere(
        callService(address, "LoadDictionaries", "<language>en-US</language><objectTypeId>3</objectTypeId>"),
        "Item", "Value", templateName, "Data");
    QVERIFY(!templateId.isEmpty());
    const QString roleList =
        callService(address, "GetRoleList", "<templateId>" + templateId + "</templateId>");
    const QStringList roleIds = xmlValues(roleList, "Role/RoleId"),
                      roleNames = xmlValues(roleList, "Role/RoleName");
    QVERIFY(roleIds.size() >= 2);
    const QString groups = callService(address, "GetGroupList", "");
    QCOMPARE(valueWhere(groups, "Group", "GroupName", "Platform", "Level"), QString("3"));
    const QString members = callService(
        address, "GetResourceListByGroup",
        "<groupId>" + valueWhere(groups, "Group", "GroupName", "Platform", "GroupId") + "</groupId>");
    const QString eva = callService(address, "GetResourceListBySubstring", "<substring>Jansen</substring>");
    QCOMPARE(xmlValues(eva, "User/UserId").size(), 1);
    const QString evaId = xmlValues(eva, "User/UserId").first();
    const qsizetype other = xmlValues(members, "User/UserId").first() == evaId ? 1 : 0;
    const QString memberId = xmlValues(members, "User/UserId").value(other);
    const QString memberName = xmlValues(members, "User/FirstName").value(other) + ' ' +
                               xmlValues(members, "User/LastName").value(other);
    QVERIFY(!memberId.isEmpty());

    // The second role for Eva, found by a search; the first role for a member of "Platform".
    const QString title = "Template run " + QString(QTest::currentDataTag());
    row.answers = "[page 8]\nProjectTitleText = " + title +
                  "\nProjectManagerCombo = #1\nProjectTemplateCombo = " + templateName +
                  "\n[page 19]\nRolesCombo = " + roleNames[1] +
                  "\nSearchAssignmentText = Jansen\nFindAssignmentCommand\nAssignmentUsersListView = " +
                  xmlValues(eva, "User/FirstName").first() + " " + xmlValues(eva, "User/LastName").first() +
                  "\nAddNewAssignmentCommand\nRolesCombo = " + roleNames[0] +
                  "\nAssignmentsGroupCombo = \"    Platform\"\nAssignmentUsersListView = " + memberName +
                  "\nAddNewAssignmentCommand\n[messages]\n5061 = Yes\n";
    QVERIFY2(m_player.plays(row, {}, &server), m_player.why());

    // The role query with the template; the create call, and at once the template with exactly the two
    // assignments in the order they were made, for the project the server now lists.
    const QStringList journal = m_player.journal();
    QCOMPARE(
        journal.filter(QRegularExpression("^(GetRoleList|updateProjectFromTemplate|CreateProject)")).size(),
        3);
    QVERIFY(journal.contains("GetRoleList [" + templateId + "] OK"));
    const QString projects = callService(address, "GetOrvProjectList2", "<objectTypeId>3</objectTypeId>");
    const QString projectId = valueWhere(projects, "Project", "Title", title, "ObjectID");
    QVERIFY(!projectId.isEmpty());
    const qsizetype create = journal.indexOf(QRegularExpression("CreateProject.*"));
    QVERIFY2(matches("updateProjectFromTemplate [" + projectId + "," + templateId + ",[\"" + evaId + ":" +
                         roleIds[1] + "\",\"" + memberId + ":" + roleIds[0] + "\"]] *",
                     journal.value(create + 1)),
             qPrintable(journal.join('\n')));
    if (row.exitCode)
        return;
    // The server took them: both users are on the new project's team.
    const QStringList team = xmlValues(
        callService(address, "GetResourceListByProject", "<projectId>" + projectId + "</projectId>"),
        "User/UserId");
    QVERIFY(team.contains(evaId) && team.contains(memberId));
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"

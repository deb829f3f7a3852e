// The templates page against a live development server: loading the chosen template's roles, the
// groups and their members; search, group change, assignments given and taken back; going back for
// another template.
#include "PeopleKeys.h"
#include "TreeRows.h"
#include "WizardFixture.h"

#include "items/ProjectPage.h"
#include "items/TemplatesPage.h"
#include "people/PeopleAnswers.h"
#include "people/PeopleRequests.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTreeWidget>

using namespace kitbench;

namespace {

// The user keys of a list of assignment keys ("U" + user id + ":" + role id).
QStringList userKeys(const QStringList& assignmentKeys)
{
    QStringList out;
    for (const QString& key : assignmentKeys)
        out.append(key.section(':', 0, 0));
    return out;
}

struct FailedQuery
{
    const char* tag;
    QString fault;
    int textId, page;
    bool rolesFilled, availableFilled;
};
// No groups: the roles were asked for, but the page is not shown. The other queries: one message, and
// the page shows what could be filled.
const FailedQuery kFailedQueries[] = {
    {"group list fault", "GetGroupList=soap-fault", 5005, 9, true, false},
    {"group list refused", "GetGroupList=status:Directory offline", 5009, 9, true, false},
    {"roles lost", "GetRoleList=bad-xml", 5005, 19, false, true},
    {"members lost", "GetResourceListByGroup=http-500", 0, 19, true, false},
};

} // namespace

class TestTemplatesPage : public QObject
{
    Q_OBJECT
    WizardFixture f;
    qint32 m_templateId = 0;
    void start(const QString& version = {}, const QStringList& serverArguments = {})
    {
        QVERIFY(f.serve(version, serverArguments));
        f.start("/createproject");
        QVERIFY2(f.shown.isEmpty(), qPrintable(f.firstShown()));
    }
    // Page 8 with the required values and the template of this name ("" for none), then Next twice.
    void chooseTemplate(const QString& name)
    {
        QCOMPARE(f.step(), 8);
        project()->ProjectTitleText->setText("Branch office");
        project()->ProjectManagerCombo->setCurrentIndex(1);
        QComboBox* combo = project()->ProjectTemplateCombo;
        const int index = name.isEmpty() ? 0 : combo->findText(name);
        QVERIFY2(index >= 0, qPrintable(WizardFixture::entries(combo).join(", ")));
        combo->setCurrentIndex(index);
        m_templateId = combo->currentData().toInt();
        QVERIFY(name.isEmpty() == (m_templateId == 0));
        f.nav(3)->click();
        QCOMPARE(f.step(), 9);
        f.nav(3)->click();
    }
    TemplatesPage* templates() const { return static_cast<TemplatesPage*>(f.wizard->page(19)); }
    ProjectPage* project() const { return static_cast<ProjectPage*>(f.wizard->page(8)); }
    QStringList serverRoles(qint32 templateId)
    {
        const ServerCall call = roleListCall(templateId);
        QVariantList arguments = call.arguments;
        const SoapCallResult answer = f.wizard->session().call(call.method, arguments);
        if (!answer.ok())
            return {"(the query failed)"};
        QStringList out;
        for (const ComboEntry& role : roleEntries(answer.result.toString()))
            out.append(role.text + '=' + QString::number(role.itemData));
        return out;
    }

private Q_SLOTS:
    void init()
    {
        f.init();
        m_templateId = 0;
    }
    void cleanup() { f.cleanup(); }
    void assignRoles()
    {
        start();
        if (QTest::currentTestFailed())
            return;
        const QStringList loadCalls = f.callsDuring([&] { chooseTemplate("Software Project"); });
        QVERIFY(f.shown.isEmpty());
        f.expectUnlocked(19);
        TemplatesPage* page = templates();
        QComboBox* roles = page->RolesCombo;
        QComboBox* groups = page->AssignmentsGroupCombo;
        QTreeWidget* available = page->AssignmentUsersListView;
        QTreeWidget* assigned = page->AddedAssignmentsListView;

        // The template's roles, the groups in tree order, the first group's members; nothing assigned.
        const qint32 firstGroup = groups->itemData(0).toInt();
        QCOMPARE(loadCalls, (QStringList{QString("GetRoleList [%1]").arg(m_templateId), "GetGroupList []",
                                         QString("GetResourceListByGroup [%1]").arg(firstGroup)}));
        QCOMPARE(f.wizard->progressBar()->maximum(), 12);
        const QStringList roleEntries = serverRoles(m_templateId);
        QCOMPARE(roleEntries.size(), 3);
        QCOMPARE(WizardFixture::entries(roles), roleEntries);
        QVERIFY(roles->currentIndex() == 0 && groups->currentIndex() == 0);
        QCOMPARE(groups->itemText(0), QString("Harlowe Ltd"));
        const int platform = groups->findText("    Platform");
        QVERIFY2(platform > 0, "a third-level group is indented by four spaces");
        const QStringList firstMembers =
            serverUserKeys(f.wizard->session(), resourcesByGroupCall(qint16(firstGroup)));
        QVERIFY(firstMembers.size() >= 6);
        QCOMPARE(keys(available), firstMembers);
        QCOMPARE(assigned->topLevelItemCount(), 0);
        QVERIFY(page->SearchAssignmentText->text().isEmpty());

        // The second role to the second and fourth users: walked from the bottom, each gets the role.
        const QStringList before = rows(available);
        roles->setCurrentIndex(1);
        const QString role1 = roles->itemText(1);
        const QString role1Id = roles->itemData(1).toString();
        available->topLevelItem(1)->setSelected(true);
        available->topLevelItem(3)->setSelected(true);
        QCOMPARE(f.callsDuring([&] { page->AddNewAssignmentCommand->click(); }), QStringList{});
        auto assignmentRow = [](const QString& userRow, const QString& roleId, const QString& roleText) {
            const QString key = userRow.section(' ', 0, 0);
            const QString text = userRow.section(' ', 1, -2);
            return key + ':' + roleId + ' ' + text + " (" + roleText + ") <user>";
        };
        QCOMPARE(rows(assigned), (QStringList{assignmentRow(before[3], role1Id, role1),
                                              assignmentRow(before[1], role1Id, role1)}));
        QCOMPARE(rows(available), (QStringList{before[0], before[2]} + before.mid(4)));
        QCOMPARE(available->selectedItems(), QList<QTreeWidgetItem*>{available->topLevelItem(1)});

        // A double click assigns with the role now chosen; after the last row the new last one is selected.
        roles->setCurrentIndex(0);
        available->clearSelection();
        const int last = available->topLevelItemCount() - 1;
        const QString lastRow = rows(available).at(last);
        available->topLevelItem(last)->setSelected(true);
        Q_EMIT available->itemDoubleClicked(available->topLevelItem(last), 0);
        QCOMPARE(rows(assigned).last(),
                 assignmentRow(lastRow, roles->itemData(0).toString(), roles->itemText(0)));
        QCOMPARE(available->selectedItems(), QList<QTreeWidgetItem*>{available->topLevelItem(last - 1)});
        const QStringList assignedUsers = userKeys(keys(assigned));
        QCOMPARE(assignedUsers.size(), 3);

        // Another group: its members without the users who hold a role.
        const qint32 platformId = groups->itemData(platform).toInt();
        QCOMPARE(f.callsDuring([&] { groups->setCurrentIndex(platform); }),
                 QStringList{QString("GetResourceListByGroup [%1]").arg(platformId)});
        QCOMPARE(keys(available),
                 WizardFixture::without(
                     serverUserKeys(f.wizard->session(), resourcesByGroupCall(qint16(platformId))),
                     assignedUsers));
        f.expectUnlocked(19);

        // Search by the button and by Enter: users with a role are not offered, whatever the answer.
        const auto search = [page](const QString& text, bool byEnter) {
            page->SearchAssignmentText->setText(text);
            byEnter ? QTest::keyClick(page->SearchAssignmentText, Qt::Key_Return)
                    : page->FindAssignmentCommand->click();
        };
        const QString someone = rows(assigned).first().section(' ', 2, 2); // a last name
        QCOMPARE(f.callsDuring([&] { search(someone, false); }),
                 QStringList{QString("GetResourceListBySubstring [\"%1\"]").arg(someone)});
        const QStringList matching = serverUserKeys(f.wizard->session(), resourcesBySubstringCall(someone));
        QVERIFY(matching.contains(assignedUsers.first()));
        QCOMPARE(keys(available), WizardFixture::without(matching, assignedUsers));
        f.expectUnlocked(19);
        QCOMPARE(f.callsDuring([&] { search("Whit", true); }),
                 QStringList{"GetResourceListBySubstring [\"Whit\"]"});
        QCOMPARE(rows(available), QStringList{"U1 Ada Whitfield <user>"});
        f.expectUnlocked(19);

        // Taken back: the user returns with the key and text from before, the role part cut off.
        assigned->clearSelection();
        assigned->topLevelItem(0)->setSelected(true);
        page->DelAssignmentCommand->click();
        QCOMPARE(rows(available), (QStringList{"U1 Ada Whitfield <user>", before[3]}));
        QCOMPARE(assigned->topLevelItemCount(), 2);

        // Ada gets the third role; the first assignment goes by a double click.
        roles->setCurrentIndex(2);
        available->clearSelection();
        available->topLevelItem(0)->setSelected(true);
        page->AddNewAssignmentCommand->click();
        QCOMPARE(rows(available), QStringList{before[3]});
        assigned->clearSelection();
        assigned->topLevelItem(0)->setSelected(true);
        Q_EMIT assigned->itemDoubleClicked(assigned->topLevelItem(0), 0);
        QCOMPARE(rows(available), (QStringList{before[3], before[1]}));
        const QStringList chosen = keys(assigned);
        QCOMPARE(chosen, (QStringList{lastRow.section(' ', 0, 0) + ':' + roles->itemData(0).toString(),
                                      "U1:" + roles->itemData(2).toString()}));
        QVERIFY(f.shown.isEmpty());

        QVERIFY(f.cleanJournal());
    }
    void backAndForwardReloads()
    {
        start("4.0");
        if (QTest::currentTestFailed())
            return;
        chooseTemplate("Office Move");
        f.expectUnlocked(19);
        TemplatesPage* page = templates();
        page->SearchAssignmentText->setText("an");
        page->FindAssignmentCommand->click();
        page->AssignmentUsersListView->topLevelItem(0)->setSelected(true);
        page->AddNewAssignmentCommand->click();
        QCOMPARE(page->AddedAssignmentsListView->topLevelItemCount(), 1);

        // Back to the project page, another template, forward again: a new page, nothing assigned.
        f.nav(2)->click();
        QCOMPARE(f.step(), 9);
        f.nav(2)->click();
        QCOMPARE(f.step(), 8);
        const qsizetype mark = f.server->journalSize();
        chooseTemplate("Marketing Campaign");
        f.expectUnlocked(19);
        QCOMPARE(f.server->callsSince(mark).size(), 3);
        QCOMPARE(f.server->callsSince(mark).first(), QString("GetRoleList [%1]").arg(m_templateId));
        QCOMPARE(WizardFixture::entries(page->RolesCombo), serverRoles(m_templateId));
        QCOMPARE(page->AddedAssignmentsListView->topLevelItemCount(), 0);
        QVERIFY(page->SearchAssignmentText->text().isEmpty());
        QCOMPARE(keys(page->AssignmentUsersListView),
                 serverUserKeys(f.wizard->session(), resourcesByGroupCall(qint16(
                                                         page->AssignmentsGroupCombo->itemData(0).toInt()))));

        // No assignment made: the template is applied with an empty list (CreateProject40 on 4.0).
        f.nav(3)->click();
        f.nav(3)->click();
        QCOMPARE(f.step(), 21);
        const QJsonObject applied = f.server->calls("updateProjectFromTemplate").last();
        QCOMPARE(applied.value("args").toArray(),
                 (QJsonArray{f.wizard->state().CreatedObjectId, m_templateId, QJsonArray{}}));
        QCOMPARE(f.server->calls("CreateProject40").size(), 1);
        QVERIFY(f.shown.isEmpty());
    }
    void pageAfterTheDescription_data()
    {
        // (4.0 and 4.7, with and without a template: the unattended template runs.)
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<int>("page");
        QTest::newRow("4.1 with a template") << "4.1"
                                             << "Software Project" << 19;
        QTest::newRow("3.5 has no templates") << "3.5"
                                              << "" << 18;
    }
    void pageAfterTheDescription()
    {
        QFETCH(QString, version);
        QFETCH(QString, templateName);
        QFETCH(int, page);
        start(version);
        if (QTest::currentTestFailed())
            return;
        if (version == "3.5")
            QVERIFY(!project()->ProjectTemplateCombo->isEnabled());
        chooseTemplate(templateName);
        f.expectUnlocked(page);
        QCOMPARE(f.server->calls("GetRoleList").size(), page == 19 ? 1 : 0);
        QVERIFY(f.shown.isEmpty());
    }
    void failedQueries_data() { WizardFixture::addRows(kFailedQueries); }
    void failedQueries()
    {
        QFETCH(int, row);
        const FailedQuery& q = kFailedQueries[row];
        const int page = q.page;
        const bool rolesFilled = q.rolesFilled;
        start({}, {"--fault", q.fault});
        if (QTest::currentTestFailed())
            return;
        chooseTemplate("Software Project");
        f.expectMessage(q.textId, q.fault.section("status:", 1));
        f.expectUnlocked(page);
        TemplatesPage* templatesPage = templates();
        QCOMPARE(templatesPage->RolesCombo->count() > 0, rolesFilled);
        QCOMPARE(templatesPage->AssignmentsGroupCombo->count() > 0, page == 19);
        QCOMPARE(templatesPage->AssignmentUsersListView->topLevelItemCount() > 0, q.availableFilled);
        if (page != 19 || rolesFilled)
            return;
        // Without a role nothing can be assigned.
        templatesPage->AssignmentUsersListView->topLevelItem(0)->setSelected(true);
        const int count = templatesPage->AssignmentUsersListView->topLevelItemCount();
        templatesPage->AddNewAssignmentCommand->click();
        QCOMPARE(templatesPage->AddedAssignmentsListView->topLevelItemCount(), 0);
        QCOMPARE(templatesPage->AssignmentUsersListView->topLevelItemCount(), count);
    }
};

QTEST_MAIN(TestTemplatesPage)
#include "tst_templates_page.moc"

// The templates page against a live development server: the chosen template's roles, the groups and
// their members; search, group change, assignments given and taken back; back for another template.
#include "PeopleKeys.h"
#include "TreeRows.h"
#include "WizardFixture.h"

#include "items/ProjectPage.h"
#include "items/TemplatesPage.h"
#include "people/PeopleAnswers.h"
#include "people/PeopleRequests.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

using namespace kitbench;

namespace {

// The user keys of assignment keys ("U" + user id + ":" + role id).
QStringList userKeys(QStringList assignmentKeys)
{
    for (QString& key : assignmentKeys)
        key = key.section(':', 0, 0);
    return assignmentKeys;
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
    // The project job connected, on its first page; false (the reason logged) if not.
    bool start(const QString& version = {}, const QStringList& serverArguments = {})
    {
        if (!f.serve(version, serverArguments))
            return false;
        f.start("/createproject");
        if (!f.shown.isEmpty())
            qWarning("%s", qPrintable(f.firstShown()));
        return f.shown.isEmpty();
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
        QVERIFY(start());
        const QStringList loadCalls = f.callsDuring([&] { chooseTemplate("Software Project"); });
        QVERIFY(f.shown.isEmpty());
        f.expectUnlocked(19);
        TemplatesPage* page = templates();
        QComboBox* roles = page->RolesCombo;
        QTreeWidget* available = page->AssignmentUsersListView;
        QTreeWidget* assigned = page->AddedAssignmentsListView;
        QCOMPARE(loadCalls, (QStringList{QString("GetRoleList [%1]").arg(m_templateId), "GetGroupList []",
                                         QString("GetResourceListByGroup [%1]")
                                             .arg(page->AssignmentsGroupCombo->itemData(0).toInt())}));

        // The second role to the second and fourth users, asking the server nothing: walked from the
        // bottom, each row names the role. A double click assigns with the role then chosen.
        const QStringList before = rows(available);
        roles->setCurrentIndex(1);
        available->topLevelItem(1)->setSelected(true);
        available->topLevelItem(3)->setSelected(true);
        QCOMPARE(f.callsDuring([&] { page->AddNewAssignmentCommand->click(); }), QStringList{});
        roles->setCurrentIndex(0);
        QTreeWidgetItem* last = available->topLevelItem(available->topLevelItemCount() - 1);
        available->clearSelection();
        last->setSelected(true);
        Q_EMIT available->itemDoubleClicked(last, 0);
        auto assignmentRow = [roles](const QString& userRow, int role) {
            return userRow.section(' ', 0, 0) + ':' + roles->itemData(role).toString() + ' ' +
                   userRow.section(' ', 1, -2) + " (" + roles->itemText(role) + ") <user>";
        };
        QCOMPARE(rows(assigned), (QStringList{assignmentRow(before[3], 1), assignmentRow(before[1], 1),
                                              assignmentRow(before.last(), 0)}));

        // A search offers no user who holds a role, whatever the answer; Enter searches too.
        const QString lastName = rows(assigned).first().section(' ', 2, 2);
        const QString assignedUser = keys(assigned).first().section(':', 0, 0);
        page->SearchAssignmentText->setText(lastName);
        page->FindAssignmentCommand->click();
        const QStringList matching = serverUserKeys(f.wizard->session(), resourcesBySubstringCall(lastName));
        QVERIFY(matching.contains(assignedUser));
        QCOMPARE(keys(available), WizardFixture::without(matching, userKeys(keys(assigned))));
        page->SearchAssignmentText->setText("Whit");
        QCOMPARE(f.callsDuring([&] { QTest::keyClick(page->SearchAssignmentText, Qt::Key_Return); }),
                 QStringList{"GetResourceListBySubstring [\"Whit\"]"});
        QCOMPARE(rows(available), QStringList{"U1 Ada Whitfield <user>"});
        // Taken back, a user returns with the key and text from before.
        assigned->clearSelection();
        assigned->topLevelItem(0)->setSelected(true);
        page->DelAssignmentCommand->click();
        assigned->topLevelItem(0)->setSelected(true);
        Q_EMIT assigned->itemDoubleClicked(assigned->topLevelItem(0), 0);
        QCOMPARE(rows(available), (QStringList{"U1 Ada Whitfield <user>", before[3], before[1]}));
        QVERIFY(f.shown.isEmpty());
        QVERIFY(f.cleanJournal());
    }
    void backAndForwardReloads()
    {
        QVERIFY(start("4.0"));
        chooseTemplate("Office Move");
        TemplatesPage* page = templates();
        page->AssignmentUsersListView->topLevelItem(0)->setSelected(true);
        page->AddNewAssignmentCommand->click();
        QCOMPARE(page->AddedAssignmentsListView->topLevelItemCount(), 1);

        // Back to the project page, another template, forward again: a new page, nothing assigned.
        f.nav(2)->click();
        f.nav(2)->click();
        QCOMPARE(f.step(), 8);
        const QStringList calls = f.callsDuring([&] { chooseTemplate("Marketing Campaign"); });
        f.expectUnlocked(19);
        QCOMPARE(calls.size(), 3);
        QCOMPARE(calls.first(), QString("GetRoleList [%1]").arg(m_templateId));
        QCOMPARE(WizardFixture::entries(page->RolesCombo), serverRoles(m_templateId));
        QCOMPARE(page->AddedAssignmentsListView->topLevelItemCount(), 0);

        // No assignment made: the template is applied with an empty list (CreateProject40 on 4.0).
        f.nav(3)->click();
        f.nav(3)->click();
        QCOMPARE(f.step(), 21);
        QCOMPARE(f.server->calls("updateProjectFromTemplate").last().value("args").toArray(),
                 (QJsonArray{f.wizard->state().CreatedObjectId, m_templateId, QJsonArray{}}));
        QCOMPARE(f.server->calls("CreateProject40").size(), 1);
        QVERIFY(f.shown.isEmpty());
    }
    void failedQueries_data() { WizardFixture::addRows(kFailedQueries); }
    void failedQueries()
    {
        QFETCH(int, row);
        const FailedQuery& q = kFailedQueries[row];
        QVERIFY(start({}, {"--fault", q.fault}));
        chooseTemplate("Software Project");
        f.expectMessage(q.textId, q.fault.section("status:", 1));
        f.expectUnlocked(q.page);
        TemplatesPage* page = templates();
        QTreeWidget* available = page->AssignmentUsersListView;
        QCOMPARE(page->RolesCombo->count() > 0, q.rolesFilled);
        QCOMPARE(page->AssignmentsGroupCombo->count() > 0, q.page == 19);
        QCOMPARE(available->topLevelItemCount() > 0, q.availableFilled);
        if (q.page != 19 || q.rolesFilled)
            return;
        // Without a role nothing can be assigned.
        available->topLevelItem(0)->setSelected(true);
        page->AddNewAssignmentCommand->click();
        QCOMPARE(page->AddedAssignmentsListView->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(TestTemplatesPage)
#include "tst_templates_page.moc"

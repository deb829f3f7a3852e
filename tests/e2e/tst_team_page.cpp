// The team page against a live development server: how it is loaded for each job, its search,
// group, add and remove commands, and what the server was asked.
#include "PeopleKeys.h"
#include "TreeRows.h"
#include "WizardFixture.h"

#include "people/PeopleRequests.h"
#include "people/TeamPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

using namespace kitbench;

namespace {

// The connect sequence and the team page as they are, without the item pages' own loads and checks:
// the test sets the few item page controls the team page reads.
class TeamPageJobs : public ServerJobs
{
public:
    using ServerJobs::ServerJobs;
    bool checkPageData(int /*step*/) override { return true; }

protected:
    bool loadForRunMode(int /*runMode*/) override { return true; }
};

void setEntries(QComboBox* combo, const QList<std::pair<QString, int>>& entries)
{
    combo->clear();
    for (const auto& [text, data] : entries)
        combo->addItem(text, data);
}

struct Mode
{
    const char* tag;
    QString keyword, projectCombo;
    int projectIndex, completionIndex;
    bool mustConfirm, addGroup;
};
// An incident with its project combo at 0 gets the groups; any other entry binds the page to the
// project's team. Add Group is offered to a to-do only when all participants complete it.
const Mode kModes[] = {
    {"incident, no project", "createincident", "IncidentProjectCombo", 0, 0, false, false},
    {"incident with a project", "createincident", "IncidentProjectCombo", 1, 0, false, false},
    {"task", "createtask", "TaskProjectCombo", 1, 0, true, false},
    {"to-do, synchronized project", "createtodo", "ToDoProjectCombo", 2, 0, true, false},
    {"to-do, no project", "createtodo", "ToDoProjectCombo", 0, 0, true, false},
    {"to-do, all participants", "createtodo", "ToDoProjectCombo", 0, 1, true, true},
};

struct FailedQuery
{
    const char* tag;
    QString fault, resourceIds;
    int textId, step, selectedCount;
    bool availableFilled;
};
// No groups: the page is not shown, the group combo stays empty. Other queries: one message, and the
// page shows what could be filled.
const FailedQuery kFailedQueries[] = {
    {"group list fault", "GetGroupList=soap-fault", "", 5005, 4, 0, false},
    {"group list refused", "GetGroupList=status:Directory offline", "3", 5009, 4, 0, false},
    {"members lost", "GetResourceListByGroup=http-500", "3", 0, 18, 1, false},
    {"preselected users fault", "GetResourceListByOrvUsers=bad-xml", "3", 5005, 18, 0, true},
};
} // namespace

class TestTeamPage : public QObject
{
    Q_OBJECT
    WizardFixture f;
    TeamPageJobs* m_hooks = nullptr; // owned by the window
    // The job with these users preselected, connected: on its item page; false (the reason logged) if not.
    bool start(const QString& keyword, const QString& resourceIds, const QStringList& serverArguments = {})
    {
        if (!f.serve({}, serverArguments))
            return false;
        f.start("/" + keyword + (resourceIds.isEmpty() ? QString() : " /ORVRESOURCES " + resourceIds),
                [this](frmWizard& wizard) {
                    auto hooks = std::make_unique<TeamPageJobs>(wizard);
                    m_hooks = hooks.get();
                    return hooks;
                });
        if (!f.shown.isEmpty())
            qWarning("%s", qPrintable(f.firstShown()));
        return f.shown.isEmpty();
    }
    // Next on the item page; the incident job has no team page on its way, so the test loads and
    // enters it the way the navigation does for the other jobs.
    void goToTeamPage()
    {
        if (f.step() == 2) {
            f.wizard->LockPage(2, true);
            const bool loaded = m_hooks->loadGroups();
            f.wizard->LockPage(2, false);
            if (loaded)
                f.wizard->ShowStep(18, NavNext);
            return;
        }
        f.nav(3)->click();
    }
    TeamPage* team() const { return static_cast<TeamPage*>(f.wizard->page(18)); }
    QStringList members(qint32 group) const
    {
        return serverUserKeys(f.wizard->session(), resourcesByGroupCall(qint16(group)));
    }

private Q_SLOTS:
    void init() { f.init(); }
    void cleanup() { f.cleanup(); }
    void eventTeamFromGroups()
    {
        QVERIFY(start("createevent", "2,3"));
        const QStringList loadCalls = f.callsDuring([&] { goToTeamPage(); });
        f.expectUnlocked(18);
        TeamPage* page = team();
        QComboBox* groups = page->ResourcesGroupCombo;
        QTreeWidget* available = page->NewResourcesListView;
        QTreeWidget* selected = page->AddedResourcesListView;
        // The preselected users selected, the first group's members available without them.
        const qint32 firstGroup = groups->itemData(0).toInt();
        QCOMPARE(loadCalls, (QStringList{"GetResourceListByOrvUsers [[2,3]]", "GetGroupList []",
                                         QString("GetResourceListByGroup [%1]").arg(firstGroup)}));
        QCOMPARE(rows(selected), (QStringList{"U2 Peter Marsh <user>", "U3 Ursula Brandt <user>"}));
        QCOMPARE(keys(available), WizardFixture::without(members(firstGroup), {"U2", "U3"}));

        // Enter searches. Must-confirm users are marked when added while the box is checked, Add Group
        // is off meanwhile; removed, such a user comes back as a plain user.
        page->SearchResourceText->setText("an");
        QCOMPARE(f.callsDuring([&] { QTest::keyClick(page->SearchResourceText, Qt::Key_Return); }),
                 QStringList{"GetResourceListBySubstring [\"an\"]"});
        const QStringList before = rows(available);
        page->MustConfirmedCheck->click();
        QVERIFY(!page->AddGroupCommand->isEnabled());
        available->topLevelItem(1)->setSelected(true);
        available->topLevelItem(3)->setSelected(true);
        page->AddNewUsersCommand->click();
        const QString second = before[1].section(' ', 0, -2), fourth = before[3].section(' ', 0, -2);
        QCOMPARE(rows(selected).mid(2),
                 (QStringList{fourth + " <user_must_be_confirmed>", second + " <user_must_be_confirmed>"}));
        page->MustConfirmedCheck->click();
        QVERIFY(page->AddGroupCommand->isEnabled());
        selected->clearSelection();
        selected->topLevelItem(2)->setSelected(true);
        page->DelUsersCommand->click();
        QCOMPARE(rows(available).last(), fourth + " <user>");

        // Another group: its members asked for; the group is added once, by its name without the indent.
        const int platform = groups->findText("    Platform");
        const qint32 platformId = groups->itemData(platform).toInt();
        QCOMPARE(f.callsDuring([&] { groups->setCurrentIndex(platform); }),
                 QStringList{QString("GetResourceListByGroup [%1]").arg(platformId)});
        page->AddGroupCommand->click();
        page->AddGroupCommand->click();
        QCOMPARE(rows(selected).count(QString("G%1 Platform <folder>").arg(platformId)), 1);

        // Double clicks move, a key in a list selects all of it.
        available->clearSelection();
        QTreeWidgetItem* first = available->topLevelItem(0);
        first->setSelected(true);
        const QString firstKey = first->data(0, ItemKeyRole).toString();
        Q_EMIT available->itemDoubleClicked(first, 0);
        QCOMPARE(keys(selected).last(), firstKey);
        selected->setFocus();
        QTest::keyClick(selected, Qt::Key_A);
        Q_EMIT selected->itemDoubleClicked(selected->topLevelItem(0), 0);
        QCOMPARE(selected->topLevelItemCount(), 0);
        QVERIFY(keys(available).contains("U2") && keys(available).contains(firstKey));
        QVERIFY(f.shown.isEmpty());
        QVERIFY(f.cleanJournal());
    }
    void enteringAgainReloads()
    {
        QVERIFY(start("createevent", "3"));
        goToTeamPage();
        TeamPage* page = team();
        page->NewResourcesListView->topLevelItem(0)->setSelected(true);
        page->AddNewUsersCommand->click();
        f.nav(2)->click();
        QCOMPARE(f.step(), 4);
        QCOMPARE(f.callsDuring([&] { f.nav(3)->click(); }).size(), 3);
        f.expectUnlocked(18);
        QCOMPARE(rows(page->AddedResourcesListView), QStringList{"U3 Ursula Brandt <user>"});
    }
    void pageModes_data() { WizardFixture::addRows(kModes); }
    void pageModes()
    {
        QFETCH(int, row);
        const Mode& m = kModes[row];
        QVERIFY(start(m.keyword, m.addGroup ? "" : "2,35"));
        auto* project = f.control<QComboBox>(m.projectCombo);
        setEntries(project, {{"(no project)", 0}, {"Website Relaunch", 1}, {"Warehouse Automation", -4}});
        project->setCurrentIndex(m.projectIndex);
        if (auto* completion = f.control<QComboBox>("ToDoCompetionTypeCombo"); m.keyword == "createtodo") {
            setEntries(completion, {{"Any participant", 1}, {"All participants", 2}, {"Manager", 3}});
            completion->setCurrentIndex(m.completionIndex);
        }
        const qint32 projectId = project->currentData().toInt();
        const QStringList calls = f.callsDuring([&] { goToTeamPage(); });
        QVERIFY(f.shown.isEmpty());
        f.expectUnlocked(18);
        TeamPage* page = team();
        QTreeWidget* available = page->NewResourcesListView;
        const QPalette::ColorRole searchBase = projectId ? QPalette::Button : QPalette::Base;
        QCOMPARE(page->SearchResourceText->palette().color(QPalette::Active, QPalette::Base),
                 QApplication::palette(page->SearchResourceText).color(QPalette::Active, searchBase));
        if (projectId) {
            // Only the project's team; the preselected user outside it is not added.
            QCOMPARE(calls, (QStringList{"GetResourceListByOrvUsers [[2,35]]",
                                         QString("GetResourceListByProject [%1]").arg(projectId)}));
            const QStringList projectTeam =
                serverUserKeys(f.wizard->session(), resourcesByProjectCall(qint16(projectId)));
            QCOMPARE(rows(page->AddedResourcesListView), QStringList{"U2 Peter Marsh <user>"});
            QCOMPARE(keys(available), WizardFixture::without(projectTeam, {"U2"}));
            QCOMPARE(page->ResourcesGroupCombo->count(), 0);
            // The team can still be picked; a lock leaves the search off afterwards.
            f.wizard->LockPage(18, true);
            f.wizard->LockPage(18, false);
            QVERIFY(!page->SearchResourceText->isEnabled() && !page->ResourcesGroupCombo->isEnabled() &&
                    !page->FindCommand->isEnabled());
            QVERIFY(available->isEnabled() && page->AddNewUsersCommand->isEnabled());
        } else {
            const qint32 firstGroup = page->ResourcesGroupCombo->itemData(0).toInt();
            const QString group = QString("GetResourceListByGroup [%1]").arg(firstGroup);
            const QStringList preselected{"GetResourceListByOrvUsers [[2,35]]"};
            QCOMPARE(calls,
                     ((m.addGroup ? QStringList() : preselected) + QStringList({"GetGroupList []", group})));
            QCOMPARE(keys(page->AddedResourcesListView),
                     (m.addGroup ? QStringList() : QStringList({"U2", "U35"})));
            QCOMPARE(keys(available),
                     WizardFixture::without(members(firstGroup), keys(page->AddedResourcesListView)));
            QVERIFY(page->ResourcesGroupCombo->isEnabled() && page->SearchResourceText->isEnabled());
        }
        QCOMPARE(!page->MustConfirmedCheck->isHidden(), m.mustConfirm);
        QCOMPARE(!page->AddGroupCommand->isHidden(), m.addGroup);
        QVERIFY(f.cleanJournal());
    }
    void failedQueries_data() { WizardFixture::addRows(kFailedQueries); }
    void failedQueries()
    {
        QFETCH(int, row);
        const FailedQuery& q = kFailedQueries[row];
        QVERIFY(start("createevent", q.resourceIds, {"--fault", q.fault}));
        goToTeamPage();
        f.expectMessage(q.textId, q.fault.section("status:", 1));
        // Left on the event page, its inputs are usable again.
        f.expectUnlocked(q.step);
        TeamPage* page = team();
        QCOMPARE(page->AddedResourcesListView->topLevelItemCount(), q.selectedCount);
        QCOMPARE(page->NewResourcesListView->topLevelItemCount() > 0, q.availableFilled);
        QCOMPARE(page->ResourcesGroupCombo->count() > 0, q.step == 18);
    }
};

QTEST_MAIN(TestTeamPage)
#include "tst_team_page.moc"

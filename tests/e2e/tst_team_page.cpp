// The team page against a live development server: how it is loaded for each job, its search,
// group, add and remove commands, and what the server was asked.
#include "PeopleKeys.h"
#include "TreeRows.h"
#include "WizardFixture.h"

#include "people/PeopleAnswers.h"
#include "people/PeopleRequests.h"
#include "people/TeamPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
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

const QList<std::pair<QString, int>> kProjects{
    {"(no project)", 0}, {"Website Relaunch", 1}, {"Warehouse Automation", -4}};

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
    // The job with these users preselected, connected: on its item page.
    void start(const QString& keyword, const QString& resourceIds, const QStringList& serverArguments = {})
    {
        QVERIFY(f.serve({}, serverArguments));
        f.start("/" + keyword + (resourceIds.isEmpty() ? QString() : " /ORVRESOURCES " + resourceIds),
                [this](frmWizard& wizard) {
                    auto hooks = std::make_unique<TeamPageJobs>(wizard);
                    m_hooks = hooks.get();
                    return hooks;
                });
        QVERIFY2(f.shown.isEmpty(), qPrintable(f.firstShown()));
        QVERIFY(f.step() >= 2 && f.step() <= 5);
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

private Q_SLOTS:
    void init() { f.init(); }
    void cleanup() { f.cleanup(); }
    void eventTeamFromGroups()
    {
        start("createevent", "2,3");
        QCOMPARE(f.step(), 4);
        const QStringList loadCalls = f.callsDuring([&] { goToTeamPage(); });
        QVERIFY(f.shown.isEmpty());
        f.expectUnlocked(18);
        TeamPage* page = team();

        // The groups in tree order, the preselected users selected, the first group's members available.
        QComboBox* groups = page->ResourcesGroupCombo;
        QVERIFY(groups->count() > 3);
        QCOMPARE(groups->currentIndex(), 0);
        QCOMPARE(groups->itemText(0), QString("Harlowe Ltd"));
        const qint32 firstGroup = groups->itemData(0).toInt();
        QCOMPARE(loadCalls, (QStringList{"GetResourceListByOrvUsers [[2,3]]", "GetGroupList []",
                                         QString("GetResourceListByGroup [%1]").arg(firstGroup)}));
        QCOMPARE(f.wizard->progressBar()->maximum(), 12);
        const int platform = groups->findText("    Platform");
        QVERIFY2(platform > 0, "a third-level group is indented by four spaces");
        QCOMPARE(rows(page->AddedResourcesListView),
                 (QStringList{"U2 Peter Marsh <user>", "U3 Ursula Brandt <user>"}));
        const QStringList firstGroupMembers =
            serverUserKeys(f.wizard->session(), resourcesByGroupCall(qint16(firstGroup)));
        QVERIFY(firstGroupMembers.contains("U3"));
        QCOMPARE(keys(page->NewResourcesListView), WizardFixture::without(firstGroupMembers, {"U2", "U3"}));
        QVERIFY(!page->AddGroupCommand->isHidden() && page->AddGroupCommand->isEnabled() &&
                !page->MustConfirmedCheck->isHidden());
        QVERIFY(page->SearchResourceText->isEnabled() && page->FindCommand->isEnabled() &&
                groups->isEnabled());

        // Another group: its members, the selected users left out.
        const qint32 platformId = groups->itemData(platform).toInt();
        QCOMPARE(f.callsDuring([&] { groups->setCurrentIndex(platform); }),
                 QStringList{QString("GetResourceListByGroup [%1]").arg(platformId)});
        QCOMPARE(
            keys(page->NewResourcesListView),
            WizardFixture::without(
                serverUserKeys(f.wizard->session(), resourcesByGroupCall(qint16(platformId))), {"U2", "U3"}));
        f.expectUnlocked(18);

        // Search by the button and by Enter in the search box.
        const auto search = [page](const QString& text, bool byEnter) {
            page->SearchResourceText->setText(text);
            byEnter ? QTest::keyClick(page->SearchResourceText, Qt::Key_Return) : page->FindCommand->click();
        };
        QCOMPARE(f.callsDuring([&] { search("an", false); }),
                 QStringList{"GetResourceListBySubstring [\"an\"]"});
        const QStringList matching = serverUserKeys(f.wizard->session(), resourcesBySubstringCall("an"));
        QVERIFY2(matching.contains("U3"), "Ursula Brandt matches, but she is selected already");
        QCOMPARE(keys(page->NewResourcesListView), WizardFixture::without(matching, {"U2", "U3"}));
        f.expectUnlocked(18);
        QCOMPARE(f.callsDuring([&] { search("Whit", true); }),
                 QStringList{"GetResourceListBySubstring [\"Whit\"]"});
        QCOMPARE(rows(page->NewResourcesListView), QStringList{"U1 Ada Whitfield <user>"});

        // Must-confirm users: marked when added while the box is checked; Add Group is off meanwhile.
        search("an", false);
        QTreeWidget* available = page->NewResourcesListView;
        QTreeWidget* selected = page->AddedResourcesListView;
        QVERIFY(available->topLevelItemCount() >= 5);
        const QStringList before = rows(available);
        page->MustConfirmedCheck->click();
        QVERIFY(!page->AddGroupCommand->isEnabled());
        available->topLevelItem(1)->setSelected(true);
        available->topLevelItem(3)->setSelected(true);
        page->AddNewUsersCommand->click();
        const QString second = before[1].section(' ', 0, -2);
        const QString fourth = before[3].section(' ', 0, -2);
        QCOMPARE(rows(selected).mid(2),
                 (QStringList{fourth + " <user_must_be_confirmed>", second + " <user_must_be_confirmed>"}));
        QCOMPARE(rows(available), (QStringList{before[0], before[2]} + before.mid(4)));
        QCOMPARE(available->selectedItems(), QList<QTreeWidgetItem*>{available->topLevelItem(1)});

        // Cleared again: plain users, Add Group back; after the last item the new last one is selected.
        page->MustConfirmedCheck->click();
        QVERIFY(page->AddGroupCommand->isEnabled());
        available->clearSelection();
        const int last = available->topLevelItemCount() - 1;
        const QString lastRow = rows(available).at(last);
        available->topLevelItem(last)->setSelected(true);
        page->AddNewUsersCommand->click();
        QCOMPARE(rows(selected).last(), lastRow);
        QCOMPARE(available->selectedItems(), QList<QTreeWidgetItem*>{available->topLevelItem(last - 1)});

        // A must-confirm user removed comes back as a plain user.
        selected->clearSelection();
        selected->topLevelItem(2)->setSelected(true);
        page->DelUsersCommand->click();
        QCOMPARE(rows(available).last(), fourth + " <user>");
        QVERIFY(!keys(selected).contains(fourth.section(' ', 0, 0)));

        // A group is added once, by its name without the indent; removing it does not list it anywhere.
        groups->setCurrentIndex(platform);
        page->AddGroupCommand->click();
        page->AddGroupCommand->click();
        const QString groupRow = QString("G%1 Platform <folder>").arg(platformId);
        QCOMPARE(rows(selected).count(groupRow), 1);
        selected->clearSelection();
        selected->topLevelItem(selected->topLevelItemCount() - 1)->setSelected(true);
        const int availableCount = available->topLevelItemCount();
        page->DelUsersCommand->click();
        QVERIFY(!rows(selected).contains(groupRow));
        QCOMPARE(available->topLevelItemCount(), availableCount);

        // Double clicks move, a key in a list selects all of it.
        available->clearSelection();
        QTreeWidgetItem* first = available->topLevelItem(0);
        const QString firstKey = first->data(0, ItemKeyRole).toString();
        first->setSelected(true);
        Q_EMIT available->itemDoubleClicked(first, 0);
        QCOMPARE(keys(selected).last(), firstKey);
        selected->setFocus();
        QTest::keyClick(selected, Qt::Key_A);
        QCOMPARE(selected->selectedItems().size(), selected->topLevelItemCount());
        Q_EMIT selected->itemDoubleClicked(selected->topLevelItem(0), 0);
        QCOMPARE(selected->topLevelItemCount(), 0);
        QVERIFY(keys(available).contains("U2") && keys(available).contains("U3") &&
                keys(available).contains(firstKey));

        f.expectUnlocked(18);
        QVERIFY(f.shown.isEmpty());
        QVERIFY(f.cleanJournal());
    }
    void enteringAgainReloads()
    {
        start("createevent", "3");
        goToTeamPage();
        f.expectUnlocked(18);
        TeamPage* page = team();
        page->NewResourcesListView->topLevelItem(0)->setSelected(true);
        page->AddNewUsersCommand->click();
        QCOMPARE(page->AddedResourcesListView->topLevelItemCount(), 2);
        f.nav(2)->click();
        QCOMPARE(f.step(), 4);
        const qsizetype mark = f.server->journalSize();
        f.nav(3)->click();
        f.expectUnlocked(18);
        QCOMPARE(f.server->callsSince(mark).size(), 3);
        QCOMPARE(rows(page->AddedResourcesListView), QStringList{"U3 Ursula Brandt <user>"});
    }
    void pageModes_data()
    {
        // An incident with its project combo at 0 gets the groups; any other entry binds the page.
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("projectCombo");
        QTest::addColumn<int>("projectIndex");
        QTest::addColumn<bool>("mustConfirmShown");
        QTest::newRow("incident, no project") << "createincident"
                                              << "IncidentProjectCombo" << 0 << false;
        QTest::newRow("incident with a project") << "createincident"
                                                 << "IncidentProjectCombo" << 1 << false;
        QTest::newRow("task") << "createtask"
                              << "TaskProjectCombo" << 1 << true;
        QTest::newRow("to-do, synchronized project") << "createtodo"
                                                     << "ToDoProjectCombo" << 2 << true;
        QTest::newRow("to-do, no project") << "createtodo"
                                           << "ToDoProjectCombo" << 0 << true;
    }
    void pageModes()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, projectCombo);
        QFETCH(int, projectIndex);
        QFETCH(bool, mustConfirmShown);
        start(keyword, "2,35");
        if (QTest::currentTestFailed())
            return;
        auto* project = f.control<QComboBox>(projectCombo);
        setEntries(project, kProjects);
        project->setCurrentIndex(projectIndex);
        const qint32 projectId = project->currentData().toInt();
        const qsizetype mark = f.server->journalSize();
        goToTeamPage();
        QVERIFY(f.shown.isEmpty());
        f.expectUnlocked(18);
        TeamPage* page = team();
        QTreeWidget* available = page->NewResourcesListView;
        const auto searchBase = [&](QPalette::ColorRole role) {
            return page->SearchResourceText->palette().color(QPalette::Active, QPalette::Base) ==
                   QApplication::palette(page->SearchResourceText).color(QPalette::Active, role);
        };
        if (projectId) {
            // Only the project's team; the preselected user outside it is not added.
            QCOMPARE(f.server->callsSince(mark),
                     (QStringList{"GetResourceListByOrvUsers [[2,35]]",
                                  QString("GetResourceListByProject [%1]").arg(projectId)}));
            QCOMPARE(f.wizard->progressBar()->maximum(), 8);
            const QStringList projectTeam =
                serverUserKeys(f.wizard->session(), resourcesByProjectCall(qint16(projectId)));
            QVERIFY(projectTeam.contains("U2") && !projectTeam.contains("U35"));
            QCOMPARE(rows(page->AddedResourcesListView), QStringList{"U2 Peter Marsh <user>"});
            QCOMPARE(keys(available), WizardFixture::without(projectTeam, {"U2"}));
            QCOMPARE(page->ResourcesGroupCombo->count(), 0);
            QVERIFY(!page->ResourcesGroupCombo->isEnabled() && !page->SearchResourceText->isEnabled() &&
                    !page->FindCommand->isEnabled() && searchBase(QPalette::Button));
            // The team can still be picked; the lock leaves the search off afterwards.
            available->topLevelItem(0)->setSelected(true);
            page->AddNewUsersCommand->click();
            QCOMPARE(page->AddedResourcesListView->topLevelItemCount(), 2);
            f.wizard->LockPage(18, true);
            f.wizard->LockPage(18, false);
            QVERIFY(!page->SearchResourceText->isEnabled() && !page->ResourcesGroupCombo->isEnabled());
            QVERIFY(available->isEnabled() && page->AddNewUsersCommand->isEnabled());
        } else {
            const qint32 firstGroup = page->ResourcesGroupCombo->itemData(0).toInt();
            QCOMPARE(f.server->callsSince(mark),
                     (QStringList{"GetResourceListByOrvUsers [[2,35]]", "GetGroupList []",
                                  QString("GetResourceListByGroup [%1]").arg(firstGroup)}));
            QCOMPARE(f.wizard->progressBar()->maximum(), 12);
            QCOMPARE(rows(page->AddedResourcesListView),
                     (QStringList{"U2 Peter Marsh <user>", "U35 Zoe Adams <user>"}));
            QCOMPARE(keys(available),
                     WizardFixture::without(
                         serverUserKeys(f.wizard->session(), resourcesByGroupCall(qint16(firstGroup))),
                         {"U2", "U35"}));
            QVERIFY(page->ResourcesGroupCombo->isEnabled() && page->SearchResourceText->isEnabled() &&
                    searchBase(QPalette::Base));
        }
        QCOMPARE(!page->MustConfirmedCheck->isHidden(), mustConfirmShown);
        QVERIFY(page->AddGroupCommand->isHidden());
        QVERIFY(f.cleanJournal());
    }

    void toDoAddGroup_data()
    {
        QTest::addColumn<int>("completionIndex");
        for (int index : {0, 1, 2})
            QTest::addRow("completion type %d", index) << index;
    }
    void toDoAddGroup()
    {
        QFETCH(int, completionIndex);
        start("createtodo", QString());
        if (QTest::currentTestFailed())
            return;
        setEntries(f.control<QComboBox>("ToDoProjectCombo"), kProjects);
        auto* completion = f.control<QComboBox>("ToDoCompetionTypeCombo");
        setEntries(completion, {{"Any participant", 1}, {"All participants", 2}, {"Manager", 3}});
        completion->setCurrentIndex(completionIndex);
        const qsizetype mark = f.server->journalSize();
        goToTeamPage();
        f.expectUnlocked(18);
        TeamPage* page = team();
        const qint32 firstGroup = page->ResourcesGroupCombo->itemData(0).toInt();
        QCOMPARE(f.server->callsSince(mark),
                 (QStringList{"GetGroupList []", QString("GetResourceListByGroup [%1]").arg(firstGroup)}));
        QCOMPARE(f.wizard->progressBar()->maximum(), 8);
        QCOMPARE(page->AddGroupCommand->isHidden(), completionIndex != 1);
        QVERIFY(!page->MustConfirmedCheck->isHidden());
        QCOMPARE(page->AddedResourcesListView->topLevelItemCount(), 0);
        if (completionIndex == 1) {
            page->AddGroupCommand->click();
            QCOMPARE(rows(page->AddedResourcesListView),
                     QStringList{QString("G%1 Harlowe Ltd <folder>").arg(firstGroup)});
        }
    }
    void failedQueries_data() { WizardFixture::addRows(kFailedQueries); }
    void failedQueries()
    {
        QFETCH(int, row);
        const FailedQuery& q = kFailedQueries[row];
        start("createevent", q.resourceIds, {"--fault", q.fault});
        if (QTest::currentTestFailed())
            return;
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

// The team page against a live development server: how it is loaded for each job, its search,
// group, add and remove commands, and what the server was asked.
#include "DevServer.h"
#include "KitbenchRun.h"
#include "PeopleKeys.h"
#include "TempSettings.h"
#include "TreeRows.h"

#include "items/IncidentPage.h"
#include "items/TaskPage.h"
#include "items/ToDoPage.h"
#include "people/PeopleAnswers.h"
#include "people/PeopleRequests.h"
#include "people/TeamPage.h"
#include "platform/Message.h"
#include "app/ServerJobs.h"
#include "shell/CommandLine.h"
#include "shell/Controls.h"
#include "shell/PageGraph.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
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

QStringList without(QStringList list, const QStringList& removed)
{
    list.removeIf([&](const QString& key) { return removed.contains(key); });
    return list;
}

void setEntries(QComboBox* combo, const QList<std::pair<QString, int>>& entries)
{
    combo->clear();
    for (const auto& [text, data] : entries)
        combo->addItem(text, data);
}

const QList<std::pair<QString, int>> kProjects{
    {"(no project)", 0}, {"Website Relaunch", 1}, {"Warehouse Automation", -4}};

} // namespace

class TestTeamPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void eventTeamFromGroups();
    void enteringAgainReloads();
    void pageModes_data();
    void pageModes();
    void toDoAddGroup_data();
    void toDoAddGroup();
    void failedQueries_data();
    void failedQueries();
    void unattendedTeamReachesTheCreateCall();

private:
    void start(const QString& keyword, const QString& resourceIds, const QStringList& serverArguments = {});
    void goToTeamPage();
    TeamPage* team() const { return static_cast<TeamPage*>(m_wizard->page(18)); }
    QPushButton* nav(int index) const { return m_wizard->cmdNav[static_cast<std::size_t>(index)]; }
    void expectCleanJournal() const;
    void expectUnlocked(int step) const;

    std::unique_ptr<TempSettings> m_temp;
    std::unique_ptr<DevServer> m_server;
    std::unique_ptr<frmWizard> m_wizard;
    TeamPageJobs* m_hooks = nullptr; // owned by the window
    QList<Message> m_shown;
};

void TestTeamPage::init()
{
    m_temp = std::make_unique<TempSettings>();
    ForgetLanguagePack();
    MessageService::instance().clearHistory();
    m_shown.clear();
}

void TestTeamPage::cleanup()
{
    m_wizard.reset();
    m_server.reset();
    MessageService::instance().setPresenter({});
    MessageService::instance().clearHistory();
    m_temp.reset();
}

void TestTeamPage::start(const QString& keyword, const QString& resourceIds,
                         const QStringList& serverArguments)
{
    m_server = std::make_unique<DevServer>(QStringList{"--seed", "demo"} + serverArguments);
    QVERIFY2(!m_server->address().isEmpty(), qPrintable(m_server->errorOutput()));
    m_wizard = std::make_unique<frmWizard>();
    auto hooks = std::make_unique<TeamPageJobs>(*m_wizard);
    m_hooks = hooks.get();
    m_wizard->setJobHooks(std::move(hooks));
    QString command = "/" + keyword;
    if (!resourceIds.isEmpty())
        command += " /ORVRESOURCES " + resourceIds;
    m_wizard->Form_Load(parseCommandLine(command + " /L admin@" + m_server->address() + " /P admin"));
    MessageService::instance().setPresenter([this](const Message& message) {
        m_shown.append(message);
        return message.needsAnswer() ? MessageAnswer::Yes : MessageAnswer::Ok;
    });
    m_wizard->show();
    m_wizard->ShowStep(1, NavNext);
    nav(3)->click();
    QVERIFY2(m_shown.isEmpty(), m_shown.isEmpty() ? "" : qPrintable(m_shown[0].text));
    QVERIFY(m_wizard->state().CurrentStep >= 2 && m_wizard->state().CurrentStep <= 5);
}

// Next on the item page; the incident job has no team page on its way, so the test loads and
// enters it the way the navigation does for the other jobs.
void TestTeamPage::goToTeamPage()
{
    if (m_wizard->state().CurrentStep == 2) {
        m_wizard->LockPage(2, true);
        const bool loaded = m_hooks->loadGroups();
        m_wizard->LockPage(2, false);
        if (loaded)
            m_wizard->ShowStep(18, NavNext);
        return;
    }
    nav(3)->click();
}

void TestTeamPage::expectCleanJournal() const
{
    for (const QJsonObject& entry : m_server->journal()) {
        if (!entry.contains("method"))
            continue;
        const QString line = QString::fromUtf8(QJsonDocument(entry).toJson(QJsonDocument::Compact));
        QVERIFY2(!entry.contains("warnings"), qPrintable(line));
        QVERIFY2(entry.value("user").toString() == "admin", qPrintable(line));
    }
}

void TestTeamPage::expectUnlocked(int step) const
{
    QCOMPARE(m_wizard->state().CurrentStep, qint16(step));
    QVERIFY(!m_wizard->state().IsBusy);
    QVERIFY(nav(2)->isEnabled() && nav(3)->isEnabled());
    QVERIFY(!m_wizard->progressBar()->isVisible());
}

void TestTeamPage::eventTeamFromGroups()
{
    start("createevent", "2,3");
    QCOMPARE(m_wizard->state().CurrentStep, qint16(4));
    qsizetype mark = m_server->journalSize();
    goToTeamPage();
    QVERIFY(m_shown.isEmpty());
    expectUnlocked(18);
    TeamPage* page = team();

    // The groups in tree order, the preselected users selected, the first group's members available.
    QComboBox* groups = page->ResourcesGroupCombo;
    QVERIFY(groups->count() > 3);
    QCOMPARE(groups->currentIndex(), 0);
    QCOMPARE(groups->itemText(0), QString("Harlowe Ltd"));
    const qint32 firstGroup = groups->itemData(0).toInt();
    QCOMPARE(m_server->callsSince(mark),
             (QStringList{"GetResourceListByOrvUsers [[2,3]]", "GetGroupList []",
                          QString("GetResourceListByGroup [%1]").arg(firstGroup)}));
    QCOMPARE(m_wizard->progressBar()->maximum(), 12);
    int platform = -1;
    for (int i = 0; i < groups->count(); ++i) {
        if (groups->itemText(i) == "    Platform")
            platform = i;
    }
    QVERIFY2(platform > 0, "a third-level group is indented by four spaces");
    QCOMPARE(rows(page->AddedResourcesListView),
             (QStringList{"U2 Peter Marsh <user>", "U3 Ursula Brandt <user>"}));
    const QStringList firstGroupMembers =
        serverUserKeys(m_wizard->session(), resourcesByGroupCall(qint16(firstGroup)));
    QVERIFY(firstGroupMembers.contains("U3"));
    QCOMPARE(keys(page->NewResourcesListView), without(firstGroupMembers, {"U2", "U3"}));
    QVERIFY(!page->AddGroupCommand->isHidden() && page->AddGroupCommand->isEnabled());
    QVERIFY(!page->MustConfirmedCheck->isHidden());
    QVERIFY(page->SearchResourceText->isEnabled() && page->FindCommand->isEnabled() && groups->isEnabled());

    // Another group: its members, the selected users left out.
    mark = m_server->journalSize();
    groups->setCurrentIndex(platform);
    const qint32 platformId = groups->itemData(platform).toInt();
    QCOMPARE(m_server->callsSince(mark), QStringList{QString("GetResourceListByGroup [%1]").arg(platformId)});
    mark = m_server->journalSize();
    QCOMPARE(
        keys(page->NewResourcesListView),
        without(serverUserKeys(m_wizard->session(), resourcesByGroupCall(qint16(platformId))), {"U2", "U3"}));
    expectUnlocked(18);

    // Search by the button and by Enter in the search box.
    mark = m_server->journalSize();
    page->SearchResourceText->setText("an");
    page->FindCommand->click();
    QCOMPARE(m_server->callsSince(mark), QStringList{"GetResourceListBySubstring [\"an\"]"});
    const QStringList matching = serverUserKeys(m_wizard->session(), resourcesBySubstringCall("an"));
    QVERIFY2(matching.contains("U3"), "Ursula Brandt matches, but she is selected already");
    QCOMPARE(keys(page->NewResourcesListView), without(matching, {"U2", "U3"}));
    expectUnlocked(18);
    mark = m_server->journalSize();
    page->SearchResourceText->setText("Whit");
    QTest::keyClick(page->SearchResourceText, Qt::Key_Return);
    QCOMPARE(m_server->callsSince(mark), QStringList{"GetResourceListBySubstring [\"Whit\"]"});
    QCOMPARE(rows(page->NewResourcesListView), QStringList{"U1 Ada Whitfield <user>"});

    // Must-confirm users: marked when added while the box is checked; Add Group is off meanwhile.
    page->SearchResourceText->setText("an");
    page->FindCommand->click();
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

    expectUnlocked(18);
    QVERIFY(m_shown.isEmpty());
    expectCleanJournal();
}

void TestTeamPage::enteringAgainReloads()
{
    start("createevent", "3");
    goToTeamPage();
    expectUnlocked(18);
    TeamPage* page = team();
    page->NewResourcesListView->topLevelItem(0)->setSelected(true);
    page->AddNewUsersCommand->click();
    QCOMPARE(page->AddedResourcesListView->topLevelItemCount(), 2);
    nav(2)->click();
    QCOMPARE(m_wizard->state().CurrentStep, qint16(4));
    const qsizetype mark = m_server->journalSize();
    nav(3)->click();
    expectUnlocked(18);
    QCOMPARE(m_server->callsSince(mark).size(), 3);
    QCOMPARE(rows(page->AddedResourcesListView), QStringList{"U3 Ursula Brandt <user>"});
}

void TestTeamPage::pageModes_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("projectIndex");
    QTest::addColumn<bool>("projectBound");
    QTest::addColumn<bool>("mustConfirmShown");
    // An incident with its project combo at 0 gets the groups; any other entry binds the page.
    QTest::newRow("incident, no project") << "createincident" << 0 << false << false;
    QTest::newRow("incident with a project") << "createincident" << 1 << true << false;
    QTest::newRow("task") << "createtask" << 1 << true << true;
    QTest::newRow("to-do, synchronized project") << "createtodo" << 2 << true << true;
    QTest::newRow("to-do, no project") << "createtodo" << 0 << false << true;
}

void TestTeamPage::pageModes()
{
    QFETCH(QString, keyword);
    QFETCH(int, projectIndex);
    QFETCH(bool, projectBound);
    QFETCH(bool, mustConfirmShown);
    start(keyword, "2,35");
    if (QTest::currentTestFailed())
        return;
    QComboBox* project = nullptr;
    if (keyword == "createincident")
        project = static_cast<IncidentPage*>(m_wizard->page(2))->IncidentProjectCombo;
    else if (keyword == "createtask")
        project = static_cast<TaskPage*>(m_wizard->page(3))->TaskProjectCombo;
    else
        project = static_cast<ToDoPage*>(m_wizard->page(5))->ToDoProjectCombo;
    setEntries(project, kProjects);
    project->setCurrentIndex(projectIndex);
    const qint32 projectId = project->currentData().toInt();
    const qsizetype mark = m_server->journalSize();
    goToTeamPage();
    QVERIFY(m_shown.isEmpty());
    expectUnlocked(18);
    TeamPage* page = team();
    QTreeWidget* available = page->NewResourcesListView;

    if (projectBound) {
        // Only the project's team; the preselected user outside it is not added.
        QCOMPARE(m_server->callsSince(mark),
                 (QStringList{"GetResourceListByOrvUsers [[2,35]]",
                              QString("GetResourceListByProject [%1]").arg(projectId)}));
        QCOMPARE(m_wizard->progressBar()->maximum(), 8);
        const QStringList projectTeam =
            serverUserKeys(m_wizard->session(), resourcesByProjectCall(qint16(projectId)));
        QVERIFY(projectTeam.contains("U2") && !projectTeam.contains("U35"));
        QCOMPARE(rows(page->AddedResourcesListView), QStringList{"U2 Peter Marsh <user>"});
        QCOMPARE(keys(available), without(projectTeam, {"U2"}));
        QCOMPARE(page->ResourcesGroupCombo->count(), 0);
        QVERIFY(!page->ResourcesGroupCombo->isEnabled());
        QVERIFY(!page->SearchResourceText->isEnabled() && !page->FindCommand->isEnabled());
        QCOMPARE(page->SearchResourceText->palette().color(QPalette::Active, QPalette::Base),
                 QApplication::palette(page->SearchResourceText).color(QPalette::Active, QPalette::Button));
        // The team can still be picked; the lock leaves the search off afterwards.
        available->topLevelItem(0)->setSelected(true);
        page->AddNewUsersCommand->click();
        QCOMPARE(page->AddedResourcesListView->topLevelItemCount(), 2);
        m_wizard->LockPage(18, true);
        m_wizard->LockPage(18, false);
        QVERIFY(!page->SearchResourceText->isEnabled() && !page->ResourcesGroupCombo->isEnabled());
        QVERIFY(available->isEnabled() && page->AddNewUsersCommand->isEnabled());
    } else {
        const qint32 firstGroup = page->ResourcesGroupCombo->itemData(0).toInt();
        QCOMPARE(m_server->callsSince(mark),
                 (QStringList{"GetResourceListByOrvUsers [[2,35]]", "GetGroupList []",
                              QString("GetResourceListByGroup [%1]").arg(firstGroup)}));
        QCOMPARE(m_wizard->progressBar()->maximum(), 12);
        QCOMPARE(rows(page->AddedResourcesListView),
                 (QStringList{"U2 Peter Marsh <user>", "U35 Zoe Adams <user>"}));
        QCOMPARE(keys(available),
                 without(serverUserKeys(m_wizard->session(), resourcesByGroupCall(qint16(firstGroup))),
                         {"U2", "U35"}));
        QVERIFY(page->ResourcesGroupCombo->isEnabled() && page->SearchResourceText->isEnabled());
        QCOMPARE(page->SearchResourceText->palette().color(QPalette::Active, QPalette::Base),
                 QApplication::palette(page->SearchResourceText).color(QPalette::Active, QPalette::Base));
    }
    QCOMPARE(!page->MustConfirmedCheck->isHidden(), mustConfirmShown);
    QVERIFY(page->AddGroupCommand->isHidden());
    expectCleanJournal();
}

void TestTeamPage::toDoAddGroup_data()
{
    QTest::addColumn<int>("completionIndex");
    QTest::newRow("completion type 0") << 0;
    QTest::newRow("completion type 1") << 1;
    QTest::newRow("completion type 2") << 2;
}

void TestTeamPage::toDoAddGroup()
{
    QFETCH(int, completionIndex);
    start("createtodo", QString());
    if (QTest::currentTestFailed())
        return;
    auto* toDo = static_cast<ToDoPage*>(m_wizard->page(5));
    setEntries(toDo->ToDoProjectCombo, kProjects);
    toDo->ToDoProjectCombo->setCurrentIndex(0);
    setEntries(toDo->ToDoCompetionTypeCombo,
               {{"Any participant", 1}, {"All participants", 2}, {"Manager", 3}});
    toDo->ToDoCompetionTypeCombo->setCurrentIndex(completionIndex);
    const qsizetype mark = m_server->journalSize();
    goToTeamPage();
    expectUnlocked(18);
    TeamPage* page = team();
    const qint32 firstGroup = page->ResourcesGroupCombo->itemData(0).toInt();
    QCOMPARE(m_server->callsSince(mark),
             (QStringList{"GetGroupList []", QString("GetResourceListByGroup [%1]").arg(firstGroup)}));
    QCOMPARE(m_wizard->progressBar()->maximum(), 8);
    QCOMPARE(page->AddGroupCommand->isHidden(), completionIndex != 1);
    QVERIFY(!page->MustConfirmedCheck->isHidden());
    QCOMPARE(page->AddedResourcesListView->topLevelItemCount(), 0);
    if (completionIndex == 1) {
        page->AddGroupCommand->click();
        QCOMPARE(rows(page->AddedResourcesListView),
                 QStringList{QString("G%1 Harlowe Ltd <folder>").arg(firstGroup)});
    }
}

void TestTeamPage::failedQueries_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("resourceIds");
    QTest::addColumn<int>("textId");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("selectedCount");
    QTest::addColumn<bool>("availableFilled");
    // No groups: the page is not shown, the group combo stays empty.
    QTest::newRow("group list fault") << "GetGroupList=soap-fault"
                                      << "" << 5005 << 4 << 0 << false;
    QTest::newRow("group list refused") << "GetGroupList=status:Directory offline"
                                        << "3" << 5009 << 4 << 0 << false;
    // Other queries: one message, and the page shows what could be filled.
    QTest::newRow("members lost") << "GetResourceListByGroup=http-500"
                                  << "3" << 0 << 18 << 1 << false;
    QTest::newRow("preselected users fault") << "GetResourceListByOrvUsers=bad-xml"
                                             << "3" << 5005 << 18 << 0 << true;
}

void TestTeamPage::failedQueries()
{
    QFETCH(QString, fault);
    QFETCH(QString, resourceIds);
    QFETCH(int, textId);
    QFETCH(int, step);
    QFETCH(int, selectedCount);
    QFETCH(bool, availableFilled);
    start("createevent", resourceIds, {"--fault", fault});
    if (QTest::currentTestFailed())
        return;
    goToTeamPage();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].textId, textId);
    if (textId)
        QVERIFY(m_shown[0].text.startsWith(GetLocalizedText(textId)));
    if (fault.contains("status:"))
        QVERIFY(m_shown[0].text.endsWith("Directory offline"));
    expectUnlocked(step);
    TeamPage* page = team();
    QCOMPARE(page->AddedResourcesListView->topLevelItemCount(), selectedCount);
    QCOMPARE(page->NewResourcesListView->topLevelItemCount() > 0, availableFilled);
    QCOMPARE(page->ResourcesGroupCombo->count() > 0, step == 18);
    // Left on the event page, its inputs are usable again.
    if (step == 4)
        QVERIFY(m_wizard->page(4)->isEnabled());
}

// The team picked in an unattended run is the participant list of the new event: must-confirm users
// negated, in the order of the selected list.
void TestTeamPage::unattendedTeamReachesTheCreateCall()
{
    m_server = std::make_unique<DevServer>(QStringList{"--seed", "demo"});
    QVERIFY2(!m_server->address().isEmpty(), qPrintable(m_server->errorOutput()));
    const QString answers = "[page 4]\n"
                            "EventTitleText = Team review\n"
                            "[page 18]\n"
                            "SearchResourceText = an\n"
                            "FindCommand\n"
                            "NewResourcesListView = Ana Garcia|Eva Jansen\n"
                            "MustConfirmedCheck = 1\n"
                            "AddNewUsersCommand\n"
                            "MustConfirmedCheck = 0\n"
                            "SearchResourceText = Whit\n"
                            "FindCommand\n"
                            "NewResourcesListView = Ada Whitfield\n"
                            "AddNewUsersCommand\n"
                            "[messages]\n"
                            "5061 = No\n";
    const KitbenchRun run = KitbenchRun::start(
        {"/createevent", "/ORVRESOURCES", "3", "/L", "admin@" + m_server->address(), "/P", "admin"}, answers);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.pages(), (QList<int>{0, 1, 4, 18, 20, 21}));
    const QStringList calls = m_server->callsSince(0);
    const qsizetype first = calls.indexOf("GetResourceListByOrvUsers [[3]]");
    QVERIFY2(first > 0, qPrintable(calls.join('\n')));
    QCOMPARE(calls.mid(first + 1, 4),
             (QStringList{"GetGroupList []", "GetResourceListByGroup [1]",
                          "GetResourceListBySubstring [\"an\"]", "GetResourceListBySubstring [\"Whit\"]"}));
    const QList<QJsonObject> created = m_server->calls("CreateEvent45");
    QCOMPARE(created.size(), 1);
    QCOMPARE(created[0].value("status").toString(), QString("OK"));
    // Eva Jansen (40) comes after Ana Garcia (11) in the search answer: the move walks up the list.
    QCOMPARE(created[0].value("args").toArray().last().toArray(), (QJsonArray{3, -40, -11, 1}));
    expectCleanJournal();
}

QTEST_MAIN(TestTeamPage)
#include "tst_team_page.moc"

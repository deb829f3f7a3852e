// Filling the item and project pages from large server answers: 10,000 projects, 10,000 users and
// 2,000 categories. Reports times; asserts nothing.
#include "items/ItemPageFill.h"
#include "people/ResourceLists.h"
#include "platform/Message.h"
#include "shell/RunMode.h"
#include "shell/frmWizard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace kitbench;

namespace {

constexpr int kProjects = 10000;
constexpr int kUsers = 10000;
constexpr int kCategories = 2000;

QString user(int id, bool current = false)
{
    return QStringLiteral(
               "<User><FirstName>First%1</FirstName><LastName>Last%1</LastName><UserId>%1</UserId>%2</User>")
        .arg(id)
        .arg(current ? QStringLiteral("<IsCurrentUser/>") : QString());
}

QString users(int count)
{
    QString text;
    for (int id = 1; id <= count; ++id)
        text += user(id, id == count / 2);
    return text;
}

QString projectsAnswer()
{
    QString text = QStringLiteral("<Projects>");
    for (int id = 1; id <= kProjects; ++id)
        text += QStringLiteral(
                    "<Project><Title>Project number %1</Title><ObjectID>%1</ObjectID>"
                    "<IsMSProject>False</IsMSProject><DateCreated>2030-01-01T10:00:00</DateCreated>"
                    "<StartDate>2030-01-02T08:00:00</StartDate><EndDate>2030-06-30T17:00:00</EndDate>"
                    "<Creator>Ada Whitfield</Creator><ManagerCanonName>Last%2, First%2</ManagerCanonName>"
                    "<Description>Project %1</Description><Manager>%3</Manager></Project>")
                    .arg(id)
                    .arg(id % kUsers + 1)
                    .arg(user(id % kUsers + 1));
    return text + QStringLiteral("<Managers>") + users(kUsers) + QStringLiteral("</Managers></Projects>");
}

QString categoriesAnswer()
{
    QString text = QStringLiteral("<Categories>");
    for (int id = 1; id <= kCategories; ++id)
        text +=
            QStringLiteral(
                "<Category><CategoryId>%1</CategoryId><CategoryName>Category %1</CategoryName></Category>")
                .arg(id);
    return text + QStringLiteral("</Categories>");
}

QString items(const char* name, int count)
{
    QString text = QStringLiteral("<%1>").arg(QLatin1String(name));
    for (int id = 1; id <= count; ++id)
        text += QStringLiteral("<Item><Value>Entry %1</Value><Data>%1</Data></Item>").arg(id);
    return text + QStringLiteral("</%1>").arg(QLatin1String(name));
}

QString dictionariesAnswer(bool project)
{
    QString text = QStringLiteral("<Dictionaries><CurrentUser><IsAdmin>True</IsAdmin><IsPM>False</IsPM>"
                                  "<IsPPM>False</IsPPM><IsHDM>False</IsHDM></CurrentUser>") +
                   items("Priority", 5);
    if (project)
        text += QStringLiteral("<ProjectManager>") + users(kUsers) +
                QStringLiteral("</ProjectManager><ExecutiveManager>") + users(kUsers) +
                QStringLiteral("</ExecutiveManager>") + items("ProjectType", 20) +
                items("ProjectOrganization", 500) + items("ProjectContact", 2000);
    else
        text += items("EventType", 20) + QStringLiteral("<Organizers>") + users(kUsers) +
                QStringLiteral("</Organizers>") + items("EventOrganization", 500) +
                items("EventContact", 2000);
    return text + QStringLiteral("</Dictionaries>");
}

void report(const char* what, const std::function<void()>& work, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-58s median %8.2f ms   min %8.2f ms   max %8.2f ms   (%d runs)\n", what,
                times[times.size() / 2], times.front(), times.back(), runs);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    MessageService::instance().setPresenter([](const Message&) { return MessageAnswer::Yes; });

    frmWizard wizard;
    ItemPageFill fill(wizard);
    wizard.state().ServerVersion = QStringLiteral("4.7");
    const QString projects = projectsAnswer();
    const QString categories = categoriesAnswer();
    const QString eventDictionaries = dictionariesAnswer(false);
    const QString projectDictionaries = dictionariesAnswer(true);
    std::printf("answers (thousand characters): projects %lld, categories %lld, event dictionaries %lld, "
                "project dictionaries "
                "%lld\n",
                static_cast<long long>(projects.size() / 1000),
                static_cast<long long>(categories.size() / 1000),
                static_cast<long long>(eventDictionaries.size() / 1000),
                static_cast<long long>(projectDictionaries.size() / 1000));

    wizard.state().RunMode = CREATETODO;
    report(
        "FillItemProjectCombos, 10,000 projects (to-do)", [&] { fill.FillItemProjectCombos(projects); },
        runs);
    report(
        "ToDoProjectCombo click, no project: 10,000 managers", [&] { fill.ToDoProjectCombo_Click(); }, runs);
    wizard.state().RunMode = CREATEINCIDENT;
    report(
        "FillCategoryLists, 2,000 categories (incident)", [&] { fill.FillCategoryLists(categories); }, runs);
    wizard.state().RunMode = CREATEEVENT;
    report(
        "FillDictionaryControls, event: 10,000 organizers",
        [&] { fill.FillDictionaryControls(eventDictionaries); }, runs);
    wizard.state().RunMode = CREATEPROJECT;
    report(
        "FillDictionaryControls, project: 2 x 10,000 managers",
        [&] { fill.FillDictionaryControls(projectDictionaries); }, runs);
    report(
        "FillCategoryLists, 2,000 categories (project)", [&] { fill.FillCategoryLists(categories); }, runs);

    // The team page: 10,000 users offered while 1,000 are already selected.
    const QString everybody = QStringLiteral("<Resources>") + users(kUsers) + QStringLiteral("</Resources>");
    const QString chosen = QStringLiteral("<Resources>") + users(1000) + QStringLiteral("</Resources>");
    QTreeWidget available;
    QTreeWidget selected;
    FillSelectedUsers(&selected, chosen);
    report(
        "FillAvailableUsers, 10,000 users, 1,000 selected",
        [&] { FillAvailableUsers(&available, &selected, everybody); }, runs);
    return 0;
}

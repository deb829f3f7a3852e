#include "directory/ProjectList.h"
#include "shell/RunMode.h"

#include <QTest>

using namespace kitbench;

namespace {

// A project list as GetOrvProjectList2 answers: one project synchronized with MS Project (negative
// id), one ordinary project with its manager, one without a manager, and the possible managers.
const QString kProjects = QStringLiteral(R"(<?xml version="1.0" encoding="utf-8"?>
<Projects>
  <Project><Title>Office move</Title><ObjectID>-17</ObjectID><IsMSProject>True</IsMSProject>
    <DateCreated>2024-02-01T09:30:00</DateCreated><StartDate>2024-03-01T08:00:00</StartDate>
    <EndDate>2024-06-28T17:00:00</EndDate><Creator>Anna Berg</Creator>
    <ManagerCanonName>Berg, Anna</ManagerCanonName><Description>New premises</Description>
    <Manager><User><FirstName>Anna</FirstName><LastName>Berg</LastName><UserId>101</UserId></User></Manager>
  </Project>
  <Project><Title>Website</Title><ObjectID>23</ObjectID><IsMSProject>False</IsMSProject>
    <DateCreated>2024-01-10T10:00:00</DateCreated><StartDate>2024-01-15T00:00:00</StartDate>
    <EndDate>2024-04-30T00:00:00</EndDate><Creator>Carl Dahl</Creator>
    <ManagerCanonName>Dahl, Carl</ManagerCanonName><Description>Relaunch</Description>
    <Manager><User><FirstName>Carl</FirstName><LastName>Dahl</LastName><UserId>102</UserId><IsCurrentUser/></User></Manager></Project>
  <Project><Title>Orphan</Title><ObjectID>31</ObjectID></Project>
  <Managers><User><FirstName>Anna</FirstName><LastName>Berg</LastName><UserId>101</UserId></User>
    <User><FirstName>Carl</FirstName><LastName>Dahl</LastName><UserId>102</UserId><IsCurrentUser/></User>
    <User><FirstName>Eva</FirstName><LastName>Falk</LastName><UserId>103</UserId></User></Managers>
</Projects>)");

ComboEntry entry(const char* text, qint32 data)
{
    return ComboEntry{QString::fromUtf8(text), 0, data};
}

} // namespace

class TestProjectLists : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The marked titles and ids of the project lists are shown on the live project pages; only the exact
    // text "True" marks an MS Project project.
    void lowerCaseTrueIsNoMark()
    {
        const std::optional<ProjectList> lower = ProjectList::parse(QStringLiteral(
            "<Projects><Project><Title>A</Title><ObjectID>1</ObjectID><IsMSProject>true</IsMSProject>"
            "</Project></Projects>"));
        QVERIFY(lower && !lower->projects().first().isMsProject);
    }

    void itemComboByRunMode()
    {
        // The entries' order and ids are picked in the live item runs; the titles carry no MS Project mark.
        const ComboEntry none{QString(), 5038, 0};
        QCOMPARE(itemProjectEntries(kProjects, CREATETASK).entries.value(1), entry("Office move", -17));
        // An unreadable answer keeps the first entry; other jobs get nothing.
        QCOMPARE(itemProjectEntries("Server error", CREATETASK).entries, QList<ComboEntry>{none});
        QCOMPARE(itemProjectEntries(kProjects, CREATEPROJECT).entries, QList<ComboEntry>());
    }

    // The synchronized project's details are seen on the live project page.
    void detailsBox()
    {
        const auto label = [](int id) { return QStringLiteral("<%1>").arg(id); };
        QCOMPARE(
            projectDetailsText(kProjects, 1, label),
            "Website\r\n<2617>: 2024-01-10 10:00:00\r\n<2618>: Carl Dahl\r\n<2619>: 2024-01-15 00:00:00\r\n"
            "<2620>: 2024-04-30 00:00:00\r\n<2621>: Dahl, Carl\r\n<2622>: Relaunch\r\n");
        QCOMPARE(projectDetailsText(kProjects, 5, label), QString()); // no such project
    }

    void toDoManagers()
    {
        const std::optional<ProjectList> list = ProjectList::parse(kProjects);
        QVERIFY(list);
        using Row = std::tuple<int, int, QList<ComboEntry>, int>; // index, project id, entries, selected
        for (const auto& [index, projectId, entries, selected] : {
                 // No project: every manager, the current user chosen.
                 Row{0, 0, {entry("Anna Berg", 101), entry("Carl Dahl", 102), entry("Eva Falk", 103)}, 1},
                 Row{2, 23, {entry("Carl Dahl", 102)}, 0},  // a project: its manager
                 Row{1, -17, {entry("Anna Berg", 101)}, 0}, // MS Project project found by its negative id
                 Row{3, 31, {}, -1},                        // a project without manager: empty
             }) {
            const ComboFill fill = toDoManagerEntries(*list, index, projectId);
            QCOMPARE(fill.entries, entries);
            QCOMPARE(fill.selectedIndex, selected);
        }
    }
};

QTEST_GUILESS_MAIN(TestProjectLists)
#include "tst_projectlists.moc"

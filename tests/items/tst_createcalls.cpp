// The rules behind the create calls that a run against the development server cannot reach: how the
// pages' choices turn into ids, and which unselected entries make the call impossible on which release.
// The calls' methods and arguments per release, contacts, organizations and participants who must
// confirm are checked against live servers (e2e tst_items).
#include "items/CreateCalls.h"

#include <QTest>

#include <functional>

using namespace kitbench;

namespace {

constexpr int kNothing = -9999; // no entry selected

ComboData combo(int data)
{
    return data == kNothing ? ComboData() : ComboData(data);
}

// A page with every entry chosen; each row of unselectedEntries() takes one away.
struct Pages
{
    IncidentValues incident;
    EventValues event;
    ProjectValues project;
    ListValues list;
    Pages()
    {
        incident.project = 23, incident.type = 10, incident.priority = 2, incident.severity = 22;
        incident.incidentBox = 5, incident.client = -12;
        event.project = 0, event.organizer = 102, event.priority = 2, event.type = 31, event.reminder = -1;
        event.client = 40;
        project.manager = 101, project.executive = 0, project.status = 1, project.type = 2;
        project.calendar = 1, project.client = -12, project.currency = 978, project.priority = 3;
        project.phase = 61, project.templateId = 9, list.type = 1, list.status = 2;
    }
    bool callPossible(const QString& version) const
    {
        return incidentCreateCall(incident, version) && eventCreateCall(event, version) &&
               projectCreateCall(project, version) && listCreateCall(list);
    }
};

} // namespace

class TestCreateCalls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clientIds()
    {
        using Row = std::tuple<bool, int, ClientIds>; // the project page's combo data or an item page's
        for (const auto& [project, data, ids] : {
                 Row{false, kNothing, {-1, -1}},
                 Row{false, 0, {-1, 0}}, // zero counts as organization 0
                 Row{true, 0, {-1, -1}}, // no client
                 Row{true, 40, {40, -1}},
             })
            QCOMPARE(project ? clientIdsForProject(data) : clientIdsForItem(combo(data)), ids);
    }

    void idLists()
    {
        using Ids = std::optional<QList<qint32>>;
        QCOMPARE(participantList({}), Ids(QList<qint32>{}));
        QCOMPARE(participantList({{"G7", "<folder>"}}), Ids(QList<qint32>{7})); // a group by its id
        QCOMPARE(participantList({{"Ux", "<user>"}}), Ids());                   // a key without a number
        // The checked categories in list order; unchecked items are never read.
        QCOMPARE(checkedIds({{"C4", true}, {"C9", false}, {"C12", true}, {"C-3", true}}),
                 Ids(QList<qint32>{4, 12, -3}));
        QCOMPARE(checkedIds({{"C4", false}}), Ids(QList<qint32>{}));
        QCOMPARE(checkedIds({{"Cabc", true}}), Ids());
        QCOMPARE(checkedIds({{"Cabc", false}}), Ids(QList<qint32>{}));
    }

    void unselectedEntries()
    {
        using Row = std::tuple<const char*, bool, std::function<void(Pages&)>>; // version, possible, change
        for (const auto& [version, possible, unselect] : {
                 // An entry only counts where the release reads it.
                 Row{"4.1", true, [](Pages& p) { p.incident.incidentBox.reset(); }},
                 Row{"4.7", false, [](Pages& p) { p.incident.incidentBox.reset(); }},
                 Row{"3.5", true, [](Pages& p) { p.project.priority.reset(); }},
                 Row{"4.0", false, [](Pages& p) { p.project.priority.reset(); }},
                 Row{"4.5", false, [](Pages& p) { p.project.phase.reset(); }},
                 Row{"4.1", false, [](Pages& p) { p.incident.type.reset(); }},
                 Row{"4.7", false, [](Pages& p) { p.event.organizer.reset(); }},
                 Row{"4.7", true, [](Pages& p) { p.event.client.reset(); }}, // no client is a valid choice
                 // The project page always has a client entry selected, "no client" included.
                 Row{"4.1", false, [](Pages& p) { p.project.client.reset(); }},
                 Row{"4.7", false, [](Pages& p) { p.list.status.reset(); }},
             }) {
            Pages pages;
            unselect(pages);
            QVERIFY2(pages.callPossible(version) == possible, version);
        }
    }
};

QTEST_GUILESS_MAIN(TestCreateCalls)
#include "tst_createcalls.moc"

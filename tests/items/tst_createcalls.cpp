// The rules behind the create calls that a run against the development server cannot reach: how the
// pages' choices turn into ids, and which unselected entries make the call impossible on which release.
// The calls' methods and arguments per release are checked against live servers (e2e tst_items).
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
        incident.project = 23, incident.type = 10, incident.priority = 2, incident.severity = 22,
        incident.incidentBox = 5;
        incident.client = -12;
        event.project = 0, event.organizer = 102, event.priority = 2, event.type = 31, event.reminder = -1,
        event.client = 40;
        project.manager = 101, project.executive = 0, project.status = 1, project.type = 2;
        project.calendar = 1, project.client = -12, project.currency = 978, project.priority = 3;
        project.phase = 61, project.templateId = 9;
        list.type = 1, list.status = 2;
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
    void clientIds_data()
    {
        QTest::addColumn<bool>("project"); // the project page's combo data, or an item page's
        QTest::addColumn<int>("data");
        QTest::addColumn<int>("contact");
        QTest::addColumn<int>("organization");
        QTest::newRow("item, nothing selected") << false << kNothing << -1 << -1;
        QTest::newRow("item, contact") << false << 12 << 12 << -1;
        QTest::newRow("item, organization") << false << -12 << -1 << 12;
        QTest::newRow("item, zero counts as organization 0") << false << 0 << -1 << 0;
        QTest::newRow("project, no client") << true << 0 << -1 << -1;
        QTest::newRow("project, contact") << true << 40 << 40 << -1;
        QTest::newRow("project, organization") << true << -12 << -1 << 12;
    }

    void clientIds()
    {
        QFETCH(bool, project);
        QFETCH(int, data);
        QFETCH(int, contact);
        QFETCH(int, organization);
        const ClientIds ids = project ? clientIdsForProject(data) : clientIdsForItem(combo(data));
        QCOMPARE(ids, (ClientIds{contact, organization}));
    }

    void participants_data()
    {
        QTest::addColumn<QList<TeamRow>>("rows");
        QTest::addColumn<std::optional<QList<qint32>>>("expected");
        using Ids = std::optional<QList<qint32>>;
        QTest::newRow("none") << QList<TeamRow>() << Ids(QList<qint32>{});
        QTest::newRow("users, must confirm negated, groups by id")
            << QList<TeamRow>{{"U101", "<user>"}, {"U102", "<user_must_be_confirmed>"}, {"G7", "<folder>"}}
            << Ids(QList<qint32>{101, -102, 7});
        QTest::newRow("a key without a number") << QList<TeamRow>{{"Ux", "<user>"}} << Ids();
    }

    void participants()
    {
        QFETCH(QList<TeamRow>, rows);
        QFETCH(std::optional<QList<qint32>>, expected);
        QCOMPARE(participantList(rows), expected);
    }

    void checkedCategoryIds_data()
    {
        QTest::addColumn<QList<CheckedListItem>>("items");
        QTest::addColumn<std::optional<QList<qint32>>>("expected");
        using Ids = std::optional<QList<qint32>>;
        QTest::newRow("checked ones in list order")
            << QList<CheckedListItem>{{"C4", true}, {"C9", false}, {"C12", true}, {"C-3", true}}
            << Ids(QList<qint32>{4, 12, -3});
        QTest::newRow("none checked") << QList<CheckedListItem>{{"C4", false}} << Ids(QList<qint32>{});
        QTest::newRow("checked key without a number") << QList<CheckedListItem>{{"Cabc", true}} << Ids();
        QTest::newRow("unchecked items are never read")
            << QList<CheckedListItem>{{"Cabc", false}} << Ids(QList<qint32>{});
    }

    void checkedCategoryIds()
    {
        QFETCH(QList<CheckedListItem>, items);
        QFETCH(std::optional<QList<qint32>>, expected);
        QCOMPARE(checkedIds(items), expected);
    }

    void unselectedEntries_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<std::function<void(Pages&)>>("unselect");
        QTest::addColumn<bool>("possible");
        const auto row = [](const char* tag, const char* version, bool possible,
                            std::function<void(Pages&)> unselect) {
            QTest::newRow(tag) << QString(version) << unselect << possible;
        };
        row("everything chosen, 4.7", "4.7", true, [](Pages&) {});
        row("everything chosen, 3.5", "3.5", true, [](Pages&) {});
        // An entry only counts where the release reads it.
        row("incident box, 4.1 never reads it", "4.1", true,
            [](Pages& p) { p.incident.incidentBox.reset(); });
        row("incident box, 4.7", "4.7", false, [](Pages& p) { p.incident.incidentBox.reset(); });
        row("project priority, 3.5 never reads it", "3.5", true,
            [](Pages& p) { p.project.priority.reset(); });
        row("project priority, 4.0", "4.0", false, [](Pages& p) { p.project.priority.reset(); });
        row("project phase, 4.5", "4.5", false, [](Pages& p) { p.project.phase.reset(); });
        row("incident type", "4.1", false, [](Pages& p) { p.incident.type.reset(); });
        row("event organizer", "4.7", false, [](Pages& p) { p.event.organizer.reset(); });
        row("event without client is a valid choice", "4.7", true, [](Pages& p) { p.event.client.reset(); });
        // The project page always has a client entry selected, "no client" included.
        row("project client", "4.1", false, [](Pages& p) { p.project.client.reset(); });
        row("list status", "4.7", false, [](Pages& p) { p.list.status.reset(); });
    }

    void unselectedEntries()
    {
        QFETCH(QString, version);
        QFETCH(std::function<void(Pages&)>, unselect);
        QFETCH(bool, possible);
        Pages pages;
        unselect(pages);
        QCOMPARE(pages.callPossible(version), possible);
    }
};

QTEST_GUILESS_MAIN(TestCreateCalls)
#include "tst_createcalls.moc"

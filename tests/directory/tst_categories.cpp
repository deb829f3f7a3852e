#include "directory/CategoryEditList.h"
#include "directory/CategoryList.h"
#include "shell/RunMode.h"

#include <QTest>

#include <functional>

using namespace kitbench;

namespace {

const QList<CategoryEditorEntry> kCategories{{"C4", "Hardware"}, {"C9", "Software"}, {"C12", "Network"}};
const QList<CategoryEditorEntry> kClients{{"C-12", "Acme Ltd"}, {"C12", "Jane Roe"}, {"C40", "Tom Poe"}};

// The edits a user makes in the editor, in order.
using Edits = std::function<void(CategoryEditList&)>;

} // namespace

class TestCategories : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unreadableAnswerOnlyClears()
    {
        const CategoryFill fill =
            categoryEntriesForRunMode(QStringLiteral("<Categories>"), CREATEINCIDENT, false);
        QCOMPARE(fill.clearedListViews.size(), 4);
        QVERIFY(fill.rows.isEmpty());
    }

    void updateDocument()
    {
        using L = CategoryEditList;
        // One changed category as the update document writes it.
        const auto category = [](const char* state, const char* id, const char* name) {
            const auto element = [](const char* tag, const char* value) {
                return *value ? QString("<%1>%2</%1>").arg(tag, value) : QString("<%1/>").arg(tag);
            };
            return QString("<Category State=\"%1\">").arg(state) + element("CategoryId", id) +
                   element("CategoryName", name) + "</Category>";
        };
        // The edits on the existing entries, then whether there are changes and the document.
        const auto check = [](const char* tag, int catId, const Edits& edits, bool changes,
                              const QString& xml) {
            CategoryEditList list(qint16(catId), catId == 0 ? kClients : kCategories);
            edits(list);
            QVERIFY2(list.hasChanges() == changes && MakeUpdateXml(list) == xml, tag);
        };
        const auto row = [&check](const char* tag, int catId, const QString& changed, const Edits& edits) {
            check(tag, catId, edits, !changed.isEmpty(),
                  changed.isEmpty() ? "<Categories/>" : "<Categories>" + changed + "</Categories>");
        };
        row("no change", 7, "", [](L&) {});
        row("add, rename, delete in that order", 7,
            category("Added", "", "Printers") + category("Modified", "4", "Hardware &amp; parts") +
                category("Deleted", "12", ""),
            [](L& l) { l.remove({2}), l.rename(0, "Hardware & parts"), l.add("Printers"); });
        row("renaming twice records the id once", 5, category("Modified", "9", "B"),
            [](L& l) { l.rename(1, "A"), l.rename(1, "B"); });
        row("renamed then deleted sends only the deletion", 4, category("Deleted", "9", ""),
            [](L& l) { l.rename(1, "A"), l.remove({1}); });
        row("added then deleted sends nothing", 3, "", [](L& l) { l.add("Temp"), l.remove({3}); });
        row("several deleted at once, in list order", 7,
            category("Deleted", "4", "") + category("Deleted", "12", ""), [](L& l) {
                l.remove({2, 0});
            });
        row("blank rename and rename past the end change nothing", 7, "",
            [](L& l) { l.rename(0, "   "), l.rename(5, "x"); });
        row("renamed new entry stays an addition", 7, category("Added", "", "Final"),
            [](L& l) { l.add("Tmp"), l.rename(3, "Final"); });

        check(
            "clients: organization, contact, rename, delete", 0,
            [](L& l) { l.add("Umbrella", true), l.add("Kim Orr"), l.rename(0, "Acme Group"), l.remove({2}); },
            true,
            "<Dictionaries><ProjectClient>"
            "<Item State=\"Added\"><Value>Umbrella</Value><Data>-1</Data></Item>"
            "<Item State=\"Added\"><Value>Kim Orr</Value><Data>1</Data></Item>"
            "<Item State=\"Modified\"><Value>Acme Group</Value><Data>-12</Data></Item>"
            "<Item State=\"Deleted\"><Value/><Data>40</Data></Item>"
            "</ProjectClient></Dictionaries>");
        check(
            "clients: no change", 0, [](L&) {}, false, "<Dictionaries><ProjectClient/></Dictionaries>");
    }

    void newEntryKeys()
    {
        CategoryEditList clients(0, kClients);
        clients.add(QString()), clients.add(QStringLiteral("New"), true), clients.add(QStringLiteral("Next"));
        QCOMPARE(clients.entries().mid(3), (QList<CategoryEditorEntry>{{"N-1", "New"}, {"N2", "Next"}}));
        CategoryEditList categories(7, {}); // categories know no organizations
        categories.add(QStringLiteral("X"), true);
        QCOMPARE(categories.entries().first().key, QStringLiteral("N1"));
    }
};

QTEST_GUILESS_MAIN(TestCategories)
#include "tst_categories.moc"

// The create list page unattended: the folder tree from GetListFolders, the page check, CreateList with
// the chosen folder's id, and a new folder made through the dialog under its parent.
#include "Scenario.h"
#include "ServiceCall.h"

#include <QRegularExpression>
#include <QTest>

namespace {
const QString kMessages = "[messages]\n5061 = Yes\n";
} // namespace

class TestLists : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qputenv("TZ", "UTC"); }
    void createList_data();
    void createList();
    void newFolder_data();
    void newFolder();

private:
    ScenarioPlayer m_player;
};

void TestLists::createList_data()
{
    QTest::addColumn<Scenario>("row");
    auto created = [this](const QString& version, const QString& folder, int folderId,
                          const QList<int>& categories) {
        // What the server offers on the list page, as admin sees it.
        const QString address = m_player.serverFor(Scenario{.version = version}).address();
        const QString dictionaries = callService(address, "LoadDictionaries",
                                                 "<language>en-US</language><objectTypeId>15</objectTypeId>");
        const QString categoryList =
            callService(address, "GetCategoryList2", "<objectTypeId>15</objectTypeId>");
        QStringList names;
        QStringList ids;
        for (int i : categories) {
            names << xmlValues(categoryList, "Category/CategoryName").value(i);
            ids << xmlValues(categoryList, "Category/CategoryId").value(i);
        }
        return Scenario{
            .job = {"/createlist"},
            .answers = "[page 14]\nListTitleText = \"  Open points  \"\nListDescriptionText = Punch list\n"
                       "ListTypeCombo = #1\nListStatusCombo = #1\nListFolderTreeView = " +
                       folder + "\n" +
                       (names.isEmpty() ? "" : "ListCategoriesListView = " + names.join('|') + "\n") +
                       kMessages,
            .version = version,
            .pages = {0, 1, 14, 21},
            .calls = {"GetListFolders [0,-1] OK",
                      QStringLiteral("CreateList [0,\"  Open points  \",\"Punch list\",%1,%2,%3,[%4]] OK")
                          .arg(folderId)
                          .arg(xmlValues(dictionaries, "ListType/Item/Data").value(1, "none"),
                               xmlValues(dictionaries, "ListStatus/Item/Data").value(1, "none"),
                               ids.join(','))}};
    };
    // "@@1" is the built-in folder shown as "Public Lists"; 8 sits below a read-only folder.
    QTest::newRow("sub-folder by path on 4.0") << created("4.0", "Public Lists/Team Lists/Sales", 5, {0, 2});
    QTest::newRow("sub-folder by path on 4.7") << created("4.7", "Public Lists/Team Lists/Sales", 5, {0, 2});
    QTest::newRow("built-in root folder on 4.7") << created("4.7", "Public Lists", 1, {1});
    QTest::newRow("writable folder under a read-only one, by key") << created("4.0", "key:F8", 8, {});

    // The page check: exactly one message, the wizard stays on page 14, and no list is made.
    auto refused = [](const QStringList& job, const QString& page14, const QString& message) {
        const QString workbook =
            job.size() > 1 ? "[page 16]\ntxtExcelFilePath = " E2E_DATA "/book.csv\n" : "";
        return Scenario{.job = job,
                        .answers = workbook + "[page 14]\n" + page14 + kMessages,
                        .exitCode = 2,
                        .absent = {"CreateList"},
                        .err = {message}};
    };
    const QStringList createList{"/createlist"}, importList{"/importlist", ""};
    QTest::newRow("create: read-only folder") << refused(
        createList, "ListTitleText = L\nListFolderTreeView = Personal Lists/ERP Migration\n", "[3109]");
    QTest::newRow("create: read-only built-in root folder")
        << refused(createList, "ListTitleText = L\nListFolderTreeView = key:F3\n", "[3109]");
    QTest::newRow("create: no folder") << refused(createList, "ListTitleText = L\n", "[3108]");
    QTest::newRow("create: title of blanks comes first")
        << refused(createList, "ListTitleText = \"   \"\nListFolderTreeView = key:F5\n", "[5006]");
    QTest::newRow("import: read-only folder")
        << refused(importList, "ListTitleText = L\nListFolderTreeView = key:F9\n", "[3109]");
    QTest::newRow("import: no folder") << refused(importList, "ListTitleText = L\n", "[3108]");
}

void TestLists::createList()
{
    QFETCH(Scenario, row);
    QVERIFY2(m_player.plays(row), m_player.why());
    if (row.exitCode == 2) {
        const QString err = m_player.run().err;
        QCOMPARE(
            err.count(QRegularExpression("^\\[(3108|3109|5006)\\]", QRegularExpression::MultilineOption)), 1);
        QCOMPARE(m_player.run().pages().last(), 14);
    }
}

void TestLists::newFolder_data()
{
    QTest::addColumn<Scenario>("row");
    auto folder = [](const QString& parent, const QString& dialog, const QString& created,
                     const QString& listFolder) {
        return Scenario{.job = {"/createlist"},
                        .answers = "[page 14]\nListTitleText = Leads\nListFolderTreeView = " + parent +
                                   "\nAddNewListFolderCommand\nListFolderTreeView = key:F" + listFolder +
                                   "\n" + dialog + kMessages,
                        .calls = created.isEmpty()
                                     ? QStringList{"CreateList [0,\"Leads\",*," + listFolder + ",*"}
                                     : QStringList{"CreateListFolder " + created + " OK",
                                                   "CreateList [0,\"Leads\",*," + listFolder + ",*"},
                        .absent = created.isEmpty() ? QStringList{"CreateListFolder"} : QStringList{},
                        .fresh = !created.isEmpty()};
    };
    const QString ok = "[dialog CreateOrvFolder]\nNewOrvFolderText = Q3 Leads\nOKButton\n";
    // The demo has folders 1 to 9: the new one is 10.
    QTest::newRow("under a writable folder") << folder("key:F5", ok, "[5,\"Q3 Leads\"]", "10");
    QTest::newRow("under a read-only folder: parent 0") << folder("key:F7", ok, "[0,\"Q3 Leads\"]", "10");
    QTest::newRow("cancelled") << folder(
        "key:F5", "[dialog CreateOrvFolder]\nNewOrvFolderText = x\nCancelButton\n", "", "5");
    Scenario unanswered = folder("key:F5", "", "", "5");
    unanswered.exitCode = 3;
    unanswered.calls.clear();
    unanswered.absent << "CreateList";
    unanswered.err = {"[9140]", "CreateOrvFolder"};
    QTest::newRow("not answered") << unanswered;
}

void TestLists::newFolder()
{
    QFETCH(Scenario, row);
    QVERIFY2(m_player.plays(row), m_player.why());
    if (!row.fresh)
        return;
    // The server put the folder under its parent, or at the top level for parent 0.
    const QString parent = row.calls.first().section('[', 1).section(',', 0, 0);
    const QString folders = callService(m_player.server().address(), "GetListFolders",
                                        "<parentFolderId>" + parent + "</parentFolderId><depth>1</depth>");
    QVERIFY2(xmlValues(folders, "Folder/Name").contains("Q3 Leads"), qPrintable(folders));
}

QTEST_GUILESS_MAIN(TestLists)
#include "tst_lists.moc"

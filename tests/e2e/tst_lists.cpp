// The create-list and import-list jobs on the create list page, unattended against live development
// servers: the folder tree comes from GetListFolders, the page check refuses a missing or read-only
// folder, and CreateList receives the chosen folder's id with the page's values.
#include "DevServer.h"
#include "KitbenchRun.h"
#include "ServiceCall.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <map>
#include <memory>

namespace {

// The values of the elements `name` inside the elements `parent` of a document, in document order.
QStringList valuesOf(const QString& xml, const QString& parent, const QString& name)
{
    QStringList values;
    QXmlStreamReader reader(xml);
    QStringList path;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (reader.name() == name && !path.isEmpty() && path.last() == parent) {
                values << reader.readElementText();
                continue;
            }
            path << reader.name().toString();
        } else if (reader.isEndElement()) {
            path.removeLast();
        }
    }
    return values;
}

// What the demo server offers on the list page, as admin sees it.
struct ListDirectory
{
    QStringList typeIds, statusIds, categoryIds, categoryNames;

    explicit ListDirectory(const QString& address)
    {
        const QString dictionaries = callService(address, "LoadDictionaries",
                                                 "<language>en-US</language><objectTypeId>15</objectTypeId>");
        const QString categories =
            callService(address, "GetCategoryList2", "<objectTypeId>15</objectTypeId>");
        // "Item" elements of the two dictionaries, by their lists.
        QXmlStreamReader reader(dictionaries);
        QString list;
        while (!reader.atEnd()) {
            reader.readNext();
            if (!reader.isStartElement())
                continue;
            if (reader.name() == QString("ListType") || reader.name() == QString("ListStatus"))
                list = reader.name().toString();
            else if (reader.name() == QString("ListTemplate"))
                list.clear();
            else if (reader.name() == QString("Data") && !list.isEmpty())
                (list == "ListType" ? typeIds : statusIds) << reader.readElementText();
        }
        categoryIds = valuesOf(categories, "Category", "CategoryId");
        categoryNames = valuesOf(categories, "Category", "CategoryName");
    }
};

QStringList login(const DevServer& server)
{
    return {"/L", "admin@" + server.address(), "/P", "admin"};
}

const QString kMessages = "[messages]\n5061 = Yes\n";

} // namespace

class TestLists : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { m_servers.clear(); }
    void createList_data();
    void createList();
    void pageChecks_data();
    void pageChecks();
    void importListGoesOnToFields();
    void newFolderThroughTheDialog_data();
    void newFolderThroughTheDialog();

private:
    std::map<QString, std::unique_ptr<DevServer>> m_servers;
    std::map<QString, std::unique_ptr<ListDirectory>> m_directories;
};

void TestLists::initTestCase()
{
    qputenv("TZ", "UTC");
    for (const QString version : {"4.0", "4.7"}) {
        auto server = std::make_unique<DevServer>(QStringList{"--seed", "demo", "--server-version", version});
        QVERIFY2(!server->address().isEmpty(), qPrintable(server->errorOutput()));
        auto directory = std::make_unique<ListDirectory>(server->address());
        QVERIFY(directory->typeIds.size() >= 2 && directory->statusIds.size() >= 2);
        QVERIFY(directory->categoryIds.size() >= 3);
        QCOMPARE(directory->categoryNames.size(), directory->categoryIds.size());
        m_directories[version] = std::move(directory);
        m_servers[version] = std::move(server);
    }
}

void TestLists::createList_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("folderAnswer");
    QTest::addColumn<int>("folderId");
    QTest::addColumn<QList<int>>("categories"); // indexes into the server's category list

    for (const QString version : {"4.0", "4.7"}) {
        // "@@1" is the built-in folder shown as "Public Lists"; 8 sits below a read-only folder.
        QTest::newRow(qPrintable("sub-folder by path on " + version))
            << version << "Public Lists/Team Lists/Sales" << 5 << QList<int>{0, 2};
        QTest::newRow(qPrintable("built-in root folder on " + version))
            << version << "Public Lists" << 1 << QList<int>{1};
        QTest::newRow(qPrintable("writable folder under a read-only one, by key, on " + version))
            << version << "key:F8" << 8 << QList<int>{};
    }
}

void TestLists::createList()
{
    QFETCH(QString, version);
    QFETCH(QString, folderAnswer);
    QFETCH(int, folderId);
    QFETCH(QList<int>, categories);
    DevServer& live = *m_servers.at(version);
    const ListDirectory& d = *m_directories.at(version);
    const qsizetype foldersBefore = live.calls("GetListFolders").size();
    const qsizetype before = live.calls("CreateList").size();

    QStringList names;
    QJsonArray categoryIds;
    for (int i : categories) {
        names << d.categoryNames.at(i);
        categoryIds << d.categoryIds.at(i).toInt();
    }
    QString answers = "[page 14]\nListTitleText = \"  Open points  \"\nListDescriptionText = Punch list\n"
                      "ListTypeCombo = #1\nListStatusCombo = #1\nListFolderTreeView = " +
                      folderAnswer + "\n";
    if (!names.isEmpty())
        answers += "ListCategoriesListView = " + names.join('|') + "\n";
    const KitbenchRun run = KitbenchRun::start(QStringList{"/createlist"} + login(live), answers + kMessages);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.pages(), (QList<int>{0, 1, 14, 21}));

    const QList<QJsonObject> folderCalls = live.calls("GetListFolders");
    QCOMPARE(folderCalls.size(), foldersBefore + 1);
    QCOMPARE(folderCalls.last().value("args").toArray(), (QJsonArray{0, -1}));
    QCOMPARE(folderCalls.last().value("status").toString(), QString("OK"));

    const QList<QJsonObject> calls = live.calls("CreateList");
    QCOMPARE(calls.size(), before + 1);
    const QJsonObject call = calls.last();
    QCOMPARE(call.value("status").toString(), QString("OK"));
    QVERIFY2(!call.contains("warnings"), qPrintable(QJsonDocument(call).toJson()));
    const QJsonArray expected{0,          "  Open points  ",       "Punch list",
                              folderId,   d.typeIds.at(1).toInt(), d.statusIds.at(1).toInt(),
                              categoryIds};
    QCOMPARE(call.value("args").toArray(), expected);
}

void TestLists::pageChecks_data()
{
    QTest::addColumn<QStringList>("job");
    QTest::addColumn<QString>("page14");
    QTest::addColumn<QString>("message");

    const QStringList createList{"/createlist"};
    const QStringList importList{"/importlist", ""};
    const QString workbook = "[page 16]\ntxtExcelFilePath = " E2E_DATA "/book.csv\n";
    QTest::newRow("create: read-only folder")
        << createList << "ListTitleText = L\nListFolderTreeView = Personal Lists/ERP Migration\n"
        << "[3109]";
    QTest::newRow("create: read-only built-in root folder")
        << createList << "ListTitleText = L\nListFolderTreeView = key:F3\n"
        << "[3109]";
    QTest::newRow("create: no folder") << createList << "ListTitleText = L\n"
                                       << "[3108]";
    QTest::newRow("create: title of blanks comes first")
        << createList << "ListTitleText = \"   \"\nListFolderTreeView = key:F5\n"
        << "[5006]";
    QTest::newRow("import: read-only folder")
        << importList << workbook + "[page 14]\nListTitleText = L\nListFolderTreeView = key:F9\n"
        << "[3109]";
    QTest::newRow("import: no folder") << importList << workbook + "[page 14]\nListTitleText = L\n"
                                       << "[3108]";
}

void TestLists::pageChecks()
{
    QFETCH(QStringList, job);
    QFETCH(QString, page14);
    QFETCH(QString, message);
    DevServer& live = *m_servers.at("4.7");
    const qsizetype before = live.calls("CreateList").size();
    const QString answers = page14.startsWith("[page") ? page14 : "[page 14]\n" + page14;
    const KitbenchRun run = KitbenchRun::start(job + login(live), answers + kMessages);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    // Exactly one page check message, and the wizard stayed on page 14.
    QCOMPARE(
        run.err.count(QRegularExpression("^\\[(3108|3109|5006)\\]", QRegularExpression::MultilineOption)), 1);
    QCOMPARE(run.pages().value(run.pages().size() - 1), 14);
    QCOMPARE(live.calls("CreateList").size(), before);
}

// The import job checks the page as the create job does, then goes on to the sheet's fields (the list
// is made from the workbook there, not here).
void TestLists::importListGoesOnToFields()
{
    DevServer& live = *m_servers.at("4.7");
    const qsizetype folders = live.calls("GetListFolders").size();
    const qsizetype created = live.calls("CreateList").size();
    const KitbenchRun run = KitbenchRun::start(QStringList{"/importlist", ""} + login(live),
                                               "[page 16]\ntxtExcelFilePath = " E2E_DATA
                                               "/book.csv\n[page 14]\nListTitleText = Imported\n"
                                               "ListFolderTreeView = Public Lists/Team Lists\n" +
                                                   kMessages);
    const QList<int> pages = run.pages();
    const qsizetype at = pages.indexOf(14);
    QVERIFY2(at >= 0 && pages.value(at + 1) == 17, qPrintable(run.err));
    QCOMPARE(live.calls("GetListFolders").size(), folders + 1);
    QCOMPARE(live.calls("GetListFolders").last().value("args").toArray(), (QJsonArray{0, -1}));
    // The dictionaries and categories of lists are asked for with the list code.
    QCOMPARE(live.calls("GetCategoryList2").last().value("args").toArray(), (QJsonArray{15}));
    QCOMPARE(live.calls("LoadDictionaries").last().value("args").toArray().last().toInt(), 15);
    QVERIFY(!run.err.contains("[3108]") && !run.err.contains("[3109]"));
    QCOMPARE(live.calls("CreateList").size(), created);
}

void TestLists::newFolderThroughTheDialog_data()
{
    QTest::addColumn<QString>("parent");     // the node selected before the new-folder button
    QTest::addColumn<QString>("dialog");     // the dialog's block
    QTest::addColumn<QJsonArray>("created"); // CreateListFolder's arguments; empty: not called
    QTest::addColumn<QString>("listFolder"); // where the list goes then
    QTest::addColumn<int>("exitCode");
    const QString ok = "[dialog CreateOrvFolder]\nNewOrvFolderText = Q3 Leads\nOKButton\n";
    // The demo has folders 1 to 9: the new one is 10.
    QTest::newRow("under a writable folder") << "key:F5" << ok << QJsonArray{5, "Q3 Leads"} << "key:F10" << 0;
    QTest::newRow("under a read-only folder: parent 0")
        << "key:F7" << ok << QJsonArray{0, "Q3 Leads"} << "key:F10" << 0;
    QTest::newRow("cancelled") << "key:F5"
                               << "[dialog CreateOrvFolder]\nNewOrvFolderText = x\nCancelButton\n"
                               << QJsonArray{} << "key:F5" << 0;
    QTest::newRow("not answered") << "key:F5"
                                  << "" << QJsonArray{} << "key:F5" << 3;
}

void TestLists::newFolderThroughTheDialog()
{
    QFETCH(QString, parent);
    QFETCH(QString, dialog);
    QFETCH(QJsonArray, created);
    QFETCH(QString, listFolder);
    QFETCH(int, exitCode);
    DevServer server({"--seed", "demo"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun run = KitbenchRun::start(
        QStringList{"/createlist"} + login(server),
        "[page 14]\nListTitleText = Leads\nListFolderTreeView = " + parent +
            "\nAddNewListFolderCommand\nListFolderTreeView = " + listFolder + "\n" + dialog + kMessages);
    QCOMPARE(run.exitCode, exitCode);
    const QList<QJsonObject> folderCalls = server.calls("CreateListFolder");
    QCOMPARE(folderCalls.size(), created.isEmpty() ? 0 : 1);
    if (exitCode == 3) {
        QVERIFY2(run.err.contains("[9140]") && run.err.contains("CreateOrvFolder"), qPrintable(run.err));
        QVERIFY(server.calls("CreateList").isEmpty());
        return;
    }
    QVERIFY2(exitCode == 0, qPrintable(run.err));
    if (!created.isEmpty()) {
        QCOMPARE(folderCalls.first().value("args").toArray(), created);
        QCOMPARE(folderCalls.first().value("status").toString(), QString("OK"));
        // The server put the folder under its parent, or at the top level for parent 0.
        const QString folders = callService(server.address(), "GetListFolders",
                                            "<parentFolderId>" + QString::number(created[0].toInt()) +
                                                "</parentFolderId><depth>1</depth>");
        QVERIFY2(valuesOf(folders, "Folder", "Name").contains("Q3 Leads"), qPrintable(folders));
    }
    const QList<QJsonObject> lists = server.calls("CreateList");
    QCOMPARE(lists.size(), 1);
    QCOMPARE(lists.first().value("args").toArray()[3].toInt(), listFolder.mid(5).toInt());
}

QTEST_GUILESS_MAIN(TestLists)
#include "tst_lists.moc"

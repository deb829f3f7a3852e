// The wizard's own dialogs answered from an answer file against a live development server: what the
// dialog's block does reaches the server, and a dialog without a block ends the run (exit 3).
#include "DevServer.h"
#include "KitbenchRun.h"

#include <QJsonArray>
#include <QTest>

class TestDialogsUnattended : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void categoriesDialog_data();
    void categoriesDialog();
    void libraryFolderDialog();
};

void TestDialogsUnattended::categoriesDialog_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("updates"); // UpdateCategoryList calls
    QTest::newRow("add and OK")
        << "[dialog DlgAddCategory]\nTextNewCategory = Printers\nCommandAdd\nOKButton\n"
        << 0 << 1;
    QTest::newRow("add and cancel")
        << "[dialog DlgAddCategory]\nTextNewCategory = Printers\nCommandAdd\nCancelButton\n"
        << 0 << 0;
    QTest::newRow("no block") << "" << 3 << 0;
}

void TestDialogsUnattended::categoriesDialog()
{
    QFETCH(QString, block);
    QFETCH(int, exitCode);
    QFETCH(int, updates);
    DevServer server({"--seed", "demo"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun run =
        KitbenchRun::start({"/createincident", "/L", "admin@" + server.address(), "/P", "admin"},
                           "[page 2]\nCommandIssueCategory\nIncidentTitleText = Printer jam\n" + block +
                               "[messages]\n5061 = Yes\n");
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
    const QList<QJsonObject> sent = server.calls("UpdateCategoryList");
    QCOMPARE(sent.size(), updates);
    if (updates) {
        const QString xml = sent.first().value("args").toArray().at(1).toString();
        QVERIFY2(xml.contains("State=\"Added\"") && xml.contains("Printers"), qPrintable(xml));
        QCOMPARE(server.calls("CreateIncident45").size() + server.calls("CreateIncident").size(), 1);
    }
    if (exitCode == 3)
        QVERIFY2(run.err.contains("[9140]") && run.err.contains("DlgAddCategory"), qPrintable(run.err));
}

// The library page's new-folder button: the folder is made under the selected folder, and the file is
// then published into the folder selected after it.
void TestDialogsUnattended::libraryFolderDialog()
{
    DevServer server({"--seed", "demo", "--server-version", "4.7"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun run = KitbenchRun::start(
        {"/upload", "/L", "admin@" + server.address(), "/P", "admin"},
        "[page 20]\nPublishedFileList = " KITBENCH_BINARY
        "\n[page 6]\nFileListTreeView = key:F2\nNewOrvFolderCommand\n"
        "FileListTreeView = key:F2\n[dialog CreateOrvFolder]\nNewOrvFolderText = Drafts\nOKButton\n"
        "[messages]\n5061 = Yes\n");
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QList<QJsonObject> created = server.calls("CreateFolder");
    QCOMPARE(created.size(), 1);
    QCOMPARE(created.first().value("args").toArray(), (QJsonArray{2, "Drafts"}));
    QCOMPARE(created.first().value("status").toString(), QString("OK"));
}

QTEST_GUILESS_MAIN(TestDialogsUnattended)
#include "tst_dialogs_unattended.moc"

// The wizard's own dialogs answered from an answer file against a live server: what the dialog's block
// does reaches the server, and a dialog without a block ends the run (exit 3).
#include "Scenario.h"

#include <QTest>

class TestDialogsUnattended : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dialogs_data();
    void dialogs();

private:
    ScenarioPlayer m_player;
};

void TestDialogsUnattended::dialogs_data()
{
    QTest::addColumn<Scenario>("row");
    auto categories = [](const QString& block) {
        return Scenario{.job = {"/createincident"},
                        .answers = "[page 2]\nCommandIssueCategory\nIncidentTitleText = Printer jam\n" +
                                   block + "[messages]\n5061 = Yes\n",
                        .calls = {"CreateIncident45 * OK"},
                        .absent = {"UpdateCategoryList"}};
    };
    Scenario added =
        categories("[dialog DlgAddCategory]\nTextNewCategory = Printers\nCommandAdd\nOKButton\n");
    added.calls.prepend("UpdateCategoryList *State=\\\"Added\\\"*Printers* OK");
    added.absent.clear();
    QTest::newRow("categories: add and OK") << added;
    QTest::newRow("categories: add and cancel")
        << categories("[dialog DlgAddCategory]\nTextNewCategory = Printers\nCommandAdd\nCancelButton\n");
    Scenario unanswered = categories("");
    unanswered.exitCode = 3;
    unanswered.calls.clear();
    unanswered.absent << "CreateIncident45";
    unanswered.err = {"[9140]", "DlgAddCategory"};
    QTest::newRow("categories: no block") << unanswered;
    // The library page's new-folder button: the folder is made under the selected folder.
    QTest::newRow("library folder") << Scenario{
        .job = {"/upload"},
        .answers = "[page 20]\nPublishedFileList = " KITBENCH_BINARY
                   "\n[page 6]\nFileListTreeView = key:F2\nNewOrvFolderCommand\nFileListTreeView = key:F2\n"
                   "[dialog CreateOrvFolder]\nNewOrvFolderText = Drafts\nOKButton\n[messages]\n5061 = Yes\n",
        .calls = {"CreateFolder [2,\"Drafts\"] OK"}};
}

void TestDialogsUnattended::dialogs()
{
    QFETCH(Scenario, row);
    const QString differences = m_player.play(row);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
}

QTEST_GUILESS_MAIN(TestDialogsUnattended)
#include "tst_dialogs_unattended.moc"

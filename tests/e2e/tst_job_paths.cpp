// A job chosen on the introduction page goes through, the wizard's dialogs answered from [dialog] blocks
// reach the server, and an answer file that does not fit the run ends it with the exit status and
// message scripts rely on.
#include "Scenario.h"

#include <QTest>

namespace {
// What the incident page needs to pass its check, and the answer to the time-zone question that comes
// when the demo profile's zone differs from this machine's.
const QString kPageValues = "[page 2]\nIncidentTitleText = Walk\n[messages]\n5061 = Yes\n";
} // namespace

class TestJobPaths : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void runs_data();
    void runs();

private:
    ScenarioPlayer m_player;
};

void TestJobPaths::runs_data()
{
    QTest::addColumn<Scenario>("row");
    // Each job's page path is checked by the job's own test; here the job comes from the introduction page.
    QTest::newRow("job picked on the introduction page") << Scenario{
        .answers =
            "[page 0]\nactionListView = Create a new incident and attach documents to it\n" + kPageValues,
        .pages = {0, 1, 2, 20, 21},
        .calls = {"CreateIncident45 [\"Walk\",* OK"},
        .out = {"The incident has been created."}};

    auto fails = [](int exitCode, const QString& err, const QString& answers,
                    const QStringList& job = {"/createincident"}) {
        return Scenario{.job = job, .answers = answers + kPageValues, .exitCode = exitCode, .err = {err}};
    };
    QTest::newRow("unknown control") << fails(1, "job.answers:2: no control named \"TextLogn\" on page 1",
                                              "[page 1]\nTextLogn = x\n");
    QTest::newRow("value that does not fit")
        << fails(1, "job.answers:2: CheckProxy takes 1 or 0", "[page 1]\nCheckProxy = maybe\n");
    QTest::newRow("syntax") << fails(1, "job.answers:1:", "TextLogin = x\n");
    QTest::newRow("page number past 32 bits")
        << fails(1, "job.answers:2: there is no page 4294967298", "# pages\n[page 4294967298]\n");
    // 2 MiB of 16-byte lines: the limit of 1 MiB falls in line 65537.
    QTest::newRow("answer file of 2 MiB")
        << fails(1, "job.answers:65537: the answer file is larger than 1048576 bytes",
                 QString("# fifteen bytes\n").repeated(131072));
    QTest::newRow("error message keeps the page") << fails(2, "[5048]", "", {"/upload"});
    QTest::newRow("unanswered question") << fails(3, "[3005]", "[page 1]\ncmdNav_1\n");
    QTest::newRow("answered question") << fails(0, "[3005]", "[page 1]\ncmdNav_1\n[messages]\n3005 = No\n");
    QTest::newRow("cancel with Yes closes before Finish")
        << fails(4, "[9105]", "[page 2]\ncmdNav_1\n[messages]\n3005 = Yes\n");
    QTest::newRow("no job chosen: Next disabled") << fails(4, "Next is disabled", "", {});
    QTest::newRow("timeout of no seconds")
        << fails(1, "job.answers:2: Timeout needs a number of seconds", "[options]\nTimeout = 0\n");
    QTest::newRow("unknown option") << fails(1, "job.answers:2: unknown option \"Retries\"",
                                             "[Options]\nRetries = 3\n");
    QTest::newRow("timeout that is not reached")
        << fails(0, "[3005]", "[options]\ntimeout = 5\n[page 1]\ncmdNav_1\n[messages]\n3005 = No\n");
    // Dialogs: each needs its [dialog NAME] block, and the block has to close it.
    const QString newFolder =
        "[page 14]\nListTitleText = L\nListFolderTreeView = key:F5\nAddNewListFolderCommand\n";
    QTest::newRow("unanswered save dialog") << fails(3, "does not answer the dialog: SaveFile",
                                                     "[page 7]\nAssetListTreeView = key:A1\n", {"/download"});
    QTest::newRow("unanswered open dialog") << fails(3, "does not answer the dialog: OpenFile",
                                                     "[page 16]\ncmdBrowseFile\n", {"/importlist", ""});
    QTest::newRow("unanswered new-folder dialog")
        << fails(3, "does not answer the dialog: CreateOrvFolder", newFolder, {"/createlist"});
    QTest::newRow("dialog block that leaves it open")
        << fails(3, "CreateOrvFolder (its block leaves it open)",
                 newFolder + "[dialog CreateOrvFolder]\nNewOrvFolderText = x\n", {"/createlist"});
    QTest::newRow("dialog block naming no control")
        << fails(1, "no control named \"FolderText\" in CreateOrvFolder",
                 newFolder + "[dialog CreateOrvFolder]\nFolderText = x\n", {"/createlist"});
    // What a dialog's block does reaches the server: the category editor, the library's new folder.
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

void TestJobPaths::runs()
{
    QFETCH(Scenario, row);
    QVERIFY2(m_player.plays(row), m_player.why());
}

QTEST_GUILESS_MAIN(TestJobPaths)
#include "tst_job_paths.moc"

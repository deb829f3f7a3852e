// Every job walks its whole page path unattended against a live server, and an answer file that does not
// fit the run ends it with the exit status and message scripts rely on.
#include "Scenario.h"

#include <QTest>

namespace {
// What the job pages need to pass their checks, and the answer to the time-zone question that comes
// when the demo profile's zone differs from this machine's.
const QString kPageValues = "[page 2]\nIncidentTitleText = Walk\n[page 3]\nTaskTitleText = Walk\n"
                            "[page 4]\nEventTitleText = Walk\n[page 5]\nToDoTitleText = Walk\n"
                            "[page 8]\nProjectTitleText = Walk\n[page 10]\nListProjects = Website "
                            "Relaunch\n[page 14]\nListTitleText = Walk\nListFolderTreeView = key:F5\n"
                            "[messages]\n5061 = Yes\n";
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
    auto path = [](const QStringList& job, const QList<int>& pages, const QString& answers = {}) {
        return Scenario{.job = job, .answers = answers, .pages = pages, .out = {"\n"}};
    };
    QTest::newRow("CREATEINCIDENT") << path({"/createincident"}, {0, 1, 2, 20, 21});
    QTest::newRow("CREATETASK") << path({"/createtask"}, {0, 1, 3, 18, 20, 21});
    QTest::newRow("CREATEEVENT") << path({"/CREATEEVENT"}, {0, 1, 4, 18, 20, 21});
    QTest::newRow("CREATETODO") << path({"-createtodo"}, {0, 1, 5, 18, 20, 21});
    QTest::newRow("CREATELIST") << path({"/createlist"}, {0, 1, 14, 21});
    QTest::newRow("UPLOAD") << path({"/upload"}, {0, 1, 20, 6, 21},
                                    "[page 20]\nPublishedFileList = " KITBENCH_BINARY
                                    "\n[page 6]\nFileListTreeView = key:F2\n");
    QTest::newRow("DOWNLOAD") << path(
        {"/download"}, {0, 1, 7, 21},
        "[page 7]\nAssetListTreeView = key:A1\n[dialog SaveFile]\nFileName = .\n");
    QTest::newRow("CREATEPROJECT") << path({"/createproject"}, {0, 1, 8, 9, 18, 20, 21});
    QTest::newRow("IMPORTPROJECT") << path({"/importproject", E2E_DATA "/plan.xml"}, {0, 1, 11, 12, 21},
                                           "[page 11]\nSelectProjectCombo = Website Relaunch\n"
                                           "[messages]\n2646 = OK\n");
    QTest::newRow("EXPORTPROJECT") << path({"/exportproject"}, {0, 1, 10, 21});
    QTest::newRow("EXPORTCALENDAR") << path({"/exportcalendar"}, {0, 1, 13, 21});
    QTest::newRow("IMPORTLIST, workbook chosen on page 16") << path(
        {"/importlist", ""}, {0, 1, 16, 14, 17, 21}, "[page 16]\ntxtExcelFilePath = " E2E_DATA "/book.csv\n");
    QTest::newRow("IMPORTLIST, workbook on the command line")
        << path({"/importlist", E2E_DATA "/book.csv"}, {0, 1, 14, 17, 21});
    QTest::newRow("job picked on the introduction page")
        << path({}, {0, 1, 2, 20, 21},
                "[page 0]\nactionListView = Create a new incident and attach documents to it\n");

    auto fails = [](int exitCode, const QString& err, const QString& answers,
                    const QStringList& job = {"/createincident"}) {
        return Scenario{.job = job, .answers = answers, .exitCode = exitCode, .err = {err}};
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
}

void TestJobPaths::runs()
{
    QFETCH(Scenario, row);
    row.answers += kPageValues;
    const QString differences = m_player.play(row);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
}

QTEST_GUILESS_MAIN(TestJobPaths)
#include "tst_job_paths.moc"

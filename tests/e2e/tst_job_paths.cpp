// Every job walks its whole page path, unattended, connected to a live development server.
#include "DevServer.h"
#include "KitbenchRun.h"

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
    void initTestCase();
    void cleanupTestCase() { m_server.reset(); }
    void pagePath_data();
    void pagePath();
    void exitCodes_data();
    void exitCodes();

private:
    QStringList login() const { return {"/L", "admin@" + m_server->address(), "/P", "admin"}; }
    std::unique_ptr<DevServer> m_server;
};

void TestJobPaths::initTestCase()
{
    m_server = std::make_unique<DevServer>(QStringList{"--seed", "demo"});
    QVERIFY2(!m_server->address().isEmpty(), qPrintable(m_server->errorOutput()));
}

void TestJobPaths::pagePath_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QList<int>>("path");
    QTest::newRow("CREATEINCIDENT") << QStringList{"/createincident"} << "" << QList<int>{0, 1, 2, 20, 21};
    QTest::newRow("CREATETASK") << QStringList{"/createtask"} << "" << QList<int>{0, 1, 3, 18, 20, 21};
    QTest::newRow("CREATEEVENT") << QStringList{"/CREATEEVENT"} << "" << QList<int>{0, 1, 4, 18, 20, 21};
    QTest::newRow("CREATETODO") << QStringList{"-createtodo"} << "" << QList<int>{0, 1, 5, 18, 20, 21};
    QTest::newRow("CREATELIST") << QStringList{"/createlist"} << "" << QList<int>{0, 1, 14, 21};
    QTest::newRow("UPLOAD") << QStringList{"/upload"}
                            << "[page 20]\nPublishedFileList = " KITBENCH_BINARY
                               "\n[page 6]\nFileListTreeView = key:F2\n"
                            << QList<int>{0, 1, 20, 6, 21};
    QTest::newRow("DOWNLOAD") << QStringList{"/download"}
                              << "[page 7]\nAssetListTreeView = key:A1\n[dialog SaveFile]\nFileName = .\n"
                              << QList<int>{0, 1, 7, 21};
    QTest::newRow("CREATEPROJECT") << QStringList{"/createproject"} << ""
                                   << QList<int>{0, 1, 8, 9, 18, 20, 21};
    QTest::newRow("IMPORTPROJECT")
        << QStringList{"/importproject", E2E_DATA "/plan.xml"}
        << "[page 11]\nSelectProjectCombo = Website Relaunch\n[messages]\n2646 = OK\n"
        << QList<int>{0, 1, 11, 12, 21};
    QTest::newRow("EXPORTPROJECT") << QStringList{"/exportproject"} << "" << QList<int>{0, 1, 10, 21};
    QTest::newRow("EXPORTCALENDAR") << QStringList{"/exportcalendar"} << "" << QList<int>{0, 1, 13, 21};
    QTest::newRow("IMPORTLIST, workbook chosen on page 16")
        << QStringList{"/importlist", ""} << "[page 16]\ntxtExcelFilePath = " E2E_DATA "/book.csv\n"
        << QList<int>{0, 1, 16, 14, 17, 21};
    QTest::newRow("IMPORTLIST, workbook named on the command line")
        << QStringList{"/importlist", E2E_DATA "/book.csv"} << "" << QList<int>{0, 1, 14, 17, 21};
    QTest::newRow("job picked on the introduction page")
        << QStringList{}
        << "[page 0]\nactionListView = " +
               QStringLiteral("Create a new incident and attach documents to it") + "\n"
        << QList<int>{0, 1, 2, 20, 21};
}

void TestJobPaths::pagePath()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, answers);
    QFETCH(QList<int>, path);
    const KitbenchRun result = KitbenchRun::start(arguments + login(), answers + kPageValues);
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QCOMPARE(result.pages(), path);
    QVERIFY2(!result.out.trimmed().isEmpty(), "the final report goes to standard output");
}

void TestJobPaths::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHas");
    QTest::newRow("unknown control") << QStringList{"/createincident"} << "[page 1]\nTextLogn = x\n"
                                     << 1 << "job.answers:2: no control named \"TextLogn\" on page 1";
    QTest::newRow("value that does not fit")
        << QStringList{"/createincident"} << "[page 1]\nCheckProxy = maybe\n"
        << 1 << "job.answers:2: CheckProxy takes 1 or 0";
    QTest::newRow("syntax") << QStringList{"/createincident"} << "TextLogin = x\n" << 1 << "job.answers:1:";
    QTest::newRow("page number past 32 bits")
        << QStringList{"/createincident"} << "# pages\n[page 4294967298]\n"
        << 1 << "job.answers:2: there is no page 4294967298";
    // 2 MiB of 16-byte lines: the limit of 1 MiB falls in line 65537.
    QTest::newRow("answer file of 2 MiB")
        << QStringList{"/createincident"} << QString("# fifteen bytes\n").repeated(131072) << 1
        << "job.answers:65537: the answer file is larger than 1048576 bytes";
    QTest::newRow("error message keeps the page") << QStringList{"/upload"} << "" << 2 << "[5048]";
    QTest::newRow("unanswered question") << QStringList{"/createincident"} << "[page 1]\ncmdNav_1\n"
                                         << 3 << "[3005]";
    QTest::newRow("answered question")
        << QStringList{"/createincident"} << "[page 1]\ncmdNav_1\n[messages]\n3005 = No\n"
        << 0 << "[3005]";
    QTest::newRow("cancel with Yes closes before Finish")
        << QStringList{"/createincident"} << "[page 2]\ncmdNav_1\n[messages]\n3005 = Yes\n"
        << 4 << "[9105]";
    QTest::newRow("no job chosen: Next disabled") << QStringList{} << "" << 4 << "Next is disabled";
    QTest::newRow("timeout of no seconds") << QStringList{"/createincident"} << "[options]\nTimeout = 0\n"
                                           << 1 << "job.answers:2: Timeout needs a number of seconds";
    QTest::newRow("unknown option") << QStringList{"/createincident"} << "[Options]\nRetries = 3\n"
                                    << 1 << "job.answers:2: unknown option \"Retries\"";
    QTest::newRow("timeout that is not reached")
        << QStringList{"/createincident"}
        << "[options]\ntimeout = 5\n[page 1]\ncmdNav_1\n[messages]\n3005 = No\n"
        << 0 << "[3005]";
    // Dialogs: each needs its [dialog NAME] block, and the block has to close it.
    const QString newFolder =
        "[page 14]\nListTitleText = L\nListFolderTreeView = key:F5\nAddNewListFolderCommand\n";
    QTest::newRow("unanswered save dialog")
        << QStringList{"/download"} << "[page 7]\nAssetListTreeView = key:A1\n"
        << 3 << "does not answer the dialog: SaveFile";
    QTest::newRow("unanswered open dialog") << QStringList{"/importlist", ""} << "[page 16]\ncmdBrowseFile\n"
                                            << 3 << "does not answer the dialog: OpenFile";
    QTest::newRow("unanswered new-folder dialog")
        << QStringList{"/createlist"} << newFolder << 3 << "does not answer the dialog: CreateOrvFolder";
    QTest::newRow("dialog block that leaves it open")
        << QStringList{"/createlist"} << newFolder + "[dialog CreateOrvFolder]\nNewOrvFolderText = x\n"
        << 3 << "CreateOrvFolder (its block leaves it open)";
    QTest::newRow("dialog block naming no control")
        << QStringList{"/createlist"} << newFolder + "[dialog CreateOrvFolder]\nFolderText = x\n"
        << 1 << "no control named \"FolderText\" in CreateOrvFolder";
}

void TestJobPaths::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, answers);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHas);
    const KitbenchRun result = KitbenchRun::start(arguments + login(), answers + kPageValues);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(stderrHas), qPrintable(result.err));
}

QTEST_GUILESS_MAIN(TestJobPaths)
#include "tst_job_paths.moc"

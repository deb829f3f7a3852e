// Connecting to each server version with each job: refused exactly where the version cannot serve
// the job, otherwise on to the job's first page, with the login in the request header.
#include "DevServer.h"
#include "KitbenchRun.h"

#include <QTest>

namespace {
const char* const kKeywords[] = {
    "",           "/createincident", "/createtask",    "/createevent",   "/createtodo",    "/createlist",
    "/upload",    "/download",       "/createproject", "/importproject", "/exportproject", "/exportcalendar",
    "/importlist"};
const int kFirstPage[] = {0, 2, 3, 4, 5, 14, 20, 7, 8, 11, 10, 13, 16};

// What each job needs on its pages to get through an unattended run.
QString answersFor(int mode)
{
    QString answers =
        "[page 2]\nIncidentTitleText = C\n[page 3]\nTaskTitleText = C\n[page 4]\nEventTitleText = C\n"
        "[page 5]\nToDoTitleText = C\n[page 8]\nProjectTitleText = C\n[page 10]\nListProjects = Website "
        "Relaunch\n[page 14]\nListTitleText = C\nListFolderTreeView = key:F5\n"
        "[messages]\n5061 = Yes\n";
    if (mode == 6)
        answers +=
            "[page 20]\nPublishedFileList = " KITBENCH_BINARY "\n[page 6]\nFileListTreeView = key:F2\n";
    if (mode == 7)
        answers += "[page 7]\nAssetListTreeView = key:A1\n[dialog SaveFile]\nFileName = .\n";
    if (mode == 12)
        answers += "[page 16]\ntxtExcelFilePath = " E2E_DATA "/book.csv\n";
    if (mode == 9)
        answers += "[page 11]\nSelectProjectCombo = Website Relaunch\n[messages]\n2646 = OK\n";
    return answers;
}
} // namespace

class TestConnect : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void versionChecks_data();
    void versionChecks();
};

void TestConnect::versionChecks_data()
{
    QTest::addColumn<QString>("version");
    for (const char* version : {"3.0", "3.5", "4.0", "4.1", "4.5", "4.7"})
        QTest::newRow(version) << QString::fromLatin1(version);
}

void TestConnect::versionChecks()
{
    QFETCH(QString, version);
    DevServer server({"--seed", "demo", "--server-version", version});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const QString login = "admin@" + server.address();
    for (int mode = 1; mode <= 12; ++mode) {
        const QString job = QString::fromLatin1(kKeywords[mode]);
        QStringList arguments{job};
        if (mode == 9)
            arguments << E2E_DATA "/plan.xml";
        else if (mode == 12)
            arguments << "";
        const KitbenchRun run =
            KitbenchRun::start(arguments + QStringList{"/L", login, "/P", "admin"}, answersFor(mode));

        int refusal = 0;
        if (version == "3.0" && mode != 6 && mode != 7)
            refusal = 5042;
        else if (version == "3.5" && (mode == 5 || mode == 11 || mode == 12))
            refusal = 5065;
        const QString context = version + " " + job + ": " + run.err;
        if (refusal) {
            QVERIFY2(run.exitCode == 2, qPrintable(context));
            QVERIFY2(run.err.contains(QStringLiteral("[%1]").arg(refusal)), qPrintable(context));
            QCOMPARE(run.pages(), (QList<int>{0, 1}));
        } else {
            QVERIFY2(run.exitCode == 0, qPrintable(context));
            QVERIFY2(run.pages().size() > 2 && run.pages().at(2) == kFirstPage[mode], qPrintable(context));
        }
    }
    const QList<QJsonObject> versionCalls = server.calls("GetServerVersion");
    QCOMPARE(versionCalls.size(), 12);
    for (const QJsonObject& call : versionCalls) {
        QVERIFY2(call.value("user").toString().startsWith("admin"), qPrintable(QJsonDocument(call).toJson()));
        QCOMPARE(call.value("args").toArray().size(), 0);
    }
}

QTEST_GUILESS_MAIN(TestConnect)
#include "tst_connect.moc"

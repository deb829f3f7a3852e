// The file library jobs unattended against live development servers: files published into a library
// folder, over a library file and as attachments of a new incident; the name check with its answers;
// a failed post retried, skipped or given up; a library file downloaded and saved. The server's
// journal shows what arrived.
#include "DevServer.h"
#include "KitbenchRun.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The journal lines of the publishing or download page.
QList<QJsonObject> posts(const DevServer& server, const QString& page)
{
    QList<QJsonObject> found;
    for (const QJsonObject& entry : server.journal())
        if (entry.value("page").toString().endsWith(page))
            found.append(entry);
    return found;
}

QString fields(const QJsonObject& post, const QStringList& names)
{
    QStringList values;
    const QJsonObject all = post.value("fields").toObject();
    for (const QString& name : names)
        values << name + "=" + (all.contains(name) ? all.value(name).toString() : "-");
    return values.join(' ');
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void publishIntoFolder_data();
    void publishIntoFolder();
    void takenName_data();
    void takenName();
    void failedPost_data();
    void failedPost();
    void attachmentsOfNewIncident();
    void download_data();
    void download();
    void downloadUnderFaults_data();
    void downloadUnderFaults();

private:
    KitbenchRun run(const DevServer& server, const QString& job, const QString& answers);
    QString makeFile(const QString& name, const QByteArray& content);
    QTemporaryDir m_files;
};

void TestFiles::initTestCase()
{
    QVERIFY(m_files.isValid());
}

QString TestFiles::makeFile(const QString& name, const QByteArray& content)
{
    QDir(m_files.path()).mkpath(QString::number(content.size()));
    const QString path = m_files.filePath(QString::number(content.size()) + "/" + name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

KitbenchRun TestFiles::run(const DevServer& server, const QString& job, const QString& answers)
{
    return KitbenchRun::start({job, "/L", "admin@" + server.address(), "/P", "admin"}, answers);
}

void TestFiles::publishIntoFolder_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("expected"); // the fields of each post
    QTest::addColumn<bool>("nameCheck");
    const QStringList names{"ObjectTypeId", "AssetId", "ObjectId", "FileName", "FolderID", "AssetID"};
    QTest::newRow("4.7 folder: name checked and sent")
        << "4.7"
        << "key:F4"
        << "ObjectTypeId=10 AssetId=0 ObjectId=4 FileName=%1 FolderID=- AssetID=-" << true;
    QTest::newRow("4.5 over a library file")
        << "4.5"
        << "key:A1"
        << "ObjectTypeId=10 AssetId=1 ObjectId=0 FileName=%1 FolderID=- AssetID=-" << true;
    QTest::newRow("4.1 folder: no name check, no name")
        << "4.1"
        << "key:F4"
        << "ObjectTypeId=10 AssetId=0 ObjectId=4 FileName=- FolderID=- AssetID=-" << false;
    QTest::newRow("3.5 folder") << "3.5"
                                << "key:F2"
                                << "ObjectTypeId=10 AssetId=0 ObjectId=2 FileName=- FolderID=- AssetID=-"
                                << false;
    QTest::newRow("3.0 folder: the old form")
        << "3.0"
        << "key:F4"
        << "ObjectTypeId=- AssetId=- ObjectId=- FileName=- FolderID=4 AssetID=0" << false;
}

void TestFiles::publishIntoFolder()
{
    QFETCH(QString, version);
    QFETCH(QString, node);
    QFETCH(QString, expected);
    QFETCH(bool, nameCheck);
    DevServer server({"--seed", "demo", "--server-version", version});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const QString first = makeFile("minutes " + version + ".txt", "Minutes of the meeting.\n");
    const QString second = makeFile("budget-" + version + ".csv", QByteArray(70000, 'x'));

    const KitbenchRun result = run(server, "/upload",
                                   "[page 20]\nPublishedFileList = " + first + "|" + second +
                                       "\n[page 6]\nFileListTreeView = " + node + "\n");
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QCOMPARE(result.pages(), (QList<int>{0, 1, 20, 6, 21}));

    const QList<QJsonObject> sent = posts(server, "FilePublishing.aspx");
    QCOMPARE(sent.size(), 2);
    QStringList uniqueIds;
    for (int i = 0; i < 2; ++i) {
        const QString path = i == 0 ? first : second;
        const QString name = QFileInfo(path).fileName();
        QCOMPARE(sent[i].value("status").toInt(), 200);
        QCOMPARE(fields(sent[i], {"ObjectTypeId", "AssetId", "ObjectId", "FileName", "FolderID", "AssetID"}),
                 expected.arg(name));
        QCOMPARE(fields(sent[i], {"__EVENTTARGET", "Login", "Password"}),
                 "__EVENTTARGET=btnSubmit Login=admin@" + server.address() + " Password=***");
        QCOMPARE(sent[i].value("file").toObject().value("size").toInteger(), QFileInfo(path).size());
        uniqueIds << sent[i].value("fields").toObject().value("__HARLOWE_FORM_UNIQUEID").toString();
        QVERIFY2(result.out.contains("'" + path + "' - OK"), qPrintable(result.out));
    }
    QVERIFY(QRegularExpression("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{16}$")
                .match(uniqueIds[0])
                .hasMatch());
    QVERIFY(uniqueIds[0] != uniqueIds[1]);
    const QList<QJsonObject> checks = server.calls("CheckFileName");
    QCOMPARE(checks.size(), nameCheck ? 2 : 0);
    if (nameCheck)
        QCOMPARE(checks.first().value("args").toArray().last().toString(), QFileInfo(first).fileName());
}

void TestFiles::takenName_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("published"); // the name the server got; empty: nothing published
    QTest::addColumn<QString>("log");
    QTest::newRow("replace") << "[messages]\n8020 = Replace" << 0 << "Welcome.txt"
                             << "' - OK";
    QTest::newRow("cancel") << "[messages]\n8020 = Cancel" << 0 << ""
                            << "' - cancelled";
    QTest::newRow("rename with a new name")
        << "[dialog DlgRenameFile]\nFileName = Welcome, 2nd.txt\ncmdRename" << 0 << "Welcome, 2nd.txt"
        << "' - OK";
    QTest::newRow("rewrite in the dialog block") << "[dialog DlgRenameFile]\ncmdRewrite" << 0 << "Welcome.txt"
                                                 << "' - OK";
    // Rename needs the new name: a file that only says Rename leaves the input box unanswered.
    QTest::newRow("rename without a name") << "[messages]\n8020 = Rename" << 3 << ""
                                           << "";
}

void TestFiles::takenName()
{
    QFETCH(QString, answer);
    QFETCH(int, exitCode);
    QFETCH(QString, published);
    QFETCH(QString, log);
    DevServer server({"--seed", "demo", "--server-version", "4.7"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    // "Welcome.txt" is in "Documents" already.
    const QString path = makeFile("Welcome.txt", "Welcome, second edition.\n");
    const KitbenchRun result =
        run(server, "/upload",
            "[page 20]\nPublishedFileList = " + path + "\n[page 6]\nFileListTreeView = key:F2\n" + answer +
                "\n[messages]\n5021 = OK\n");
    QVERIFY2(result.exitCode == exitCode, qPrintable(result.err));
    QVERIFY2(result.err.contains("[8020]"), qPrintable(result.err));
    const QList<QJsonObject> sent = posts(server, "FilePublishing.aspx");
    QCOMPARE(sent.size(), published.isEmpty() ? 0 : 1);
    if (!published.isEmpty())
        QCOMPARE(sent.first().value("fields").toObject().value("FileName").toString(), published);
    if (exitCode == 3)
        QVERIFY2(result.err.contains("[9140]") && result.err.contains("DlgRenameFile"),
                 qPrintable(result.err));
    else
        QVERIFY2(result.out.contains("'" + path + log), qPrintable(result.out));
}

void TestFiles::failedPost_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QList<int>>("statuses"); // of the posts, in order
    QTest::addColumn<QStringList>("logs");    // of the two files
    QTest::newRow("retry") << "Retry" << QList<int>{503, 200, 200} << QStringList{"' - OK", "' - OK"};
    QTest::newRow("ignore") << "Ignore" << QList<int>{503, 200} << QStringList{"' - skipped", "' - OK"};
    QTest::newRow("abort") << "Abort" << QList<int>{503} << QStringList{"' - cancelled", "' - cancelled"};
}

void TestFiles::failedPost()
{
    QFETCH(QString, answer);
    QFETCH(QList<int>, statuses);
    QFETCH(QStringList, logs);
    DevServer server(
        {"--seed", "demo", "--server-version", "4.1", "--fault", "FilePublishing.aspx=http-503#1"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const QString first = makeFile("first.txt", "1\n");
    const QString second = makeFile("second.txt", "22\n");
    const KitbenchRun result =
        run(server, "/upload",
            "[page 20]\nPublishedFileList = " + first + "|" + second +
                "\n[page 6]\nFileListTreeView = key:F4\n[messages]\n5017 = " + answer + "\n");
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QVERIFY2(result.err.contains("[5017]") && result.err.contains(first), qPrintable(result.err));
    QList<int> seen;
    for (const QJsonObject& post : posts(server, "FilePublishing.aspx"))
        seen << post.value("status").toInt();
    QCOMPARE(seen, statuses);
    QVERIFY2(result.out.contains("'" + first + logs[0]), qPrintable(result.out));
    QVERIFY2(result.out.contains("'" + second + logs[1]), qPrintable(result.out));
}

void TestFiles::attachmentsOfNewIncident()
{
    DevServer server({"--seed", "demo", "--server-version", "4.7"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const QString path = makeFile("screenshot.png", QByteArray(5000, '\x89'));
    const KitbenchRun result =
        run(server, "/createincident",
            "[page 2]\nIncidentTitleText = Printer jam\n[page 20]\nPublishedFileList = " + path +
                "\n[messages]\n5061 = Yes\n");
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    const QList<QJsonObject> created = server.calls("CreateIncident45");
    QCOMPARE(created.size(), 1);
    const QList<QJsonObject> journal = server.journal();
    const qsizetype createdAt = journal.indexOf(created.first());
    const QList<QJsonObject> checks = server.calls("CheckFileName");
    QCOMPARE(checks.size(), 1);
    const QJsonArray checkArgs = checks.first().value("args").toArray();
    QCOMPARE(checkArgs.at(0).toInt(), 7);
    const int incident = checkArgs.at(1).toInt();
    QVERIFY(incident > 0);
    const QList<QJsonObject> sent = posts(server, "FilePublishing.aspx");
    QCOMPARE(sent.size(), 1);
    QVERIFY(journal.indexOf(sent.first()) > createdAt);
    QCOMPARE(fields(sent.first(), {"ObjectTypeId", "AssetId", "ObjectId", "FileName"}),
             "ObjectTypeId=7 AssetId=0 ObjectId=" + QString::number(incident) + " FileName=screenshot.png");
    QCOMPARE(sent.first().value("status").toInt(), 200);
    QVERIFY2(result.out.contains("'" + path + "' - OK"), qPrintable(result.out));
}

void TestFiles::download_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("saved"); // the file in the run's folder
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("saveAs"); // the path the save dialog gets
    QTest::addColumn<QString>("logged"); // the log names the library file
    QTest::newRow("4.7") << "4.7"
                         << "key:A1"
                         << "FolderID=2 VersionID=1 AssetID=-"
                         << "Welcome.txt" << QByteArray("Welcome to the Harlowe file library.\n") << "."
                         << "Welcome.txt";
    QTest::newRow("4.0 without extension")
        << "4.0"
        << "key:A6"
        << "FolderID=2 VersionID=6 AssetID=-"
        << "Read me first" << QByteArray("A file without an extension.\n") << "Read me first"
        << "README";
    QTest::newRow("3.0: the asset alone")
        << "3.0"
        << "key:A3"
        << "FolderID=- VersionID=- AssetID=3"
        << "Travel Policy.txt" << QByteArray("Economy class for flights under six hours.\n") << "."
        << "Travel Policy.txt";
}

void TestFiles::download()
{
    QFETCH(QString, version);
    QFETCH(QString, node);
    QFETCH(QString, expected);
    QFETCH(QString, saved);
    QFETCH(QByteArray, content);
    QFETCH(QString, saveAs);
    QFETCH(QString, logged);
    DevServer server({"--seed", "demo", "--server-version", version});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun result =
        run(server, "/download",
            "[page 7]\nAssetListTreeView = " + node + "\n[dialog SaveFile]\nFileName = " + saveAs);
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QCOMPARE(result.pages(), (QList<int>{0, 1, 7, 21}));
    const QList<QJsonObject> sent = posts(server, "FileDownload.aspx");
    QCOMPARE(sent.size(), 1);
    QCOMPARE(fields(sent.first(), {"FolderID", "VersionID", "AssetID"}), expected);
    QCOMPARE(result.savedFiles.value(saved), content);
    QVERIFY2(result.out.contains("'" + logged + "' - OK"), qPrintable(result.out));
}

// A download that does not arrive whole, or cannot be stored, leaves what was at the target's place as
// it was and nothing beside it; a store that cannot succeed says so once and ends the run with 2.
void TestFiles::downloadUnderFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("answer");   // to the transfer failure, when one comes
    QTest::addColumn<bool>("folderInWay"); // a folder has the file's name; else a file "original"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("postCount");
    QTest::addColumn<QString>("message");  // the id of the one message shown, or ""
    QTest::addColumn<QByteArray>("after"); // Welcome.txt afterwards (a folder: empty)
    const QByteArray original("original");
    const QByteArray whole("Welcome to the Harlowe file library.\n");
    QTest::newRow("cut before Content-Length") << "cut:10"
                                               << "Cancel" << false << 0 << 1 << "5019" << original;
    QTest::newRow("chunked, every byte but no last chunk")
        << "chunked-cut:0"
        << "Cancel" << false << 0 << 1 << "5019" << original;
    QTest::newRow("chunked, cut at a chunk boundary") << "chunked-cut:10"
                                                      << "Cancel" << false << 0 << 1 << "5019" << original;
    QTest::newRow("chunked, whole") << "chunked"
                                    << "" << false << 0 << 1 << "" << whole;
    QTest::newRow("cut, then Retry") << "cut:10#1"
                                     << "Retry" << false << 0 << 2 << "5019" << whole;
    QTest::newRow("a folder in the way") << "chunked"
                                         << "" << true << 2 << 1 << "0" << QByteArray();
}

void TestFiles::downloadUnderFaults()
{
    QFETCH(QString, fault);
    QFETCH(QString, answer);
    QFETCH(bool, folderInWay);
    QFETCH(int, exitCode);
    QFETCH(int, postCount);
    QFETCH(QString, message);
    QFETCH(QByteArray, after);
    DevServer server({"--seed", "demo", "--fault", "FileDownload.aspx=" + fault});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun result = KitbenchRun::start(
        {"/download", "/L", "admin@" + server.address(), "/P", "admin"},
        "[page 7]\nAssetListTreeView = key:A1\n[dialog SaveFile]\nFileName = .\n" +
            (answer.isEmpty() ? "" : "[messages]\n5019 = " + answer + "\n"),
        60000, {}, [folderInWay](const QDir& dir) {
            QFile file(dir.filePath("Welcome.txt"));
            QVERIFY(folderInWay ? dir.mkdir("Welcome.txt")
                                : file.open(QIODevice::WriteOnly) && file.write("original"));
        });
    QVERIFY2(result.exitCode == exitCode, qPrintable(result.err));
    QCOMPARE(posts(server, "FileDownload.aspx").size(), postCount);
    QStringList shown; // the messages, without the save dialog's lines
    for (const QString& line : result.err.split('\n', Qt::SkipEmptyParts))
        if (line.startsWith('[') && !line.startsWith("[5010]"))
            shown << line.section(']', 0, 0).mid(1);
    QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY2(result.err.count('\n') <= 8, qPrintable(result.err));
    // Nothing but the target (or nothing at all, when a folder stood there) beside the answers.
    QStringList left;
    for (const QString& name : result.savedFiles.keys())
        if (!name.startsWith("data/"))
            left << name;
    QCOMPARE(left, after.isEmpty() ? QStringList() : QStringList{"Welcome.txt"});
    QCOMPARE(result.savedFiles.value("Welcome.txt"), after);
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"

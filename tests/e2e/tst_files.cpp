// The file library jobs unattended: publishing into folders, over files and to a new incident, the name
// check, failed posts, downloads that fail or cannot be stored, the tree pages' checks.
#include "Scenario.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// The form posts of a run to one page, and the named fields of a post ("-" for a missing one).
QList<QJsonObject> posts(QList<QJsonObject> entries, const QString& page)
{
    entries.removeIf(
        [&](const QJsonObject& entry) { return !entry.value("page").toString().endsWith(page); });
    return entries;
}

QString fields(const QJsonObject& post, const QStringList& names)
{
    QStringList values;
    const QJsonObject all = post.value("fields").toObject();
    for (const QString& name : names)
        values << name + "=" + all.value(name).toString("-");
    return values.join(' ');
}

const QStringList kPostFields{"ObjectTypeId", "AssetId", "ObjectId", "FileName", "FolderID", "AssetID"};

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(m_files.isValid()); }
    void publish_data();
    void publish();
    void checks_data();
    void checks();
    void download_data();
    void download();

private:
    QString makeFile(const QString& name, const QByteArray& content);
    QTemporaryDir m_files;
    ScenarioPlayer m_player;
};

QString TestFiles::makeFile(const QString& name, const QByteArray& content)
{
    QDir(m_files.path()).mkpath(QString::number(content.size()));
    const QString path = m_files.filePath(QString::number(content.size()) + "/" + name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

void TestFiles::publish_data()
{
    QTest::addColumn<Scenario>("row");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("sent"); // the fields of each post, %1 the file's name
    auto folder = [this](const char* tag, const QString& version, const QString& node, const QString& sent) {
        const QStringList files{makeFile("minutes " + version + ".txt", "Minutes of the meeting.\n"),
                                makeFile("budget-" + version + ".csv", QByteArray(70000, 'x'))};
        Scenario row{.job = {"/upload"},
                     .answers = "[page 20]\nPublishedFileList = " + files.join('|') +
                                "\n[page 6]\nFileListTreeView = " + node + "\n",
                     .version = version,
                     .pages = {0, 1, 20, 6, 21},
                     .out = {"'" + files[0] + "' - OK", "'" + files[1] + "' - OK"}};
        if (version >= "4.5") // the name is checked first
            row.calls = {"CheckFileName *\"" + QFileInfo(files[0]).fileName() + "\"] OK"};
        else
            row.absent = {"CheckFileName"};
        QTest::newRow(tag) << row << files << QStringList{sent, sent};
    };
    folder("4.7 folder: name checked and sent", "4.7", "key:F4",
           "ObjectTypeId=10 AssetId=0 ObjectId=4 FileName=%1 FolderID=- AssetID=-");
    folder("4.5 over a library file", "4.5", "key:A1",
           "ObjectTypeId=10 AssetId=1 ObjectId=0 FileName=%1 FolderID=- AssetID=-");
    folder("4.1 folder: no name check, no name", "4.1", "key:F4",
           "ObjectTypeId=10 AssetId=0 ObjectId=4 FileName=- FolderID=- AssetID=-");
    folder("3.0 folder: the old form", "3.0", "key:F4",
           "ObjectTypeId=- AssetId=- ObjectId=- FileName=- FolderID=4 AssetID=0");
    // Attachments go to the new incident once it exists: %2 is its id, as the name check got it.
    const QString shot = makeFile("screenshot.png", QByteArray(5000, '\x89'));
    QTest::newRow("attachment of a new incident")
        << Scenario{.job = {"/createincident"},
                    .answers = "[page 2]\nIncidentTitleText = Printer jam\n[page 20]\nPublishedFileList = " +
                               shot + "\n[messages]\n5061 = Yes\n",
                    .calls = {"CreateIncident45 * OK", "CheckFileName [7,*,\"screenshot.png\"] OK",
                              "FilePublishing.aspx"},
                    .out = {"'" + shot + "' - OK"}}
        << QStringList{shot}
        << QStringList{"ObjectTypeId=7 AssetId=0 ObjectId=%2 FileName=%1 FolderID=- AssetID=-"};
    // A post that fails is offered for Abort, Retry or Ignore; the first post of the server fails once.
    auto failed = [this](const QString& answer, const QStringList& statuses, const QStringList& logs) {
        const QStringList files{makeFile("first.txt", "1\n"), makeFile("second.txt", "22\n")};
        Scenario row{.job = {"/upload"},
                     .answers = "[page 20]\nPublishedFileList = " + files.join('|') +
                                "\n[page 6]\nFileListTreeView = key:F4\n[messages]\n5017 = " + answer + "\n",
                     .version = "4.1",
                     .faults = {"FilePublishing.aspx=http-503#1"},
                     .err = {"[5017]", files[0]},
                     .out = {"'" + files[0] + "' - " + logs[0], "'" + files[1] + "' - " + logs[1]}};
        for (const QString& status : statuses)
            row.calls << "FilePublishing.aspx * " + status;
        return row;
    };
    QTest::newRow("failed post, retry")
        << failed("Retry", {"503", "200", "200"}, {"OK", "OK"}) << QStringList{} << QStringList{};
    QTest::newRow("failed post, ignore")
        << failed("Ignore", {"503", "200"}, {"skipped", "OK"}) << QStringList{} << QStringList{};
    QTest::newRow("failed post, abort")
        << failed("Abort", {"503"}, {"cancelled", "cancelled"}) << QStringList{} << QStringList{};
}

void TestFiles::publish()
{
    QFETCH(Scenario, row);
    QFETCH(QStringList, files);
    QFETCH(QStringList, sent);
    QVERIFY2(m_player.plays(row), m_player.why());
    const QList<QJsonObject> posted = posts(m_player.entries(), "FilePublishing.aspx");
    if (files.isEmpty()) { // the failed posts: exactly those of the row
        QCOMPARE(posted.size(), row.calls.size());
        return;
    }
    QCOMPARE(posted.size(), files.size());
    const QStringList checks = m_player.journal().filter(QRegularExpression("^CheckFileName "));
    QCOMPARE(checks.size(), row.absent.isEmpty() ? files.size() : 0);
    const QString owner = checks.isEmpty() ? QString() : checks.first().section(',', 1, 1);
    QStringList uniqueIds;
    for (int i = 0; i < files.size(); ++i) {
        QCOMPARE(posted[i].value("status").toInt(), 200);
        QCOMPARE(fields(posted[i], kPostFields),
                 QString(sent[i]).replace("%1", QFileInfo(files[i]).fileName()).replace("%2", owner));
        QCOMPARE(fields(posted[i], {"__EVENTTARGET", "Login", "Password"}),
                 "__EVENTTARGET=btnSubmit Login=admin@" + m_player.server().address() + " Password=***");
        QCOMPARE(posted[i].value("file").toObject().value("size").toInteger(), QFileInfo(files[i]).size());
        uniqueIds << posted[i].value("fields").toObject().value("__HARLOWE_FORM_UNIQUEID").toString();
        QVERIFY(QRegularExpression("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{16}$")
                    .match(uniqueIds[i])
                    .hasMatch());
    }
    QCOMPARE(QSet<QString>(uniqueIds.begin(), uniqueIds.end()).size(), uniqueIds.size());
}

void TestFiles::checks_data()
{
    QTest::addColumn<Scenario>("row");
    // "Welcome.txt" is in "Documents" already; the rows that replace it get a server of their own.
    const QString path = makeFile("Welcome.txt", "Welcome, second edition.\n");
    auto taken = [&](const QString& answer, const QString& published, const QString& log) {
        return Scenario{.job = {"/upload"},
                        .answers = "[page 20]\nPublishedFileList = " + path +
                                   "\n[page 6]\nFileListTreeView = key:F2\n" + answer +
                                   "\n[messages]\n5021 = OK\n",
                        .calls = published.isEmpty()
                                     ? QStringList{"CheckFileName"}
                                     : QStringList{"CheckFileName", "FilePublishing.aspx {*\"FileName\":\"" +
                                                                        published + "\"*} 200"},
                        .absent = published.isEmpty() ? QStringList{"FilePublishing.aspx"} : QStringList{},
                        .err = {"[8020]"},
                        .out = {"'" + path + "' - " + log},
                        .fresh = published == "Welcome.txt"};
    };
    QTest::newRow("replace") << taken("[messages]\n8020 = Replace", "Welcome.txt", "OK");
    QTest::newRow("cancel") << taken("[messages]\n8020 = Cancel", "", "cancelled");
    QTest::newRow("rename with a new name")
        << taken("[dialog DlgRenameFile]\nFileName = Welcome, 2nd.txt\ncmdRename", "Welcome, 2nd.txt", "OK");
    QTest::newRow("rewrite in the dialog block")
        << taken("[dialog DlgRenameFile]\ncmdRewrite", "Welcome.txt", "OK");
    // Rename needs the new name: a file that only says Rename leaves the input box unanswered.
    Scenario unanswered = taken("[messages]\n8020 = Rename", "", "");
    unanswered.exitCode = 3;
    unanswered.out.clear();
    unanswered.err += {"[9140]", "DlgRenameFile"};
    QTest::newRow("rename without a name") << unanswered;
    // The tree pages' checks: one message, the page stays, nothing is sent.
    auto refused = [&](const QString& job, const QString& answers, const QString& message) {
        return Scenario{.job = {job},
                        .answers = (job == "/upload" ? "[page 20]\nPublishedFileList = " + path + "\n" : "") +
                                   answers,
                        .exitCode = 2,
                        .pages = job == "/upload" ? QList<int>{0, 1, 20, 6} : QList<int>{0, 1, 7},
                        .absent = {"FilePublishing.aspx", "FileDownload.aspx", "CheckFileName"},
                        .err = {message}};
    };
    QTest::newRow("upload, no folder") << refused("/upload", "", "[2503]");
    QTest::newRow("upload, read-only folder")
        << refused("/upload", "[page 6]\nFileListTreeView = key:F3\n", "[2504]");
    QTest::newRow("download, no file") << refused("/download", "", "[2603]");
    QTest::newRow("download, a folder")
        << refused("/download", "[page 7]\nAssetListTreeView = key:F2\n", "[2604]");
}

void TestFiles::checks()
{
    QFETCH(Scenario, row);
    QVERIFY2(m_player.plays(row), m_player.why());
}

// A download that does not arrive whole, or cannot be stored, leaves what was at the target's place as it
// was and nothing beside it; a store that cannot succeed says so once and ends the run with 2.
void TestFiles::download_data()
{
    QTest::addColumn<Scenario>("row");
    QTest::addColumn<QString>("saved"); // the file the run's folder must hold afterwards ("": none)
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("shown"); // the ids of the messages shown, comma-separated
    QTest::addColumn<QString>("sent");  // the fields of the post; "": not compared
    auto fetch = [](const QString& version, const QString& node, const QString& saveAs,
                    const QString& logged) {
        return Scenario{.job = {"/download"},
                        .answers = "[page 7]\nAssetListTreeView = " + node +
                                   "\n[dialog SaveFile]\nFileName = " + saveAs,
                        .version = version,
                        .pages = {0, 1, 7, 21},
                        .calls = {"FileDownload.aspx * 200"},
                        .out = {"'" + logged + "' - OK"}};
    };
    QTest::newRow("4.7") << fetch("4.7", "key:A1", ".", "Welcome.txt") << "Welcome.txt"
                         << QByteArray("Welcome to the Harlowe file library.\n") << QString()
                         << "FolderID=2 VersionID=1 AssetID=-";
    QTest::newRow("4.0 without extension")
        << fetch("4.0", "key:A6", "Read me first", "README") << "Read me first"
        << QByteArray("A file without an extension.\n") << QString() << "FolderID=2 VersionID=6 AssetID=-";
    QTest::newRow("3.0: the asset alone")
        << fetch("3.0", "key:A3", ".", "Travel Policy.txt") << "Travel Policy.txt"
        << QByteArray("Economy class for flights under six hours.\n") << QString()
        << "FolderID=- VersionID=- AssetID=3";

    auto faulty = [](const QString& fault, const QString& answer, bool folderInWay, int exitCode, int posts) {
        Scenario row{.job = {"/download"},
                     .answers = "[page 7]\nAssetListTreeView = key:A1\n[dialog SaveFile]\nFileName = .\n" +
                                (answer.isEmpty() ? "" : "[messages]\n5019 = " + answer + "\n"),
                     .faults = {"FileDownload.aspx=" + fault},
                     .exitCode = exitCode,
                     .prepare = [folderInWay](const QDir& dir) {
                         QFile file(dir.filePath("Welcome.txt"));
                         QVERIFY(folderInWay ? dir.mkdir("Welcome.txt")
                                             : file.open(QIODevice::WriteOnly) && file.write("original"));
                     }};
        row.calls = QStringList(posts, "FileDownload.aspx");
        return row;
    };
    const QByteArray original("original"), whole("Welcome to the Harlowe file library.\n");
    QTest::newRow("cut before Content-Length")
        << faulty("cut:10", "Cancel", false, 0, 1) << "Welcome.txt" << original << "5019" << QString();
    QTest::newRow("chunked, every byte but no last chunk")
        << faulty("chunked-cut:0", "Cancel", false, 0, 1) << "Welcome.txt" << original << "5019" << QString();
    QTest::newRow("chunked, cut at a chunk boundary") << faulty("chunked-cut:10", "Cancel", false, 0, 1)
                                                      << "Welcome.txt" << original << "5019" << QString();
    QTest::newRow("chunked, whole") << faulty("chunked", "", false, 0, 1) << "Welcome.txt" << whole
                                    << QString() << QString();
    QTest::newRow("cut, then Retry") << faulty("cut:10#1", "Retry", false, 0, 2) << "Welcome.txt" << whole
                                     << "5019" << QString();
    QTest::newRow("a folder in the way")
        << faulty("chunked", "", true, 2, 1) << QString() << QByteArray() << "0" << QString();
}

void TestFiles::download()
{
    QFETCH(Scenario, row);
    QFETCH(QString, saved);
    QFETCH(QByteArray, content);
    QFETCH(QString, shown);
    QFETCH(QString, sent);
    QVERIFY2(m_player.plays(row), m_player.why());
    const KitbenchRun& run = m_player.run();
    const QList<QJsonObject> posted = posts(m_player.entries(), "FileDownload.aspx");
    QCOMPARE(posted.size(), row.calls.size());
    if (!sent.isEmpty())
        QCOMPARE(fields(posted.first(), {"FolderID", "VersionID", "AssetID"}), sent);
    QStringList messages; // without the save dialog's lines
    for (const QString& line : run.err.split('\n', Qt::SkipEmptyParts))
        if (line.startsWith('[') && !line.startsWith("[5010]"))
            messages << line.section(']', 0, 0).mid(1);
    QCOMPARE(messages.join(','), shown);
    QVERIFY2(run.err.count('\n') <= 8, qPrintable(run.err));
    // Nothing but the target (or nothing at all, when a folder stood there) beside the answers.
    QStringList left = run.savedFiles.keys();
    left.removeIf([](const QString& name) { return name.startsWith("data/"); });
    QCOMPARE(left, saved.isEmpty() ? QStringList() : QStringList{saved});
    QCOMPARE(run.savedFiles.value(saved), content);
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"

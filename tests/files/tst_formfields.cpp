// The fields of the publishing and download posts by server version and job, the file names the
// transfers use, and the messages of failed transfers.
#include "files/FormFields.h"
#include "shell/RunMode.h"

#include <QRegularExpression>
#include <QTest>

using namespace kitbench;

namespace {

QStringList describe(const QList<FormField>& fields)
{
    QStringList lines;
    for (const FormField& field : fields)
        lines << field.name + "=" + field.value;
    return lines;
}

const QStringList kLogin{"__EVENTTARGET=btnSubmit", "__EVENTARGUMENT=", "Login=admin@orv.example.com",
                         "Password=secret"};

} // namespace

class TestFormFields : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void publishFields_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("runMode");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("fields");
        // The runs against live servers post into library folders and files and attach to an incident;
        // these are the other object types and the old form's file.
        const auto row = [&](const char* tag, const char* version, int runMode, const char* key,
                             const QString& path, const QStringList& fields) {
            QTest::newRow(tag) << QString(version) << runMode << QString(key) << QString(key).mid(1)
                               << QString(path) << kLogin + fields;
        };
        const QString modern =
            "https://orv.example.com/portals/orv_example_com/FileLibrary/FilePublishing.aspx";
        const QString old = "https://orv.example.com/portals/orv_example_com/Library/FilePublishing.aspx";
        row("4.0 project", "4.0", CREATEPROJECT, "", modern, {"ObjectTypeId=3", "AssetId=0", "ObjectId=41"});
        row("3.5 to-do", "3.5", CREATETODO, "", modern, {"ObjectTypeId=6", "AssetId=0", "ObjectId=41"});
        row("4.7 list: no type, no asset", "4.7", CREATELIST, "", modern,
            {"ObjectId=41", "FileName=notes.txt"});
        row("3.0 file", "3.0", UPLOAD, "A9", old, {"FolderID=0", "AssetID=9"});
    }
    void publishFields()
    {
        QFETCH(QString, version);
        QFETCH(int, runMode);
        QFETCH(QString, key);
        QFETCH(QString, tag);
        QFETCH(QString, path);
        QFETCH(QStringList, fields);
        PublishInput input{version,     runMode, "admin@orv.example.com", "secret", true, {key, tag, {}}, 41,
                           "notes.txt", "GUID"};
        const PublishRequest request = publishRequest(input);
        QCOMPARE(request.form.address, path);
        QCOMPARE(describe(request.form.fields), fields + QStringList{"__HARLOWE_FORM_UNIQUEID=GUID"});
        QCOMPARE(request.objectId, 41);
    }
    void nameCheckTarget_data()
    {
        QTest::addColumn<int>("runMode");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("id");
        QTest::newRow("event") << int(CREATEEVENT) << "" << 4 << 41;
        QTest::newRow("import list") << int(IMPORTLIST) << "" << 15 << 41;
        QTest::newRow("library folder") << int(UPLOAD) << "F-1" << 10 << -1;
        QTest::newRow("library file keeps the object") << int(UPLOAD) << "A3" << 10 << 41;
    }
    void nameCheckTarget()
    {
        QFETCH(int, runMode);
        QFETCH(QString, key);
        QFETCH(int, type);
        QFETCH(int, id);
        const NameCheckTarget target = kitbench::nameCheckTarget(runMode, {key, {}, {}}, 41);
        QCOMPARE(int(target.objectType), type);
        QCOMPARE(int(target.objectId), id);
    }
    // A file under the projects' root keeps the root's id; other folders and 3.0 are run against live
    // servers.
    void downloadUnderTheProjectsRoot()
    {
        const FormRequest request =
            downloadRequest("3.5", "admin@orv.example.com", "secret", false, {"A110", "110", "F-1"}, 110);
        QCOMPARE(request.address,
                 QString("http://orv.example.com/portals/orv_example_com/FileLibrary/FileDownload.aspx"));
        QCOMPARE(describe(request.fields), kLogin + QStringList({"FolderID=-1", "VersionID=110"}));
    }
    void fileNames_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* path : {"C:\\Users\\ada\\report.docx", "/home/ada/report.docx", "report.docx"})
            QTest::newRow(path) << QString(path);
    }
    void fileNames()
    {
        QFETCH(QString, path);
        QCOMPARE(publishFileName(path), QString("report.docx"));
    }
    void proposal_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("proposal");
        const auto row = [](const char* tag, const char* header, const char* proposal) {
            QTest::newRow(tag) << QString(header) << QString(proposal);
        };
        row("quoted", "attachment; filename=\"Q3 figures.xlsx\"", "Q3 figures.xlsx");
        row("bare", "attachment; filename=plan.mpp", "plan.mpp");
        row("no name: the library's", "attachment", "Welcome.txt");
        row("a path is cut to its name", "attachment; filename=\"../../etc/passwd\"", "passwd");
    }
    void proposal()
    {
        QFETCH(QString, header);
        QFETCH(QString, proposal);
        QCOMPARE(proposedFileName(header, "Welcome.txt"), proposal);
    }
    void guid()
    {
        const QRegularExpression shape("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{16}$");
        const QString first = NewGuidString();
        QVERIFY2(shape.match(first).hasMatch(), qPrintable(first));
        QCOMPARE(first.size(), 35);
        QVERIFY(NewGuidString() != first);
    }
    void failureTexts_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("textId");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("refused name wins") << 2 << 500 << true << 5021 << "";
        QTest::newRow("transfer failure") << 1 << 5 << false << 5011 << "5";
        QTest::newRow("400") << 2 << 400 << false << 5012 << "";
        QTest::newRow("404") << 2 << 404 << false << 5013 << "";
        QTest::newRow("405") << 2 << 405 << false << 5014 << "";
        QTest::newRow("408") << 2 << 408 << false << 5015 << "";
        QTest::newRow("500") << 2 << 500 << false << 5016 << "";
        QTest::newRow("not reached") << 2 << 601 << false << 5018 << "";
        QTest::newRow("other HTTP status") << 2 << 413 << false << 5020 << "413";
    }
    void failureTexts()
    {
        QFETCH(int, status);
        QFETCH(int, code);
        QFETCH(bool, refused);
        QFETCH(int, textId);
        QFETCH(QString, suffix);
        const TransferFailureText text = transferFailureText(status, code, refused);
        QCOMPARE(text.textId, textId);
        QCOMPARE(text.suffix, suffix);
    }
};

QTEST_GUILESS_MAIN(TestFormFields)
#include "tst_formfields.moc"

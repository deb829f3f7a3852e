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
    // The runs against live servers post into library folders and files and attach to an incident; these
    // are the other object types and the old form's file.
    void publishFields()
    {
        const QString modern =
            "https://orv.example.com/portals/orv_example_com/FileLibrary/FilePublishing.aspx";
        const QString old = "https://orv.example.com/portals/orv_example_com/Library/FilePublishing.aspx";
        using Row = std::tuple<const char*, int, QString, QString, QStringList>; // version, job, key, form
        for (const auto& [version, runMode, key, path, fields] : {
                 Row{"4.0", CREATEPROJECT, "", modern, {"ObjectTypeId=3", "AssetId=0", "ObjectId=41"}},
                 Row{"3.5", CREATETODO, "", modern, {"ObjectTypeId=6", "AssetId=0", "ObjectId=41"}},
                 Row{"4.7", CREATELIST, "", modern, {"ObjectId=41", "FileName=notes.txt"}}, // no type, asset
                 Row{"3.0", UPLOAD, "A9", old, {"FolderID=0", "AssetID=9"}},
             }) {
            const ChosenNode node{key, key.mid(1), {}};
            const PublishRequest request = publishRequest(
                {version, runMode, "admin@orv.example.com", "secret", true, node, 41, "notes.txt", "GUID"});
            QCOMPARE(request.form.address, path);
            QCOMPARE(describe(request.form.fields),
                     kLogin + fields + QStringList{"__HARLOWE_FORM_UNIQUEID=GUID"});
            QCOMPARE(request.objectId, 41);
        }
        // The name check's object: the item's, or the library (10) with the file's object or none.
        using Target = std::tuple<int, QString, int, int>; // job, key, object type, object id
        for (const auto& [runMode, key, type, id] :
             {Target{CREATEEVENT, "", 4, 41}, Target{IMPORTLIST, "", 15, 41}, Target{UPLOAD, "F-1", 10, -1},
              Target{UPLOAD, "A3", 10, 41}}) {
            const NameCheckTarget target = nameCheckTarget(runMode, {key, {}, {}}, 41);
            QCOMPARE(std::pair(int(target.objectType), int(target.objectId)), std::pair(type, id));
        }
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
    void fileNames()
    {
        for (const char* path : {"C:\\Users\\ada\\report.docx", "/home/ada/report.docx", "report.docx"})
            QCOMPARE(publishFileName(path), QString("report.docx"));
        using Row = std::pair<const char*, const char*>; // Content-Disposition, name proposed
        for (const auto& [header, proposal] :
             {Row{"attachment; filename=\"Q3 figures.xlsx\"", "Q3 figures.xlsx"},
              Row{"attachment; filename=plan.mpp", "plan.mpp"},
              Row{"attachment", "Welcome.txt"}, // no name: the library's
              Row{"attachment; filename=\"../../etc/passwd\"", "passwd"}})
            QCOMPARE(proposedFileName(header, "Welcome.txt"), QString(proposal));
    }
    void guid()
    {
        const QRegularExpression shape("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{16}$");
        const QString first = NewGuidString();
        QVERIFY2(shape.match(first).hasMatch(), qPrintable(first));
        QVERIFY(NewGuidString() != first);
    }
    // A service unavailable (503) and a lost connection are shown by the live file runs.
    void failureTexts()
    {
        using Row = std::tuple<int, int, bool, int, const char*>; // status, code, name refused; text, suffix
        for (const auto& [status, code, refused, textId, suffix] : {
                 Row{2, 500, true, 5021, ""}, // the refused name wins
                 Row{1, 5, false, 5011, "5"}, // a transfer failure
                 Row{2, 400, false, 5012, ""}, Row{2, 404, false, 5013, ""}, Row{2, 405, false, 5014, ""},
                 Row{2, 408, false, 5015, ""}, Row{2, 500, false, 5016, ""},
                 Row{2, 601, false, 5018, ""},    // not reached
                 Row{2, 413, false, 5020, "413"}, // another HTTP status
             }) {
            const TransferFailureText text = transferFailureText(status, code, refused);
            QCOMPARE(std::pair(text.textId, text.suffix), std::pair(textId, QString(suffix)));
        }
    }
};

QTEST_GUILESS_MAIN(TestFormFields)
#include "tst_formfields.moc"

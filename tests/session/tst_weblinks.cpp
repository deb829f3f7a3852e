// The result pages of the web interface, and the versions the wizard accepts.
#include "TempSettings.h"

#include "session/ServerAddress.h"
#include "session/ServerVersion.h"
#include "session/WebLinks.h"
#include "shell/TextCatalogue.h"
#include "shell/WizardState.h"

#include <QTest>

using namespace kitbench;

class TestWebLinks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_temp = std::make_unique<TempSettings>(); }
    void redirects_data();
    void redirects();
    void redirectTravelsEncoded();
    void downloadOpensTheFolder();
    void refusals_data();
    void refusals();

private:
    std::unique_ptr<TempSettings> m_temp;
};

void TestWebLinks::redirects_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("libraryFolder");
    QTest::addColumn<QString>("redirect");
    QTest::newRow("incident") << 1 << false << "Incidents/IncidentView.aspx?IncidentId=12&Tab=General";
    QTest::newRow("task") << 2 << false << "Tasks/TaskView.aspx?TaskID=12&Tab=General";
    QTest::newRow("event") << 3 << false << "Events/EventView.aspx?EventID=12&Tab=General";
    QTest::newRow("to-do") << 4 << false << "ToDo/ToDoView.aspx?ToDoID=12&Tab=General";
    QTest::newRow("list") << 5 << false << "Lists/ListView.aspx?ListID=12&Tab=General";
    QTest::newRow("list from Excel") << 12 << false << "Lists/ListView.aspx?ListID=12&Tab=General";
    QTest::newRow("upload to a library folder") << 6 << true << "FileStorage/default.aspx?FolderID=12";
    QTest::newRow("upload to a project library") << 6 << false << "Projects/ProjectView.aspx?ProjectID=77&Tab=FileLibrary";
    QTest::newRow("project") << 8 << false << "Projects/ProjectView.aspx?ProjectId=12&Tab=1";
    QTest::newRow("imported project") << 9 << false << "Projects/ProjectView.aspx?ProjectId=12&Tab=1";
    QTest::newRow("exported project") << 10 << false << "Projects/ProjectView.aspx?ProjectId=12&Tab=1";
    QTest::newRow("calendar") << 11 << false << "Events/EventView.aspx";
    QTest::newRow("download has none") << 7 << false << "";
    QTest::newRow("no job") << 0 << false << "";
}

void TestWebLinks::redirects()
{
    QFETCH(int, mode);
    QFETCH(bool, libraryFolder);
    QFETCH(QString, redirect);
    WizardState state;
    state.RunMode = static_cast<qint16>(mode);
    state.CreatedObjectId = 12;
    state.UploadToLibraryFolder = libraryFolder;
    state.UploadProjectId = 77;
    QCOMPARE(WebRedirect(state), redirect);
}

void TestWebLinks::redirectTravelsEncoded()
{
    WizardState state;
    state.RunMode = 1;
    state.CreatedObjectId = 12;
    QCOMPARE(BuildWebLoginUrl("jo smith@orv.example.com:8080", "p+w", WebRedirect(state), true),
             QStringLiteral("https://orv.example.com:8080/default.aspx?login=jo+smith%40orv%2Eexample%2Ecom%3A8080"
                            "&password=p%2Bw&redirect=Incidents%2FIncidentView%2Easpx%3FIncidentId%3D12%26Tab%3DGeneral"));
}

void TestWebLinks::downloadOpensTheFolder()
{
    QCOMPARE(DownloadFolder("/home/jo/Downloads/report 1.pdf"), QStringLiteral("/home/jo/Downloads"));
}

void TestWebLinks::refusals_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("textId");
    QTest::addColumn<QString>("text");
    QTest::newRow("3.0 incident") << "3.0" << 1 << 5042 << "";
    QTest::newRow("3.0 upload") << "3.0" << 6 << 0 << "";
    QTest::newRow("3.0 download") << "3.0" << 7 << 0 << "";
    QTest::newRow("3.5 list") << "3.5" << 5 << 5065 << "";
    QTest::newRow("3.5 calendar") << "3.5" << 11 << 5065 << "";
    QTest::newRow("3.5 list from Excel") << "3.5" << 12 << 5065 << "";
    QTest::newRow("3.5 project") << "3.5" << 8 << 0 << "";
    QTest::newRow("4.7 list") << "4.7" << 5 << 0 << "";
    QTest::newRow("blank around a known version") << " 4.5" << 1 << 5036 << " 4.5";
    QTest::newRow("unknown") << "5.0" << 6 << 5036 << "5.0";
}

void TestWebLinks::refusals()
{
    QFETCH(QString, version);
    QFETCH(int, mode);
    QFETCH(int, textId);
    QFETCH(QString, text);
    const auto refusal = versionRefusal(version, mode);
    QCOMPARE(refusal.has_value(), textId != 0);
    if (!refusal)
        return;
    QCOMPARE(refusal->textId, textId);
    if (textId == 5036)
        QCOMPARE(refusal->text, GetLocalizedText(5036) + text + GetLocalizedText(5037));
}

QTEST_GUILESS_MAIN(TestWebLinks)
#include "tst_weblinks.moc"

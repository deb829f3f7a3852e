// Microsoft Project on this platform: the plan model written as MS Project XML and read back, the
// application's calendar and outline rules, the time texts it reads, and the automation that saves a
// restored plan and opens it.
#include "platform/msproject/MsProjectAutomation.h"
#include "platform/msproject/PlanApplication.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kitbench;

namespace {

// A small plan made through the application's members.
PlanModel makePlan(PlanApplication& app)
{
    app.ProjectsAdd(false);
    app.setProjectMember(ProjectDispatch::Title, QString("Leeds & Co <move>"));
    app.setProjectMember(ProjectDispatch::ProjectStart, QDateTime(QDate(2025, 5, 2), QTime(8, 0)));
    app.setProjectMember(ProjectDispatch::ProjectFinish, QDateTime(QDate(2025, 6, 30), QTime(17, 0)));
    app.BaseCalendarCreate("Site", QString());
    app.setShiftTime(2, 1, 1, ShiftEdge::Start, "00:00");
    app.setShiftTime(2, 1, 1, ShiftEdge::Finish, "23:59");
    app.setWeekDayWorking(2, 1, true);
    app.ProjectSummaryInfo("Site");
    const qint32 dana = app.addResource("Dana Rahn");
    app.setResourceField(dana, ResourceField::EmailAddress, QString("dana@example.org"));
    const qint32 pack = app.addTask("Pack");
    app.setTaskField(pack, TaskField::Start, QDateTime(QDate(2025, 5, 2), QTime(0, 0)));
    app.setTaskField(pack, TaskField::Finish, QDateTime(QDate(2025, 5, 5), QTime(23, 59)));
    app.setTaskField(pack, TaskField::Duration, 4320.0);
    app.setTaskField(pack, TaskField::Calendar, QString("Site"));
    const qint32 crates = app.addTask("Crates");
    app.outlineIndent(crates);
    app.setTaskField(crates, TaskField::Milestone, true);
    app.addAssignment(crates, dana);
    app.addDependency(crates, pack, 1, 480);
    return *app.plan();
}

} // namespace

class TestPlanModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        qunsetenv("KITBENCH_MSPROJECT_SAVE_DIR");
        qunsetenv("KITBENCH_MSPROJECT_VERSION");
        qputenv("TMPDIR", m_dir.path().toLocal8Bit());
    }
    void roundTrip()
    {
        PlanApplication app("11.0", {});
        const PlanModel plan = makePlan(app);
        const QString xml = plan.toXml();
        QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"));
        for (const char* part : {"<Project xmlns=\"http://schemas.microsoft.com/project\">",
                                 "<Title>Leeds &amp; Co &lt;move&gt;</Title>",
                                 "<Duration>PT72H0M0S</Duration>", "<LinkLag>4800</LinkLag>"})
            QVERIFY2(xml.contains(QLatin1String(part)), part);

        const std::optional<PlanModel> back = PlanModel::fromXml(xml);
        QVERIFY(back);
        // Read back and written again, it is the same document: nothing was lost or misread.
        QCOMPARE(back->toXml(), xml);
    }
    void applicationRules()
    {
        PlanApplication app("11.0", {});
        // The server's own export opens in a run against a live server; anything else is refused.
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.OpenXML("<Plan/>"));
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.OpenXML("<Project>"));
        QVERIFY(!app.plan());
        // Nothing is open before the first document.
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.addTask("early"));
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.AppRestore());
        app.ProjectsAdd(false);
        QCOMPARE(app.baseCalendarCount(), 1);
        QCOMPARE(app.baseCalendarName(1), QString("Standard"));
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.BaseCalendarCreate("standard", QString()));
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.BaseCalendarCreate("Night", "Missing"));
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.ProjectSummaryInfo("Missing"));
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.baseCalendarName(2));
        // The first task cannot be indented; a task at the top cannot be outdented.
        const qint32 first = app.addTask("A");
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.outlineIndent(first));
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.outlineOutdent(first));
        const qint32 second = app.addTask("B");
        app.outlineIndent(second);
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.outlineIndent(second));
        // A new task takes the level of the one before it.
        const qint32 third = app.addTask("C");
        QCOMPARE(app.taskField(third, TaskField::OutlineLevel).toInt(), 2);
        QCOMPARE(app.taskField(third, TaskField::ConstraintType).toInt(), 0);
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.addAssignment(third, 5));
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused,
                                 app.setTaskField(third, TaskField::Start, QString("soon")));
        QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app.addDependency(third, 9, 1, 0));
        app.Quit(0);
        QVERIFY(app.hasQuit());
        QVERIFY(!app.plan());
    }
    void timeFromText()
    {
        using Row = std::tuple<bool, const char*, const char*>; // twelve-hour clock, text; read ("": refused)
        for (const auto& [twelveHour, text, expected] :
             {Row{false, "23:59", "23:59"}, Row{false, "0:0", "00:00"}, Row{true, "12:00 AM", "00:00"},
              Row{true, "12:30 PM", "12:30"}, Row{true, "11:59 pm", "23:59"}, Row{true, "0:0 AM", "00:00"},
              Row{true, "13:00 PM", ""}, Row{true, "9:00 h", ""}, Row{false, "later", ""}}) {
            MsProjectTimeFormat format;
            format.twelveHour = twelveHour;
            QString read;
            try {
                read = PlanApplication("11.0", {}, format).timeFromText(text).toString("HH:mm");
            } catch (const MsProjectRefused&) {
            }
            QCOMPARE(read, QString(expected));
        }
    }
    void majorVersion()
    {
        using Row = std::pair<const char*, double>; // the last two: blanks and a tail; no number
        for (const auto& [version, expected] :
             {Row{"11.0", 11.0}, Row{"9", 9.0}, Row{" 10.5 SP1", 10.5}, Row{"Project", 0.0}})
            QCOMPARE(msProjectMajorVersion(version), expected);
    }
    // Saved under the title (characters a file name cannot hold replaced) and opened by the desktop; an
    // unattended run names a folder to save in and nobody opens the plan.
    void saveAndOpen()
    {
        using Row = std::pair<bool, QString>; // the desktop opens the plan; folder named by the run
        for (const auto& [opens, saveDir] : {Row{true, ""}, Row{false, ""}, Row{true, "saved/plans"}}) {
            if (!saveDir.isEmpty())
                qputenv("KITBENCH_MSPROJECT_SAVE_DIR", m_dir.filePath(saveDir).toLocal8Bit());
            QStringList opened;
            MsProjectAutomation automation;
            const std::unique_ptr<MsProjectApplication> app =
                automation.createApplication([&, opens = opens](const QString& path) {
                    opened << path;
                    return opens;
                });
            QVERIFY(app);
            QCOMPARE(app->version(), QString("11.0")); // unless a run names another
            app->OpenXML("<Project><Title>Trade &lt;Fair&gt;</Title></Project>");
            if (opens)
                app->AppRestore();
            else
                QVERIFY_THROWS_EXCEPTION(MsProjectRefused, app->AppRestore());
            const QString path = QDir(m_dir.filePath(saveDir.isEmpty() ? "kitbench-plans" : saveDir))
                                     .filePath("Trade _Fair_.xml");
            QVERIFY2(QFile::remove(path), qPrintable(path)); // saved there; gone for the next row
            QCOMPARE(opened, saveDir.isEmpty() ? QStringList{path} : QStringList{});
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestPlanModel)
#include "tst_plan_model.moc"

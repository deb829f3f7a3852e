// The MS Project jobs in-process against a live server: the plan file choice, the checks and the
// question of the select option page, the user chooser of the resource assignments page and what it
// sends back, and the export into a recording Microsoft Project.
#include "DevServer.h"
#include "TempSettings.h"

#include "items/ProjectPage.h"
#include "people/DlgOrvUsers.h"
#include "platform/Message.h"
#include "platform/msproject/RecordingMsProject.h"
#include "app/ServerJobs.h"
#include "shell/CommandLine.h"
#include "shell/Controls.h"
#include "shell/PageGraph.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QJsonArray>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace kitbench;

class TestMsProjectGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void chooseFile();
    void optionPageChecks_data();
    void optionPageChecks();
    void newProjectWithUnreadablePlan();
    void chooseUsers();
    void exportIntoMsProject_data();
    void exportIntoMsProject();

private:
    bool start(const QString& commandLine, const QStringList& serverArguments = {"--seed", "demo"});
    void next() { m_wizard->cmdNav_Click(3); }
    int page() const { return m_wizard->state().CurrentStep; }
    template <typename W> W* control(const QString& name) const { return m_wizard->findChild<W*>(name); }
    void selectTarget(const QString& text);
    // Double-clicks a cell of the assignments list; `answer` handles the chooser if it comes up.
    void doubleClick(int row, int column, const std::function<void(DlgOrvUsers*)>& answer);

    QTemporaryDir m_files;
    QString m_plan;
    std::unique_ptr<DevServer> m_server;
    std::unique_ptr<TempSettings> m_temp;
    std::unique_ptr<frmWizard> m_wizard;
    QList<int> m_shown;
    QMap<int, MessageAnswer> m_answers;
};

void TestMsProjectGui::initTestCase()
{
    m_plan = m_files.filePath("plan.xml");
    QFile file(m_plan);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Project><Title>Kiosk</Title><StartDate>2026-04-01T12:00:00</StartDate>"
               "<FinishDate>2026-05-15T12:00:00</FinishDate><Resources>"
               "<Resource><UID>1</UID><Name>Peter Marsh</Name></Resource>"
               "<Resource><UID>2</UID><Name>Temp Crew</Name></Resource>"
               "<Resource><UID>3</UID><Name>Ursula Brandt</Name></Resource></Resources></Project>");
}

void TestMsProjectGui::init()
{
    m_temp = std::make_unique<TempSettings>();
    ForgetLanguagePack();
    m_shown.clear();
    m_answers.clear();
}

void TestMsProjectGui::cleanup()
{
    m_wizard.reset();
    m_server.reset();
    MessageService::instance().setPresenter({});
    MessageService::instance().setFilePresenter({});
    MessageService::instance().clearHistory();
    MsProjectAutomation::setInstance(nullptr);
    m_temp.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

bool TestMsProjectGui::start(const QString& commandLine, const QStringList& serverArguments)
{
    m_server = std::make_unique<DevServer>(serverArguments);
    if (m_server->address().isEmpty())
        return false;
    m_wizard = std::make_unique<frmWizard>();
    m_wizard->setJobHooks(std::make_unique<ServerJobs>(*m_wizard));
    m_wizard->Form_Load(parseCommandLine(commandLine + " /L admin@" + m_server->address() + " /P admin"));
    MessageService::instance().setPresenter([this](const Message& message) {
        m_shown.append(message.textId);
        return m_answers.value(message.textId, MessageAnswer::Ok);
    });
    m_wizard->show();
    m_wizard->ShowStep(1, NavNext);
    next();
    return true;
}

void TestMsProjectGui::selectTarget(const QString& text)
{
    auto* combo = control<QComboBox>("SelectProjectCombo");
    const int index = combo->findText(text);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void TestMsProjectGui::doubleClick(int row, int column, const std::function<void(DlgOrvUsers*)>& answer)
{
    auto* list = control<QTreeWidget>("ListViewAssignments");
    auto answered = std::make_shared<bool>(false);
    QTimer::singleShot(0, this, [this, answer, answered] {
        auto* chooser = m_wizard->findChild<DlgOrvUsers*>();
        if (chooser && chooser->isVisible()) {
            *answered = true;
            answer(chooser);
        }
    });
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->setCurrentItem(item, column);
    emit list->itemDoubleClicked(item, column);
    // When nothing came up, the answer must not wait for the next chooser.
    if (!*answered)
        QCoreApplication::processEvents();
}

void TestMsProjectGui::chooseFile()
{
    QVERIFY(start("/importproject \"\""));
    QCOMPARE(page(), 11);
    auto* path = control<QLineEdit>("txtFilePath");
    QVERIFY(path->isVisible());
    QList<FileQuestion> asked;
    std::optional<QString> choice = m_plan;
    MessageService::instance().setFilePresenter([&](const Message& title, const FileQuestion& question) {
        asked.append(question);
        Q_UNUSED(title);
        return choice;
    });
    control<QPushButton>("cmdBrowse")->click();
    QCOMPARE(path->text(), m_plan);
    QCOMPARE(asked.size(), 1);
    QVERIFY(!asked.first().save);
    QCOMPARE(asked.first().filter, QString("XML Files (*.xml)"));
    // A cancelled dialog keeps the path.
    choice.reset();
    control<QPushButton>("cmdBrowse")->click();
    QCOMPARE(path->text(), m_plan);
}

void TestMsProjectGui::optionPageChecks_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("file"); // "" none; "missing" a path that does not exist
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("syncAnswer"); // the answer to the question, as MessageAnswer
    QTest::addColumn<QList<int>>("messages");
    QTest::addColumn<int>("page");
    QTest::newRow("no file") << "4.7"
                             << ""
                             << "ERP Migration" << int(MessageAnswer::Ok) << QList<int>{2625} << 11;
    QTest::newRow("question cancelled")
        << "4.7"
        << "plan"
        << "ERP Migration" << int(MessageAnswer::Cancel) << QList<int>{2646} << 11;
    QTest::newRow("question answered") << "4.7"
                                       << "plan"
                                       << "ERP Migration" << int(MessageAnswer::Ok) << QList<int>{2646} << 12;
    QTest::newRow("no question without the synchronization box")
        << "4.5"
        << "plan"
        << "ERP Migration" << int(MessageAnswer::Cancel) << QList<int>{} << 12;
    QTest::newRow("no question for a synchronized project")
        << "4.7"
        << "plan"
        << "Warehouse Automation (*)" << int(MessageAnswer::Cancel) << QList<int>{} << 12;
    QTest::newRow("unreadable file for an existing project")
        << "4.7"
        << "missing"
        << "ERP Migration" << int(MessageAnswer::Ok) << QList<int>{2646, 2626} << 11;
}

void TestMsProjectGui::optionPageChecks()
{
    QFETCH(QString, version);
    QFETCH(QString, file);
    QFETCH(QString, target);
    QFETCH(int, syncAnswer);
    QFETCH(QList<int>, messages);
    QFETCH(int, page);
    QVERIFY(start("/importproject \"\"", {"--seed", "demo", "--server-version", version}));
    QCOMPARE(this->page(), 11);
    m_answers.insert(2646, MessageAnswer(syncAnswer));
    control<QLineEdit>("txtFilePath")
        ->setText(file == "plan"   ? m_plan
                  : file.isEmpty() ? ""
                                   : m_files.filePath("gone.xml"));
    selectTarget(target);
    next();
    QCOMPARE(m_shown, messages);
    QCOMPARE(this->page(), page);
    QCOMPARE(m_server->calls("ImportMsProjectStep1").size(), page == 12 ? 1 : 0);
    // The page is usable again whatever happened.
    QVERIFY(m_wizard->cmdNav[3]->isEnabled());
    QVERIFY(!m_wizard->state().IsBusy);
}

void TestMsProjectGui::newProjectWithUnreadablePlan()
{
    QVERIFY(start("/importproject " + m_files.filePath("gone.xml")));
    auto* startDay = m_wizard->findChild<QDateTimeEdit*>("ProjectStartDateDayDTPicker");
    next();
    // Told, but on to the project pages all the same, with the dates the page starts with.
    QCOMPARE(m_shown, QList<int>{2626});
    QCOMPARE(page(), 8);
    QVERIFY(m_wizard->state().ImportNewProject);
    QCOMPARE(startDay->date(), QDate::currentDate());
    QCOMPARE(m_server->calls("LoadDictionaries").size(), 1);
}

void TestMsProjectGui::chooseUsers()
{
    QVERIFY(start("/importproject " + m_plan, {"--seed", "demo", "--server-version", "4.5"}));
    selectTarget("ERP Migration");
    next();
    QCOMPARE(page(), 12);
    auto* list = control<QTreeWidget>("ListViewAssignments");
    QCOMPARE(list->headerItem()->text(0), GetLocalizedText(2628));
    QCOMPARE(list->headerItem()->text(1), GetLocalizedText(2629));
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows << list->topLevelItem(i)->text(0) + "|" + list->topLevelItem(i)->text(1) + "|" +
                    list->topLevelItem(i)->data(1, ItemKeyRole).toString();
    QCOMPARE(rows, (QStringList{"Peter Marsh|Peter Marsh|a2", "Temp Crew|" + GetLocalizedText(2627) + "|a-1",
                                "Ursula Brandt|Ursula Brandt|a3"}));

    // The resource column opens nothing.
    bool opened = false;
    doubleClick(0, 0, [&](DlgOrvUsers* chooser) {
        opened = true;
        chooser->CancelButton->click();
    });
    QVERIFY(!opened);
    QVERIFY(!m_wizard->findChild<DlgOrvUsers*>());

    // The user column: Temp Crew becomes Jonathan Cole.
    QStringList offered;
    QString caption;
    doubleClick(1, 1, [&](DlgOrvUsers* chooser) {
        caption = chooser->windowTitle();
        for (int i = 0; i < chooser->UsersCombo->count(); ++i)
            offered << chooser->UsersCombo->itemText(i) + "=" + chooser->UsersCombo->itemData(i).toString();
        QCOMPARE(chooser->UsersCombo->currentIndex(), 0);
        chooser->UsersCombo->setCurrentIndex(chooser->UsersCombo->findText("Jonathan Cole"));
        chooser->OKButton->click();
    });
    QCOMPARE(caption, GetLocalizedText(2630));
    QCOMPARE(offered.value(0), GetLocalizedText(2627) + "=-1");
    QVERIFY(offered.contains("Jonathan Cole=4"));
    QCOMPARE(list->topLevelItem(1)->text(1), QString("Jonathan Cole"));
    // Peter Marsh: the first entry means nobody.
    doubleClick(0, 1, [](DlgOrvUsers* chooser) { chooser->OKButton->click(); });
    QCOMPARE(list->topLevelItem(0)->text(1), GetLocalizedText(2627));
    // Cancel changes nothing.
    doubleClick(2, 1, [](DlgOrvUsers* chooser) {
        chooser->UsersCombo->setCurrentIndex(3);
        chooser->CancelButton->click();
    });
    QCOMPARE(list->topLevelItem(2)->text(1), QString("Ursula Brandt"));
    QVERIFY(m_wizard->findChild<DlgOrvUsers*>()); // kept for the next choice

    next();
    QCOMPARE(page(), kFinalPage);
    const QJsonArray two = m_server->calls("ImportMsProjectStep2").first().value("args").toArray();
    QCOMPARE(two[0].toInt(), 2);
    QVERIFY2(
        two[1].toString().endsWith("<ImportAssignments>"
                                   "<Assignment><ResourceId>1</ResourceId><UserId>-1</UserId></Assignment>"
                                   "<Assignment><ResourceId>2</ResourceId><UserId>4</UserId></Assignment>"
                                   "<Assignment><ResourceId>3</ResourceId><UserId>3</UserId></Assignment>"
                                   "</ImportAssignments></ImportConfig>"),
        qPrintable(two[1].toString()));
    // The final page unloads the chooser.
    QVERIFY(!m_wizard->findChild<DlgOrvUsers*>());
}

void TestMsProjectGui::exportIntoMsProject_data()
{
    QTest::addColumn<QString>("release");
    QTest::addColumn<bool>("available");
    QTest::addColumn<QStringList>("firstCalls");
    QTest::newRow("release 11") << "11.0" << true << QStringList{"version", "OpenXML", "AppRestore"};
    QTest::newRow("release 9") << "9.0" << true
                               << QStringList{"version", "ProjectsAdd(False)", "Calculation=0"};
    QTest::newRow("not installed") << "11.0" << false << QStringList{};
}

void TestMsProjectGui::exportIntoMsProject()
{
    QFETCH(QString, release);
    QFETCH(bool, available);
    QFETCH(QStringList, firstCalls);
    auto automation = std::make_unique<RecordingMsProjectAutomation>();
    automation->version = release;
    automation->available = available;
    const std::shared_ptr<MsProjectCallLog> log = automation->log;
    MsProjectAutomation::setInstance(std::move(automation));

    QVERIFY(start("/exportproject"));
    QCOMPARE(page(), 10);
    auto* list = control<QListWidget>("ListProjects");
    list->setCurrentRow(list->row(list->findItems("Website Relaunch", Qt::MatchExactly).first()));
    next();
    QCOMPARE(page(), kFinalPage);
    QCOMPARE(m_server->calls("ExportOrvProject").first().value("args").toArray(), QJsonArray{1});
    QCOMPARE(m_wizard->state().ExportedProjectName, QString("Website Relaunch"));
    QCOMPARE(m_shown, available ? QList<int>{} : QList<int>{5055});
    QCOMPARE(log->calls.mid(0, firstCalls.size()), firstCalls);
    if (!available)
        return;
    QCOMPARE(log->calls.last(), QString("AppRestore"));
    QCOMPARE(log->restoredPlans.size(), 1);
    QVERIFY(log->restoredPlans.first().contains("<Title>Website Relaunch</Title>"));
}

QTEST_MAIN(TestMsProjectGui)
#include "tst_msproject_gui.moc"

// The item jobs in-process against a live server: the team page's rows reach the create call as the
// participant list (must-confirm users negated), the final page's web link opens the new object, and
// the page checks keep the user on the page with the input as typed.
#include "DevServer.h"
#include "TempSettings.h"
#include "UrlRecorder.h"

#include "directory/ProjectList.h"
#include "platform/DesktopShell.h"
#include "platform/Message.h"
#include "app/ServerJobs.h"
#include "shell/CommandLine.h"
#include "shell/Controls.h"
#include "shell/PageGraph.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QComboBox>
#include <QEventLoop>
#include <QJsonArray>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

using namespace kitbench;

namespace {

struct Fetched
{
    int status = 0;
    QString body;
};

// Follows the sign-in redirect with the session cookie, as a browser does.
Fetched fetch(const QUrl& url)
{
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    Fetched result{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                   QString::fromUtf8(reply->readAll())};
    reply->deleteLater();
    return result;
}

} // namespace

class TestItemsGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void participantsAndWebLink_data();
    void participantsAndWebLink();
    void checksKeepInput_data();
    void checksKeepInput();
    void editButtonsFollowTheUser_data();
    void editButtonsFollowTheUser();

private:
    void start(const QString& job, const QString& user = "admin", const QString& password = "admin");
    template <typename W> W* control(const QString& name) const { return m_wizard->findChild<W*>(name); }

    std::unique_ptr<DevServer> m_server;
    std::unique_ptr<TempSettings> m_temp;
    std::unique_ptr<frmWizard> m_wizard;
    QList<QUrl> m_urls;
    QList<int> m_shown;
};

void TestItemsGui::initTestCase()
{
    m_server = std::make_unique<DevServer>(QStringList{"--seed", "demo", "--server-version", "4.7"});
    QVERIFY2(!m_server->address().isEmpty(), qPrintable(m_server->errorOutput()));
}

void TestItemsGui::init()
{
    m_temp = std::make_unique<TempSettings>();
    ForgetLanguagePack();
    MessageService::instance().clearHistory();
    m_shown.clear();
    m_urls.clear();
}

void TestItemsGui::cleanup()
{
    m_wizard.reset();
    MessageService::instance().setPresenter({});
    MessageService::instance().clearHistory();
    m_temp.reset();
}

void TestItemsGui::start(const QString& job, const QString& user, const QString& password)
{
    m_wizard = std::make_unique<frmWizard>();
    m_wizard->setJobHooks(std::make_unique<ServerJobs>(*m_wizard));
    m_wizard->setDesktopShell(std::make_unique<UrlRecorder>(m_urls));
    m_wizard->Form_Load(
        parseCommandLine(job + " /L " + user + "@" + m_server->address() + " /P " + password));
    // The time-zone question (when this machine's zone is not UTC) keeps the profile's zone.
    MessageService::instance().setPresenter([this](const Message& message) {
        m_shown.append(message.textId);
        return message.textId == 5061 ? MessageAnswer::Yes : MessageAnswer::Ok;
    });
    m_wizard->ShowStep(1, NavNext);
    m_wizard->cmdNav_Click(3);
}

void TestItemsGui::participantsAndWebLink_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("titleControl");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("view");
    QTest::newRow("incident") << "/createincident" << 2 << "IncidentTitleText"
                              << "CreateIncident45"
                              << "Incidents/IncidentView.aspx?IncidentId=";
    QTest::newRow("task") << "/createtask" << 3 << "TaskTitleText"
                          << "CreateTask"
                          << "Tasks/TaskView.aspx?TaskID=";
    QTest::newRow("event") << "/createevent" << 4 << "EventTitleText"
                           << "CreateEvent45"
                           << "Events/EventView.aspx?EventID=";
    QTest::newRow("to-do") << "/createtodo" << 5 << "ToDoTitleText"
                           << "CreateToDo45"
                           << "ToDo/ToDoView.aspx?ToDoID=";
}

void TestItemsGui::participantsAndWebLink()
{
    QFETCH(QString, job);
    QFETCH(int, page);
    QFETCH(QString, titleControl);
    QFETCH(QString, method);
    QFETCH(QString, view);
    start(job);
    QCOMPARE(int(m_wizard->state().CurrentStep), page);
    const QString title = "  Quarterly review " + QString::number(page) + "  ";
    control<QLineEdit>(titleControl)->setText(title);
    m_wizard->cmdNav_Click(3);

    QList<qint32> expected;
    if (page != 2) { // the team page: one plain participant and one who must confirm
        QCOMPARE(int(m_wizard->state().CurrentStep), 18);
        const auto projects = ProjectList::parse(m_wizard->state().ItemProjectsXml);
        QVERIFY(projects && projects->managers().size() >= 3);
        const qint32 plain = projects->managers().at(1).userId;
        const qint32 confirming = projects->managers().at(2).userId;
        auto* added = control<QTreeWidget>("AddedResourcesListView");
        added->clear();
        for (const auto& [id, icon] :
             {std::pair{plain, "<user>"}, std::pair{confirming, "<user_must_be_confirmed>"}}) {
            auto* row = new QTreeWidgetItem(added, QStringList{QString::number(id)});
            row->setData(0, ItemKeyRole, "U" + QString::number(id));
            row->setData(0, ItemIconKeyRole, QString::fromLatin1(icon));
        }
        expected = {plain, -confirming};
        m_wizard->cmdNav_Click(3);
    }
    QCOMPARE(int(m_wizard->state().CurrentStep), 20);
    m_wizard->cmdNav_Click(3);
    QCOMPARE(int(m_wizard->state().CurrentStep), 21);

    const QJsonObject call = m_server->calls(method).last();
    QCOMPARE(call.value("status").toString(), QString("OK"));
    const QJsonArray args = call.value("args").toArray();
    QCOMPARE(args.first().toString(), title);
    if (page != 2) {
        QJsonArray participants;
        for (qint32 id : expected)
            participants.append(id);
        QCOMPARE(args.last().toArray(), participants);
    }
    const qint32 created = m_wizard->state().CreatedObjectId;
    QVERIFY(created > 0);

    // Finish with "close and open": the web link signs in and shows the new object.
    control<QRadioButton>("CloseAndRunOption")->setChecked(true);
    m_wizard->cmdNav_Click(4);
    QCOMPARE(m_urls.size(), 1);
    const QUrl link = m_urls.first();
    QVERIFY2(QUrl::fromPercentEncoding(link.toEncoded()).contains(view + QString::number(created)),
             qPrintable(link.toString()));
    const Fetched page21 = fetch(link);
    QCOMPARE(page21.status, 200);
    QVERIFY2(page21.body.contains(title.trimmed()), qPrintable(page21.body));
}

void TestItemsGui::checksKeepInput_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("titleControl");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("unselect");
    QTest::addColumn<QList<int>>("messages");
    QTest::newRow("task without project") << "/createtask" << 3 << "TaskTitleText"
                                          << "Budget"
                                          << "TaskProjectCombo" << QList<int>{5045};
    QTest::newRow("event without organizer") << "/createevent" << 4 << "EventTitleText"
                                             << "Offsite"
                                             << "EventManagerCombo" << QList<int>{5047};
    QTest::newRow("to-do without title and manager") << "/createtodo" << 5 << "ToDoTitleText"
                                                     << "   "
                                                     << "ToDoManagerCombo" << QList<int>{5006, 5047};
    QTest::newRow("project without title") << "/createproject" << 8 << "ProjectTitleText"
                                           << " "
                                           << "" << QList<int>{5006};
    QTest::newRow("project without manager") << "/createproject" << 8 << "ProjectTitleText"
                                             << "Move"
                                             << "ProjectManagerCombo" << QList<int>{5047};
}

void TestItemsGui::checksKeepInput()
{
    QFETCH(QString, job);
    QFETCH(int, page);
    QFETCH(QString, titleControl);
    QFETCH(QString, title);
    QFETCH(QString, unselect);
    QFETCH(QList<int>, messages);
    start(job);
    QCOMPARE(int(m_wizard->state().CurrentStep), page);
    control<QLineEdit>(titleControl)->setText(title);
    if (!unselect.isEmpty())
        control<QComboBox>(unselect)->setCurrentIndex(-1);
    m_shown.clear();
    m_wizard->cmdNav_Click(3);
    QCOMPARE(m_shown, messages);
    QCOMPARE(int(m_wizard->state().CurrentStep), page);
    QCOMPARE(control<QLineEdit>(titleControl)->text(), title);
    if (!unselect.isEmpty())
        QCOMPARE(control<QComboBox>(unselect)->currentIndex(), -1);
}

void TestItemsGui::editButtonsFollowTheUser_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("canEdit");
    const QStringList incident{"CommandIssueCategory"};
    const QStringList project{"CommandAddClient", "CommandAddProjectCategory"};
    QTest::newRow("incident, administrator") << "/createincident"
                                             << "admin"
                                             << "admin" << incident << true;
    QTest::newRow("incident, help desk manager") << "/createincident"
                                                 << "mhale"
                                                 << "demo" << incident << true;
    QTest::newRow("incident, plain user") << "/createincident"
                                          << "user"
                                          << "user" << incident << false;
    QTest::newRow("project, project manager") << "/createproject"
                                              << "pm"
                                              << "pm" << project << true;
    QTest::newRow("project, help desk manager") << "/createproject"
                                                << "mhale"
                                                << "demo" << project << false;
    QTest::newRow("project, plain user") << "/createproject"
                                         << "user"
                                         << "user" << project << false;
}

void TestItemsGui::editButtonsFollowTheUser()
{
    QFETCH(QString, job);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QStringList, buttons);
    QFETCH(bool, canEdit);
    start(job, user, password);
    QVERIFY(m_wizard->state().CurrentStep > 1);
    QCOMPARE(m_wizard->state().CanEditCategories, canEdit);
    for (const QString& name : buttons)
        QVERIFY2(control<QWidget>(name)->isHidden() != canEdit, qPrintable(name));
}

QTEST_MAIN(TestItemsGui)
#include "tst_items_gui.moc"

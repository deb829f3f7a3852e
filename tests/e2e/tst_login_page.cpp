// The connection page against a live development server: failures show one message each and leave
// the page unlocked; a slow call can be cancelled.
#include "DevServer.h"
#include "TempSettings.h"

#include "platform/Message.h"
#include "platform/SettingsStore.h"
#include "session/LoginPage.h"
#include "app/ServerJobs.h"
#include "shell/CommandLine.h"
#include "shell/PageGraph.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace kitbench;

class TestLoginPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void wrongPasswordKeepsThePageUsable();
    void failures_data();
    void failures();
    void cancelDuringASlowCall_data();
    void cancelDuringASlowCall();

private:
    void start(const QString& address, const QString& password = QStringLiteral("admin"));
    void expectUnlockedOnPage1();
    QPushButton* nav(int index) const { return m_wizard->cmdNav[static_cast<std::size_t>(index)]; }

    std::unique_ptr<TempSettings> m_temp;
    std::unique_ptr<frmWizard> m_wizard;
    QList<Message> m_shown;
};

void TestLoginPage::init()
{
    m_temp = std::make_unique<TempSettings>();
    ForgetLanguagePack();
    MessageService::instance().clearHistory();
    m_shown.clear();
}

void TestLoginPage::cleanup()
{
    m_wizard.reset();
    MessageService::instance().setPresenter({});
    MessageService::instance().clearHistory();
    m_temp.reset();
}

void TestLoginPage::start(const QString& address, const QString& password)
{
    m_wizard = std::make_unique<frmWizard>();
    m_wizard->setJobHooks(std::make_unique<ServerJobs>(*m_wizard));
    m_wizard->Form_Load(parseCommandLine("/createincident /L admin@" + address + " /P " + password));
    MessageService::instance().setPresenter([this](const Message& message) {
        m_shown.append(message);
        return MessageAnswer::Ok;
    });
    m_wizard->ShowStep(1, NavNext);
}

void TestLoginPage::expectUnlockedOnPage1()
{
    auto* login = m_wizard->loginPage();
    QCOMPARE(m_wizard->state().CurrentStep, qint16(1));
    QVERIFY(!m_wizard->state().IsBusy);
    QVERIFY(login->TextLogin->isEnabled() && login->TextPassword->isEnabled());
    QVERIFY(nav(3)->isEnabled() && nav(2)->isEnabled());
    QVERIFY(login->CheckProxy->isEnabled());
    // The proxy controls are in the state their settings call for.
    const bool proxy = login->CheckProxy->isChecked();
    QCOMPARE(login->OptionFromBrowser->isEnabled(), proxy);
    QCOMPARE(login->TextPrServer->isEnabled(), proxy && login->OptionProxy->isChecked());
}

void TestLoginPage::wrongPasswordKeepsThePageUsable()
{
    DevServer server({"--seed", "demo"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    SettingsStore().write(QStringLiteral("UseProxy"), QStringLiteral("True")); // from the browser: no proxy here
    start(server.address(), QStringLiteral("wrong"));
    QVERIFY(m_wizard->loginPage()->CheckProxy->isChecked());
    nav(3)->click();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].textId, 5009);
    QVERIFY(m_shown[0].text.startsWith(GetLocalizedText(5009)));
    QVERIFY2(m_shown[0].text.size() > GetLocalizedText(5009).size(), "the server's own text follows");
    expectUnlockedOnPage1();
    QVERIFY(m_wizard->loginPage()->OptionFromBrowser->isEnabled());
}

void TestLoginPage::failures_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("textId");
    QTest::addColumn<QString>("textHas");
    QTest::newRow("SOAP fault") << "GetServerVersion=soap-fault" << 5005 << "";
    QTest::newRow("HTTP 500 without a body") << "GetServerVersion=http-500" << 0 << "";
    QTest::newRow("dropped connection") << "GetServerVersion=disconnect" << 0 << "";
    QTest::newRow("malformed answer") << "GetServerVersion=bad-xml" << 5005 << "";
    QTest::newRow("header other than OK") << "GetServerVersion=status:Licence expired" << 5009 << "Licence expired";
    QTest::newRow("server not running") << "" << 0 << "";
}

void TestLoginPage::failures()
{
    QFETCH(QString, fault);
    QFETCH(int, textId);
    QFETCH(QString, textHas);
    std::unique_ptr<DevServer> server;
    QString address = QStringLiteral("127.0.0.1:9"); // nothing listens on the discard port here
    if (!fault.isEmpty()) {
        server = std::make_unique<DevServer>(QStringList{"--seed", "demo", "--fault", fault});
        QVERIFY2(!server->address().isEmpty(), qPrintable(server->errorOutput()));
        address = server->address();
    }
    start(address);
    nav(3)->click();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].textId, textId);
    QVERIFY(!m_shown[0].text.trimmed().isEmpty());
    if (textId)
        QVERIFY(m_shown[0].text.startsWith(GetLocalizedText(textId)));
    QVERIFY2(m_shown[0].text.contains(textHas), qPrintable(m_shown[0].text));
    expectUnlockedOnPage1();
}

void TestLoginPage::cancelDuringASlowCall_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("Yes cancels") << true;
    QTest::newRow("No lets it run") << false;
}

void TestLoginPage::cancelDuringASlowCall()
{
    QFETCH(bool, confirm);
    DevServer server({"--seed", "demo", "--delay-ms", "1500"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    start(server.address());
    bool lockedWhileWaiting = false;
    QTimer::singleShot(400, this, [&] {
        lockedWhileWaiting = m_wizard->state().IsBusy && !nav(3)->isEnabled() && nav(1)->isEnabled();
        MessageService::instance().pushAnswer(confirm ? MessageAnswer::Yes : MessageAnswer::No);
        nav(1)->click();
    });
    nav(3)->click();
    QVERIFY(lockedWhileWaiting);
    const QList<Message> history = MessageService::instance().history();
    QVERIFY(!history.isEmpty());
    QCOMPARE(history.first().textId, 3006);
    if (confirm) {
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown[0].textId, 5035);
        QCOMPARE(m_shown[0].text, GetLocalizedText(5035));
        expectUnlockedOnPage1();
    } else {
        QVERIFY(m_shown.isEmpty());
        QCOMPARE(m_wizard->state().CurrentStep, qint16(2));
    }
}

QTEST_MAIN(TestLoginPage)
#include "tst_login_page.moc"

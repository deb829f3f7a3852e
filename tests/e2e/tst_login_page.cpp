// The connection page against a live development server: Enter in the password box connects; a
// failure shows one message and leaves the page unlocked; a slow call can be cancelled.
#include "WizardFixture.h"

#include "platform/SettingsStore.h"
#include "session/LoginPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace kitbench;

class TestLoginPage : public QObject
{
    Q_OBJECT
    WizardFixture f;
    void expectUnlockedOnPage1()
    {
        f.expectUnlocked(1);
        LoginPage* login = f.wizard->loginPage();
        QVERIFY(login->TextLogin->isEnabled() && login->TextPassword->isEnabled());
        // The proxy settings ask for the browser's proxy: the choice is offered, the server box is not.
        QVERIFY(login->CheckProxy->isEnabled() && login->CheckProxy->isChecked() &&
                login->OptionFromBrowser->isEnabled() && !login->TextPrServer->isEnabled());
    }

private Q_SLOTS:
    void init() { f.init(); }
    void cleanup() { f.cleanup(); }
    void enterInThePasswordBoxConnects()
    {
        QVERIFY(f.serve());
        f.load("/createincident /L admin@" + f.server->address() + " /P admin");
        f.wizard->show();
        QVERIFY(QTest::qWaitForWindowActive(f.wizard.get()));
        f.wizard->ShowStep(1, NavNext);
        // Enter in the login box moves on to the password; there it connects as Next does.
        f.wizard->loginPage()->TextLogin->setFocus();
        QTest::keyClick(f.wizard->loginPage()->TextLogin, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.wizard->loginPage()->TextPassword);
        QCOMPARE(f.server->calls("GetServerVersion").size(), 0);
        QTest::keyClick(f.wizard->loginPage()->TextPassword, Qt::Key_Return);
        QVERIFY(f.waitForStep(2) && f.shown.isEmpty());
        QCOMPARE(f.server->calls("GetServerVersion").size(), 1);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("IncidentTitleText"));
    }
    void failures_data()
    {
        QTest::addColumn<QString>("fault"); // "" for a wrong password, "-" for no server at all
        QTest::addColumn<int>("textId");
        QTest::newRow("wrong password") << "" << 5009;
        QTest::newRow("SOAP fault") << "GetServerVersion=soap-fault" << 5005;
        QTest::newRow("HTTP 500 without a body") << "GetServerVersion=http-500" << 0;
        QTest::newRow("dropped connection") << "GetServerVersion=disconnect" << 0;
        QTest::newRow("header other than OK") << "GetServerVersion=status:Licence expired" << 5009;
        QTest::newRow("server not running") << "-" << 0;
    }
    void failures()
    {
        QFETCH(QString, fault);
        QFETCH(int, textId);
        if (fault != "-")
            QVERIFY(f.serve({}, fault.isEmpty() ? QStringList{} : QStringList{"--fault", fault}));
        if (fault.isEmpty())
            f.password = "wrong";
        SettingsStore().write(QStringLiteral("UseProxy"), QStringLiteral("True")); // the browser's: none here
        f.start("/createincident");
        f.expectMessage(textId, fault.section("status:", 1));
        if (fault.isEmpty())
            QVERIFY2(f.firstShown().size() > GetLocalizedText(5009).size(), "the server's own text follows");
        expectUnlockedOnPage1();
    }
    void cancelDuringASlowCall_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("Yes cancels") << true;
        QTest::newRow("No lets it run") << false;
    }
    void cancelDuringASlowCall()
    {
        QFETCH(bool, confirm);
        QVERIFY(f.serve({}, {"--delay-ms", "300"}));
        SettingsStore().write(QStringLiteral("UseProxy"), QStringLiteral("True"));
        f.answers[3006] = confirm ? MessageAnswer::Yes : MessageAnswer::No;
        bool lockedWhileWaiting = false;
        // Cancel once the call is under way (the page locks when it starts).
        QObject::connect(&f.load("/createincident /L admin@" + f.server->address() + " /P admin"),
                         &frmWizard::busyChanged, this, [&](bool busy) {
                             if (!busy || lockedWhileWaiting)
                                 return;
                             lockedWhileWaiting = !f.nav(3)->isEnabled() && f.nav(1)->isEnabled();
                             QTimer::singleShot(0, this, [&] { f.nav(1)->click(); });
                         });
        f.wizard->ShowStep(1, NavNext);
        f.next();
        QVERIFY(lockedWhileWaiting);
        QCOMPARE(f.shownIds(), (confirm ? QList<int>{3006, 5035} : QList<int>{3006}));
        if (confirm)
            expectUnlockedOnPage1();
        else
            QCOMPARE(f.step(), 2);
    }
};

QTEST_MAIN(TestLoginPage)
#include "tst_login_page.moc"

// The wizard window driven offscreen through its controls, with job hooks that do no server work.
#include "WizardFixture.h"

#include "files/DocumentsPage.h"
#include "platform/SettingsStore.h"
#include "session/LoginPage.h"
#include "shell/FinalPage.h"
#include "shell/IntroductionPage.h"
#include "shell/JobHooks.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTreeWidget>

using namespace kitbench;

namespace {

struct Calls
{
    int webViews = 0, opened = 0, chooser = 0;
    bool cancelledTransfer = false, transferRunning = false;
};

class RecordingHooks : public JobHooks
{
public:
    explicit RecordingHooks(Calls& calls) : m_calls(calls) {}
    void openResultWebView() override { ++m_calls.webViews; }
    bool cancelTransfers() override
    {
        m_calls.cancelledTransfer = m_calls.transferRunning;
        return m_calls.transferRunning;
    }

private:
    Calls& m_calls;
};

class RecordingShell : public DesktopShell
{
public:
    RecordingShell(Calls& calls, OpenResult result) : m_calls(calls), m_result(result) {}
    bool openUrl(const QUrl&) override { return true; }
    OpenResult openDocument(const QString&) override
    {
        ++m_calls.opened;
        return m_result;
    }
    bool chooseProgramAndOpen(const QString&, QWidget*) override
    {
        ++m_calls.chooser;
        return true;
    }

private:
    Calls& m_calls;
    OpenResult m_result;
};

} // namespace

class TestWizard : public QObject
{
    Q_OBJECT
    WizardFixture f;
    Calls m_calls;
    frmWizard* start(const QString& commandLine,
                     DesktopShell::OpenResult open = DesktopShell::OpenResult::Opened)
    {
        f.load(commandLine, [this](frmWizard&) { return std::make_unique<RecordingHooks>(m_calls); });
        f.wizard->setDesktopShell(std::make_unique<RecordingShell>(m_calls, open));
        return f.wizard.get();
    }

private Q_SLOTS:
    void init()
    {
        f.init();
        m_calls = Calls{};
    }
    void cleanup()
    {
        QVERIFY2(f.shown.isEmpty(), qPrintable(f.firstShown()));
        f.cleanup();
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows)
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + " was left open"));
    }
    void introductionOffersTheJobs()
    {
        // (A job picked by a click goes through: tst_job_paths.) A double click moves on at once.
        start(QString());
        auto* intro = static_cast<IntroductionPage*>(f.wizard->page(0));
        QVERIFY(intro->chkShowIntro->isHidden());
        QCOMPARE(intro->lblWelcome->text(), GetLocalizedText(1011));
        QVERIFY(!f.nav(3)->isEnabled() && !f.nav(2)->isEnabled());
        QTreeWidgetItem* upload = intro->actionListView->topLevelItem(5);
        upload->setSelected(true);
        Q_EMIT intro->actionListView->itemDoubleClicked(upload, 0);
        QCOMPARE(std::pair(f.step(), int(f.wizard->state().RunMode)), std::pair(1, 6));
    }
    void buttonStatesOnEveryPage()
    {
        start(QStringLiteral("/createtask"));
        for (int step = 0; step < kPageCount; ++step) {
            f.wizard->ShowStep(step, NavInitial);
            const bool final = step == kFinalPage;
            const QList<bool> enabled{f.nav(1)->isEnabled(), f.nav(2)->isEnabled(), f.nav(3)->isEnabled(),
                                      f.nav(4)->isEnabled(), f.wizard->page(step)->isEnabled()};
            QCOMPARE(enabled, (QList<bool>{!final, step != 0 && !final, !final, final, true}));
            QCOMPARE(f.nav(3)->text(), GetLocalizedText(step == 20 ? 105 : 103));
        }
        // A locked page shows the progress bar and keeps Cancel; unlocking hides it and frees Back and Next.
        f.wizard->ShowStep(3, NavNext);
        f.wizard->LockPage(3, true);
        QVERIFY(f.wizard->progressBar()->isVisibleTo(f.wizard.get()) && f.nav(1)->isEnabled());
        f.wizard->LockPage(3, false);
        QVERIFY(!f.wizard->progressBar()->isVisibleTo(f.wizard.get()) && f.nav(2)->isEnabled());
        // (A locked page keeps Cancel and frees Back and Next again afterwards: tst_login_page.)
    }
    void startUpRestoresTheConnectionPage()
    {
        for (const auto& [key, value] :
             {std::pair{"UserLogin", "stored@host"}, std::pair{"UserData", "stored-pw"},
              std::pair{"UseProxy", "True"}, std::pair{"ProxyMode", "Custom"},
              std::pair{"ProxyServer", "proxy:3128"}})
            SettingsStore().write(key, value);
        start(QStringLiteral("/createincident /L given@host"));
        auto* login = static_cast<LoginPage*>(f.wizard->page(1));
        QCOMPARE(login->TextLogin->text() + " " + login->TextPassword->text(),
                 QString("given@host stored-pw"));
        QVERIFY(login->SavePasswordCheck->isChecked());
        QVERIFY(login->OptionProxy->isChecked() && login->OptionProxy->isEnabledTo(login));
        QVERIFY(login->TextPrServer->isEnabledTo(login) && login->TextPrServer->text() == "proxy:3128");

        // (Unlocking after a failed connect replays the proxy logic: tst_login_page.)
    }
    void connectionIsSavedWhenTheFirstJobPageIsEntered()
    {
        start(QStringLiteral("/createincident /L me@host /P secret"));
        f.nav(3)->click(); // page 0 -> 1
        QCOMPARE(SettingsStore().read(QStringLiteral("UserLogin"), QStringLiteral("none")),
                 QStringLiteral("none"));
        f.nav(3)->click(); // connect -> page 2
        QCOMPARE(f.wizard->state().CurrentStep, qint16(2));
        // The password is not kept: the user did not ask to save it.
        const SettingsStore store;
        QCOMPARE(store.read("UserLogin", {}) + "|" + store.read("UserData", "x") + "|" +
                     store.read("ProxyMode", {}),
                 QString("me@host||Default"));
    }
    void keywordWithShowIntroStartsOnTheConnectionPage()
    {
        SettingsStore().write(QStringLiteral("IntroductionScreen"), QStringLiteral("ShowIntro"));
        start(QStringLiteral("/download"));
        QCOMPARE(f.wizard->state().CurrentStep, qint16(1));
        auto* intro = static_cast<IntroductionPage*>(f.wizard->page(0));
        QVERIFY(intro->chkShowIntro->isChecked());
        f.nav(2)->click();
        intro->chkShowIntro->click();
        QCOMPARE(SettingsStore().read(QStringLiteral("IntroductionScreen"), QStringLiteral("x")), QString());
    }
    // Cancel while a transfer runs stops the transfer, not the server call. (Cancel during a call, and
    // Cancel when nothing runs: the connection page and keyboard tests.)
    void cancelWhileATransferRunsStopsTheTransfer()
    {
        start(QStringLiteral("/upload"));
        f.wizard->ShowStep(20, NavNext);
        f.wizard->LockPage(20, true);
        m_calls.transferRunning = true;
        f.answers[3006] = MessageAnswer::Yes;
        f.nav(1)->click();
        QCOMPARE(f.shownIds(), QList<int>{3006});
        f.shown.clear();
        QVERIFY(m_calls.cancelledTransfer);
        QVERIFY(!f.wizard->state().CancelRequested);
    }
    void continueStartsAgain_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("showIntro");
        QTest::addColumn<int>("page");
        QTest::newRow("started with a keyword") << "/createincident" << true << 0;
        QTest::newRow("no keyword, intro skipped") << "" << true << 1;
        QTest::newRow("no keyword, intro shown") << "" << false << 0;
    }
    void continueStartsAgain()
    {
        QFETCH(QString, commandLine);
        QFETCH(bool, showIntro);
        QFETCH(int, page);
        start(commandLine);
        SettingsStore().write(QStringLiteral("IntroductionScreen"),
                              showIntro ? QStringLiteral("ShowIntro") : QString());
        f.wizard->state().RunMode = 1;
        f.wizard->addPublishedFile(QStringLiteral("/tmp/a.txt"));
        f.wizard->ShowStep(kFinalPage, NavNext);
        static_cast<FinalPage*>(f.wizard->page(kFinalPage))->ContinueOption->click();
        f.nav(4)->click();
        QCOMPARE(int(f.wizard->state().CurrentStep), page);
        QCOMPARE(f.wizard->state().RunMode, qint16(1));
        QCOMPARE(static_cast<DocumentsPage*>(f.wizard->page(20))->PublishedFileList->count(), 0);
    }
    // A download started with /openfile opens the file on Finish, or offers a program for it.
    void finishWithCloseAndRun_data()
    {
        QTest::addColumn<int>("open");
        QTest::addColumn<int>("chooser");
        QTest::newRow("with a handler") << int(DesktopShell::OpenResult::Opened) << 0;
        QTest::newRow("without a handler") << int(DesktopShell::OpenResult::NoAssociation) << 1;
    }
    void finishWithCloseAndRun()
    {
        QFETCH(int, open);
        QFETCH(int, chooser);
        start("/download /openfile", static_cast<DesktopShell::OpenResult>(open));
        f.wizard->show();
        f.wizard->state().DownloadedFilePath = QStringLiteral("/tmp/report.unknown");
        f.wizard->ShowStep(1, NavNext);
        f.nav(3)->click(); // connect: the job's first page; its Next sets the final page's captions
        f.nav(3)->click();
        while (f.wizard->state().CurrentStep != kFinalPage)
            f.nav(3)->click();
        auto* final = static_cast<FinalPage*>(f.wizard->page(kFinalPage));
        QVERIFY(final->CloseAndRunOption->isChecked());
        QCOMPARE(final->CloseAndRunOption->text(), GetLocalizedText(5059));
        f.nav(4)->click();
        QVERIFY(!f.wizard->isVisible());
        QCOMPARE(QList<int>({m_calls.webViews, m_calls.opened, m_calls.chooser}),
                 QList<int>({0, 1, chooser}));
    }
    void helpOpensThePageOfTheStep_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<bool>("byKey"); // F1 in a field instead of the Help button
        QTest::newRow("English, Help") << QString() << "qrc:/help/1140.html"
                                       << "Step 2-9 Export Calendar" << false;
        QTest::newRow("German, F1") << "de"
                                    << "qrc:/help/de/1140.html"
                                    << "Schritt 2-9 Kalender exportieren" << true;
    }
    void helpOpensThePageOfTheStep()
    {
        QFETCH(QString, language);
        QFETCH(QString, page);
        QFETCH(QString, heading);
        QFETCH(bool, byKey);
        TempSettings::setLanguage(QSettings::UserScope, language);
        start(QStringLiteral("/exportcalendar"));
        f.wizard->show();
        QVERIFY(QTest::qWaitForWindowActive(f.wizard.get()));
        f.wizard->ShowStep(13, NavNext);
        if (byKey)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        else
            f.nav(0)->click();
        QPointer<QTextBrowser> help;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("helpWindow"))
                help = qobject_cast<QTextBrowser*>(window);
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->source().toString(), page);
        QVERIFY(help->toPlainText().contains(heading));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(help->frameGeometry()));
        f.wizard.reset(); // closing the wizard closes its help
        QVERIFY(!help || !help->isVisible());
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"

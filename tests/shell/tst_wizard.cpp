// The wizard window driven offscreen through its controls, with job hooks that do no server work.
#include "WizardFixture.h"

#include "files/DocumentsPage.h"
#include "platform/SettingsStore.h"
#include "session/LoginPage.h"
#include "shell/FinalPage.h"
#include "shell/IntroductionPage.h"
#include "shell/JobHooks.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
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
    DesktopShell::OpenResult open = DesktopShell::OpenResult::Opened; // what opening a document gives
};

struct RecordingHooks : JobHooks
{
    explicit RecordingHooks(Calls& into) : calls(into) {}
    void openResultWebView() override { ++calls.webViews; }
    bool cancelTransfers() override { return calls.cancelledTransfer = calls.transferRunning; }
    Calls& calls;
};

struct RecordingShell : DesktopShell
{
    explicit RecordingShell(Calls& into) : calls(into) {}
    bool openUrl(const QUrl&) override { return true; }
    OpenResult openDocument(const QString&) override { return ++calls.opened, calls.open; }
    bool chooseProgramAndOpen(const QString&, QWidget*) override { return ++calls.chooser, true; }
    Calls& calls;
};

} // namespace

class TestWizard : public QObject
{
    Q_OBJECT
    WizardFixture f;
    Calls m_calls;
    void start(const QString& commandLine)
    {
        f.load(commandLine, [this](frmWizard&) { return std::make_unique<RecordingHooks>(m_calls); });
        f.wizard->setDesktopShell(std::make_unique<RecordingShell>(m_calls));
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
        QVERIFY(login->SavePasswordCheck->isChecked() && login->OptionProxy->isChecked());
        QVERIFY(login->OptionProxy->isEnabledTo(login) && login->TextPrServer->isEnabledTo(login));
        QCOMPARE(login->TextPrServer->text(), QStringLiteral("proxy:3128"));

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
    void continueStartsAgain()
    {
        // Started with a keyword, then without one: the introduction skipped and shown.
        for (const auto& [commandLine, showIntro, page] :
             {std::tuple{"/createincident", true, 0}, std::tuple{"", true, 1}, std::tuple{"", false, 0}}) {
            start(commandLine);
            SettingsStore().write(QStringLiteral("IntroductionScreen"),
                                  showIntro ? QStringLiteral("ShowIntro") : QString());
            f.wizard->state().RunMode = 1;
            f.wizard->addPublishedFile(QStringLiteral("/tmp/a.txt"));
            f.wizard->ShowStep(kFinalPage, NavNext);
            static_cast<FinalPage*>(f.wizard->page(kFinalPage))->ContinueOption->click();
            f.nav(4)->click();
            const auto* documents = static_cast<DocumentsPage*>(f.wizard->page(20));
            QCOMPARE(std::tuple(commandLine, showIntro, f.step(), f.wizard->state().RunMode,
                                documents->PublishedFileList->count()),
                     std::tuple(commandLine, showIntro, page, qint16(1), 0));
        }
    }
    // A download started with /openfile opens the file on Finish, or offers a program for it.
    void finishWithCloseAndRun()
    {
        for (const auto open : {DesktopShell::OpenResult::Opened, DesktopShell::OpenResult::NoAssociation}) {
            m_calls = Calls{0, 0, 0, false, false, open};
            start("/download /openfile");
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
            // Without a program for the file, the user is offered one.
            QCOMPARE(QList<int>({m_calls.webViews, m_calls.opened, m_calls.chooser}),
                     QList<int>({0, 1, open == DesktopShell::OpenResult::NoAssociation}));
        }
    }
    void helpOpensThePageOfTheStep()
    {
        // English by the Help button, German by F1 in a field.
        using Row = std::tuple<QString, QString, QString, bool>; // language, page, its heading, by F1
        for (const auto& [language, page, heading, byKey] :
             {Row{{}, "qrc:/help/1140.html", "Step 2-9 Export Calendar", false},
              Row{"de", "qrc:/help/de/1140.html", "Schritt 2-9 Kalender exportieren", true}}) {
            ForgetLanguagePack();
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
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"

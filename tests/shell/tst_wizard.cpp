// The wizard window driven offscreen through its controls.
#include "TempSettings.h"

#include "files/DocumentsPage.h"
#include "platform/DesktopShell.h"
#include "platform/Message.h"
#include "platform/SettingsStore.h"
#include "session/LoginPage.h"
#include "shell/CommandLine.h"
#include "shell/Controls.h"
#include "shell/FinalPage.h"
#include "shell/IntroductionPage.h"
#include "shell/JobHooks.h"
#include "shell/PageGraph.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

using namespace kitbench;

namespace {

struct Calls
{
    int webViews = 0;
    int opened = 0;
    int chooser = 0;
    bool cancelledTransfer = false;
    bool transferRunning = false;
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
private Q_SLOTS:
    void init();
    void cleanup();

    void introductionOffersTheJobs();
    void doubleClickOnAJobMovesOn();
    void buttonStatesOnEveryPage();
    void startUpRestoresTheConnectionPage();
    void connectionIsSavedWhenTheFirstJobPageIsEntered();
    void keywordWithShowIntroStartsOnTheConnectionPage();
    void cancelAsksAndClosesOnlyOnYes();
    void cancelWhileBusyStopsTheCallOrTheTransfer();
    void continueStartsAgain_data();
    void continueStartsAgain();
    void finishWithCloseAndRun_data();
    void finishWithCloseAndRun();
    void helpOpensThePageOfTheStep_data();
    void helpOpensThePageOfTheStep();
    void everyCaptionComesFromThePack_data();
    void everyCaptionComesFromThePack();

private:
    frmWizard* start(const QString& commandLine, DesktopShell::OpenResult open = DesktopShell::OpenResult::Opened);
    QPushButton* nav(int index) const { return m_wizard->cmdNav[static_cast<std::size_t>(index)]; }

    std::unique_ptr<TempSettings> m_temp;
    std::unique_ptr<frmWizard> m_wizard;
    Calls m_calls;
};

void TestWizard::init()
{
    m_temp = std::make_unique<TempSettings>();
    ForgetLanguagePack();
    MessageService::instance().clearHistory();
    m_calls = Calls{};
}

void TestWizard::cleanup()
{
    m_wizard.reset();
    MessageService::instance().setPresenter({});
    MessageService::instance().clearHistory();
    ForgetLanguagePack();
    m_temp.reset();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + " was left open"));
}

frmWizard* TestWizard::start(const QString& commandLine, DesktopShell::OpenResult open)
{
    m_wizard = std::make_unique<frmWizard>();
    m_wizard->setJobHooks(std::make_unique<RecordingHooks>(m_calls));
    m_wizard->setDesktopShell(std::make_unique<RecordingShell>(m_calls, open));
    m_wizard->Form_Load(parseCommandLine(commandLine));
    // A message box that is not expected fails the test instead of waiting for a click.
    MessageService::instance().setPresenter([](const Message& message) {
        qWarning("unexpected message [%d] %s", message.textId, qPrintable(message.text));
        return MessageAnswer::Cancel;
    });
    return m_wizard.get();
}

void TestWizard::introductionOffersTheJobs()
{
    start(QString());
    auto* intro = static_cast<IntroductionPage*>(m_wizard->page(0));
    QCOMPARE(m_wizard->state().CurrentStep, qint16(0));
    QCOMPARE(intro->actionListView->topLevelItemCount(), 12);
    QCOMPARE(intro->actionListView->topLevelItem(6)->text(0), GetLocalizedText(1023));
    QVERIFY(intro->chkShowIntro->isHidden());
    QCOMPARE(intro->lblWelcome->text(), GetLocalizedText(1011));
    QVERIFY(!nav(3)->isEnabled());
    QVERIFY(!nav(2)->isEnabled());

    intro->actionListView->topLevelItem(2)->setSelected(true);
    QCOMPARE(m_wizard->state().RunMode, qint16(3));
    QVERIFY(nav(3)->isEnabled());
    nav(3)->click();
    QCOMPARE(m_wizard->state().CurrentStep, qint16(1));
    nav(2)->click();
    QCOMPARE(m_wizard->state().CurrentStep, qint16(0));
}

void TestWizard::doubleClickOnAJobMovesOn()
{
    start(QString());
    auto* list = static_cast<IntroductionPage*>(m_wizard->page(0))->actionListView;
    QTreeWidgetItem* upload = list->topLevelItem(5);
    upload->setSelected(true);
    Q_EMIT list->itemDoubleClicked(upload, 0);
    QCOMPARE(m_wizard->state().CurrentStep, qint16(1));
    QCOMPARE(m_wizard->state().RunMode, qint16(6));
}

void TestWizard::buttonStatesOnEveryPage()
{
    start(QStringLiteral("/createtask"));
    for (int step = 0; step < kPageCount; ++step) {
        m_wizard->ShowStep(step, NavInitial);
        const bool final = step == kFinalPage;
        QCOMPARE(nav(2)->isEnabled(), step != 0 && !final);
        QCOMPARE(nav(3)->isEnabled(), !final);
        QCOMPARE(nav(1)->isEnabled(), !final);
        QCOMPARE(nav(4)->isEnabled(), final);
        QCOMPARE(m_wizard->page(step)->isEnabled(), true);
        QCOMPARE(nav(3)->text(), GetLocalizedText(step == 20 ? 105 : 103));
    }
    // A locked page keeps Cancel and frees Back and Next again afterwards.
    m_wizard->ShowStep(3, NavNext);
    m_wizard->LockPage(3, true);
    QVERIFY(m_wizard->state().IsBusy);
    QVERIFY(!nav(2)->isEnabled() && !nav(3)->isEnabled() && nav(1)->isEnabled());
    QVERIFY(m_wizard->progressBar()->isVisibleTo(m_wizard.get()));
    m_wizard->LockPage(3, false);
    QVERIFY(nav(2)->isEnabled() && nav(3)->isEnabled());
    QVERIFY(!m_wizard->progressBar()->isVisibleTo(m_wizard.get()));
}

void TestWizard::startUpRestoresTheConnectionPage()
{
    SettingsStore store;
    store.write(QStringLiteral("UserLogin"), QStringLiteral("stored@host"));
    store.write(QStringLiteral("UserData"), QStringLiteral("stored-pw"));
    store.write(QStringLiteral("UseProxy"), QStringLiteral("True"));
    store.write(QStringLiteral("ProxyMode"), QStringLiteral("Custom"));
    store.write(QStringLiteral("ProxyServer"), QStringLiteral("proxy:3128"));
    start(QStringLiteral("/createincident /L given@host"));
    auto* login = static_cast<LoginPage*>(m_wizard->page(1));
    QCOMPARE(login->TextLogin->text(), QStringLiteral("given@host"));
    QCOMPARE(login->TextPassword->text(), QStringLiteral("stored-pw"));
    QVERIFY(login->SavePasswordCheck->isChecked());
    QVERIFY(login->OptionProxy->isChecked() && login->OptionProxy->isEnabledTo(login));
    QVERIFY(login->TextPrServer->isEnabledTo(login));
    QCOMPARE(login->TextPrServer->text(), QStringLiteral("proxy:3128"));

    // Unlocking after a failed connect replays the proxy logic: without a proxy the boxes stay off.
    m_wizard->ShowStep(1, NavNext);
    login->CheckProxy->click();
    m_wizard->LockPage(1, true);
    QVERIFY(!login->TextLogin->isEnabled());
    m_wizard->LockPage(1, false);
    QVERIFY(login->TextLogin->isEnabled());
    QVERIFY(!login->OptionProxy->isEnabled());
    QVERIFY(!login->TextPrServer->isEnabled());
}

void TestWizard::connectionIsSavedWhenTheFirstJobPageIsEntered()
{
    start(QStringLiteral("/createincident /L me@host /P secret"));
    nav(3)->click(); // page 0 -> 1
    QCOMPARE(SettingsStore().read(QStringLiteral("UserLogin"), QStringLiteral("none")), QStringLiteral("none"));
    nav(3)->click(); // connect -> page 2
    QCOMPARE(m_wizard->state().CurrentStep, qint16(2));
    SettingsStore store;
    QCOMPARE(store.read(QStringLiteral("UserLogin"), QString()), QStringLiteral("me@host"));
    QCOMPARE(store.read(QStringLiteral("UserData"), QStringLiteral("x")), QString()); // not asked to save it
    QCOMPARE(store.read(QStringLiteral("ProxyMode"), QString()), QStringLiteral("Default"));
}

void TestWizard::keywordWithShowIntroStartsOnTheConnectionPage()
{
    SettingsStore().write(QStringLiteral("IntroductionScreen"), QStringLiteral("ShowIntro"));
    start(QStringLiteral("/download"));
    QCOMPARE(m_wizard->state().CurrentStep, qint16(1));
    auto* intro = static_cast<IntroductionPage*>(m_wizard->page(0));
    QVERIFY(intro->chkShowIntro->isChecked());
    nav(2)->click();
    intro->chkShowIntro->click();
    QCOMPARE(SettingsStore().read(QStringLiteral("IntroductionScreen"), QStringLiteral("x")), QString());
}

void TestWizard::cancelAsksAndClosesOnlyOnYes()
{
    start(QStringLiteral("/createevent"));
    m_wizard->show();
    MessageService::instance().pushAnswer(MessageAnswer::No);
    nav(1)->click();
    QCOMPARE(MessageService::instance().history().last().textId, 3005);
    QVERIFY(m_wizard->isVisible());
    MessageService::instance().pushAnswer(MessageAnswer::Yes);
    nav(1)->click();
    QVERIFY(!m_wizard->isVisible());
}

void TestWizard::cancelWhileBusyStopsTheCallOrTheTransfer()
{
    start(QStringLiteral("/upload"));
    m_wizard->ShowStep(20, NavNext);
    m_wizard->LockPage(20, true);
    MessageService::instance().pushAnswer(MessageAnswer::No);
    nav(1)->click();
    QCOMPARE(MessageService::instance().history().last().textId, 3006);
    QVERIFY(!m_wizard->state().CancelRequested);
    MessageService::instance().pushAnswer(MessageAnswer::Yes);
    nav(1)->click();
    QVERIFY(m_wizard->state().CancelRequested);

    // With a transfer running, Yes stops the transfer instead of the call.
    m_wizard->LockPage(20, false);
    m_wizard->LockPage(20, true);
    m_calls.transferRunning = true;
    MessageService::instance().pushAnswer(MessageAnswer::Yes);
    nav(1)->click();
    QVERIFY(m_calls.cancelledTransfer);
    QVERIFY(!m_wizard->state().CancelRequested);
}

void TestWizard::continueStartsAgain_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("showIntro");
    QTest::addColumn<int>("page");
    QTest::newRow("started with a keyword") << "/createincident" << true << 0;
    QTest::newRow("no keyword, intro skipped") << "" << true << 1;
    QTest::newRow("no keyword, intro shown") << "" << false << 0;
}

void TestWizard::continueStartsAgain()
{
    QFETCH(QString, commandLine);
    QFETCH(bool, showIntro);
    QFETCH(int, page);
    start(commandLine);
    SettingsStore().write(QStringLiteral("IntroductionScreen"), showIntro ? QStringLiteral("ShowIntro") : QString());
    m_wizard->state().RunMode = 1;
    m_wizard->addPublishedFile(QStringLiteral("/tmp/a.txt"));
    m_wizard->ShowStep(kFinalPage, NavNext);
    auto* final = static_cast<FinalPage*>(m_wizard->page(kFinalPage));
    final->ContinueOption->click();
    nav(4)->click();
    QCOMPARE(int(m_wizard->state().CurrentStep), page);
    QCOMPARE(m_wizard->state().RunMode, qint16(1));
    QCOMPARE(static_cast<DocumentsPage*>(m_wizard->page(20))->PublishedFileList->count(), 0);
}

void TestWizard::finishWithCloseAndRun_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<int>("open");
    QTest::addColumn<int>("webViews");
    QTest::addColumn<int>("opened");
    QTest::addColumn<int>("chooser");
    QTest::newRow("download with a handler") << "/download /openfile" << int(DesktopShell::OpenResult::Opened) << 0 << 1 << 0;
    QTest::newRow("download without a handler")
        << "/download /openfile" << int(DesktopShell::OpenResult::NoAssociation) << 0 << 1 << 1;
    QTest::newRow("incident opens its web view") << "/createincident /openfile" << int(DesktopShell::OpenResult::Opened)
                                                 << 1 << 0 << 0;
}

void TestWizard::finishWithCloseAndRun()
{
    QFETCH(QString, commandLine);
    QFETCH(int, open);
    QFETCH(int, webViews);
    QFETCH(int, opened);
    QFETCH(int, chooser);
    start(commandLine, static_cast<DesktopShell::OpenResult>(open));
    m_wizard->show();
    if (m_wizard->state().RunMode == 7)
        m_wizard->state().DownloadedFilePath = QStringLiteral("/tmp/report.unknown");
    m_wizard->ShowStep(1, NavNext);
    nav(3)->click(); // connect: the job's first page; its Next sets the final page's captions
    nav(3)->click();
    while (m_wizard->state().CurrentStep != kFinalPage)
        nav(3)->click();
    auto* final = static_cast<FinalPage*>(m_wizard->page(kFinalPage));
    QVERIFY(final->CloseAndRunOption->isChecked());
    QCOMPARE(final->CloseAndRunOption->text(), GetLocalizedText(m_wizard->state().RunMode == 7 ? 5059 : 5058));
    nav(4)->click();
    QVERIFY(!m_wizard->isVisible());
    QCOMPARE(m_calls.webViews, webViews);
    QCOMPARE(m_calls.opened, opened);
    QCOMPARE(m_calls.chooser, chooser);
}

void TestWizard::helpOpensThePageOfTheStep_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("heading");
    QTest::newRow("English") << QString() << "qrc:/help/1140.html"
                             << "Step 2-9 Export Calendar";
    QTest::newRow("German") << "de"
                            << "qrc:/help/de/1140.html"
                            << "Schritt 2-9 Kalender exportieren";
}

void TestWizard::helpOpensThePageOfTheStep()
{
    QFETCH(QString, language);
    QFETCH(QString, page);
    QFETCH(QString, heading);
    TempSettings::setLanguage(QSettings::UserScope, language);
    start(QStringLiteral("/exportcalendar"));
    m_wizard->show();
    m_wizard->ShowStep(13, NavNext);
    nav(0)->click();
    QVERIFY(m_wizard->state().HelpShown);
    QTextBrowser* help = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == QLatin1String("helpWindow"))
            help = qobject_cast<QTextBrowser*>(window);
    }
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->source().toString(), page);
    QVERIFY(help->toPlainText().contains(heading));
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(help->frameGeometry()));
    m_wizard.reset(); // closing the wizard closes its help
    QVERIFY(!help || !help->isVisible());
}

void TestWizard::everyCaptionComesFromThePack_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    QTest::newRow("German") << QStringLiteral("de");
}

void TestWizard::everyCaptionComesFromThePack()
{
    QFETCH(QString, language);
    TempSettings::setLanguage(QSettings::UserScope, language);
    start(QStringLiteral("/createproject"));
    if (!language.isEmpty())
        QCOMPARE(GetLocalizedText(100), QStringLiteral("&Hilfe"));
    // Captions the navigation sets at run time from other ids than the control's own.
    const QStringList setAtRunTime{"lblStep_0", "lblWelcome", "cmdNav_3", "lblStepBeforePub_2", "lblStep_5"};
    int checked = 0;
    for (int step = 0; step < kPageCount; ++step) {
        m_wizard->ShowStep(step, NavInitial);
        const QList<QWidget*> controls = m_wizard->page(step)->findChildren<QWidget*>();
        for (QWidget* control : controls) {
            const int id = textIdOf(control);
            if (!id || setAtRunTime.contains(control->objectName()) || GetLocalizedText(id).isEmpty())
                continue;
            QString shown;
            if (auto* label = qobject_cast<QLabel*>(control))
                shown = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                shown = button->text();
            else
                continue;
            QVERIFY2(shown == GetJoinedText(id),
                     qPrintable(QStringLiteral("page %1, %2 (id %3) shows \"%4\"").arg(step).arg(control->objectName()).arg(id).arg(shown)));
            ++checked;
        }
    }
    QVERIFY(checked > 150);
    QCOMPARE(m_wizard->windowTitle(), GetLocalizedText(10));
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"

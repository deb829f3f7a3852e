#include "shell/frmWizard.h"

#include "files/DocumentsPage.h"
#include "items/LocalTimeZone.h"
#include "items/ProjectPage.h"
#include "lists/ListImportOptionPage.h"
#include "msproject/ImportOptionPage.h"
#include "platform/DesktopSecretStore.h"
#include "platform/DesktopShell.h"
#include "platform/Message.h"
#include "platform/MessageBoxPresenter.h"
#include "platform/WindowPlacement.h"
#include "session/LoginPage.h"
#include "shell/CommandLine.h"
#include "shell/ConnectionSettings.h"
#include "shell/Controls.h"
#include "shell/FieldFocus.h"
#include "shell/FinalPage.h"
#include "shell/FinalReport.h"
#include "shell/IntroductionPage.h"
#include "shell/Localization.h"
#include "shell/NavigationBar.h"
#include "shell/PageGraph.h"
#include "shell/PageSet.h"
#include "shell/PageStack.h"
#include "shell/PublishList.h"
#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kitbench {

namespace {
const QString kPlacementKey = QStringLiteral("WindowPlacement");
} // namespace

frmWizard::frmWizard(QWidget* parent)
    : QWidget(parent), m_secrets(std::make_unique<DesktopSecretStore>()),
      m_hooks(std::make_unique<JobHooks>()), m_shell(std::make_unique<DesktopShell>())
{
    setObjectName(QStringLiteral("frmWizard"));
    setTextId(this, 10);
    buildWindow();
    m_session.setProgressSink(this);
    MessageService::instance().setPresenter(
        [this](const Message& message) { return presentMessageBox(message, isVisible() ? this : nullptr); });
    MessageService::instance().setTextPresenter([this](const Message& prompt, const QString& defaultText) {
        return presentTextPrompt(prompt, defaultText, isVisible() ? this : nullptr);
    });
    MessageService::instance().setFilePresenter([this](const Message& title, const FileQuestion& question) {
        return presentFileDialog(title, question, isVisible() ? this : nullptr);
    });
}

frmWizard::~frmWizard()
{
    m_help.close();
}

void frmWizard::buildWindow()
{
    auto* stackHolder = new QWidget(this);
    stackHolder->setObjectName(QStringLiteral("pageStack"));
    m_stack = new PageStackLayout(stackHolder);
    m_pages = createPages(stackHolder);
    for (WizardPage* page : m_pages.all) {
        m_stack->addWidget(page);
        page->setEnabled(false);
    }

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    const NavigationBar bar = buildNavigationBar(this);
    picNav = bar.picNav;
    cmdNav = bar.cmdNav;
    ProgressBar = bar.progressBar;
    lblStep_1 = bar.pleaseWait;
    Label5 = bar.fileProgress;
    for (int index = 0; index < static_cast<int>(cmdNav.size()); ++index)
        connect(cmdNav[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
                [this, index] { cmdNav_Click(index); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stackHolder, 1);
    layout->addWidget(rule);
    layout->addLayout(bar.statusLine);
    layout->addWidget(picNav);

    // A wizard keeps one comfortable size; layouts scale it with the font and the screen.
    setMinimumSize(680, 500);
    resize(720, 540);

    connect(m_pages.intro->actionListView, &QTreeWidget::itemSelectionChanged, this, [this] {
        const int mode = m_pages.intro->selectedRunMode();
        cmdNav[NavButton::Next]->setEnabled(mode != RunModeNone);
        if (mode != RunModeNone)
            m_state.RunMode = static_cast<qint16>(mode);
    });
    connect(m_pages.intro->actionListView, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_state.RunMode != RunModeNone)
            cmdNav_Click(NavButton::Next);
    });
    connect(m_pages.intro->chkShowIntro, &QCheckBox::clicked, this, [this](bool checked) {
        m_settings.write(QStringLiteral("IntroductionScreen"),
                         checked ? QStringLiteral("ShowIntro") : QString());
    });
    connect(m_pages.documents, &DocumentsPage::pathsDropped, this, [this](const QStringList& paths) {
        addPublishedPaths(paths);
        if (m_pages.documents->PublishedFileList->count() > 0)
            cmdNav[NavButton::Next]->setEnabled(true);
    });
    connect(m_pages.final->LabelGotoWeb, &QPushButton::clicked, this,
            [this] { m_hooks->openResultWebView(); });
}

WizardPage* frmWizard::page(int step) const
{
    return step >= 0 && step < kPageCount ? m_pages.all[static_cast<std::size_t>(step)] : nullptr;
}

bool frmWizard::progressVisible() const
{
    return ProgressBar->isVisible();
}

int frmWizard::progressValue() const
{
    return ProgressBar->value();
}

void frmWizard::setProgressValue(int value)
{
    ProgressBar->setValue(value);
}

void frmWizard::setDesktopShell(std::unique_ptr<DesktopShell> shell)
{
    m_shell = std::move(shell);
}

void frmWizard::Form_Load(const CommandLineRequest& request)
{
    ApplyLocalization(this);

    m_state = WizardState{};
    m_state.RunMode = static_cast<qint16>(request.runMode);
    m_state.StartedWithRunMode = request.startedWithRunMode;
    m_state.ImportFilePath = request.importFilePath;
    if (!request.importFilePath.isEmpty()) {
        m_pages.importOption->txtFilePath->setText(request.importFilePath);
        m_pages.listImportOption->txtExcelFilePath->setText(request.importFilePath);
    }
    if (request.openFile) {
        m_pages.final->CloseAndRunOption->setChecked(true);
        m_pages.final->ContinueOption->setChecked(false);
        m_pages.final->CloseOption->setChecked(false);
    }
    addPublishedPaths(request.publishValues);
    if (request.hasResourceIds)
        m_state.ResourceUserIds = ParseResourceIds(request.resourceIdsText);

    restoreConnection(request);
    placePageArtwork(m_pages);
    // Unattended runs keep the default size, so their screenshots compare from run to run.
    m_remembersPlacement = request.answerFile.isEmpty();
    if (m_remembersPlacement)
        restorePlacement();

    if (m_state.RunMode != RunModeNone &&
        m_settings.read(QStringLiteral("IntroductionScreen"), QString()) == QLatin1String("ShowIntro")) {
        m_pages.intro->chkShowIntro->setChecked(true);
        ShowStep(1, NavNext);
    } else {
        ShowStep(0, NavInitial);
    }
    m_pages.intro->prepare(m_state.RunMode);
    if (m_state.RunMode == RunModeNone)
        cmdNav[NavButton::Next]->setEnabled(false);
    // The computer's time zone, taken once: the item dates are shifted from it into the profile's.
    m_state.LocalTimeZoneOffset = static_cast<qint16>(GetLocalTimeZone());
}

void frmWizard::restoreConnection(const CommandLineRequest& request)
{
    ConnectionValues fromCommandLine = m_pages.login->values();
    if (request.hasLogin)
        fromCommandLine.login = request.login;
    if (request.hasPassword)
        fromCommandLine.password = request.password;
    fromCommandLine.useSsl = request.useSsl;
    m_pages.login->setValues(restoreConnectionSettings(m_settings, fromCommandLine, m_secrets.get()));
}

// The place the window had when it was last closed, on the screens there are now.
void frmWizard::restorePlacement()
{
    const std::optional<QRect> stored = parsePlacement(m_settings.read(kPlacementKey, QString()));
    if (!stored)
        return;
    const QRect place = fitOnScreen(*stored, availableScreenArea(*stored));
    setGeometry(QRect(place.topLeft(), place.size().expandedTo(minimumSize())));
}

void frmWizard::savePlacement()
{
    if (m_remembersPlacement)
        m_settings.write(kPlacementKey, placementText(normalGeometry()));
}

void frmWizard::saveConnection()
{
    saveConnectionSettings(m_settings, m_pages.login->values(), m_secrets.get());
}

void frmWizard::addPublishedFile(const QString& path)
{
    m_pages.documents->PublishedFileList->addItem(path);
}

// Files named on the command line or dropped on the documents page; a folder brings its files.
void frmWizard::addPublishedPaths(const QStringList& paths)
{
    for (const QString& path : paths) {
        for (const QString& file : filesNamedBy(path))
            addPublishedFile(file);
    }
}

void frmWizard::SetWindowTitle()
{
    setWindowTitle(GetLocalizedText(10));
}

void frmWizard::ShowStep(int step, int direction)
{
    WizardPage* target = page(step);
    if (!target)
        return;
    m_state.FinishEnabled = false;
    if (savesConnectionOnEntry(step, direction))
        saveConnection();
    target->prepareEntry(m_state, direction);
    if (step == 17)
        m_hooks->fillSheetFields();
    if (step == kFinalPage) {
        m_hooks->unloadUserChoiceDialog();
        m_pages.final->showReport(finalReportText(outcomeOf(m_state)));
        m_state.FinishEnabled = true;
    }

    // Only now the pages swap, so a failed preparation never leaves two pages on view.
    if (WizardPage* leaving = page(m_state.CurrentStep))
        leaving->setEnabled(false);
    m_stack->setCurrentWidget(target);
    target->setEnabled(true);
    SetWindowTitle();
    SetStep(step);
    focusFirstField();
    Q_EMIT pageEntered(step);
}

void frmWizard::SetStep(int step)
{
    m_state.CurrentStep = static_cast<qint16>(step);
    const NavButtonState buttons = navButtonState(step, m_state.RunMode, m_state.FinishEnabled);
    cmdNav[NavButton::Next]->setText(GetLocalizedText(buttons.nextTextId));
    m_pages.documents->lblStepBeforePub_2->setText(GetLocalizedText(buttons.beforePublishTextId));
    cmdNav[NavButton::Back]->setEnabled(buttons.back);
    cmdNav[NavButton::Next]->setEnabled(buttons.next);
    cmdNav[NavButton::Cancel]->setEnabled(buttons.cancel);
    cmdNav[NavButton::Finish]->setEnabled(buttons.finish);
    // Enter presses Next, on the final page Finish; the default button shows which.
    cmdNav[NavButton::Next]->setDefault(step != kFinalPage);
    cmdNav[NavButton::Finish]->setDefault(step == kFinalPage);
}

void frmWizard::keyPressEvent(QKeyEvent* event)
{
    const int index = navButtonForKey(*event, m_state.CurrentStep == kFinalPage);
    if (index < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    QPushButton* target = cmdNav[static_cast<std::size_t>(index)];
    if (target->isEnabled() && target->isVisible())
        target->click();
}

void frmWizard::focusFirstField()
{
    focusField(firstFocusableField(page(m_state.CurrentStep)));
}

void frmWizard::focusField(QWidget* field)
{
    if (!field)
        return;
    m_focusField = field;
    field->setFocus();
    // Before the window is on screen the focus cannot be given; it is given on activation.
    m_state.FocusPending = !isVisible() || !field->isVisible();
}

void frmWizard::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_state.FocusPending) {
        m_state.FocusPending = false;
        if (m_focusField)
            m_focusField->setFocus();
    }
    QWidget::changeEvent(event);
}

void frmWizard::LockPage(int step, bool busy)
{
    m_state.IsBusy = busy;
    m_state.CancelRequested = false;
    page(step)->setLocked(busy);
    if (busy) {
        cmdNav[NavButton::Back]->setEnabled(false);
        cmdNav[NavButton::Next]->setEnabled(false);
        ProgressBar->setRange(0, step == 1 ? 20 : 14);
        ProgressBar->setValue(0);
        ProgressBar->show();
        lblStep_1->show();
    } else {
        ProgressBar->hide();
        lblStep_1->hide();
        SetStep(m_state.CurrentStep);
    }
    Q_EMIT busyChanged(busy);
    if (!busy && m_closeAfterCall)
        unload();
}

void frmWizard::cmdNav_Click(int index)
{
    switch (index) {
    case NavButton::Help:
        onHelp();
        break;
    case NavButton::Cancel:
        onCancel();
        break;
    case NavButton::Back:
        onBack();
        break;
    case NavButton::Next:
        onNext();
        break;
    case NavButton::Finish:
        onFinish();
        break;
    default:
        break;
    }
}

void frmWizard::onHelp()
{
    m_state.HelpShown = true;
    m_help.showContext(helpContextId(m_state.CurrentStep), this);
}

void frmWizard::onBack()
{
    const int target = backTarget(m_state.CurrentStep, m_state.RunMode, m_state.ImportNewProject,
                                  m_pages.project->ProjectTemplateCombo->currentIndex());
    ShowStep(target, NavBack);
}

} // namespace kitbench

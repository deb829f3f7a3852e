#include "shell/frmWizard.h"

#include "files/DocumentsPage.h"
#include "files/FolderPage.h"
#include "items/IncidentPage.h"
#include "items/LocalTimeZone.h"
#include "lists/ListImportOptionPage.h"
#include "msproject/ImportOptionPage.h"
#include "items/ProjectPage.h"
#include "platform/DesktopSecretStore.h"
#include "platform/DesktopShell.h"
#include "platform/Message.h"
#include "platform/MessageBoxPresenter.h"
#include "platform/WindowPlacement.h"
#include "session/LoginPage.h"
#include "shell/CommandLine.h"
#include "shell/ConnectionSettings.h"
#include "shell/Artwork.h"
#include "shell/Controls.h"
#include "shell/FieldFocus.h"
#include "shell/FinalPage.h"
#include "shell/FinalReport.h"
#include "shell/IntroductionPage.h"
#include "shell/Localization.h"
#include "shell/PageGraph.h"
#include "shell/PageSet.h"
#include "shell/PublishList.h"
#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kitbench {

namespace {
constexpr int kHelp = 0, kCancel = 1, kBack = 2, kNext = 3, kFinish = 4;
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
    MessageService::instance().setPresenter([this](const Message& message) {
        return presentMessageBox(message, isVisible() ? this : nullptr);
    });
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
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("pageStack"));
    const PageSet pages = createPages(m_stack);
    m_pages = pages.all;
    m_intro = pages.intro;
    m_login = pages.login;
    m_project = pages.project;
    m_importOption = pages.importOption;
    m_listImportOption = pages.listImportOption;
    m_documents = pages.documents;
    m_final = pages.final;
    for (WizardPage* page : m_pages) {
        m_stack->addWidget(page);
        page->setEnabled(false);
    }

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    lblStep_1 = makeLabel(this, "lblStep_1", 2001, QStringLiteral("Orvello Kitbench"));
    lblStep_1->setWordWrap(false);
    lblStep_1->hide(); // the "please wait" line, shown with the progress bar
    Label5 = makeLabel(this, "Label5", 0, QStringLiteral("File Progress:"));
    Label5->hide();
    ProgressBar = makeControl<QProgressBar>(this, "ProgressBar");
    ProgressBar->setTextVisible(false);
    ProgressBar->hide();

    picNav = makeControl<QWidget>(this, "picNav");
    const std::array<std::pair<int, QString>, 5> buttons{{{100, QStringLiteral("Help")},
                                                          {101, QStringLiteral("Cancel")},
                                                          {102, QStringLiteral("< &Back")},
                                                          {103, QStringLiteral("&Next >")},
                                                          {104, QStringLiteral("&Finish")}}};
    auto* navLayout = new QHBoxLayout(picNav);
    navLayout->setContentsMargins(0, 0, 0, 0);
    for (int index = 0; index < 5; ++index) {
        const QByteArray name = "cmdNav_" + QByteArray::number(index);
        cmdNav[static_cast<std::size_t>(index)] =
            makeControl<QPushButton>(picNav, name.constData(), buttons[static_cast<std::size_t>(index)].first,
                                     buttons[static_cast<std::size_t>(index)].second);
        QPushButton* button = cmdNav[static_cast<std::size_t>(index)];
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdNav_Click(index); });
        if (index == kBack)
            navLayout->addStretch(1);
        navLayout->addWidget(button);
    }

    auto* status = new QHBoxLayout;
    status->addWidget(lblStep_1);
    status->addStretch(1);
    status->addWidget(Label5);
    status->addWidget(ProgressBar, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stack, 1);
    layout->addWidget(rule);
    layout->addLayout(status);
    layout->addWidget(picNav);

    // A wizard keeps one comfortable size; layouts scale it with the font and the screen.
    setMinimumSize(680, 500);
    resize(720, 540);

    connect(m_intro->actionListView, &QTreeWidget::itemSelectionChanged, this, [this] {
        const int mode = m_intro->selectedRunMode();
        cmdNav[kNext]->setEnabled(mode != RunModeNone);
        if (mode != RunModeNone)
            m_state.RunMode = static_cast<qint16>(mode);
    });
    connect(m_intro->actionListView, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_state.RunMode != RunModeNone)
            cmdNav_Click(kNext);
    });
    connect(m_intro->chkShowIntro, &QCheckBox::clicked, this, [this](bool checked) {
        m_settings.write(QStringLiteral("IntroductionScreen"), checked ? QStringLiteral("ShowIntro") : QString());
    });
    connect(m_documents, &DocumentsPage::pathsDropped, this, [this](const QStringList& paths) {
        // A dropped folder brings its files, as a folder named on the command line does.
        for (const QString& path : paths) {
            const QStringList files = filesNamedBy(path);
            for (const QString& file : files)
                addPublishedFile(file);
        }
        if (m_documents->PublishedFileList->count() > 0)
            cmdNav[kNext]->setEnabled(true);
    });
    connect(m_final->LabelGotoWeb, &QPushButton::clicked, this, [this] { m_hooks->openResultWebView(); });
}

WizardPage* frmWizard::page(int step) const
{
    return step >= 0 && step < kPageCount ? m_pages[static_cast<std::size_t>(step)] : nullptr;
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

void frmWizard::setJobHooks(std::unique_ptr<JobHooks> hooks)
{
    m_hooks = std::move(hooks);
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
        m_importOption->txtFilePath->setText(request.importFilePath);
        m_listImportOption->txtExcelFilePath->setText(request.importFilePath);
    }
    if (request.openFile) {
        m_final->CloseAndRunOption->setChecked(true);
        m_final->ContinueOption->setChecked(false);
        m_final->CloseOption->setChecked(false);
    }
    for (const QString& value : request.publishValues) {
        const QStringList files = filesNamedBy(value);
        for (const QString& file : files)
            addPublishedFile(file);
    }
    if (request.hasResourceIds)
        m_state.ResourceUserIds = ParseResourceIds(request.resourceIdsText);

    restoreConnection(request);
    placeBitmaps();
    // Unattended runs keep the default size, so their screenshots compare from run to run.
    m_remembersPlacement = request.answerFile.isEmpty();
    if (m_remembersPlacement)
        restorePlacement();

    if (m_state.RunMode != RunModeNone &&
        m_settings.read(QStringLiteral("IntroductionScreen"), QString()) == QLatin1String("ShowIntro")) {
        m_intro->chkShowIntro->setChecked(true);
        ShowStep(1, NavNext);
    } else {
        ShowStep(0, NavInitial);
    }
    m_intro->prepare(m_state.RunMode);
    if (m_state.RunMode == RunModeNone)
        cmdNav[kNext]->setEnabled(false);
    // The computer's time zone, taken once: the item dates are shifted from it into the profile's.
    m_state.LocalTimeZoneOffset = static_cast<qint16>(GetLocalTimeZone());
}

// The pictures of the option pages and the small button pictures.
void frmWizard::placeBitmaps()
{
    m_importOption->ImageImport->setPixmap(bitmapResource(5003, QSize(96, 96)));
    m_listImportOption->ImageImportList->setPixmap(bitmapResource(5008, QSize(96, 96)));
    const QIcon edit(QStringLiteral(":/images/bitmap_5004.svg"));
    static_cast<IncidentPage*>(page(2))->CommandIssueCategory->setIcon(edit);
    m_project->CommandAddClient->setIcon(edit);
    m_project->CommandAddProjectCategory->setIcon(edit);
    static_cast<FolderPage*>(page(6))->NewOrvFolderCommand->setIcon(QIcon(QStringLiteral(":/images/bitmap_5005.svg")));
}

void frmWizard::restoreConnection(const CommandLineRequest& request)
{
    ConnectionValues fromCommandLine = m_login->values();
    if (request.hasLogin)
        fromCommandLine.login = request.login;
    if (request.hasPassword)
        fromCommandLine.password = request.password;
    fromCommandLine.useSsl = request.useSsl;
    m_login->setValues(restoreConnectionSettings(m_settings, fromCommandLine, m_secrets.get()));
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
    saveConnectionSettings(m_settings, m_login->values(), m_secrets.get());
}

void frmWizard::addPublishedFile(const QString& path)
{
    m_documents->PublishedFileList->addItem(path);
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
        JobOutcome outcome;
        outcome.runMode = m_state.RunMode;
        outcome.filesPublished = m_state.FilesPublished;
        outcome.filesToPublish = m_state.FilesToPublish;
        outcome.publishingLog = m_state.PublishingLog;
        outcome.failed = m_state.LastStepFailed;
        outcome.errorText = m_state.LastErrorText;
        outcome.projectName = m_state.ExportedProjectName;
        m_final->showReport(finalReportText(outcome));
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
    cmdNav[kNext]->setText(GetLocalizedText(buttons.nextTextId));
    m_documents->lblStepBeforePub_2->setText(GetLocalizedText(buttons.beforePublishTextId));
    cmdNav[kBack]->setEnabled(buttons.back);
    cmdNav[kNext]->setEnabled(buttons.next);
    cmdNav[kCancel]->setEnabled(buttons.cancel);
    cmdNav[kFinish]->setEnabled(buttons.finish);
    // Enter presses Next, on the final page Finish; the default button shows which.
    cmdNav[kNext]->setDefault(step != kFinalPage);
    cmdNav[kFinish]->setDefault(step == kFinalPage);
}

void frmWizard::keyPressEvent(QKeyEvent* event)
{
    // Keys the focused control left alone: the wizard's own, as in any dialog of the desktop.
    QPushButton* target = nullptr;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            target = cmdNav[m_state.CurrentStep == kFinalPage ? kFinish : kNext];
            break;
        case Qt::Key_Escape:
            target = cmdNav[kCancel];
            break;
        case Qt::Key_F1:
            target = cmdNav[kHelp];
            break;
        default:
            break;
        }
    }
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
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
        cmdNav[kBack]->setEnabled(false);
        cmdNav[kNext]->setEnabled(false);
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
    case kHelp: onHelp(); break;
    case kCancel: onCancel(); break;
    case kBack: onBack(); break;
    case kNext: onNext(); break;
    case kFinish: onFinish(); break;
    default: break;
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
                                  m_project->ProjectTemplateCombo->currentIndex());
    ShowStep(target, NavBack);
}

} // namespace kitbench

#include "files/PublishQueue.h"

#include "files/DocumentsPage.h"
#include "files/FolderPage.h"
#include "files/FormFields.h"
#include "files/LibraryTreeView.h"
#include "platform/FormSender.h"
#include "platform/Message.h"
#include "session/LoginPage.h"
#include "session/SoapSession.h"
#include "shell/ConnectionSettings.h"
#include "shell/FinalPage.h"
#include "shell/PageGraph.h"
#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTreeWidget>

namespace kitbench {

namespace {

constexpr int kUnitsPerFile = 14;
constexpr int kUploadUnits = 10;
constexpr int kNameCheckUnits = 4;

} // namespace

void ConfigureFormSender(frmWizard& wizard, FormSender& sender)
{
    WizardState& state = wizard.state();
    state.FilesPublished = 0;
    state.FilesToPublish =
        static_cast<qint32>(static_cast<DocumentsPage*>(wizard.page(20))->PublishedFileList->count());
    state.PublishingLog.clear();
    const ConnectionValues page = wizard.loginPage()->values();
    SoapConnector::Proxy proxy;
    if (page.useProxy) {
        proxy.mode =
            page.proxyFromBrowser ? SoapConnector::Proxy::Mode::System : SoapConnector::Proxy::Mode::Explicit;
        proxy.server = page.proxyServer;
        proxy.user = page.proxyUser;
        proxy.password = page.proxyPassword;
    }
    sender.setProxy(proxy);
}

PublishQueue::PublishQueue(frmWizard& wizard, FormSender& sender)
    : QObject(&wizard), m_wizard(wizard), m_sender(sender)
{
}

PublishQueue::~PublishQueue() = default;

QListWidget* PublishQueue::queue() const
{
    return static_cast<DocumentsPage*>(m_wizard.page(20))->PublishedFileList;
}

QString PublishQueue::firstEntry() const
{
    const QListWidget* list = queue();
    return list->count() > 0 ? list->item(0)->text() : QString();
}

StepResult PublishQueue::PublishAll(int step)
{
    m_step = step;
    ConfigureFormSender(m_wizard, m_sender);
    const WizardState& state = m_wizard.state();
    const bool importFollows = step == 20 && state.RunMode == IMPORTPROJECT && state.ImportNewProject;
    QProgressBar* bar = m_wizard.progressBar();
    bar->setRange(0, kUnitsPerFile * static_cast<int>(queue()->count()) + (importFollows ? 12 : 4));
    bar->setValue(0);
    bar->setVisible(true);
    PublishNextFile();
    return StepResult::Started;
}

void PublishQueue::PublishNextFile()
{
    drop();
    WizardState& state = m_wizard.state();
    const QString path = firstEntry();
    m_fileName = publishFileName(path);
    if (state.ServerVersion == QLatin1String("4.5") || state.ServerVersion == QLatin1String("4.7")) {
        switch (CheckPublishFileName(m_fileName)) {
        case NameCheck::Accepted:
            break;
        case NameCheck::Refused:
            state.NameCheckRefused = true;
            currPublishedForm_Completed(3, 0);
            return;
        case NameCheck::Failed:
            // Its one message is shown; nothing is posted, and the queue ends as if given up.
            skipRest(5023);
            finishQueue(false);
            return;
        }
    }
    const ConnectionValues login = m_wizard.loginPage()->values();
    PublishInput input;
    input.serverVersion = state.ServerVersion;
    input.runMode = state.RunMode;
    input.login = login.login;
    input.password = login.password;
    input.useSsl = login.useSsl;
    input.chosen = chosenNode(static_cast<FolderPage*>(m_wizard.page(6))->FileListTreeView->currentItem());
    input.createdObjectId = state.CreatedObjectId;
    input.fileName = m_fileName;
    input.uniqueId = NewGuidString();
    const PublishRequest request = publishRequest(input);
    state.CreatedObjectId = request.objectId;

    m_post = m_sender.createForm(this);
    for (const FormField& field : request.form.fields)
        m_post->addField(field.name, field.value);
    m_post->setFile(path, QStringLiteral("PublishedFile"), QStringLiteral("application/octet-stream"));
    m_post->setAddress(QUrl(request.form.address));
    connect(m_post, &FormPost::uploadBegin, this, &PublishQueue::currPublishedForm_UploadBegin);
    connect(m_post, &FormPost::uploadStep, this, &PublishQueue::currPublishedForm_UploadStep);
    connect(m_post, &FormPost::completed, this, &PublishQueue::currPublishedForm_Completed);
    m_post->send();
}

PublishQueue::NameCheck PublishQueue::CheckPublishFileName(QString& name)
{
    WizardState& state = m_wizard.state();
    const NameCheckTarget target = nameCheckTarget(
        state.RunMode,
        chosenNode(static_cast<FolderPage*>(m_wizard.page(6))->FileListTreeView->currentItem()),
        state.CreatedObjectId);
    for (;;) {
        QVariantList arguments{QVariant::fromValue<qint16>(target.objectType),
                               QVariant::fromValue<qint32>(target.objectId), name};
        SoapSession& session = m_wizard.session();
        const SoapCallResult answer = session.call(QStringLiteral("CheckFileName"), arguments);
        if (!session.CheckSoapOutcome(answer))
            return NameCheck::Failed;
        const int result = answer.result.toInt();
        if (result == 0)
            return NameCheck::Accepted;
        if (result != -1)
            return NameCheck::Refused;
        const MessageAnswer choice = MessageService::instance().show(
            Message::fromId(8020, MessageButtons::RenameReplaceCancel).append(QStringLiteral("\n") + name));
        if (choice == MessageAnswer::Replace)
            return NameCheck::Accepted;
        if (choice != MessageAnswer::Rename)
            return NameCheck::Refused;
        const std::optional<QString> newName =
            MessageService::instance().askText(Message::fromId(8021), name);
        if (!newName || newName->isEmpty())
            return NameCheck::Refused;
        name = *newName;
        addToBar(-kNameCheckUnits); // the check reports its steps again
    }
}

void PublishQueue::addToBar(int units)
{
    QProgressBar* bar = m_wizard.progressBar();
    bar->setValue(std::clamp(bar->value() + units, bar->minimum(), bar->maximum()));
}

void PublishQueue::currPublishedForm_UploadBegin(qint64 total)
{
    m_uploadStep = 1;
    m_uploadTotal = total;
}

void PublishQueue::currPublishedForm_UploadStep(qint64 done)
{
    if (m_uploadTotal != 0) {
        while (m_uploadTotal / kUploadUnits * m_uploadStep < done && m_uploadStep < kUploadUnits) {
            addToBar(1);
            ++m_uploadStep;
        }
        return;
    }
    QProgressBar* bar = m_wizard.progressBar();
    const int left = static_cast<int>(queue()->count());
    bar->setValue(std::clamp(bar->maximum() - kUploadUnits * left + 9, bar->minimum(), bar->maximum()));
}

void PublishQueue::currPublishedForm_Completed(int status, int code)
{
    WizardState& state = m_wizard.state();
    m_lastAnswer = m_post ? m_post->resultText() : QString();
    if (m_post) {
        auto* log = m_wizard.findChild<QPlainTextEdit*>(QStringLiteral("TextLog"));
        if (log && !m_post->resultText().isEmpty())
            log->appendPlainText(m_post->resultText());
    }
    const QString path = firstEntry();
    if (status == 0) {
        state.PublishingLog += QStringLiteral("  '") + path + QStringLiteral("' - OK\n");
        ++state.FilesPublished;
        delete queue()->takeItem(0);
        addToBar(1);
        if (queue()->count() > 0)
            PublishNextFile();
        else
            finishQueue(true);
        return;
    }
    switch (MessageService::instance().show(transferFailureMessage(status, code, state.NameCheckRefused,
                                                                   MessageButtons::AbortRetryIgnore, path))) {
    case MessageAnswer::Retry:
        addToBar(-9);
        PublishNextFile();
        return;
    case MessageAnswer::Ignore:
        state.PublishingLog += QStringLiteral("  '") + path + GetLocalizedText(5024) + QLatin1Char('\n');
        delete queue()->takeItem(0);
        addToBar(1);
        if (queue()->count() > 0)
            PublishNextFile();
        else
            finishQueue(false);
        return;
    default:
        skipRest(5023);
        finishQueue(false);
        return;
    }
}

void PublishQueue::skipRest(int textId)
{
    WizardState& state = m_wizard.state();
    const QListWidget* list = queue();
    for (int i = 0; i < list->count(); ++i)
        state.PublishingLog +=
            QStringLiteral("  '") + list->item(i)->text() + GetLocalizedText(textId) + QLatin1Char('\n');
}

void PublishQueue::finishQueue(bool lastSucceeded)
{
    drop();
    const WizardState& state = m_wizard.state();
    const bool newProjectImport = state.RunMode == IMPORTPROJECT && state.ImportNewProject;
    if (newProjectImport) {
        if (!lastSucceeded)
            m_wizard.ShowStep(12, NavNext);
        else if (!m_importStepOne || m_importStepOne())
            m_wizard.ShowStep(12, NavNext);
    } else if (state.RunMode == IMPORTLIST) {
        // The workbook goes on to the create list page once the server has described it.
        if (!lastSucceeded)
            queue()->clear();
        else if (m_workbookReceived && m_workbookReceived(m_lastAnswer))
            m_wizard.ShowStep(14, NavNext);
    } else {
        m_wizard.ShowStep(kFinalPage, NavNext);
    }
    m_wizard.progressBar()->setVisible(false);
    m_wizard.LockPage(m_step, false);
}

bool PublishQueue::cancel()
{
    if (!m_post || !m_post->running())
        return false;
    m_post->cancel();
    return true;
}

void PublishQueue::drop()
{
    if (m_post) {
        m_post->disconnect(this);
        m_post->deleteLater();
        m_post = nullptr;
    }
}

} // namespace kitbench

#include "files/DownloadJob.h"

#include "files/AssetPage.h"
#include "files/FormFields.h"
#include "files/LibraryTreeView.h"
#include "files/PublishQueue.h"
#include "platform/DesktopShell.h"
#include "platform/FormSender.h"
#include "platform/Message.h"
#include "session/LoginPage.h"
#include "shell/ConnectionSettings.h"
#include "shell/PageGraph.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QProgressBar>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QUrl>

namespace kitbench {

namespace {

constexpr int kDownloadUnits = 10;
constexpr int kDownloadPage = 7;

// The Content-Disposition line of the response headers, where the server names the file.
QString dispositionOf(const QString& headerText)
{
    static const QRegularExpression line(QStringLiteral("^content-disposition:\\s*(.*)$"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(headerText);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

} // namespace

DownloadJob::DownloadJob(frmWizard& wizard, FormSender& sender)
    : QObject(&wizard), m_wizard(wizard), m_sender(sender)
{
}

QString DownloadJob::nodeText() const
{
    const QTreeWidgetItem* item =
        static_cast<AssetPage*>(m_wizard.page(kDownloadPage))->AssetListTreeView->currentItem();
    return item ? item->text(0) : QString();
}

StepResult DownloadJob::Start()
{
    WizardState& state = m_wizard.state();
    const QTreeWidgetItem* item =
        static_cast<AssetPage*>(m_wizard.page(kDownloadPage))->AssetListTreeView->currentItem();
    const ChosenNode chosen = chosenNode(item);
    if (chosen.key.startsWith(QLatin1Char('U'))) {
        // A link: the browser shows it; nothing goes through the download page.
        m_wizard.desktopShell().openUrl(QUrl(chosen.tag, QUrl::TolerantMode));
        state.PublishingLog += QStringLiteral("  '") + nodeText() + QStringLiteral("' - OK\n");
        return StepResult::Done;
    }
    state.CreatedObjectId = chosen.tag.toInt();
    ConfigureFormSender(m_wizard, m_sender);
    QProgressBar* bar = m_wizard.progressBar();
    bar->setRange(0, kDownloadUnits);
    bar->setValue(0);
    bar->setVisible(true);
    DownloadFile();
    return StepResult::Started;
}

void DownloadJob::DownloadFile()
{
    drop();
    const WizardState& state = m_wizard.state();
    const ConnectionValues login = m_wizard.loginPage()->values();
    const ChosenNode chosen =
        chosenNode(static_cast<AssetPage*>(m_wizard.page(kDownloadPage))->AssetListTreeView->currentItem());
    const FormRequest request = downloadRequest(state.ServerVersion, login.login, login.password,
                                                login.useSsl, chosen, state.CreatedObjectId);
    m_post = m_sender.createForm(this);
    for (const FormField& field : request.fields)
        m_post->addField(field.name, field.value);
    m_post->setAddress(QUrl(request.address));
    m_post->setReceivesFile(true);
    m_saveCancelled = false;
    connect(m_post, &FormPost::fileArriving, this, &DownloadJob::currDownloadForm_FileArriving);
    connect(m_post, &FormPost::downloadBegin, this, &DownloadJob::currDownloadForm_DownloadBegin);
    connect(m_post, &FormPost::downloadStep, this, &DownloadJob::currDownloadForm_DownloadStep);
    connect(m_post, &FormPost::downloadEnd, this, &DownloadJob::currDownloadForm_DownloadEnd);
    connect(m_post, &FormPost::completed, this, &DownloadJob::currDownloadForm_Completed);
    m_post->send();
}

void DownloadJob::currDownloadForm_DownloadBegin(qint64 total)
{
    m_total = total;
    m_wizard.progressBar()->setValue(0);
}

void DownloadJob::currDownloadForm_DownloadStep(qint64 done)
{
    m_wizard.progressBar()->setValue(m_total != 0 ? static_cast<int>(done * kDownloadUnits / m_total) : 9);
}

void DownloadJob::currDownloadForm_DownloadEnd()
{
    QProgressBar* bar = m_wizard.progressBar();
    bar->setValue(bar->maximum());
}

void DownloadJob::currDownloadForm_FileArriving()
{
    WizardState& state = m_wizard.state();
    const QString proposal = proposedFileName(dispositionOf(m_post->headerText()), nodeText());
    QString refusedPath;
    for (;;) {
        const std::optional<QString> path = MessageService::instance().askFile(
            Message::fromId(5010), FileQuestion{true, proposal, QString()});
        if (path && !path->isEmpty()) {
            state.DownloadedFilePath = *path;
            const QString error = m_post->receiveInto(*path);
            if (error.isEmpty())
                return;
            // The same place refused twice (an unattended run always names the same one): it cannot
            // take the file, and saying so again would only repeat the message.
            if (*path != refusedPath) {
                refusedPath = *path;
                MessageService::instance().show(
                    Message::fromText(error + QStringLiteral(": ")).appendId(2605));
                continue;
            }
        }
        m_saveCancelled = true;
        m_post->cancel();
        return;
    }
}

void DownloadJob::currDownloadForm_Completed(int status, int code)
{
    WizardState& state = m_wizard.state();
    if (m_saveCancelled) {
        saveNotDone();
        return;
    }
    if (status == FormPost::SaveFailed) {
        // The file could not be written while it arrived; the place the user had chosen is unchanged.
        MessageService::instance().show(
            Message::fromText(m_post->saveError() + QStringLiteral(": ")).appendId(2605));
        saveNotDone();
        return;
    }
    if (status != FormPost::Success) {
        // Nothing was saved: the line after text 5022 stays empty.
        if (MessageService::instance().show(transferFailureMessage(status, code, state.NameCheckRefused,
                                                                   MessageButtons::RetryCancel, QString())) ==
            MessageAnswer::Retry) {
            DownloadFile();
            return;
        }
        state.PublishingLog +=
            QStringLiteral("  '") + nodeText() + GetLocalizedText(5023) + QLatin1Char('\n');
        finish(true);
        return;
    }
    state.PublishingLog += QStringLiteral("  '") + nodeText() + QStringLiteral("' - OK\n");
    finish(true);
}

void DownloadJob::saveNotDone()
{
    m_wizard.state().PublishingLog +=
        QStringLiteral("  '") + nodeText() + GetLocalizedText(5024) + QLatin1Char('\n');
    finish(false);
}

void DownloadJob::finish(bool toFinalPage)
{
    drop();
    if (toFinalPage)
        m_wizard.ShowStep(kFinalPage, NavNext);
    m_wizard.progressBar()->setVisible(false);
    m_wizard.LockPage(kDownloadPage, false);
}

bool DownloadJob::cancel()
{
    if (!m_post || !m_post->running())
        return false;
    m_post->cancel();
    return true;
}

void DownloadJob::drop()
{
    if (m_post) {
        m_post->disconnect(this);
        m_post->deleteLater();
        m_post = nullptr;
    }
}

} // namespace kitbench

#pragma once

#include "shell/JobHooks.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QListWidget;

namespace kitbench {

class FormPost;
class FormSender;
class frmWizard;

// ConfigureFormSender: the publishing counters and log start afresh, the proxy follows the connection
// page.
void ConfigureFormSender(frmWizard& wizard, FormSender& sender);

// Publishes the files of the documents list one after another through the server's publishing page:
// into the chosen library folder (upload job) or as attachments of the object just created. The
// queue runs on after PublishAll returns; its end moves the wizard on and unlocks the page.
class PublishQueue : public QObject
{
    Q_OBJECT
public:
    PublishQueue(frmWizard& wizard, FormSender& sender);
    ~PublishQueue() override;

    // Runs after the last file of a plan import into a new project; false keeps the wizard on the page.
    void setImportFollows(std::function<bool()> importStepOne) { m_importStepOne = std::move(importStepOne); }
    // Takes the server's answer to an uploaded workbook (list import); false keeps the wizard on the page.
    void setWorkbookReceived(std::function<bool(const QString&)> received)
    {
        m_workbookReceived = std::move(received);
    }

    // PublishAll from page `step` (6 or 20), which the caller has locked.
    StepResult PublishAll(int step);
    // Stops the running post (it then completes as failed); false when none runs.
    bool cancel();
    // Forgets the post without reporting anything.
    void drop();

private:
    void PublishNextFile();
    enum class NameCheck
    {
        Accepted,
        Refused, // the name is taken and the user did not replace the file, or the server said no
        Failed   // the call failed its outcome check, which has shown why
    };
    NameCheck CheckPublishFileName(QString& name);
    void currPublishedForm_UploadBegin(qint64 total);
    void currPublishedForm_UploadStep(qint64 done);
    void currPublishedForm_Completed(int status, int code);
    void skipRest(int textId);
    // The queue is done: the next page, then the bar hidden and the starting page unlocked.
    void finishQueue(bool lastSucceeded);
    void addToBar(int units);

    QListWidget* queue() const;
    QString firstEntry() const;

    frmWizard& m_wizard;
    FormSender& m_sender;
    QPointer<FormPost> m_post;
    std::function<bool()> m_importStepOne;
    std::function<bool(const QString&)> m_workbookReceived;
    QString m_lastAnswer; // the answer to the last file posted
    int m_step = 20;
    qint64 m_uploadTotal = 0;
    int m_uploadStep = 0;
    QString m_fileName;
};

} // namespace kitbench

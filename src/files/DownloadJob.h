#pragma once

#include "shell/JobHooks.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace kitbench {

class FormPost;
class FormSender;
class frmWizard;

// Page 7's Next: an external link opens in the browser; a stored file is fetched through the server's
// download page and saved where the user says. The transfer runs on after Start returns; its end moves
// the wizard to the final page (or leaves it on the page when the save is cancelled) and unlocks it.
class DownloadJob : public QObject
{
    Q_OBJECT
public:
    DownloadJob(frmWizard& wizard, FormSender& sender);

    StepResult Start();
    bool cancel();
    void drop();

private:
    void DownloadFile();
    // The file has begun to arrive: the save dialog names its place, once the place can take it.
    void currDownloadForm_FileArriving();
    void currDownloadForm_DownloadBegin(qint64 total);
    void currDownloadForm_DownloadStep(qint64 done);
    void currDownloadForm_DownloadEnd();
    void currDownloadForm_Completed(int status, int code);
    void saveNotDone();
    void finish(bool toFinalPage);
    QString nodeText() const;

    frmWizard& m_wizard;
    FormSender& m_sender;
    QPointer<FormPost> m_post;
    qint64 m_total = 0;
    bool m_saveCancelled = false;
};

} // namespace kitbench

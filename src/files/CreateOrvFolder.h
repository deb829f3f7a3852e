#pragma once

#include "platform/soap/IAsyncSOAPCall.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace kitbench {

class OrvProjectSoapClient;
class SoapClient;
class frmWizard;

// Asks for the name of a new folder and creates it on the server under ParentFolderId: a library
// folder, or a list folder with IsListFolder. The caller sets the public fields, shows the dialog
// modally and reads FolderCreated, FolderId and FolderName afterwards.
class CreateOrvFolder : public QDialog, public IAsyncSOAPCall
{
    Q_OBJECT
public:
    explicit CreateOrvFolder(QWidget* parent = nullptr);

    QString FolderName;
    qint16 FolderId = -1;
    qint16 ParentFolderId = 0;
    bool FolderCreated = false;
    bool IsListFolder = false;
    SoapClient* soapclient = nullptr;
    OrvProjectSoapClient* soapheader = nullptr;

    QLineEdit* NewOrvFolderText = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* CaptionLabel = nullptr;
    QProgressBar* ProgressBarAddNew = nullptr;

    // The new-folder buttons of the library and list folder pages: the dialog under the tree's current
    // node (the folder its key names is the parent); a created folder becomes a writable child node of it.
    static void run(frmWizard& wizard, QTreeWidget* tree, bool listFolder);

    void IAsyncSOAPCall_OnProgress(int progress, bool& cancel) override;
    void IAsyncSOAPCall_OnError(int type, int code, const QString& description) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Form_Load();
    void OKButton_Click();
    void CancelButton_Click();
    void createFolder();

    QString m_errorText;
    bool m_busy = false;
    bool m_cancel = false;
};

} // namespace kitbench

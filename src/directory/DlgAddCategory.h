#pragma once

#include "directory/CategoryEditList.h"
#include "platform/soap/IAsyncSOAPCall.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kitbench {

class OrvProjectSoapClient;
class SoapClient;

// The editor of one category list or of the project client dictionary: the user adds, renames and
// deletes entries, and OK sends every change to the server in one update document. The caller sets
// the public fields before showing it and reads them afterwards.
class DlgAddCategory : public QDialog, public IAsyncSOAPCall
{
    Q_OBJECT
public:
    explicit DlgAddCategory(QWidget* parent = nullptr);
    ~DlgAddCategory() override;

    // Captions of the kind: categories, or clients with the contact/organization choice. Call before
    // Form_Load; the texts come from the language pack.
    void setClientKind(bool clients);
    // Dialog load: the current entries (keys "C" + id) and the tracking reset.
    void Form_Load(const QList<CategoryEditorEntry>& entries);

    // The entries as the list shows them now.
    QList<CategoryEditorEntry> entries() const;
    QString MakeUpdateXml() const;

    void IAsyncSOAPCall_OnProgress(int progress, bool& cancel) override;
    void IAsyncSOAPCall_OnError(int type, int code, const QString& description) override;

    qint16 dlgResult = 0;
    bool ChangesWereMade = false;
    QList<qint32> arrDeleted;
    QList<qint32> arrEdited;
    qint16 catId = 0;
    OrvProjectSoapClient* soapheader = nullptr;
    SoapClient* soapclient = nullptr;

    QTreeWidget* ListViewCategories = nullptr;
    QLineEdit* TextNewCategory = nullptr;
    QComboBox* ClientTypeCombo = nullptr;
    QLabel* lblType = nullptr;
    QLabel* LabelList = nullptr;
    QLabel* LabelAdd = nullptr;
    QPushButton* CommandAdd = nullptr;
    QPushButton* CommandEdit = nullptr;
    QPushButton* CommandDelete = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QProgressBar* ProgressBarAddNew = nullptr;

private:
    void buildWindow();
    void TextNewCategory_Change();
    void CommandAdd_Click();
    void CommandEdit_Click();
    void CommandDelete_Click();
    void OKButton_Click();
    void CancelButton_Click();
    void ListViewCategories_AfterLabelEdit(QTreeWidgetItem* item);
    void appendItem(const CategoryEditorEntry& entry);
    void syncTracking();
    void setControlsEnabled(bool enabled);
    bool sendUpdate();

    std::unique_ptr<CategoryEditList> m_list;
    QString SoapErrorText;
    bool m_clients = false;
    bool m_filling = false;
};

} // namespace kitbench

#include "directory/DlgAddCategory.h"

#include "directory/DirectoryRequests.h"
#include "platform/soap/SoapClient.h"
#include "session/SoapOutcome.h"
#include "shell/Controls.h"
#include "shell/Localization.h"
#include "shell/TextCatalogue.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kitbench {

DlgAddCategory::DlgAddCategory(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgAddCategory"));
    buildWindow();
    setClientKind(false);
    Form_Load({});
}

DlgAddCategory::~DlgAddCategory() = default;

void DlgAddCategory::buildWindow()
{
    LabelList = makeLabel(this, "LabelList", 8003, QStringLiteral("Categories:"));
    ListViewCategories = makeControl<QTreeWidget>(this, "ListViewCategories");
    ListViewCategories->setColumnCount(1);
    ListViewCategories->setHeaderHidden(true);
    ListViewCategories->setRootIsDecorated(false);
    ListViewCategories->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListViewCategories->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LabelAdd = makeLabel(this, "LabelAdd", 8005, QStringLiteral("New category:"));
    TextNewCategory = makeControl<QLineEdit>(this, "TextNewCategory");
    lblType = makeLabel(this, "lblType", 2703, QStringLiteral("Type:"));
    ClientTypeCombo = makeControl<QComboBox>(this, "ClientTypeCombo");
    CommandAdd = makeControl<QPushButton>(this, "CommandAdd", 8008, QStringLiteral("&Add"));
    CommandEdit = makeControl<QPushButton>(this, "CommandEdit", 8013, QStringLiteral("&Edit"));
    CommandDelete = makeControl<QPushButton>(this, "CommandDelete", 8007, QStringLiteral("&Delete"));
    OKButton = makeControl<QPushButton>(this, "OKButton", 8009, QStringLiteral("OK"));
    CancelButton = makeControl<QPushButton>(this, "CancelButton", 8010, QStringLiteral("Cancel"));
    ProgressBarAddNew = makeControl<QProgressBar>(this, "ProgressBarAddNew");
    ProgressBarAddNew->setTextVisible(false);
    OKButton->setAutoDefault(false);
    CommandAdd->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(LabelList, 0, 0, 1, 2);
    layout->addWidget(ListViewCategories, 1, 0, 3, 1);
    layout->addWidget(CommandEdit, 1, 1);
    layout->addWidget(CommandDelete, 2, 1);
    layout->addWidget(LabelAdd, 4, 0, 1, 2);
    layout->addWidget(TextNewCategory, 5, 0);
    layout->addWidget(CommandAdd, 5, 1);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(lblType);
    typeRow->addWidget(ClientTypeCombo, 1);
    layout->addLayout(typeRow, 6, 0);
    layout->addWidget(ProgressBarAddNew, 7, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons, 8, 0, 1, 2);

    connect(TextNewCategory, &QLineEdit::textChanged, this, [this] { TextNewCategory_Change(); });
    connect(CommandAdd, &QPushButton::clicked, this, [this] { CommandAdd_Click(); });
    connect(CommandEdit, &QPushButton::clicked, this, [this] { CommandEdit_Click(); });
    connect(CommandDelete, &QPushButton::clicked, this, [this] { CommandDelete_Click(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    connect(TextNewCategory, &QLineEdit::returnPressed, this, [this] { CommandAdd_Click(); });
    connect(ListViewCategories, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item) { ListViewCategories_AfterLabelEdit(item); });
}

void DlgAddCategory::setClientKind(bool clients)
{
    m_clients = clients;
    setTextId(this, clients ? 8002 : 8001);
    setTextId(LabelList, clients ? 8004 : 8003);
    setTextId(LabelAdd, clients ? 8006 : 8005);
    ClientTypeCombo->clear();
    if (clients) {
        ClientTypeCombo->addItem(GetLocalizedText(8018));
        ClientTypeCombo->addItem(GetLocalizedText(8019));
        ClientTypeCombo->setCurrentIndex(0);
    }
    lblType->setVisible(clients);
    ClientTypeCombo->setVisible(clients);
    ApplyLocalization(this);
    setWindowTitle(GetLocalizedText(clients ? 8002 : 8001));
}

void DlgAddCategory::Form_Load(const QList<CategoryEditorEntry>& entries)
{
    ProgressBarAddNew->setVisible(false);
    SoapErrorText.clear();
    dlgResult = 0;
    ChangesWereMade = false;
    m_list = std::make_unique<CategoryEditList>(catId, entries);
    m_filling = true;
    ListViewCategories->clear();
    for (const CategoryEditorEntry& entry : entries)
        appendItem(entry);
    m_filling = false;
    syncTracking();
    TextNewCategory->clear();
    CommandAdd->setEnabled(false);
}

QList<CategoryEditorEntry> DlgAddCategory::entries() const
{
    return m_list->entries();
}

QString DlgAddCategory::MakeUpdateXml() const
{
    return kitbench::MakeUpdateXml(catId, m_list->entries(), arrEdited, arrDeleted);
}

void DlgAddCategory::appendItem(const CategoryEditorEntry& entry)
{
    const bool wasFilling = m_filling;
    m_filling = true;
    auto* item = new QTreeWidgetItem(ListViewCategories, QStringList{entry.text});
    item->setData(0, ItemKeyRole, entry.key);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_filling = wasFilling;
}

void DlgAddCategory::syncTracking()
{
    arrEdited = m_list->edited();
    arrDeleted = m_list->deleted();
}

void DlgAddCategory::TextNewCategory_Change()
{
    CommandAdd->setEnabled(!TextNewCategory->text().trimmed().isEmpty());
}

void DlgAddCategory::CommandAdd_Click()
{
    const QString text = TextNewCategory->text();
    if (text.trimmed().isEmpty())
        return;
    m_list->add(text, m_clients && ClientTypeCombo->currentIndex() == 1);
    appendItem(m_list->entries().constLast());
    TextNewCategory->clear();
    CommandAdd->setEnabled(false);
}

void DlgAddCategory::CommandEdit_Click()
{
    QTreeWidgetItem* item = ListViewCategories->currentItem();
    if (!item || !item->isSelected())
        return;
    ListViewCategories->setFocus();
    ListViewCategories->editItem(item, 0);
}

void DlgAddCategory::ListViewCategories_AfterLabelEdit(QTreeWidgetItem* item)
{
    if (m_filling)
        return;
    const int index = ListViewCategories->indexOfTopLevelItem(item);
    if (index < 0)
        return;
    if (!m_list->rename(index, item->text(0))) {
        // A blank name is refused: the entry keeps its previous text.
        m_filling = true;
        item->setText(0, m_list->entries().at(index).text);
        m_filling = false;
        return;
    }
    syncTracking();
}

void DlgAddCategory::CommandDelete_Click()
{
    QList<int> indices;
    for (QTreeWidgetItem* item : ListViewCategories->selectedItems())
        indices.append(ListViewCategories->indexOfTopLevelItem(item));
    if (indices.isEmpty())
        return;
    m_list->remove(indices);
    std::sort(indices.begin(), indices.end(), std::greater<int>());
    for (int index : indices)
        delete ListViewCategories->takeTopLevelItem(index);
    syncTracking();
}

void DlgAddCategory::setControlsEnabled(bool enabled)
{
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (control != ProgressBarAddNew)
            control->setEnabled(enabled);
    if (enabled)
        TextNewCategory_Change();
}

bool DlgAddCategory::sendUpdate()
{
    const ServerCall update = categoryUpdateCall(catId, MakeUpdateXml());
    SoapCallResult result;
    if (soapclient) {
        QVariantList arguments = update.arguments;
        result = soapclient->call(update.method, arguments);
    } else {
        result.status = SoapCallResult::Status::Raised;
    }
    return CheckSoapOutcome(result, SoapErrorText, soapheader);
}

void DlgAddCategory::OKButton_Click()
{
    dlgResult = 1;
    ChangesWereMade = m_list->hasChanges();
    if (!ChangesWereMade) {
        accept();
        return;
    }
    setControlsEnabled(false);
    ProgressBarAddNew->setRange(0, 4);
    ProgressBarAddNew->setValue(0);
    ProgressBarAddNew->setVisible(true);
    const bool sent = sendUpdate();
    ProgressBarAddNew->setVisible(false);
    setControlsEnabled(true);
    if (sent)
        accept();
}

void DlgAddCategory::CancelButton_Click()
{
    dlgResult = 0;
    reject();
}

void DlgAddCategory::IAsyncSOAPCall_OnProgress(int progress, bool& cancel)
{
    Q_UNUSED(cancel);
    if (!ProgressBarAddNew->isHidden())
        ProgressBarAddNew->setValue(progress);
    if (progress != 4)
        SoapErrorText.clear();
}

void DlgAddCategory::IAsyncSOAPCall_OnError(int type, int code, const QString& description)
{
    Q_UNUSED(type);
    Q_UNUSED(code);
    SoapErrorText = description;
}

} // namespace kitbench

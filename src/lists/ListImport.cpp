#include "lists/ListImport.h"

#include "calendar/CalendarExport.h"
#include "files/DocumentsPage.h"
#include "files/FileJobs.h"
#include "items/CreateCalls.h"
#include "items/ItemPageValues.h"
#include "lists/ExcelSheetPage.h"
#include "lists/ListImportOptionPage.h"
#include "lists/Workbook.h"
#include "platform/Message.h"
#include "platform/soap/OrvProjectSoapClient.h"
#include "session/SoapSession.h"
#include "shell/Controls.h"
#include "shell/frmWizard.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace kitbench {

namespace {

constexpr int kOptionPage = 16;
constexpr int kSheetPage = 17;

QTreeWidgetItem* addKeyedItem(QTreeWidget* list, const QString& text)
{
    auto* item = new QTreeWidgetItem(list, QStringList{text});
    item->setData(0, ItemKeyRole, text);
    return item;
}

} // namespace

ListImport::ListImport(frmWizard& wizard, FileJobs& files) : m_wizard(wizard), m_files(files)
{
    auto* option = static_cast<ListImportOptionPage*>(m_wizard.page(kOptionPage));
    QObject::connect(option->cmdBrowseFile, &QPushButton::clicked, option, [this] { cmdBrowseFile_Click(); });
    ExcelSheetPage* sheets = sheetPage();
    QObject::connect(sheets->ExcelSheetList, &QTreeWidget::itemClicked, sheets,
                     [this] { ExcelSheetList_Click(); });
}

ExcelSheetPage* ListImport::sheetPage() const
{
    return static_cast<ExcelSheetPage*>(m_wizard.page(kSheetPage));
}

void ListImport::cmdBrowseFile_Click()
{
    const std::optional<QString> path = MessageService::instance().askFile(
        Message::fromId(5010), FileQuestion{false, QString(), QStringLiteral("Excel Files (*.xls *.xlsx)")});
    if (path && !path->isEmpty())
        static_cast<ListImportOptionPage*>(m_wizard.page(kOptionPage))->txtExcelFilePath->setText(*path);
}

StepResult ListImport::uploadWorkbook(int step)
{
    WizardState& state = m_wizard.state();
    const QString path =
        step == kOptionPage
            ? static_cast<ListImportOptionPage*>(m_wizard.page(kOptionPage))->txtExcelFilePath->text()
            : state.ImportFilePath;
    if (OrvProjectSoapClient* header = m_wizard.session().soapheader())
        header->ServerErrorMessage = QStringLiteral("OK");
    state.WorkbookDescription.clear();
    QListWidget* queue = static_cast<DocumentsPage*>(m_wizard.page(20))->PublishedFileList;
    queue->clear();
    queue->addItem(path);
    state.CreatedObjectId = -1; // the workbook belongs to no object yet
    return m_files.startPublishing(step);
}

bool ListImport::workbookReceived(const QString& answer)
{
    SoapSession& session = m_wizard.session();
    if (!session.SoapErrorText.isEmpty()) {
        MessageService::instance().show(Message::fromText(session.SoapErrorText));
        return false;
    }
    // The answer passes through the exchange file the list import shares with other tools.
    const QString path = GetImportXMLListFields();
    CreateDirectory(path);
    QString failure = saveXmlDocument(answer, path);
    QString stored;
    QFile file(path);
    if (failure.isEmpty() && file.open(QIODevice::ReadOnly))
        stored = QString::fromUtf8(file.readAll());
    file.close();
    QFile::remove(path);
    const std::optional<Workbook> workbook = parseWorkbook(stored);
    if (!workbook) {
        MessageService::instance().show(Message::fromId(5005));
        return false;
    }
    m_wizard.state().WorkbookDescription = stored;
    QTreeWidget* sheets = sheetPage()->ExcelSheetList;
    sheets->clear();
    for (const WorkbookSheet& sheet : workbook->sheets)
        addKeyedItem(sheets, sheet.name);
    return true;
}

void ListImport::fillSheetFields()
{
    QTreeWidget* sheets = sheetPage()->ExcelSheetList;
    QTreeWidgetItem* first = sheets->topLevelItem(0);
    sheets->setCurrentItem(first);
    fillColumns(first ? first->data(0, ItemKeyRole).toString() : QString());
}

void ListImport::ExcelSheetList_Click()
{
    const QTreeWidgetItem* sheet = sheetPage()->ExcelSheetList->currentItem();
    fillColumns(sheet ? sheet->data(0, ItemKeyRole).toString() : QString());
}

void ListImport::fillColumns(const QString& sheet)
{
    QTreeWidget* columns = sheetPage()->ExcelSheetFieldList;
    columns->clear();
    const std::optional<Workbook> workbook = parseWorkbook(m_wizard.state().WorkbookDescription);
    if (!workbook || sheet.isEmpty())
        return;
    for (const QString& column : workbook->columnsOf(sheet))
        addKeyedItem(columns, column)->setCheckState(0, Qt::Checked);
}

bool ListImport::createListFromSheet()
{
    const ExcelSheetPage* page = sheetPage();
    const std::optional<Workbook> workbook = parseWorkbook(m_wizard.state().WorkbookDescription);
    const QTreeWidgetItem* sheet = page->ExcelSheetList->currentItem();
    QStringList columns;
    for (int i = 0; i < page->ExcelSheetFieldList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* column = page->ExcelSheetFieldList->topLevelItem(i);
        if (column->checkState(0) == Qt::Checked)
            columns << column->data(0, ItemKeyRole).toString();
    }
    QProgressBar* bar = m_wizard.progressBar();
    bar->setRange(0, 4);
    bar->setValue(0);
    bar->setVisible(true);
    const std::optional<ServerCall> call =
        listFromSheetCall(ItemPageValues(m_wizard).list(), workbook ? workbook->file : QString(),
                          sheet ? sheet->data(0, ItemKeyRole).toString() : QString(), columns,
                          page->IgnoreErrorImportRowCheck->isChecked());
    SoapSession& session = m_wizard.session();
    SoapCallResult result;
    if (call) {
        QVariantList arguments = call->arguments;
        result = session.call(call->method, arguments);
    } else {
        result.status = SoapCallResult::Status::Raised; // a list choice that cannot be read
    }
    bar->setVisible(false);
    if (result.ok())
        m_wizard.state().CreatedObjectId = result.result.toInt();
    return session.CheckSoapOutcome(result);
}

} // namespace kitbench

#include "lists/ExcelSheetPage.h"

#include "shell/Controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kitbench {

namespace {

QTreeWidget* makeFlatList(QWidget* parent, const char* name)
{
    auto* list = makeControl<QTreeWidget>(parent, name);
    list->setHeaderHidden(true);
    list->setColumnCount(1);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

} // namespace

ExcelSheetPage::ExcelSheetPage(QWidget* parent)
    : WizardPage(17, 0, QStringLiteral("Step 2-11-1 Select fields"), parent)
{
    lblExcelSheetHeading = makeHeading(this, "lblExcelSheetHeading", 3107, QStringLiteral("Create List"));
    lblExcelSheetHint = makeLabel(this, "lblExcelSheetHint", 3310,
                                  QStringLiteral("Select one of the sheets for import and mark the necessary "
                                                 "fields. To continue, click Next."));

    ExcelSheetList = makeFlatList(this, "ExcelSheetList");
    ExcelSheetFieldList = makeFlatList(this, "ExcelSheetFieldList");

    lblExcelSheets = makeLabel(this, "lblExcelSheets", 3307, QStringLiteral("Available sheets:"));
    lblExcelSheets->setBuddy(ExcelSheetList);
    lblExcelSheetFields = makeLabel(this, "lblExcelSheetFields", 3308, QStringLiteral("Available fields:"));
    lblExcelSheetFields->setBuddy(ExcelSheetFieldList);

    IgnoreErrorImportRowCheck =
        makeControl<QCheckBox>(this, "IgnoreErrorImportRowCheck", 3309, QStringLiteral("Ignore error rows"));

    auto* lists = new QGridLayout;
    lists->addWidget(lblExcelSheets, 0, 0);
    lists->addWidget(ExcelSheetList, 1, 0);
    lists->addWidget(lblExcelSheetFields, 0, 1);
    lists->addWidget(ExcelSheetFieldList, 1, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);
    lists->setRowStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblExcelSheetHeading);
    layout->addWidget(lblExcelSheetHint);
    layout->addLayout(lists, 1);
    layout->addWidget(IgnoreErrorImportRowCheck);
}

void ExcelSheetPage::resetPage()
{
    IgnoreErrorImportRowCheck->setChecked(false);
}

QList<QWidget*> ExcelSheetPage::lockableControls() const
{
    return {ExcelSheetList, ExcelSheetFieldList};
}

void ExcelSheetPage::prepareEntry(const WizardState& /*state*/, int /*direction*/)
{
    if (ExcelSheetList->topLevelItemCount() > 0)
        ExcelSheetList->setCurrentItem(ExcelSheetList->topLevelItem(0));
}

} // namespace kitbench

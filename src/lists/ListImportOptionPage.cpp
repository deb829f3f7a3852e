#include "shell/TextCatalogue.h"
#include "lists/ListImportOptionPage.h"

#include "shell/Controls.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kitbench {

ListImportOptionPage::ListImportOptionPage(QWidget* parent)
    : WizardPage(16, 0, QStringLiteral("Step 2-11-0 Select Option (Existing or New List)"), parent)
{
    ImageImportList = makeControl<QLabel>(this, "ImageImportList");
    ImageImportList->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImageImportList->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    lblListOption = makeHeading(this, "lblListOption", 3301, QStringLiteral("Import a List from Excel"));
    lblListQuestion =
        makeLabel(this, "lblListQuestion", 3302, QStringLiteral("How would you like to import a list?"));

    OptionListNew = makeControl<QRadioButton>(this, "OptionListNew", 3304, QStringLiteral("Create New List"));
    OptionListExisting = makeControl<QRadioButton>(this, "OptionListExisting", 3305,
                                                   QStringLiteral("Import into an Existing List"));
    auto* options = new QButtonGroup(this);
    options->setObjectName(QStringLiteral("ListImportOptionGroup"));
    options->addButton(OptionListNew);
    options->addButton(OptionListExisting);
    OptionListNew->setChecked(true);

    lblExcelFile = makeLabel(this, "lblExcelFile", 3303, QStringLiteral("Excel workbook:"));
    txtExcelFilePath = makeControl<QLineEdit>(this, "txtExcelFilePath");
    lblExcelFile->setBuddy(txtExcelFilePath);
    cmdBrowseFile = makeControl<QPushButton>(this, "cmdBrowseFile", 9301, QStringLiteral("&Browse..."));

    lblListOptionHint =
        makeLabel(this, "lblListOptionHint", 2614, QStringLiteral("To continue, click Next."));

    auto* header = new QHBoxLayout;
    header->addWidget(lblListOption, 1);
    header->addWidget(ImageImportList, 0, Qt::AlignTop);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(txtExcelFilePath, 1);
    fileRow->addWidget(cmdBrowseFile);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(lblListQuestion);
    layout->addWidget(OptionListNew);
    layout->addWidget(OptionListExisting);
    layout->addSpacing(12);
    layout->addWidget(lblExcelFile);
    layout->addLayout(fileRow);
    layout->addStretch(1);
    layout->addWidget(lblListOptionHint);
}

QList<QWidget*> ListImportOptionPage::lockableControls() const
{
    return {OptionListNew, OptionListExisting, cmdBrowseFile, txtExcelFilePath};
}

void ListImportOptionPage::prepareEntry(const WizardState& /*state*/, int /*direction*/)
{
    lblListOption->setText(GetLocalizedText(3301));
}

} // namespace kitbench

#include "lists/ListFieldsPage.h"

#include "shell/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kitbench {

ListFieldsPage::ListFieldsPage(QWidget* parent)
    : WizardPage(15, 0, QStringLiteral("Step 2-10-1 Create Fields"), parent)
{
    Label91 = makeHeading(this, "Label91", 3112, QStringLiteral("Create Fields"));

    ListDictionaryFieldList = makeControl<QListWidget>(this, "ListDictionaryFieldList");
    ListSelectedFieldList = makeControl<QListWidget>(this, "ListSelectedFieldList");
    ListFieldDataTypeCombo = makeControl<QComboBox>(this, "ListFieldDataTypeCombo");
    ListFieldDataTypeCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ListFieldDataTypeCombo->setMinimumContentsLength(12);
    ListFieldNewCommand =
        makeControl<QPushButton>(this, "ListFieldNewCommand", 3115, QStringLiteral("New Field"));

    lblDictionaryFields =
        makeLabel(this, "lblDictionaryFields", 3114, QStringLiteral("Fields Available in Dictionary:"));
    lblDictionaryFields->setBuddy(ListDictionaryFieldList);
    lblSelectedFields = makeLabel(this, "lblSelectedFields", 3113, QStringLiteral("Selected Fields:"));
    lblSelectedFields->setBuddy(ListSelectedFieldList);
    lblFieldDataType = makeLabel(this, "lblFieldDataType", 3114, QStringLiteral("Data Type:"));
    lblFieldDataType->setWordWrap(false);
    lblFieldDataType->setBuddy(ListFieldDataTypeCombo);

    auto* lists = new QGridLayout;
    lists->addWidget(lblDictionaryFields, 0, 0);
    lists->addWidget(ListDictionaryFieldList, 1, 0);
    lists->addWidget(lblSelectedFields, 0, 1);
    lists->addWidget(ListSelectedFieldList, 1, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);
    lists->setRowStretch(1, 1);

    auto* newField = new QHBoxLayout;
    newField->addWidget(lblFieldDataType);
    newField->addWidget(ListFieldDataTypeCombo);
    newField->addWidget(ListFieldNewCommand);
    newField->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label91);
    layout->addLayout(lists, 1);
    layout->addLayout(newField);
}

} // namespace kitbench

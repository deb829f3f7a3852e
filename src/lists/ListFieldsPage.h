#pragma once

#include "shell/WizardPage.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace kitbench {

// Page 15: fields of a new list, taken from the field dictionary or made new with a data type.
// No move of the wizard leads here; the page is kept so that every page number has its frame.
class ListFieldsPage : public WizardPage
{
    Q_OBJECT
public:
    explicit ListFieldsPage(QWidget* parent = nullptr);

    QLabel* Label91 = nullptr;
    QLabel* lblDictionaryFields = nullptr;
    QListWidget* ListDictionaryFieldList = nullptr;
    QLabel* lblSelectedFields = nullptr;
    QListWidget* ListSelectedFieldList = nullptr;
    // Carries the same text id as lblDictionaryFields.
    QLabel* lblFieldDataType = nullptr;
    QComboBox* ListFieldDataTypeCombo = nullptr;
    QPushButton* ListFieldNewCommand = nullptr;
};

} // namespace kitbench

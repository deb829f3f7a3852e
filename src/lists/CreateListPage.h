#pragma once

#include "shell/WizardPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace kitbench {

// Page 14: title, kind and place of a new list (create-list job and list import).
class CreateListPage : public WizardPage
{
    Q_OBJECT
public:
    explicit CreateListPage(QWidget* parent = nullptr);

    // Page entry: a list made from a workbook takes no template.
    void prepareEntry(const WizardState& state, int direction) override;

    QLabel* Label52 = nullptr;
    QLabel* lblListTitle = nullptr;
    QLineEdit* ListTitleText = nullptr;
    QLabel* lblListType = nullptr;
    QComboBox* ListTypeCombo = nullptr;
    QLabel* lblListStatus = nullptr;
    QComboBox* ListStatusCombo = nullptr;
    QLabel* lblListTemplate = nullptr;
    QComboBox* ListTemplateCombo = nullptr;
    QLabel* lblListDescription = nullptr;
    QPlainTextEdit* ListDescriptionText = nullptr;
    QLabel* lblListCategories = nullptr;
    QTreeWidget* ListCategoriesListView = nullptr;
    QLabel* lblListFolder = nullptr;
    QTreeWidget* ListFolderTreeView = nullptr;
    QPushButton* AddNewListFolderCommand = nullptr;

    QWidget* firstField() const override;

    // The template combo is locked only where it is in use (it stays disabled in the list import).
    void setLocked(bool busy) override;

    // Empty title and description, first entries of the combos, no folder chosen, no new folder.
    void resetPage() override;

protected:
    QList<QWidget*> lockableControls() const override;

private:
    bool m_locked = false;
    bool m_templateEnabledBeforeLock = true;
};

} // namespace kitbench

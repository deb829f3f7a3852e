#pragma once

#include "directory/DirectoryRows.h"
#include "directory/ProjectList.h"

#include <QString>

#include <optional>

class QComboBox;
class QTreeWidget;

namespace kitbench {

class frmWizard;

// Puts the server's directory answers on the item and project pages: the project combos, the
// category lists and every dictionary pick list, with the edit buttons and the profile's time zone.
class ItemPageFill
{
public:
    explicit ItemPageFill(frmWizard& wizard);

    // The run mode's project combo ("no project" first); keeps the answer for the to-do managers.
    void FillItemProjectCombos(const QString& xml);
    // Clears the category lists of the item and project pages and fills the run mode's list.
    void FillCategoryLists(const QString& xml);
    // The pick lists of the run mode, the edit buttons and CanEditCategories, and the profile's time
    // zone (asking the user when it differs from the computer's). An answer that does not parse
    // changes nothing.
    void FillDictionaryControls(const QString& xml);
    // The to-do page's manager list for the chosen project: every possible manager without a
    // project (the current user selected), the project's manager with one.
    void ToDoProjectCombo_Click();

    // The control is cleared and gets the entries in order; the fill's selection (or none) is set.
    static void fillCombo(QComboBox* combo, const ComboFill& fill);
    // Check-box list: one unchecked item per row, key in ItemKeyRole.
    static void fillCheckList(QTreeWidget* list, const QList<ListRow>& rows);

private:
    frmWizard& m_wizard;
    std::optional<ProjectList> m_projects;
};

} // namespace kitbench

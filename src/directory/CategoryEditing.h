#pragma once

#include "directory/CategoryEditList.h"

#include <QList>
#include <QObject>
#include <QString>

namespace kitbench {

class frmWizard;

// The "..." buttons beside the category lists of the item and project pages and beside the project
// client combo: each opens DlgAddCategory on its list and, when the server took the changes, reloads
// that list from the server.
class CategoryEditing : public QObject
{
    Q_OBJECT
public:
    // The kinds of list the editor works on.
    enum Kind
    {
        Clients = 0,
        IncidentCategories = 1,
        TaskCategories = 2,
        EventCategories = 3,
        ProjectCategories = 4
    };

    // Owned by the window (its QObject child).
    explicit CategoryEditing(frmWizard& wizard);
    // The window's editor openers, created and connected on first use.
    static CategoryEditing* attach(frmWizard& wizard);

    // The catId the update call sends for a kind: 0 clients, 7 incident, 5 task, 4 event, 3 project.
    static qint16 catIdOf(int kind);
    // The opener button of a kind and the control whose entries it edits.
    static QString openerButtonOf(int kind);
    static QString sourceListOf(int kind);

    // Opens the editor on a kind's list; reloads the list when changes were saved.
    void EditCategoryList(int kind);

private:
    QList<CategoryEditorEntry> currentEntries(int kind) const;
    void reload(int kind);
    int pageStepOf(int kind) const;

    frmWizard& m_wizard;
};

} // namespace kitbench

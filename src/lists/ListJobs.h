#pragma once

#include "directory/ServerCall.h"

#include <QString>

#include <functional>
#include <optional>

namespace kitbench {

class frmWizard;
class ItemPageFill;

// The server work of the create-list and import-list jobs on the create list page: the loads after
// connecting (categories, dictionaries, list folders), the folder tree and the page's Next check.
class ListJobs
{
public:
    // One load call: its answer, or "" when it failed (the caller keeps the failure).
    using Load = std::function<QString(const std::optional<ServerCall>&)>;
    // The standard check of the loads: false (its message shown) when one of them failed.
    using Check = std::function<bool()>;

    ListJobs(frmWizard& wizard, ItemPageFill& fill);

    // Loads and fills page 14 for CREATELIST and IMPORTLIST; false when a load failed.
    bool loadForRunMode(int runMode, const Load& load, const Check& check);
    // CheckPageData of page 14: the title, a folder chosen, a folder that can take the list.
    bool checkPageData();
    // Rebuilds ListFolderTreeView from a GetListFolders answer; an answer that does not load leaves
    // the tree as it is.
    void FillListFolderTree(const QString& xml);

private:
    frmWizard& m_wizard;
    ItemPageFill& m_fill;
};

} // namespace kitbench

#pragma once

#include "directory/ServerCall.h"

#include <memory>
#include <optional>

namespace kitbench {

class frmWizard;
class ItemPageDefaults;
class ItemPageFill;
class ItemPageValues;

// The server work of the item and project jobs: the loads after connecting and the fills of the item
// pages, the page checks, and CreateObjectOnServer on page 20 (page 14 for a new list).
class ItemJobs
{
public:
    explicit ItemJobs(frmWizard& wizard);
    ~ItemJobs();

    // The connect sequence's loads for CREATEINCIDENT..CREATETODO and CREATEPROJECT, with the fills
    // and the item page's own preparation; true for run modes it has nothing to load for.
    bool loadForRunMode(int runMode);
    // CheckPageData of pages 2 to 5 and 8; true for other pages.
    bool checkPageData(int step);
    bool createObjectOnServer();
    // ResetItemPage of the item pages (Continue on the final page).
    void resetItemPages();

private:
    bool InitSoapClient();
    // One load call; "" when it failed (the failure is kept for the standard check).
    QString loadText(const std::optional<ServerCall>& call);
    bool callAndKeepId(const ServerCall& call);

    frmWizard& m_wizard;
    std::unique_ptr<ItemPageFill> m_fill;
    std::unique_ptr<ItemPageDefaults> m_defaults;
    std::unique_ptr<ItemPageValues> m_values;
    bool m_loadFailed = false;
    bool m_initFailed = false;
    struct LastCall;
    std::unique_ptr<LastCall> m_last;
};

} // namespace kitbench

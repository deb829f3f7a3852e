#pragma once

#include "people/PeopleQueries.h"

#include <memory>

class QObject;

namespace kitbench {

class TeamPage;
struct TeamPageInputs;
class frmWizard;

// The team page's server work: LoadResourcesPage when the page is about to be shown (Next on
// pages 3, 4, 5 and 9), and the page's handlers (search, group change, add, remove, add group).
class PeopleJobs
{
public:
    // Connects the handlers of the team page, which the window has already built.
    explicit PeopleJobs(frmWizard& wizard);
    ~PeopleJobs();

    // Prepares the team page for the job's item page: project-bound or group-based, the preselected
    // users of the start-up command in the selected list. False when the group query gave nothing
    // (the wizard then stays where it is).
    bool LoadResourcesPage();

    // The people queries through the window's session, for the other pages that list users.
    PeopleQueries& queries() { return m_queries; }

    void FindCommand_Click();
    void ResourcesGroupCombo_Click();
    void AddNewUsersCommand_Click();
    void DelUsersCommand_Click();
    void AddGroupCommand_Click();
    void MustConfirmedCheck_Click();

private:
    TeamPage* teamPage() const;
    TeamPageInputs readInputs() const;
    void setSearchControlsEnabled(bool enabled);
    // The page lock and a progress bar of one server call around a handler's query.
    void beginPageWork();
    void endPageWork();

    frmWizard& m_wizard;
    PeopleQueries m_queries;
    bool m_projectBound = false;
    // Owns the connections to the page and the key filter of its lists: they end with this object.
    std::unique_ptr<QObject> m_handlers;
};

} // namespace kitbench

#pragma once

#include "people/PeopleQueries.h"

#include <memory>

class QObject;

namespace kitbench {

class TemplatesPage;
class frmWizard;

// The templates page's server work: LoadTemplatesPage when Next on the description page leads to it
// (a project job with a template chosen, on a server that has templates), and the page's handlers
// that hand the template's roles to users.
class TemplateAssignments
{
public:
    // Connects the handlers of the templates page, which the window has already built.
    explicit TemplateAssignments(frmWizard& wizard);
    ~TemplateAssignments();

    // LoadTemplatesPage for the template selected on the project page.
    bool loadForChosenTemplate();

    // Rebuilds the page for the template: its roles, the groups and the first group's members; the
    // assignments made before are dropped. False for jobs without templates and when the group query
    // gave nothing (the wizard then stays where it is).
    bool LoadTemplatesPage(qint32 templateId);

    void FindAssignmentCommand_Click();
    void AssignmentsGroupCombo_Click();
    void AddNewAssignmentCommand_Click();
    void DelAssignmentCommand_Click();

private:
    TemplatesPage* templatesPage() const;
    // The page lock and a progress bar of one server call around a handler's query.
    void beginPageWork();
    void endPageWork();

    frmWizard& m_wizard;
    PeopleQueries m_queries;
    // Owns the connections to the page: they end with this object.
    std::unique_ptr<QObject> m_handlers;
};

} // namespace kitbench

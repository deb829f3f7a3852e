#include "shell/PageSet.h"

#include "calendar/CalendarExportPage.h"
#include "files/AssetPage.h"
#include "files/DocumentsPage.h"
#include "files/FolderPage.h"
#include "items/EventPage.h"
#include "items/IncidentPage.h"
#include "items/ProjectDescriptionPage.h"
#include "items/ProjectPage.h"
#include "items/TaskPage.h"
#include "items/TemplatesPage.h"
#include "items/ToDoPage.h"
#include "lists/CreateListPage.h"
#include "lists/ExcelSheetPage.h"
#include "lists/ListFieldsPage.h"
#include "lists/ListImportOptionPage.h"
#include "msproject/AssignmentsPage.h"
#include "msproject/ImportOptionPage.h"
#include "msproject/ProjectListPage.h"
#include "people/TeamPage.h"
#include "session/LoginPage.h"
#include "shell/FinalPage.h"
#include "shell/IntroductionPage.h"

namespace kitbench {

PageSet createPages(QWidget* parent)
{
    PageSet set;
    set.intro = new IntroductionPage(parent);
    set.login = new LoginPage(parent);
    set.project = new ProjectPage(parent);
    set.importOption = new ImportOptionPage(parent);
    set.listImportOption = new ListImportOptionPage(parent);
    set.documents = new DocumentsPage(parent);
    set.final = new FinalPage(parent);
    set.all = {set.intro,
               set.login,
               new IncidentPage(parent),
               new TaskPage(parent),
               new EventPage(parent),
               new ToDoPage(parent),
               new FolderPage(parent),
               new AssetPage(parent),
               set.project,
               new ProjectDescriptionPage(parent),
               new ProjectListPage(parent),
               set.importOption,
               new AssignmentsPage(parent),
               new CalendarExportPage(parent),
               new CreateListPage(parent),
               new ListFieldsPage(parent),
               set.listImportOption,
               new ExcelSheetPage(parent),
               new TeamPage(parent),
               new TemplatesPage(parent),
               set.documents,
               set.final};
    return set;
}

} // namespace kitbench

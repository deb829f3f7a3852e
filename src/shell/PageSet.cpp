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
#include "shell/Artwork.h"
#include "shell/FinalPage.h"
#include "shell/IntroductionPage.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

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

void placePageArtwork(const PageSet& pages)
{
    pages.importOption->ImageImport->setPixmap(bitmapResource(5003, QSize(96, 96)));
    pages.listImportOption->ImageImportList->setPixmap(bitmapResource(5008, QSize(96, 96)));
    const QIcon edit(QStringLiteral(":/images/bitmap_5004.svg"));
    static_cast<IncidentPage*>(pages.all[2])->CommandIssueCategory->setIcon(edit);
    pages.project->CommandAddClient->setIcon(edit);
    pages.project->CommandAddProjectCategory->setIcon(edit);
    static_cast<FolderPage*>(pages.all[6])
        ->NewOrvFolderCommand->setIcon(QIcon(QStringLiteral(":/images/bitmap_5005.svg")));
}

} // namespace kitbench

#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"
#include "shell/WizardState.h"
#include "msproject/ProjectListPage.h"

#include "shell/Controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kitbench {

ProjectListPage::ProjectListPage(QWidget* parent)
    : WizardPage(10, 0, QStringLiteral("Step 2-8 Import Project"), parent)
{
    // The heading and the introduction switch between the import and the export wording on entry.
    lblImportProjectList =
        makeHeading(this, "lblImportProjectList", 2610, QStringLiteral("Select a Project"));
    Label69 =
        makeLabel(this, "Label69", 2639,
                  QStringLiteral("Please select one of the following projects that are active in the Orv "
                                 "that you wish to retrieve into MS Project"));

    lblProjectsList = makeLabel(this, "lblProjectsList", 2611, QStringLiteral("Projects:"));
    ListProjects = makeControl<QListWidget>(this, "ListProjects");
    ListProjects->setSelectionMode(QAbstractItemView::SingleSelection);
    lblProjectsList->setBuddy(ListProjects);

    lblProjectDescription =
        makeLabel(this, "lblProjectDescription", 2612, QStringLiteral("Project details:"));
    txtProjectDetails = makeControl<QPlainTextEdit>(this, "txtProjectDetails");
    txtProjectDetails->setReadOnly(true);
    lblProjectDescription->setBuddy(txtProjectDetails);

    lblIsSyncMsProjectMode =
        makeLabel(this, "lblIsSyncMsProjectMode", 2641,
                  QStringLiteral("The project stands in MS Project synchronization mode"));
    lblProjectListHint =
        makeLabel(this, "lblProjectListHint", 2614, QStringLiteral("To continue, click Next."));

    auto* lists = new QGridLayout;
    lists->addWidget(lblProjectsList, 0, 0);
    lists->addWidget(ListProjects, 1, 0);
    lists->addWidget(lblProjectDescription, 0, 1);
    lists->addWidget(txtProjectDetails, 1, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);
    lists->setRowStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblImportProjectList);
    layout->addWidget(Label69);
    layout->addLayout(lists, 1);
    layout->addWidget(lblIsSyncMsProjectMode);
    layout->addWidget(lblProjectListHint);
}

QList<QWidget*> ProjectListPage::lockableControls() const
{
    return {ListProjects, txtProjectDetails};
}

void ProjectListPage::prepareEntry(const WizardState& state, int /*direction*/)
{
    const bool import = state.RunMode == IMPORTPROJECT;
    lblImportProjectList->setText(GetLocalizedText(import ? 2609 : 2610));
    Label69->setText(GetLocalizedText(import ? 2640 : 2639));
    lblProjectsList->setText(GetLocalizedText(2611));
    lblProjectDescription->setText(GetLocalizedText(2612));
}

} // namespace kitbench

#include "shell/TextCatalogue.h"
#include "msproject/AssignmentsPage.h"

#include "shell/Controls.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kitbench {

AssignmentsPage::AssignmentsPage(QWidget* parent)
    : WizardPage(12, 0, QStringLiteral("Step 2-8-1 Resource Assignments"), parent)
{
    lblAssignments = makeHeading(this, "lblAssignments", 2615, QStringLiteral("Resource Assignments"));
    lblAssignmentsDescription =
        makeLabel(this, "lblAssignmentsDescription", 2616,
                  QStringLiteral("Double-click a user to choose the server user for that resource."));

    ListViewAssignments = makeControl<QTreeWidget>(this, "ListViewAssignments");
    ListViewAssignments->setColumnCount(2);
    ListViewAssignments->setHeaderLabels({QStringLiteral("Resource"), QStringLiteral("User")});
    ListViewAssignments->setProperty(kColumnTextIdsProperty, QVariantList{2628, 2629});
    ListViewAssignments->setRootIsDecorated(false);
    ListViewAssignments->setItemsExpandable(false);
    ListViewAssignments->setAllColumnsShowFocus(true);
    ListViewAssignments->setSelectionMode(QAbstractItemView::SingleSelection);
    ListViewAssignments->header()->setSectionResizeMode(QHeaderView::Stretch);
    lblAssignmentsDescription->setBuddy(ListViewAssignments);

    lblAssignmentsHint =
        makeLabel(this, "lblAssignmentsHint", 2614, QStringLiteral("To continue, click Next."));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblAssignments);
    layout->addWidget(lblAssignmentsDescription);
    layout->addWidget(ListViewAssignments, 1);
    layout->addWidget(lblAssignmentsHint);
}

QList<QWidget*> AssignmentsPage::lockableControls() const
{
    return {ListViewAssignments};
}

void AssignmentsPage::prepareEntry(const WizardState& /*state*/, int /*direction*/)
{
    lblAssignments->setText(GetLocalizedText(2615));
    lblAssignmentsDescription->setText(GetLocalizedText(2616));
    lblAssignmentsHint->setText(GetLocalizedText(2614));
}

} // namespace kitbench

#include "shell/IntroductionPage.h"

#include "shell/Artwork.h"
#include "shell/Controls.h"
#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QTreeWidget>

namespace kitbench {

IntroductionPage::IntroductionPage(QWidget* parent)
    : WizardPage(0, 1000, QStringLiteral("Introduction Screen"), parent)
{
    ImageIntro = makeControl<QLabel>(this, "ImageIntro");
    ImageIntro->setPixmap(bitmapResource(5006, QSize(160, 300)));
    ImageIntro->setAlignment(Qt::AlignTop);
    lblStep_0 = makeHeading(this, "lblStep_0", 1001, QStringLiteral("Welcome"));
    lblWelcome = makeLabel(this, "lblWelcome", 1003, QStringLiteral("Welcome text"));
    actionListView = makeControl<QTreeWidget>(this, "actionListView");
    actionListView->setHeaderHidden(true);
    actionListView->setRootIsDecorated(false);
    actionListView->setIconSize(QSize(32, 32));
    actionListView->setColumnCount(1);
    setAccessibleNameTextIds(actionListView, {9710});
    // Job entries are whole sentences; longer translations wrap instead of being cut off.
    actionListView->setWordWrap(true);
    actionListView->setTextElideMode(Qt::ElideNone);
    actionListView->hide();
    chkShowIntro = makeControl<QCheckBox>(this, "chkShowIntro", 1002, QStringLiteral("Skip this page next time"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(ImageIntro, 0, 0, 4, 1);
    layout->addWidget(lblStep_0, 0, 1);
    layout->addWidget(lblWelcome, 1, 1);
    layout->addWidget(actionListView, 2, 1);
    layout->addWidget(chkShowIntro, 3, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(1, 1);
}

void IntroductionPage::prepare(int runMode)
{
    actionListView->hide();
    if (runMode == RunModeNone) {
        chkShowIntro->hide();
        actionListView->show();
        actionListView->clear();
        for (int mode = 1; mode <= kRunModeCount; ++mode) {
            auto* entry = new QTreeWidgetItem(actionListView, {GetLocalizedText(runModeInfo(mode).listEntryTextId)});
            entry->setIcon(0, jobIcon(mode));
            entry->setData(0, ItemKeyRole, mode);
        }
    }
    lblStep_0->setText(GetLocalizedText(runModeInfo(runMode).stepTextId));
    lblWelcome->setText(GetLocalizedText(runModeInfo(runMode).welcomeTextId));
}

int IntroductionPage::selectedRunMode() const
{
    const QList<QTreeWidgetItem*> selected = actionListView->selectedItems();
    if (selected.isEmpty())
        return RunModeNone;
    return actionListView->indexOfTopLevelItem(selected.first()) + 1;
}

} // namespace kitbench

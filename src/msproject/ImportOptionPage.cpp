#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"
#include "shell/WizardState.h"
#include "msproject/ImportOptionPage.h"

#include "shell/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kitbench {

ImportOptionPage::ImportOptionPage(QWidget* parent)
    : WizardPage(11, 0, QStringLiteral("Step 2-8-0 Select Option (Existing or New Project)"), parent)
{
    ImageImport = makeControl<QLabel>(this, "ImageImport");
    ImageImport->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImageImport->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    lblProjectOption = makeHeading(this, "lblProjectOption", 2633, QStringLiteral("Import a Project Plan"));
    lblProjectQuestion =
        makeLabel(this, "lblProjectQuestion", 2634,
                  QStringLiteral("Would you like to import the plan into a new project or into "
                                 "an existing one?"));

    SelectProjectCombo = makeControl<QComboBox>(this, "SelectProjectCombo");
    SelectProjectCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    SelectProjectCombo->setMinimumContentsLength(20);
    lblProjectQuestion->setBuddy(SelectProjectCombo);

    CheckUseMsProjectSync = makeControl<QCheckBox>(this, "CheckUseMsProjectSync", 2644,
                                                   QStringLiteral("Switch to synchronization mode"));
    // Only a "4.7" server offers synchronization mode; the connection enables the box there.
    CheckUseMsProjectSync->setEnabled(false);

    lblSyncModeNote = makeLabel(this, "lblSyncModeNote", 2641,
                                QStringLiteral("The project stands in MS Project synchronization mode"));

    lblSelectXMLFile = makeLabel(this, "lblSelectXMLFile", 2613, QStringLiteral("MS Project XML file:"));
    txtFilePath = makeControl<QLineEdit>(this, "txtFilePath");
    lblSelectXMLFile->setBuddy(txtFilePath);
    cmdBrowse = makeControl<QPushButton>(this, "cmdBrowse", 9301, QStringLiteral("&Browse..."));

    lblProjectOptionHint =
        makeLabel(this, "lblProjectOptionHint", 2614, QStringLiteral("To continue, click Next."));

    auto* header = new QHBoxLayout;
    header->addWidget(lblProjectOption, 1);
    header->addWidget(ImageImport, 0, Qt::AlignTop);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(txtFilePath, 1);
    fileRow->addWidget(cmdBrowse);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(lblProjectQuestion);
    layout->addWidget(SelectProjectCombo);
    layout->addWidget(CheckUseMsProjectSync);
    layout->addWidget(lblSyncModeNote);
    layout->addSpacing(12);
    layout->addWidget(lblSelectXMLFile);
    layout->addLayout(fileRow);
    layout->addStretch(1);
    layout->addWidget(lblProjectOptionHint);
}

void ImportOptionPage::setLocked(bool busy)
{
    const bool syncCheckEnabled = CheckUseMsProjectSync->isEnabledTo(this);
    const bool wasLocked = m_locked;
    if (busy && !wasLocked)
        m_syncCheckEnabledBeforeLock = syncCheckEnabled;
    m_locked = busy;
    WizardPage::setLocked(busy);
    if (!busy)
        CheckUseMsProjectSync->setEnabled(wasLocked ? m_syncCheckEnabledBeforeLock : syncCheckEnabled);
}

QList<QWidget*> ImportOptionPage::lockableControls() const
{
    return {txtFilePath, SelectProjectCombo, CheckUseMsProjectSync, cmdBrowse};
}

void ImportOptionPage::prepareEntry(const WizardState& state, int /*direction*/)
{
    lblProjectOption->setText(GetLocalizedText(2633));
    lblProjectQuestion->setText(GetLocalizedText(2634));
    lblProjectOptionHint->setText(GetLocalizedText(2614));
    CheckUseMsProjectSync->setText(GetLocalizedText(2644));
    CheckUseMsProjectSync->setEnabled(state.ServerVersion == QLatin1String("4.7"));
    bool fileRowShown = false;
    if (state.RunMode == IMPORTPROJECT) {
        lblSelectXMLFile->setText(GetLocalizedText(2613));
        fileRowShown = state.ImportFilePath.isEmpty();
    }
    for (QWidget* control : {static_cast<QWidget*>(lblSelectXMLFile), static_cast<QWidget*>(txtFilePath),
                             static_cast<QWidget*>(cmdBrowse)}) {
        control->setVisible(fileRowShown);
        control->setEnabled(fileRowShown);
    }
}

} // namespace kitbench

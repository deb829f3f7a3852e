#include "shell/FinalPage.h"

#include "shell/Artwork.h"
#include "shell/Controls.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kitbench {

FinalPage::FinalPage(QWidget* parent) : WizardPage(21, 3000, QStringLiteral("Finished!"), parent)
{
    lblStep_5 = makeLabel(this, "lblStep_5", 3001, QStringLiteral("The job is done."));
    lblStep_5->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ContinueOption =
        makeControl<QRadioButton>(this, "ContinueOption", 5060, QStringLiteral("Continue working with Orv Kitbench"));
    CloseAndRunOption = makeControl<QRadioButton>(this, "CloseAndRunOption", 5058,
                                                  QStringLiteral("Close Orv Kitbench and Goto Orv Portal"));
    CloseOption = makeControl<QRadioButton>(this, "CloseOption", 5057, QStringLiteral("Close Orv Kitbench"));
    CloseOption->setChecked(true);
    // A link in looks, a button in behaviour: it can be reached with the keyboard.
    LabelGotoWeb = makeControl<QPushButton>(this, "LabelGotoWeb", 5000, QStringLiteral("Goto Orv Portal"));
    LabelGotoWeb->setFlat(true);
    LabelGotoWeb->setCursor(Qt::PointingHandCursor);
    LabelGotoWeb->setStyleSheet(QStringLiteral("QPushButton { color: palette(link); text-decoration: underline;"
                                               " border: none; text-align: left; padding: 0; }"));
    TextLog = makeControl<QPlainTextEdit>(this, "TextLog");
    TextLog->setReadOnly(true);
    TextLog->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeading(this, "lblFinished", 3000, QStringLiteral("Finished!")));
    layout->addWidget(lblStep_5);
    layout->addWidget(TextLog, 1);
    layout->addSpacing(12);
    layout->addWidget(ContinueOption);
    layout->addWidget(CloseAndRunOption);
    layout->addWidget(CloseOption);
    layout->addSpacing(8);
    layout->addWidget(LabelGotoWeb, 0, Qt::AlignLeft);
    layout->addStretch(1);
}

void FinalPage::showReport(const QString& report)
{
    lblStep_5->setText(report);
}

} // namespace kitbench

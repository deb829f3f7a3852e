#include "people/DlgOrvUsers.h"

#include "shell/Controls.h"
#include "shell/Localization.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kitbench {

DlgOrvUsers::DlgOrvUsers(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgOrvUsers"));
    setModal(true);
    UsersCombo = makeControl<QComboBox>(this, "UsersCombo");
    UsersCombo->setMinimumContentsLength(28);
    OKButton = makeControl<QPushButton>(this, "OKButton", 8009, QStringLiteral("OK"));
    CancelButton = makeControl<QPushButton>(this, "CancelButton", 8010, QStringLiteral("Cancel"));
    OKButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(UsersCombo);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKButton, &QPushButton::clicked, this, &DlgOrvUsers::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &DlgOrvUsers::CancelButton_Click);
    ApplyLocalization(this);
    Result = 0;
}

void DlgOrvUsers::OKButton_Click()
{
    Result = 1;
    hide();
}

void DlgOrvUsers::CancelButton_Click()
{
    Result = 0;
    hide();
}

void DlgOrvUsers::reject()
{
    CancelButton_Click();
}

} // namespace kitbench

#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace kitbench {

// The user choice dialog: one combo box of users, OK and Cancel. The caller fills the combo box,
// sets the caption and the selected entry, shows the dialog modally over the wizard (exec) and reads
// `Result` afterwards: 1 after OK, 0 after Cancel, closing the window, or before the first choice.
// Both buttons only hide the dialog, so one instance can be shown again and again.
class DlgOrvUsers : public QDialog
{
    Q_OBJECT
public:
    explicit DlgOrvUsers(QWidget* parent = nullptr);

    QComboBox* UsersCombo = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    int Result = 0;

    void OKButton_Click();
    void CancelButton_Click();

protected:
    // Escape and the window's close button answer like Cancel.
    void reject() override;
};

} // namespace kitbench

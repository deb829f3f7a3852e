#pragma once

#include "msproject/ImportConfig.h"

#include <QPointer>
#include <QString>

class QTreeWidgetItem;

namespace kitbench {

class DlgOrvUsers;
class frmWizard;

// The list of the resource assignments page: filled from the first import step's answer, changed
// by the user through the user chooser, read back into the second step's request.
class AssignmentList
{
public:
    explicit AssignmentList(frmWizard& wizard);
    ~AssignmentList();

    // Rows and column headers from the step-one answer; the chooser's users from it too.
    void fill(const QString& answer);
    // The step-two request from the rows as they stand.
    QString buildRequest() const;

    // A double-click on a row's user opens the chooser; on its resource it does nothing.
    void ListViewAssignments_DblClick(QTreeWidgetItem* item, int column);
    // The chooser, once it has been opened (it is kept until unloaded).
    DlgOrvUsers* chooser() const;
    void unloadChooser();

private:
    void fillChooser();

    frmWizard& m_wizard;
    QString m_answer;
    QList<ImportConfigUser> m_users;
    QPointer<DlgOrvUsers> m_chooser;
};

} // namespace kitbench

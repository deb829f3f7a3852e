#pragma once

#include "items/ItemValues.h"
#include "items/PageChecks.h"

class QComboBox;
class QDateTimeEdit;
class QTreeWidget;

namespace kitbench {

class frmWizard;

// Reads the item, project and list pages into the values the create calls and the page checks take.
class ItemPageValues
{
public:
    explicit ItemPageValues(frmWizard& wizard);

    IncidentValues incident() const;
    TaskValues task() const;
    EventValues event() const;
    ToDoValues toDo() const;
    ProjectValues project() const;
    ListValues list() const;

    // A key of a checked category or of a participant was not "<letter><number>": the values read
    // since the last reset are not fit to send.
    bool readFailed() const { return m_readFailed; }
    void resetReadFailed() { m_readFailed = false; }

    // The page check's view of the data page of `step` (2 to 5, 8) in the current job.
    PageCheckValues checkValues(int step) const;

    // The selected users and groups of the team page, in list order.
    QList<TeamRow> teamRows() const;

    // The item data of the selected entry; nothing when no entry is selected.
    static ComboData comboData(const QComboBox* combo);
    // Every item of a check-box list view with its key and check state, in list order.
    static QList<CheckedListItem> checkedItems(const QTreeWidget* list);
    // The page's local date-time: day picker plus the time picker's hour and minute.
    static QDateTime pageDateTime(const QDateTimeEdit* day, const QDateTimeEdit* time);

private:
    // A page date-time shifted into the profile's time zone, as it is sent.
    QDateTime sentDateTime(const QDateTimeEdit* day, const QDateTimeEdit* time) const;
    QList<qint32> participants() const;
    QList<qint32> checkedIdsOf(const QTreeWidget* list) const;

    frmWizard& m_wizard;
    mutable bool m_readFailed = false;
};

} // namespace kitbench

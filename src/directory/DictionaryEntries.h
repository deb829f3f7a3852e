#pragma once

#include "directory/DictionaryAnswer.h"
#include "directory/DirectoryRows.h"

#include <QMap>
#include <QString>

#include <optional>

namespace kitbench {

// What loading the dictionaries does to the pages of one run mode, as data: every control named here
// is cleared and gets exactly these entries; controls not named keep what they hold.
struct DictionaryFill
{
    QMap<QString, ComboFill> combos;         // by control name
    QMap<QString, QList<ListRow>> listViews; // by control name (portfolios; list categories cleared)
    QMap<QString, bool> visible;             // edit buttons and the to-do client combo
    std::optional<bool> canEditCategories;   // written by the incident and project fills only
};

// The fill rules of every pick list, by run mode and server version. `calendarPeriod` is the saved
// "CalendarPeriod" setting, the entry the calendar export preselects.
DictionaryFill dictionaryEntriesForRunMode(const DictionaryAnswer& answer, int runMode,
                                           const QString& serverVersion, int calendarPeriod = 0);

// Entries of one item dictionary in document order (text "Value", item data "Data").
QList<ComboEntry> dictionaryItemEntries(const DictionaryAnswer& answer, const QString& name);
// Entries of one user dictionary ("FirstName LastName", item data = "UserId"). `selected` receives
// the position of the (last) user marked "IsCurrentUser", or stays as it was.
QList<ComboEntry> dictionaryUserEntries(const DictionaryAnswer& answer, const QString& name,
                                        int* selected = nullptr);
// Organizations (item data minus "Data") followed by contacts (plus "Data") in one list.
QList<ComboEntry> clientEntries(const DictionaryAnswer& answer, const QString& organizations,
                                const QString& contacts);

// The project client combo reloaded after the client editor saved changes: "no client" (text 5038,
// item data 0) first and selected, then the clients: "ProjectClient" items as they are on servers
// before 4.5, organizations and contacts by the sign rule on 4.5 and 4.7.
ComboFill projectClientEntriesAfterEdit(const DictionaryAnswer& answer, const QString& serverVersion);

// The eight fixed reminders of the event page (texts 2312 to 2319, minutes before the event).
QList<ComboEntry> eventReminderEntries();

// Servers from 4.5 on know clients, incident boxes and severities.
bool serverHasClients(const QString& serverVersion);

} // namespace kitbench

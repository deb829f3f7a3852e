#include "directory/DictionaryEntries.h"

#include "shell/RunMode.h"

#include <limits>

namespace kitbench {
namespace {

ComboEntry fixedEntry(int textId, qint32 itemData)
{
    return ComboEntry{QString(), textId, itemData};
}

ComboFill filled(QList<ComboEntry> entries, int selected = -1)
{
    return ComboFill{std::move(entries), selected};
}

ComboFill withFirst(const ComboEntry& first, const QList<ComboEntry>& rest)
{
    ComboFill fill;
    fill.entries.append(first);
    fill.entries.append(rest);
    return fill;
}

void fillPriorities(DictionaryFill& fill, const DictionaryAnswer& answer, int runMode)
{
    static const struct
    {
        int runMode;
        const char* control;
    } combos[] = {{CREATEINCIDENT, "IncidentPriorityCombo"},
                  {CREATETASK, "TaskPriorityCombo"},
                  {CREATEEVENT, "EventPriorityCombo"},
                  {CREATETODO, "ToDoPriorityCombo"}};
    for (const auto& combo : combos) {
        ComboFill priorities;
        if (combo.runMode == runMode)
            priorities.entries = dictionaryItemEntries(answer, QStringLiteral("Priority"));
        fill.combos.insert(QString::fromLatin1(combo.control), priorities);
    }
}

void fillIncident(DictionaryFill& fill, const DictionaryAnswer& answer, const QString& version)
{
    const CurrentUserInfo user = answer.currentUser();
    const bool canEdit = user.isHDM || user.isAdmin || user.isPM || user.isPPM;
    fill.visible.insert(QStringLiteral("CommandIssueCategory"), canEdit);
    fill.canEditCategories = canEdit;
    fill.combos.insert(QStringLiteral("IncidentTypeCombo"),
                       filled(dictionaryItemEntries(answer, QStringLiteral("IncidentType"))));
    fill.combos.insert(QStringLiteral("IncidentSeverityCombo"),
                       filled(dictionaryItemEntries(answer, QStringLiteral("Severity"))));
    ComboFill clients;
    ComboFill boxes;
    if (serverHasClients(version)) {
        clients.entries =
            clientEntries(answer, QStringLiteral("IncidentOrganization"), QStringLiteral("IncidentContact"));
        boxes = withFirst(fixedEntry(2110, -1), dictionaryItemEntries(answer, QStringLiteral("IncidentBox")));
    }
    fill.combos.insert(QStringLiteral("IncidentClientCombo"), clients);
    fill.combos.insert(QStringLiteral("IncidentBoxCombo"), boxes);
}

void fillEvent(DictionaryFill& fill, const DictionaryAnswer& answer, const QString& version)
{
    fill.combos.insert(QStringLiteral("EventTypeCombo"),
                       filled(dictionaryItemEntries(answer, QStringLiteral("EventType"))));
    fill.combos.insert(QStringLiteral("EventManagerCombo"),
                       filled(dictionaryUserEntries(answer, QStringLiteral("Organizers"))));
    fill.combos.insert(QStringLiteral("EventReminderCombo"), filled(eventReminderEntries()));
    ComboFill clients;
    if (serverHasClients(version))
        clients.entries =
            clientEntries(answer, QStringLiteral("EventOrganization"), QStringLiteral("EventContact"));
    fill.combos.insert(QStringLiteral("EventClientCombo"), clients);
}

void fillToDo(DictionaryFill& fill, const DictionaryAnswer& answer, const QString& version)
{
    fill.combos.insert(QStringLiteral("ToDoCompetionTypeCombo"),
                       filled(dictionaryItemEntries(answer, QStringLiteral("CompletionType"))));
    const bool clients = serverHasClients(version);
    fill.visible.insert(QStringLiteral("ToDoClientCombo"), clients);
    if (clients)
        fill.combos.insert(
            QStringLiteral("ToDoClientCombo"),
            filled(clientEntries(answer, QStringLiteral("ToDoOrganization"), QStringLiteral("ToDoContact"))));
}

void fillList(DictionaryFill& fill, const DictionaryAnswer& answer, int runMode)
{
    fill.combos.insert(QStringLiteral("ListTypeCombo"),
                       filled(dictionaryItemEntries(answer, QStringLiteral("ListType"))));
    fill.combos.insert(QStringLiteral("ListStatusCombo"),
                       filled(dictionaryItemEntries(answer, QStringLiteral("ListStatus"))));
    // Importing a list from a sheet takes its columns from the sheet, never from a template.
    const QList<ComboEntry> templates = runMode == CREATELIST
                                            ? dictionaryItemEntries(answer, QStringLiteral("ListTemplate"))
                                            : QList<ComboEntry>();
    fill.combos.insert(QStringLiteral("ListTemplateCombo"), withFirst(fixedEntry(3101, 0), templates));
    fill.listViews.insert(QStringLiteral("ListCategoriesListView"), {});
}

void fillProject(DictionaryFill& fill, const DictionaryAnswer& answer)
{
    const CurrentUserInfo user = answer.currentUser();
    const bool canEdit = user.isAdmin || user.isPPM || user.isPM;
    fill.visible.insert(QStringLiteral("CommandAddClient"), canEdit);
    fill.visible.insert(QStringLiteral("CommandAddProjectCategory"), canEdit);
    fill.canEditCategories = canEdit;

    const ComboEntry none = fixedEntry(5038, 0);
    auto items = [&](const char* name) { return dictionaryItemEntries(answer, QString::fromLatin1(name)); };
    fill.combos.insert(QStringLiteral("ProjectTypeCombo"), filled(items("ProjectType")));
    fill.combos.insert(QStringLiteral("ProjectClientCombo"),
                       withFirst(none, clientEntries(answer, QStringLiteral("ProjectOrganization"),
                                                     QStringLiteral("ProjectContact"))));
    fill.combos.insert(QStringLiteral("ProjectStatusCombo"), filled(items("ProjectStatus")));
    fill.combos.insert(QStringLiteral("ProjectCalendarCombo"), filled(items("ProjectCalendar")));
    ComboFill managers;
    managers.entries =
        dictionaryUserEntries(answer, QStringLiteral("ProjectManager"), &managers.selectedIndex);
    fill.combos.insert(QStringLiteral("ProjectManagerCombo"), managers);
    fill.combos.insert(QStringLiteral("ProjectExecutiveCombo"),
                       withFirst(none, dictionaryUserEntries(answer, QStringLiteral("ExecutiveManager"))));
    fill.combos.insert(QStringLiteral("ProjectCurrencyCombo"), filled(items("ProjectCurrency")));
    fill.combos.insert(QStringLiteral("ProjectTemplateCombo"), withFirst(none, items("ProjectTemplate")));
    fill.combos.insert(QStringLiteral("ProjectPriorityCombo"), filled(items("ProjectPriority")));
    fill.combos.insert(QStringLiteral("ProjectPhaseCombo"), filled(items("ProjectPhase")));

    QList<ListRow> portfolios;
    const QList<DictionaryItem> rows = answer.items(QStringLiteral("ProjectPortfolio"));
    for (qsizetype i = 0; i < rows.size(); ++i)
        portfolios.append(
            {static_cast<int>(i) + 1, QLatin1Char('C') + QString::number(rows[i].data), rows[i].value});
    fill.listViews.insert(QStringLiteral("ProjectPortfolioListView"), portfolios);
}

void fillCalendar(DictionaryFill& fill, int calendarPeriod)
{
    ComboFill periods;
    for (int id = 2910; id <= 2918; ++id)
        periods.entries.append(fixedEntry(id, 0));
    // A setting that names no entry (edited by hand, from another version) falls back to today.
    periods.selectedIndex = calendarPeriod >= 0 && calendarPeriod < periods.entries.size() ? calendarPeriod : 0;
    fill.combos.insert(QStringLiteral("ExportCalendarTimeFilterCombo"), periods);
}

} // namespace

bool serverHasClients(const QString& serverVersion)
{
    return serverVersion == QLatin1String("4.5") || serverVersion == QLatin1String("4.7");
}

QList<ComboEntry> dictionaryItemEntries(const DictionaryAnswer& answer, const QString& name)
{
    QList<ComboEntry> entries;
    for (const DictionaryItem& item : answer.items(name))
        entries.append({item.value, 0, item.data});
    return entries;
}

QList<ComboEntry> dictionaryUserEntries(const DictionaryAnswer& answer, const QString& name, int* selected)
{
    QList<ComboEntry> entries;
    for (const DictionaryUser& user : answer.users(name)) {
        if (user.isCurrentUser && selected)
            *selected = static_cast<int>(entries.size());
        entries.append({user.displayName(), 0, user.userId});
    }
    return entries;
}

QList<ComboEntry> clientEntries(const DictionaryAnswer& answer, const QString& organizations,
                                const QString& contacts)
{
    // The sign of the item data tells organizations from contacts, and creating the item turns it back
    // into an id; the lowest 32-bit id has no positive counterpart, so an entry with it is left out.
    const auto representable = [](const DictionaryItem& item) {
        return item.data != std::numeric_limits<qint32>::min();
    };
    QList<ComboEntry> entries;
    for (const DictionaryItem& item : answer.items(organizations))
        if (representable(item))
            entries.append({item.value, 0, -item.data});
    for (const DictionaryItem& item : answer.items(contacts))
        if (representable(item))
            entries.append({item.value, 0, item.data});
    return entries;
}

ComboFill projectClientEntriesAfterEdit(const DictionaryAnswer& answer, const QString& serverVersion)
{
    const QList<ComboEntry> clients =
        serverHasClients(serverVersion)
            ? clientEntries(answer, QStringLiteral("ProjectOrganization"), QStringLiteral("ProjectContact"))
            : dictionaryItemEntries(answer, QStringLiteral("ProjectClient"));
    ComboFill fill = withFirst(fixedEntry(5038, 0), clients);
    fill.selectedIndex = 0;
    return fill;
}

QList<ComboEntry> eventReminderEntries()
{
    static constexpr qint32 minutes[] = {-1, 60, 240, 1440, 2880, 4320, 10080, 20160};
    QList<ComboEntry> entries;
    for (int i = 0; i < 8; ++i)
        entries.append(fixedEntry(2312 + i, minutes[i]));
    return entries;
}

DictionaryFill dictionaryEntriesForRunMode(const DictionaryAnswer& answer, int runMode,
                                           const QString& serverVersion, int calendarPeriod)
{
    DictionaryFill fill;
    fillPriorities(fill, answer, runMode);
    switch (runMode) {
    case CREATEINCIDENT:
        fillIncident(fill, answer, serverVersion);
        break;
    case CREATETASK:
        fill.combos.insert(QStringLiteral("TaskCompetionTypeCombo"),
                           filled(dictionaryItemEntries(answer, QStringLiteral("CompletionType"))));
        break;
    case CREATEEVENT:
        fillEvent(fill, answer, serverVersion);
        break;
    case CREATETODO:
        fillToDo(fill, answer, serverVersion);
        break;
    case CREATELIST:
    case IMPORTLIST:
        fillList(fill, answer, runMode);
        break;
    case CREATEPROJECT:
    case IMPORTPROJECT: // an answer exists only when the plan goes into a new project
        fillProject(fill, answer);
        break;
    case EXPORTCALENDAR:
        fillCalendar(fill, calendarPeriod);
        break;
    default:
        break;
    }
    return fill;
}

} // namespace kitbench

#include "items/ItemPageFill.h"

#include "directory/CategoryList.h"
#include "directory/DictionaryAnswer.h"
#include "directory/DictionaryEntries.h"
#include "items/DateStrings.h"
#include "items/ToDoPage.h"
#include "platform/Message.h"
#include "shell/Controls.h"
#include "shell/RunMode.h"
#include "shell/frmWizard.h"

#include <QComboBox>
#include <QTreeWidget>

namespace kitbench {

namespace {

template <typename W> W* control(frmWizard& wizard, const QString& name)
{
    return wizard.findChild<W*>(name);
}

} // namespace

ItemPageFill::ItemPageFill(frmWizard& wizard) : m_wizard(wizard) {}

void ItemPageFill::fillCombo(QComboBox* combo, const ComboFill& fill)
{
    if (!combo)
        return;
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const ComboEntry& entry : fill.entries)
        combo->addItem(entry.displayText(), QVariant::fromValue<qint32>(entry.itemData));
    // A combo box that gets entries selects its first one by itself; the fill decides instead.
    combo->setCurrentIndex(fill.selectedIndex < combo->count() ? fill.selectedIndex : -1);
}

void ItemPageFill::fillCheckList(QTreeWidget* list, const QList<ListRow>& rows)
{
    if (!list)
        return;
    list->setUpdatesEnabled(false);
    list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const ListRow& row : rows) {
        auto* item = new QTreeWidgetItem(QStringList{row.text});
        item->setData(0, ItemKeyRole, row.key);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        items.append(item);
    }
    list->addTopLevelItems(items);
    list->setUpdatesEnabled(true);
}

void ItemPageFill::FillItemProjectCombos(const QString& xml)
{
    const int runMode = m_wizard.state().RunMode;
    m_wizard.state().ItemProjectsXml = xml;
    m_projects = ProjectList::parse(xml);
    const QString own = itemProjectComboFor(runMode);
    for (const char* name :
         {"IncidentProjectCombo", "EventProjectCombo", "ToDoProjectCombo", "TaskProjectCombo"}) {
        const QString comboName = QString::fromLatin1(name);
        fillCombo(control<QComboBox>(m_wizard, comboName),
                  comboName == own ? itemProjectEntries(xml, runMode) : ComboFill{});
    }
}

void ItemPageFill::FillCategoryLists(const QString& xml)
{
    const WizardState& state = m_wizard.state();
    const CategoryFill fill = categoryEntriesForRunMode(xml, state.RunMode, state.ImportNewProject);
    for (const QString& name : fill.clearedListViews)
        fillCheckList(control<QTreeWidget>(m_wizard, name), {});
    if (!fill.targetListView.isEmpty())
        fillCheckList(control<QTreeWidget>(m_wizard, fill.targetListView), fill.rows);
}

void ItemPageFill::FillDictionaryControls(const QString& xml)
{
    const std::optional<DictionaryAnswer> answer = DictionaryAnswer::parse(xml);
    if (!answer)
        return;
    WizardState& state = m_wizard.state();

    const ProfileOffsetChoice offset = profileOffsetFor(answer->currentUser(), state.LocalTimeZoneOffset);
    state.ProfileTimeOffset = offset.profileTimeOffset;
    if (offset.askUser && MessageService::instance().show(timeZoneQuestion(
                              offset.profileTimeOffset, state.LocalTimeZoneOffset)) == MessageAnswer::No)
        state.ProfileTimeOffset = state.LocalTimeZoneOffset;

    // The calendar export preselects the period used last time.
    const int calendarPeriod =
        m_wizard.settings().read(QStringLiteral("CalendarPeriod"), QStringLiteral("0")).toInt();
    const DictionaryFill fill =
        dictionaryEntriesForRunMode(*answer, state.RunMode, state.ServerVersion, calendarPeriod);
    for (auto it = fill.combos.cbegin(); it != fill.combos.cend(); ++it)
        fillCombo(control<QComboBox>(m_wizard, it.key()), it.value());
    for (auto it = fill.listViews.cbegin(); it != fill.listViews.cend(); ++it)
        fillCheckList(control<QTreeWidget>(m_wizard, it.key()), it.value());
    for (auto it = fill.visible.cbegin(); it != fill.visible.cend(); ++it) {
        if (QWidget* widget = control<QWidget>(m_wizard, it.key()))
            widget->setVisible(it.value());
    }
    if (fill.canEditCategories)
        state.CanEditCategories = *fill.canEditCategories;
}

void ItemPageFill::ToDoProjectCombo_Click()
{
    auto* page = static_cast<ToDoPage*>(m_wizard.page(5));
    const int index = page->ToDoProjectCombo->currentIndex();
    if (!m_projects) {
        fillCombo(page->ToDoManagerCombo, {});
        return;
    }
    const qint32 projectId = index >= 0 ? page->ToDoProjectCombo->itemData(index).toInt() : 0;
    fillCombo(page->ToDoManagerCombo, toDoManagerEntries(*m_projects, index, projectId));
}

} // namespace kitbench

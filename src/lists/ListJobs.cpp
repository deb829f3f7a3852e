#include "lists/ListJobs.h"

#include "directory/DirectoryRequests.h"
#include "items/ItemPageFill.h"
#include "items/PageChecks.h"
#include "lists/CreateListPage.h"
#include "lists/ListFolders.h"
#include "platform/Message.h"
#include "shell/Artwork.h"
#include "shell/Controls.h"
#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QHash>
#include <QLineEdit>
#include <QProgressBar>
#include <QTreeWidget>

namespace kitbench {

namespace {

constexpr int kLanguageTextId = 12;

CreateListPage* createListPage(frmWizard& wizard)
{
    return static_cast<CreateListPage*>(wizard.page(14));
}

} // namespace

ListJobs::ListJobs(frmWizard& wizard, ItemPageFill& fill) : m_wizard(wizard), m_fill(fill) {}

bool ListJobs::loadForRunMode(int runMode, const Load& load, const Check& check)
{
    if (runMode != CREATELIST && runMode != IMPORTLIST)
        return true;
    const WizardState& state = m_wizard.state();
    QProgressBar* bar = m_wizard.progressBar();
    bar->setRange(0, 12);
    bar->setValue(0);
    bar->setVisible(true);
    const QString categories = load(categoryListCall(runMode, state.ImportNewProject));
    const QString dictionaries =
        load(loadDictionariesCall(GetLocalizedText(kLanguageTextId), runMode, state.ImportNewProject));
    const QString folders = load(listFoldersCall());
    bar->setVisible(false);
    if (!check())
        return false;

    m_fill.FillDictionaryControls(dictionaries);
    m_fill.FillCategoryLists(categories);
    FillListFolderTree(folders);
    createListPage(m_wizard)->resetPage();
    return true;
}

void ListJobs::FillListFolderTree(const QString& xml)
{
    const std::optional<QList<ListFolderNode>> folders = parseListFolders(xml);
    if (!folders)
        return;
    QTreeWidget* tree = createListPage(m_wizard)->ListFolderTreeView;
    const QSignalBlocker quiet(tree);
    tree->clear();
    QHash<QString, QTreeWidgetItem*> byKey;
    for (const ListFolderNode& folder : *folders) {
        QTreeWidgetItem* parent = folder.atRoot() ? nullptr : byKey.value(folder.parentKey);
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, folder.displayText(GetLocalizedText));
        item->setData(0, ItemKeyRole, folder.key);
        const QString iconKey =
            folder.canUserWrite ? QStringLiteral("<folder>") : QStringLiteral("<folder_gray>");
        item->setData(0, ItemIconKeyRole, iconKey);
        item->setIcon(0, imageListIcon(iconKey));
        // A folder that cannot take a list carries 0; the create call sends a writable folder's id
        // as the text it came in.
        item->setData(0, ItemTagRole,
                      folder.canUserWrite ? QVariant(folder.id) : QVariant::fromValue(qint16(0)));
        if (folder.atRoot() || !folder.canUserWrite)
            item->setExpanded(true);
        byKey.insert(folder.key, item);
    }
}

bool ListJobs::checkPageData()
{
    const CreateListPage* page = createListPage(m_wizard);
    PageCheckValues values;
    values.title = page->ListTitleText->text();
    const QTreeWidgetItem* folder = page->ListFolderTreeView->currentItem();
    values.nodeSelected = folder != nullptr;
    values.nodeTagIsZero = folder && folder->data(0, ItemTagRole).toInt() == 0;
    const QList<int> failures = pageCheckMessages(m_wizard.state().RunMode, values);
    for (int textId : failures)
        showMessage(textId);
    return failures.isEmpty();
}

} // namespace kitbench

// Directory answers: the trees and pick lists the pages fill from the server's XML.
#include "KitbenchEntries.h"

#include "directory/DictionaryEntries.h"
#include "directory/ProjectList.h"
#include "files/LibraryTree.h"
#include "lists/ListFolders.h"
#include "shell/RunMode.h"

#include <QSet>

using namespace kitbench;

namespace {

QString utf8Text(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

const QStringList kServerVersions{QStringLiteral("3.0"), QStringLiteral("4.0"), QStringLiteral("4.5"),
                                  QStringLiteral("4.7")};

// A tree control adds a node under a parent it already holds.
template <typename Node> void checkParentsFirst(const QList<Node>& nodes, const char* property)
{
    QSet<QString> added;
    for (const Node& node : nodes) {
        fuzzCheck(node.parentKey.isEmpty() || added.contains(node.parentKey), property);
        added.insert(node.key);
    }
}

void checkFill(const ComboFill& fill)
{
    fuzzCheck(fill.selectedIndex >= -1 && fill.selectedIndex < fill.entries.size(),
              "a combo fill selects one of its entries or none");
}

} // namespace

void fuzzLibraryTree(const std::uint8_t* data, std::size_t size)
{
    const QString xml = utf8Text(data, size);
    for (const int runMode : {int(UPLOAD), int(DOWNLOAD)}) {
        for (const QString& version : kServerVersions) {
            const std::optional<LibraryTrees> trees = buildLibraryTrees(xml, runMode, version);
            if (!trees)
                return; // the text does not load, whatever the job
            checkParentsFirst(trees->folders, "folder tree nodes come after their parents");
            checkParentsFirst(trees->assets, "file tree nodes come after their parents");
        }
    }
}

void fuzzListFolders(const std::uint8_t* data, std::size_t size)
{
    const std::optional<QList<ListFolderNode>> folders = parseListFolders(utf8Text(data, size));
    if (!folders)
        return;
    checkParentsFirst(*folders, "list folders come after their parents");
    for (const ListFolderNode& folder : *folders)
        fuzzCheck(folder.key == QLatin1Char('F') + folder.id, "a folder's key is made of its id");
}

void fuzzProjectList(const std::uint8_t* data, std::size_t size)
{
    const QString xml = utf8Text(data, size);
    for (int runMode = RunModeNone; runMode <= kRunModeCount; ++runMode)
        checkFill(itemProjectEntries(xml, runMode));
    const ComboFill selection = selectProjectEntries(xml);
    checkFill(selection);
    const std::optional<ProjectList> list = ProjectList::parse(xml);
    if (!list)
        return;
    const QList<ProjectRow> projects = list->projects();
    fuzzCheck(selection.entries.size() == projects.size() + 1, "the import list offers every project");
    fuzzCheck(importExportProjectEntries(xml).size() == projects.size(),
              "the export list shows every project");
    for (int position = 0; position <= projects.size(); ++position) {
        const QString details = projectDetailsText(xml, position, [](int id) { return QString::number(id); });
        fuzzCheck(details.isEmpty() == (position == projects.size()),
                  "each project has details, nothing else has");
    }
    checkFill(toDoManagerEntries(*list, 0, 0)); // the combo's first entry is "no project"
    for (int position = 0; position < projects.size(); ++position)
        checkFill(toDoManagerEntries(*list, position + 1, projects.at(position).objectId));
}

void fuzzDictionaries(const std::uint8_t* data, std::size_t size)
{
    const std::optional<DictionaryAnswer> answer = DictionaryAnswer::parse(utf8Text(data, size));
    if (!answer)
        return;
    answer->currentUser();
    for (int runMode = RunModeNone; runMode <= kRunModeCount; ++runMode) {
        for (const QString& version : kServerVersions) {
            const DictionaryFill fill = dictionaryEntriesForRunMode(*answer, runMode, version);
            for (const ComboFill& combo : fill.combos)
                checkFill(combo);
        }
    }
    for (const QString& version : kServerVersions)
        checkFill(projectClientEntriesAfterEdit(*answer, version));
}

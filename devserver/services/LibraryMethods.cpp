// The file library: its folder tree with files, new folders and the file-name check.
#include "services/AnswerXml.h"
#include "services/LibraryAccess.h"
#include "services/MethodRegistry.h"
#include "services/ObjectRefs.h"

#include <cstdlib>
#include <functional>
#include <vector>

namespace orvdev {
namespace {

void addAssets(Database& db, pugi::xml_node parent, std::int64_t folderId)
{
    db.each("SELECT a.id, COALESCE((SELECT MAX(v.id) FROM asset_versions v WHERE v.asset_id = a.id), 0),"
            " a.file_name, a.internal, COALESCE(a.url, '') FROM library_assets a WHERE a.folder_id = ?"
            " ORDER BY a.file_name",
            {folderId}, [&](const Row& r) {
                auto asset = parent.append_child("Asset");
                AnswerXml::add(asset, "Id", r.i(0));
                AnswerXml::add(asset, "VersionId", r.i(1));
                AnswerXml::add(asset, "FileName", r.s(2));
                AnswerXml::add(asset, "Internal", AnswerXml::boolText(r.i(3) != 0));
                AnswerXml::add(asset, "Url", r.s(4));
            });
}

// A folder the user may not read (another team's project library) is left out with its contents.
// Release 3.0 publishes into a folder by the number in its AssetId, so there every folder carries its
// own id; later releases give only a project library's folders one, the project's id.
void addFolder(Database& db, LibraryAccess& access, pugi::xml_node parent, std::int64_t id, bool recursive,
               bool folderIdAsAssetId)
{
    if (!access.canRead(id))
        return;
    const bool writable = access.canWrite(id);
    db.each("SELECT name, project_id FROM library_folders WHERE id = ?", {id}, [&](const Row& r) {
        auto folder = parent.append_child("Folder");
        AnswerXml::add(folder, "Id", id);
        AnswerXml::add(folder, "Name", r.s(0));
        AnswerXml::add(folder, "CanUserWrite", AnswerXml::boolText(writable));
        if (folderIdAsAssetId)
            AnswerXml::add(folder, "AssetId", id);
        else if (!r.isNull(1))
            AnswerXml::add(folder, "AssetId", r.i(1));
        auto children = folder.append_child("ChildList");
        if (!recursive)
            return;
        std::vector<std::int64_t> subfolders;
        db.each("SELECT id FROM library_folders WHERE parent_id = ? ORDER BY name", {id},
                [&](const Row& s) { subfolders.push_back(s.i(0)); });
        for (auto sub : subfolders)
            addFolder(db, access, children, sub, true, folderIdAsAssetId);
        addAssets(db, children, id);
    });
}

// folderId 0: the whole library (top-level folders, then the project libraries under <Projects>);
// projectId other than 0 limits the project part to that project.
std::optional<Value> fileLibraryDir(CallContext& call)
{
    AnswerXml answer("DirList");
    Database& db = call.db;
    LibraryAccess access(db, call.user);
    const std::int64_t folderId = call.num("folderId");
    const bool recursive = call.flag("recursive");
    const std::int64_t projectId = call.num("projectId");
    std::vector<std::int64_t> top, projects;
    if (folderId != 0) {
        db.each("SELECT id FROM library_folders WHERE parent_id = ? ORDER BY name", {folderId},
                [&](const Row& r) { top.push_back(r.i(0)); });
    } else {
        db.each("SELECT id FROM library_folders WHERE parent_id IS NULL AND project_id IS NULL ORDER BY id",
                {}, [&](const Row& r) { top.push_back(r.i(0)); });
        db.each("SELECT id FROM library_folders WHERE parent_id IS NULL AND project_id IS NOT NULL"
                " AND (?1 = 0 OR project_id = ?1) ORDER BY name",
                {projectId}, [&](const Row& r) { projects.push_back(r.i(0)); });
    }
    std::erase_if(projects, [&](std::int64_t id) { return !access.canRead(id); });
    for (auto id : top)
        addFolder(db, access, answer.root(), id, recursive, !call.version.atLeast(35));
    if (folderId != 0 && access.canRead(folderId))
        addAssets(db, answer.root(), folderId);
    if (!projects.empty()) {
        auto projectRoot = answer.root().append_child("Projects");
        for (auto id : projects)
            addFolder(db, access, projectRoot, id, recursive, !call.version.atLeast(35));
    }
    return Value::ofString(answer.text());
}

std::optional<Value> createFolder(CallContext& call)
{
    const std::int64_t parent = call.num("parentFolderId");
    const std::string name = call.str("folderName");
    ObjectRefs(call).requireTitle(name);
    auto projectId =
        call.db.scalar("SELECT COALESCE(project_id, 0) FROM library_folders WHERE id = ?", {parent});
    if (!projectId || !LibraryAccess(call.db, call.user).canWrite(parent))
        throw StatusError("You cannot create folders in library folder " + std::to_string(parent) + ".");
    if (call.db.scalar("SELECT 1 FROM library_folders WHERE parent_id = ? AND name = ?", {parent, name}))
        throw StatusError("A folder named '" + name + "' already exists here.");
    std::int64_t id = 0;
    call.db.transaction([&] {
        id = call.db.insert("INSERT INTO library_folders(parent_id, name, project_id) VALUES(?, ?, ?)",
                            {parent, name, *projectId ? SqlValue(*projectId) : SqlValue(nullptr)});
    });
    return Value::ofInt(id);
}

// 0 when the name is free, -1 when a file of that name is already in the folder (object type 10)
// or attached to the object.
std::optional<Value> checkFileName(CallContext& call)
{
    const std::int64_t type = call.num("objectTypeId");
    // A project in synchronization mode is named by its negative id.
    const std::int64_t id = type == 3 ? std::llabs(call.num("objectId")) : call.num("objectId");
    const std::string name = call.str("fileName");
    if (name.empty())
        throw StatusError("The file name is empty.");
    bool taken = type == 10
                     ? call.db
                           .scalar("SELECT 1 FROM library_assets WHERE folder_id = ? AND file_name = ?"
                                   " COLLATE NOCASE",
                                   {id, name})
                           .has_value()
                     : call.db
                           .scalar("SELECT 1 FROM library_assets WHERE object_type = ? AND object_id = ?"
                                   " AND file_name = ? COLLATE NOCASE",
                                   {type, id, name})
                           .has_value();
    return Value::ofInt(taken ? -1 : 0);
}

} // namespace

void registerLibraryMethods(MethodRegistry& registry)
{
    registry.add("FileLibraryDir", 30, fileLibraryDir);
    registry.add("CreateFolder", 40, createFolder);
    registry.add("CheckFileName", 45, checkFileName);
}

} // namespace orvdev

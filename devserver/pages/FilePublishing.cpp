#include "pages/FilePublishing.h"

#include "pages/Html.h"
#include "pages/WorkbookOutline.h"
#include "services/CallContext.h"
#include "services/LibraryAccess.h"
#include "services/ServiceDispatcher.h"
#include "store/Database.h"
#include "store/FileStore.h"

#include <httplib.h>

#include <cstdlib>

namespace orvdev {
namespace {

const char* const htmlType = "text/html; charset=utf-8";

// The objects that take attachments, by object type code.
struct AttachableKind
{
    std::int64_t type;
    const char* itemKind; // items.kind; nullptr for projects
    const char* noun;
};
const AttachableKind attachable[] = {{7, "incident", "incident"},
                                     {5, "task", "task"},
                                     {4, "event", "event"},
                                     {6, "todo", "to-do"},
                                     {3, nullptr, "project"}};

std::string baseName(const std::string& path)
{
    auto cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

} // namespace

std::string FilePublishing::fileNameOf(const FormPost& post) const
{
    // Only 4.5 and later read the "FileName" field (the name the user may have changed); older
    // releases take the name of the posted file.
    if (m_services.dispatcher.version().atLeast(45)) {
        auto name = post.field("FileName");
        if (name && !name->empty())
            return baseName(*name);
    }
    return post.file ? baseName(post.file->fileName) : std::string();
}

void FilePublishing::handle(const httplib::Request& request, httplib::Response& response,
                            const httplib::ContentReader& reader)
{
    auto post = receive(request, response, reader);
    if (!post || injectFault(*post, request, response))
        return;
    std::lock_guard lock(m_services.dispatcher.storeMutex());
    const std::string sentName = post->file ? post->file->fileName : std::string();
    const std::uint64_t size = post->file ? post->file->size : 0;
    try {
        const User user = signIn(*post);
        if (!post->file || post->file->fieldName != "PublishedFile")
            throw PageRefusal(400, "No file was sent in the form field PublishedFile.");
        const std::string fileName = fileNameOf(*post);
        if (fileName.empty())
            throw PageRefusal(400, "The file has no name.");
        std::string body;
        const char* contentType = htmlType;
        if (!m_services.dispatcher.version().atLeast(35) || number(post->field("ObjectTypeId")) != 15) {
            Stored stored = publish(*post, user, fileName);
            body = Html::page("File published", "<p>Published '" + Html::escape(stored.name) +
                                                    "' as version " + std::to_string(stored.versionId) +
                                                    " of file " + std::to_string(stored.assetId) + " " +
                                                    stored.place + ".</p>");
        } else {
            body = keepWorkbook(*post, user, fileName);
            contentType = "text/xml; charset=utf-8";
        }
        response.status = 200;
        response.set_content(body, contentType);
        journal(*post, 200, std::make_pair(sentName, size));
    } catch (const PageRefusal& refusal) {
        refuse(response, refusal, *post, htmlType);
    } catch (const std::exception& e) {
        refuse(response, PageRefusal(500, std::string("The file could not be stored: ") + e.what()), *post,
               htmlType);
    }
}

FilePublishing::Stored FilePublishing::publish(FormPost& post, const User& user, const std::string& fileName)
{
    if (!m_services.dispatcher.version().atLeast(35)) {
        // 3.0: "FolderID" names the folder of a new file; with "FolderID" 0, "AssetID" names a
        // version of the file that gets a new version.
        auto folder = number(post.field("FolderID"));
        auto asset = number(post.field("AssetID"));
        if (folder && *folder != 0)
            return intoFolder(post, user, *folder, fileName);
        if (!asset)
            throw PageRefusal(400, "FolderID or AssetID is missing or not a number.");
        auto assetOfVersion =
            m_services.db.scalar("SELECT asset_id FROM asset_versions WHERE id = ?", {*asset});
        if (!assetOfVersion)
            throw PageRefusal(404, "There is no library file " + std::to_string(*asset) + ".");
        return newVersion(post, user, *assetOfVersion);
    }
    auto type = number(post.field("ObjectTypeId"));
    if (!type)
        throw PageRefusal(400, "ObjectTypeId is missing or not a number.");
    auto objectId = number(post.field("ObjectId"));
    if (*type == 10) {
        auto asset = number(post.field("AssetId")).value_or(0);
        if (asset != 0)
            return newVersion(post, user, asset);
        if (!objectId)
            throw PageRefusal(400, "ObjectId is missing or not a number.");
        return intoFolder(post, user, *objectId, fileName);
    }
    if (!objectId)
        throw PageRefusal(400, "ObjectId is missing or not a number.");
    return attach(post, user, *type, *objectId, fileName);
}

FilePublishing::Stored FilePublishing::intoFolder(FormPost& post, const User& user, std::int64_t folderId,
                                                  const std::string& fileName)
{
    Database& db = m_services.db;
    LibraryAccess access(db, user);
    const std::string folder = std::to_string(folderId);
    if (!access.exists(folderId))
        throw PageRefusal(404, "There is no library folder " + folder + ".");
    if (!access.canWrite(folderId))
        throw PageRefusal(403, "You may not publish files in library folder " + folder + ".");
    // A file of the same name gets a new version (the user chose to write over it).
    if (auto same = db.scalar("SELECT id FROM library_assets WHERE folder_id = ? AND internal = 1"
                              " AND file_name = ? COLLATE NOCASE",
                              {folderId, fileName}))
        return newVersion(post, user, *same);
    Stored stored{0, 0, fileName, "in library folder " + folder};
    db.transaction([&] {
        stored.assetId = db.insert("INSERT INTO library_assets(folder_id, file_name, internal, creator_id,"
                                   " created_at) VALUES(?, ?, 1, ?, ?)",
                                   {folderId, fileName, user.id, CallContext::now()});
        stored.versionId = storeVersion(post, user, stored.assetId);
    });
    return stored;
}

FilePublishing::Stored FilePublishing::newVersion(FormPost& post, const User& user, std::int64_t assetId)
{
    Database& db = m_services.db;
    Stored stored{assetId, 0, {}, {}};
    std::optional<std::int64_t> folder, objectType, objectId;
    bool found = false, internal = false;
    db.each("SELECT file_name, folder_id, internal, object_type, object_id FROM library_assets WHERE id = ?",
            {assetId}, [&](const Row& r) {
                found = true;
                stored.name = r.s(0);
                if (!r.isNull(1))
                    folder = r.i(1);
                internal = r.i(2) != 0;
                if (!r.isNull(3))
                    objectType = r.i(3);
                objectId = r.i(4);
            });
    const std::string asset = std::to_string(assetId);
    if (!found)
        throw PageRefusal(404, "There is no library file " + asset + ".");
    if (!internal)
        throw PageRefusal(400, "Library entry " + asset + " is a link, not a stored file.");
    if (folder) {
        if (!LibraryAccess(db, user).canWrite(*folder))
            throw PageRefusal(403,
                              "You may not publish files in library folder " + std::to_string(*folder) + ".");
        stored.place = "in library folder " + std::to_string(*folder);
    } else {
        stored.place = "attached to object " + std::to_string(objectId.value_or(0)) + " of type " +
                       std::to_string(objectType.value_or(0));
    }
    db.transaction([&] { stored.versionId = storeVersion(post, user, assetId); });
    return stored;
}

FilePublishing::Stored FilePublishing::attach(FormPost& post, const User& user, std::int64_t objectType,
                                              std::int64_t objectId, const std::string& fileName)
{
    const AttachableKind* kind = nullptr;
    for (const auto& k : attachable)
        if (k.type == objectType)
            kind = &k;
    if (!kind)
        throw PageRefusal(400, "Objects of type " + std::to_string(objectType) + " take no files.");
    Database& db = m_services.db;
    // A project in synchronization mode is named by its negative id.
    const std::int64_t id = kind->itemKind ? objectId : std::llabs(objectId);
    const bool exists =
        kind->itemKind
            ? db.scalar("SELECT 1 FROM items WHERE id = ? AND kind = ?", {id, kind->itemKind}).has_value()
            : db.scalar("SELECT 1 FROM projects WHERE id = ?", {id}).has_value();
    const std::string object = std::string(kind->noun) + " " + std::to_string(id);
    if (!exists)
        throw PageRefusal(404, "There is no " + object + ".");
    Stored stored{0, 0, fileName, "attached to " + object};
    db.transaction([&] {
        auto same = db.scalar("SELECT id FROM library_assets WHERE object_type = ? AND object_id = ?"
                              " AND folder_id IS NULL AND file_name = ? COLLATE NOCASE",
                              {objectType, id, fileName});
        if (same) {
            stored.assetId = *same;
            stored.name =
                db.text("SELECT file_name FROM library_assets WHERE id = ?", {*same}).value_or(fileName);
        } else {
            stored.assetId =
                db.insert("INSERT INTO library_assets(object_type, object_id, file_name, internal,"
                          " creator_id, created_at) VALUES(?, ?, ?, 1, ?, ?)",
                          {objectType, id, fileName, user.id, CallContext::now()});
        }
        stored.versionId = storeVersion(post, user, stored.assetId);
    });
    return stored;
}

std::int64_t FilePublishing::storeVersion(FormPost& post, const User& user, std::int64_t assetId)
{
    Database& db = m_services.db;
    const std::int64_t versionId =
        db.insert("INSERT INTO asset_versions(asset_id, size, content, creator_id, created_at)"
                  " VALUES(?, ?, NULL, ?, ?)",
                  {assetId, static_cast<std::int64_t>(post.file->size), user.id, CallContext::now()});
    FileStore::keep(post.file->path, m_services.files.versionPath(versionId));
    post.release();
    return versionId;
}

// The workbook of a list import: kept in the uploads table under a name of the server's, which
// CreateListFromExcel gets back; the answer outlines its sheets and columns.
std::string FilePublishing::keepWorkbook(FormPost& post, const User& user, const std::string& fileName)
{
    Database& db = m_services.db;
    const WorkbookOutline outline = WorkbookOutline::read(post.file->path, fileName);
    std::string serverName;
    db.transaction([&] {
        const std::int64_t id =
            db.insert("INSERT INTO uploads(server_name, original_name, content, creator_id, created_at)"
                      " VALUES(?, ?, NULL, ?, ?)",
                      {post.file->path.filename().string(), fileName, user.id, CallContext::now()});
        serverName = "U" + std::to_string(id) + "_" + fileName;
        db.exec("UPDATE uploads SET server_name = ? WHERE id = ?", {serverName, id});
        FileStore::keep(post.file->path, m_services.files.uploadPath(id));
        post.release();
    });
    return outline.xml(serverName);
}

} // namespace orvdev

// List folders, lists and lists made from an uploaded workbook.
#include "http/Json.h"
#include "services/AnswerXml.h"
#include "services/MethodRegistry.h"
#include "services/ObjectRefs.h"
#include "store/FileStore.h"
#include "workbook/ListRows.h"
#include "workbook/WorkbookFile.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace orvdev {
namespace {

bool folderWritable(Database& db, std::int64_t folderId)
{
    return db.scalar("SELECT 1 FROM list_folders WHERE id = ? AND read_only = 0", {folderId}).has_value();
}

// Folders below parentFolderId (0: the top level), depth levels deep (-1: all). Built-in folders
// carry "@@n" names, which the client turns into its own texts.
std::optional<Value> getListFolders(CallContext& call)
{
    AnswerXml answer("Folders");
    std::function<void(pugi::xml_node, std::int64_t, std::int64_t)> walk = [&](pugi::xml_node parent,
                                                                               std::int64_t parentId,
                                                                               std::int64_t depth) {
        std::vector<std::tuple<std::int64_t, std::string, bool>> folders;
        call.db.each(parentId
                         ? "SELECT id, name, read_only FROM list_folders WHERE parent_id = ? ORDER BY id"
                         : "SELECT id, name, read_only FROM list_folders WHERE parent_id IS NULL AND ? = 0"
                           " ORDER BY id",
                     {parentId}, [&](const Row& r) { folders.emplace_back(r.i(0), r.s(1), r.i(2) != 0); });
        for (auto& [id, name, readOnly] : folders) {
            auto folder = parent.append_child("Folder");
            AnswerXml::add(folder, "Id", id);
            AnswerXml::add(folder, "Name", name);
            AnswerXml::add(folder, "CanUserWrite", AnswerXml::boolText(!readOnly));
            auto children = folder.append_child("ChildList");
            if (depth != 0)
                walk(children, id, depth - 1);
        }
    };
    // depth -1: every level; 0 and 1: the folders directly below the parent only.
    const std::int64_t depth = call.num("depth");
    walk(answer.root(), call.num("parentFolderId"), depth < 0 ? -1 : std::max<std::int64_t>(depth - 1, 0));
    return Value::ofString(answer.text());
}

// Parent 0 is what the wizard sends under a folder that takes no lists: the folder goes to the top
// level, as the user's own.
std::optional<Value> createListFolder(CallContext& call)
{
    const std::int64_t parent = call.num("parentFolderId");
    const std::string name = call.str("folderName");
    ObjectRefs(call).requireTitle(name);
    if (parent != 0 && !folderWritable(call.db, parent))
        throw StatusError("You cannot create folders in list folder " + std::to_string(parent) + ".");
    std::int64_t id = 0;
    call.db.transaction([&] {
        id = call.db.insert("INSERT INTO list_folders(parent_id, name) VALUES(?, ?)",
                            {parent != 0 ? SqlValue(parent) : SqlValue(nullptr), name});
    });
    return Value::ofInt(id);
}

std::int64_t insertList(CallContext& call, const std::vector<std::int32_t>& categories)
{
    ObjectRefs refs(call);
    const std::string title = call.str("title");
    refs.requireTitle(title);
    const std::int64_t folder = call.num("folderId");
    if (!folderWritable(call.db, folder))
        throw StatusError("You cannot create lists in list folder " + std::to_string(folder) + ".");
    refs.requireCategories(15, categories);
    std::int64_t id = call.db.insert(
        "INSERT INTO lists(title, description, folder_id, type_id, status_id, template_id, creator_id, "
        "created_at,"
        " source_file, source_sheet, ignore_error_rows) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {title, call.str("description"), folder, call.num("typeId"), call.num("statusId"),
         call.has("templateId") ? SqlValue(call.num("templateId")) : nullptr, call.user.id,
         CallContext::now(), call.has("fileName") ? SqlValue(call.str("fileName")) : nullptr,
         call.has("sheetName") ? SqlValue(call.str("sheetName")) : nullptr,
         call.has("ignoreErrorRows") ? SqlValue(call.num("ignoreErrorRows")) : nullptr});
    refs.storeCategories(15, id, categories);
    return id;
}

std::optional<Value> createList(CallContext& call)
{
    std::int64_t id = 0;
    call.db.transaction([&] { id = insertList(call, call.ints("categories")); });
    return Value::ofInt(id);
}

// The stored upload's file lies beside the database, in the data folder's file store.
std::filesystem::path uploadPath(Database& db, std::int64_t uploadId)
{
    const std::string database =
        db.text("SELECT file FROM pragma_database_list WHERE name = 'main'", {}).value_or("");
    return FileStore(std::filesystem::path(database).parent_path()).uploadPath(uploadId);
}

const Sheet& sheetNamed(const Workbook& workbook, const std::string& name)
{
    for (const Sheet& sheet : workbook.sheets)
        if (sheet.name == name)
            return sheet;
    throw StatusError("The workbook has no sheet '" + name + "'.");
}

// The workbook must have been uploaded first; the list gets the chosen columns as its fields and a
// row for every data row of the chosen sheet. An error row that is not to be ignored fails the call
// (a fault, as the server's reader would throw) before anything is stored.
std::optional<Value> createListFromExcel(CallContext& call)
{
    const std::string file = call.str("fileName");
    const auto upload = call.db.scalar("SELECT id FROM uploads WHERE server_name = ?", {file});
    if (!upload)
        throw StatusError("The uploaded file '" + file + "' was not found.");
    const std::string sheetName = call.str("sheetName");
    if (sheetName.empty())
        throw StatusError("No sheet was chosen.");
    const std::vector<std::string> columns = call.strings("columns");
    const std::string original =
        call.db.text("SELECT original_name FROM uploads WHERE id = ?", {*upload}).value_or(file);
    std::vector<std::vector<std::string>> rows;
    try {
        const Workbook workbook = WorkbookFile::read(uploadPath(call.db, *upload), original);
        rows = listRows(sheetNamed(workbook, sheetName), columns, call.flag("ignoreErrorRows"));
    } catch (const UnknownColumn& e) {
        throw StatusError(e.what());
    } catch (const WorkbookError& e) {
        throw StatusError(e.what());
    }
    std::int64_t id = 0;
    call.db.transaction([&] {
        id = insertList(call, call.ints("categories"));
        std::int64_t position = 0;
        for (const auto& column : columns)
            call.db.exec("INSERT INTO list_fields(list_id, position, name) VALUES(?, ?, ?)",
                         {id, position++, column});
        // Many rows to one statement: preparing one per row took most of the time for large sheets.
        constexpr std::size_t rowsPerStatement = 500;
        for (std::size_t first = 0; first < rows.size(); first += rowsPerStatement) {
            const std::size_t count = std::min(rowsPerStatement, rows.size() - first);
            std::string sql = "INSERT INTO list_rows(list_id, row_no, cells) VALUES";
            SqlParams params;
            for (std::size_t r = first; r < first + count; ++r) {
                std::string cells = "[";
                for (const auto& cell : rows[r])
                    cells += (cells.size() > 1 ? "," : "") + Json::quote(cell);
                sql += r == first ? "(?, ?, ?)" : ",(?, ?, ?)";
                params.insert(params.end(), {id, static_cast<std::int64_t>(r + 1), cells + "]"});
            }
            call.db.exec(sql, params);
        }
    });
    return Value::ofInt(id);
}

} // namespace

void registerListMethods(MethodRegistry& registry)
{
    registry.add("GetListFolders", 40, getListFolders);
    registry.add("CreateListFolder", 40, createListFolder);
    registry.add("CreateList", 40, createList);
    registry.add("CreateListFromExcel", 40, createListFromExcel);
}

} // namespace orvdev

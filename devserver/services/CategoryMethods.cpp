// Categories of every object type, and the edits of the category and client dictionaries.
#include "services/AnswerXml.h"
#include "services/MethodRegistry.h"
#include "store/Database.h"

#include <cstdlib>

namespace orvdev {
namespace {

const char* const noRightText = "You have no right to edit this dictionary.";

std::int64_t idOf(const std::string& text, const char* what)
{
    char* end = nullptr;
    long long id = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0')
        throw StatusError(std::string("Invalid ") + what + " '" + text + "'.");
    return id;
}

pugi::xml_node parseUpdate(pugi::xml_document& doc, const std::string& xml, const char* rootName)
{
    if (!doc.load_string(xml.c_str()))
        throw StatusError("The update document is not well-formed XML.");
    auto root = doc.child(rootName);
    if (!root)
        throw StatusError(std::string("The update document has no ") + rootName + " element.");
    return root;
}

std::optional<Value> getCategoryList(CallContext& call)
{
    AnswerXml answer("Categories");
    call.db.each("SELECT id, name FROM categories WHERE object_type = ? ORDER BY name, id",
                 {call.num("objectTypeId")}, [&](const Row& r) {
                     auto category = answer.root().append_child("Category");
                     AnswerXml::add(category, "CategoryId", r.i(0));
                     AnswerXml::add(category, "CategoryName", r.s(1));
                 });
    return Value::ofString(answer.text());
}

std::optional<Value> updateCategoryList(CallContext& call)
{
    if (!call.user.canEditDirectory())
        throw StatusError(noRightText);
    const std::int64_t objectType = call.num("objectTypeId");
    pugi::xml_document doc;
    auto root = parseUpdate(doc, call.str("categoriesXml"), "Categories");
    std::int64_t applied = 0;
    call.db.transaction([&] {
        for (auto category : root.children("Category")) {
            std::string state = category.attribute("State").value();
            std::string name = category.child("CategoryName").text().get();
            if (state == "Added") {
                if (name.empty())
                    throw StatusError("A new category needs a name.");
                call.db.exec("INSERT INTO categories(object_type, name) VALUES(?, ?)", {objectType, name});
            } else if (state == "Modified") {
                if (name.empty())
                    throw StatusError("A category name cannot be empty.");
                call.db.exec(
                    "UPDATE categories SET name = ? WHERE id = ? AND object_type = ?",
                    {name, idOf(category.child("CategoryId").text().get(), "category id"), objectType});
                if (call.db.changes() == 0)
                    throw StatusError("The category to rename does not exist.");
            } else if (state == "Deleted") {
                std::int64_t id = idOf(category.child("CategoryId").text().get(), "category id");
                call.db.exec("DELETE FROM object_categories WHERE category_id = ?", {id});
                call.db.exec("DELETE FROM categories WHERE id = ? AND object_type = ?", {id, objectType});
                if (call.db.changes() == 0)
                    throw StatusError("The category to delete does not exist.");
            } else {
                throw StatusError("Unknown change state '" + state + "'.");
            }
            ++applied;
        }
    });
    return Value::ofInt(applied);
}

void applyClientChange(Database& db, const std::string& state, const std::string& value, std::int64_t data)
{
    if (state == "Added") {
        if (value.empty())
            throw StatusError("A new client needs a name.");
        if (data < 0)
            db.exec("INSERT INTO organizations(name) VALUES(?)", {value});
        else
            db.exec("INSERT INTO contacts(name) VALUES(?)", {value});
    } else if (state == "Modified") {
        if (value.empty())
            throw StatusError("A client name cannot be empty.");
        if (data < 0)
            db.exec("UPDATE organizations SET name = ? WHERE id = ?", {value, -data});
        else
            db.exec("UPDATE contacts SET name = ? WHERE id = ?", {value, data});
        if (db.changes() == 0)
            throw StatusError("The client to rename does not exist.");
    } else if (state == "Deleted") {
        if (data < 0)
            db.exec("DELETE FROM organizations WHERE id = ?", {-data});
        else
            db.exec("DELETE FROM contacts WHERE id = ?", {data});
        if (db.changes() == 0)
            throw StatusError("The client to delete does not exist.");
    } else {
        throw StatusError("Unknown change state '" + state + "'.");
    }
}

void applyItemChange(Database& db, const std::string& dictionary, const std::string& state,
                     const std::string& value, const std::string& dataText)
{
    if (state == "Added") {
        if (value.empty())
            throw StatusError("A new entry needs a value.");
        db.exec("INSERT INTO dictionary_items(dictionary, value, sort) VALUES(?, ?, "
                "(SELECT COALESCE(MAX(sort), 0) + 1 FROM dictionary_items WHERE dictionary = ?))",
                {dictionary, value, dictionary});
        return;
    }
    std::int64_t id = idOf(dataText, "entry id");
    if (state == "Modified")
        db.exec("UPDATE dictionary_items SET value = ? WHERE id = ? AND dictionary = ?",
                {value, id, dictionary});
    else if (state == "Deleted")
        db.exec("DELETE FROM dictionary_items WHERE id = ? AND dictionary = ?", {id, dictionary});
    else
        throw StatusError("Unknown change state '" + state + "'.");
    if (db.changes() == 0)
        throw StatusError("The entry " + dataText + " of " + dictionary + " does not exist.");
}

// Applies <Dictionaries><Name><Item State=".."><Value/><Data/></Item></Name></Dictionaries>: the client
// dictionary (ProjectClient, organizations with negative ids) and any item dictionary by its name.
std::optional<Value> updateDictionaries(CallContext& call)
{
    if (!call.user.canEditDirectory())
        throw StatusError(noRightText);
    pugi::xml_document doc;
    auto root = parseUpdate(doc, call.str("dictionariesXml"), "Dictionaries");
    std::int64_t applied = 0;
    call.db.transaction([&] {
        for (auto dictionary : root.children()) {
            if (dictionary.type() != pugi::node_element)
                continue;
            const std::string name = dictionary.name();
            const bool clients = name == "ProjectClient";
            if (!clients && !call.db.scalar("SELECT 1 FROM dictionary_items WHERE dictionary = ?", {name}))
                throw StatusError("Unknown dictionary '" + name + "'.");
            for (auto item : dictionary.children("Item")) {
                std::string state = item.attribute("State").value();
                std::string value = item.child("Value").text().get();
                std::string data = item.child("Data").text().get();
                if (clients)
                    applyClientChange(call.db, state, value, idOf(data, "client id"));
                else
                    applyItemChange(call.db, name, state, value, data);
                ++applied;
            }
        }
    });
    return Value::ofInt(applied);
}

} // namespace

void registerCategoryMethods(MethodRegistry& registry)
{
    registry.add("GetCategoryList2", 35, getCategoryList);
    registry.add("UpdateCategoryList", 35, updateCategoryList);
    registry.add("UpdateDictionaries", 35, updateDictionaries);
}

} // namespace orvdev

#include "pages/ObjectViews.h"

#include "pages/Html.h"
#include "store/Database.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace orvdev {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

const char* titleOf(const std::string& kind)
{
    if (kind == "incident")
        return "Incident";
    if (kind == "task")
        return "Task";
    if (kind == "event")
        return "Event";
    return "To-Do";
}

int objectTypeOf(const std::string& kind)
{
    if (kind == "incident")
        return 7;
    if (kind == "task")
        return 5;
    if (kind == "event")
        return 4;
    return 6;
}

} // namespace

std::string ObjectViews::userName(const std::string& idText)
{
    if (idText.empty())
        return "";
    return Html::escape(m_db.text("SELECT first_name || ' ' || last_name FROM users WHERE id = ?",
                                  {std::atoll(idText.c_str())})
                            .value_or("user " + idText));
}

std::string ObjectViews::dictionaryValue(const std::string& idText)
{
    if (idText.empty())
        return "";
    return Html::escape(
        m_db.text("SELECT value FROM dictionary_items WHERE id = ?", {std::atoll(idText.c_str())})
            .value_or(idText));
}

std::string ObjectViews::categories(int objectType, std::int64_t id)
{
    std::string out;
    m_db.each("SELECT c.name FROM object_categories o JOIN categories c ON c.id = o.category_id"
              " WHERE o.object_type = ? AND o.object_id = ? ORDER BY c.name",
              {static_cast<std::int64_t>(objectType), id},
              [&](const Row& r) { out += (out.empty() ? "" : ", ") + Html::escape(r.s(0)); });
    return out;
}

std::optional<std::string> ObjectViews::item(const std::string& kind, std::int64_t id)
{
    std::optional<std::string> html;
    m_db.each(
        "SELECT i.title, COALESCE(i.description, ''), COALESCE(i.location, ''), COALESCE(p.title, ''),"
        " i.creator_id, i.manager_id, i.priority_id, i.type_id, i.severity_id, i.start_date, i.finish_date,"
        " i.created_at, COALESCE(i.reminder, ''), COALESCE(o.name, ''), COALESCE(c.name, '')"
        " FROM items i LEFT JOIN projects p ON p.id = i.project_id"
        " LEFT JOIN organizations o ON o.id = i.organization_id LEFT JOIN contacts c ON c.id = i.contact_id"
        " WHERE i.id = ? AND i.kind = ?",
        {id, kind}, [&](const Row& r) {
            Rows rows = {{"Title", Html::escape(r.s(0))},
                         {"Description", Html::escape(r.s(1))},
                         {"Project", Html::escape(r.s(3))},
                         {"Created by", userName(r.s(4))},
                         {kind == "event" ? "Organizer" : "Manager", userName(r.s(5))},
                         {"Priority", dictionaryValue(r.s(6))},
                         {"Type", dictionaryValue(r.s(7))}};
            if (kind == "incident")
                rows.emplace_back("Severity", dictionaryValue(r.s(8)));
            if (kind == "event")
                rows.emplace_back("Location", Html::escape(r.s(2)));
            if (kind != "incident") {
                rows.emplace_back("Start", Html::escape(r.s(9)));
                rows.emplace_back("Finish", Html::escape(r.s(10)));
            }
            if (kind == "event")
                rows.emplace_back("Reminder (minutes)", Html::escape(r.s(12)));
            rows.emplace_back("Client", Html::escape(r.s(13).empty() ? r.s(14) : r.s(13)));
            rows.emplace_back("Categories", categories(objectTypeOf(kind), id));
            std::string people;
            m_db.each(
                "SELECT user_id, must_confirm FROM item_participants WHERE item_id = ? ORDER BY position",
                {id}, [&](const Row& p) {
                    people += "<li>" + userName(p.s(0)) + (p.i(1) ? " (must confirm)" : "") + "</li>";
                });
            if (!people.empty())
                rows.emplace_back("Participants", "<ul>" + people + "</ul>");
            rows.emplace_back("Created", Html::escape(r.s(11)));
            html = Html::page(std::string(titleOf(kind)) + " " + std::to_string(id) + ": " + r.s(0),
                              Html::fields(rows));
        });
    return html;
}

std::optional<std::string> ObjectViews::list(std::int64_t id, std::int64_t page)
{
    std::optional<std::string> html;
    m_db.each("SELECT l.title, COALESCE(l.description, ''), COALESCE(f.name, ''), l.type_id, l.status_id,"
              " l.creator_id, l.created_at FROM lists l LEFT JOIN list_folders f ON f.id = l.folder_id WHERE "
              "l.id = ?",
              {id}, [&](const Row& r) {
                  std::string fieldNames;
                  m_db.each("SELECT name FROM list_fields WHERE list_id = ? ORDER BY position", {id},
                            [&](const Row& f) { fieldNames += "<li>" + Html::escape(f.s(0)) + "</li>"; });
                  Rows rows = {{"Title", Html::escape(r.s(0))},     {"Description", Html::escape(r.s(1))},
                               {"Folder", Html::escape(r.s(2))},    {"Type", dictionaryValue(r.s(3))},
                               {"Status", dictionaryValue(r.s(4))}, {"Categories", categories(15, id)},
                               {"Created by", userName(r.s(5))},    {"Created", Html::escape(r.s(6))}};
                  if (!fieldNames.empty())
                      rows.emplace_back("Fields", "<ul>" + fieldNames + "</ul>");
                  html = Html::page("List " + std::to_string(id) + ": " + r.s(0),
                                    Html::fields(rows) + listRows(id, page));
              });
    return html;
}

// One page of the list's rows as a table under its field names, with links to the other pages.
std::string ObjectViews::listRows(std::int64_t id, std::int64_t page)
{
    const std::int64_t total =
        m_db.scalar("SELECT COUNT(*) FROM list_rows WHERE list_id = ?", {id}).value_or(0);
    if (total == 0)
        return "<p class=\"rows\">No rows.</p>";
    const std::int64_t pages = (total + kRowsPerPage - 1) / kRowsPerPage;
    page = std::clamp<std::int64_t>(page, 1, pages);
    std::string table = "<table class=\"rows\"><tr>";
    m_db.each("SELECT name FROM list_fields WHERE list_id = ? ORDER BY position", {id},
              [&](const Row& f) { table += "<th>" + Html::escape(f.s(0)) + "</th>"; });
    table += "</tr>";
    std::int64_t currentRow = -1;
    m_db.each("SELECT r.row_no, j.value FROM (SELECT row_no, cells FROM list_rows WHERE list_id = ?"
              " ORDER BY row_no LIMIT ? OFFSET ?) r, json_each(r.cells) j ORDER BY r.row_no, j.key",
              {id, kRowsPerPage, (page - 1) * kRowsPerPage}, [&](const Row& cell) {
                  if (cell.i(0) != currentRow) {
                      table += currentRow < 0 ? "<tr>" : "</tr><tr>";
                      currentRow = cell.i(0);
                  }
                  table += "<td>" + Html::escape(cell.s(1)) + "</td>";
              });
    table += "</tr></table>";
    const std::int64_t first = (page - 1) * kRowsPerPage + 1;
    std::string pager = "<p class=\"pager\">Rows " + std::to_string(first) + " to " +
                        std::to_string(std::min(total, first + kRowsPerPage - 1)) + " of " +
                        std::to_string(total) + ", page " + std::to_string(page) + " of " +
                        std::to_string(pages) + ".";
    const std::string link = "ListView.aspx?ListID=" + std::to_string(id) + "&amp;Page=";
    if (page > 1)
        pager += " <a href=\"" + link + std::to_string(page - 1) + "\">Previous</a>";
    if (page < pages)
        pager += " <a href=\"" + link + std::to_string(page + 1) + "\">Next</a>";
    return table + pager + "</p>";
}

std::optional<std::string> ObjectViews::project(std::int64_t id, const std::string& tab)
{
    std::optional<std::string> html;
    m_db.each(
        "SELECT title, COALESCE(description, ''), manager_id, start_date, finish_date, status_id, type_id,"
        " ms_project_sync, COALESCE(goals, ''), COALESCE(scope, ''), COALESCE(deliverables, '') FROM projects"
        " WHERE id = ?",
        {id}, [&](const Row& r) {
            std::string team;
            m_db.each(
                "SELECT m.user_id, COALESCE(t.name, '') FROM project_members m LEFT JOIN template_roles t"
                " ON t.id = m.role_id WHERE m.project_id = ? ORDER BY m.user_id",
                {id}, [&](const Row& m) {
                    team += "<li>" + userName(m.s(0)) +
                            (m.s(1).empty() ? "" : " (" + Html::escape(m.s(1)) + ")") + "</li>";
                });
            Rows rows = {{"Title", Html::escape(r.s(0))},
                         {"Description", Html::escape(r.s(1))},
                         {"Goals", Html::escape(r.s(8))},
                         {"Scope", Html::escape(r.s(9))},
                         {"Deliverables", Html::escape(r.s(10))},
                         {"Manager", userName(r.s(2))},
                         {"Start", Html::escape(r.s(3))},
                         {"Finish", Html::escape(r.s(4))},
                         {"Status", dictionaryValue(r.s(5))},
                         {"Type", dictionaryValue(r.s(6))},
                         {"Categories", categories(3, id)},
                         {"MS Project synchronization", r.i(7) ? "yes" : "no"},
                         {"Team", "<ul>" + team + "</ul>"}};
            std::string body = Html::fields(rows) + projectItems(id);
            if (tab == "FileLibrary" || tab == "filelibrary") {
                body += "<h2>File library</h2>";
                m_db.each("SELECT id FROM library_folders WHERE project_id = ? AND parent_id IS NULL", {id},
                          [&](const Row& f) { body += folderContents(f.i(0)); });
            }
            html = Html::page("Project " + std::to_string(id) + ": " + r.s(0), body);
        });
    return html;
}

std::string ObjectViews::projectItems(std::int64_t projectId)
{
    static const std::pair<const char*, const char*> pages[] = {
        {"incident", "../Incidents/IncidentView.aspx?IncidentId="},
        {"task", "../Tasks/TaskView.aspx?TaskID="},
        {"event", "../Events/EventView.aspx?EventID="},
        {"todo", "../ToDo/ToDoView.aspx?ToDoID="}};
    std::string out;
    for (const auto& [kind, page] : pages) {
        const std::string link = page;
        const std::string title = titleOf(kind); // clang before 16 cannot capture a structured binding
        m_db.each("SELECT id, title FROM items WHERE project_id = ? AND kind = ? ORDER BY id",
                  {projectId, std::string(kind)}, [&](const Row& r) {
                      out += "<li>" + title + " " + r.s(0) + ": <a href=\"" + link + r.s(0) +
                             "&amp;Tab=General\">" + Html::escape(r.s(1)) + "</a></li>";
                  });
    }
    return out.empty() ? out : "<h2>Items</h2><ul>" + out + "</ul>";
}

std::string ObjectViews::folderContents(std::int64_t folderId)
{
    std::string out = "<ul>";
    m_db.each("SELECT name FROM library_folders WHERE parent_id = ? ORDER BY name", {folderId},
              [&](const Row& r) { out += "<li>[" + Html::escape(r.s(0)) + "]</li>"; });
    m_db.each("SELECT file_name FROM library_assets WHERE folder_id = ? ORDER BY file_name", {folderId},
              [&](const Row& r) { out += "<li>" + Html::escape(r.s(0)) + "</li>"; });
    return out + "</ul>";
}

std::optional<std::string> ObjectViews::folder(std::int64_t id)
{
    auto name = m_db.text("SELECT name FROM library_folders WHERE id = ?", {id});
    if (!name)
        return std::nullopt;
    return Html::page("Folder " + std::to_string(id) + ": " + *name, folderContents(id));
}

std::string ObjectViews::calendar(std::int64_t userId)
{
    std::string out = "<ul>";
    m_db.each(
        "SELECT i.id, i.title, i.start_date FROM items i WHERE i.kind = 'event' AND (i.creator_id = ?1 OR"
        " i.manager_id = ?1 OR EXISTS (SELECT 1 FROM item_participants x WHERE x.item_id = i.id AND"
        " x.user_id = ?1)) ORDER BY i.start_date",
        {userId}, [&](const Row& r) {
            out += "<li>" + Html::escape(r.s(2)) + " <a href=\"EventView.aspx?EventID=" + r.s(0) + "\">" +
                   Html::escape(r.s(1)) + "</a></li>";
        });
    return Html::page("Calendar", out + "</ul>");
}

} // namespace orvdev

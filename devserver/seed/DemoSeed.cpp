#include "seed/Seeder.h"

#include "store/Database.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace orvdev {
namespace {

// A date relative to today, "YYYY-MM-DDTHH:MM:00".
std::string day(int offsetDays, int hour, int minute = 0)
{
    std::time_t t = std::time(nullptr) + static_cast<std::time_t>(offsetDays) * 86400;
    std::tm local{};
    localtime_r(&t, &local);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:00", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, hour, minute);
    return buffer;
}

struct Person
{
    const char *login, *password, *first, *last;
    int admin, pm, ppm, hdm, offset;
};

const Person people[] = {
    {"admin", "admin", "Ada", "Whitfield", 1, 0, 0, 0, 0},
    {"pm", "pm", "Peter", "Marsh", 0, 1, 0, 0, 0},
    {"user", "user", "Ursula", "Brandt", 0, 0, 0, 0, 0},
    {"jcole", "demo", "Jonathan", "Cole", 0, 1, 1, 0, -60},
    {"mhale", "demo", "Miriam", "Hale", 0, 0, 0, 1, 0},
    {"dokafor", "demo", "Daniel", "Okafor", 0, 0, 0, 0, 0},
    {"lnguyen", "demo", "Linh", "Nguyen", 0, 0, 0, 0, -420},
    {"rkowalski", "demo", "Robert", "Kowalski", 0, 0, 0, 0, -60},
    {"sfischer", "demo", "Sabine", "Fischer", 0, 1, 0, 0, -60},
    {"tmorgan", "demo", "Thomas", "Morgan", 0, 0, 0, 0, 0},
    {"agarcia", "demo", "Ana", "Garcia", 0, 0, 0, 0, -60},
    {"bpatel", "demo", "Bhavesh", "Patel", 0, 0, 0, 0, -330},
    {"cdubois", "demo", "Claire", "Dubois", 0, 0, 0, 1, -60},
    {"eriksen", "demo", "Erik", "Eriksen", 0, 0, 0, 0, -60},
    {"fhughes", "demo", "Fiona", "Hughes", 0, 0, 0, 0, 0},
    {"gromano", "demo", "Giulia", "Romano", 0, 0, 0, 0, -60},
    {"hsato", "demo", "Hiroshi", "Sato", 0, 0, 0, 0, -540},
    {"ibrahim", "demo", "Ibrahim", "Haddad", 0, 0, 0, 0, -120},
    {"jwalsh", "demo", "Julia", "Walsh", 0, 0, 0, 0, 0},
    {"kmeyer", "demo", "Klaus", "Meyer", 0, 1, 0, 0, -60},
    {"lpetrova", "demo", "Lena", "Petrova", 0, 0, 0, 0, -180},
    {"mreyes", "demo", "Marco", "Reyes", 0, 0, 0, 0, 300},
    {"nbanerjee", "demo", "Nisha", "Banerjee", 0, 0, 0, 0, -330},
    {"oconnor", "demo", "Owen", "O'Connor", 0, 0, 0, 0, 0},
    {"psilva", "demo", "Paula", "Silva", 0, 0, 0, 0, 180},
    {"qzhang", "demo", "Qiang", "Zhang", 0, 0, 0, 0, -480},
    {"rlindqvist", "demo", "Rebecca", "Lindqvist", 0, 0, 0, 0, -60},
    {"sjohnson", "demo", "Samuel", "Johnson", 0, 0, 0, 0, 300},
    {"tnovak", "demo", "Tereza", "Novak", 0, 0, 0, 0, -60},
    {"uyilmaz", "demo", "Umut", "Yilmaz", 0, 0, 0, 0, -180},
    {"vrossi", "demo", "Valentina", "Rossi", 0, 0, 0, 0, -60},
    {"wbaker", "demo", "William", "Baker", 0, 0, 0, 0, 0},
    {"xlopez", "demo", "Ximena", "Lopez", 0, 0, 0, 0, 360},
    {"ykim", "demo", "Yuna", "Kim", 0, 0, 0, 0, -540},
    {"zadams", "demo", "Zoe", "Adams", 0, 0, 0, 0, 0},
    {"akhan", "demo", "Amir", "Khan", 0, 0, 0, 0, -300},
    {"bmueller", "demo", "Birgit", "Mueller", 0, 0, 0, 0, -60},
    {"cwright", "demo", "Charles", "Wright", 0, 0, 0, 0, 0},
    {"dsmirnov", "demo", "Dmitri", "Smirnov", 0, 0, 0, 0, -180},
    {"ejansen", "demo", "Eva", "Jansen", 0, 0, 0, 0, -60},
};

} // namespace

void DemoSeed::load()
{
    users();
    groups();
    dictionaries();
    clients();
    categories();
    templates();
    projects();
    calendars();
    items();
    listFolders();
    library();
}

void DemoSeed::users()
{
    for (const Person& p : people) {
        std::string email = std::string(p.login) + "@example.com";
        m_db.exec("INSERT INTO users(login, password, first_name, last_name, email, is_admin, is_pm, is_ppm, "
                  "is_hdm,"
                  " time_offset) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                  {p.login, p.password, p.first, p.last, email, std::int64_t(p.admin), std::int64_t(p.pm),
                   std::int64_t(p.ppm), std::int64_t(p.hdm), std::int64_t(p.offset)});
    }
}

void DemoSeed::groups()
{
    // id, parent, name: three levels under "Harlowe Ltd".
    struct G
    {
        int id, parent;
        const char* name;
    };
    const G list[] = {{1, 0, "Harlowe Ltd"},  {2, 1, "Engineering"}, {3, 2, "Platform"},
                      {4, 2, "Applications"}, {5, 1, "Sales"},       {6, 5, "Europe"},
                      {7, 5, "Americas"},     {8, 1, "Operations"},  {9, 8, "Help Desk"},
                      {10, 8, "Facilities"},  {11, 1, "Management"}};
    for (const G& g : list)
        m_db.exec("INSERT INTO user_groups(id, parent_id, name, sort) VALUES(?, ?, ?, ?)",
                  {std::int64_t(g.id), g.parent ? SqlValue(std::int64_t(g.parent)) : SqlValue(nullptr),
                   g.name, std::int64_t(g.id)});
    const int leaves[] = {3, 4, 6, 7, 9, 10};
    const std::int64_t userCount = static_cast<std::int64_t>(sizeof people / sizeof people[0]);
    for (std::int64_t user = 4; user <= userCount; ++user)
        m_db.exec("INSERT INTO group_members(group_id, user_id) VALUES(?, ?)",
                  {std::int64_t(leaves[(user - 4) % 6]), user});
    for (std::int64_t user : {1, 2, 4})
        m_db.exec("INSERT INTO group_members(group_id, user_id) VALUES(11, ?)", {user});
    m_db.exec("INSERT INTO group_members(group_id, user_id) VALUES(4, 3)");
}

void DemoSeed::dictionaries()
{
    const std::vector<std::pair<const char*, std::vector<const char*>>> sets = {
        {"Priority", {"Low", "Normal", "High", "Very High", "Urgent"}},
        {"IncidentType", {"Question", "Problem", "Feature Request", "Complaint"}},
        {"Severity", {"Minor", "Major", "Critical", "Blocker"}},
        {"IncidentBox", {"Support", "Sales Inquiries", "Billing"}},
        {"CompletionType", {"Any participant completes", "All participants complete"}},
        {"EventType", {"Meeting", "Phone Call", "Appointment", "Training"}},
        {"ListType", {"Contacts", "Issues", "Inventory", "Generic"}},
        {"ListStatus", {"Active", "Draft", "Archived"}},
        {"ListTemplate", {"Contact List", "Issue Tracker", "Asset Register"}},
        {"ProjectType", {"Internal", "Customer", "Research", "Maintenance"}},
        {"ProjectStatus", {"Not Started", "Active", "On Hold", "Completed", "Cancelled"}},
        {"ProjectCalendar", {"Standard", "Night Shift", "24 Hours"}},
        {"ProjectCurrency", {"EUR", "USD", "GBP", "CHF"}},
        {"ProjectPriority", {"Low", "Medium", "High"}},
        {"ProjectPortfolio", {"Growth", "Efficiency", "Compliance"}},
        {"ProjectPhase", {"Initiation", "Planning", "Execution", "Closing"}},
    };
    for (const auto& [name, values] : sets) {
        std::int64_t sort = 0;
        for (const char* value : values)
            m_db.exec("INSERT INTO dictionary_items(dictionary, value, sort) VALUES(?, ?, ?)",
                      {name, value, ++sort});
    }
}

void DemoSeed::clients()
{
    for (const char* name : {"Brightwater Logistics", "Calder & Finch", "Northgate Medical", "Pinecrest Bank",
                             "Solvay Robotics"})
        m_db.exec("INSERT INTO organizations(name) VALUES(?)", {name});
    const std::pair<const char*, int> contacts[] = {
        {"Alan Brooks", 1},  {"Beatrice Lang", 2}, {"Carlos Mendes", 3}, {"Diana Frost", 4},
        {"Elliot Grant", 5}, {"Farah Aziz", 1},    {"George Ibsen", 0},  {"Hannah Wolfe", 0}};
    for (const auto& [name, org] : contacts)
        m_db.exec("INSERT INTO contacts(name, organization_id) VALUES(?, ?)",
                  {name, org ? SqlValue(std::int64_t(org)) : SqlValue(nullptr)});
}

void DemoSeed::categories()
{
    const std::vector<std::pair<int, std::vector<const char*>>> sets = {
        {7, {"Hardware", "Software", "Network", "Access Rights"}},
        {5, {"Development", "Documentation", "Testing"}},
        {4, {"Customer", "Internal", "Conference"}},
        {6, {"Errand", "Follow-up", "Paperwork"}},
        {3, {"Strategic", "Customer Project", "Infrastructure"}},
        {15, {"Reference", "Tracking", "Planning"}},
        {10, {"Contracts", "Drawings", "Reports"}},
    };
    for (const auto& [type, names] : sets)
        for (const char* name : names)
            m_db.exec("INSERT INTO categories(object_type, name) VALUES(?, ?)", {std::int64_t(type), name});
}

void DemoSeed::templates()
{
    const std::vector<std::pair<const char*, std::vector<const char*>>> sets = {
        {"Software Project", {"Developer", "Tester", "Business Analyst"}},
        {"Marketing Campaign", {"Copywriter", "Designer", "Coordinator"}},
        {"Office Move", {"Planner", "Mover"}},
    };
    for (const auto& [name, roles] : sets) {
        std::int64_t id = m_db.insert("INSERT INTO project_templates(name) VALUES(?)", {name});
        for (const char* role : roles)
            m_db.exec("INSERT INTO template_roles(template_id, name) VALUES(?, ?)", {id, role});
    }
}

void DemoSeed::projects()
{
    struct P
    {
        const char *title, *description;
        int manager, sync, from, to;
        std::vector<int> team;
    };
    const P list[] = {
        {"Website Relaunch",
         "New public web site with the product catalogue.",
         2,
         0,
         -30,
         60,
         {3, 6, 7, 10, 11}},
        {"ERP Migration",
         "Move the finance and stock modules to the new ERP.",
         4,
         0,
         -90,
         120,
         {2, 8, 9, 12, 13}},
        {"Trade Fair 2027", "Stand, material and staff for the spring fair.", 9, 0, 10, 150, {3, 14, 15, 16}},
        {"Warehouse Automation",
         "Plan kept in MS Project and synchronized.",
         2,
         1,
         -10,
         200,
         {5, 17, 18, 19, 20}},
        {"Help Desk Tooling", "Knowledge base and ticket routing.", 5, 0, -60, 30, {13, 21, 22, 23}},
        {"Office Move Leeds", "Move of the Leeds office to the new site.", 20, 0, 30, 90, {1, 24, 25, 26}},
    };
    for (const P& p : list) {
        std::int64_t id = m_db.insert(
            "INSERT INTO projects(title, description, manager_id, executive_id, creator_id, created_at, "
            "start_date,"
            " finish_date, status_id, type_id, calendar_id, currency_id, ms_project_sync, created_by)"
            " VALUES(?, ?, ?, 4, 1, ?, ?, ?, (SELECT MIN(id) + 1 FROM dictionary_items WHERE dictionary ="
            " 'ProjectStatus'), (SELECT MIN(id) FROM dictionary_items WHERE dictionary = 'ProjectType'),"
            " (SELECT MIN(id) FROM dictionary_items WHERE dictionary = 'ProjectCalendar'),"
            " (SELECT MIN(id) FROM dictionary_items WHERE dictionary = 'ProjectCurrency'), ?, 'seed')",
            {p.title, p.description, std::int64_t(p.manager), day(-100, 9), day(p.from, 8), day(p.to, 17),
             std::int64_t(p.sync)});
        m_db.exec("INSERT INTO project_members(project_id, user_id) VALUES(?, ?)",
                  {id, std::int64_t(p.manager)});
        for (int member : p.team)
            m_db.exec(
                "INSERT OR IGNORE INTO project_members(project_id, user_id, must_confirm) VALUES(?, ?, ?)",
                {id, std::int64_t(member), std::int64_t(member % 5 == 0)});
    }
}

void DemoSeed::items()
{
    const char* insert =
        "INSERT INTO items(kind, title, description, location, project_id, creator_id, manager_id,"
        " priority_id, start_date, finish_date, date_flags, created_at, created_by)"
        " VALUES(?, ?, ?, ?, ?, ?, ?, (SELECT MIN(id) + 1 FROM dictionary_items WHERE dictionary ="
        " 'Priority'), ?, ?, ?, ?, 'seed')";
    struct I
    {
        const char *kind, *title, *location;
        int project, manager, from, hour, hours;
        std::vector<int> participants;
    };
    const I list[] = {
        {"event", "Weekly status meeting", "Room 2.14", 1, 2, 0, 10, 1, {1, 3, 6}},
        {"event", "Customer workshop", "Calder & Finch, Leeds", 2, 4, 2, 9, 6, {1, 2, 8}},
        {"event", "Fair planning call", "", 3, 9, -3, 14, 1, {1, 14}},
        {"task", "Design the new product pages", "", 1, 2, -5, 8, 240, {3, 6}},
        {"task", "Data migration dry run", "", 2, 4, 1, 8, 48, {1, 8, 9}},
        {"todo", "Order stand material", "", 3, 1, 4, 9, 24, {}},
        {"todo", "Renew software licences", "", 0, 1, -1, 12, 2, {}},
        {"incident", "Printer on floor 2 offline", "", 0, 5, -2, 11, 0, {}},
    };
    for (const I& i : list) {
        std::int64_t id = m_db.insert(
            insert,
            {i.kind, i.title, std::string("Created with the demo data."), i.location,
             i.project ? SqlValue(std::int64_t(i.project)) : SqlValue(nullptr), std::int64_t(1),
             std::int64_t(i.manager), day(i.from, i.hour),
             day(i.from + (i.hour + i.hours) / 24, (i.hour + i.hours) % 24),
             std::string(i.kind) == "todo" ? SqlValue(std::int64_t(3)) : SqlValue(nullptr), day(-7, 9)});
        std::int64_t position = 0;
        for (int user : i.participants)
            m_db.exec("INSERT INTO item_participants(item_id, position, user_id) VALUES(?, ?, ?)",
                      {id, position++, std::int64_t(user)});
    }
}

void DemoSeed::listFolders()
{
    // Built-in folders carry "@@n" names (public lists, project lists, templates).
    struct F
    {
        int id, parent;
        const char* name;
        int readOnly;
    };
    const F list[] = {{1, 0, "@@1", 0},           {2, 0, "@@2", 1},         {3, 0, "@@3", 1},
                      {4, 1, "Team Lists", 0},    {5, 4, "Sales", 0},       {6, 2, "Website Relaunch", 0},
                      {7, 2, "ERP Migration", 1}, {8, 7, "Open Points", 0}, {9, 3, "Standard Templates", 1}};
    for (const F& f : list)
        m_db.exec("INSERT INTO list_folders(id, parent_id, name, read_only) VALUES(?, ?, ?, ?)",
                  {std::int64_t(f.id), f.parent ? SqlValue(std::int64_t(f.parent)) : SqlValue(nullptr),
                   f.name, std::int64_t(f.readOnly)});
    m_db.exec(
        "INSERT INTO lists(title, description, folder_id, creator_id, created_at) VALUES('Supplier Contacts',"
        " 'Demo list.', 4, 1, ?)",
        {day(-20, 9)});
}

void DemoSeed::library()
{
    // Folder 1 is the library's own root, which 4.x clients do not show.
    struct F
    {
        int id, parent, project, readOnly;
        const char* name;
    };
    const F list[] = {{1, 0, 0, 0, "Library"},       {2, 1, 0, 0, "Documents"},
                      {3, 1, 0, 1, "Policies"},      {4, 2, 0, 0, "Contracts"},
                      {5, 3, 0, 0, "Drafts"},        {6, 0, 1, 0, "Website Relaunch"},
                      {7, 0, 2, 0, "ERP Migration"}, {8, 7, 2, 1, "Sign-offs"}};
    for (const F& f : list)
        m_db.exec(
            "INSERT INTO library_folders(id, parent_id, name, project_id, read_only) VALUES(?, ?, ?, ?, ?)",
            {std::int64_t(f.id), f.parent ? SqlValue(std::int64_t(f.parent)) : SqlValue(nullptr), f.name,
             f.project ? SqlValue(std::int64_t(f.project)) : SqlValue(nullptr), std::int64_t(f.readOnly)});
    struct A
    {
        int folder;
        const char *name, *content, *url;
    };
    const A assets[] = {{2, "Welcome.txt", "Welcome to the Harlowe file library.\n", nullptr},
                        {4, "Framework Agreement.txt", "Framework agreement, draft 3.\n", nullptr},
                        {3, "Travel Policy.txt", "Economy class for flights under six hours.\n", nullptr},
                        {2, "Intranet", nullptr, "http://intranet.example.com/"},
                        {6, "Sitemap.txt", "Home\nProducts\nContact\n", nullptr},
                        {7, "Cutover Plan.txt", "Weekend cutover, rollback at 18:00.\n", nullptr},
                        {2, "README", "A file without an extension.\n", nullptr}};
    for (const A& a : assets) {
        std::int64_t id = m_db.insert(
            "INSERT INTO library_assets(folder_id, file_name, internal, url, creator_id, created_at)"
            " VALUES(?, ?, ?, ?, 1, ?)",
            {std::int64_t(a.folder), a.name, std::int64_t(a.content != nullptr),
             a.url ? SqlValue(std::string(a.url)) : SqlValue(nullptr), day(-10, 9)});
        if (a.content)
            m_db.exec("INSERT INTO asset_versions(asset_id, size, content, creator_id, created_at) VALUES(?, "
                      "?, ?, 1, ?)",
                      {id, static_cast<std::int64_t>(std::string(a.content).size()), a.content, day(-10, 9)});
    }
}

} // namespace orvdev

// The publishing page: files posted as the wizard's form into library folders, as new versions,
// as attachments and as workbooks for a list import; and its refusals.
#include "support/FilePageClient.h"
#include "support/SharedServer.h"
#include "support/SoapCall.h"
#include "support/WebSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

using namespace orvdev::test;
using namespace std::string_literals;

namespace {

using Fields = FilePageClient::Fields;

Fields with(Fields fields, const Fields& more)
{
    fields.insert(fields.end(), more.begin(), more.end());
    fields.emplace_back("__HARLOWE_FORM_UNIQUEID", "0A1B2C3D-4E5F-6A7B-8C9D0E1F2A3B4C5D");
    return fields;
}

pugi::xml_document library(SoapClient& client)
{
    return client.call("FileLibraryDir", {num("folderId", 0), text("recursive", "true"), num("projectId", 0)})
        .answer();
}

long long checkFileName(SoapClient& client, long long type, long long id, const std::string& name)
{
    return std::stoll(
        client.call("CheckFileName", {num("objectTypeId", type), num("objectId", id), text("fileName", name)})
            .result);
}

std::size_t storedVersions(const ServerProcess& server)
{
    auto dir = std::filesystem::path(server.dataDir()) / "files" / "versions";
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

// "… as version V of file A …" from the page's answer.
std::pair<std::string, std::string> versionAndFile(const std::string& answer)
{
    std::smatch m;
    if (!std::regex_search(answer, m, std::regex("as version (\\d+) of file (\\d+)")))
        return {"", ""};
    return {m[1], m[2]};
}

} // namespace

TEST(FilePublishing, IntoAFolderThenOverTheSameFile)
{
    ServerProcess server;
    FilePageClient pages(server);
    SoapClient client(server);
    EXPECT_EQ(checkFileName(client, 10, 2, "report.TXT"), 0);

    auto first = pages.publish(
        FilePageClient::publishing(),
        with(FilePageClient::signedIn(server),
             {{"ObjectTypeId", "10"}, {"AssetId", "0"}, {"ObjectId", "2"}, {"FileName", "Report.txt"}}),
        "report-local.txt", "first\r\ncontents\0x"s);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->status, 200);
    EXPECT_EQ(first->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_NE(first->body.find("Published 'Report.txt' as version"), std::string::npos) << first->body;
    EXPECT_NE(first->body.find("in library folder 2"), std::string::npos);
    auto [v1, asset] = versionAndFile(first->body);
    ASSERT_FALSE(v1.empty());

    auto line = server.lastJournalLine();
    EXPECT_EQ(jsonField(line, "page"), "FilePublishing.aspx");
    EXPECT_NE(line.find("\"status\": 200,"), std::string::npos) << line; // a number, not a text
    EXPECT_NE(line.find("\"Password\": \"***\""), std::string::npos) << line;
    EXPECT_NE(line.find("\"FileName\": \"Report.txt\""), std::string::npos);
    EXPECT_NE(line.find("\"__EVENTARGUMENT\": \"\""), std::string::npos);
    EXPECT_NE(line.find("\"file\": {\"name\": \"report-local.txt\", \"size\": 17}"), std::string::npos)
        << line;

    // The service and the web view see the new file.
    auto tree = library(client);
    const std::string node = "//Folder[Id=2]/ChildList/Asset[FileName='Report.txt']";
    EXPECT_EQ(selectOne(tree, node + "/VersionId"), v1);
    EXPECT_EQ(selectOne(tree, node + "/Id"), asset);
    EXPECT_EQ(selectOne(tree, node + "/Internal"), "True");
    EXPECT_EQ(checkFileName(client, 10, 2, "report.TXT"), -1);
    WebSession web(server);
    ASSERT_EQ(web.signIn("admin@127.0.0.1", "admin"), 302);
    auto view = web.get("/portals/p/FileStorage/default.aspx?FolderID=2");
    ASSERT_TRUE(view);
    EXPECT_NE(view->body.find("<li>Report.txt</li>"), std::string::npos);

    // The same name again (the user chose to write over it): a new version of the same file.
    auto second = pages.publish(
        FilePageClient::publishing(),
        with(FilePageClient::signedIn(server),
             {{"ObjectTypeId", "10"}, {"AssetId", "0"}, {"ObjectId", "2"}, {"FileName", "REPORT.txt"}}),
        "x.txt", "second");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->status, 200);
    auto [v2, asset2] = versionAndFile(second->body);
    EXPECT_EQ(asset2, asset);
    EXPECT_NE(v2, v1);

    // A file node chosen: "AssetId" names the file.
    auto third = pages.publish(
        FilePageClient::publishing(),
        with(FilePageClient::signedIn(server),
             {{"ObjectTypeId", "10"}, {"AssetId", asset}, {"ObjectId", "0"}, {"FileName", "other.txt"}}),
        "other.txt", "third");
    ASSERT_TRUE(third);
    EXPECT_EQ(third->status, 200) << third->body;
    auto [v3, asset3] = versionAndFile(third->body);
    EXPECT_EQ(asset3, asset);
    EXPECT_NE(third->body.find("Published 'Report.txt'"), std::string::npos);
    tree = library(client);
    EXPECT_EQ(select(tree, "//Asset[Id=" + asset + "]/VersionId"), std::vector<std::string>{v3});
    EXPECT_EQ(select(tree, "//Asset[FileName='Report.txt']").size(), 1u);

    // Every version keeps its own bytes.
    for (const auto& [version, bytes] : {std::pair{v1, "first\r\ncontents\0x"s}, std::pair{v3, "third"s}}) {
        auto got = pages.post(FilePageClient::download(), with(FilePageClient::signedIn(server),
                                                               {{"FolderID", "2"}, {"VersionID", version}}));
        ASSERT_TRUE(got);
        EXPECT_EQ(got->status, 200);
        EXPECT_EQ(got->body, bytes) << "version " << version;
    }
}

TEST(FilePublishing, AttachesToObjects)
{
    ServerProcess server;
    FilePageClient pages(server);
    SoapClient client(server);
    auto created =
        client.call("CreateIncident45",
                    {text("title", "Scanner jams"), text("description", ""), num("projectId", -1),
                     num("typeId", 7), num("priorityId", 2), num("severityId", 12), raw("categories", ""),
                     num("incidentBoxId", -1), num("contactId", -1), num("organizationId", -1)});
    ASSERT_EQ(created.state, "OK");
    struct Target
    {
        std::string type, id, says;
    };
    const std::vector<Target> targets = {{"7", created.result, "attached to incident " + created.result},
                                         {"5", "4", "attached to task 4"},
                                         {"4", "1", "attached to event 1"},
                                         {"6", "6", "attached to to-do 6"},
                                         {"3", "1", "attached to project 1"}};
    for (const Target& t : targets) {
        SCOPED_TRACE(t.says);
        EXPECT_EQ(checkFileName(client, std::stoll(t.type), std::stoll(t.id), "log.txt"), 0);
        auto answer = pages.publish(
            FilePageClient::publishing(),
            with(FilePageClient::signedIn(server),
                 {{"ObjectTypeId", t.type}, {"AssetId", "0"}, {"ObjectId", t.id}, {"FileName", "log.txt"}}),
            "C:\\Users\\ada\\log.txt", "log of " + t.says);
        ASSERT_TRUE(answer);
        EXPECT_EQ(answer->status, 200);
        EXPECT_NE(answer->body.find(t.says), std::string::npos) << answer->body;
        EXPECT_EQ(checkFileName(client, std::stoll(t.type), std::stoll(t.id), "LOG.txt"), -1);
        auto got = pages.post(FilePageClient::download(),
                              with(FilePageClient::signedIn(server),
                                   {{"FolderID", "0"}, {"VersionID", versionAndFile(answer->body).first}}));
        ASSERT_TRUE(got);
        EXPECT_EQ(got->body, "log of " + t.says);
    }
    // Attachments stay out of the library tree.
    EXPECT_TRUE(select(library(client), "//Asset[FileName='log.txt']").empty());
}

struct Refusal
{
    const char* what;
    const char* user;
    const char* password;
    Fields fields;
    int status;
    const char* says;
    bool withFile = true;
    const char* path = "FileLibrary";
};

inline void PrintTo(const Refusal& r, std::ostream* os)
{
    *os << r.what;
}

class PublishingRefusals : public SharedServer<::testing::TestWithParam<Refusal>>
{
};

TEST_P(PublishingRefusals, StoreNothingAndSayWhy)
{
    const Refusal& r = GetParam();
    FilePageClient pages(*server);
    const std::size_t before = storedVersions(*server);
    const Fields fields = with(FilePageClient::signedIn(*server, r.user, r.password), r.fields);
    auto answer = r.withFile
                      ? pages.publish(FilePageClient::publishing(r.path), fields, "refused.txt", "nope")
                      : pages.post(FilePageClient::publishing(r.path), fields);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, r.status);
    EXPECT_NE(answer->body.find(r.says), std::string::npos) << answer->body;
    auto line = server->lastJournalLine();
    EXPECT_NE(line.find("\"status\": " + std::to_string(r.status)), std::string::npos) << line;
    EXPECT_EQ(storedVersions(*server), before);
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::path(server->dataDir()) / "files" / "incoming"));
    SoapClient client(*server);
    EXPECT_EQ(checkFileName(client, 10, 2, "refused.txt"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PublishingRefusals,
    ::testing::Values(
        Refusal{"WrongPassword",
                "admin",
                "nimda",
                {{"ObjectTypeId", "10"}, {"AssetId", "0"}, {"ObjectId", "2"}},
                403,
                "Access denied: unknown user or wrong password."},
        Refusal{"UnknownUser",
                "nobody",
                "admin",
                {{"ObjectTypeId", "10"}, {"AssetId", "0"}, {"ObjectId", "2"}},
                403,
                "Access denied"},
        Refusal{"ReadOnlyFolder",
                "admin",
                "admin",
                {{"ObjectTypeId", "10"}, {"AssetId", "0"}, {"ObjectId", "3"}},
                403,
                "You may not publish files in library folder 3."},
        Refusal{"OverAFileOfAReadOnlyFolder",
                "admin",
                "admin",
                {{"ObjectTypeId", "10"}, {"AssetId", "3"}, {"ObjectId", "0"}},
                403,
                "You may not publish files in library folder 3."},
        Refusal{"AnotherTeamsProjectLibrary",
                "user",
                "user",
                {{"ObjectTypeId", "10"}, {"AssetId", "0"}, {"ObjectId", "7"}},
                403,
                "You may not publish files in library folder 7."},
        Refusal{"UnknownFolder",
                "admin",
                "admin",
                {{"ObjectTypeId", "10"}, {"AssetId", "0"}, {"ObjectId", "99"}},
                404,
                "There is no library folder 99."},
        Refusal{"UnknownFile",
                "admin",
                "admin",
                {{"ObjectTypeId", "10"}, {"AssetId", "99"}, {"ObjectId", "0"}},
                404,
                "There is no library file 99."},
        Refusal{"OverALink",
                "admin",
                "admin",
                {{"ObjectTypeId", "10"}, {"AssetId", "4"}, {"ObjectId", "0"}},
                400,
                "is a link, not a stored file"},
        Refusal{"UnknownIncident",
                "admin",
                "admin",
                {{"ObjectTypeId", "7"}, {"AssetId", "0"}, {"ObjectId", "4"}},
                404,
                "There is no incident 4."},
        Refusal{"UnknownObjectType",
                "admin",
                "admin",
                {{"ObjectTypeId", "9"}, {"AssetId", "0"}, {"ObjectId", "1"}},
                400,
                "Objects of type 9 take no files."},
        Refusal{"NoObjectType", "admin", "admin", {{"ObjectId", "2"}}, 400, "ObjectTypeId is missing"},
        Refusal{"NoFile",
                "admin",
                "admin",
                {{"ObjectTypeId", "10"}, {"AssetId", "0"}, {"ObjectId", "2"}},
                400,
                "No file was sent in the form field PublishedFile.",
                false},
        Refusal{"PathOfTheOldRelease",
                "admin",
                "admin",
                {{"ObjectTypeId", "10"}, {"AssetId", "0"}, {"ObjectId", "2"}},
                404,
                "Not found",
                true,
                "Library"}),
    [](const auto& p) { return std::string(p.param.what); });

TEST(FilePublishing, OldReleaseFormAndFileName)
{
    ServerProcess server({"--server-version", "3.0"});
    FilePageClient pages(server);
    SoapClient client(server);
    auto posted = pages.publish(FilePageClient::publishing("Library"),
                                with(FilePageClient::signedIn(server), {{"FolderID", "4"}, {"AssetID", "0"}}),
                                "D:\\work\\Offer.doc", "offer 1");
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->status, 200) << posted->body;
    auto [v1, asset] = versionAndFile(posted->body);
    EXPECT_EQ(selectOne(library(client), "//Folder[Id=4]/ChildList/Asset[FileName='Offer.doc']/VersionId"),
              v1);
    // A file node on 3.0 carries the VersionId: "AssetID" names a version of the file.
    auto again = pages.publish(FilePageClient::publishing("Library"),
                               with(FilePageClient::signedIn(server), {{"FolderID", "0"}, {"AssetID", v1}}),
                               "Offer-2.doc", "offer 2");
    ASSERT_TRUE(again);
    EXPECT_EQ(again->status, 200) << again->body;
    EXPECT_EQ(versionAndFile(again->body).second, asset);
    EXPECT_EQ(
        pages.publish(FilePageClient::publishing(), FilePageClient::signedIn(server), "a.txt", "a")->status,
        404);
    auto got =
        pages.post(FilePageClient::download("Library"),
                   with(FilePageClient::signedIn(server), {{"AssetID", versionAndFile(again->body).first}}));
    ASSERT_TRUE(got);
    EXPECT_EQ(got->body, "offer 2");
    EXPECT_EQ(got->get_header_value("Content-Disposition"), "attachment; filename=\"Offer.doc\"");

    // 4.1 has no "FileName" field: the posted file's name counts.
    ServerProcess older({"--server-version", "4.1"});
    FilePageClient olderPages(older);
    auto named = olderPages.publish(
        FilePageClient::publishing(),
        with(FilePageClient::signedIn(older),
             {{"ObjectTypeId", "10"}, {"AssetId", "0"}, {"ObjectId", "2"}, {"FileName", "Renamed.txt"}}),
        "Local.txt", "x");
    ASSERT_TRUE(named);
    EXPECT_NE(named->body.find("Published 'Local.txt'"), std::string::npos) << named->body;
}

TEST(FilePublishing, WorkbookForAListImport)
{
    ServerProcess server;
    FilePageClient pages(server);
    SoapClient client(server);
    auto answer = pages.publish(
        FilePageClient::publishing(),
        with(FilePageClient::signedIn(server),
             {{"ObjectTypeId", "15"}, {"AssetId", "0"}, {"ObjectId", "0"}, {"FileName", "Suppliers.csv"}}),
        "Suppliers.csv", "\xEF\xBB\xBFName;\"Email, work\";Phone\r\nAcme;a@acme.test;1\r\n");
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 200);
    EXPECT_EQ(answer->get_header_value("Content-Type"), "text/xml; charset=utf-8");
    pugi::xml_document outline;
    ASSERT_TRUE(outline.load_string(answer->body.c_str())) << answer->body;
    const std::string file = selectOne(outline, "Lists/File");
    EXPECT_NE(file.find("Suppliers.csv"), std::string::npos);
    EXPECT_EQ(select(outline, "Lists/List/SheetName"), std::vector<std::string>{"Suppliers"});
    EXPECT_EQ(select(outline, "Lists/List/Field/Name"),
              (std::vector<std::string>{"Name", "Email, work", "Phone"}));

    auto list = client.call("CreateListFromExcel",
                            {text("fileName", file), text("sheetName", "Suppliers"),
                             text("title", "Suppliers"), text("description", ""), num("folderId", 1),
                             num("typeId", 23), num("statusId", 27), raw("categories", ""),
                             strings("columns", {"Name", "Phone"}), num("ignoreErrorRows", 0)});
    EXPECT_EQ(list.state, "OK");

}

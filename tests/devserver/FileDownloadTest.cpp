// The download page, injected faults on the file pages, and large files in both directions.
#include "support/FilePageClient.h"
#include "support/SharedServer.h"
#include "support/SoapCall.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

using namespace orvdev::test;

namespace {

using Fields = FilePageClient::Fields;

Fields with(Fields fields, const Fields& more)
{
    fields.insert(fields.end(), more.begin(), more.end());
    return fields;
}

Fields folderForm(const std::string& folder)
{
    return {{"ObjectTypeId", "10"},
            {"AssetId", "0"},
            {"ObjectId", folder},
            {"FileName", "n.txt"},
            {"__HARLOWE_FORM_UNIQUEID", "0A1B2C3D-4E5F-6A7B-8C9D0E1F2A3B4C5D"}};
}

} // namespace

struct DownloadCase
{
    const char* what;
    const char* user;
    const char* password;
    Fields fields;
    int status;
    const char* body; // exact for 200, contained otherwise
    const char* fileName = "";
};

inline void PrintTo(const DownloadCase& c, std::ostream* os)
{
    *os << c.what;
}

class Downloads : public SharedServer<::testing::TestWithParam<DownloadCase>>
{
};

// Seeded versions: 1 Welcome.txt (Documents), 2 Framework Agreement.txt, 3 Travel Policy.txt
// (read-only Policies), 4 Sitemap.txt (project 1), 5 Cutover Plan.txt (project 2), 6 README.
TEST_P(Downloads, SendTheStoredBytesOrSayWhyNot)
{
    const DownloadCase& c = GetParam();
    FilePageClient pages(*server);
    auto got = pages.post(FilePageClient::download(),
                          with(FilePageClient::signedIn(*server, c.user, c.password), c.fields));
    ASSERT_TRUE(got);
    EXPECT_EQ(got->status, c.status);
    auto line = server->lastJournalLine();
    EXPECT_EQ(jsonField(line, "page"), "FileDownload.aspx");
    EXPECT_NE(line.find("\"status\": " + std::to_string(c.status)), std::string::npos) << line;
    EXPECT_NE(line.find("\"Password\": \"" + std::string(*c.password ? "***" : "") + "\""), std::string::npos)
        << line;
    if (c.status == 200) {
        EXPECT_EQ(got->body, c.body);
        EXPECT_EQ(got->get_header_value("Content-Type"), "application/octet-stream");
        EXPECT_EQ(got->get_header_value("Content-Disposition"),
                  "attachment; filename=\"" + std::string(c.fileName) + "\"");
        EXPECT_NE(line.find("\"file\": {\"name\": \"" + std::string(c.fileName) +
                            "\", \"size\": " + std::to_string(std::string(c.body).size()) + "}"),
                  std::string::npos)
            << line;
    } else {
        EXPECT_NE(got->body.find(c.body), std::string::npos) << got->body;
        EXPECT_EQ(jsonField(line, "file"), "<missing>");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Downloads,
    ::testing::Values(
        DownloadCase{"LibraryFile",
                     "admin",
                     "admin",
                     {{"FolderID", "2"}, {"VersionID", "1"}},
                     200,
                     "Welcome to the Harlowe file library.\n",
                     "Welcome.txt"},
        DownloadCase{"FileWithoutExtension",
                     "user",
                     "user",
                     {{"FolderID", "0"}, {"VersionID", "6"}},
                     200,
                     "A file without an extension.\n",
                     "README"},
        DownloadCase{"ReadOnlyFolderStillReads",
                     "user",
                     "user",
                     {{"FolderID", "3"}, {"VersionID", "3"}},
                     200,
                     "Economy class for flights under six hours.\n",
                     "Travel Policy.txt"},
        DownloadCase{"OwnTeamsProjectLibrary",
                     "user",
                     "user",
                     {{"FolderID", "6"}, {"VersionID", "4"}},
                     200,
                     "Home\nProducts\nContact\n",
                     "Sitemap.txt"},
        DownloadCase{"AnotherTeamsProjectLibrary",
                     "user",
                     "user",
                     {{"FolderID", "7"}, {"VersionID", "5"}},
                     404,
                     "File version 5 is not available to you."},
        DownloadCase{"UnknownVersion",
                     "admin",
                     "admin",
                     {{"FolderID", "2"}, {"VersionID", "77"}},
                     404,
                     "There is no file version 77."},
        DownloadCase{"NoVersion", "admin", "admin", {{"FolderID", "2"}}, 400, "VersionID is missing"},
        DownloadCase{
            "WrongPassword", "admin", "wrong", {{"FolderID", "2"}, {"VersionID", "1"}}, 403, "Access denied"},
        DownloadCase{
            "EmptyPassword", "admin", "", {{"FolderID", "2"}, {"VersionID", "1"}}, 403, "Access denied"}),
    [](const auto& p) { return std::string(p.param.what); });

TEST(FileDownload, AcceptsAnUrlEncodedFormToo)
{
    ServerProcess server;
    httplib::Client http(server.host(), server.port());
    auto got = http.Post(FilePageClient::download().c_str(), "Login=admin%40h&Password=admin&VersionID=2",
                         "application/x-www-form-urlencoded");
    ASSERT_TRUE(got);
    EXPECT_EQ(got->status, 200);
    EXPECT_EQ(got->body, "Framework agreement, draft 3.\n");
}

struct PageFault
{
    const char* definition;
    int status; // 0: the connection is cut
    bool notXml = false;
};

inline void PrintTo(const PageFault& f, std::ostream* os)
{
    *os << f.definition;
}

class PageFaults : public ::testing::TestWithParam<PageFault>
{
};

TEST_P(PageFaults, HitBothPagesAndStoreNothing)
{
    const PageFault& f = GetParam();
    ServerProcess server({"--fault", std::string("FilePublishing.aspx=") + f.definition, "--fault",
                          std::string("FileDownload.aspx=") + f.definition});
    FilePageClient pages(server);
    auto published = pages.publish(FilePageClient::publishing(),
                                   with(FilePageClient::signedIn(server), folderForm("2")), "n.txt", "12345");
    auto downloaded = pages.post(FilePageClient::download(), with(FilePageClient::signedIn(server),
                                                                  {{"FolderID", "2"}, {"VersionID", "1"}}));
    for (auto* answer : {&published, &downloaded}) {
        if (f.status == 0) {
            EXPECT_FALSE(*answer);
            continue;
        }
        ASSERT_TRUE(*answer);
        EXPECT_EQ((*answer)->status, f.status);
        if (f.notXml)
            EXPECT_FALSE(pugi::xml_document().load_string((*answer)->body.c_str()));
        else
            EXPECT_TRUE((*answer)->body.empty());
    }
    auto journal = server.journal();
    ASSERT_EQ(journal.size(), 2u);
    const std::string kind = std::string(f.definition).substr(0, std::string(f.definition).find('#'));
    for (const auto& line : journal) {
        EXPECT_EQ(jsonField(line, "fault"), kind) << line;
        EXPECT_NE(line.find("\"status\": " + std::to_string(f.status)), std::string::npos) << line;
    }
    EXPECT_NE(journal[0].find("\"file\": {\"name\": \"n.txt\", \"size\": 5}"), std::string::npos)
        << journal[0];
    SoapClient client(server);
    EXPECT_EQ(
        client.call("CheckFileName", {num("objectTypeId", 10), num("objectId", 2), text("fileName", "n.txt")})
            .result,
        "0");
}

INSTANTIATE_TEST_SUITE_P(Kinds, PageFaults,
                         ::testing::Values(PageFault{"http-400", 400}, PageFault{"http-404", 404},
                                           PageFault{"http-405", 405}, PageFault{"http-408", 408},
                                           PageFault{"http-500", 500}, PageFault{"http-503", 503},
                                           PageFault{"disconnect", 0}, PageFault{"bad-xml", 200, true}),
                         [](const auto& p) {
                             std::string name = p.param.definition;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(PageFaults, FirstRequestsOnlyWithACount)
{
    ServerProcess server({"--fault", "FilePublishing.aspx=http-503#2", "--fault", "GetGroupList=soap-fault#1",
                          "--fault", "FileDownload.aspx=disconnect#1"});
    FilePageClient pages(server);
    std::vector<int> statuses;
    for (int i = 0; i < 3; ++i) {
        auto answer = pages.publish(FilePageClient::publishing(),
                                    with(FilePageClient::signedIn(server), folderForm("2")), "n.txt", "abc");
        statuses.push_back(answer ? answer->status : 0);
    }
    EXPECT_EQ(statuses, (std::vector<int>{503, 503, 200}));
    EXPECT_FALSE(
        pages.post(FilePageClient::download(), with(FilePageClient::signedIn(server), {{"VersionID", "1"}})));
    FilePageClient again(server);
    auto retried =
        again.post(FilePageClient::download(), with(FilePageClient::signedIn(server), {{"VersionID", "1"}}));
    ASSERT_TRUE(retried);
    EXPECT_EQ(retried->status, 200);
    SoapClient client(server);
    EXPECT_EQ(client.call("GetGroupList").faultCode, "soap:Server");
    EXPECT_EQ(client.call("GetGroupList").state, "OK");
}

// The transfer faults of the download page: the client must see a cut body as an error (httplib
// reads chunks and lengths strictly), a whole chunked body as the file, and the journal names them.
TEST(PageFaults, DownloadTransfersCutOrChunked)
{
    const std::string welcome = "Welcome to the Harlowe file library.\n";
    for (const auto& [kind, whole] : std::vector<std::pair<std::string, bool>>{
             {"cut:10", false}, {"chunked-cut:0", false}, {"chunked-cut:10", false}, {"chunked", true}}) {
        ServerProcess server({"--fault", "FileDownload.aspx=" + kind});
        FilePageClient pages(server);
        auto answer = pages.post(FilePageClient::download(), with(FilePageClient::signedIn(server),
                                                                  {{"FolderID", "2"}, {"VersionID", "1"}}));
        EXPECT_EQ(static_cast<bool>(answer), whole) << kind;
        if (answer && whole) {
            EXPECT_EQ(answer->body, welcome) << kind;
        }
        auto journal = server.journal();
        ASSERT_EQ(journal.size(), 1u) << kind;
        EXPECT_EQ(jsonField(journal[0], "fault"), kind);
    }
}

TEST(LargeFiles, StreamBothWaysWithoutHoldingThemInMemory)
{
    ServerProcess server;
    const long before = server.peakMemoryKiB();
    ASSERT_GT(before, 0);
    std::string contents(48u << 20, '\0');
    std::mt19937_64 random(7);
    for (std::size_t i = 0; i + 8 <= contents.size(); i += 8) {
        const auto value = random();
        std::memcpy(&contents[i], &value, 8);
    }
    FilePageClient pages(server);
    auto published =
        pages.publish(FilePageClient::publishing(), with(FilePageClient::signedIn(server), folderForm("2")),
                      "big.bin", contents);
    ASSERT_TRUE(published);
    ASSERT_EQ(published->status, 200) << published->body;
    EXPECT_NE(server.lastJournalLine().find("\"size\": " + std::to_string(contents.size())),
              std::string::npos);
    SoapClient client(server);
    const std::string version = selectOne(
        client.call("FileLibraryDir", {num("folderId", 0), text("recursive", "true"), num("projectId", 0)})
            .answer(),
        "//Asset[FileName='n.txt']/VersionId");
    auto downloaded =
        pages.post(FilePageClient::download(),
                   with(FilePageClient::signedIn(server), {{"FolderID", "2"}, {"VersionID", version}}));
    ASSERT_TRUE(downloaded);
    EXPECT_EQ(downloaded->status, 200);
    EXPECT_EQ(downloaded->get_header_value("Content-Length"), std::to_string(contents.size()));
    EXPECT_TRUE(downloaded->body == contents);
    // The 48 MiB passed through in buffers, never whole.
    const long after = server.peakMemoryKiB();
    EXPECT_LT(after - before, 16 * 1024)
        << "peak resident memory grew from " << before << " to " << after << " KiB";
}

TEST(LargeFiles, PostsOverTheUploadLimitAreRefused)
{
    ServerProcess server({"--max-upload", "65536"});
    FilePageClient pages(server);
    auto refused =
        pages.publish(FilePageClient::publishing(), with(FilePageClient::signedIn(server), folderForm("2")),
                      "n.txt", std::string(100000, 'x'));
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->status, 413);
    EXPECT_NE(server.lastJournalLine().find("\"status\": 413"), std::string::npos);
    // The connection stays usable and a small file still goes through.
    auto small = pages.publish(FilePageClient::publishing(),
                               with(FilePageClient::signedIn(server), folderForm("2")), "n.txt", "small");
    ASSERT_TRUE(small);
    EXPECT_EQ(small->status, 200);
}

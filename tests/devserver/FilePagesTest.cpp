// The file pages: files posted as the wizard's form into library folders, as new versions and as
// attachments; the pages' refusals; injected faults; large files both ways. Workbooks for a list import
// are WorkbookTest's.
#include "support/FilePageClient.h"
#include "support/ServerTest.h"
#include "support/SoapCall.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <regex>

using namespace orvdev::test;
using namespace std::string_literals;
using ::testing::HasSubstr;

static std::size_t storedVersions(const ServerProcess& server)
{
    auto dir = std::filesystem::path(server.dataDir()) / "files" / "versions";
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

// "… as version V of file A …" from the page's answer.
static std::pair<std::string, std::string> versionAndFile(const httplib::Result& answer)
{
    std::smatch m;
    if (!answer || !std::regex_search(answer->body, m, std::regex("as version (\\d+) of file (\\d+)")))
        return {"", ""};
    return {m[1], m[2]};
}

const std::string intoFolder2 = "ObjectTypeId=10&AssetId=0&ObjectId=2&FileName=";

// The form posts as the wizard sends them are the end-to-end file runs'; here what the server makes of
// them: a name again is a new version of the same file, every version keeps its bytes.
TEST(FilePublishing, IntoAFolderThenOverTheSameFile)
{
    ServerProcess server;
    FilePageClient pages(server);
    SoapClient client(server);
    auto first = pages.publish(intoFolder2 + "Report.txt", "report-local.txt", "first\r\ncontents\0x"s);
    ASSERT_TRUE(answered(first, 200, "Published 'Report.txt' as version"));
    EXPECT_EQ(first->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_THAT(first->body, HasSubstr("in library folder 2"));
    auto [v1, asset] = versionAndFile(first);
    const std::string node = "//Folder[Id=2]/ChildList/Asset[FileName='Report.txt']";
    EXPECT_EQ(selectOne(libraryTree(client), node + "/Id") +
                  selectOne(libraryTree(client), node + "/Internal"),
              asset + "True");
    EXPECT_EQ(checkFileName(client, 10, 2, "report.TXT"), "-1");
    // The same name in other case, then the file node chosen ("AssetId"): new versions of the same file.
    auto [v2, asset2] = versionAndFile(pages.publish(intoFolder2 + "REPORT.txt", "x.txt", "second"));
    EXPECT_EQ(asset2, asset);
    EXPECT_NE(v2, v1);
    auto third = pages.publish("ObjectTypeId=10&AssetId=" + asset + "&ObjectId=0&FileName=other.txt",
                               "other.txt", "third");
    ASSERT_TRUE(answered(third, 200, "Published 'Report.txt'"));
    auto [v3, asset3] = versionAndFile(third);
    EXPECT_EQ(asset3, asset);
    EXPECT_EQ(select(libraryTree(client), "//Asset[Id=" + asset + "]/VersionId"),
              std::vector<std::string>{v3});
    for (const auto& [version, bytes] : {std::pair{v1, "first\r\ncontents\0x"s}, std::pair{v3, "third"s}}) {
        auto got = pages.download("FolderID=2&VersionID=" + version);
        ASSERT_TRUE(answered(got, 200));
        EXPECT_EQ(got->body, bytes) << "version " << version;
    }
    // The download page takes an url-encoded form too (downloads as the wizard asks for them are the
    // end-to-end file runs', refusals the FilePages table's).
    auto got =
        pages.http().Post("/portals/127_0_0_1/FileLibrary/FileDownload.aspx",
                          "Login=admin%40h&Password=admin&VersionID=2", "application/x-www-form-urlencoded");
    ASSERT_TRUE(answered(got, 200));
    EXPECT_EQ(got->body, "Framework agreement, draft 3.\n");
}

// An incident's attachment is the end-to-end runs'; the other kinds of object take files alike and
// keep them out of the library tree.
TEST(FilePublishing, AttachesToObjects)
{
    ServerProcess server;
    FilePageClient pages(server);
    SoapClient client(server);
    for (const auto& [type, id, says] : {std::tuple{5, "4", "attached to task 4"},
                                         {4, "1", "attached to event 1"},
                                         {6, "6", "attached to to-do 6"},
                                         {3, "1", "attached to project 1"}}) {
        auto answer = pages.publish("ObjectTypeId=" + std::to_string(type) + "&AssetId=0&ObjectId=" + id +
                                        "&FileName=log.txt",
                                    "C:\\Users\\ada\\log.txt", says);
        ASSERT_TRUE(answered(answer, 200, says));
        EXPECT_EQ(checkFileName(client, type, std::stoll(id), "LOG.txt"), "-1") << says;
        EXPECT_EQ(pages.download("FolderID=0&VersionID=" + versionAndFile(answer).first)->body, says);
    }
    EXPECT_TRUE(select(libraryTree(client), "//Asset[FileName='log.txt']").empty());
}

// A page's answer to a form it refuses (or, downloading, to a user's right), and the journal line.
struct PageCase
{
    const char* what;
    std::string login; // "user:password"
    std::string fields;
    int status;
    const char* says;
    bool download = false, withFile = true;
    const char* generation = "FileLibrary";
};

const std::string inFolder = "ObjectTypeId=10&AssetId=0&ObjectId=";
std::string overFile(const char* id)
{
    return "ObjectTypeId=10&AssetId="s + id + "&ObjectId=0";
}
const std::string admin = "admin:admin";
// Seeded versions: 1 Welcome.txt (Documents), 4 Sitemap.txt (project 1), 5 Cutover Plan.txt (project 2).
const PageCase pageCases[] = {
    {"WrongPassword", "admin:nimda", inFolder + "2", 403, "Access denied: unknown user or wrong password."},
    {"UnknownUser", "nobody:admin", inFolder + "2", 403, "Access denied"},
    {"ReadOnlyFolder", admin, inFolder + "3", 403, "You may not publish files in library folder 3."},
    {"OverAFileOfAReadOnlyFolder", admin, overFile("3"), 403,
     "You may not publish files in library folder 3."},
    {"AnotherTeamsProjectLibrary", "user:user", inFolder + "7", 403,
     "You may not publish files in library folder 7."},
    {"UnknownFolder", admin, inFolder + "99", 404, "There is no library folder 99."},
    {"UnknownFile", admin, overFile("99"), 404, "There is no library file 99."},
    {"OverALink", admin, overFile("4"), 400, "is a link, not a stored file"},
    {"UnknownIncident", admin, "ObjectTypeId=7&AssetId=0&ObjectId=4", 404, "There is no incident 4."},
    {"UnknownObjectType", admin, "ObjectTypeId=9&AssetId=0&ObjectId=1", 400,
     "Objects of type 9 take no files."},
    {"NoObjectType", admin, "ObjectId=2", 400, "ObjectTypeId is missing"},
    {"NoFile", admin, inFolder + "2", 400, "No file was sent in the form field PublishedFile.", false, false},
    {"PathOfTheOldRelease", admin, inFolder + "2", 404, "Not found", false, true, "Library"},
    {"DownloadOwnTeamsProjectLibrary", "user:user", "FolderID=6&VersionID=4", 200, "Home\nProducts\n", true},
    {"DownloadAnotherTeamsProjectLibrary", "user:user", "FolderID=7&VersionID=5", 404,
     "File version 5 is not available to you.", true},
    {"DownloadUnknownVersion", admin, "FolderID=2&VersionID=77", 404, "There is no file version 77.", true},
    {"DownloadNoVersion", admin, "FolderID=2", 400, "VersionID is missing", true},
    {"DownloadWrongPassword", "admin:wrong", "FolderID=2&VersionID=1", 403, "Access denied", true},
    {"DownloadEmptyPassword", "admin:", "FolderID=2&VersionID=1", 403, "Access denied", true},
};

using FilePages = SharedServer<::testing::TestWithParam<PageCase>>;

TEST_P(FilePages, SayWhyAndStoreNothing)
{
    const PageCase& c = GetParam();
    const auto colon = c.login.find(':');
    const std::string password = c.login.substr(colon + 1);
    FilePageClient pages(*server, c.login.substr(0, colon), password, c.generation);
    const std::size_t before = storedVersions(*server);
    auto answer = c.download ? pages.download(c.fields)
                             : pages.publish(c.fields, c.withFile ? "refused.txt" : "", "nope");
    ASSERT_TRUE(answered(answer, c.status, c.says));
    const std::string line = server->lastJournalLine();
    EXPECT_THAT(line, HasSubstr("\"status\": " + std::to_string(c.status)));
    if (c.download) {
        EXPECT_THAT(line, HasSubstr("\"Password\": \"" + std::string(password.empty() ? "" : "***") + "\""));
        EXPECT_EQ(line.find("\"file\": {") == std::string::npos, c.status != 200);
    }
    EXPECT_EQ(storedVersions(*server), before);
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::path(server->dataDir()) / "files" / "incoming"));
    SoapClient client(*server);
    EXPECT_EQ(checkFileName(client, 10, 2, "refused.txt"), "0");
}

INSTANTIATE_TEST_SUITE_P(Cases, FilePages, ::testing::ValuesIn(pageCases),
                         [](const auto& p) { return std::string(p.param.what); });

TEST(FilePublishing, OldReleaseFormAndFileName)
{
    ServerProcess server({"--server-version", "3.0"});
    FilePageClient pages(server, "admin", "admin", "Library");
    auto posted = pages.publish("FolderID=4&AssetID=0", "D:\\work\\Offer.doc", "offer 1");
    ASSERT_TRUE(answered(posted, 200));
    auto [v1, asset] = versionAndFile(posted);
    // A file node on 3.0 carries the VersionId: "AssetID" names a version of the file.
    auto again = pages.publish("FolderID=0&AssetID=" + v1, "Offer-2.doc", "offer 2");
    ASSERT_TRUE(answered(again, 200));
    EXPECT_EQ(versionAndFile(again).second, asset);
    EXPECT_EQ(FilePageClient(server).publish("", "a.txt", "a")->status, 404);
    auto got = pages.download("AssetID=" + versionAndFile(again).first);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->body, "offer 2");
    EXPECT_EQ(got->get_header_value("Content-Disposition"), "attachment; filename=\"Offer.doc\"");

    // 4.1 has no "FileName" field: the posted file's name counts.
    ServerProcess older({"--server-version", "4.1"});
    EXPECT_TRUE(answered(FilePageClient(older).publish(intoFolder2 + "Renamed.txt", "Local.txt", "x"), 200,
                         "Published 'Local.txt'"));
}

// Each fault hits both file pages and stores nothing. The download page's transfer faults (cut,
// chunked) and counted faults are the end-to-end file runs'.
using PageFaults = ::testing::TestWithParam<std::string>;

TEST_P(PageFaults, AnswerAsInjectedAndStoreNothing)
{
    const std::string& fault = GetParam();
    ServerProcess server(
        {"--fault", "FileDownload.aspx=" + fault, "--fault", "FilePublishing.aspx=" + fault});
    FilePageClient pages(server);
    const int status = fault.starts_with("http-") ? std::stoi(fault.substr(5)) : fault == "bad-xml" ? 200 : 0;
    for (const auto& answer :
         {pages.publish(intoFolder2 + "n.txt", "n.txt", "12345"), pages.download("VersionID=1")}) {
        ASSERT_EQ(static_cast<bool>(answer), status != 0);
        if (answer) {
            EXPECT_EQ(std::pair(answer->status, answer->body.empty()), std::pair(status, status != 200));
            EXPECT_FALSE(pugi::xml_document().load_string(answer->body.c_str()));
        }
    }
    auto journal = server.journal();
    ASSERT_EQ(journal.size(), 2u);
    for (const auto& line : journal) {
        EXPECT_EQ(jsonField(line, "fault"), fault) << line;
        EXPECT_THAT(line, HasSubstr("\"status\": " + std::to_string(status)));
    }
    EXPECT_THAT(journal[0], HasSubstr("\"file\": {\"name\": \"n.txt\", \"size\": 5}"));
    SoapClient client(server);
    EXPECT_EQ(checkFileName(client, 10, 2, "n.txt"), "0");
}

INSTANTIATE_TEST_SUITE_P(Kinds, PageFaults,
                         ::testing::Values("http-400", "http-404", "http-405", "http-408", "http-500",
                                           "http-503", "disconnect", "bad-xml"),
                         [](const auto& p) { return caseName(p.param); });

TEST(LargeFiles, StreamBothWaysWithoutHoldingThemInMemory)
{
    ServerProcess server;
    const long before = server.peakMemoryKiB();
    ASSERT_GT(before, 0);
    std::string contents(48u << 20, '\0'); // random bytes: nothing on the way may compress them
    std::independent_bits_engine<std::mt19937_64, 8, unsigned char> random(7);
    std::generate(contents.begin(), contents.end(), [&random] { return static_cast<char>(random()); });
    FilePageClient pages(server);
    auto published = pages.publish(intoFolder2 + "n.txt", "big.bin", contents);
    ASSERT_TRUE(answered(published, 200));
    EXPECT_THAT(server.lastJournalLine(), HasSubstr("\"size\": " + std::to_string(contents.size())));
    SoapClient client(server);
    const std::string version = selectOne(libraryTree(client), "//Asset[FileName='n.txt']/VersionId");
    auto downloaded = pages.download("FolderID=2&VersionID=" + version);
    ASSERT_TRUE(answered(downloaded, 200));
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
    ASSERT_TRUE(answered(pages.publish(intoFolder2 + "n.txt", "n.txt", std::string(100000, 'x')), 413));
    EXPECT_THAT(server.lastJournalLine(), HasSubstr("\"status\": 413"));
    // The connection stays usable and a small file still goes through.
    EXPECT_TRUE(answered(pages.publish(intoFolder2 + "n.txt", "n.txt", "small"), 200));
}

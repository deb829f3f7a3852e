// The download page, injected faults on the file pages, and large files in both directions.
#include "support/FilePageClient.h"
#include "support/HttpCheck.h"
#include "support/SharedServer.h"
#include "support/SoapCall.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace orvdev::test;
using ::testing::HasSubstr;

namespace {

const std::string intoFolder2 = "ObjectTypeId=10&AssetId=0&ObjectId=2&FileName=n.txt";

struct DownloadCase
{
    const char* what;
    std::string login; // "user:password"
    std::string fields;
    int status;
    std::string body; // exact for 200, contained otherwise
    std::string fileName = "";
};

class Downloads : public SharedServer<::testing::TestWithParam<DownloadCase>>
{
};

} // namespace

// Seeded versions: 1 Welcome.txt (Documents), 2 Framework Agreement.txt, 3 Travel Policy.txt
// (read-only Policies), 4 Sitemap.txt (project 1), 5 Cutover Plan.txt (project 2), 6 README.
TEST_P(Downloads, SendTheStoredBytesOrSayWhyNot)
{
    const DownloadCase& c = GetParam();
    const auto colon = c.login.find(':');
    const std::string password = c.login.substr(colon + 1);
    auto got = FilePageClient(*server, c.login.substr(0, colon), password).download(c.fields);
    ASSERT_TRUE(answered(got, c.status));
    auto line = server->lastJournalLine();
    EXPECT_EQ(jsonField(line, "page"), "FileDownload.aspx");
    EXPECT_THAT(line, HasSubstr("\"status\": " + std::to_string(c.status)));
    EXPECT_THAT(line, HasSubstr("\"Password\": \"" + std::string(password.empty() ? "" : "***") + "\""));
    if (c.status != 200) {
        EXPECT_THAT(got->body, HasSubstr(c.body));
        EXPECT_EQ(jsonField(line, "file"), "<missing>");
        return;
    }
    EXPECT_EQ(got->body, c.body);
    EXPECT_EQ(got->get_header_value("Content-Type"), "application/octet-stream");
    EXPECT_EQ(got->get_header_value("Content-Disposition"), "attachment; filename=\"" + c.fileName + "\"");
    EXPECT_THAT(line, HasSubstr("\"file\": {\"name\": \"" + c.fileName +
                                "\", \"size\": " + std::to_string(c.body.size()) + "}"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Downloads,
    ::testing::Values(
        DownloadCase{"LibraryFile", "admin:admin", "FolderID=2&VersionID=1", 200,
                     "Welcome to the Harlowe file library.\n", "Welcome.txt"},
        DownloadCase{"FileWithoutExtension", "user:user", "FolderID=0&VersionID=6", 200,
                     "A file without an extension.\n", "README"},
        DownloadCase{"ReadOnlyFolderStillReads", "user:user", "FolderID=3&VersionID=3", 200,
                     "Economy class for flights under six hours.\n", "Travel Policy.txt"},
        DownloadCase{"OwnTeamsProjectLibrary", "user:user", "FolderID=6&VersionID=4", 200,
                     "Home\nProducts\nContact\n", "Sitemap.txt"},
        DownloadCase{"AnotherTeamsProjectLibrary", "user:user", "FolderID=7&VersionID=5", 404,
                     "File version 5 is not available to you."},
        DownloadCase{"UnknownVersion", "admin:admin", "FolderID=2&VersionID=77", 404,
                     "There is no file version 77."},
        DownloadCase{"NoVersion", "admin:admin", "FolderID=2", 400, "VersionID is missing"},
        DownloadCase{"WrongPassword", "admin:wrong", "FolderID=2&VersionID=1", 403, "Access denied"},
        DownloadCase{"EmptyPassword", "admin:", "FolderID=2&VersionID=1", 403, "Access denied"}),
    [](const auto& p) { return std::string(p.param.what); });

TEST(FileDownload, AcceptsAnUrlEncodedFormToo)
{
    ServerProcess server;
    auto got = httplib::Client(server.host(), server.port())
                   .Post("/portals/127_0_0_1/FileLibrary/FileDownload.aspx",
                         "Login=admin%40h&Password=admin&VersionID=2", "application/x-www-form-urlencoded");
    ASSERT_TRUE(answered(got, 200));
    EXPECT_EQ(got->body, "Framework agreement, draft 3.\n");
}

// Each fault hits both pages; "cut"/"chunked" are the download page's transfer faults. httplib reads
// chunks and lengths strictly, so a cut body is no answer at all.
struct PageFault
{
    std::string definition;
    int status; // 0: no answer (connection cut)
    bool notXml = false;
};

class PageFaults : public ::testing::TestWithParam<PageFault>
{
};

TEST_P(PageFaults, AnswerAsInjectedAndStoreNothing)
{
    const PageFault& f = GetParam();
    const bool transfer = f.definition.find("cut") != std::string::npos || f.definition == "chunked";
    std::vector<std::string> args = {"--fault", "FileDownload.aspx=" + f.definition};
    if (!transfer)
        args.insert(args.end(), {"--fault", "FilePublishing.aspx=" + f.definition});
    ServerProcess server(args);
    FilePageClient pages(server);
    std::vector<httplib::Result> answers;
    if (!transfer)
        answers.push_back(pages.publish(intoFolder2, "n.txt", "12345"));
    answers.push_back(pages.download("FolderID=2&VersionID=1"));
    for (const auto& answer : answers) {
        ASSERT_EQ(static_cast<bool>(answer), f.status != 0);
        if (!answer)
            continue;
        EXPECT_EQ(answer->status, f.status);
        if (f.definition == "chunked") {
            EXPECT_EQ(answer->body, "Welcome to the Harlowe file library.\n");
        } else if (f.notXml) {
            EXPECT_FALSE(pugi::xml_document().load_string(answer->body.c_str()));
        } else {
            EXPECT_TRUE(answer->body.empty());
        }
    }
    auto journal = server.journal();
    ASSERT_EQ(journal.size(), answers.size());
    for (const auto& line : journal) {
        EXPECT_EQ(jsonField(line, "fault"), f.definition) << line;
        if (!transfer) {
            EXPECT_THAT(line, HasSubstr("\"status\": " + std::to_string(f.status)));
        }
    }
    if (!transfer) {
        EXPECT_THAT(journal[0], HasSubstr("\"file\": {\"name\": \"n.txt\", \"size\": 5}"));
        SoapClient client(server);
        EXPECT_EQ(checkFileName(client, 10, 2, "n.txt"), "0");
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, PageFaults,
                         ::testing::Values(PageFault{"http-400", 400}, PageFault{"http-404", 404},
                                           PageFault{"http-405", 405}, PageFault{"http-408", 408},
                                           PageFault{"http-500", 500}, PageFault{"http-503", 503},
                                           PageFault{"disconnect", 0}, PageFault{"bad-xml", 200, true},
                                           PageFault{"cut:10", 0}, PageFault{"chunked-cut:0", 0},
                                           PageFault{"chunked-cut:10", 0}, PageFault{"chunked", 200}),
                         [](const auto& p) { return caseName(p.param.definition); });

TEST(PageFaultCounts, HitOnlyTheFirstRequests)
{
    ServerProcess server({"--fault", "FilePublishing.aspx=http-503#2", "--fault", "GetGroupList=soap-fault#1",
                          "--fault", "FileDownload.aspx=disconnect#1"});
    FilePageClient pages(server);
    std::vector<int> statuses;
    for (int i = 0; i < 3; ++i) {
        auto answer = pages.publish(intoFolder2, "n.txt", "abc");
        statuses.push_back(answer ? answer->status : 0);
    }
    EXPECT_EQ(statuses, (std::vector<int>{503, 503, 200}));
    EXPECT_FALSE(pages.download("VersionID=1"));
    auto retried = FilePageClient(server).download("VersionID=1");
    ASSERT_TRUE(answered(retried, 200));
    SoapClient client(server);
    EXPECT_EQ(client.call("GetGroupList").faultCode, "soap:Server");
    EXPECT_EQ(client.call("GetGroupList").state, "OK");
}

TEST(LargeFiles, StreamBothWaysWithoutHoldingThemInMemory)
{
    ServerProcess server;
    const long before = server.peakMemoryKiB();
    ASSERT_GT(before, 0);
    std::string contents(48u << 20, '\0'); // random bytes: nothing on the way may compress them
    std::independent_bits_engine<std::mt19937_64, 8, unsigned char> random(7);
    std::generate(contents.begin(), contents.end(), [&random] { return static_cast<char>(random()); });
    FilePageClient pages(server);
    auto published = pages.publish(intoFolder2, "big.bin", contents);
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
    auto refused = pages.publish(intoFolder2, "n.txt", std::string(100000, 'x'));
    ASSERT_TRUE(answered(refused, 413));
    EXPECT_THAT(server.lastJournalLine(), HasSubstr("\"status\": 413"));
    // The connection stays usable and a small file still goes through.
    auto small = pages.publish(intoFolder2, "n.txt", "small");
    ASSERT_TRUE(answered(small, 200));
}

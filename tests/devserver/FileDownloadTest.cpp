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

} // namespace

// Downloads as the wizard asks for them are the end-to-end file runs', refusals the FilePages table's.
TEST(FileDownload, AcceptsAnUrlEncodedFormToo)
{
    ServerProcess server;
    auto got = httplib::Client(server.host(), server.port())
                   .Post("/portals/127_0_0_1/FileLibrary/FileDownload.aspx",
                         "Login=admin%40h&Password=admin&VersionID=2", "application/x-www-form-urlencoded");
    ASSERT_TRUE(answered(got, 200));
    EXPECT_EQ(got->body, "Framework agreement, draft 3.\n");
}

// Each fault hits both file pages and stores nothing. The download page's transfer faults (cut,
// chunked) and counted faults are the end-to-end file runs'.
class PageFaults : public ::testing::TestWithParam<std::string>
{
};

TEST_P(PageFaults, AnswerAsInjectedAndStoreNothing)
{
    const std::string& fault = GetParam();
    ServerProcess server(
        {"--fault", "FileDownload.aspx=" + fault, "--fault", "FilePublishing.aspx=" + fault});
    FilePageClient pages(server);
    const int status = fault.starts_with("http-") ? std::stoi(fault.substr(5)) : fault == "bad-xml" ? 200 : 0;
    for (const auto& answer : {pages.publish(intoFolder2, "n.txt", "12345"), pages.download("VersionID=1")}) {
        ASSERT_EQ(static_cast<bool>(answer), status != 0);
        if (answer) {
            EXPECT_EQ(answer->status, status);
            EXPECT_EQ(answer->body.empty(), status != 200);
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

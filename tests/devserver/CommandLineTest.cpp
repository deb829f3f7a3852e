// The server's command line.
#include "cli/ServerOptions.h"
#include "support/ServerProcess.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <sys/wait.h>

using namespace orvdev;

namespace {

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The options as "host:port data version seed journal delay maxBody maxUpload scheme key".
std::string shown(const ServerOptions& o)
{
    std::ostringstream out;
    out << o.host << ":" << o.port << " " << o.dataDir << " " << o.version.text() << " " << o.seed << " "
        << o.journalPath << " " << o.delayMs << " " << o.maxBodyBytes << " " << o.maxUploadBytes << " "
        << o.scheme() << " " << o.tlsKeyFile;
    return out.str();
}

} // namespace

// Every option at work is a test's that starts a server with it; here the defaults.
TEST(CommandLine, Defaults)
{
    // 4 MiB is ASP.NET's own request limit.
    EXPECT_EQ(shown(ServerOptions::parse({})),
              "127.0.0.1:8080 orvello-data 4.7 demo  0 4194304 536870912 http ");
}

TEST(CommandLine, RefusesBadValues)
{
    for (const char* args : {"--listen 8080", "--listen h:99999", "--listen h:x", "--server-version 4.2",
                             "--seed full", "--delay-ms -1", "--delay-ms", "--max-body 10", "--max-upload 10",
                             "--verbose", "--tls-cert c.pem", "--tls-key k.pem"})
        EXPECT_THROW(ServerOptions::parse(words(args)), std::invalid_argument) << args;
    EXPECT_THROW(ServerOptions::parse({"--server-version", " 4.5"}), std::invalid_argument);
    // Faults: a method or page, a kind it can take (transfer faults belong to the download page and
    // need a byte count), and a positive request count.
    for (const char* fault :
         {"X=boom", "GetGroupList", "=soap-fault", "GetGroupList=status:", "FilePublishing.aspx=soap-fault",
          "FileDownload.aspx=status:x", "X=http-200", "X=http-5000", "X=http-099", "X=http-50x",
          "X=http-503#0", "X=disconnect#", "FilePublishing.aspx=chunked", "GetGroupList=cut:5",
          "FileDownload.aspx=cut:", "FileDownload.aspx=cut:1x", "FileDownload.aspx=chunked-cut:-1"})
        EXPECT_THROW(ServerOptions::parse({"--fault", fault}), std::invalid_argument) << fault;
}

// A '#' followed by other than a count is text; a copy of a plan (as the server keeps one) counts on
// its own. Counts at work are the end-to-end runs'.
TEST(CommandLine, FaultTextsAndCounts)
{
    auto options =
        ServerOptions::parse({"--fault", "FilePublishing.aspx=http-503#2", "--fault",
                              "GetGroupList=status:Busy#1", "--fault", "GetRoleList=status:Slot #b"});
    EXPECT_EQ(options.faults.forMethod("GetGroupList")->statusText, "Busy");
    EXPECT_EQ(options.faults.forMethod("GetRoleList")->statusText + "/" +
                  std::to_string(options.faults.forMethod("GetRoleList")->times),
              "Slot #b/0");
    FaultPlan plan = options.faults;
    EXPECT_TRUE(plan.take("FilePublishing.aspx") && plan.take("FilePublishing.aspx"));
    EXPECT_FALSE(plan.take("FilePublishing.aspx"));
    EXPECT_TRUE(options.faults.take("FilePublishing.aspx"));
    EXPECT_FALSE(options.faults.forMethod("LoadDictionaries"));
}

TEST(CommandLine, HelpEndsWellAndABadOptionWith2)
{
    EXPECT_EQ(WEXITSTATUS(system((test::ServerProcess::binary() + " --help >/dev/null").c_str())), 0);
    EXPECT_EQ(
        WEXITSTATUS(system((test::ServerProcess::binary() + " --server-version 9.9 2>/dev/null").c_str())),
        2);
}

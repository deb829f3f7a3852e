// The HTTP around the service: how answers are compressed, and HTTPS with --tls-cert/--tls-key.
#include "support/HttpCheck.h"
#include "support/SharedServer.h"
#include "support/SoapCall.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace orvdev::test;
using ::testing::HasSubstr;

namespace {

// With the decoder the client itself uses on gzip answers.
std::string gunzip(const std::string& data)
{
    std::string out;
    const auto append = [&out](const char* bytes, std::size_t n) { return out.append(bytes, n), true; };
    return httplib::detail::gzip_decompressor().decompress(data.data(), data.size(), append) ? out
                                                                                             : "<not gzip>";
}

struct EncodingCase
{
    const char* name;
    std::string acceptEncoding;
    std::string contentEncoding; // expected; empty for none
};

class Encoding : public SharedServer<::testing::TestWithParam<EncodingCase>>
{
};

} // namespace

TEST_P(Encoding, GzipWhenAcceptedNeverBrotli)
{
    const EncodingCase& c = GetParam();
    SoapClient client(*server);
    client.http().set_decompress(false);
    const std::string body =
        client.envelope("LoadDictionaries", {text("language", "en"), num("objectTypeId", 3)});
    httplib::Headers headers{{"SOAPAction", "\"" + serviceNs + "LoadDictionaries\""},
                             {"Accept-Encoding", c.acceptEncoding}};
    auto res =
        client.http().Post(SoapClient::servicePath().c_str(), headers, body, "text/xml; charset=utf-8");
    ASSERT_TRUE(answered(res, 200));
    EXPECT_EQ(res->get_header_value("Content-Encoding"), c.contentEncoding);
    EXPECT_EQ(res->get_header_value("Content-Type"), "text/xml; charset=utf-8");
    EXPECT_EQ(res->get_header_value("Content-Length"), std::to_string(res->body.size()));
    const std::string plain = c.contentEncoding == "gzip" ? gunzip(res->body) : res->body;
    EXPECT_THAT(plain, HasSubstr("<LoadDictionariesResult>"));
}

INSTANTIATE_TEST_SUITE_P(AcceptEncoding, Encoding,
                         ::testing::Values(EncodingCase{"QtDefault", "gzip, deflate, br", "gzip"},
                                           EncodingCase{"BrotliFirst", "br, gzip", "gzip"},
                                           EncodingCase{"BrotliOnly", "br", ""},
                                           EncodingCase{"Nothing", "", ""},
                                           EncodingCase{"Identity", "identity", ""},
                                           EncodingCase{"GzipRefused", "gzip;q=0, br", ""},
                                           EncodingCase{"GzipWeighted", "br;q=1.0, gzip;q=0.5", "gzip"},
                                           EncodingCase{"Anything", "*", "gzip"},
                                           EncodingCase{"AnythingButGzip", "*, gzip;q=0", ""},
                                           EncodingCase{"UpperCase", "GZIP", "gzip"}),
                         [](const auto& p) { return std::string(p.param.name); });

// HTTPS to a trusting and to an untrusting client is the end-to-end /USESSL run's; here the start that
// refuses unusable certificates, and the service address the description gives.
TEST(Tls, RefusesUnusableCertificatesAndDescribesItsHttpsAddress)
{
    const std::string certs =
        (std::filesystem::temp_directory_path() / ("orvdev-certs-" + std::to_string(getpid()))).string();
    ASSERT_EQ(std::system((std::string(MAKE_TEST_CERTS) + " " + certs).c_str()), 0);
    struct RemovedAtTheEnd
    {
        std::string dir;
        ~RemovedAtTheEnd() { std::filesystem::remove_all(dir); }
    } removed{certs};
    for (const char* cert : {"/ca.pem", "/missing.pem"})
        EXPECT_THROW(ServerProcess({"--tls-cert", certs + cert, "--tls-key", certs + "/server.key"}),
                     std::runtime_error);
    ServerProcess server({"--tls-cert", certs + "/server.pem", "--tls-key", certs + "/server.key"});
    EXPECT_EQ(server.firstLine(), "listening on https://127.0.0.1:" + std::to_string(server.port()));
    httplib::SSLClient https("127.0.0.1", server.port());
    https.set_ca_cert_path((certs + "/ca.pem").c_str());
    auto wsdl = https.Get((SoapClient::servicePath() + "?WSDL").c_str());
    ASSERT_TRUE(wsdl) << httplib::to_string(wsdl.error());
    EXPECT_THAT(wsdl->body,
                HasSubstr("location=\"https://127.0.0.1:" + std::to_string(server.port()) + "/portals/"));
    EXPECT_FALSE(SoapClient(server).call("GetServerVersion").http); // plain HTTP to a TLS port gets no answer
}

// The HTTP and SOAP around the service: refused requests, compressed answers, HTTPS.
#include "support/ServerTest.h"
#include "support/SoapCall.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <filesystem>

using namespace orvdev::test;
using ::testing::AllOf, ::testing::HasSubstr;

// Requests an ASP.NET web service refuses, and how: status, fault code and text, and the journal.
const std::string action = "\"http://orvello.com/webservices/GetCategoryList2\"",
                  envelopeNs = "http://schemas.xmlsoap.org/soap/envelope/";

static std::string env(const std::string& header, const std::string& body, const std::string& ns = envelopeNs)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope xmlns:soap=\"" + ns +
           "\"><soap:Header>" + header + "</soap:Header><soap:Body>" + body + "</soap:Body></soap:Envelope>";
}

const std::string auth =
    "<Authenticator xmlns=\"http://orvello.com/webservices/\"><userName>admin@h</userName>"
    "<userPassword>admin</userPassword></Authenticator>";

static std::string call(const std::string& inner)
{
    return "<GetCategoryList2 xmlns=\"http://orvello.com/webservices/\">" + inner + "</GetCategoryList2>";
}

// A signed-in GetCategoryList2 request with these parameters.
static std::string request(const std::string& parameters)
{
    return env(auth, call(parameters));
}

struct WireCase
{
    const char* name;
    std::string body;
    int http;
    std::string faultCode = "", fault = ""; // fault: a text of the fault string
    std::string soapAction = action;
    std::string contentType = "text/xml; charset=utf-8";
};

const std::string seven = "<objectTypeId>7</objectTypeId>";
const std::string unreadable = "Server was unable to read request. ---> There is an error in XML document (";
const std::string unknownAction = "Server did not recognize the value of HTTP Header SOAPAction: ";

const WireCase cases[] = {
    {"UnknownAction", request(seven), 500, "soap:Client",
     unknownAction + "http://orvello.com/webservices/Nope.", "\"http://orvello.com/webservices/Nope\""},
    {"MissingAction", request(seven), 500, "soap:Client", unknownAction + ".", ""},
    {"WrongContentType", request(seven), 415, "", "", action, "application/soap+xml"},
    {"MalformedXml", "<soap:Envelope><unclosed>", 400},
    {"NotXmlAtAll", "hello", 400},
    {"EmptyBody", "", 400},
    // Well-formedness the framework's reader checks and pugixml does not.
    {"UndeclaredPrefix", env(auth, "<x:GetCategoryList2>" + seven + "</x:GetCategoryList2>"), 400},
    {"UndeclaredAttributePrefix", request("<objectTypeId x:a=\"1\">7</objectTypeId>"), 400},
    {"EnvelopePrefixUndeclared", "<soap:Envelope><soap:Body/></soap:Envelope>", 400},
    {"PrefixBoundToNothing", request("<objectTypeId xmlns:p=\"\">7</objectTypeId>"), 400},
    {"RepeatedAttribute", request("<objectTypeId a=\"1\" a=\"2\">7</objectTypeId>"), 400},
    {"ForbiddenCharacterReference", request("<objectTypeId>7&#1;</objectTypeId>"), 400},
    {"ForbiddenRawCharacter", request("<objectTypeId>7\x02</objectTypeId>"), 400},
    {"NotUtf8", request(seven + "<x>\xff\xfe</x>"), 400},
    {"OverlongUtf8", request(seven + "<x>\xc0\xaf</x>"), 400},
    {"TwoDocumentElements", request(seven) + "<more/>", 400},
    {"TextAfterDocumentElement", request(seven) + "trailing", 400},
    {"WrongEnvelopeNamespace", env(auth, call(seven), "http://www.w3.org/2003/05/soap-envelope"), 500,
     "soap:VersionMismatch",
     "Possible SOAP version mismatch: Envelope namespace http://www.w3.org/2003/05/soap-envelope was "
     "unexpected."},
    {"MissingHeader", env("", call(seven)), 500, "soap:MustUnderstand",
     "Missing required header 'Authenticator'."},
    {"HeaderInWrongNamespace",
     env("<Authenticator xmlns=\"http://example.com/\"><userName>admin</userName></Authenticator>",
         call(seven)),
     500, "soap:MustUnderstand", "Missing required header 'Authenticator'."},
    {"ShortOverflow", request("<objectTypeId>40000</objectTypeId>"), 500, "soap:Client", unreadable},
    {"ShortNotANumber", request("<objectTypeId>seven</objectTypeId>"), 500, "soap:Client", unreadable},
    {"WrongWrapper", env(auth, "<LoadDictionaries xmlns=\"http://orvello.com/webservices/\"/>"), 500,
     "soap:Client", unreadable},
    {"EmptyBodyElement", env(auth, ""), 500, "soap:Client", unreadable},
    {"WrapperInAnotherNamespace", env(auth, "<GetCategoryList2 xmlns=\"http://example.com/other/\"/>"), 500,
     "soap:Client", "<GetCategoryList2 xmlns='http://example.com/other/'> was not expected."},
    // Well-formed oddities the framework reads.
    {"LanguageAttributeAndComments",
     request("<objectTypeId xml:lang=\"de\">7</objectTypeId><!-- Größe -->") + "<!-- after -->\n", 200},
    {"CharacterReference", request("<objectTypeId>&#x37;</objectTypeId>"), 200},
    {"PrefixedHeader",
     env("<a:Authenticator xmlns:a=\"http://orvello.com/webservices/\"><a:userName>admin@h</a:userName>"
         "<a:userPassword>admin</a:userPassword></a:Authenticator>",
         call(seven)),
     200},
    {"PrefixedParameter",
     request("<p:objectTypeId xmlns:p=\"http://orvello.com/webservices/\">7</p:objectTypeId>"), 200},
};

using Wire = SharedServer<::testing::TestWithParam<WireCase>>;

TEST_P(Wire, RefusesTheWayTheFrameworkDoes)
{
    const WireCase& c = GetParam();
    SoapClient client(*server);
    auto answer = client.post(c.body, c.soapAction, c.contentType);
    EXPECT_EQ(answer.http, c.http);
    EXPECT_EQ(answer.faultCode, c.faultCode);
    EXPECT_THAT(answer.faultString, HasSubstr(c.fault));
    EXPECT_EQ(answer.hasResult, c.http == 200);
    EXPECT_TRUE(c.http == 500 || c.http == 200 || answer.body.empty()) << answer.body;
    // Every refused request is journaled with its reason: the fault code or the HTTP status leads.
    const std::string status = jsonField(server->lastJournalLine(), "status"),
                      reason = c.http == 200   ? "OK"
                               : c.http == 500 ? c.faultCode
                                               : "HTTP " + std::to_string(c.http);
    EXPECT_EQ(status.substr(0, reason.size()), reason) << status;
}

INSTANTIATE_TEST_SUITE_P(Requests, Wire, ::testing::ValuesIn(cases),
                         [](const auto& p) { return std::string(p.param.name); });

using WireValues = SharedServer<>;

TEST_F(WireValues, ChildrenInNoNamespaceAreIgnoredButJournaledAsWarnings)
{
    SoapClient client(*server);
    // The classic interop bug: the wrapper declares no default namespace, so the children are in none.
    const std::string body = env(auth, "<o:GetCategoryList2 xmlns:o=\"http://orvello.com/webservices/\">" +
                                           seven + "</o:GetCategoryList2>");
    auto answer = client.post(body, action);
    EXPECT_EQ(std::tuple(answer.http, answer.state), std::tuple(200, "OK"));
    // The parameter arrived as 0: there are no categories of object type 0.
    EXPECT_TRUE(select(answer.answer(), "Categories/Category").empty());
    EXPECT_THAT(server->lastJournalLine(),
                AllOf(HasSubstr("\"args\": [0],"), HasSubstr("'objectTypeId' in no namespace ignored")));
}

TEST_F(WireValues, ByReferenceParametersComeBackAfterTheResult)
{
    SoapClient client(*server);
    auto answer = client.call("GetResourceListBySubstring", {text("substring", "Marsh")});
    ASSERT_EQ(answer.http, 200);
    EXPECT_THAT(answer.body,
                ::testing::ContainsRegex("<GetResourceListBySubstringResult>.*<substring>Marsh<"));
    EXPECT_THAT(answer.body, HasSubstr("<?xml version=\"1.0\" encoding=\"utf-8\"?>"));
    EXPECT_THAT(answer.body, HasSubstr("xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\""));
}

// With the decoder the client itself uses on gzip answers.
static std::string gunzip(const std::string& data)
{
    std::string out;
    const auto append = [&out](const char* bytes, std::size_t n) { return out.append(bytes, n), true; };
    return httplib::detail::gzip_decompressor().decompress(data.data(), data.size(), append) ? out
                                                                                             : "<not gzip>";
}

struct EncodingCase
{
    const char* name;
    std::string acceptEncoding, contentEncoding; // contentEncoding expected; empty for none
};

using Encoding = SharedServer<::testing::TestWithParam<EncodingCase>>;

TEST_P(Encoding, GzipWhenAcceptedNeverBrotli)
{
    const EncodingCase& c = GetParam();
    SoapClient client(*server);
    client.http().set_decompress(false);
    const std::string body =
        client.envelope("LoadDictionaries", {text("language", "en"), num("objectTypeId", 3)});
    httplib::Headers headers{{"SOAPAction", "\"" + serviceNs + "LoadDictionaries\""},
                             {"Accept-Encoding", c.acceptEncoding}};
    auto res = client.http().Post(SoapClient::servicePath(), headers, body, "text/xml; charset=utf-8");
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
    const std::shared_ptr<void> removedAtTheEnd(nullptr,
                                                [&certs](void*) { std::filesystem::remove_all(certs); });
    ASSERT_EQ(std::system((std::string(MAKE_TEST_CERTS) + " " + certs).c_str()), 0);
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

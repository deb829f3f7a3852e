// The service contract: its description, the values its types take, and the releases it plays.
#include "soap/EmbeddedWsdl.h"
#include "soap/ServiceContract.h"
#include "soap/Value.h"
#include "soap/XmlConvert.h"
#include "support/ServerTest.h"
#include "support/SoapCall.h"

#include <fstream>
#include <iterator>

using namespace orvdev;
using enum XsdType;
using namespace orvdev::test;

// The service description: the shape an ASP.NET service gives it, and the server's copy served with its
// address. The methods' parameters in the callers' order are what the end-to-end journals show.
static std::string wsdlFile()
{
    std::ifstream in(ORVDEV_WSDL_FILE);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Contract, HasTheShapeOfAnAspNetServiceDescription)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(wsdlFile().c_str()));
    auto schema = doc.select_node("/wsdl:definitions/wsdl:types/s:schema").node();
    EXPECT_STREQ(schema.attribute("elementFormDefault").value(), "qualified");
    // Value types are required, strings and arrays optional.
    for (auto el : schema.select_nodes(".//s:element[@type]")) {
        if (std::string(el.node().parent().parent().parent().name()) != "s:element")
            continue; // array items and header fields
        const std::string type = el.node().attribute("type").value();
        const bool valueType =
            type == "s:int" || type == "s:short" || type == "s:boolean" || type == "s:dateTime";
        EXPECT_EQ(el.node().attribute("minOccurs").value(), std::string(valueType ? "1" : "0"))
            << el.node().attribute("name").value();
    }
    EXPECT_TRUE(schema.select_node("s:complexType[@name='ArrayOfInt']/s:sequence/s:element[@name='int' and "
                                   "@type='s:int' and @maxOccurs='unbounded']"));
    EXPECT_TRUE(
        schema.select_node("s:complexType[@name='ArrayOfString']/s:sequence/s:element[@name='string' and "
                           "@nillable='true']"));
    EXPECT_TRUE(schema.select_node("s:complexType[@name='Authenticator']/s:anyAttribute"));
    EXPECT_EQ(schema.select_nodes("s:complexType[@name='Authenticator']/s:sequence/s:element").size(), 2u);
    EXPECT_EQ(schema.select_nodes("s:complexType[@name='ConnectionState']/s:sequence/s:element").size(), 1u);
    // Every operation's input is the wrapped element of its name (headers and actions are the
    // client's contract test's).
    for (auto op : doc.select_nodes("/wsdl:definitions/wsdl:binding[soap:binding]/wsdl:operation")) {
        const std::string name = op.node().attribute("name").value();
        EXPECT_TRUE(doc.select_node(("/wsdl:definitions/wsdl:message[@name='" + name +
                                     "SoapIn']/wsdl:part[@name='parameters' and @element='tns:" + name + "']")
                                        .c_str()))
            << name;
    }
}

TEST(Contract, ServerCarriesTheFileAndServesItWithItsAddress)
{
    EXPECT_EQ(std::string(embeddedWsdl()), wsdlFile());
    test::ServerProcess server;
    test::SoapClient client(server);
    const std::string path = "/portals/my_portal/WebServices/OrvProject.asmx";
    for (const char* query : {"?WSDL", "?wsdl"}) {
        auto res = client.http().Get(path + query);
        ASSERT_TRUE(test::answered(res, 200));
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(res->body.c_str()));
        EXPECT_EQ(test::selectOne(doc, "//wsdl:port[@name='OrvProjectSoap']/soap:address/@location"),
                  "http://127.0.0.1:" + std::to_string(server.port()) + path);
        EXPECT_NO_THROW(ServiceContract::load(res->body));
        EXPECT_EQ(test::jsonField(server.lastJournalLine(), "page"), "WebServices/OrvProject.asmx");
    }
}

// Value conversions, checked against the framework's rules without a server. How a whole request is
// read shows in the journal (ProcessTest) and in the refused requests (HttpTest).
struct ConversionCase
{
    const char* text;
    XsdType type;
    bool converts;
    std::string expected; // the normalized value, or the failure text when the conversion must fail
};

using Conversion = ::testing::TestWithParam<ConversionCase>;

TEST_P(Conversion, FollowsTheSerializerRules)
{
    const auto& c = GetParam();
    std::string result;
    try {
        result = c.type == Int       ? std::to_string(XmlConvert::toInt32(c.text))
                 : c.type == Short   ? std::to_string(XmlConvert::toInt16(c.text))
                 : c.type == Boolean ? (XmlConvert::toBoolean(c.text) ? "true" : "false")
                                     : XmlConvert::toDateTime(c.text);
        EXPECT_TRUE(c.converts) << "converted to " << result;
    } catch (const ConversionError& e) {
        EXPECT_FALSE(c.converts);
        result = e.what();
    }
    EXPECT_EQ(result, c.expected);
}

const std::string noInt32 = "Value was either too large or too small for an Int32.",
                  badFormat = "Input string was not in a correct format.";
INSTANTIATE_TEST_SUITE_P(
    Values, Conversion,
    ::testing::Values(
        ConversionCase{"42", Int, true, "42"}, ConversionCase{" -7 ", Int, true, "-7"},
        ConversionCase{"+5", Int, true, "5"}, ConversionCase{"2147483647", Int, true, "2147483647"},
        ConversionCase{"2147483648", Int, false, noInt32},
        ConversionCase{"99999999999999999999999", Int, false, noInt32},
        ConversionCase{"1.5", Int, false, badFormat}, ConversionCase{"", Int, false, badFormat},
        ConversionCase{"-32768", Short, true, "-32768"},
        ConversionCase{"32768", Short, false, "Value was either too large or too small for an Int16."},
        ConversionCase{"true", Boolean, true, "true"}, ConversionCase{"0", Boolean, true, "false"},
        ConversionCase{"True", Boolean, false, "The string 'True' is not a valid Boolean value."},
        ConversionCase{"yes", Boolean, false, "The string 'yes' is not a valid Boolean value."},
        ConversionCase{"2024-03-01T13:45:00", DateTime, true, "2024-03-01T13:45:00"},
        ConversionCase{"2024-03-01T13:45:00.250+01:00", DateTime, true, "2024-03-01T13:45:00"},
        ConversionCase{"2024-02-29", DateTime, true, "2024-02-29T00:00:00"},
        ConversionCase{"2023-02-29T00:00:00", DateTime, false,
                       "The string '2023-02-29T00:00:00' is not a valid AllXsd value."},
        ConversionCase{"01.03.2024 13:45", DateTime, false,
                       "The string '01.03.2024 13:45' is not a valid AllXsd value."}));

// Playing an older server: the version answered, the methods offered, the shapes of answers.
// A method of each release and the one before it: the older server does not know it.
const std::vector<std::pair<std::string, std::string>> added = {{"3.5", "LoadDictionaries"},
                                                                {"4.0", "CreateProject40"},
                                                                {"4.0", "CreateListFromExcel"},
                                                                {"4.5", "CheckFileName"},
                                                                {"4.5", "CreateIncident45"}};

using Version = ::testing::TestWithParam<const char*>;

TEST_P(Version, AnswersItsNumberAndLacksTheNewerMethods)
{
    const std::string version = GetParam();
    ServerProcess server({"--server-version", version});
    SoapClient client(server);
    EXPECT_EQ(client.call("GetServerVersion").result, version);
    for (const auto& [from, method] : added) {
        auto answer = client.call(method);
        const bool lacking =
            answer.faultString ==
            "Server did not recognize the value of HTTP Header SOAPAction: " + serviceNs + method + ".";
        EXPECT_EQ(lacking, version < from) << method << " on " << version << ": " << answer.faultString;
        EXPECT_TRUE(!lacking || answer.http == 500) << method;
    }
}

INSTANTIATE_TEST_SUITE_P(All, Version, ::testing::Values("3.0", "3.5", "4.0", "4.1", "4.5", "4.7"),
                         [](const auto& p) { return std::string(1, p.param[0]) + p.param[2]; });

TEST(VersionShapes, DictionariesAndProjectIdsFollowTheRelease)
{
    // Per release, which of these paths the dictionaries of incidents (7), to-dos (6) and projects (3) hold.
    const char* paths[] = {
        "7:CurrentUser",          "7:CurrentUser/TimeOffset", "7:IncidentOrganization/Item",
        "7:IncidentBox/Item",     "6:ToDoContact/Item",       "3:ProjectClient/Item",
        "3:ProjectTemplate/Item", "3:ProjectPhase/Item",      "3:ProjectOrganization/Item"};
    for (const auto& [version, held] : std::vector<std::pair<std::string, std::string>>{
             {"3.5", "-----+--+"}, {"4.1", "+----++++"}, {"4.5", "+++++-+++"}, {"4.7", "+++++-+++"}}) {
        SCOPED_TRACE(version);
        ServerProcess server({"--server-version", version});
        SoapClient client(server);
        auto dictionaries = [&](long long code) {
            return client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", code)})
                .answer();
        };
        std::string found;
        for (const std::string path : paths)
            found +=
                select(dictionaries(path[0] - '0'), "Dictionaries/" + path.substr(2)).empty() ? '-' : '+';
        EXPECT_EQ(found, held);
        if (found[5] == '+') {
            // The old single list keeps the sign the client editor uses: organizations negative.
            const auto project = dictionaries(3);
            auto org = selectOne(project, "Dictionaries/ProjectOrganization/Item[1]/Data");
            EXPECT_EQ(select(project, "Dictionaries/ProjectClient/Item[Data='-" + org + "']").size(), 1u);
        }
        // The synchronized project's id is negative from 4.7 on.
        const auto synchronized = select(client.call("GetOrvProjectList").answer(),
                                         "Projects/Project[Title='Warehouse Automation']/ObjectID");
        ASSERT_EQ(synchronized.size(), 1u);
        EXPECT_EQ(synchronized[0][0] == '-', version == "4.7") << synchronized[0];
    }
}

// The service description: the shape an ASP.NET service gives it, and the server's copy served with its
// address. The methods' parameters in the callers' order are what the end-to-end journals show.
#include "support/HttpCheck.h"
#include "support/SoapCall.h"

#include "soap/EmbeddedWsdl.h"
#include "soap/ServiceContract.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace orvdev;

namespace {

std::string wsdlFile()
{
    std::ifstream in(ORVDEV_WSDL_FILE);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

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
    for (const char* query : {"?WSDL", "?wsdl"}) {
        auto res = client.http().Get(
            (std::string("/portals/my_portal/WebServices/OrvProject.asmx") + query).c_str());
        ASSERT_TRUE(test::answered(res, 200));
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(res->body.c_str()));
        EXPECT_EQ(test::selectOne(doc, "//wsdl:port[@name='OrvProjectSoap']/soap:address/@location"),
                  "http://127.0.0.1:" + std::to_string(server.port()) +
                      "/portals/my_portal/WebServices/OrvProject.asmx");
        EXPECT_NO_THROW(ServiceContract::load(res->body));
        EXPECT_EQ(test::jsonField(server.lastJournalLine(), "page"), "WebServices/OrvProject.asmx");
    }
}

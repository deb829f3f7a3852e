#pragma once

#include "soap/XmlConvert.h"
#include "support/ServerProcess.h"

#include <pugixml.hpp>

#include <httplib.h>

#include <memory>
#include <string>
#include <vector>

namespace orvdev::test {

inline const std::string serviceNs = "http://orvello.com/webservices/";

// One parameter element of a request: its name and its inner XML.
struct Arg
{
    std::string name, innerXml;
};
inline Arg text(const std::string& name, const std::string& value)
{
    return {name, XmlConvert::escape(value)};
}
inline Arg num(const std::string& name, long long value)
{
    return {name, std::to_string(value)};
}
// Arguments written "name=value|name=[1,2]|name={a,b}": a value in brackets is an array of ints, in
// braces an array of strings, any other a text.
std::vector<Arg> argList(const std::string& fields);
std::vector<std::string> split(const std::string& joined, char separator = '|');

struct SoapAnswer
{
    int http = 0;
    std::string body;
    std::string state;  // text of the ConnectionState header; "<missing>" without one
    std::string result; // text of <Method>Result
    bool hasResult = false;
    std::string faultCode, faultString; // empty unless a fault came back
    pugi::xml_document answer() const;  // the result parsed as the XML text the wizard loads
};

// Texts of the nodes an XPath expression selects.
std::vector<std::string> select(const pugi::xml_document& doc, const std::string& xpath);
std::string selectOne(const pugi::xml_document& doc, const std::string& xpath);

// Speaks SOAP to a started server over one keep-alive connection.
class SoapClient
{
public:
    explicit SoapClient(const ServerProcess& server, std::string login = "admin@127.0.0.1",
                        std::string password = "admin");

    SoapAnswer call(const std::string& method, const std::vector<Arg>& args = {});
    SoapAnswer post(const std::string& body, const std::string& soapAction,
                    const std::string& contentType = "text/xml; charset=utf-8");
    std::string envelope(const std::string& method, const std::vector<Arg>& args) const;
    httplib::Client& http() { return *m_http; }
    static std::string servicePath() { return "/portals/127_0_0_1/WebServices/OrvProject.asmx"; }

private:
    std::unique_ptr<httplib::Client> m_http;
    std::string m_login, m_password;
};

// A text field of a journal line ("method", "user", "status", "page", "fault"), unescaped.
std::string jsonField(const std::string& line, const std::string& key);

// Requests many cases send: a minimal incident, the whole library tree and a name check ("-1" when
// taken).
std::vector<Arg> incidentArgs(const std::string& title);
pugi::xml_document libraryTree(SoapClient& client, long long projectId = 0);
std::string checkFileName(SoapClient& client, long long type, long long id, const std::string& name);

} // namespace orvdev::test

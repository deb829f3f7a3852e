#include "support/SoapCall.h"

namespace orvdev::test {

std::vector<std::string> split(const std::string& joined, char separator)
{
    std::vector<std::string> out(1);
    for (char c : joined)
        if (c == separator)
            out.emplace_back();
        else
            out.back().push_back(c);
    return out;
}

std::vector<Arg> argList(const std::string& fields)
{
    std::vector<Arg> out;
    for (const std::string& field : split(fields)) {
        const std::size_t equals = field.find('=');
        const std::string name = field.substr(0, equals), value = field.substr(equals + 1);
        const bool array = !value.empty() && (value.front() == '[' || value.front() == '{');
        if (!array) {
            out.push_back(text(name, value));
            continue;
        }
        const std::string item = value.front() == '[' ? "int" : "string";
        std::string xml;
        for (const std::string& v : split(value.substr(1, value.size() - 2), ','))
            xml += v.empty() && item == "int" ? ""
                                              : "<" + item + ">" + XmlConvert::escape(v) + "</" + item + ">";
        out.push_back({name, xml});
    }
    return out;
}

std::vector<std::string> select(const pugi::xml_document& doc, const std::string& xpath)
{
    std::vector<std::string> out;
    for (auto node : doc.select_nodes(xpath.c_str()))
        out.push_back(node.node().child_value());
    return out;
}

std::string selectOne(const pugi::xml_document& doc, const std::string& xpath)
{
    auto node = doc.select_node(xpath.c_str());
    if (!node)
        return "<missing>";
    if (node.attribute())
        return node.attribute().value();
    // All descendant text, as the wizard's DOM reads a node's text.
    std::string text;
    for (auto n : node.node().select_nodes(".//text()"))
        text += n.node().value();
    return text;
}

pugi::xml_document SoapAnswer::answer() const
{
    pugi::xml_document doc;
    doc.load_string(result.c_str());
    return doc;
}

SoapClient::SoapClient(const ServerProcess& server, std::string login, std::string password)
    : m_http(std::make_unique<httplib::Client>(server.host(), server.port())), m_login(std::move(login)),
      m_password(std::move(password))
{
    m_http->set_keep_alive(true);
    m_http->set_tcp_nodelay(true);
    m_http->set_read_timeout(30, 0);
}

std::string SoapClient::envelope(const std::string& method, const std::vector<Arg>& args) const
{
    std::string body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                       "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                       "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
                       "<soap:Header><Authenticator xmlns=\"" +
                       serviceNs + "\"><userName>" + XmlConvert::escape(m_login) +
                       "</userName><userPassword>" + XmlConvert::escape(m_password) +
                       "</userPassword></Authenticator></soap:Header><soap:Body><" + method + " xmlns=\"" +
                       serviceNs + "\">";
    for (const auto& a : args)
        body +=
            a.innerXml.empty() ? "<" + a.name + " />" : "<" + a.name + ">" + a.innerXml + "</" + a.name + ">";
    return body + "</" + method + "></soap:Body></soap:Envelope>";
}

SoapAnswer SoapClient::post(const std::string& body, const std::string& soapAction,
                            const std::string& contentType)
{
    httplib::Headers headers;
    if (!soapAction.empty())
        headers.emplace("SOAPAction", soapAction);
    auto res = m_http->Post(servicePath().c_str(), headers, body, contentType.c_str());
    SoapAnswer answer;
    if (!res)
        return answer; // http 0: no answer at all
    answer.http = res->status;
    answer.body = res->body;
    pugi::xml_document doc;
    if (!doc.load_string(res->body.c_str()))
        return answer;
    answer.state = selectOne(doc, "/*[local-name()='Envelope']/*[local-name()='Header']/*[local-name()='"
                                  "ConnectionState']");
    auto result = doc.select_node("/*[local-name()='Envelope']/*[local-name()='Body']/*[1]/*[1]").node();
    answer.hasResult = std::string_view(result.name()).ends_with("Result");
    answer.result = answer.hasResult ? result.child_value() : "";
    answer.faultCode = doc.select_node("//faultcode").node().child_value(); // "" when there is none
    answer.faultString = doc.select_node("//faultstring").node().child_value();
    return answer;
}

SoapAnswer SoapClient::call(const std::string& method, const std::vector<Arg>& args)
{
    return post(envelope(method, args), "\"" + serviceNs + method + "\"");
}

std::string jsonField(const std::string& line, const std::string& key)
{
    auto pos = line.find("\"" + key + "\": \"");
    if (pos == std::string::npos)
        return "<missing>";
    std::string text;
    for (pos += key.size() + 5; pos < line.size() && line[pos] != '"'; ++pos)
        text += line[pos] == '\\' ? line[++pos] : line[pos];
    return text;
}

std::vector<Arg> incidentArgs(const std::string& title)
{
    return argList(
        "title=" + title +
        "|description=|projectId=-1|typeId=7|priorityId=2|severityId=12|categories=[]|incidentBoxId=-1|"
        "contactId=-1|organizationId=-1");
}

pugi::xml_document libraryTree(SoapClient& client, long long projectId)
{
    return client
        .call("FileLibraryDir", {num("folderId", 0), text("recursive", "true"), num("projectId", projectId)})
        .answer();
}

std::string checkFileName(SoapClient& client, long long type, long long id, const std::string& name)
{
    return client
        .call("CheckFileName", {num("objectTypeId", type), num("objectId", id), text("fileName", name)})
        .result;
}

} // namespace orvdev::test

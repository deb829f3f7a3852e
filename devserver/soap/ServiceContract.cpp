#include "soap/ServiceContract.h"

#include <pugixml.hpp>

#include <stdexcept>

namespace orvdev {
namespace {

std::string localName(const char* qname)
{
    std::string s(qname);
    auto colon = s.find(':');
    return colon == std::string::npos ? s : s.substr(colon + 1);
}

XsdType typeFromQName(const std::string& qname)
{
    const std::string local = localName(qname.c_str());
    if (local == "string")
        return XsdType::String;
    if (local == "int")
        return XsdType::Int;
    if (local == "short")
        return XsdType::Short;
    if (local == "boolean")
        return XsdType::Boolean;
    if (local == "dateTime")
        return XsdType::DateTime;
    if (local == "ArrayOfInt")
        return XsdType::ArrayOfInt;
    if (local == "ArrayOfString")
        return XsdType::ArrayOfString;
    throw std::runtime_error("WSDL: unsupported type " + qname);
}

std::vector<std::pair<std::string, XsdType>> sequenceOf(const pugi::xml_node& element)
{
    std::vector<std::pair<std::string, XsdType>> result;
    for (auto child : element.child("s:complexType").child("s:sequence").children("s:element"))
        result.emplace_back(child.attribute("name").value(), typeFromQName(child.attribute("type").value()));
    return result;
}

} // namespace

ServiceContract ServiceContract::load(std::string_view wsdlText)
{
    pugi::xml_document doc;
    if (!doc.load_buffer(wsdlText.data(), wsdlText.size()))
        throw std::runtime_error("WSDL: not well-formed XML");
    auto definitions = doc.child("wsdl:definitions");
    ServiceContract contract;
    contract.m_namespace = definitions.attribute("targetNamespace").value();
    if (contract.m_namespace.empty())
        throw std::runtime_error("WSDL: no target namespace");

    std::map<std::string, pugi::xml_node> elements;
    for (auto schema : definitions.child("wsdl:types").children("s:schema"))
        for (auto el : schema.children("s:element"))
            elements[el.attribute("name").value()] = el;

    pugi::xml_node binding;
    for (auto b : definitions.children("wsdl:binding"))
        if (b.child("soap:binding"))
            binding = b;
    if (!binding)
        throw std::runtime_error("WSDL: no SOAP 1.1 binding");

    for (auto op : binding.children("wsdl:operation")) {
        Operation operation;
        operation.name = op.attribute("name").value();
        operation.soapAction = op.child("soap:operation").attribute("soapAction").value();
        auto request = elements.find(operation.name);
        auto response = elements.find(operation.name + "Response");
        if (request == elements.end() || response == elements.end())
            throw std::runtime_error("WSDL: no wrapper elements for " + operation.name);
        for (auto& [name, type] : sequenceOf(request->second))
            operation.parameters.push_back({name, type, false});
        for (auto& [name, type] : sequenceOf(response->second)) {
            if (name == operation.name + "Result") {
                operation.resultType = type;
                continue;
            }
            for (auto& p : operation.parameters)
                if (p.name == name)
                    p.byRef = true;
        }
        contract.m_byAction[operation.soapAction] = contract.m_operations.size();
        contract.m_byName[operation.name] = contract.m_operations.size();
        contract.m_operations.push_back(std::move(operation));
    }
    if (contract.m_operations.empty())
        throw std::runtime_error("WSDL: no operations");
    return contract;
}

const Operation* ServiceContract::findByAction(const std::string& soapAction) const
{
    auto it = m_byAction.find(soapAction);
    return it == m_byAction.end() ? nullptr : &m_operations[it->second];
}

const Operation* ServiceContract::find(const std::string& name) const
{
    auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : &m_operations[it->second];
}

} // namespace orvdev

#pragma once

#include "soap/Value.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvdev {

struct Parameter
{
    std::string name;
    XsdType type = XsdType::String;
    bool byRef = false; // echoed in the response after the result
};

struct Operation
{
    std::string name;
    std::string soapAction;
    std::vector<Parameter> parameters;
    std::optional<XsdType> resultType; // none for a void method
};

// What the WSDL says about the service: namespace, header names and every operation of the
// SOAP 1.1 binding with its parameters in order. Loading throws std::runtime_error on a bad file.
class ServiceContract
{
public:
    static ServiceContract load(std::string_view wsdlText);

    const std::string& targetNamespace() const { return m_namespace; }
    const Operation* findByAction(const std::string& soapAction) const;
    const Operation* find(const std::string& name) const;
    const std::vector<Operation>& operations() const { return m_operations; }

private:
    std::string m_namespace;
    std::vector<Operation> m_operations;
    std::map<std::string, std::size_t> m_byAction;
    std::map<std::string, std::size_t> m_byName;
};

} // namespace orvdev

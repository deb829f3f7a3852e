#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace kitbench {

// The XSD types a wrapped ASP.NET method uses for its parameters and results.
enum class SoapType
{
    Short,
    Int,
    Boolean,
    DateTime,
    String,
    ArrayOfInt,
    ArrayOfString,
    Unsupported
};

// One child of a request or response wrapper element.
struct SoapParameter
{
    QString name;
    SoapType type = SoapType::Unsupported;
    QString typeName;      // as written in the schema, for messages about unsupported types
    bool optional = false; // minOccurs="0": strings and arrays, which may be left out
};

// One operation of the SOAP 1.1 binding, document/literal wrapped.
struct SoapOperation
{
    QString name;
    QString soapAction;
    QString requestElement;                // the wrapper, named after the method
    QList<SoapParameter> parameters;       // in declaration order
    QString responseElement;               // <Method>Response
    QList<SoapParameter> responseChildren; // <Method>Result (unless void), then by-reference parameters
    QString requestHeaderElement;          // "" when the input carries no header
    QList<SoapParameter> requestHeaderChildren;
    QString responseHeaderElement; // "" when the output carries no header

    // The <Method>Result child, or nullptr for a method without result.
    const SoapParameter* result() const;
    // Response children that echo a request parameter, which the caller passed by reference.
    QList<SoapParameter> byReference() const;
};

// What the client needs to know of a web service: read from its WSDL text.
class ServiceDescription
{
public:
    // Reads a WSDL; nullopt with a reason in `error` when it is not one this client can speak
    // (no SOAP 1.1 binding, rpc or bare style, an operation without its schema elements).
    static std::optional<ServiceDescription> parse(const QString& wsdl, QString* error);

    QString targetNamespace() const { return m_targetNamespace; }
    QString location() const { return m_location; }
    const SoapOperation* operation(const QString& name) const;
    QStringList operationNames() const;

private:
    QString m_targetNamespace;
    QString m_location;
    QHash<QString, SoapOperation> m_operations;

    friend class WsdlReader;
};

} // namespace kitbench

#pragma once

#include <QString>

#include <pugixml.hpp>

namespace kitbench {

// pugixml keeps prefixes as written and resolves no namespaces; these helpers do it the way an XML
// namespace-aware reader would, so that a document is read by what its names mean, not how they are
// spelled ("soap:", "soap12:" or "SOAP-ENV:" can all name the same thing).
namespace XmlNames {

inline constexpr const char* kXsd = "http://www.w3.org/2001/XMLSchema";
inline constexpr const char* kXsi = "http://www.w3.org/2001/XMLSchema-instance";
inline constexpr const char* kWsdl = "http://schemas.xmlsoap.org/wsdl/";
inline constexpr const char* kWsdlSoap11 = "http://schemas.xmlsoap.org/wsdl/soap/";
inline constexpr const char* kWsdlSoap12 = "http://schemas.xmlsoap.org/wsdl/soap12/";
inline constexpr const char* kEnvelope = "http://schemas.xmlsoap.org/soap/envelope/";

// The name without its prefix.
QString localName(const pugi::xml_node& node);
QString localPart(const QString& qualifiedName);
// The namespace URI bound to a prefix ("" for the default namespace) in the scope of `context`.
QString namespaceForPrefix(const pugi::xml_node& context, const QString& prefix);
// The namespace URI of an element's own name.
QString namespaceUri(const pugi::xml_node& element);
// The namespace URI of a qualified name written in an attribute value ("tns:ArrayOfInt").
QString namespaceOfValue(const pugi::xml_node& context, const QString& qualifiedName);

bool is(const pugi::xml_node& element, const char* namespaceUri, const char* localName);
// First child element with that namespace and local name.
pugi::xml_node child(const pugi::xml_node& parent, const char* namespaceUri, const char* localName);
// First child element, whatever its name.
pugi::xml_node firstElement(const pugi::xml_node& parent);
QString attribute(const pugi::xml_node& element, const char* name);
// All character data below a node, entities resolved, CDATA included.
QString textContent(const pugi::xml_node& node);

} // namespace XmlNames

} // namespace kitbench

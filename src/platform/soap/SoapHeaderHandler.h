#pragma once

#include <QString>

#include <pugixml.hpp>

namespace kitbench {

class XmlTextWriter;

// What a header handler may write into the SOAP Header of a request. Header elements are written in
// the service namespace without a prefix, so their children are qualified too; no mustUnderstand,
// actor or encodingStyle attribute is written.
class SoapHeaderWriter
{
public:
    SoapHeaderWriter(XmlTextWriter& writer, QString serviceNamespace);

    void startHeaderElement(const QString& name);
    void startElement(const QString& name);
    void writeString(const QString& text);
    void endElement();
    void endHeaderElement();

private:
    XmlTextWriter& m_writer;
    QString m_namespace;
};

// The client's hook for SOAP headers: every header element of a response is handed to ReadHeader,
// and every request gets the headers WriteHeaders writes when WillWriteHeaders says so.
class SoapHeaderHandler
{
public:
    virtual ~SoapHeaderHandler() = default;
    // True when the header was understood.
    virtual bool ReadHeader(const pugi::xml_node& header) = 0;
    virtual bool WillWriteHeaders() = 0;
    virtual void WriteHeaders(SoapHeaderWriter& writer) = 0;
};

} // namespace kitbench

#include "platform/soap/SoapHeaderHandler.h"

#include "platform/soap/XmlTextWriter.h"

namespace kitbench {

SoapHeaderWriter::SoapHeaderWriter(XmlTextWriter& writer, QString serviceNamespace)
    : m_writer(writer), m_namespace(std::move(serviceNamespace))
{
}

void SoapHeaderWriter::startHeaderElement(const QString& name)
{
    // The default namespace on the header element qualifies it and everything inside it.
    m_writer.startElement(name, {{QStringLiteral("xmlns"), m_namespace}});
}

void SoapHeaderWriter::startElement(const QString& name)
{
    m_writer.startElement(name);
}

void SoapHeaderWriter::writeString(const QString& text)
{
    m_writer.writeText(text);
}

void SoapHeaderWriter::endElement()
{
    m_writer.endElement();
}

void SoapHeaderWriter::endHeaderElement()
{
    m_writer.endElement();
}

} // namespace kitbench

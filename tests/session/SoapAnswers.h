#pragma once

#include <QByteArray>

// Answers in the shape an ASP.NET service sends them.
inline QByteArray answerEnvelope(const QByteArray& header, const QByteArray& body)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
           "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\">" +
           header + "<soap:Body>" + body + "</soap:Body></soap:Envelope>";
}

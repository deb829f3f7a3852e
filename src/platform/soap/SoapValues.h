#pragma once

#include "platform/soap/ServiceDescription.h"

#include <QDateTime>
#include <QVariant>

#include <pugixml.hpp>

namespace kitbench {

class XmlTextWriter;

// Conversion between the caller's variants and the XSD types of the service, the way the ASP.NET
// side reads and writes them: invariant numbers, lower-case booleans, date-times without zone.
namespace SoapValues {

// Writes one parameter element (nothing for a null string or array). False, with the reason in
// `error`, when the value cannot become the declared type; nothing must be sent then.
bool write(XmlTextWriter& writer, const SoapParameter& parameter, const QVariant& value, QString* error);

// Reads one response element as the declared type: Short as qint16, Int as qint32, Boolean as bool,
// DateTime as QDateTime, String as QString (null for xsi:nil), ArrayOfInt as QList<qint32>,
// ArrayOfString as QStringList. False when the text is not of that type.
bool read(const pugi::xml_node& element, SoapType type, QVariant* value);

// "2024-03-01T13:45:00": the clock fields as they are, no zone (the server reads local time).
QString dateTimeText(const QDateTime& dateTime);

QString typeName(SoapType type);

} // namespace SoapValues

} // namespace kitbench

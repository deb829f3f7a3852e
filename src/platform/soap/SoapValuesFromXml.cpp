#include "platform/soap/SoapValues.h"

#include "platform/soap/XmlNames.h"

#include <QStringList>

#include <limits>
#include <optional>

// Reading the server's values: the lexical forms of XSD, as the ASP.NET side writes them.
namespace kitbench::SoapValues {

namespace {
bool isNil(const pugi::xml_node& element)
{
    for (pugi::xml_attribute attribute = element.first_attribute(); attribute;
         attribute = attribute.next_attribute()) {
        const QString name = QString::fromUtf8(attribute.name());
        if (XmlNames::localPart(name) == QLatin1String("nil") &&
            XmlNames::namespaceOfValue(element, name) == QLatin1String(XmlNames::kXsi))
            return QString::fromUtf8(attribute.value()).trimmed() == QLatin1String("true");
    }
    return false;
}

std::optional<qint64> integerFromXml(const QString& text, qint64 lowest, qint64 highest)
{
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok, 10);
    if (!ok || number < lowest || number > highest)
        return std::nullopt;
    return number;
}
} // namespace

bool read(const pugi::xml_node& element, SoapType type, QVariant* value)
{
    const QString text = XmlNames::textContent(element);
    switch (type) {
    case SoapType::Short:
    case SoapType::Int: {
        const bool isShort = type == SoapType::Short;
        const auto number = isShort ? integerFromXml(text, std::numeric_limits<qint16>::min(),
                                                     std::numeric_limits<qint16>::max())
                                    : integerFromXml(text, std::numeric_limits<qint32>::min(),
                                                     std::numeric_limits<qint32>::max());
        if (!number)
            return false;
        *value = isShort ? QVariant::fromValue(qint16(*number)) : QVariant::fromValue(qint32(*number));
        return true;
    }
    case SoapType::Boolean: {
        const QString word = text.trimmed();
        if (word != QLatin1String("true") && word != QLatin1String("false") && word != QLatin1String("1") &&
            word != QLatin1String("0"))
            return false;
        *value = word == QLatin1String("true") || word == QLatin1String("1");
        return true;
    }
    case SoapType::DateTime: {
        const QDateTime dateTime = QDateTime::fromString(text.trimmed(), Qt::ISODateWithMs);
        if (!dateTime.isValid())
            return false;
        *value = dateTime;
        return true;
    }
    case SoapType::String:
        *value = isNil(element) ? QString() : (text.isEmpty() ? QStringLiteral("") : text);
        return true;
    case SoapType::ArrayOfInt: {
        QList<qint32> numbers;
        for (pugi::xml_node item = XmlNames::firstElement(element); item; item = item.next_sibling()) {
            if (item.type() != pugi::node_element)
                continue;
            QVariant number;
            if (!read(item, SoapType::Int, &number))
                return false;
            numbers.append(number.value<qint32>());
        }
        *value = QVariant::fromValue(numbers);
        return true;
    }
    case SoapType::ArrayOfString: {
        QStringList texts;
        for (pugi::xml_node item = XmlNames::firstElement(element); item; item = item.next_sibling()) {
            if (item.type() != pugi::node_element)
                continue;
            QVariant itemText;
            read(item, SoapType::String, &itemText);
            texts.append(itemText.toString());
        }
        *value = texts;
        return true;
    }
    case SoapType::Unsupported:
        break;
    }
    return false;
}


} // namespace kitbench::SoapValues

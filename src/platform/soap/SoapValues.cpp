#include "platform/soap/SoapValues.h"

#include "platform/soap/XmlTextWriter.h"

#include <QList>
#include <QStringList>

#include <cmath>
#include <limits>
#include <optional>

namespace kitbench::SoapValues {

namespace {

// Whole numbers from any numeric variant or numeric text; nothing for fractions, text and booleans,
// which have no single obvious number.
std::optional<qint64> integerOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULong:
        return value.toLongLong();
    case QMetaType::ULongLong:
        if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return qint64(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (!std::isfinite(number) || number != std::trunc(number) || std::fabs(number) > 9.0e18)
            return std::nullopt;
        return qint64(number);
    }
    case QMetaType::QString: {
        bool ok = false;
        const qint64 number = value.toString().trimmed().toLongLong(&ok, 10);
        return ok ? std::optional<qint64>(number) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<QString> integerText(const QVariant& value, qint64 lowest, qint64 highest)
{
    const std::optional<qint64> number = integerOf(value);
    if (!number || *number < lowest || *number > highest)
        return std::nullopt;
    return QString::number(*number);
}

std::optional<QString> booleanText(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed().toLower();
        if (text == QLatin1String("true") || text == QLatin1String("1"))
            return QStringLiteral("true");
        if (text == QLatin1String("false") || text == QLatin1String("0"))
            return QStringLiteral("false");
        return std::nullopt;
    }
    if (const std::optional<qint64> number = integerOf(value))
        return *number != 0 ? QStringLiteral("true") : QStringLiteral("false");
    return std::nullopt;
}

std::optional<QString> dateTimeValueText(const QVariant& value)
{
    QDateTime dateTime;
    if (value.typeId() == QMetaType::QDateTime)
        dateTime = value.toDateTime();
    else if (value.typeId() == QMetaType::QDate)
        dateTime = value.toDate().startOfDay();
    else if (value.typeId() == QMetaType::QString)
        dateTime = QDateTime::fromString(value.toString().trimmed(), Qt::ISODateWithMs);
    if (!dateTime.isValid())
        return std::nullopt;
    return dateTimeText(dateTime);
}

// Strings take any scalar in its invariant text form; a null string is left out.
std::optional<QString> stringText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return *booleanText(value);
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        return dateTimeValueText(value);
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        if (integerOf(value) || value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
            return value.toString();
        return std::nullopt;
    }
}

bool isNull(const QVariant& value)
{
    return !value.isValid() || (value.typeId() == QMetaType::QString && value.toString().isNull());
}

// Array items as variants, whatever list type the caller used.
std::optional<QVariantList> itemsOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QVariantList)
        return value.toList();
    if (value.typeId() == QMetaType::QStringList) {
        QVariantList items;
        for (const QString& text : value.toStringList())
            items.append(text);
        return items;
    }
    if (value.metaType() == QMetaType::fromType<QList<int>>()) {
        QVariantList items;
        for (int number : value.value<QList<int>>())
            items.append(number);
        return items;
    }
    if (value.metaType() == QMetaType::fromType<QList<qint16>>()) {
        QVariantList items;
        for (qint16 number : value.value<QList<qint16>>())
            items.append(number);
        return items;
    }
    return std::nullopt;
}

QString describe(const QVariant& value)
{
    const QString text = value.toString();
    return text.isEmpty() ? QString::fromLatin1(value.typeName()) : text;
}

} // namespace

QString dateTimeText(const QDateTime& dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    QString text = QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", date.year(), date.month(), date.day(),
                                     time.hour(), time.minute(), time.second());
    if (time.msec() != 0)
        text += QString::asprintf(".%03d", time.msec());
    return text;
}

QString typeName(SoapType type)
{
    switch (type) {
    case SoapType::Short:
        return QStringLiteral("s:short");
    case SoapType::Int:
        return QStringLiteral("s:int");
    case SoapType::Boolean:
        return QStringLiteral("s:boolean");
    case SoapType::DateTime:
        return QStringLiteral("s:dateTime");
    case SoapType::String:
        return QStringLiteral("s:string");
    case SoapType::ArrayOfInt:
        return QStringLiteral("ArrayOfInt");
    case SoapType::ArrayOfString:
        return QStringLiteral("ArrayOfString");
    case SoapType::Unsupported:
        break;
    }
    return QStringLiteral("an unsupported type");
}

bool write(XmlTextWriter& writer, const SoapParameter& parameter, const QVariant& value, QString* error)
{
    const auto refuse = [&](const QString& shown) {
        *error = QStringLiteral("The value %1 of the parameter %2 cannot be sent as %3.")
                     .arg(shown, parameter.name, typeName(parameter.type));
        return false;
    };
    std::optional<QString> text;
    switch (parameter.type) {
    case SoapType::Short:
        text = integerText(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
        break;
    case SoapType::Int:
        text = integerText(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
        break;
    case SoapType::Boolean:
        text = booleanText(value);
        break;
    case SoapType::DateTime:
        text = dateTimeValueText(value);
        break;
    case SoapType::String:
        if (isNull(value))
            return true;
        text = stringText(value);
        break;
    case SoapType::ArrayOfInt:
    case SoapType::ArrayOfString: {
        if (!value.isValid())
            return true;
        const std::optional<QVariantList> items = itemsOf(value);
        if (!items)
            return refuse(describe(value));
        const bool numbers = parameter.type == SoapType::ArrayOfInt;
        writer.startElement(parameter.name);
        for (const QVariant& item : *items) {
            if (!numbers && isNull(item)) {
                writer.startElement(QStringLiteral("string"),
                                    {{QStringLiteral("xsi:nil"), QStringLiteral("true")}});
                writer.endElement();
                continue;
            }
            const std::optional<QString> itemText =
                numbers ? integerText(item, std::numeric_limits<qint32>::min(),
                                      std::numeric_limits<qint32>::max())
                        : stringText(item);
            if (!itemText)
                return refuse(describe(item));
            writer.startElement(numbers ? QStringLiteral("int") : QStringLiteral("string"));
            writer.writeText(*itemText);
            writer.endElement();
        }
        writer.endElement();
        return true;
    }
    case SoapType::Unsupported:
        *error = QStringLiteral("The parameter %1 has the type %2, which this client cannot send.")
                     .arg(parameter.name, parameter.typeName);
        return false;
    }
    if (!text)
        return refuse(value.isValid() ? describe(value) : QStringLiteral("(none)"));
    writer.startElement(parameter.name);
    writer.writeText(*text);
    writer.endElement();
    return true;
}

} // namespace kitbench::SoapValues

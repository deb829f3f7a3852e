#include "directory/XmlAnswer.h"

#include <limits>

namespace kitbench {

std::optional<XmlAnswer> XmlAnswer::load(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    auto document = std::make_shared<pugi::xml_document>();
    // pugixml reads no DTD and resolves no external entity.
    const pugi::xml_parse_result result = document->load_buffer(
        utf8.constData(), static_cast<size_t>(utf8.size()), pugi::parse_default, pugi::encoding_utf8);
    if (!result || !document->document_element())
        return std::nullopt;
    XmlAnswer answer;
    answer.m_document = std::move(document);
    return answer;
}

QList<pugi::xml_node> XmlAnswer::select(const QString& xpath) const
{
    QList<pugi::xml_node> nodes;
    const pugi::xpath_node_set set = m_document->select_nodes(xpath.toUtf8().constData());
    nodes.reserve(static_cast<qsizetype>(set.size()));
    for (const pugi::xpath_node& node : set)
        if (node.node())
            nodes.append(node.node());
    return nodes;
}

pugi::xml_node XmlAnswer::selectSingle(const QString& xpath) const
{
    return m_document->select_node(xpath.toUtf8().constData()).node();
}

namespace xml {

QString childText(const pugi::xml_node& node, const char* name)
{
    return QString::fromUtf8(node.child(name).text().get());
}

bool hasChild(const pugi::xml_node& node, const char* name)
{
    return static_cast<bool>(node.child(name));
}

std::optional<qint32> toInt32(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(value);
}

std::optional<qint16> toInt16(const QString& text)
{
    const std::optional<qint32> value = toInt32(text);
    if (!value || *value < std::numeric_limits<qint16>::min() || *value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(*value);
}

bool toBoolean(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    const std::optional<qint32> number = toInt32(trimmed);
    return number.has_value() && *number != 0;
}

DictionaryUser readUser(const pugi::xml_node& user)
{
    DictionaryUser row;
    row.firstName = childText(user, "FirstName");
    row.lastName = childText(user, "LastName");
    row.userId = toInt32(childText(user, "UserId")).value_or(0);
    row.isCurrentUser = hasChild(user, "IsCurrentUser");
    return row;
}

} // namespace xml

} // namespace kitbench

#include "platform/soap/XmlNames.h"

namespace kitbench::XmlNames {

namespace {
QString fromPugi(const char* text)
{
    return QString::fromUtf8(text);
}
} // namespace

QString localPart(const QString& qualifiedName)
{
    const qsizetype colon = qualifiedName.indexOf(QLatin1Char(':'));
    return colon < 0 ? qualifiedName : qualifiedName.mid(colon + 1);
}

QString localName(const pugi::xml_node& node)
{
    return localPart(fromPugi(node.name()));
}

QString namespaceForPrefix(const pugi::xml_node& context, const QString& prefix)
{
    const QByteArray attributeName =
        prefix.isEmpty() ? QByteArrayLiteral("xmlns") : QByteArrayLiteral("xmlns:") + prefix.toUtf8();
    for (pugi::xml_node node = context; node; node = node.parent()) {
        if (node.type() != pugi::node_element)
            continue;
        const pugi::xml_attribute declaration = node.attribute(attributeName.constData());
        if (declaration)
            return fromPugi(declaration.value());
    }
    if (prefix == QLatin1String("xml"))
        return QStringLiteral("http://www.w3.org/XML/1998/namespace");
    return QString();
}

QString namespaceUri(const pugi::xml_node& element)
{
    const QString name = fromPugi(element.name());
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    return namespaceForPrefix(element, colon < 0 ? QString() : name.left(colon));
}

QString namespaceOfValue(const pugi::xml_node& context, const QString& qualifiedName)
{
    const qsizetype colon = qualifiedName.indexOf(QLatin1Char(':'));
    return namespaceForPrefix(context, colon < 0 ? QString() : qualifiedName.left(colon));
}

bool is(const pugi::xml_node& element, const char* uri, const char* name)
{
    return element.type() == pugi::node_element && localName(element) == QLatin1String(name) &&
           namespaceUri(element) == QLatin1String(uri);
}

pugi::xml_node child(const pugi::xml_node& parent, const char* uri, const char* name)
{
    for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
        if (is(node, uri, name))
            return node;
    }
    return {};
}

pugi::xml_node firstElement(const pugi::xml_node& parent)
{
    for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element)
            return node;
    }
    return {};
}

QString attribute(const pugi::xml_node& element, const char* name)
{
    return fromPugi(element.attribute(name).value());
}

QString textContent(const pugi::xml_node& node)
{
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
        return fromPugi(node.value());
    QByteArray text;
    for (pugi::xml_node descendant = node.first_child(); descendant;) {
        if (descendant.type() == pugi::node_pcdata || descendant.type() == pugi::node_cdata)
            text += descendant.value();
        // Depth-first walk without recursion: down, else along, else up until a sibling exists.
        if (descendant.first_child()) {
            descendant = descendant.first_child();
            continue;
        }
        while (descendant && descendant != node && !descendant.next_sibling())
            descendant = descendant.parent();
        if (!descendant || descendant == node)
            break;
        descendant = descendant.next_sibling();
    }
    return QString::fromUtf8(text);
}

} // namespace kitbench::XmlNames

#include "msproject/PlanFile.h"

#include "msproject/PlanValues.h"

#include <QFile>

#include <pugixml.hpp>

#include <sstream>

namespace kitbench {

namespace {

std::optional<PlanFile> fromDocument(const pugi::xml_document& document)
{
    if (!document.document_element())
        return std::nullopt;
    PlanFile plan;
    std::ostringstream out;
    document.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    plan.xml = QString::fromStdString(out.str());
    const auto dateOf = [&document](const char* xpath) -> std::optional<QDateTime> {
        const pugi::xml_node node = document.select_node(xpath).node();
        if (!node)
            return std::nullopt;
        try {
            return plan::wholeDateTime(QString::fromUtf8(node.text().get()));
        } catch (const PlanValueError&) {
            return std::nullopt;
        }
    };
    plan.start = dateOf("/Project/StartDate");
    plan.finish = dateOf("/Project/FinishDate");
    return plan;
}

} // namespace

std::optional<PlanFile> PlanFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray content = file.readAll();
    pugi::xml_document document;
    // The encoding comes from the byte order mark or the declaration; pugixml reads no DTD.
    if (!document.load_buffer(content.constData(), static_cast<size_t>(content.size())))
        return std::nullopt;
    return fromDocument(document);
}

std::optional<PlanFile> PlanFile::fromText(const QString& text)
{
    pugi::xml_document document;
    const QByteArray utf8 = text.toUtf8();
    if (!document.load_buffer(utf8.constData(), static_cast<size_t>(utf8.size()), pugi::parse_default,
                              pugi::encoding_utf8))
        return std::nullopt;
    return fromDocument(document);
}

} // namespace kitbench

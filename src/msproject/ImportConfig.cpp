#include "msproject/ImportConfig.h"

#include "directory/XmlAnswer.h"

#include <QHash>

#include <sstream>

namespace kitbench {

namespace {

constexpr char kNotAssigned[] = "-1";

QString userName(const pugi::xml_node& user)
{
    return xml::childText(user, "FirstName") + QLatin1Char(' ') + xml::childText(user, "LastName");
}

} // namespace

ImportConfigAnswer readImportConfig(const QString& answer, const QString& notAssignedText)
{
    ImportConfigAnswer config;
    const std::optional<XmlAnswer> document = XmlAnswer::load(answer);
    if (!document)
        return config;
    QHash<qint32, QString> names;
    for (const pugi::xml_node& user : document->select(QStringLiteral("ImportConfig/Resources/User"))) {
        const std::optional<qint32> id = xml::toInt32(xml::childText(user, "UserId"));
        if (!id)
            continue;
        config.users.append(ImportConfigUser{*id, userName(user)});
        if (!names.contains(*id))
            names.insert(*id, config.users.last().name);
    }
    for (const pugi::xml_node& assignment :
         document->select(QStringLiteral("ImportConfig/ImportAssignments/Assignment"))) {
        AssignmentRow row;
        row.resourceKey = QLatin1Char('a') + xml::childText(assignment, "ResourceId");
        row.resourceName = xml::childText(assignment, "ResourceName");
        const QString proposed = xml::childText(assignment, "UserId").trimmed();
        const std::optional<qint32> id = xml::toInt32(proposed);
        if (proposed != QLatin1String(kNotAssigned) && id && names.contains(*id)) {
            row.userKey = QLatin1Char('a') + QString::number(*id);
            row.userText = names.value(*id);
        } else {
            row.userKey = QLatin1Char('a') + QLatin1String(kNotAssigned);
            row.userText = notAssignedText;
        }
        config.rows.append(row);
    }
    return config;
}

QString buildImportConfigRequest(const QString& answer, const QList<std::pair<QString, QString>>& rowKeys)
{
    pugi::xml_document request;
    request.load_string("<ImportConfig><XMLVersionID></XMLVersionID><ImportAssignments/></ImportConfig>");
    pugi::xml_node config = request.child("ImportConfig");
    if (const std::optional<XmlAnswer> document = XmlAnswer::load(answer)) {
        const QString version = QString::fromUtf8(
            document->selectSingle(QStringLiteral("//ImportConfig/XMLVersionID")).text().get());
        config.child("XMLVersionID").text().set(version.toUtf8().constData());
    }

    pugi::xml_document fragment;
    pugi::xml_node assignment = fragment.append_child("Assignment");
    assignment.append_child("ResourceId");
    assignment.append_child("UserId");
    pugi::xml_node assignments = config.child("ImportAssignments");
    for (const auto& [resourceKey, userKey] : rowKeys) {
        assignment.child("ResourceId").text().set(resourceKey.mid(1).toUtf8().constData());
        assignment.child("UserId").text().set(userKey.mid(1).toUtf8().constData());
        assignments.append_copy(assignment);
    }

    std::ostringstream out;
    request.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return QString::fromStdString(out.str());
}

} // namespace kitbench

#include "items/CreateCalls.h"

#include "shell/RunMode.h"

#include <cstdlib>

namespace kitbench {
namespace {

bool isVersion45(const QString& version)
{
    return version == QLatin1String("4.5") || version == QLatin1String("4.7");
}

std::optional<qint32> keyId(const QString& key)
{
    bool ok = false;
    const qint32 id = key.mid(1).trimmed().toInt(&ok);
    return ok ? std::optional<qint32>(id) : std::nullopt;
}

// Reading the combos of one call: the first one without a selection makes the whole call fail.
class ComboReader
{
public:
    qint32 operator()(const ComboData& data)
    {
        if (!data)
            m_failed = true;
        return data.value_or(0);
    }
    bool failed() const { return m_failed; }

private:
    bool m_failed = false;
};

std::optional<ServerCall> finished(const ComboReader& read, const char* method, QVariantList arguments)
{
    if (read.failed())
        return std::nullopt;
    return ServerCall{QString::fromLatin1(method), std::move(arguments)};
}

} // namespace

CreateKind createKindFor(int runMode, bool importNewProject)
{
    switch (runMode) {
    case CREATEINCIDENT:
        return CreateKind::Incident;
    case CREATETASK:
        return CreateKind::Task;
    case CREATEEVENT:
        return CreateKind::Event;
    case CREATETODO:
        return CreateKind::ToDo;
    case CREATELIST:
        return CreateKind::List;
    case CREATEPROJECT:
        return CreateKind::Project;
    case IMPORTPROJECT:
        return importNewProject ? CreateKind::Project : CreateKind::ExistingProject;
    default:
        return CreateKind::Nothing;
    }
}

ClientIds clientIdsForItem(const ComboData& client)
{
    if (!client)
        return {};
    if (*client > 0)
        return {*client, -1};
    return {-1, std::abs(*client)};
}

ClientIds clientIdsForProject(qint32 client)
{
    if (client > 0)
        return {client, -1};
    if (client == 0)
        return {};
    return {-1, std::abs(client)};
}

std::optional<QList<qint32>> checkedIds(const QList<CheckedListItem>& items)
{
    QList<qint32> ids;
    for (const CheckedListItem& item : items) {
        if (!item.checked)
            continue;
        const std::optional<qint32> id = keyId(item.key);
        if (!id)
            return std::nullopt;
        ids.append(*id);
    }
    return ids;
}

std::optional<QList<qint32>> participantList(const QList<TeamRow>& rows)
{
    QList<qint32> ids;
    for (const TeamRow& row : rows) {
        const std::optional<qint32> id = keyId(row.key);
        if (!id)
            return std::nullopt;
        ids.append(row.iconKey == QLatin1String("<user_must_be_confirmed>") ? -*id : *id);
    }
    return ids;
}

qint16 toDoDateFlags(bool startEnabled, bool finishEnabled)
{
    return static_cast<qint16>((startEnabled ? 1 : 0) + (finishEnabled ? 2 : 0));
}

std::optional<ServerCall> incidentCreateCall(const IncidentValues& v, const QString& serverVersion)
{
    ComboReader read;
    QVariantList args{v.title,
                      v.description,
                      read(v.project),
                      read(v.type),
                      read(v.priority),
                      read(v.severity),
                      QVariant::fromValue(v.categoryIds)};
    if (!isVersion45(serverVersion))
        return finished(read, "CreateIncident", args);
    const ClientIds client = clientIdsForItem(v.client);
    args << read(v.incidentBox) << client.contact << client.organization;
    return finished(read, "CreateIncident45", args);
}

std::optional<ServerCall> taskCreateCall(const TaskValues& v)
{
    ComboReader read;
    const QVariantList args{v.title,           v.description,
                            read(v.project),   v.start,
                            v.finish,          v.isMilestone,
                            read(v.priority),  read(v.completionType),
                            v.mustBeConfirmed, QVariant::fromValue(v.participants)};
    return finished(read, "CreateTask", args);
}

std::optional<ServerCall> eventCreateCall(const EventValues& v, const QString& serverVersion)
{
    ComboReader read;
    QVariantList args{v.title, v.location, v.description,    read(v.project), read(v.organizer),
                      v.start, v.end,      read(v.priority), read(v.type),    read(v.reminder)};
    const bool withClient = isVersion45(serverVersion);
    if (withClient) {
        const ClientIds client = clientIdsForItem(v.client);
        args << client.contact << client.organization;
    }
    args << QVariant::fromValue(v.participants);
    return finished(read, withClient ? "CreateEvent45" : "CreateEvent", args);
}

std::optional<ServerCall> toDoCreateCall(const ToDoValues& v, const QString& serverVersion)
{
    ComboReader read;
    QVariantList args{v.title,
                      v.description,
                      read(v.project),
                      read(v.manager),
                      v.start,
                      v.finish,
                      QVariant::fromValue(toDoDateFlags(v.startEnabled, v.finishEnabled)),
                      read(v.priority),
                      read(v.completionType),
                      v.mustBeConfirmed};
    const bool withClient = isVersion45(serverVersion);
    if (withClient) {
        const ClientIds client = clientIdsForItem(v.client);
        args << client.contact << client.organization;
    }
    args << QVariant::fromValue(v.participants);
    return finished(read, withClient ? "CreateToDo45" : "CreateToDo", args);
}

std::optional<ServerCall> listCreateCall(const ListValues& v)
{
    ComboReader read;
    const QVariantList args{
        QVariant::fromValue(qint16(0)),    v.title, v.description, v.folderTag, read(v.type), read(v.status),
        QVariant::fromValue(v.categoryIds)};
    return finished(read, "CreateList", args);
}

std::optional<ServerCall> listFromSheetCall(const ListValues& v, const QString& file, const QString& sheet,
                                            const QStringList& columns, bool ignoreErrorRows)
{
    ComboReader read;
    const QVariantList args{file,           sheet,
                            v.title,        v.description,
                            v.folderTag,    read(v.type),
                            read(v.status), QVariant::fromValue(v.categoryIds),
                            columns,        QVariant::fromValue(qint16(ignoreErrorRows ? 1 : 0))};
    return finished(read, "CreateListFromExcel", args);
}

std::optional<ServerCall> projectCreateCall(const ProjectValues& v, const QString& serverVersion)
{
    ComboReader read;
    QVariantList args{v.title,        v.description,   v.goals,           v.scope,
                      v.deliverables, read(v.manager), read(v.executive), v.start,
                      v.finish,       read(v.status),  read(v.type),      read(v.calendar)};
    const QVariant categories = QVariant::fromValue(v.categoryIds);
    const QVariant participants = QVariant::fromValue(v.participants);
    const QVariant portfolios = QVariant::fromValue(v.portfolioIds);
    if (isVersion45(serverVersion)) {
        const ClientIds client = clientIdsForProject(read(v.client));
        args << client.contact << client.organization << read(v.currency) << read(v.priority) << read(v.phase)
             << categories << participants << portfolios;
        return finished(read, "CreateProject45", args);
    }
    if (serverHasProjectTemplates(serverVersion)) {
        args << read(v.client) << read(v.currency) << read(v.priority) << read(v.phase) << categories
             << participants << portfolios;
        return finished(read, "CreateProject40", args);
    }
    args << read(v.client) << read(v.currency) << categories << participants;
    return finished(read, "CreateProject", args);
}

bool serverHasProjectTemplates(const QString& serverVersion)
{
    return serverVersion == QLatin1String("4.0") || serverVersion == QLatin1String("4.1") ||
           isVersion45(serverVersion);
}

qint32 projectTemplateId(const ProjectValues& values)
{
    return values.templateId.value_or(0);
}

std::optional<ServerCall> projectTemplateCall(const ProjectValues& values, const QString& serverVersion,
                                              qint32 createdObjectId)
{
    const qint32 templateId = projectTemplateId(values);
    if (!serverHasProjectTemplates(serverVersion) || templateId == 0)
        return std::nullopt;
    QStringList assignments;
    for (const QString& key : values.assignmentKeys)
        assignments.append(key.mid(1));
    return ServerCall{QStringLiteral("updateProjectFromTemplate"),
                      {createdObjectId, templateId, QVariant::fromValue(assignments)}};
}

} // namespace kitbench

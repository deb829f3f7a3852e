#include "msproject/MsProjectCalls.h"

#include <limits>

namespace kitbench {

ServerCall importStepOneCall(qint32 projectId, const QString& planXml)
{
    return ServerCall{QStringLiteral("ImportMsProjectStep1"), {QVariant::fromValue(projectId), planXml}};
}

std::optional<qint16> stepTwoProjectId(qint32 projectId, bool synchronize)
{
    if (projectId < std::numeric_limits<qint16>::min() || projectId > std::numeric_limits<qint16>::max())
        return std::nullopt;
    const auto id = static_cast<qint16>(projectId);
    return projectId > 0 && synchronize ? static_cast<qint16>(-id) : id;
}

std::optional<ServerCall> importStepTwoCall(qint32 projectId, bool synchronize, const QString& request)
{
    const std::optional<qint16> id = stepTwoProjectId(projectId, synchronize);
    if (!id)
        return std::nullopt;
    return ServerCall{QStringLiteral("ImportMsProjectStep2"), {QVariant::fromValue(*id), request}};
}

ServerCall exportProjectCall(qint32 projectId)
{
    return ServerCall{QStringLiteral("ExportOrvProject"), {QVariant::fromValue(projectId)}};
}

} // namespace kitbench

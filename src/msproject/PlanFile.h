#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace kitbench {

// An MS Project XML file chosen for import, loaded and written out again as the import sends it.
struct PlanFile
{
    QString xml;
    // "/Project/StartDate" and "/Project/FinishDate" as date-times, when they convert.
    std::optional<QDateTime> start;
    std::optional<QDateTime> finish;

    // Nothing when the file cannot be read or is not well-formed XML.
    static std::optional<PlanFile> load(const QString& path);
    static std::optional<PlanFile> fromText(const QString& text);
};

} // namespace kitbench

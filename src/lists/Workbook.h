#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kitbench {

// The server's description of an uploaded workbook ("Lists"): its name for the file and each sheet
// with its column names, in the order of the answer.
struct WorkbookSheet
{
    QString name;
    QStringList columns;

    bool operator==(const WorkbookSheet&) const = default;
};

struct Workbook
{
    QString file;
    QList<WorkbookSheet> sheets;

    // The columns of the first sheet of that name; none when there is no such sheet.
    QStringList columnsOf(const QString& sheet) const;
};

// Nothing when the text does not load as a document.
std::optional<Workbook> parseWorkbook(const QString& xml);

} // namespace kitbench

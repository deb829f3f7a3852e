#pragma once

#include <QString>
#include <QVariantList>

namespace kitbench {

// One call of the web service as plain data: the method name and its arguments by position. The
// argument types say how each value goes on the wire: qint16 a short, qint32 an int, bool a boolean,
// QString a string, QDateTime a date-time, QList<qint32> an array of int, QStringList an array of string.
struct ServerCall
{
    QString method;
    QVariantList arguments;

    bool operator==(const ServerCall&) const = default;
};

} // namespace kitbench

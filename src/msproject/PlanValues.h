#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>

namespace kitbench {

class MsProjectApplication;

// A plan value that does not convert (a missing element, a text that is not a number or a date).
class PlanValueError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The time of day of `time` as the running Microsoft Project writes it, by its time options (twelve or
// twenty-four hours, leading zero, AM/PM texts, separator), each read when it is needed.
QString GetTimeString(MsProjectApplication& application, const QTime& time);

// The value at the position of the first key equal to `key`, compared as 16-bit numbers; nothing when
// the key is not such a number or no key matches.
std::optional<qint32> FindInArray(const QStringList& keys, const QList<qint32>& values, const QString& key);

namespace plan {

// "2024-03-01 17:30", "2024-03-01 5:30 PM", "2024-03-01" and the like as a date-time; `amText` and
// `pmText` are the suffixes of a twelve-hour time besides "AM" and "PM". Throws PlanValueError.
QDateTime toDateTime(const QString& text, const QString& amText = {}, const QString& pmText = {});
// A whole XML date-time: every "T" becomes a blank, then as toDateTime.
QDateTime wholeDateTime(const QString& xmlText);
// The date part of an XML date-time ("2024-03-01T08:00:00" gives "2024-03-01").
QString dayText(const QString& xmlText);
qint16 toInt16(const QString& text);
qint32 toInt32(const QString& text);
// "True"/"False" in any case, or a number (not 0 is true).
bool toBoolean(const QString& text);
// Halves to the even neighbour, as the lag of a link is rounded.
double roundHalfEven(double value);

} // namespace plan

} // namespace kitbench

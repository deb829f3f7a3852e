#include "items/DateStrings.h"

#include "items/LocalTimeZone.h"

#include <QTimeZone>

#include <cstdlib>

namespace kitbench {
namespace {

QDateTime addOnCalendar(const QDateTime& value, qint64 seconds)
{
    const QDateTime moved = QDateTime(value.date(), value.time(), QTimeZone::utc()).addSecs(seconds);
    QDateTime result = value;
    result.setDate(moved.date());
    result.setTime(moved.time());
    return result;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QDateTime composePageDateTime(const QDateTime& dayValue, const QTime& timeValue)
{
    return addOnCalendar(dayValue, qint64(timeValue.hour()) * 3600 + qint64(timeValue.minute()) * 60);
}

QDateTime AdjustTime(const QDateTime& value, qint16 profileTimeOffset, qint16 localTimeBias)
{
    const int difference = int(profileTimeOffset) - int(localTimeBias);
    if (difference == 0)
        return value;
    return addOnCalendar(value, qint64(difference) * 60);
}

QString GetTimeStringForTimeZone(qint16 offset)
{
    const int magnitude = std::abs(int(offset));
    return (offset >= 0 ? QStringLiteral("-") : QStringLiteral("+")) + twoDigits(magnitude / 60) +
           QLatin1Char(':') + twoDigits(magnitude % 60);
}

QString GetTimeStringForLocalTimeZone()
{
    return GetTimeStringForTimeZone(static_cast<qint16>(GetLocalTimeZone()));
}

Message timeZoneQuestion(qint16 profileTimeOffset, qint16 localTimeBias)
{
    Message question = Message::fromId(5061, MessageButtons::YesNo);
    question.append(QStringLiteral("\n\r\n\r"))
        .appendId(5062)
        .append(QStringLiteral(" (GMT ") + GetTimeStringForTimeZone(profileTimeOffset) + QLatin1Char(')'))
        .append(QStringLiteral("\n\r"))
        .appendId(5063)
        .append(QStringLiteral(" (GMT ") + GetTimeStringForTimeZone(localTimeBias) + QLatin1Char(')'));
    return question;
}

} // namespace kitbench

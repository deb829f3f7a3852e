#pragma once

#include "platform/Message.h"

#include <QDateTime>
#include <QString>
#include <QTime>

namespace kitbench {

// A page's date-time: the day picker's value plus the time picker's hour and minute, added on the
// calendar (wall-clock time, no daylight change in between). Seconds are those of the day value.
QDateTime composePageDateTime(const QDateTime& dayValue, const QTime& timeValue);

// A page date-time moved into the profile's time zone: plus (profile offset - local bias) minutes, on
// the calendar. Equal offsets return the date unchanged. The result stays local, UTC or in its zone
// as the value was.
QDateTime AdjustTime(const QDateTime& value, qint16 profileTimeOffset, qint16 localTimeBias);

// A bias as text: "-" for 0 and above (west of Greenwich), "+" below 0, then hours and minutes of its
// absolute value as "HH:MM": 300 gives "-05:00", -330 gives "+05:30", 0 gives "-00:00".
QString GetTimeStringForTimeZone(qint16 offset);
// The computer's current bias as text.
QString GetTimeStringForLocalTimeZone();

// The Yes/No question asked when the profile's time zone differs from the computer's: text 5061, a
// blank line, text 5062 with the profile's zone, a line break, text 5063 with the local zone. Yes keeps
// the profile's offset, No takes the local bias.
Message timeZoneQuestion(qint16 profileTimeOffset, qint16 localTimeBias);

} // namespace kitbench

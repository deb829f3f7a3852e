#pragma once

#include <QDate>
#include <QTimeZone>

namespace kitbench {

// When a zone changes between standard and daylight time: the n-th weekday of a month. Week 1 to 4
// is the n-th, week 5 the last; month 0 means the zone has no such change.
struct TransitionRule
{
    int month = 0;
    int dayOfWeek = 0; // 0 = Sunday
    int week = 0;

    bool operator==(const TransitionRule&) const = default;
};

// A time zone in the operating system's bias convention (UTC = local time + bias, minutes; a zone east
// of Greenwich has a negative bias): the record GetTimeZoneInformation fills.
struct TimeZoneRecord
{
    qint32 bias = 0;
    qint32 standardBias = 0;
    TransitionRule standardDate; // the change back to standard time
    qint32 daylightBias = 0;
    TransitionRule daylightDate; // the change to daylight time

    bool operator==(const TimeZoneRecord&) const = default;
};

// The record of a zone with the rules it follows in `year`.
TimeZoneRecord timeZoneRecordFor(const QTimeZone& zone, int year);

// The day a rule falls on in `year`, walking the rule's month day by day: the n-th matching weekday,
// or the last one found when the month has fewer. A rule that finds no day gives 30 Dec 1899.
QDate transitionDate(const TransitionRule& rule, int year);

// Daylight time is in force from the day of the daylight change up to the day before the standard
// change, on whole days. A daylight period across the year end and a zone without daylight time
// always give false.
bool IsDaylightSavingTime(const TimeZoneRecord& zone, const QDate& today);

// The zone's bias today: its bias plus the daylight or the standard bias.
qint32 GetLocalTimeZone(const TimeZoneRecord& zone, const QDate& today);
// The computer's bias today.
qint32 GetLocalTimeZone();

} // namespace kitbench

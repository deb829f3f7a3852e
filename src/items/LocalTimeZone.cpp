#include "items/LocalTimeZone.h"

#include <QDateTime>

namespace kitbench {
namespace {

int sundayBasedWeekday(const QDate& day)
{
    return day.dayOfWeek() % 7; // Qt counts Monday 1 .. Sunday 7
}

TransitionRule ruleForDay(const QDate& day)
{
    TransitionRule rule;
    rule.month = day.month();
    rule.dayOfWeek = sundayBasedWeekday(day);
    rule.week = day.day() + 7 > day.daysInMonth() ? 5 : (day.day() - 1) / 7 + 1;
    return rule;
}

} // namespace

TimeZoneRecord timeZoneRecordFor(const QTimeZone& zone, int year)
{
    TimeZoneRecord record;
    const QDateTime yearStart(QDate(year, 1, 1), QTime(0, 0), QTimeZone::utc());
    const QDateTime yearEnd(QDate(year, 12, 31), QTime(23, 59, 59), QTimeZone::utc());
    record.bias = -zone.standardTimeOffset(yearStart) / 60;
    for (const QTimeZone::OffsetData& change : zone.transitions(yearStart, yearEnd)) {
        // The rule names the local day on which the clocks are changed, in the time valid before.
        const int offsetBefore = zone.offsetFromUtc(change.atUtc.addSecs(-1));
        const QDate localDay = change.atUtc.addSecs(offsetBefore).date();
        if (change.daylightTimeOffset > 0) {
            record.daylightDate = ruleForDay(localDay);
            record.daylightBias = -change.daylightTimeOffset / 60;
        } else if (zone.isDaylightTime(change.atUtc.addSecs(-1))) {
            record.standardDate = ruleForDay(localDay);
        }
    }
    if (record.daylightDate.month == 0 || record.standardDate.month == 0) {
        record.standardDate = {};
        record.daylightDate = {};
        record.daylightBias = 0;
    }
    return record;
}

QDate transitionDate(const TransitionRule& rule, int year)
{
    const QDate first = QDate(year, 1, 1).addMonths(rule.month - 1);
    QDate found(1899, 12, 30);
    int remaining = rule.week;
    for (QDate day = first; day.month() == first.month() && remaining > 0; day = day.addDays(1)) {
        if (sundayBasedWeekday(day) == rule.dayOfWeek) {
            found = day;
            --remaining;
        }
    }
    return found;
}

bool IsDaylightSavingTime(const TimeZoneRecord& zone, const QDate& today)
{
    const QDate standard = transitionDate(zone.standardDate, today.year());
    const QDate daylight = transitionDate(zone.daylightDate, today.year());
    return today >= daylight && today < standard;
}

qint32 GetLocalTimeZone(const TimeZoneRecord& zone, const QDate& today)
{
    return zone.bias + (IsDaylightSavingTime(zone, today) ? zone.daylightBias : zone.standardBias);
}

qint32 GetLocalTimeZone()
{
    const QDate today = QDate::currentDate();
    return GetLocalTimeZone(timeZoneRecordFor(QTimeZone::systemTimeZone(), today.year()), today);
}

} // namespace kitbench

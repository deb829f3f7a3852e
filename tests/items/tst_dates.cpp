#include "items/DateStrings.h"
#include "items/LocalTimeZone.h"
#include "shell/TextCatalogue.h"

#include <QTest>

using namespace kitbench;

namespace {

// Daylight from the last Sunday of March to the last of October; from the second Sunday of March to the
// first of November; from the first Sunday of October to the first of April.
const TimeZoneRecord kCentralEurope{-60, 0, {10, 0, 5}, -60, {3, 0, 5}};
const TimeZoneRecord kEasternAmerica{300, 0, {11, 0, 1}, -60, {3, 0, 2}};
const TimeZoneRecord kSouthEastAustralia{-600, 0, {4, 0, 1}, -60, {10, 0, 1}};

} // namespace

// A zone without daylight time (India) is the computer's zone of the runs against a live server.
class TestDates : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void transitionDays()
    {
        using Row = std::tuple<TransitionRule, int, QDate>; // rule, year, day
        for (const auto& [rule, year, day] : {
                 Row{{3, 0, 5}, 2024, QDate(2024, 3, 31)},   // last Sunday of March
                 Row{{10, 0, 5}, 2024, QDate(2024, 10, 27)}, // last Sunday of October
                 Row{{3, 0, 2}, 2025, QDate(2025, 3, 9)},    // second Sunday of March
                 Row{{11, 0, 1}, 2024, QDate(2024, 11, 3)},  // first Sunday of November
                 Row{{2, 5, 5}, 2023, QDate(2023, 2, 24)},   // fifth Friday of a month with four: the last
                 Row{{2, 4, 5}, 2024, QDate(2024, 2, 29)},   // fifth Thursday of a month with five
                 Row{{}, 2024, QDate(1899, 12, 30)},         // no rule
             })
            QCOMPARE(transitionDate(rule, year), day);
    }

    void daylightRule()
    {
        using Row = std::tuple<TimeZoneRecord, QDate, bool, int>; // zone, today, in daylight time, bias
        for (const auto& [zone, today, inDaylight, bias] : {
                 Row{kCentralEurope, QDate(2024, 1, 15), false, -60},
                 Row{kCentralEurope, QDate(2024, 3, 30), false, -60}, // the day before daylight time
                 Row{kCentralEurope, QDate(2024, 3, 31), true, -120}, // its first day
                 Row{kCentralEurope, QDate(2024, 7, 1), true, -120},
                 Row{kCentralEurope, QDate(2024, 10, 26), true, -120}, // the day before standard time
                 Row{kCentralEurope, QDate(2024, 10, 27), false, -60}, // its first day
                 Row{kEasternAmerica, QDate(2025, 3, 9), true, 240},
                 Row{kEasternAmerica, QDate(2025, 3, 8), false, 300},
                 // Across the year end the rule never sees daylight time.
                 Row{kSouthEastAustralia, QDate(2024, 1, 15), false, -600},
                 Row{kSouthEastAustralia, QDate(2024, 7, 15), false, -600},
                 Row{kSouthEastAustralia, QDate(2024, 12, 1), false, -600},
             }) {
            QCOMPARE(IsDaylightSavingTime(zone, today), inDaylight);
            QCOMPARE(GetLocalTimeZone(zone, today), bias);
        }
    }

    void recordsFromTheZoneDatabase()
    {
        using Row = std::pair<QByteArray, TimeZoneRecord>; // zone, record
        for (const auto& [zoneId, record] :
             {Row{"Europe/Berlin", kCentralEurope}, Row{"America/New_York", kEasternAmerica},
              Row{"Australia/Sydney", kSouthEastAustralia}, Row{"UTC", {}}}) {
            const QTimeZone zone(zoneId);
            if (!zone.isValid()) {
                qWarning("the zone database of this machine lacks %s", zoneId.constData());
                continue;
            }
            const TimeZoneRecord built = timeZoneRecordFor(zone, 2024);
            QCOMPARE(std::tuple(built.bias, built.standardBias, built.daylightBias),
                     std::tuple(record.bias, record.standardBias, record.daylightBias));
            QVERIFY(built.daylightDate == record.daylightDate && built.standardDate == record.standardDate);
        }
    }

    void timeZoneText()
    {
        using Row = std::pair<int, QString>; // offset west of Greenwich in minutes, text
        for (const auto& [offset, text] :
             {Row{300, "-05:00"}, Row{-60, "+01:00"}, Row{0, "-00:00"}, Row{-330, "+05:30"},
              Row{-345, "+05:45"}, Row{720, "-12:00"}, Row{30, "-00:30"}})
            QCOMPARE(GetTimeStringForTimeZone(qint16(offset)), text);
    }

    void pageDateTime()
    {
        // The day picker's value with the time picker's, as the wall-clock date and time they make.
        const auto composed = [](const QDateTime& day, QTime time) {
            const QDateTime value = composePageDateTime(day, time);
            return std::pair(value.date(), value.time());
        };
        const QDate march1(2024, 3, 1);
        QCOMPARE(composed(QDateTime(march1, QTime(0, 0)), QTime(14, 45)), std::pair(march1, QTime(14, 45)));
        // The seconds of the time picker are dropped, those of the day picker stay.
        QCOMPARE(composed(QDateTime(march1, QTime(0, 0)), QTime(8, 5, 59)), std::pair(march1, QTime(8, 5)));
        QCOMPARE(composed(QDateTime(march1, QTime(0, 0, 12)), QTime(8, 5)),
                 std::pair(march1, QTime(8, 5, 12)));
        // A day value with a time adds up.
        QCOMPARE(composed(QDateTime(march1, QTime(20, 0)), QTime(6, 30)),
                 std::pair(QDate(2024, 3, 2), QTime(2, 30)));
        // The wall clock through the spring change.
        const QDate spring(2024, 3, 31);
        QCOMPARE(composed(QDateTime(spring, QTime(0, 0), QTimeZone("Europe/Berlin")), QTime(4, 0)),
                 std::pair(spring, QTime(4, 0)));
    }

    void adjustTimeKeepsTheTimeSpec()
    {
        // The shift by the profile's offset less the computer's is the live item runs'. Calendar addition:
        // the wall-clock time moves by the difference even across a daylight change.
        const QTimeZone berlin("Europe/Berlin");
        if (!berlin.isValid())
            QSKIP("no Europe/Berlin on this machine");
        const QDateTime value(QDate(2024, 3, 31), QTime(1, 0), berlin);
        const QDateTime shifted = AdjustTime(value, 0, -180);
        QCOMPARE(std::tuple(shifted.date(), shifted.time(), shifted.timeZone()),
                 std::tuple(QDate(2024, 3, 31), QTime(4, 0), berlin));
        QCOMPARE(AdjustTime(QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC), 60, 0).timeSpec(), Qt::UTC);
        const QDateTime local(QDate(2024, 1, 1), QTime(0, 0));
        QCOMPARE(AdjustTime(local, 60, 0), QDateTime(QDate(2024, 1, 1), QTime(1, 0)));
        QCOMPARE(AdjustTime(local, 60, 0).timeSpec(), Qt::LocalTime);
    }

    void questionText()
    {
        const Message question = timeZoneQuestion(300, -60);
        QCOMPARE(question.textId, 5061);
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QVERIFY(!GetLocalizedText(5062).isEmpty());
        QCOMPARE(question.text, GetLocalizedText(5061) + QStringLiteral("\n\r\n\r") + GetLocalizedText(5062) +
                                    QStringLiteral(" (GMT -05:00)\n\r") + GetLocalizedText(5063) +
                                    QStringLiteral(" (GMT +01:00)"));
    }
};

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"

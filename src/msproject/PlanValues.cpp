#include "msproject/PlanValues.h"

#include "platform/msproject/MsProjectApplication.h"

#include <QRegularExpression>

#include <cfenv>
#include <cmath>
#include <limits>

namespace kitbench {

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString GetTimeString(MsProjectApplication& application, const QTime& time)
{
    const int h = time.hour();
    const int m = time.minute();
    const bool twelveHour = application.TwelveHourTimeFormat();
    const bool leadingZero = application.TimeLeadingZero();
    QString hour;
    QString suffix;
    if (twelveHour) {
        const int twelve = h % 12 == 0 ? 12 : h % 12;
        if (h >= 12)
            hour = QString::number(twelve);
        else if (leadingZero)
            hour = h < 10 ? QLatin1Char('0') + QString::number(h) : QString::number(h);
        else
            hour = QString::number(h);
        suffix = h < 12 ? application.AMText() : application.PMText();
    } else {
        hour = leadingZero ? twoDigits(h) : QString::number(h);
    }
    const QString minute = leadingZero ? twoDigits(m) : QString::number(m);
    QString text = hour + application.TimeSeparator() + minute;
    if (!suffix.isEmpty())
        text += QLatin1Char(' ') + suffix;
    return text;
}

std::optional<qint32> FindInArray(const QStringList& keys, const QList<qint32>& values, const QString& key)
{
    qint16 wanted = 0;
    try {
        wanted = plan::toInt16(key);
    } catch (const PlanValueError&) {
        return std::nullopt;
    }
    for (qsizetype i = 0; i < keys.size() && i < values.size(); ++i) {
        bool ok = false;
        const double entry = keys[i].trimmed().toDouble(&ok);
        if (ok && entry == wanted)
            return values[i];
    }
    return std::nullopt;
}

namespace plan {

QDateTime toDateTime(const QString& text, const QString& amText, const QString& pmText)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:\\s+(\\d{1,2})[^\\d\\s](\\d{1,2})(?:[^\\d\\s]("
                       "\\d{1,2}))?(?:\\s*(\\S+))?)?\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        throw PlanValueError("Not a date.");
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    int hour = match.captured(4).toInt();
    const QString suffix = match.captured(7);
    if (!suffix.isEmpty()) {
        const auto is = [&suffix](const QString& candidate) {
            return !candidate.isEmpty() && suffix.compare(candidate, Qt::CaseInsensitive) == 0;
        };
        const bool pm = is(pmText) || is(QStringLiteral("PM"));
        if ((!pm && !is(amText) && !is(QStringLiteral("AM"))) || hour > 12)
            throw PlanValueError("Not a time of day.");
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, match.captured(5).toInt(), match.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        throw PlanValueError("Not a date.");
    return QDateTime(date, time);
}

QDateTime wholeDateTime(const QString& xmlText)
{
    QString text = xmlText;
    return toDateTime(text.replace(QLatin1Char('T'), QLatin1Char(' ')));
}

QString dayText(const QString& xmlText)
{
    QString text = xmlText;
    text.replace(QLatin1Char('T'), QLatin1Char(' '));
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0)
        throw PlanValueError("Not a date-time.");
    return text.left(blank);
}

qint32 toInt32(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        throw PlanValueError("Not a 32-bit number.");
    return static_cast<qint32>(value);
}

qint16 toInt16(const QString& text)
{
    const qint32 value = toInt32(text);
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw PlanValueError("Not a 16-bit number.");
    return static_cast<qint16>(value);
}

bool toBoolean(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok)
        throw PlanValueError("Not a truth value.");
    return number != 0;
}

double roundHalfEven(double value)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return rounded;
}

} // namespace plan

} // namespace kitbench

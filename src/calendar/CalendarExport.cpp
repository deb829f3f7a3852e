#include "calendar/CalendarExport.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <pugixml.hpp>

#include <sstream>

namespace kitbench {

namespace {

constexpr int kSunday = 7;
constexpr int kSaturday = 6;

QDate sundayOnOrBefore(QDate day)
{
    while (day.dayOfWeek() != kSunday)
        day = day.addDays(-1);
    return day;
}

QDate saturdayOnOrAfter(QDate day)
{
    while (day.dayOfWeek() != kSaturday)
        day = day.addDays(1);
    return day;
}

QDate lastOfMonth(const QDate& first)
{
    const QDate later = first.addDays(32);
    return QDate(later.year(), later.month(), 1).addDays(-1);
}

QString exchangeFile(const QString& name)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty())
        return QString();
    return QDir(folder).filePath(QStringLiteral("Harlowe/Orvello/Kitbench/") + name);
}

} // namespace

std::optional<CalendarPeriod> calendarPeriodFor(int index, int count, const QDate& today)
{
    if (index < 0 || index >= count - 1)
        return std::nullopt;
    QDate start = today;
    QDate finish = today;
    switch (index) {
    case 1:
        start = finish = today.addDays(-1);
        break;
    case 2:
        start = sundayOnOrBefore(today);
        finish = saturdayOnOrAfter(today);
        break;
    case 3:
        start = sundayOnOrBefore(today.addDays(-7));
        finish = saturdayOnOrAfter(today.addDays(-7));
        break;
    case 4:
        start = QDate(today.year(), today.month(), 1);
        finish = lastOfMonth(start);
        break;
    case 5: {
        const QDate endOfLast = QDate(today.year(), today.month(), 1).addDays(-1);
        start = QDate(endOfLast.year(), endOfLast.month(), 1);
        finish = lastOfMonth(start);
        break;
    }
    case 6:
        start = QDate(today.year(), 1, 1);
        finish = QDate(today.year(), 12, 31);
        break;
    case 7:
        start = QDate(today.year() - 1, 1, 1);
        finish = QDate(today.year() - 1, 12, 31);
        break;
    default:
        break;
    }
    return CalendarPeriod{QDateTime(start, QTime(0, 0, 0)), QDateTime(finish, QTime(23, 59, 59))};
}

ServerCall calendarEventsCall(const QDateTime& start, const QDateTime& finish, bool events, bool tasks,
                              bool toDos)
{
    return ServerCall{QStringLiteral("GetCalendarEvents"), {start, finish, events, tasks, toDos}};
}

QString GetExportedCalendarXMLFileName()
{
    return exchangeFile(QStringLiteral("Outlook.xml"));
}

QString GetImportXMLListFields()
{
    return exchangeFile(QStringLiteral("Response.xml"));
}

void CreateDirectory(const QString& path)
{
    const QString folder = QFileInfo(path).path();
    if (!folder.isEmpty())
        QDir().mkpath(folder);
}

QString saveXmlDocument(const QString& xml, const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("There is no folder for application data.");
    pugi::xml_document document;
    const QByteArray text = xml.toUtf8();
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.constData(), static_cast<size_t>(text.size()));
    if (!parsed)
        return QString::fromUtf8(parsed.description());
    std::ostringstream out;
    document.save(out, "\t", pugi::format_default, pugi::encoding_utf8);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const std::string bytes = out.str();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace kitbench

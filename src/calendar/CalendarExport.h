#pragma once

#include "directory/ServerCall.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace kitbench {

// The dates of a period of the calendar export: whole days, from 00:00:00 to 23:59:59.
struct CalendarPeriod
{
    QDateTime start;
    QDateTime finish;

    bool operator==(const CalendarPeriod&) const = default;
};

// The period of entry `index` of `count` entries seen from `today`: today, yesterday, this week, last
// week (Sunday to Saturday), this month, last month, this year, last year. The last entry is the
// user's own period: nothing.
std::optional<CalendarPeriod> calendarPeriodFor(int index, int count, const QDate& today);

// GetCalendarEvents (start, finish, events, tasks, to-dos).
ServerCall calendarEventsCall(const QDateTime& start, const QDateTime& finish, bool events, bool tasks,
                              bool toDos);

// The exchange files with the Outlook add-in and the list import, in the user's application data
// folder under "Harlowe/Orvello/Kitbench"; "" when there is no such folder.
QString GetExportedCalendarXMLFileName();
QString GetImportXMLListFields();

// Creates the folders of a file path (not the file); errors are left to the write that follows.
void CreateDirectory(const QString& path);

// The server's answer as an XML document written to `path` (replacing a file there); "" on success,
// else why not.
QString saveXmlDocument(const QString& xml, const QString& path);

} // namespace kitbench

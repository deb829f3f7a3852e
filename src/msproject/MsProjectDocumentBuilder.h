#pragma once

#include <QDateTime>
#include <QString>

#include <pugixml.hpp>

namespace kitbench {

class MsProjectApplication;

// Builds a plan in a Microsoft Project that cannot open MS Project XML itself (release 9 and older),
// element by element through its automation. The plan's working time is flattened: 24-hour days,
// every listed week day a working day from 00:00 to 23:59, tasks laid on whole days.
//
// Every step goes on after a failure: a missing element, a value that does not convert or a refused
// call skips only that step; a value whose computation failed keeps what it held before. Nothing is
// reported.
class MsProjectDocumentBuilder
{
public:
    explicit MsProjectDocumentBuilder(MsProjectApplication& application);

    // A new document in the application, filled from the plan (root element "Project").
    void SetMSProjectCurrentDocFromXml35(const pugi::xml_document& plan);
    // The week days of the base calendar at `position` from the calendar element.
    void MakeCalendar35_Import(int position, const pugi::xml_node& calendar);

private:
    // A day (or a date-time text) and a time of day as the application writes it, as a date-time.
    QDateTime moment(const QString& day, const QTime& time);
    QString timeString(const QTime& time);
    void buildCalendars(const pugi::xml_document& plan);
    void buildResources(const pugi::xml_document& plan);
    void buildTasks(const pugi::xml_document& plan);
    void buildTask(const pugi::xml_document& plan, const pugi::xml_node& task);
    void buildLinks(const pugi::xml_document& plan);

    MsProjectApplication& m_app;
    // The AM and PM texts last read, so that a time written with them converts back.
    QString m_amText;
    QString m_pmText;
    // The UID maps: XML UID text and the ID the application gave the resource or task.
    QStringList m_resourceKeys;
    QList<qint32> m_resourceIds;
    QStringList m_taskKeys;
    QList<qint32> m_taskIds;
    // Values that keep what they held when their computation fails, as the steps read them.
    qint32 m_resourceId = 0;
    qint32 m_taskId = 0;
    qint16 m_outlineLevel = 0;
    int m_currentLevel = 0;
    bool m_milestone = false;
    QDateTime m_startMoment;
    QDateTime m_finishMoment;
};

} // namespace kitbench

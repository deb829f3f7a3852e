#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace kitbench {

// The values of the item and project pages as the create calls read them, without the widgets.

// The item data of a combo box's selected entry; nothing when no entry is selected (list index -1).
using ComboData = std::optional<qint32>;

// One item of a check-box list view: its key ("C" + id) and check state.
struct CheckedListItem
{
    QString key;
    bool checked = false;
};

// One item of the team page's selected list: key ("U" + user id, "G" + group id) and small-icon key.
struct TeamRow
{
    QString key;
    QString iconKey;
};

// Texts are the text boxes' text as typed (never trimmed). Dates are the page's day plus time picker,
// already shifted into the profile's time zone.
struct IncidentValues
{
    QString title;
    QString description;
    ComboData project;
    ComboData type;
    ComboData priority;
    ComboData severity;
    QList<qint32> categoryIds;
    ComboData incidentBox;
    ComboData client; // organizations negative, contacts positive
};

struct TaskValues
{
    QString title;
    QString description;
    ComboData project;
    QDateTime start;
    QDateTime finish;
    bool isMilestone = false;
    ComboData priority;
    ComboData completionType;
    bool mustBeConfirmed = false;
    QList<qint32> participants;
};

struct EventValues
{
    QString title;
    QString location;
    QString description;
    ComboData project;
    ComboData organizer;
    QDateTime start;
    QDateTime end;
    ComboData priority;
    ComboData type;
    ComboData reminder; // minutes before the event, -1 = no reminder
    ComboData client;
    QList<qint32> participants;
};

struct ToDoValues
{
    QString title;
    QString description;
    ComboData project;
    ComboData manager;
    QDateTime start; // sent even when its check box is clear: the date flags say what counts
    QDateTime finish;
    bool startEnabled = false;  // StartDateEnable
    bool finishEnabled = false; // FinishDateEnable
    ComboData priority;
    ComboData completionType;
    bool mustBeConfirmed = false;
    ComboData client;
    QList<qint32> participants;
};

struct ProjectValues
{
    QString title;
    QString description;
    QString goals;
    QString scope;
    QString deliverables;
    ComboData manager;
    ComboData executive;
    QDateTime start;
    QDateTime finish;
    ComboData status;
    ComboData type;
    ComboData calendar;
    ComboData client; // organizations negative, contacts positive, 0 = none
    ComboData currency;
    ComboData priority;
    ComboData phase;
    ComboData templateId;
    QList<qint32> categoryIds;
    QList<qint32> participants;
    QList<qint32> portfolioIds;
    QStringList assignmentKeys; // the templates page's items: "U" + user id + ":" + role id
};

struct ListValues
{
    QString title;
    QString description;
    QVariant folderTag; // the selected folder node's tag as stored: the folder id
    ComboData type;
    ComboData status;
    QList<qint32> categoryIds;
};

} // namespace kitbench

#pragma once

#include <QList>
#include <QString>

namespace kitbench {

// Plain rows read from the server's directory answers; the pages only show them.

// One "Item" of an item dictionary: the text shown ("Value") and the server id ("Data").
struct DictionaryItem
{
    QString value;
    qint32 data = 0;

    bool operator==(const DictionaryItem&) const = default;
};

// One "User" element: a manager, an organizer, a project's manager.
struct DictionaryUser
{
    QString firstName;
    QString lastName;
    qint32 userId = 0;
    bool isCurrentUser = false; // the element has an "IsCurrentUser" child

    // "FirstName", one blank, "LastName".
    QString displayName() const { return firstName + QLatin1Char(' ') + lastName; }
    bool operator==(const DictionaryUser&) const = default;
};

// One entry of a combo box. Entries the client adds itself carry a text id instead of a text.
struct ComboEntry
{
    QString text;
    int textId = 0; // not 0: the entry shows the language pack's text of this id
    qint32 itemData = 0;

    QString displayText() const;
    bool operator==(const ComboEntry&) const = default;
};

// The new content of one combo box: the control is cleared and gets these entries in order.
struct ComboFill
{
    QList<ComboEntry> entries;
    int selectedIndex = -1; // -1: the fill selects nothing and leaves it to the page defaults

    bool operator==(const ComboFill&) const = default;
};

// One item of a list view (categories, portfolios): its 1-based position, key and text.
struct ListRow
{
    int index = 0;
    QString key;
    QString text;

    bool operator==(const ListRow&) const = default;
};

} // namespace kitbench

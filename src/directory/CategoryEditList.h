#pragma once

#include <QList>
#include <QString>

namespace kitbench {

// One entry of the category and client editor: key "C" + id for an existing entry (a client id carries
// its sign: negative organization, positive contact), "N" + number for a new category or contact,
// "N-" + number for a new organization.
struct CategoryEditorEntry
{
    QString key;
    QString text;

    bool operator==(const CategoryEditorEntry&) const = default;
};

// The editor's list and the changes made to it, without the dialog: what was added, renamed and
// deleted, in the order the update document sends them.
class CategoryEditList
{
public:
    // `catId` 0 edits the client dictionary, 7/5/4/3 the categories of incidents, tasks, events, projects.
    CategoryEditList(qint16 catId, QList<CategoryEditorEntry> existing);

    qint16 catId() const { return m_catId; }
    const QList<CategoryEditorEntry>& entries() const { return m_entries; }
    const QList<qint32>& edited() const { return m_edited; }
    const QList<qint32>& deleted() const { return m_deleted; }

    // Appends a new entry unless the text is empty; for clients, `organization` makes it an organization.
    void add(const QString& text, bool organization = false);
    // Renames entry `index`; a text that is blank once trimmed is refused (false). An existing entry's
    // id is recorded once, however often it is renamed.
    bool rename(int index, const QString& text);
    // Removes the entries at these positions; existing ones are recorded as deleted, new ones vanish.
    void remove(QList<int> indices);
    // Something to send: a deletion, a rename or a new entry.
    bool hasChanges() const;

private:
    qint16 m_catId = 0;
    QList<CategoryEditorEntry> m_entries;
    QList<qint32> m_edited;
    QList<qint32> m_deleted;
    int m_nextNumber = 1;
};

// The update document of the editor's changes. Categories: <Categories> with one <Category State=...>
// (children CategoryId and CategoryName) per change; clients: <Dictionaries><ProjectClient> with one
// <Item State=...> (children Value and Data) per change. Added first in list order, then the renamed
// ids still in the list, then the deleted ids.
QString MakeUpdateXml(qint16 catId, const QList<CategoryEditorEntry>& entries, const QList<qint32>& edited,
                      const QList<qint32>& deleted);
QString MakeUpdateXml(const CategoryEditList& list);

} // namespace kitbench

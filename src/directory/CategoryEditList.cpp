#include "directory/CategoryEditList.h"

#include "directory/XmlAnswer.h"

#include <algorithm>
#include <sstream>

namespace kitbench {
namespace {

bool isExisting(const CategoryEditorEntry& entry)
{
    return entry.key.startsWith(QLatin1Char('C'));
}

bool isNew(const CategoryEditorEntry& entry)
{
    return entry.key.startsWith(QLatin1Char('N'));
}

qint32 existingId(const CategoryEditorEntry& entry)
{
    return xml::toInt32(entry.key.mid(1)).value_or(0);
}

const CategoryEditorEntry* findExisting(const QList<CategoryEditorEntry>& entries, qint32 id)
{
    for (const CategoryEditorEntry& entry : entries)
        if (isExisting(entry) && existingId(entry) == id)
            return &entry;
    return nullptr;
}

void setText(pugi::xml_node parent, const char* name, const QString& text)
{
    pugi::xml_node child = parent.append_child(name);
    if (!text.isEmpty())
        child.text().set(text.toUtf8().constData());
}

pugi::xml_node appendChange(pugi::xml_node parent, const char* element, const char* state)
{
    pugi::xml_node change = parent.append_child(element);
    change.append_attribute("State").set_value(state);
    return change;
}

} // namespace

CategoryEditList::CategoryEditList(qint16 catId, QList<CategoryEditorEntry> existing)
    : m_catId(catId), m_entries(std::move(existing))
{
}

void CategoryEditList::add(const QString& text, bool organization)
{
    if (text.isEmpty())
        return;
    const QString prefix = m_catId == 0 && organization ? QStringLiteral("N-") : QStringLiteral("N");
    m_entries.append({prefix + QString::number(m_nextNumber++), text});
}

bool CategoryEditList::rename(int index, const QString& text)
{
    if (index < 0 || index >= m_entries.size() || text.trimmed().isEmpty())
        return false;
    CategoryEditorEntry& entry = m_entries[index];
    entry.text = text;
    if (isExisting(entry) && !m_edited.contains(existingId(entry)))
        m_edited.append(existingId(entry));
    return true;
}

void CategoryEditList::remove(QList<int> indices)
{
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    // Ids are recorded in list order; removing from the back keeps the other positions valid.
    for (int index : indices)
        if (index >= 0 && index < m_entries.size() && isExisting(m_entries[index]))
            m_deleted.append(existingId(m_entries[index]));
    for (auto it = indices.crbegin(); it != indices.crend(); ++it)
        if (*it >= 0 && *it < m_entries.size())
            m_entries.removeAt(*it);
}

bool CategoryEditList::hasChanges() const
{
    return !m_deleted.isEmpty() || !m_edited.isEmpty() ||
           std::any_of(m_entries.cbegin(), m_entries.cend(), isNew);
}

QString MakeUpdateXml(qint16 catId, const QList<CategoryEditorEntry>& entries, const QList<qint32>& edited,
                      const QList<qint32>& deleted)
{
    pugi::xml_document document;
    const bool clients = catId == 0;
    pugi::xml_node parent = clients ? document.append_child("Dictionaries").append_child("ProjectClient")
                                    : document.append_child("Categories");
    const char* element = clients ? "Item" : "Category";

    auto append = [&](const char* state, const QString& id, const QString& text) {
        pugi::xml_node change = appendChange(parent, element, state);
        if (clients) {
            setText(change, "Value", text);
            setText(change, "Data", id);
        } else {
            setText(change, "CategoryId", id);
            setText(change, "CategoryName", text);
        }
    };

    for (const CategoryEditorEntry& entry : entries) {
        if (!isNew(entry))
            continue;
        QString id;
        if (clients)
            id = entry.key.startsWith(QLatin1String("N-")) ? QStringLiteral("-1") : QStringLiteral("1");
        append("Added", id, entry.text);
    }
    for (qint32 id : edited)
        if (const CategoryEditorEntry* entry = findExisting(entries, id))
            append("Modified", QString::number(id), entry->text);
    for (qint32 id : deleted)
        append("Deleted", QString::number(id), QString());

    std::ostringstream out;
    document.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return QString::fromStdString(out.str());
}

QString MakeUpdateXml(const CategoryEditList& list)
{
    return MakeUpdateXml(list.catId(), list.entries(), list.edited(), list.deleted());
}

} // namespace kitbench

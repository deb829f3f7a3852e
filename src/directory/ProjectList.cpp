#include "directory/ProjectList.h"

#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"

namespace kitbench {
namespace {

ProjectRow readProject(const pugi::xml_node& node)
{
    ProjectRow row;
    row.title = xml::childText(node, "Title");
    row.objectId = xml::toInt32(xml::childText(node, "ObjectID")).value_or(0);
    row.isMsProject = xml::hasChild(node, "IsMSProject") && xml::childText(node, "IsMSProject") == u"True";
    row.dateCreated = xml::childText(node, "DateCreated");
    row.startDate = xml::childText(node, "StartDate");
    row.endDate = xml::childText(node, "EndDate");
    row.creator = xml::childText(node, "Creator");
    row.managerCanonName = xml::childText(node, "ManagerCanonName");
    row.description = xml::childText(node, "Description");
    if (const pugi::xml_node manager = node.child("Manager").child("User"))
        row.manager = xml::readUser(manager);
    return row;
}

QList<ProjectRow> projectsOf(const QString& xml)
{
    const std::optional<ProjectList> list = ProjectList::parse(xml);
    return list ? list->projects() : QList<ProjectRow>();
}

} // namespace

QString ProjectRow::markedTitle() const
{
    return isMsProject ? title + QStringLiteral(" (*)") : title;
}

std::optional<ProjectList> ProjectList::parse(const QString& xml)
{
    std::optional<XmlAnswer> answer = XmlAnswer::load(xml);
    if (!answer)
        return std::nullopt;
    return ProjectList(std::move(*answer));
}

QList<ProjectRow> ProjectList::projects() const
{
    QList<ProjectRow> rows;
    for (const pugi::xml_node& node : m_answer.select(QStringLiteral("Projects/Project")))
        rows.append(readProject(node));
    return rows;
}

QList<DictionaryUser> ProjectList::managers() const
{
    QList<DictionaryUser> rows;
    for (const pugi::xml_node& node : m_answer.select(QStringLiteral("Projects/Managers/User")))
        rows.append(xml::readUser(node));
    return rows;
}

std::optional<DictionaryUser> ProjectList::projectManager(qint32 projectId) const
{
    const pugi::xml_node user =
        m_answer.selectSingle(QStringLiteral("Projects/Project[ObjectID=%1]/Manager/User").arg(projectId));
    if (!user)
        return std::nullopt;
    return xml::readUser(user);
}

QString itemProjectComboFor(int runMode)
{
    switch (runMode) {
    case CREATEINCIDENT:
        return QStringLiteral("IncidentProjectCombo");
    case CREATETASK:
        return QStringLiteral("TaskProjectCombo");
    case CREATEEVENT:
        return QStringLiteral("EventProjectCombo");
    case CREATETODO:
        return QStringLiteral("ToDoProjectCombo");
    default:
        return QString();
    }
}

ComboFill itemProjectEntries(const QString& xml, int runMode)
{
    ComboFill fill;
    if (itemProjectComboFor(runMode).isEmpty())
        return fill;
    fill.entries.append({QString(), 5038, 0});
    for (const ProjectRow& project : projectsOf(xml))
        fill.entries.append({project.title, 0, project.objectId});
    return fill;
}

QList<ComboEntry> importExportProjectEntries(const QString& xml)
{
    QList<ComboEntry> entries;
    for (const ProjectRow& project : projectsOf(xml))
        entries.append({project.markedTitle(), 0, project.objectId});
    return entries;
}

ComboFill selectProjectEntries(const QString& xml)
{
    ComboFill fill;
    fill.entries.append({QString(), 2645, 0});
    fill.entries.append(importExportProjectEntries(xml));
    fill.selectedIndex = 0;
    return fill;
}

QString projectDetailsDate(const QString& dateTime)
{
    const qsizetype t = dateTime.indexOf(QLatin1Char('T'));
    if (t < 0)
        return dateTime;
    return dateTime.left(t) + QLatin1Char(' ') + dateTime.mid(t + 1);
}

QString projectDetailsText(const QString& xml, int position, const std::function<QString(int)>& text)
{
    const QList<ProjectRow> projects = projectsOf(xml);
    if (position < 0 || position >= projects.size())
        return QString();
    const std::function<QString(int)> label = text ? text : [](int id) { return GetLocalizedText(id); };
    const ProjectRow& project = projects[position];
    const QString crlf = QStringLiteral("\r\n");
    const QString colon = QStringLiteral(": ");
    QString details = project.title + crlf;
    if (project.isMsProject)
        details += label(2641) + crlf;
    details += label(2617) + colon + projectDetailsDate(project.dateCreated) + crlf;
    details += label(2618) + colon + project.creator + crlf;
    details += label(2619) + colon + projectDetailsDate(project.startDate) + crlf;
    details += label(2620) + colon + projectDetailsDate(project.endDate) + crlf;
    details += label(2621) + colon + project.managerCanonName + crlf;
    details += label(2622) + colon + project.description + crlf;
    return details;
}

ComboFill toDoManagerEntries(const ProjectList& projects, int projectIndex, qint32 projectId)
{
    ComboFill fill;
    if (projectIndex == 0) {
        for (const DictionaryUser& user : projects.managers()) {
            if (user.isCurrentUser)
                fill.selectedIndex = static_cast<int>(fill.entries.size());
            fill.entries.append({user.displayName(), 0, user.userId});
        }
    } else if (const std::optional<DictionaryUser> manager = projects.projectManager(projectId)) {
        if (manager->isCurrentUser)
            fill.selectedIndex = 0;
        fill.entries.append({manager->displayName(), 0, manager->userId});
    }
    if (fill.selectedIndex < 0 && !fill.entries.isEmpty())
        fill.selectedIndex = 0;
    return fill;
}

std::optional<bool> msProjectSyncEnabled(const QString& serverVersion, qint32 selectedProjectId)
{
    if (serverVersion != QLatin1String("4.7"))
        return std::nullopt;
    return selectedProjectId >= 0;
}

} // namespace kitbench

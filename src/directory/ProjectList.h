#pragma once

#include "directory/DirectoryRows.h"
#include "directory/XmlAnswer.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace kitbench {

// One "Projects/Project" of a project list answer. A negative id marks a project in MS Project
// synchronization mode.
struct ProjectRow
{
    QString title;
    qint32 objectId = 0;
    bool isMsProject = false; // "IsMSProject" exists and reads exactly "True"
    QString dateCreated;
    QString startDate;
    QString endDate;
    QString creator;
    QString managerCanonName;
    QString description;
    std::optional<DictionaryUser> manager; // "Manager/User"

    // The title as the import and export lists show it: with " (*)" after an MS Project project.
    QString markedTitle() const;
};

// The answer of GetOrvProjectList / GetOrvProjectList2, kept as the to-do page needs it.
class ProjectList
{
public:
    // Nothing when the text is empty or does not parse.
    static std::optional<ProjectList> parse(const QString& xml);

    QList<ProjectRow> projects() const;
    // "Projects/Managers/User": everyone who may manage a to-do without a project.
    QList<DictionaryUser> managers() const;
    // The single "Projects/Project[ObjectID=id]/Manager/User", if there is one.
    std::optional<DictionaryUser> projectManager(qint32 projectId) const;

private:
    explicit ProjectList(XmlAnswer answer) : m_answer(std::move(answer)) {}
    XmlAnswer m_answer;
};

// The project combo of the item pages: "no project" (text 5038, item data 0) first for the item jobs,
// then every project's plain title with its id. Without a parsable answer only the first entry.
ComboFill itemProjectEntries(const QString& xml, int runMode);
// The item page's project combo of a run mode (empty for other jobs).
QString itemProjectComboFor(int runMode);

// The export page's project list: marked titles with their ids.
QList<ComboEntry> importExportProjectEntries(const QString& xml);
// The import page's project combo: "new project" (text 2645, item data 0, selected), then the projects.
ComboFill selectProjectEntries(const QString& xml);

// The export page's details box of the project at `position`: lines ended by CR LF. Labels come from
// `text` (the language pack by default). Empty when there is no such project.
QString projectDetailsText(const QString& xml, int position,
                           const std::function<QString(int)>& text = std::function<QString(int)>());
// A server date-time "date" "T" "time" as the details box shows it: a blank instead of the "T".
QString projectDetailsDate(const QString& dateTime);

// The to-do manager combo after a project choice: with no project (item data 0 at index 0) every
// possible manager, the current user selected; with a project its manager alone. When nothing is
// selected by then, the first entry is.
ComboFill toDoManagerEntries(const ProjectList& projects, int projectIndex, qint32 projectId);

// The import page's MS Project sync check box on a "4.7" server: enabled for a project id 0 or more,
// disabled for a negative one. Other versions leave it alone (nothing).
std::optional<bool> msProjectSyncEnabled(const QString& serverVersion, qint32 selectedProjectId);

} // namespace kitbench

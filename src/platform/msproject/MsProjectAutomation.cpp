#include "platform/msproject/MsProjectAutomation.h"

#include "platform/msproject/PlanApplication.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace kitbench {

namespace {

std::unique_ptr<MsProjectAutomation>& installed()
{
    static std::unique_ptr<MsProjectAutomation> automation = std::make_unique<MsProjectAutomation>();
    return automation;
}

QString planFileName(const QString& title)
{
    QString name = title.trimmed().isEmpty() ? QStringLiteral("Project1") : title.trimmed();
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    if (name.startsWith(QLatin1Char('.')))
        name.prepend(QLatin1Char('_'));
    return name + QStringLiteral(".xml");
}

} // namespace

QString savePlanFile(const PlanModel& plan, const QString& folder)
{
    const QString path = QDir(folder).filePath(planFileName(plan.title));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(plan.toXml().toUtf8()) < 0 || !file.commit())
        throw MsProjectRefused("The plan could not be saved.");
    return path;
}

std::unique_ptr<MsProjectApplication> MsProjectAutomation::createApplication(const DocumentOpener& open)
{
    const QString saveOnly = qEnvironmentVariable("KITBENCH_MSPROJECT_SAVE_DIR");
    const QString folder = !saveOnly.isEmpty()
                               ? saveOnly
                               : QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                                     .filePath(QStringLiteral("kitbench-plans"));
    if (!QDir().mkpath(folder))
        return nullptr;
    QString version = qEnvironmentVariable("KITBENCH_MSPROJECT_VERSION");
    if (version.isEmpty())
        version = QStringLiteral("11.0");
    DocumentOpener opener = saveOnly.isEmpty() ? open : DocumentOpener();
    return std::make_unique<PlanApplication>(version, [folder, opener](const PlanModel& plan) {
        const QString path = savePlanFile(plan, folder);
        if (opener && !opener(path))
            throw MsProjectRefused("The plan could not be opened.");
    });
}

MsProjectAutomation& MsProjectAutomation::instance()
{
    return *installed();
}

void MsProjectAutomation::setInstance(std::unique_ptr<MsProjectAutomation> automation)
{
    installed() = automation ? std::move(automation) : std::make_unique<MsProjectAutomation>();
}

} // namespace kitbench

#pragma once

#include "platform/msproject/MsProjectApplication.h"

#include <QString>

#include <functional>
#include <memory>

namespace kitbench {

struct PlanModel;

// Starts Microsoft Project. On this platform it is the plan model of PlanApplication: AppRestore saves
// the plan as MS Project XML and opens the file with the desktop's handler for it.
//
// Environment:
// - KITBENCH_MSPROJECT_SAVE_DIR: save plans in this folder and open nothing (unattended runs, scripts);
//   a folder that cannot be created means Microsoft Project cannot be started.
// - KITBENCH_MSPROJECT_VERSION: the release the application reports (default "11.0").
class MsProjectAutomation
{
public:
    // Opens a saved plan file for the user; false when that failed.
    using DocumentOpener = std::function<bool(const QString& path)>;

    virtual ~MsProjectAutomation() = default;
    // The application object; nothing when Microsoft Project cannot be started. Without an opener
    // restored plans are only saved.
    virtual std::unique_ptr<MsProjectApplication> createApplication(const DocumentOpener& open);

    // The program's Microsoft Project; tests put a recording one in its place.
    static MsProjectAutomation& instance();
    static void setInstance(std::unique_ptr<MsProjectAutomation> automation);
};

// Saves the plan as "<title>.xml" (characters a file name cannot hold become "_") in the folder and
// returns the path; throws MsProjectRefused when it cannot be written.
QString savePlanFile(const PlanModel& plan, const QString& folder);

} // namespace kitbench

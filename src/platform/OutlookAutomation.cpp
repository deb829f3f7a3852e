#include "platform/OutlookAutomation.h"

namespace kitbench {

namespace {

const QString kCalendarAddIn = QStringLiteral("RuRerorud45.Orv");

std::unique_ptr<OutlookAutomation>& current()
{
    static std::unique_ptr<OutlookAutomation> automation = std::make_unique<OutlookAutomation>();
    return automation;
}

} // namespace

std::unique_ptr<OutlookApplication> OutlookAutomation::createApplication()
{
    return nullptr;
}

OutlookAutomation& OutlookAutomation::instance()
{
    return *current();
}

void OutlookAutomation::setInstance(std::unique_ptr<OutlookAutomation> automation)
{
    current() = automation ? std::move(automation) : std::make_unique<OutlookAutomation>();
}

void ConnectOutlookAddIn(OutlookAutomation& outlook)
{
    const std::unique_ptr<OutlookApplication> application = outlook.createApplication();
    if (!application)
        return;
    for (OutlookAddIn* addIn : application->comAddIns()) {
        if (addIn && addIn->progId() == kCalendarAddIn) {
            addIn->setConnect(false);
            addIn->setConnect(true);
        }
    }
}

} // namespace kitbench

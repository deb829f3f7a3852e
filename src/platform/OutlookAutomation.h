#pragma once

#include <QList>
#include <QString>

#include <memory>

namespace kitbench {

// The part of Outlook's automation the calendar export uses: its COM add-ins, each with a ProgId and a
// writable Connect. On this platform there is no Outlook: the application cannot be created.
class OutlookAddIn
{
public:
    virtual ~OutlookAddIn() = default;
    virtual QString progId() const = 0;
    virtual void setConnect(bool connect) = 0;
};

class OutlookApplication
{
public:
    virtual ~OutlookApplication() = default;
    virtual QList<OutlookAddIn*> comAddIns() = 0;
};

class OutlookAutomation
{
public:
    virtual ~OutlookAutomation() = default;
    // "Outlook.Application"; nothing when Outlook is not installed.
    virtual std::unique_ptr<OutlookApplication> createApplication();

    // The program's Outlook; tests put a recording one in its place.
    static OutlookAutomation& instance();
    static void setInstance(std::unique_ptr<OutlookAutomation> automation);
};

// Makes the calendar add-in read the exchange file again: its Connect goes False, then True. Without
// Outlook or the add-in nothing happens.
void ConnectOutlookAddIn(OutlookAutomation& outlook);

} // namespace kitbench

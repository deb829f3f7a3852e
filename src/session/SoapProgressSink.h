#pragma once

namespace kitbench {

// The progress bar a server call advances: the window's own, or a dialog's while it calls the server.
class SoapProgressSink
{
public:
    virtual ~SoapProgressSink() = default;
    virtual bool progressVisible() const = 0;
    virtual int progressValue() const = 0;
    virtual void setProgressValue(int value) = 0;
};

} // namespace kitbench

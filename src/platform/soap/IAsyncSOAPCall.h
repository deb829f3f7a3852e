#pragma once

#include <QString>

namespace kitbench {

// The callbacks of a running server call. The connector calls them on the user-interface thread
// while it waits for the answer.
class IAsyncSOAPCall
{
public:
    virtual ~IAsyncSOAPCall() = default;

    // Steps: 1 request sent, 2 response headers received, 3 response body read, 4 done. Steps 1 to 3
    // are repeated while the call waits, so that a cancel asked for meanwhile is seen; setting
    // `cancel` aborts the call (ignored at step 4, when the answer is already complete).
    virtual void IAsyncSOAPCall_OnProgress(int progress, bool& cancel) = 0;
    // A failed exchange: `type` is a SoapConnector::ErrorType, `code` the network error or HTTP status.
    virtual void IAsyncSOAPCall_OnError(int type, int code, const QString& description) = 0;
};

} // namespace kitbench

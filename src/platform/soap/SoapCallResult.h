#pragma once

#include <QString>
#include <QVariant>

namespace kitbench {

// The outcome of one server call, as a plain value so that callers and tests need no connection.
struct SoapCallResult
{
    enum class Status
    {
        Ok,        // the server answered; `result` holds the converted <Method>Result
        Raised,    // the call raised an error: a SOAP fault, a value that would not convert, a bad answer
        Transport, // the exchange failed (connection, TLS, an HTTP error without answer); reported via
                   // OnError
        Cancelled, // the user cancelled, or the owner of the connection went away during the call
    };

    Status status = Status::Ok;
    QString errorText;   // why it failed, for diagnostics; the user sees the session's texts instead
    QString faultString; // the server's faultstring when it answered with a SOAP fault
    QVariant result;
    int httpStatus = 0;

    bool ok() const { return status == Status::Ok; }
    // The error trapping of a call sees every failure as a raised error.
    bool raisedError() const { return status != Status::Ok; }
};

} // namespace kitbench

#include "http/SoapEndpoint.h"

#include "http/ConnectionCutter.h"
#include "services/User.h"

#include <httplib.h>

#include <chrono>
#include <thread>

namespace orvdev {
namespace {

const char* const xmlContentType = "text/xml; charset=utf-8";

} // namespace

bool SoapEndpoint::applyFault(const InjectedFault& fault, const SoapRequest& soap,
                              const httplib::Request& request, httplib::Response& response)
{
    const std::string user = User::userNameOf(soap.userName.value_or(""));
    const std::string& method = soap.operation->name;
    switch (fault.kind) {
    case InjectedFault::Kind::SoapFault:
        response.status = 500;
        response.set_content(ResponseWriter::fault(
                                 "soap:Server", "Server was unable to process request. ---> Injected fault."),
                             xmlContentType);
        m_journal.soapCall(method, soap.arguments, user, "injected fault: soap-fault", soap.warnings);
        return true;
    case InjectedFault::Kind::HttpStatus:
        response.status = fault.httpStatus;
        m_journal.soapCall(method, soap.arguments, user, "injected fault: " + fault.text, soap.warnings);
        return true;
    case InjectedFault::Kind::BadXml:
        response.status = 200;
        response.set_content("this is <not XML", xmlContentType);
        m_journal.soapCall(method, soap.arguments, user, "injected fault: bad-xml", soap.warnings);
        return true;
    case InjectedFault::Kind::Disconnect:
        m_journal.soapCall(method, soap.arguments, user, "injected fault: disconnect", soap.warnings);
        ConnectionCutter::cut(request.remote_addr, request.remote_port);
        response.status = 500;
        return true;
    case InjectedFault::Kind::Status:
        return false; // the method runs; its status is replaced afterwards
    case InjectedFault::Kind::CutAfter:
    case InjectedFault::Kind::ChunkedCut:
    case InjectedFault::Kind::Chunked:
        return false; // download transfers only; the plan refuses them for methods
    }
    return false;
}

void SoapEndpoint::handle(const httplib::Request& request, httplib::Response& response)
{
    if (m_delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(m_delayMs));
    std::string method;
    SoapRequest soap;
    try {
        RequestReader::checkContentType(request.get_header_value("Content-Type"));
        std::optional<std::string> action;
        if (request.has_header("SOAPAction"))
            action = request.get_header_value("SOAPAction");
        const Operation& operation = m_reader.operationFor(action);
        method = operation.name;
        soap = m_reader.read(operation, request.body);
        auto fault = m_faults.take(method);
        if (fault && applyFault(*fault, soap, request, response))
            return;

        const std::vector<Value> sent = soap.arguments;
        CallOutcome outcome = m_dispatcher.call(soap);
        if (fault && fault->kind == InjectedFault::Kind::Status)
            outcome.status = fault->statusText;
        response.status = 200;
        response.set_content(m_writer.response(operation, outcome.status, outcome.result, soap.arguments),
                             xmlContentType);
        m_journal.soapCall(method, sent, outcome.user, outcome.status, soap.warnings);
    } catch (const SoapError& e) {
        response.status = e.httpStatus();
        if (e.hasBody())
            response.set_content(ResponseWriter::fault(e.faultCode(), e.faultString()), xmlContentType);
        const std::string status = e.hasBody()
                                       ? e.faultCode() + ": " + e.faultString()
                                       : "HTTP " + std::to_string(e.httpStatus()) + ": " + e.faultString();
        m_journal.soapCall(method, soap.arguments, User::userNameOf(soap.userName.value_or("")), status,
                           soap.warnings);
    }
}

} // namespace orvdev

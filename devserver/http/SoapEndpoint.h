#pragma once

#include "http/FaultPlan.h"
#include "http/Journal.h"
#include "services/ServiceDispatcher.h"
#include "soap/RequestReader.h"
#include "soap/ResponseWriter.h"

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

namespace orvdev {

// POST …/WebServices/OrvProject.asmx: reads the envelope, applies injected faults, runs the method,
// answers and journals every request, refused ones included.
class SoapEndpoint
{
public:
    SoapEndpoint(const ServiceContract& contract, ServiceDispatcher& dispatcher, Journal& journal,
                 FaultPlan& faults, int delayMs)
        : m_reader(contract), m_writer(contract.targetNamespace()), m_dispatcher(dispatcher),
          m_journal(journal), m_faults(faults), m_delayMs(delayMs)
    {
    }

    void handle(const httplib::Request& request, httplib::Response& response);

private:
    bool applyFault(const InjectedFault& fault, const SoapRequest& soap, const httplib::Request& request,
                    httplib::Response& response);

    RequestReader m_reader;
    ResponseWriter m_writer;
    ServiceDispatcher& m_dispatcher;
    Journal& m_journal;
    FaultPlan& m_faults;
    int m_delayMs;
};

} // namespace orvdev

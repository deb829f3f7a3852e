#pragma once

#include "cli/ServerOptions.h"
#include "http/Journal.h"
#include "http/OpenConnections.h"
#include "http/SoapEndpoint.h"
#include "pages/FileDownload.h"
#include "pages/FilePublishing.h"
#include "pages/WebPages.h"
#include "services/ServiceDispatcher.h"
#include "soap/ServiceContract.h"
#include "store/Database.h"
#include "store/FileStore.h"

#include <httplib.h>

#include <memory>

namespace orvdev {

// The whole server: store, contract, journal, the SOAP endpoint, the web pages and the file pages
// behind one HTTP listener.
class DevServer
{
public:
    explicit DevServer(const ServerOptions& options);

    int bind(); // the port bound; throws std::runtime_error when the address cannot be used
    void run(); // serves until stop()
    // Stops accepting, lets requests being received finish and closes idle keep-alive connections at
    // once; run() returns when the last answer has gone out.
    void stop();

private:
    void route(const httplib::Request& request, httplib::Response& response);
    // Requests with a body: the file pages stream it; everything else is read whole (up to
    // --max-body) and routed.
    void receive(const httplib::Request& request, httplib::Response& response,
                 const httplib::ContentReader& reader);
    void serveWsdl(const std::string& portal, const httplib::Request& request, httplib::Response& response);

    ServerOptions m_options;
    std::unique_ptr<Database> m_db;
    FileStore m_files;
    ServiceContract m_contract;
    Journal m_journal;
    ServiceDispatcher m_dispatcher;
    SoapEndpoint m_soap;
    WebPages m_pages;
    FilePublishing m_publishing;
    FileDownload m_download;
    OpenConnections m_connections;
    std::unique_ptr<httplib::Server> m_http; // an httplib::SSLServer with --tls-cert
    int m_port = 0;
};

} // namespace orvdev

#include "http/DevServer.h"

#include "http/AnswerEncoding.h"
#include "seed/Seeder.h"
#include "soap/EmbeddedWsdl.h"
#include "store/Schema.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace orvdev {
namespace {

const char* const wsdlStandInAddress = "http://localhost/portals/localhost/WebServices/OrvProject.asmx";

std::unique_ptr<Database> openStore(const ServerOptions& options)
{
    std::filesystem::create_directories(options.dataDir);
    auto db = std::make_unique<Database>((std::filesystem::path(options.dataDir) / "orvello.db").string());
    Schema::create(*db);
    Seeder::seedIfNew(*db, options.seed);
    return db;
}

std::unique_ptr<httplib::Server> makeListener(const ServerOptions& options)
{
    if (!options.tls())
        return std::make_unique<httplib::Server>();
    auto server =
        std::make_unique<httplib::SSLServer>(options.tlsCertFile.c_str(), options.tlsKeyFile.c_str());
    if (!server->is_valid())
        throw std::runtime_error("cannot use the certificate " + options.tlsCertFile + " with the key " +
                                 options.tlsKeyFile);
    return server;
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

} // namespace

DevServer::DevServer(const ServerOptions& options)
    : m_options(options), m_db(openStore(options)), m_files(options.dataDir),
      m_contract(ServiceContract::load(embeddedWsdl())), m_journal(options.journalPath),
      m_dispatcher(*m_db, MethodRegistry::standard(), options.version),
      m_soap(m_contract, m_dispatcher, m_journal, m_options.faults, options.delayMs),
      m_pages(*m_db, m_dispatcher.storeMutex(), m_journal),
      m_publishing({*m_db, m_dispatcher, m_journal, m_options.faults, m_files, options.maxUploadBytes}),
      m_download({*m_db, m_dispatcher, m_journal, m_options.faults, m_files, options.maxUploadBytes}),
      m_http(makeListener(options))
{
    m_files.moveContentsOutOfDatabase(*m_db);
    // The SOAP limit (--max-body) is applied while reading; httplib's own limit is the larger one.
    m_http->set_payload_max_length(
        static_cast<std::size_t>(std::max<std::uint64_t>(options.maxBodyBytes, options.maxUploadBytes)));
    m_http->set_keep_alive_max_count(1000);
    m_http->set_tcp_nodelay(true); // headers and body go out in two writes; no Nagle wait between them
    auto handler = [this](const httplib::Request& request, httplib::Response& response) {
        route(request, response);
    };
    auto bodyHandler = [this](const httplib::Request& request, httplib::Response& response,
                              const httplib::ContentReader& reader) { receive(request, response, reader); };
    m_http->set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
        m_connections.requestStarted(request);
        AnswerEncoding::negotiate(request);
        return httplib::Server::HandlerResponse::Unhandled;
    });
    m_http->set_post_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        m_connections.answerReady(request, response);
        AnswerEncoding::encode(request, response);
    });
    m_http->Get(".*", handler);
    m_http->Post(".*", bodyHandler);
    m_http->Put(".*", bodyHandler);
    m_http->Delete(".*", bodyHandler);
    // Requests httplib refuses itself (too large, malformed HTTP) never reach a handler; they are
    // journaled here, before the answer goes out. Our own 400/415 answers were journaled already.
    httplib::Server::HandlerWithResponse journalRefused =
        [this](const httplib::Request& request,
               httplib::Response& response) -> httplib::Server::HandlerResponse {
        // (The file pages journal their own refusals, which carry a body.)
        if (((response.status == 413 || response.status == 414 || response.status == 431) &&
             response.body.empty()) ||
            (response.status == 400 && request.method.empty()))
            m_journal.soapCall("", {}, "",
                               "HTTP " + std::to_string(response.status) + ": refused " + request.path, {});
        return httplib::Server::HandlerResponse::Unhandled;
    };
    m_http->set_error_handler(journalRefused);
}

int DevServer::bind()
{
    if (m_options.port == 0) {
        m_port = m_http->bind_to_any_port(m_options.host);
    } else {
        m_port = m_http->bind_to_port(m_options.host, m_options.port) ? m_options.port : -1;
    }
    if (m_port <= 0)
        throw std::runtime_error("cannot listen on " + m_options.host + ":" + std::to_string(m_options.port));
    return m_port;
}

void DevServer::run()
{
    m_http->listen_after_bind();
}

void DevServer::stop()
{
    m_http->stop(); // no new connections; the listener's loop ends
    m_connections.closeIdle(m_port);
}

void DevServer::serveWsdl(const std::string& portal, const httplib::Request& request,
                          httplib::Response& response)
{
    std::string host = request.get_header_value("Host");
    if (host.empty())
        host = m_options.host + ":" + std::to_string(m_port);
    const std::string address =
        m_options.scheme() + "://" + host + "/portals/" + portal + "/WebServices/OrvProject.asmx";
    std::string wsdl(embeddedWsdl());
    for (auto pos = wsdl.find(wsdlStandInAddress); pos != std::string::npos;
         pos = wsdl.find(wsdlStandInAddress, pos + address.size()))
        wsdl.replace(pos, std::string(wsdlStandInAddress).size(), address);
    response.set_content(wsdl, "text/xml; charset=utf-8");
}

void DevServer::receive(const httplib::Request& request, httplib::Response& response,
                        const httplib::ContentReader& reader)
{
    const std::string lowered = lower(request.path);
    if (request.method == "POST" && lowered.rfind("/portals/", 0) == 0) {
        auto slash = lowered.find('/', 9);
        const std::string page = slash == std::string::npos || slash == 9 ? "" : lowered.substr(slash + 1);
        // A release has the pages of its own generation only; the other path is unknown to it.
        const std::string folder = m_dispatcher.version().atLeast(35) ? "filelibrary/" : "library/";
        if (page == folder + "filepublishing.aspx") {
            m_publishing.handle(request, response, reader);
            return;
        }
        if (page == folder + "filedownload.aspx") {
            m_download.handle(request, response, reader);
            return;
        }
    }
    httplib::Request whole = request;
    std::uint64_t total = 0;
    auto keep = [&](const char* data, std::size_t length) {
        total += length;
        // Past the limit the body is still read (and dropped), so the connection stays usable.
        if (total <= m_options.maxBodyBytes)
            whole.body.append(data, length);
        return true;
    };
    const bool read = request.is_multipart_form_data()
                          ? reader([](const httplib::MultipartFormData&) { return true; }, keep)
                          : reader(keep);
    if (response.status == 413 || total > m_options.maxBodyBytes) {
        response.status = 413; // journaled by the error handler
        return;
    }
    if (!read) {
        response.status = 400;
        return;
    }
    if (request.is_multipart_form_data())
        whole.body.clear(); // only the file pages read forms
    route(whole, response);
}

void DevServer::route(const httplib::Request& request, httplib::Response& response)
{
    const std::string path = request.path;
    const std::string lowered = lower(path);
    if (lowered == "/default.aspx" && request.method == "GET") {
        m_pages.login(request, response);
        return;
    }
    if (lowered.rfind("/portals/", 0) == 0) {
        auto slash = path.find('/', 9);
        const std::string portal = slash == std::string::npos ? path.substr(9) : path.substr(9, slash - 9);
        const std::string page = slash == std::string::npos ? "" : path.substr(slash + 1);
        if (!portal.empty() && lower(page) == "webservices/orvproject.asmx") {
            if (request.method == "POST") {
                m_soap.handle(request, response);
                return;
            }
            if (request.method == "GET") {
                bool wantsWsdl = std::any_of(request.params.begin(), request.params.end(),
                                             [](const auto& p) { return lower(p.first) == "wsdl"; });
                if (wantsWsdl) {
                    serveWsdl(portal, request, response);
                    // Journaled, so that a test can tell whether a client fetched the description.
                    m_journal.page(page, {request.params.begin(), request.params.end()}, 200);
                } else {
                    std::string list;
                    for (const auto& op : m_contract.operations())
                        if (m_dispatcher.registry().offers(op.name, m_dispatcher.version()))
                            list += "<li>" + op.name + "</li>";
                    response.set_content(
                        "<!DOCTYPE html><html><body><h1>OrvProject</h1><p>Server version " +
                            m_dispatcher.version().text() + ". Operations:</p><ul>" + list +
                            "</ul><p><a href=\"?WSDL\">Service description</a></p></body></html>",
                        "text/html; charset=utf-8");
                }
                return;
            }
            response.status = 405;
            return;
        }
        if (!portal.empty() && request.method == "GET") {
            m_pages.portalPage(portal, page, request, response);
            return;
        }
    }
    response.status = 404;
    response.set_content("<!DOCTYPE html><html><body><h1>404</h1><p>Not found.</p></body></html>",
                         "text/html; charset=utf-8");
    m_journal.page(path, {}, 404);
}

} // namespace orvdev

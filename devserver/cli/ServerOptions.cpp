#include "cli/ServerOptions.h"

#include <stdexcept>

namespace orvdev {
namespace {

long long number(const std::string& option, const std::string& text, long long min, long long max)
{
    std::size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty() || value < min || value > max)
        throw std::invalid_argument(option + " expects a number from " + std::to_string(min) + " to " +
                                    std::to_string(max) + ", got '" + text + "'");
    return value;
}

} // namespace

ServerOptions ServerOptions::parse(const std::vector<std::string>& args)
{
    ServerOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw std::invalid_argument(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--listen") {
            const std::string& listen = value();
            auto colon = listen.rfind(':');
            if (colon == std::string::npos || colon == 0)
                throw std::invalid_argument("--listen expects HOST:PORT, got '" + listen + "'");
            options.host = listen.substr(0, colon);
            options.port = static_cast<int>(number("--listen", listen.substr(colon + 1), 0, 65535));
        } else if (arg == "--data") {
            options.dataDir = value();
        } else if (arg == "--server-version") {
            const std::string& text = value();
            auto version = ServerVersion::parse(text);
            if (!version)
                throw std::invalid_argument("--server-version expects 3.0, 3.5, 4.0, 4.1, 4.5 or 4.7, got '" +
                                            text + "'");
            options.version = *version;
        } else if (arg == "--seed") {
            options.seed = value();
            if (options.seed != "demo" && options.seed != "empty")
                throw std::invalid_argument("--seed expects demo or empty, got '" + options.seed + "'");
        } else if (arg == "--journal") {
            options.journalPath = value();
        } else if (arg == "--delay-ms") {
            options.delayMs = static_cast<int>(number("--delay-ms", value(), 0, 600000));
        } else if (arg == "--fault") {
            options.faults.add(value());
        } else if (arg == "--max-body") {
            options.maxBodyBytes = static_cast<std::size_t>(number("--max-body", value(), 1024, 1LL << 31));
        } else if (arg == "--max-upload") {
            options.maxUploadBytes =
                static_cast<std::uint64_t>(number("--max-upload", value(), 1024, 1LL << 40));
        } else if (arg == "--tls-cert") {
            options.tlsCertFile = value();
        } else if (arg == "--tls-key") {
            options.tlsKeyFile = value();
        } else {
            throw std::invalid_argument("unknown option '" + arg + "' (see --help)");
        }
    }
    if (options.tlsCertFile.empty() != options.tlsKeyFile.empty())
        throw std::invalid_argument("--tls-cert and --tls-key go together");
    return options;
}

std::string ServerOptions::usage()
{
    return R"(orvello-devserver: a development Orvello server (SOAP web service, web views, SQLite store)

usage: orvello-devserver [--listen HOST:PORT] [--data DIR] [--server-version V] [--seed demo|empty]
                         [--journal FILE] [--delay-ms N] [--fault NAME=KIND[#N]]...
                         [--max-body BYTES] [--max-upload BYTES] [--tls-cert FILE --tls-key FILE]

  --listen HOST:PORT    address to serve on (default 127.0.0.1:8080; port 0 picks a free port).
                        The first line on standard output is "listening on http://HOST:PORT".
  --data DIR            folder of the SQLite database orvello.db (default ./orvello-data); it is
                        created when missing and survives restarts.
  --server-version V    the server release to play: 3.0, 3.5, 4.0, 4.1, 4.5 or 4.7 (default 4.7).
                        GetServerVersion answers V; methods V lacks answer with the fault such a
                        server sends; answers take V's shape.
  --seed demo|empty     what a new database starts with (default demo): the demo company (users
                        admin/admin, pm/pm, user/user and more, projects, dictionaries, folders,
                        files) or only the administrator admin/admin. An existing database is kept.
  --journal FILE        append one JSON line per request:
                        {"method": NAME, "args": [..], "user": LOGIN, "status": TEXT[, "warnings": [..]]}
                        for SOAP calls, {"page": NAME, "fields": {..}, "status": HTTP
                        [, "file": {"name": .., "size": ..}]} for pages and form posts.
  --delay-ms N          wait N milliseconds before answering every SOAP call.
  --fault NAME=KIND[#N] make the SOAP method or page NAME fail (repeatable); with #N only its
                        first N requests fail. NAME is a method (GetGroupList) or a form page
                        (FilePublishing.aspx, FileDownload.aspx). KIND: soap-fault (500 with a
                        soap:Server fault), http-NNN (status NNN, empty body; e.g. http-500,
                        http-503), disconnect (connection closed before an answer), bad-xml (200
                        with a body that is not XML), status:TEXT (the method runs; its response
                        header says TEXT instead of "OK"). Pages take http-NNN, disconnect, bad-xml.
                        FileDownload.aspx also takes cut:N (closed after N bytes of the announced
                        length), chunked-cut:N (N bytes, 0 all, chunked, closed without the last
                        chunk) and chunked (the whole file, chunked).
  --max-body BYTES      largest SOAP request body accepted (default 4194304, as ASP.NET's own
                        limit); larger ones get 413. Raise it for large plan imports.
  --max-upload BYTES    largest form post of the file pages (default 536870912); larger ones get
                        413. Posted files are streamed to disk, never held in memory.
  --tls-cert FILE       serve HTTPS with this PEM certificate (chain) and --tls-key FILE, its
  --tls-key FILE        private key; the first line then reads "listening on https://HOST:PORT".
  --help                this text.

Service: POST /portals/<any portal>/WebServices/OrvProject.asmx (SOAP 1.1, namespace
http://orvello.com/webservices/); its description at the same address with ?WSDL.
Pages: /default.aspx?login=..&password=..&redirect=.. and the object views under /portals/<portal>/;
form posts to /portals/<portal>/FileLibrary/FilePublishing.aspx and FileLibrary/FileDownload.aspx
(Library/FilePublishing.aspx and Library/FileDownload.aspx on 3.0).
)";
}

} // namespace orvdev

// The development server's side: SOAP requests and HTML form posts from any client.
#include "DevServerEntries.h"

#include "http/FormPost.h"
#include "soap/EmbeddedWsdl.h"
#include "soap/RequestReader.h"
#include "soap/ResponseWriter.h"

#include <httplib.h>
#include <pugixml.hpp>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <unistd.h>

using namespace orvdev;

namespace {

const ServiceContract& contract()
{
    static const ServiceContract loaded = ServiceContract::load(embeddedWsdl());
    return loaded;
}

// The operation the body's wrapper element names (the longest name found wins, so that a method
// whose name starts another's is not mistaken for it); otherwise one picked by the first byte.
const Operation& operationFor(std::string_view body)
{
    const Operation* best = nullptr;
    for (const Operation& operation : contract().operations()) {
        const bool named = body.find('<' + operation.name) != std::string_view::npos ||
                           body.find(':' + operation.name) != std::string_view::npos;
        if (named && (!best || best->name.size() < operation.name.size()))
            best = &operation;
    }
    if (best)
        return *best;
    const std::size_t pick = body.empty() ? 0 : static_cast<unsigned char>(body.front());
    return contract().operations().at(pick % contract().operations().size());
}

} // namespace

void fuzzSoapRequest(const std::uint8_t* data, std::size_t size)
{
    const std::string body(fuzzBytes(data, size));
    const Operation& operation = operationFor(body);
    SoapRequest request;
    try {
        request = RequestReader(contract()).read(operation, body);
    } catch (const SoapError& refused) {
        const int status = refused.httpStatus();
        fuzzCheck(status == 400 || status == 415 || status == 500, "a refused request gets an error status");
        return;
    }
    fuzzCheck(request.operation == &operation, "the request is read as the operation asked for");
    fuzzCheck(request.arguments.size() == operation.parameters.size(), "every parameter gets an argument");
    for (std::size_t i = 0; i < request.arguments.size(); ++i)
        fuzzCheck(request.arguments[i].type == operation.parameters[i].type,
                  "arguments have their declared types");

    // By-reference arguments go back to the client in the answer, which must stay XML.
    std::optional<Value> result;
    if (operation.resultType)
        result = Value::defaultOf(*operation.resultType);
    const std::string answer =
        ResponseWriter(contract().targetNamespace()).response(operation, "OK", result, request.arguments);
    pugi::xml_document document;
    fuzzCheck(static_cast<bool>(document.load_buffer(answer.data(), answer.size())),
              "the answer is well-formed XML");
}

namespace {

// A scratch folder of this process for the received files, removed when the process ends.
struct ScratchFolder
{
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("kitbench-fuzz-form-" + std::to_string(::getpid()));
    ScratchFolder() { std::filesystem::create_directories(path); }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

std::filesystem::path scratchFile()
{
    static const ScratchFolder folder;
    static std::atomic<unsigned> next{0};
    return folder.path / ("upload-" + std::to_string(next++));
}

struct FormPart
{
    httplib::MultipartFormData header;
    std::string_view content;
};

std::string_view nextPiece(std::string_view& rest, std::string_view separator)
{
    const std::size_t end = rest.find(separator);
    const std::string_view piece = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + separator.size());
    return piece;
}

} // namespace

// Input: a first byte (bit 0: multipart or url-encoded; the rest: the size limit in 64-byte steps and
// the chunk size the body arrives in), then the body. A multipart body is a list of parts separated
// by "\n--\n"; each part starts with a header line "name;filename;content type" and its content
// follows. The multipart bytes themselves are cut up by the HTTP library before the form sees them.
void fuzzFormPost(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return;
    const bool multipart = (data[0] & 1) != 0;
    const std::uint64_t maxBytes = 64u * ((data[0] >> 1) & 0x1f) + 1;
    const std::size_t chunk = 1 + (data[0] >> 6) * 7;
    std::string_view rest = fuzzBytes(data + 1, size - 1);

    httplib::Request request;
    std::vector<FormPart> parts;
    std::uint64_t total = 0;
    if (multipart) {
        request.set_header("Content-Type", "multipart/form-data; boundary=fuzz");
        while (!rest.empty()) {
            std::string_view part = nextPiece(rest, "\n--\n");
            std::string_view headerLine = nextPiece(part, "\n");
            FormPart parsed;
            parsed.header.name = std::string(nextPiece(headerLine, ";"));
            parsed.header.filename = std::string(nextPiece(headerLine, ";"));
            parsed.header.content_type = std::string(headerLine);
            parsed.content = part;
            total += part.size();
            parts.push_back(std::move(parsed));
        }
    } else {
        request.set_header("Content-Type", "application/x-www-form-urlencoded");
        total = rest.size();
    }

    const auto deliver = [chunk](std::string_view content, const httplib::ContentReceiver& receiver) {
        for (std::size_t at = 0; at < content.size(); at += chunk) {
            const std::string_view piece = content.substr(at, chunk);
            if (!receiver(piece.data(), piece.size()))
                return false;
        }
        return true;
    };
    const httplib::ContentReader reader(
        [&](const httplib::ContentReceiver& receiver) { return deliver(rest, receiver); },
        [&](const httplib::MultipartContentHeader& onHeader, const httplib::ContentReceiver& receiver) {
            for (const FormPart& part : parts) {
                if (!onHeader(part.header) || !deliver(part.content, receiver))
                    return false;
            }
            return true;
        });

    FormPost post = FormPost::read(request, reader, maxBytes, scratchFile);
    fuzzCheck(post.ok() == (total <= maxBytes),
              "a form is refused for its size exactly when it is too large");
    if (!post.ok()) {
        fuzzCheck(!post.file || post.file->path.empty() || !std::filesystem::exists(post.file->path),
                  "a refused form leaves no file behind");
        return;
    }
    // The first file part is kept, whole; later ones are dropped.
    const auto firstFile = std::find_if(parts.begin(), parts.end(), [](const FormPart& part) {
        return !part.header.filename.empty() || part.header.name == "PublishedFile";
    });
    fuzzCheck(post.file.has_value() == (firstFile != parts.end()), "a form with a file part keeps one file");
    if (post.file) {
        std::error_code error;
        fuzzCheck(post.file->size == firstFile->content.size() &&
                      std::filesystem::file_size(post.file->path, error) == post.file->size,
                  "the received file holds every byte of its part");
    }
    for (const auto& [name, value] : post.fields)
        fuzzCheck(value.size() <= FormPost::maxFieldBytes, "form fields stay within their limit");
}

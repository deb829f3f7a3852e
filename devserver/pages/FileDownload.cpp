#include "pages/FileDownload.h"

#include "services/LibraryAccess.h"
#include "services/ServiceDispatcher.h"
#include "store/Database.h"
#include "store/FileStore.h"

#include <httplib.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <vector>

namespace orvdev {
namespace {

const char* const textType = "text/plain; charset=utf-8";

// A file name as a quoted header parameter: no quotes, no line breaks.
std::string quotable(std::string name)
{
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return c == '"' || c == '\\' || c < 0x20; }, '_');
    return name;
}

struct Transfer
{
    std::ifstream in;
    std::vector<char> buffer = std::vector<char>(256 * 1024);
};

// Sends the file, whole or (for a test of the client) cut off as the fault says.
void serve(httplib::Response& response, const std::shared_ptr<Transfer>& transfer, std::uintmax_t size,
           const std::optional<InjectedFault>& fault)
{
    const char* const type = "application/octet-stream";
    // Reads up to `length` bytes at `offset`; the count read, 0 at the end or on an error.
    auto read = [transfer](std::size_t offset, std::size_t length) {
        transfer->in.clear();
        transfer->in.seekg(static_cast<std::streamoff>(offset));
        transfer->in.read(transfer->buffer.data(),
                          static_cast<std::streamsize>(std::min(length, transfer->buffer.size())));
        return static_cast<std::size_t>(std::max<std::streamsize>(transfer->in.gcount(), 0));
    };
    if (!fault || fault->kind == InjectedFault::Kind::CutAfter) {
        // Returning false from the provider closes the connection: the client sees a body shorter
        // than the Content-Length it was promised.
        const std::uint64_t limit = fault ? fault->cutAfter : size;
        response.set_content_provider(
            static_cast<std::size_t>(size), type,
            [transfer, read, limit](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                if (offset >= limit)
                    return false;
                const std::size_t got = read(offset, std::min<std::uint64_t>(length, limit - offset));
                return got > 0 && sink.write(transfer->buffer.data(), got);
            });
        return;
    }
    // Chunked: each write is one chunk; done() sends the last, empty chunk. A cut closes the
    // connection right after a whole chunk, where a careless client cannot tell it from the end.
    const bool cut = fault->kind == InjectedFault::Kind::ChunkedCut;
    const std::uint64_t limit =
        cut && fault->cutAfter > 0 ? std::min<std::uint64_t>(fault->cutAfter, size) : size;
    response.set_chunked_content_provider(
        type, [transfer, read, limit, cut](std::size_t offset, httplib::DataSink& sink) {
            if (offset >= limit) {
                if (cut)
                    return false;
                sink.done();
                return true;
            }
            const std::size_t got = read(offset, cut ? limit - offset : transfer->buffer.size());
            return got > 0 && sink.write(transfer->buffer.data(), got);
        });
}

} // namespace

void FileDownload::handle(const httplib::Request& request, httplib::Response& response,
                          const httplib::ContentReader& reader)
{
    auto post = receive(request, response, reader);
    std::optional<InjectedFault> spoiled;
    if (!post || injectFault(*post, request, response, &spoiled))
        return;
    post->discardFile(); // the download form carries no file
    std::lock_guard lock(m_services.dispatcher.storeMutex());
    try {
        const User user = signIn(*post);
        // 3.0 names the version in "AssetID"; later releases in "VersionID" ("FolderID", the folder
        // the wizard shows the file in, is not needed to find it).
        const char* field = m_services.dispatcher.version().atLeast(35) ? "VersionID" : "AssetID";
        auto versionId = number(post->field(field));
        if (!versionId)
            throw PageRefusal(400, std::string(field) + " is missing or not a number.");
        const std::string version = std::to_string(*versionId);
        std::string name;
        std::optional<std::int64_t> folder;
        bool found = false, internal = false;
        m_services.db.each("SELECT a.file_name, a.folder_id, a.internal FROM asset_versions v"
                           " JOIN library_assets a ON a.id = v.asset_id WHERE v.id = ?",
                           {*versionId}, [&](const Row& r) {
                               found = true;
                               name = r.s(0);
                               if (!r.isNull(1))
                                   folder = r.i(1);
                               internal = r.i(2) != 0;
                           });
        if (!found)
            throw PageRefusal(404, "There is no file version " + version + ".");
        if (!internal)
            throw PageRefusal(404, "'" + name + "' is a link, not a stored file.");
        if (folder && !LibraryAccess(m_services.db, user).canRead(*folder))
            throw PageRefusal(404, "File version " + version + " is not available to you.");
        auto transfer = std::make_shared<Transfer>();
        const auto path = m_services.files.versionPath(*versionId);
        transfer->in.open(path, std::ios::binary);
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        if (!transfer->in || error)
            throw PageRefusal(404, "The contents of file version " + version + " are missing.");
        response.status = 200;
        response.set_header("Content-Disposition", "attachment; filename=\"" + quotable(name) + "\"");
        serve(response, transfer, size, spoiled);
        journal(*post, 200, std::make_pair(name, static_cast<std::uint64_t>(size)),
                spoiled ? spoiled->text : std::string());
    } catch (const PageRefusal& refusal) {
        refuse(response, refusal, *post, textType);
    }
}

} // namespace orvdev

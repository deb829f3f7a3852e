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

} // namespace

void FileDownload::handle(const httplib::Request& request, httplib::Response& response,
                          const httplib::ContentReader& reader)
{
    auto post = receive(request, response, reader);
    if (!post || injectFault(*post, request, response))
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
        response.set_content_provider(
            static_cast<std::size_t>(size), "application/octet-stream",
            [transfer](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                transfer->in.seekg(static_cast<std::streamoff>(offset));
                transfer->in.read(transfer->buffer.data(),
                                  static_cast<std::streamsize>(std::min(length, transfer->buffer.size())));
                const auto got = transfer->in.gcount();
                return got > 0 && sink.write(transfer->buffer.data(), static_cast<std::size_t>(got));
            });
        journal(*post, 200, std::make_pair(name, static_cast<std::uint64_t>(size)));
    } catch (const PageRefusal& refusal) {
        refuse(response, refusal, *post, textType);
    }
}

} // namespace orvdev

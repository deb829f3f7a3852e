#include "http/FormPost.h"

#include <httplib.h>

#include <cstdio>
#include <memory>

namespace orvdev {
namespace {

struct FileCloser
{
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

FormPost::~FormPost()
{
    discardFile();
}

FormPost::FormPost(FormPost&& other) noexcept
    : fields(std::move(other.fields)), file(std::move(other.file)), errorStatus(other.errorStatus),
      errorText(std::move(other.errorText))
{
    other.file.reset();
}

std::optional<std::string> FormPost::field(const std::string& name) const
{
    auto it = fields.find(name);
    if (it == fields.end())
        return std::nullopt;
    return it->second;
}

std::filesystem::path FormPost::release()
{
    std::filesystem::path path = file ? file->path : std::filesystem::path();
    if (file)
        file->path.clear();
    return path;
}

void FormPost::discardFile()
{
    if (file && !file->path.empty()) {
        std::error_code ignored;
        std::filesystem::remove(file->path, ignored);
        file->path.clear();
    }
}

FormPost FormPost::read(const httplib::Request& request, const httplib::ContentReader& reader,
                        std::uint64_t maxBytes, const std::function<std::filesystem::path()>& newFilePath)
{
    FormPost post;
    std::uint64_t total = 0;
    auto fail = [&](int status, const std::string& text) {
        if (post.errorStatus == 0) {
            post.errorStatus = status;
            post.errorText = text;
        }
        return false;
    };
    // Past the limit the body is still read, and dropped, so that the answer reaches the client
    // and the connection stays usable.
    auto counted = [&](std::size_t length) {
        total += length;
        if (total > maxBytes)
            fail(413, "The form is larger than the server accepts.");
        return post.errorStatus == 0;
    };

    if (!request.is_multipart_form_data()) {
        std::string body;
        bool read = reader([&](const char* data, std::size_t length) {
            if (!counted(length))
                return true;
            if (body.size() + length > maxFieldBytes) {
                fail(413, "The form is too large.");
                return true;
            }
            body.append(data, length);
            return true;
        });
        if (!read)
            fail(400, "The form could not be read.");
        httplib::Params params;
        httplib::detail::parse_query_text(body, params);
        for (const auto& [name, value] : params)
            post.fields[name] = value;
        return post;
    }

    enum class Part
    {
        Field,
        KeptFile,
        DroppedFile
    };
    Part part = Part::Field;
    std::string fieldName;
    std::unique_ptr<std::FILE, FileCloser> out;
    bool read = reader(
        [&](const httplib::MultipartFormData& header) {
            out.reset();
            fieldName = header.name;
            const bool isFile = !header.filename.empty() || header.name == "PublishedFile";
            if (!isFile) {
                part = Part::Field;
                post.fields[fieldName].clear();
                return true;
            }
            if (post.file) {
                part = Part::DroppedFile;
                return true;
            }
            part = Part::KeptFile;
            post.file = ReceivedFile{header.name, header.filename, header.content_type, newFilePath(), 0};
            out.reset(std::fopen(post.file->path.c_str(), "wb"));
            if (!out)
                return fail(500, "The server cannot store the file.");
            return true;
        },
        [&](const char* data, std::size_t length) {
            if (!counted(length))
                return true;
            switch (part) {
            case Part::Field: {
                std::string& value = post.fields[fieldName];
                if (value.size() + length > maxFieldBytes) {
                    fail(413, "The form field '" + fieldName + "' is too large.");
                    return true;
                }
                value.append(data, length);
                return true;
            }
            case Part::KeptFile:
                if (std::fwrite(data, 1, length, out.get()) != length)
                    return fail(500, "The server cannot store the file.");
                post.file->size += length;
                return true;
            case Part::DroppedFile:
                return true;
            }
            return true;
        });
    if (out && std::fflush(out.get()) != 0)
        fail(500, "The server cannot store the file.");
    out.reset();
    if (!read)
        fail(400, "The form could not be read.");
    if (!post.ok())
        post.discardFile();
    return post;
}

} // namespace orvdev

#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace httplib {
struct Request;
class ContentReader;
} // namespace httplib

namespace orvdev {

// A file part of a form post, written to disk while it arrives.
struct ReceivedFile
{
    std::string fieldName;   // "PublishedFile"
    std::string fileName;    // as the part names it (a browser may send a whole local path)
    std::string contentType; // of the part
    std::filesystem::path path;
    std::uint64_t size = 0;
};

// An HTML form post read as it streams in: multipart/form-data or url-encoded. Text fields are
// kept in memory (each up to a small limit); the first file part goes to a file on disk, further
// file parts are read and dropped. The received file is removed with the object unless it was
// released (moved away).
class FormPost
{
public:
    FormPost() = default;
    ~FormPost();
    FormPost(const FormPost&) = delete;
    FormPost& operator=(const FormPost&) = delete;
    FormPost(FormPost&& other) noexcept;
    FormPost& operator=(FormPost&&) = delete;

    // Reads the whole body. On failure errorStatus is the HTTP status to answer (400 malformed,
    // 413 larger than maxBytes, 500 the file could not be written) and errorText says why.
    static FormPost read(const httplib::Request& request, const httplib::ContentReader& reader,
                         std::uint64_t maxBytes, const std::function<std::filesystem::path()>& newFilePath);

    std::map<std::string, std::string> fields; // last value wins for a repeated name
    std::optional<ReceivedFile> file;
    int errorStatus = 0;
    std::string errorText;

    bool ok() const { return errorStatus == 0; }
    std::optional<std::string> field(const std::string& name) const;
    // The path of the received file, which the caller now owns (it is no longer removed).
    std::filesystem::path release();
    void discardFile();

    static constexpr std::size_t maxFieldBytes = 1 << 20;
};

} // namespace orvdev

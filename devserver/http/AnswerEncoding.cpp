#include "http/AnswerEncoding.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>

#include <zlib.h>

namespace orvdev {
namespace {

std::string trimmedLower(std::string s)
{
    auto notSpace = [](unsigned char c) { return !std::isspace(c); };
    s.erase(s.begin(), std::find_if(s.begin(), s.end(), notSpace));
    s.erase(std::find_if(s.rbegin(), s.rend(), notSpace).base(), s.end());
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

} // namespace

bool AnswerEncoding::acceptsGzip(const std::string& acceptEncoding)
{
    bool gzipListed = false, gzipAllowed = false, anyAllowed = false;
    std::size_t start = 0;
    while (start <= acceptEncoding.size()) {
        std::size_t comma = acceptEncoding.find(',', start);
        if (comma == std::string::npos)
            comma = acceptEncoding.size();
        const std::string item = acceptEncoding.substr(start, comma - start);
        start = comma + 1;
        const std::size_t semicolon = item.find(';');
        const std::string coding = trimmedLower(item.substr(0, semicolon));
        double quality = 1.0;
        if (semicolon != std::string::npos) {
            const std::string parameter = trimmedLower(item.substr(semicolon + 1));
            if (parameter.rfind("q=", 0) == 0)
                quality = std::strtod(parameter.c_str() + 2, nullptr);
        }
        if (coding == "gzip" || coding == "x-gzip") {
            gzipListed = true;
            gzipAllowed = quality > 0;
        } else if (coding == "*") {
            anyAllowed = quality > 0;
        }
    }
    return gzipListed ? gzipAllowed : anyAllowed;
}

namespace {
// Where negotiate() leaves its decision for encode(): a request header no client sends.
const char* const negotiatedHeader = "X-Orvdev-Answer-Encoding";
} // namespace

void AnswerEncoding::negotiate(const httplib::Request& request)
{
    // httplib hands the hooks a const view of the request object it owns and reads again afterwards.
    auto& headers = const_cast<httplib::Request&>(request).headers;
    const bool gzip = acceptsGzip(request.get_header_value("Accept-Encoding"));
    headers.erase("Accept-Encoding");
    headers.erase(negotiatedHeader);
    if (gzip)
        headers.emplace(negotiatedHeader, "gzip");
}

void AnswerEncoding::encode(const httplib::Request& request, httplib::Response& response)
{
    const std::string type = response.get_header_value("Content-Type");
    const bool text = type.rfind("text/", 0) == 0 || type.find("xml") != std::string::npos ||
                      type.find("json") != std::string::npos;
    if (request.get_header_value(negotiatedHeader) != "gzip" || response.body.empty() || !text ||
        response.has_header("Content-Encoding"))
        return;
    response.body = gzip(response.body);
    response.headers.erase("Content-Length"); // httplib has counted the plain body already
    response.set_header("Content-Length", std::to_string(response.body.size()));
    response.set_header("Content-Encoding", "gzip");
    response.set_header("Vary", "Accept-Encoding");
}

std::string AnswerEncoding::gzip(const std::string& data)
{
    z_stream stream{};
    // Window bits 15 + 16: a gzip wrapper instead of zlib's.
    if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("gzip: cannot start the encoder");
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw std::runtime_error("gzip: the answer did not fit");
    return out;
}

} // namespace orvdev

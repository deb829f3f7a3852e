#include "http/AnswerEncoding.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

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

void AnswerEncoding::negotiate(const httplib::Request& request)
{
    // httplib hands the hooks a const view of the request object it owns and reads again afterwards.
    auto& headers = const_cast<httplib::Request&>(request).headers;
    const bool gzip = acceptsGzip(request.get_header_value("Accept-Encoding"));
    headers.erase("Accept-Encoding");
    if (gzip)
        headers.emplace("Accept-Encoding", "gzip");
}

} // namespace orvdev

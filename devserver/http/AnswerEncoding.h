#pragma once

#include <httplib.h>

#include <string>

namespace orvdev {

// How answers are compressed: gzip when the client accepts it, otherwise not at all, the way IIS
// serves an ASP.NET service. httplib on its own picks brotli for every client that lists "br" (Qt
// does), and its brotli encoder took seconds on a plan of many megabytes; its gzip uses the default
// level, three times slower than the fastest for SOAP text that shrinks tenfold either way.
class AnswerEncoding
{
public:
    // Whether an Accept-Encoding header value admits gzip (a q=0 excludes it, "*" admits it).
    static bool acceptsGzip(const std::string& acceptEncoding);
    static std::string gzip(const std::string& data);

    // Pre-routing: takes the request's Accept-Encoding away from httplib's encoder and notes whether
    // the answer may be gzipped.
    static void negotiate(const httplib::Request& request);
    // Post-routing, the last look at an answer before it is written: gzips its body when negotiated.
    static void encode(const httplib::Request& request, httplib::Response& response);
};

} // namespace orvdev

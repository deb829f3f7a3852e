#pragma once

#include <httplib.h>

#include <string>

namespace orvdev {

// How answers are compressed: gzip when the client accepts it, otherwise not at all, the way IIS
// serves an ASP.NET service. httplib on its own picks brotli for every client that lists "br" (Qt
// does), and its brotli encoder takes seconds on a plan of many megabytes.
class AnswerEncoding
{
public:
    // Whether an Accept-Encoding header value admits gzip (a q=0 excludes it, "*" admits it).
    static bool acceptsGzip(const std::string& acceptEncoding);

    // Replaces the request's Accept-Encoding by what the answer may use, "gzip" or nothing, before
    // httplib reads it to compress the answer. Called from the pre-routing hook, the one place that
    // sees the request before httplib's encoder does (and the only one whose answers httplib still
    // writes while stopping: its content providers go silent then).
    static void negotiate(const httplib::Request& request);
};

} // namespace orvdev

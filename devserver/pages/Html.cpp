#include "pages/Html.h"

namespace orvdev::Html {

std::string escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string page(const std::string& title, const std::string& body)
{
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + escape(title) +
           " - Orvello</title><style>body{font-family:sans-serif;margin:2em;color:#222}"
           "h1{font-size:1.4em;border-bottom:2px solid #3a6ea5;padding-bottom:.3em}"
           "table{border-collapse:collapse}th{text-align:left;padding:.3em 1em .3em 0;color:#555;"
           "vertical-align:top}td{padding:.3em 0}ul{margin:0;padding-left:1.2em}</style></head>\n<body><h1>" +
           escape(title) + "</h1>\n" + body + "\n</body></html>\n";
}

std::string fields(const std::vector<std::pair<std::string, std::string>>& rows)
{
    std::string out = "<table>";
    for (const auto& [name, value] : rows)
        out += "<tr><th>" + escape(name) + "</th><td>" + value + "</td></tr>";
    return out + "</table>";
}

} // namespace orvdev::Html

#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace orvdev {

// A value text the service cannot convert; the message is the one the framework gives.
class ConversionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Conversions of element text the way the ASP.NET XML serializer does them (invariant culture).
namespace XmlConvert {
std::int32_t toInt32(const std::string& text);
std::int16_t toInt16(const std::string& text);
bool toBoolean(const std::string& text);
// Returns the date-time as "YYYY-MM-DDTHH:MM:SS" (fractions and zone dropped).
std::string toDateTime(const std::string& text);
std::string escape(const std::string& text);
} // namespace XmlConvert

} // namespace orvdev

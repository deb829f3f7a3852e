#pragma once

#include "soap/Value.h"

#include <string>

namespace orvdev::Json {

std::string quote(const std::string& text);
// Strings and date-times as JSON strings, numbers, booleans, arrays as JSON arrays, null.
std::string of(const Value& value);

} // namespace orvdev::Json

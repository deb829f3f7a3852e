#pragma once

#include <string_view>

namespace orvdev {

// The service contract (resources/wsdl/OrvProject.wsdl) as compiled into the server.
std::string_view embeddedWsdl();

} // namespace orvdev

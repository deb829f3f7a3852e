#include "services/MethodRegistry.h"

namespace orvdev {

void registerSessionMethods(MethodRegistry& registry)
{
    registry.add("GetServerVersion", 30, [](CallContext& call) -> std::optional<Value> {
        return Value::ofString(call.version.text());
    });
}

} // namespace orvdev

#include "services/MethodRegistry.h"

namespace orvdev {

void MethodRegistry::add(const std::string& method, int sinceVersion, MethodHandler handler)
{
    m_entries[method] = Entry{sinceVersion, std::move(handler)};
}

const MethodRegistry::Entry* MethodRegistry::find(const std::string& method) const
{
    auto it = m_entries.find(method);
    return it == m_entries.end() ? nullptr : &it->second;
}

bool MethodRegistry::offers(const std::string& method, const ServerVersion& version) const
{
    const Entry* entry = find(method);
    return entry && version.atLeast(entry->sinceVersion);
}

MethodRegistry MethodRegistry::standard()
{
    MethodRegistry registry;
    registerSessionMethods(registry);
    registerDirectoryMethods(registry);
    registerCategoryMethods(registry);
    registerProjectListMethods(registry);
    registerItemMethods(registry);
    registerProjectMethods(registry);
    registerPeopleMethods(registry);
    registerListMethods(registry);
    registerCalendarMethods(registry);
    registerLibraryMethods(registry);
    registerMsProjectMethods(registry);
    return registry;
}

} // namespace orvdev

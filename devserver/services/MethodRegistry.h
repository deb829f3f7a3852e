#pragma once

#include "services/CallContext.h"

#include <map>
#include <string>

namespace orvdev {

// Which method implementations exist and from which server version on.
class MethodRegistry
{
public:
    struct Entry
    {
        int sinceVersion = 30;
        MethodHandler handler;
    };

    void add(const std::string& method, int sinceVersion, MethodHandler handler);
    const Entry* find(const std::string& method) const;
    bool offers(const std::string& method, const ServerVersion& version) const;
    const std::map<std::string, Entry>& entries() const { return m_entries; }

    // Every method of the service, registered by the method groups.
    static MethodRegistry standard();

private:
    std::map<std::string, Entry> m_entries;
};

// The method groups; each registers its methods.
void registerSessionMethods(MethodRegistry& registry);
void registerDirectoryMethods(MethodRegistry& registry);
void registerCategoryMethods(MethodRegistry& registry);
void registerProjectListMethods(MethodRegistry& registry);
void registerItemMethods(MethodRegistry& registry);
void registerProjectMethods(MethodRegistry& registry);
void registerPeopleMethods(MethodRegistry& registry);
void registerListMethods(MethodRegistry& registry);
void registerCalendarMethods(MethodRegistry& registry);
void registerLibraryMethods(MethodRegistry& registry);
void registerMsProjectMethods(MethodRegistry& registry);

} // namespace orvdev

#pragma once

#include "pages/FormPage.h"

namespace httplib {
class ContentReader;
} // namespace httplib

namespace orvdev {

// POST …/FileLibrary/FilePublishing.aspx (…/Library/FilePublishing.aspx on 3.0): a file posted as
// an HTML form goes into a library folder, becomes a new version of a library file, is attached
// to an incident, task, event, to-do or project, or is kept as a workbook for a list import.
class FilePublishing : public FormPage
{
public:
    explicit FilePublishing(const FormPageServices& services) : FormPage(services, "FilePublishing.aspx") {}

    void handle(const httplib::Request& request, httplib::Response& response,
                const httplib::ContentReader& reader);

private:
    struct Stored
    {
        std::int64_t assetId = 0;
        std::int64_t versionId = 0;
        std::string name;  // the library file's name
        std::string place; // "in library folder 2", "attached to incident 9"
    };

    Stored publish(FormPost& post, const User& user, const std::string& fileName);
    Stored intoFolder(FormPost& post, const User& user, std::int64_t folderId, const std::string& fileName);
    Stored newVersion(FormPost& post, const User& user, std::int64_t assetId);
    Stored attach(FormPost& post, const User& user, std::int64_t objectType, std::int64_t objectId,
                  const std::string& fileName);
    std::int64_t storeVersion(FormPost& post, const User& user, std::int64_t assetId);
    std::string keepWorkbook(FormPost& post, const User& user, const std::string& fileName);
    std::string fileNameOf(const FormPost& post) const;
};

} // namespace orvdev

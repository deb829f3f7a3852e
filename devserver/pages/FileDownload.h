#pragma once

#include "pages/FormPage.h"

namespace httplib {
class ContentReader;
} // namespace httplib

namespace orvdev {

// POST …/FileLibrary/FileDownload.aspx (…/Library/FileDownload.aspx on 3.0): the stored bytes of
// one file version, streamed from disk as an attachment.
class FileDownload : public FormPage
{
public:
    explicit FileDownload(const FormPageServices& services) : FormPage(services, "FileDownload.aspx") {}

    void handle(const httplib::Request& request, httplib::Response& response,
                const httplib::ContentReader& reader);
};

} // namespace orvdev

#include "pages/FormPage.h"

#include "http/ConnectionCutter.h"
#include "http/FaultPlan.h"
#include "http/Journal.h"
#include "pages/Html.h"
#include "services/ServiceDispatcher.h"
#include "store/FileStore.h"

#include <httplib.h>

#include <charconv>

namespace orvdev {

std::optional<std::int64_t> FormPage::number(const std::optional<std::string>& text)
{
    if (!text || text->empty())
        return std::nullopt;
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size())
        return std::nullopt;
    return value;
}

std::optional<FormPost> FormPage::receive(const httplib::Request& request, httplib::Response& response,
                                          const httplib::ContentReader& reader)
{
    const FileStore& files = m_services.files;
    FormPost post = FormPost::read(request, reader, m_services.maxUploadBytes,
                                   [&files] { return files.newIncomingPath(); });
    if (post.ok())
        return post;
    // httplib itself refuses a body whose announced length is over the limit.
    const int status = post.errorStatus == 400 && response.status == 413 ? 413 : post.errorStatus;
    refuse(response, PageRefusal(status, post.errorText), post, "text/html; charset=utf-8");
    return std::nullopt;
}

bool FormPage::injectFault(FormPost& post, const httplib::Request& request, httplib::Response& response,
                           std::optional<InjectedFault>* transfer)
{
    auto fault = m_services.faults.take(m_name);
    if (!fault)
        return false;
    if (fault->kind == InjectedFault::Kind::CutAfter || fault->kind == InjectedFault::Kind::ChunkedCut ||
        fault->kind == InjectedFault::Kind::Chunked) {
        if (transfer)
            *transfer = fault;
        return false;
    }
    std::optional<std::pair<std::string, std::uint64_t>> file;
    if (post.file)
        file.emplace(post.file->fileName, post.file->size);
    post.discardFile();
    switch (fault->kind) {
    case InjectedFault::Kind::HttpStatus:
        response.status = fault->httpStatus;
        journal(post, fault->httpStatus, file, fault->text);
        return true;
    case InjectedFault::Kind::BadXml:
        response.status = 200;
        response.set_content("this is <not XML", "text/xml; charset=utf-8");
        journal(post, 200, file, fault->text);
        return true;
    case InjectedFault::Kind::Disconnect:
    default:
        journal(post, 0, file, fault->text);
        ConnectionCutter::cut(request.remote_addr, request.remote_port);
        response.status = 500;
        return true;
    }
}

User FormPage::signIn(const FormPost& post)
{
    auto user = m_services.dispatcher.authenticate(post.field("Login").value_or(""), post.field("Password"));
    if (!user)
        throw PageRefusal(403, ServiceDispatcher::accessDeniedText);
    return *user;
}

void FormPage::refuse(httplib::Response& response, const PageRefusal& refusal, const FormPost& post,
                      const std::string& contentType)
{
    response.status = refusal.status();
    if (contentType.rfind("text/html", 0) == 0)
        response.set_content(Html::page("File not accepted", "<p>" + Html::escape(refusal.what()) + "</p>"),
                             contentType);
    else
        response.set_content(std::string(refusal.what()) + "\n", contentType);
    std::optional<std::pair<std::string, std::uint64_t>> file;
    if (post.file)
        file.emplace(post.file->fileName, post.file->size);
    journal(post, refusal.status(), file);
}

void FormPage::journal(const FormPost& post, int status,
                       const std::optional<std::pair<std::string, std::uint64_t>>& file,
                       const std::string& fault)
{
    std::map<std::string, std::string> fields = post.fields;
    auto password = fields.find("Password");
    if (password != fields.end() && !password->second.empty())
        password->second = "***";
    m_services.journal.page(m_name, fields, status, file, fault);
}

} // namespace orvdev

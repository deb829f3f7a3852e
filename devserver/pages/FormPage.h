#pragma once

#include "http/FaultPlan.h"
#include "http/FormPost.h"
#include "services/User.h"

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

namespace orvdev {

class Database;
class FaultPlan;
class FileStore;
class Journal;
class ServiceDispatcher;

// What the form pages work with.
struct FormPageServices
{
    Database& db;
    ServiceDispatcher& dispatcher; // the version played, sign-in and the store lock
    Journal& journal;
    FaultPlan& faults;
    const FileStore& files;
    std::uint64_t maxUploadBytes;
};

// A refusal of a form page: HTTP status and a short text for the answer.
class PageRefusal : public std::runtime_error
{
public:
    PageRefusal(int status, const std::string& text) : std::runtime_error(text), m_status(status) {}
    int status() const { return m_status; }

private:
    int m_status;
};

// What the file pages share: reading the post, the injected faults, sign-in from the "Login" and
// "Password" fields, refusals and the journal line.
class FormPage
{
public:
    FormPage(const FormPageServices& services, std::string name)
        : m_services(services), m_name(std::move(name))
    {
    }
    const std::string& name() const { return m_name; }

protected:
    // Reads the form; on failure answers and journals it and returns nullopt.
    std::optional<FormPost> receive(const httplib::Request& request, httplib::Response& response,
                                    const httplib::ContentReader& reader);
    // Answers an injected fault, if one hits this request, and journals it. A fault that spoils the
    // transfer of an answer (a cut download) is handed to the page in `transfer` instead.
    bool injectFault(FormPost& post, const httplib::Request& request, httplib::Response& response,
                     std::optional<InjectedFault>* transfer = nullptr);
    // The caller holds the store lock. Throws PageRefusal 403 for an unknown user or wrong password.
    User signIn(const FormPost& post);
    void refuse(httplib::Response& response, const PageRefusal& refusal, const FormPost& post,
                const std::string& contentType);
    void journal(const FormPost& post, int status,
                 const std::optional<std::pair<std::string, std::uint64_t>>& file,
                 const std::string& fault = {});
    static std::optional<std::int64_t> number(const std::optional<std::string>& text);

    FormPageServices m_services;

private:
    std::string m_name;
};

} // namespace orvdev

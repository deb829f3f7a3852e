#pragma once

// GoogleTest helpers for suites that speak to a started server.
#include "ServerProcess.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <cctype>
#include <memory>
#include <string>

namespace orvdev::test {

// One demo server for every case of a suite: started before the first, stopped after the last.
// Base is ::testing::Test, or ::testing::TestWithParam<Case> for a data-driven suite.
template <typename Base = ::testing::Test> class SharedServer : public Base
{
protected:
    static inline std::unique_ptr<ServerProcess> server;
    static void SetUpTestSuite() { server = std::make_unique<ServerProcess>(); }
    static void TearDownTestSuite() { server.reset(); }
};

// A case's name for GoogleTest made of a text: letters and digits kept, anything else '_'.
inline std::string caseName(std::string text)
{
    for (char& c : text)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return text;
}

// An HTTP answer came, with this status and a body holding `holds`; a failure shows what came instead.
inline ::testing::AssertionResult answered(const httplib::Result& answer, int status,
                                           const std::string& holds = "")
{
    if (!answer)
        return ::testing::AssertionFailure() << "no answer: " << httplib::to_string(answer.error());
    if (answer->status != status || answer->body.find(holds) == std::string::npos)
        return ::testing::AssertionFailure()
               << "HTTP " << answer->status << " (expected " << status << " holding '" << holds
               << "'): " << answer->body.substr(0, 400);
    return ::testing::AssertionSuccess();
}

} // namespace orvdev::test

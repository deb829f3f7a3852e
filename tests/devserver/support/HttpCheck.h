#pragma once

#include <gtest/gtest.h>
#include <httplib.h>

#include <string>

namespace orvdev::test {

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

#pragma once

#include "ServerProcess.h"

#include <gtest/gtest.h>

namespace orvdev::test {

// One demo server for every case of a suite: started before the first, stopped after the last.
// Base is ::testing::Test, or ::testing::TestWithParam<Case> for a data-driven suite.
template <typename Base = ::testing::Test> class SharedServer : public Base
{
protected:
    static inline ServerProcess* server = nullptr;
    static void SetUpTestSuite() { server = new ServerProcess(); }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }
};

} // namespace orvdev::test

// Calls per second against a started orvello-devserver, one client over one keep-alive connection.
// Run: devserver_bench [--benchmark_min_time=2]
#include "support/SoapCall.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace orvdev::test;

namespace {

std::unique_ptr<ServerProcess> server;

void checkOk(benchmark::State &state, const SoapAnswer &answer)
{
    if (answer.state != "OK") state.SkipWithError(("call failed: " + answer.body).c_str());
}

void LoadDictionaries(benchmark::State &state)
{
    SoapClient client(*server);
    const auto code = static_cast<long long>(state.range(0));
    for (auto _ : state) {
        auto answer = client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", code)});
        checkOk(state, answer);
        benchmark::DoNotOptimize(answer.result.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LoadDictionaries)->Arg(7)->Arg(3)->Unit(benchmark::kMicrosecond)->UseRealTime();

void CreateIncident45(benchmark::State &state)
{
    SoapClient client(*server);
    for (auto _ : state) {
        auto answer = client.call("CreateIncident45",
                                  {text("title", "Benchmark incident"), text("description", "Created by the benchmark."),
                                   num("projectId", 1), num("typeId", 7), num("priorityId", 2), num("severityId", 11),
                                   Arg{"categories", "<int>1</int><int>2</int>"}, num("incidentBoxId", 14), num("contactId", -1),
                                   num("organizationId", 2)});
        checkOk(state, answer);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CreateIncident45)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    server = std::make_unique<ServerProcess>();
    benchmark::RunSpecifiedBenchmarks();
    server.reset();
    benchmark::Shutdown();
    return 0;
}

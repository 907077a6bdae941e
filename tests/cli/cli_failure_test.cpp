// The command-line almanac run in-process, where the term store can be made
// to fail: a computation without a result is a failure, never an empty table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/planetary_series.h"
#include "cli/cli_app.h"

namespace skyledger {
namespace {

void* refuseEveryBlock(size_t) {
    return nullptr;
}

TEST(CliFailure, AComputationWithoutAResultExitsOneWithAMessage) {
    const CliEnvironment env{"/nonexistent/skyledger-cli", {2026, 3, 20}, false};
    const std::vector<std::string> place = {"--lat", "51.48", "--lon", "0", "--zone", "0"};
    setTermAllocator(refuseEveryBlock);
    std::vector<CliResult> results;
    for (std::vector<std::string> command : {std::vector<std::string>{"day"},
                                             {"chart", "2026-01-01", "3"},
                                             {"track"},
                                             {"--json", "chart", "2026-01-01", "3"}}) {
        command.insert(command.begin(), place.begin(), place.end());
        results.push_back(runCli(command, env));
    }
    setTermAllocator(nullptr);
    for (const CliResult& r : results) {
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "skyledger-cli: Out of memory on planetary terms !\n");
    }
    // The same requests succeed once the store can allocate again.
    std::vector<std::string> chart = place;
    chart.insert(chart.end(), {"chart", "2026-01-01", "3"});
    const CliResult ok = runCli(chart, env);
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_NE(ok.out.find("03-Jan-26"), std::string::npos);
}

} // namespace
} // namespace skyledger

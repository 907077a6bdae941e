// Every output of the year 2026 at every shipped place on every time basis
// (text, chart export and JSON of the chart, the day, the alt/az table and
// the Moon calendar) against digests of what the program wrote before its
// computation was made faster. A change of one byte anywhere fails.
//
// tests/data/outputs_2026.txt is written by this test itself, run on the
// commit whose outputs are to be kept with SKYLEDGER_STORE_OUTPUTS set to
// that file's path (build/bin/skyledger_cli_tests --gtest_filter='StoredOutputs.*').
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace skyledger {
namespace {

const char* const PLACES[] = {"Anchorage", "Auckland",   "Buenos Aires", "Cape Town",
                              "Greenwich", "Honolulu",   "Los Angeles",  "Mumbai",
                              "Nairobi",   "New York",   "Reykjavik",    "Singapore",
                              "Sydney",    "Tokyo",      "Troms\xC3\xB8"};
const char* const BASES[] = {"standard", "daylight", "universal"};

// FNV-1a, 64 bits: enough to tell any change of the bytes.
void digestInto(uint64_t& h, const std::string& bytes) {
    for (const unsigned char c : bytes) {
        h ^= c;
        h *= 0x100000001b3ULL;
    }
}

using Command = std::vector<std::string>;

// One group of commands whose outputs (status, standard output and error)
// are digested together, under a name that says what it covers.
struct Group {
    std::string name;
    std::vector<Command> commands;
};

std::string twoDigits(int n) {
    char text[3];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::vector<Group> groupsOf(const std::string& place, const std::string& basis) {
    const Command where = {"--settings", SKYLEDGER_DEFAULT_SETTINGS, "--location", place,
                           "--basis", basis};
    auto with = [&](Command tail) {
        tail.insert(tail.begin(), where.begin(), where.end());
        return tail;
    };
    std::vector<Group> groups = {
        {"chart text", {with({"chart", "2026-01-01", "365"})}},
        {"chart export", {with({"chart", "2026-01-01", "365", "-o", "-"})}},
        {"chart json", {with({"--json", "chart", "2026-01-01", "365"})}},
        {"chart text 12h true", {with({"--clock", "12", "--bearings", "true", "chart", "2026-01-01",
                                       "365"})}},
        {"chart json 12h true", {with({"--clock", "12", "--bearings", "true", "--json", "chart",
                                       "2026-01-01", "365"})}},
    };
    Group calendarText{"calendar text", {}}, calendarJson{"calendar json", {}};
    Group dayText{"day text", {}}, dayJson{"day json", {}};
    Group trackText{"track text", {}}, trackJson{"track json", {}};
    for (int month = 1; month <= 12; ++month) {
        const std::string m = "2026-" + twoDigits(month);
        calendarText.commands.push_back(with({"calendar", m}));
        calendarJson.commands.push_back(with({"--json", "calendar", m}));
        dayText.commands.push_back(with({"day", m + "-15"}));
        dayJson.commands.push_back(with({"--json", "day", m + "-15"}));
        if (month % 3 == 0) {
            trackText.commands.push_back(with({"track", m + "-21"}));
            trackJson.commands.push_back(with({"--json", "track", m + "-21"}));
        }
    }
    for (Group* g : {&calendarText, &calendarJson, &dayText, &dayJson, &trackText, &trackJson})
        groups.push_back(*g);
    return groups;
}

std::string digestOf(const Group& group) {
    const CliEnvironment env{"/nonexistent/skyledger-cli", {2026, 3, 20}, false};
    uint64_t h = 0xcbf29ce484222325ULL;
    for (const Command& command : group.commands) {
        const CliResult r = runCli(command, env);
        EXPECT_EQ(r.status, 0) << r.err; // a digest of refusals would prove nothing
        digestInto(h, std::to_string(r.status) + "\n");
        digestInto(h, r.out);
        digestInto(h, r.err);
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

// Lines "DIGEST<TAB>PLACE<TAB>BASIS<TAB>GROUP"; the key is the last three.
std::map<std::string, std::string> storedDigests(const std::string& path) {
    std::map<std::string, std::string> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const size_t tab = line.find('\t');
        if (tab != std::string::npos) out[line.substr(tab + 1)] = line.substr(0, tab);
    }
    return out;
}

TEST(StoredOutputs, AYearAtEveryShippedPlaceOnEveryBasisIsUnchangedToTheByte) {
    const char* store = std::getenv("SKYLEDGER_STORE_OUTPUTS");
    const std::map<std::string, std::string> stored =
        storedDigests(std::string(SKYLEDGER_TEST_DATA) + "/outputs_2026.txt");
    if (store == nullptr) {
        ASSERT_FALSE(stored.empty());
    }
    std::ostringstream written;
    int compared = 0;
    for (const char* place : PLACES) {
        for (const char* basis : BASES) {
            for (const Group& group : groupsOf(place, basis)) {
                const std::string key = std::string(place) + "\t" + basis + "\t" + group.name;
                const std::string digest = digestOf(group);
                written << digest << "\t" << key << "\n";
                if (store != nullptr) continue;
                const auto it = stored.find(key);
                ASSERT_NE(it, stored.end()) << key;
                EXPECT_EQ(digest, it->second) << key;
                ++compared;
            }
        }
    }
    if (store != nullptr) {
        std::ofstream(store, std::ios::binary) << written.str();
        return;
    }
    EXPECT_EQ(compared, static_cast<int>(stored.size()));
}

} // namespace
} // namespace skyledger

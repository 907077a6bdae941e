// The World Magnetic Model against the official WMM2025 test values (every
// point of NOAA's table, 2025.0 to 2029.5, heights from 0 to 100 km), and the
// program's sign conventions for longitude and declination.
#include "astro/magnetic_model.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace skyledger {
namespace {

struct TestPoint {
    double year, height, latitude, longitudeEast;
    double x, y, z, h, f, inclination, declination;
};

std::vector<TestPoint> officialTestPoints() {
    std::ifstream in(SKYLEDGER_TEST_DATA "/wmm2025_test_values.csv");
    std::vector<TestPoint> points;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line[0] == 'd') continue;
        std::istringstream cols(line);
        TestPoint p{};
        char comma = 0;
        cols >> p.year >> comma >> p.height >> comma >> p.latitude >> comma >> p.longitudeEast >>
            comma >> p.x >> comma >> p.y >> comma >> p.z >> comma >> p.h >> comma >> p.f >>
            comma >> p.inclination >> comma >> p.declination;
        points.push_back(p);
    }
    return points;
}

TEST(MagneticModel, MatchesEveryOfficialTestPoint) {
    const std::vector<TestPoint> points = officialTestPoints();
    ASSERT_EQ(points.size(), 100u);
    for (const TestPoint& p : points) {
        SCOPED_TRACE(testing::Message() << p.year << " " << p.height << " km " << p.latitude
                                        << " " << p.longitudeEast);
        const MagneticField m = worldMagneticModel(p.latitude, -p.longitudeEast, p.height, p.year);
        EXPECT_NEAR(m.declination, p.declination, 0.01);
        EXPECT_NEAR(m.inclination, p.inclination, 0.01);
        EXPECT_NEAR(m.total, p.f, 1.0);
        EXPECT_NEAR(m.north, p.x, 1.0);
        EXPECT_NEAR(m.east, p.y, 1.0);
        EXPECT_NEAR(m.down, p.z, 1.0);
        EXPECT_TRUE(m.withinModelYears);
    }
}

// The agonic line runs through the Americas: magnetic north lies west of true
// north on the US east coast and east of it on the west coast.
TEST(MagneticModel, DeclinationIsPositiveEastOfTheAgonicLine) {
    EXPECT_LT(worldMagneticModel(40.71, 74.01, 0.0, 2026.0).declination, -10.0); // New York
    EXPECT_GT(worldMagneticModel(37.77, 122.42, 0.0, 2026.0).declination, 10.0); // San Francisco
    EXPECT_GT(worldMagneticModel(69.65, -18.96, 0.0, 2026.0).declination, 5.0);  // Tromso, east
}

TEST(MagneticModel, AnswersOutsideItsYearsAndSaysSo) {
    const MagneticField before = worldMagneticModel(51.48, 0.0, 0.0, 2024.9);
    const MagneticField after = worldMagneticModel(51.48, 0.0, 0.0, 2030.1);
    EXPECT_FALSE(before.withinModelYears);
    EXPECT_FALSE(after.withinModelYears);
    EXPECT_TRUE(worldMagneticModel(51.48, 0.0, 0.0, 2030.0).withinModelYears);
    EXPECT_NEAR(before.declination, worldMagneticModel(51.48, 0.0, 0.0, 2025.0).declination, 0.1);
}

} // namespace
} // namespace skyledger

// Saved fire perimeters read back as a map would: the polygon's geodesic area and head
// distance against the FBP outputs, and the GeoJSON rules viewers rely on.
#include "forms/exports/perimeter_file.h"

#include <gtest/gtest.h>

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/PolygonArea.hpp>
#include <charconv>
#include <nlohmann/json.hpp>
#include <string>

#include "common/number_text.h"
#include "fbp/fbp_engine.h"
#include "fire/detection_fire.h"
#include "forms/content/pictures.h"
#include "forms/fields/calculator_defaults.h"

namespace emberlin::forms {
namespace {

struct PerimeterCase {
    const char* name;
    const char* fuel;
    double minutes;
    double latitude;
    double longitude;
    double windDirection;
    int ignition;
};

// Checks a polygon feature as a map reads it: at least 72 distinct vertices, closed, counter-
// clockwise, its geodesic area within 0.5 % of `areaHa` and its head (the first vertex)
// `headM` from the ignition point within 0.1 %, along the feature's spread direction.
void CheckPolygon(const nlohmann::json& feature, GeoPoint ignition, double areaHa, double headM) {
    ASSERT_EQ(feature["geometry"]["type"], "Polygon");
    const auto& ring = feature["geometry"]["coordinates"][0];
    ASSERT_GE(ring.size(), 73u);
    EXPECT_EQ(ring.front(), ring.back()) << "the ring is closed";

    const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
    GeographicLib::PolygonArea polygon(wgs84);
    for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        polygon.AddPoint(ring[i][1].get<double>(), ring[i][0].get<double>());
    }
    double perimeter = 0, area = 0;
    // Signed area: positive only when the ring runs counter-clockwise.
    polygon.Compute(false, true, perimeter, area);
    EXPECT_GT(area, 0.0) << "the outer ring runs counter-clockwise";
    EXPECT_NEAR(area / 10000.0, areaHa, areaHa * 0.005);

    double headDistance = 0, azimuth = 0, backAzimuth = 0;
    wgs84.Inverse(ignition.latitude, ignition.longitude, ring[0][1].get<double>(),
                  ring[0][0].get<double>(), headDistance, azimuth, backAzimuth);
    EXPECT_NEAR(headDistance, headM, headM * 0.001);
    const double spread = feature["properties"]["spread_direction_deg"].get<double>();
    EXPECT_NEAR(std::remainder(azimuth - spread, 360.0), 0.0, 0.01);
}

class PerimeterFileTest : public testing::TestWithParam<PerimeterCase> {};

TEST_P(PerimeterFileTest, ReadsBackWithTheFiresAreaHeadDistanceAndDirection) {
    const PerimeterCase& c = GetParam();
    FbpInputs in = CalculatorDefaults(c.fuel);
    in.elapsedTime = c.minutes;
    in.latitude = c.latitude;
    in.longitude = c.longitude;
    in.windDirection = c.windDirection;
    in.ignition = IgnitionFromCode(c.ignition);
    FbpOutputs out;
    ASSERT_EQ(ComputeFbp(in, out), FbpResult::Computed);
    const GeoPoint origin = IgnitionPoint(in);

    const auto doc = nlohmann::json::parse(
        PerimeterGeoJson(origin, {FbpPerimeterFeature(in, out, "Fire at the elapsed time")}));
    ASSERT_EQ(doc["type"], "FeatureCollection");
    ASSERT_EQ(doc["features"].size(), 2u);
    // Longitude before latitude: the ignition point is written [lon, lat].
    EXPECT_EQ(doc["features"][0]["geometry"]["coordinates"],
              nlohmann::json::array({c.longitude, c.latitude}));
    const auto& fire = doc["features"][1];
    EXPECT_EQ(fire["properties"]["fuel_type"], c.fuel);
    EXPECT_DOUBLE_EQ(fire["properties"]["area_ha"].get<double>(), out.area);
    CheckPolygon(fire, {c.latitude, c.longitude}, out.area, out.hsd);
    const auto& ring = fire["geometry"]["coordinates"][0];

    // The KML carries the same outline, longitude first.
    const std::string kml = PerimeterKml(origin, "Fire", {FbpPerimeterFeature(in, out, "Fire")});
    const auto shortest = [](double v) {
        char text[32];
        return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
    };
    const std::string head = "<coordinates>\n" + shortest(ring[0][0].get<double>()) + "," +
                             shortest(ring[0][1].get<double>()) + ",0\n";
    EXPECT_NE(kml.find(head), std::string::npos);
}

// The first display (C2, point ignition, 15 min at 55 N 110 W), longer fires and the corners
// of the latitudes the calculator accepts, both hemispheres of longitude.
INSTANTIATE_TEST_SUITE_P(
    FirstDisplayAndSites, PerimeterFileTest,
    testing::Values(PerimeterCase{"FirstDisplay", "C2", 15, 55, -110, 0, 1},
                    PerimeterCase{"C2TwoHoursLine", "C2", 120, 55, -110, 0, 0},
                    PerimeterCase{"O1aWindFromSouthWest", "O1a", 60, 30, 170, 225, 1},
                    PerimeterCase{"M1FarNorth", "M1", 600, 89.9, -110, 90, 1}),
    [](const testing::TestParamInfo<PerimeterCase>& row) { return std::string(row.param.name); });

TEST(PerimeterFile, AFireThatHasNotSpreadIsItsIgnitionPoint) {
    FbpInputs in = CalculatorDefaults("C2");
    in.elapsedTime = 0;
    FbpOutputs out;
    ASSERT_EQ(ComputeFbp(in, out), FbpResult::Computed);
    const auto doc = nlohmann::json::parse(
        PerimeterGeoJson(IgnitionPoint(in), {FbpPerimeterFeature(in, out, "Fire")}));
    EXPECT_EQ(doc["features"][1]["geometry"]["type"], "Point");
}

// The detection assessment's nested perimeters: one polygon per row, each named by its elapsed
// and clock time, read back with the row's area and head distance, growing down the table.
TEST(PerimeterFile, DetectionRowsAreNestedPolygonsWithTheirElapsedTime) {
    FbpInputs fire = CalculatorDefaults("C2");
    fire.windDirection = 250;
    HourlyTables hourly;
    for (std::size_t h = 0; h < hourly.ffmc.size(); ++h) {
        hourly.ffmc[h] = 86 + 0.25 * static_cast<double>(h % 12);
        hourly.windSpeed[h] = 10 + static_cast<double>(h % 8) * 2;
    }
    const int start = 14 * 60 + 30;
    const std::vector<AccumulatedGrowthRow> rows = GrowDetectionFire(fire, start, hourly);
    ASSERT_EQ(rows.size(), 10u);
    const GeoPoint origin = IgnitionPoint(fire);
    const auto doc = nlohmann::json::parse(
        PerimeterGeoJson(origin, DetectionPerimeterFeatures(fire, start, rows)));
    ASSERT_EQ(doc["features"].size(), rows.size() + 1);
    double previousArea = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& feature = doc["features"][i + 1];
        const auto& p = feature["properties"];
        EXPECT_EQ(p["elapsed_time_min"].get<double>(), rows[i].elapsedTime);
        EXPECT_EQ(p["start_time"], "14:30");
        EXPECT_EQ(p["name"], "Fire at " + FormatGeneral(rows[i].elapsedTime) + " min (" +
                                 ClockText(start + static_cast<int>(rows[i].elapsedTime)) + ")");
        EXPECT_DOUBLE_EQ(p["head_distance_m"].get<double>(), rows[i].headDistance);
        EXPECT_EQ(p["fire_type"], FireTypeKey(rows[i].fireType).label);
        CheckPolygon(feature, origin, rows[i].area, rows[i].headDistance);
        EXPECT_GT(rows[i].area, previousArea);
        previousArea = rows[i].area;
    }
}

}  // namespace
}  // namespace emberlin::forms

// Saved fire perimeters read back as a map would: the polygon's geodesic area and head
// distance against the FBP outputs, and the GeoJSON rules viewers rely on.
#include "forms/exports/perimeter_file.h"

#include <gtest/gtest.h>

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/PolygonArea.hpp>
#include <charconv>
#include <nlohmann/json.hpp>
#include <string>

#include "fbp/fbp_engine.h"
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

class PerimeterFileTest : public testing::TestWithParam<PerimeterCase> {};

TEST_P(PerimeterFileTest, ReadsBackWithTheFiresAreaHeadDistanceAndDirection) {
    const PerimeterCase& c = GetParam();
    FbpInputs in = CalculatorDefaults(c.fuel);
    in.elapsedTime = c.minutes;
    in.latitude = c.latitude;
    in.longitude = c.longitude;
    in.windDirection = c.windDirection;
    in.ignitionType = c.ignition;
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
    ASSERT_EQ(fire["geometry"]["type"], "Polygon");
    const auto& ring = fire["geometry"]["coordinates"][0];
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
    EXPECT_NEAR(area / 10000.0, out.area, out.area * 0.005);

    // The head of the ellipse is its first vertex: hsd from the ignition point, along raz.
    double headDistance = 0, azimuth = 0, backAzimuth = 0;
    wgs84.Inverse(c.latitude, c.longitude, ring[0][1].get<double>(), ring[0][0].get<double>(),
                  headDistance, azimuth, backAzimuth);
    EXPECT_NEAR(headDistance, out.hsd, out.hsd * 0.001);
    const double spread = fire["properties"]["spread_direction_deg"].get<double>();
    EXPECT_NEAR(std::remainder(azimuth - spread, 360.0), 0.0, 0.01);

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

}  // namespace
}  // namespace emberlin::forms

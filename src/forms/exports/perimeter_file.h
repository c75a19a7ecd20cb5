// Fire perimeters for maps: a fire's ellipse placed on the Earth (WGS 84) with its rear, the
// ignition point, at the site's latitude and longitude, written as GeoJSON (RFC 7946) or KML.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "fbp/accumulated_growth.h"
#include "forms/content/fire_shape.h"

namespace emberlin::forms {

// Degrees on WGS 84, north and east positive.
struct GeoPoint {
    double latitude = 0;
    double longitude = 0;
};

// The outline of `ellipse` (metres east and north of the plane's origin) as a closed ring on
// the ellipsoid with the origin at `origin`: `vertices` distinct points (at least 3; the
// first is repeated at the end), counter-clockwise seen from above. Plane positions are taken
// as azimuthal equidistant about the origin, so every distance and direction from the
// ignition point is the geodesic one.
std::vector<GeoPoint> EllipseRing(const FireEllipse& ellipse, GeoPoint origin, int vertices);

// Vertices of every saved outline: a polygon inscribed in the ellipse with this many corners
// has 0.03 % less area than the ellipse.
inline constexpr int kPerimeterVertices = 144;

// One property of a perimeter: a number with its unit in the name, or a text.
struct PerimeterProperty {
    std::string name;  // "head_distance_m"
    std::variant<double, std::string> value;
};

struct PerimeterFeature {
    std::string name;  // "Fire at 60 min"
    FireEllipse ellipse;
    bool noSpread = false;  // written as the ignition point alone
    std::vector<PerimeterProperty> properties;
};

// A FeatureCollection: the ignition point, then one polygon per feature in the given order
// (a feature with no spread is a point). Longitude before latitude, rings closed and
// counter-clockwise.
std::string PerimeterGeoJson(GeoPoint origin, const std::vector<PerimeterFeature>& features);

// The fire ComputeFbp gave `outputs` for `inputs` (an FBP record with the site's signed
// longitude, negative west), named `name`, with its properties: fuel type, ignition, elapsed
// time, distances, area, perimeter, fire type, spread direction, then the inputs.
PerimeterFeature FbpPerimeterFeature(const FbpInputs& inputs, const FbpOutputs& outputs,
                                     std::string name);

// The detection assessment's fire at each of its rows, innermost first: `rows` grown from
// `fire` (fuel, ignition, site and day; the weather ran hour by hour) started `startMinutes`
// after midnight. Each feature is named by its elapsed time and clock time and carries the
// row's distances, area, perimeter, fire type and spread direction, then the inputs.
std::vector<PerimeterFeature> DetectionPerimeterFeatures(
    const FbpInputs& fire, int startMinutes, const std::vector<AccumulatedGrowthRow>& rows);

// The ignition point of an FBP record: its latitude and (signed) longitude.
GeoPoint IgnitionPoint(const FbpInputs& inputs);

// A KML document named `title` with the same placemarks, properties as extended data.
std::string PerimeterKml(GeoPoint origin, std::string_view title,
                         const std::vector<PerimeterFeature>& features);

}  // namespace emberlin::forms

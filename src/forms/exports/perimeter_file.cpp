// Fire perimeters as GeoJSON and KML; the geodesy is GeographicLib's.
#include "forms/exports/perimeter_file.h"

#include <GeographicLib/AzimuthalEquidistant.hpp>
#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <iterator>
#include <nlohmann/json.hpp>
#include <numbers>

#include "common/csv_text.h"
#include "common/number_text.h"
#include "forms/content/pictures.h"

namespace emberlin::forms {

namespace {

std::string PropertyText(const PerimeterProperty& p) {
    if (const double* number = std::get_if<double>(&p.value)) return ShortestNumber(*number);
    return std::get<std::string>(p.value);
}

nlohmann::ordered_json Position(GeoPoint p) {
    return nlohmann::ordered_json::array({p.longitude, p.latitude});
}

nlohmann::ordered_json Properties(const PerimeterFeature& feature) {
    nlohmann::ordered_json properties = nlohmann::ordered_json::object();
    properties["name"] = feature.name;
    for (const PerimeterProperty& p : feature.properties) {
        if (const double* number = std::get_if<double>(&p.value)) {
            properties[p.name] = *number;
        } else {
            properties[p.name] = std::get<std::string>(p.value);
        }
    }
    return properties;
}

// The place and the site's inputs, the last properties of every feature.
void AppendSiteProperties(std::vector<PerimeterProperty>& properties, const FbpInputs& inputs) {
    const PerimeterProperty site[] = {
        {"wind_direction_deg", inputs.windDirection},
        {"slope_percent", inputs.slope},
        {"aspect_deg", inputs.aspect},
        {"percent_conifer", inputs.pc},
        {"percent_dead_fir", inputs.pdf},
        {"grass_curing_percent", inputs.gc},
        {"grass_fuel_load_kg_per_m2", inputs.gfl},
        {"day_of_year", static_cast<double>(inputs.julianDay)},
        {"latitude", inputs.latitude},
        {"longitude", inputs.longitude},
        {"elevation_m", static_cast<double>(inputs.elevation)},
    };
    properties.insert(properties.end(), std::begin(site), std::end(site));
}

}  // namespace

std::vector<GeoPoint> EllipseRing(const FireEllipse& ellipse, GeoPoint origin, int vertices) {
    if (vertices < 3) vertices = 3;
    const GeographicLib::AzimuthalEquidistant projection(GeographicLib::Geodesic::WGS84());
    const double r = ellipse.rotation * std::numbers::pi / 180.0;
    // Along the spread direction and across it, to the right of the head.
    const double alongEast = std::sin(r), alongNorth = std::cos(r);
    const double acrossEast = std::cos(r), acrossNorth = -std::sin(r);
    std::vector<GeoPoint> ring;
    ring.reserve(static_cast<std::size_t>(vertices) + 1);
    for (int i = 0; i < vertices; ++i) {
        // From the head towards the left flank: counter-clockwise seen from above.
        const double t = 2.0 * std::numbers::pi * i / vertices;
        const double along = ellipse.semiMajor * std::cos(t);
        const double across = -ellipse.semiMinor * std::sin(t);
        const double east = ellipse.centre.east + along * alongEast + across * acrossEast;
        const double north = ellipse.centre.north + along * alongNorth + across * acrossNorth;
        GeoPoint p;
        projection.Reverse(origin.latitude, origin.longitude, east, north, p.latitude, p.longitude);
        ring.push_back(p);
    }
    ring.push_back(ring.front());
    return ring;
}

PerimeterFeature FbpPerimeterFeature(const FbpInputs& inputs, const FbpOutputs& outputs,
                                     std::string name) {
    const FireShape shape = DescribeFireShape(inputs, outputs);
    PerimeterFeature feature;
    feature.name = std::move(name);
    feature.ellipse = shape.ellipse;
    feature.noSpread = shape.noSpread;
    feature.properties = {
        {"fuel_type", inputs.fuelType},
        {"ignition", shape.lineIgnition ? "line" : "point"},
        {"elapsed_time_min", shape.elapsedTime},
        {"head_distance_m", outputs.hsd},
        {"flank_distance_m", outputs.fsd},
        {"back_distance_m", outputs.bsd},
        {"area_ha", outputs.area},
        {"perimeter_m", outputs.perimeter},
        {"fire_type", shape.fireTypeKey.label},
        {"spread_direction_deg", shape.ellipse.rotation},
        {"head_ros_m_per_min", outputs.ros},
        {"head_fire_intensity_kw_per_m", outputs.hfi},
        {"ffmc", inputs.ffmc},
        {"bui", inputs.bui},
        {"wind_speed_km_per_h", inputs.windSpeed},
    };
    AppendSiteProperties(feature.properties, inputs);
    return feature;
}

std::vector<PerimeterFeature> DetectionPerimeterFeatures(
    const FbpInputs& fire, int startMinutes, const std::vector<AccumulatedGrowthRow>& rows) {
    std::vector<PerimeterFeature> features;
    features.reserve(rows.size());
    for (const AccumulatedGrowthRow& row : rows) {
        const std::string minutes = FormatGeneral(row.elapsedTime);
        const std::string clock = ClockText(startMinutes + static_cast<int>(row.elapsedTime));
        PerimeterFeature feature;
        feature.name = "Fire at " + minutes + " min (" + clock + ")";
        feature.ellipse = EllipseFromDistances(
            {row.headDistance, row.flankDistance, row.backDistance, row.behaviour.raz});
        // The shape's rule: a fire under one centimetre long is its ignition point.
        feature.noSpread = !(row.headDistance + row.backDistance >= 0.01);
        feature.properties = {
            {"fuel_type", fire.fuelType},
            {"ignition", fire.ignition == IgnitionType::Line ? "line" : "point"},
            {"start_time", ClockText(startMinutes)},
            {"elapsed_time_min", row.elapsedTime},
            {"clock_time", clock},
            {"head_distance_m", row.headDistance},
            {"flank_distance_m", row.flankDistance},
            {"back_distance_m", row.backDistance},
            {"area_ha", row.area},
            {"perimeter_m", row.perimeter},
            {"fire_type", FireTypeKey(row.fireType).label},
            {"spread_direction_deg", feature.ellipse.rotation},
            {"head_ros_m_per_min", row.behaviour.ros},
            {"head_fire_intensity_kw_per_m", row.behaviour.hfi},
            {"weather", "FFMC and wind speed hour by hour from the diurnal weather"},
            {"bui", fire.bui},
        };
        AppendSiteProperties(feature.properties, fire);
        features.push_back(std::move(feature));
    }
    return features;
}

GeoPoint IgnitionPoint(const FbpInputs& inputs) { return {inputs.latitude, inputs.longitude}; }

std::string PerimeterGeoJson(GeoPoint origin, const std::vector<PerimeterFeature>& features) {
    using Json = nlohmann::ordered_json;
    Json collection = {{"type", "FeatureCollection"}, {"features", Json::array()}};
    collection["features"].push_back(
        {{"type", "Feature"},
         {"geometry", {{"type", "Point"}, {"coordinates", Position(origin)}}},
         {"properties", {{"name", "Ignition point"}}}});
    for (const PerimeterFeature& feature : features) {
        Json geometry;
        if (feature.noSpread) {
            geometry = {{"type", "Point"}, {"coordinates", Position(origin)}};
        } else {
            Json ring = Json::array();
            for (GeoPoint p : EllipseRing(feature.ellipse, origin, kPerimeterVertices)) {
                ring.push_back(Position(p));
            }
            geometry = {{"type", "Polygon"}, {"coordinates", Json::array({ring})}};
        }
        collection["features"].push_back(
            {{"type", "Feature"}, {"geometry", geometry}, {"properties", Properties(feature)}});
    }
    return collection.dump(1) + "\n";
}

std::string PerimeterKml(GeoPoint origin, std::string_view title,
                         const std::vector<PerimeterFeature>& features) {
    const auto coordinates = [](GeoPoint p) {
        return ShortestNumber(p.longitude) + "," + ShortestNumber(p.latitude) + ",0";
    };
    std::string kml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>" +
        MarkupEscaped(title, true) +
        "</name>\n"
        "<Style id=\"perimeter\"><LineStyle><color>ff0000cc</color><width>2</width></LineStyle>"
        "<PolyStyle><fill>0</fill></PolyStyle></Style>\n"
        "<Placemark><name>Ignition point</name><Point><coordinates>" +
        coordinates(origin) + "</coordinates></Point></Placemark>\n";
    for (const PerimeterFeature& feature : features) {
        kml += "<Placemark><name>" + MarkupEscaped(feature.name, true) +
               "</name><styleUrl>#perimeter</styleUrl>\n<ExtendedData>\n";
        for (const PerimeterProperty& p : feature.properties) {
            kml += "<Data name=\"" + MarkupEscaped(p.name, true) + "\"><value>" +
                   MarkupEscaped(PropertyText(p), true) + "</value></Data>\n";
        }
        kml += "</ExtendedData>\n";
        if (feature.noSpread) {
            kml += "<Point><coordinates>" + coordinates(origin) + "</coordinates></Point>";
        } else {
            kml += "<Polygon><outerBoundaryIs><LinearRing><coordinates>\n";
            for (GeoPoint p : EllipseRing(feature.ellipse, origin, kPerimeterVertices)) {
                kml += coordinates(p) + "\n";
            }
            kml += "</coordinates></LinearRing></outerBoundaryIs></Polygon>";
        }
        kml += "</Placemark>\n";
    }
    kml += "</Document>\n</kml>\n";
    return kml;
}

}  // namespace emberlin::forms

// The fire drawn to scale: ellipse, arrows, scale bar and caption from the engine's outputs.
#include "forms/content/fire_shape.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "common/constants.h"
#include "common/number_text.h"
#include "fire/intensity_class.h"

namespace emberlin::forms {

namespace {

// A fire shorter than this (m) is no fire to draw; the calculator writes its distances 0.00.
constexpr double kNoSpreadLength = 0.01;

// The engine's own degree conversion, so that its raz turns back into the degrees it came from.
constexpr double kDegreesPerRadian = 180.0 / kPi;

double Compass(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

// Geometry on the drawing uses the full-precision pi, so that due south is exactly south.
double Radians(double compassDegrees) { return compassDegrees * std::numbers::pi / 180.0; }

std::string Decimals(double value, int precision) { return FormatFixed(value, 0, precision); }

struct Box {
    double minEast = 0, maxEast = 0, minNorth = 0, maxNorth = 0;  // the ignition point is in it

    void Add(const FireEllipse& e) {
        // Half extents of an ellipse whose long axis points to compass angle r.
        const double r = Radians(e.rotation);
        const double s = std::sin(r), c = std::cos(r);
        const double a = e.semiMajor, b = e.semiMinor;
        const double halfEast = std::sqrt(a * a * s * s + b * b * c * c);
        const double halfNorth = std::sqrt(a * a * c * c + b * b * s * s);
        minEast = std::min(minEast, e.centre.east - halfEast);
        maxEast = std::max(maxEast, e.centre.east + halfEast);
        minNorth = std::min(minNorth, e.centre.north - halfNorth);
        maxNorth = std::max(maxNorth, e.centre.north + halfNorth);
    }
};

}  // namespace

FireEllipse EllipseFromDistances(const OutlineDistances& d) {
    FireEllipse e;
    e.rotation = Compass(d.raz * kDegreesPerRadian);
    const double r = Radians(e.rotation);
    const double offset = (d.head - d.back) * 0.5;  // centre ahead of the ignition point
    e.centre = {offset * std::sin(r), offset * std::cos(r)};
    e.semiMajor = (d.head + d.back) * 0.5;
    e.semiMinor = d.flank;
    return e;
}

std::vector<FireEllipse> NestedOutlines(std::span<const OutlineDistances> distances) {
    std::vector<FireEllipse> outlines;
    outlines.reserve(distances.size());
    for (const OutlineDistances& d : distances) outlines.push_back(EllipseFromDistances(d));
    return outlines;
}

FireShape DescribeFireShape(const FbpInputs& inputs, const FbpOutputs& outputs) {
    FireShape shape;
    shape.lineIgnition = inputs.ignition == IgnitionType::Line;
    shape.elapsedTime = std::max(inputs.elapsedTime, 0.0);
    shape.headDistance = outputs.hsd;
    shape.flankDistance = outputs.fsd;
    shape.backDistance = outputs.bsd;
    shape.headRos = outputs.ros;
    shape.flankRos = outputs.fros;
    shape.backRos = outputs.bros;
    shape.lengthToBreadth = outputs.lb;
    shape.area = outputs.area;
    shape.perimeter = outputs.perimeter;
    shape.fireType = ClassifyFireType(outputs.cfb);
    shape.fireTypeKey = FireTypeKey(shape.fireType);
    shape.noSpread = !(outputs.hsd + outputs.bsd >= kNoSpreadLength);
    shape.ellipse = EllipseFromDistances({outputs.hsd, outputs.fsd, outputs.bsd, outputs.raz});

    if (shape.lineIgnition && !shape.noSpread) {
        // Half the chord of the ellipse through the ignition point, across the long axis.
        const FireEllipse& e = shape.ellipse;
        const double along = (outputs.hsd - outputs.bsd) * 0.5 / e.semiMajor;
        const double half = e.semiMinor * std::sqrt(std::max(0.0, 1.0 - along * along));
        const double r = Radians(e.rotation);
        const double east = half * std::cos(r), north = -half * std::sin(r);
        shape.ignitionLine = {{-east, -north}, {east, north}};
    }

    if (inputs.windSpeed > 0.0) {
        shape.arrows.push_back({ShapeArrowKind::Wind, Compass(inputs.windDirection + 180.0),
                                "Wind " + FormatGeneral(inputs.windSpeed) + " km/h"});
    }
    if (inputs.slope > 0.0) {
        shape.arrows.push_back({ShapeArrowKind::Upslope, Compass(inputs.aspect + 180.0),
                                "Upslope " + FormatGeneral(inputs.slope) + " %"});
    }
    if (!shape.noSpread) {
        shape.arrows.push_back({ShapeArrowKind::Spread, shape.ellipse.rotation,
                                "Spread " + Decimals(outputs.ros, 2) + " m/min"});
    }
    return shape;
}

std::vector<std::string> CaptionLines(const FireShape& shape) {
    const auto distance = [](const char* name, double metres, double rate) {
        return std::string(name) + " " + Decimals(metres, 2) + " m at " + Decimals(rate, 2) +
               " m/min";
    };
    std::vector<std::string> lines;
    lines.push_back(std::string(shape.lineIgnition ? "Line" : "Point") + " ignition, " +
                    FormatGeneral(shape.elapsedTime) + " min");
    if (shape.noSpread) {
        lines.push_back(kNoSpreadText);
    } else {
        lines.push_back(distance("Head", shape.headDistance, shape.headRos));
        lines.push_back(distance("Flank", shape.flankDistance, shape.flankRos));
        lines.push_back(distance("Back", shape.backDistance, shape.backRos));
        lines.push_back("L/B " + Decimals(shape.lengthToBreadth, 2));
        lines.push_back("Area " + Decimals(shape.area, 2) + " ha");
        lines.push_back("Perimeter " + Decimals(shape.perimeter, 2) + " m");
    }
    lines.push_back(shape.fireTypeKey.label);
    return lines;
}

double RoundScaleLength(double maxMetres) {
    if (!(maxMetres > 0.0) || !std::isfinite(maxMetres)) return 0.0;
    const double power = std::pow(10.0, std::floor(std::log10(maxMetres)));
    // The tolerance keeps an exact round length (log10 of 1000 may fall just short of 3).
    for (const double step : {10.0, 5.0, 2.0, 1.0}) {
        if (step * power <= maxMetres * (1.0 + 1e-12)) return step * power;
    }
    return 0.5 * power;  // log10 rounded up past the value
}

ChartAxis IntensityAxis(double largest) {
    // log10 of 0 or less has no decade: such an axis would have no finite range.
    if (!(largest > 0.0) || !std::isfinite(largest)) return {500.0, 100.0};
    const double raw = largest * 1.1 / 5.0;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    const double step = raw <= decade       ? decade
                        : raw <= 2 * decade ? 2 * decade
                        : raw <= 5 * decade ? 5 * decade
                                            : 10 * decade;
    return {std::ceil(largest * 1.1 / step) * step, step};
}

ShapeFit FitShape(const FireShape& shape, double panelWidth, double panelHeight, double margin,
                  double maxPixelsPerMetre) {
    Box box;
    if (!shape.noSpread) box.Add(shape.ellipse);
    for (const FireEllipse& e : shape.outlines) box.Add(e);
    const double width = box.maxEast - box.minEast, height = box.maxNorth - box.minNorth;
    const double roomX = std::max(panelWidth - 2.0 * margin, 1.0);
    const double roomY = std::max(panelHeight - 2.0 * margin, 1.0);

    double scale = std::isfinite(maxPixelsPerMetre) && maxPixelsPerMetre > 0.0
                       ? maxPixelsPerMetre
                       : std::numeric_limits<double>::infinity();
    if (width > 0.0) scale = std::min(scale, roomX / width);
    if (height > 0.0) scale = std::min(scale, roomY / height);
    if (!std::isfinite(scale)) scale = 1.0;

    ShapeFit fit;
    fit.pixelsPerMetre = scale;
    const double midEast = (box.minEast + box.maxEast) * 0.5;
    const double midNorth = (box.minNorth + box.maxNorth) * 0.5;
    fit.originX = panelWidth * 0.5 - midEast * scale;
    fit.originY = panelHeight * 0.5 + midNorth * scale;  // north is up, pixels run down
    fit.scaleBarMetres = RoundScaleLength(0.25 * roomX / scale);
    fit.scaleBarPixels = fit.scaleBarMetres * scale;
    fit.scaleBarLabel = FormatGeneral(fit.scaleBarMetres) + " m";
    return fit;
}

const std::array<IntensityBand, 6>& IntensityBands() {
    constexpr double kNoUpper = std::numeric_limits<double>::infinity();
    // Viridis, light to dark, so that the order of the classes reads in grey too.
    static const std::array<IntensityBand, 6> bands = {{
        {kIntensityClassLower[0], kIntensityClassLower[1], {"#FDE725", "Class 1: below 10 kW/m"}},
        {kIntensityClassLower[1], kIntensityClassLower[2], {"#7AD151", "Class 2: 10 to 500 kW/m"}},
        {kIntensityClassLower[2],
         kIntensityClassLower[3],
         {"#22A884", "Class 3: 500 to 2,000 kW/m"}},
        {kIntensityClassLower[3],
         kIntensityClassLower[4],
         {"#2A788E", "Class 4: 2,000 to 4,000 kW/m"}},
        {kIntensityClassLower[4],
         kIntensityClassLower[5],
         {"#414487", "Class 5: 4,000 to 10,000 kW/m"}},
        {kIntensityClassLower[5], kNoUpper, {"#440154", "Class 6: 10,000 kW/m and above"}},
    }};
    return bands;
}

ColourKey FireTypeKey(FireType type) {
    switch (type) {
        case FireType::Surface:
            return {"#0072B2", "Surface Fire"};
        case FireType::IntermittentCrown:
            return {"#E69F00", "Intermittent Crown Fire"};
        case FireType::Crown:
            return {"#D55E00", "Crown Fire"};
    }
    return {"#0072B2", "Surface Fire"};
}

}  // namespace emberlin::forms

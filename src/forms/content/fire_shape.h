// The fire drawn to scale: a plain description of the fire ellipse, its arrows, scale bar and
// caption built from the engine's outputs and the form's inputs, which the drawing layer only
// paints. Also the intensity classes and the fire type colours every picture shares.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "fbp/fbp_records.h"

namespace emberlin::forms {

// Positions are in metres east and north of the ignition point; directions are compass
// degrees in [0, 360), 0 north, clockwise.
struct PlanePoint {
    double east = 0;
    double north = 0;
};

struct FireEllipse {
    PlanePoint centre;
    double semiMajor = 0;  // m, along the spread direction: (head + back distance) / 2
    double semiMinor = 0;  // m, across it: the flank distance
    double rotation = 0;   // direction of the head end of the long axis
};

// Head, flank and back distances (m) and the spread direction (radians, the engine's raz).
struct OutlineDistances {
    double head = 0;
    double flank = 0;
    double back = 0;
    double raz = 0;
};

enum class ShapeArrowKind { Wind, Upslope, Spread };

struct ShapeArrow {
    ShapeArrowKind kind = ShapeArrowKind::Wind;
    double direction = 0;  // where the arrow points
    std::string label;     // "Wind 25 km/h", "Upslope 30 %", "Spread 11.09 m/min"
};

struct ShapeSegment {
    PlanePoint from;
    PlanePoint to;
};

// A colour (#rrggbb) with the words that name what it stands for, so no meaning rests on
// colour alone. The colours keep apart under red-green colour blindness.
struct ColourKey {
    std::string colour;
    std::string label;
};

struct FireShape {
    // A fire under one centimetre long: only the ignition point and "no spread" are drawn.
    bool noSpread = false;
    bool lineIgnition = false;
    double elapsedTime = 0;  // min
    FireEllipse ellipse;     // the fire at the elapsed time
    PlanePoint ignition;     // always the origin
    // Line ignition: the ignition line across the ellipse through the ignition point, at
    // right angles to the spread direction. Zero length for a point ignition.
    ShapeSegment ignitionLine;
    // Wind (towards where it blows, when above 0 km/h), upslope (when the slope is above 0)
    // and spread (unless there is no spread), in that order.
    std::vector<ShapeArrow> arrows;
    FireType fireType = FireType::Surface;
    ColourKey fireTypeKey;
    // For the caption: distances (m), equilibrium rates (m/min), area (ha), perimeter (m).
    double headDistance = 0, flankDistance = 0, backDistance = 0;
    double headRos = 0, flankRos = 0, backRos = 0;
    double lengthToBreadth = 0, area = 0, perimeter = 0;
    // Earlier perimeters of the same fire, innermost first; empty unless filled by the caller.
    std::vector<FireEllipse> outlines;
};

// Where the drawing goes in a panel of pixels (x to the right, y downwards).
struct ShapeFit {
    double pixelsPerMetre = 1;
    double originX = 0;  // pixel of the ignition point
    double originY = 0;
    double scaleBarMetres = 0;
    double scaleBarPixels = 0;
    std::string scaleBarLabel;  // "20 m"
};

inline constexpr const char* kNoSpreadText = "no spread";

// The ellipse of a fire with these distances around an ignition point at the origin: long
// axis head + back along raz with the head end `head` metres from the ignition point, breadth
// 2 * flank.
FireEllipse EllipseFromDistances(const OutlineDistances& d);

// One ellipse per set of distances, in the given order.
std::vector<FireEllipse> NestedOutlines(std::span<const OutlineDistances> distances);

// The description of the fire that ComputeFbp gave `outputs` for `inputs`. The wind input is
// the direction the wind blows from and the aspect the direction the slope faces, as the
// engine reads them; arrows point where wind and slope push the fire.
FireShape DescribeFireShape(const FbpInputs& inputs, const FbpOutputs& outputs);

// The caption beside the shape, one line each: ignition and elapsed time, head, flank and
// back distances with their rates, length-to-breadth ratio, area, perimeter and fire type.
std::vector<std::string> CaptionLines(const FireShape& shape);

// The largest of 1, 2 and 5 times a power of ten that does not exceed `maxMetres` (0 when
// maxMetres is not above 0).
double RoundScaleLength(double maxMetres);

// Scale and placing that show the whole fire (ellipse, outlines and ignition point) inside
// the panel less `margin` pixels on every side, never larger than `maxPixelsPerMetre`; the
// drawing is centred. The scale bar is the round length of at most a quarter of the drawing
// width. A fire of no size is drawn at maxPixelsPerMetre (1 when that is not finite).
ShapeFit FitShape(const FireShape& shape, double panelWidth, double panelHeight, double margin,
                  double maxPixelsPerMetre);

// An intensity axis from 0: its top and the step of its ticks.
struct ChartAxis {
    double top;
    double step;
};
// A round step of 1, 2 or 5 times a power of ten giving about five intervals up to 1.1 times
// `largest`, the top a whole number of steps. With nothing above 0 to show (no result and both
// thresholds 0) or no finite value, the axis spans classes 1 and 2: 0 to 500 kW/m by 100.
ChartAxis IntensityAxis(double largest);

struct IntensityBand {
    double lower;  // kW/m, inclusive
    double upper;  // kW/m, exclusive; infinity for class 6
    ColourKey key;
};

// The six bands in class order, on a sequential palette from pale (class 1) to dark (class 6).
const std::array<IntensityBand, 6>& IntensityBands();

// The colour of a fire type: blue surface, orange intermittent crown, vermillion crown,
// labelled with the fire type words of the FBP calculator.
ColourKey FireTypeKey(FireType type);

}  // namespace emberlin::forms

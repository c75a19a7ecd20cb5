// FBP engine data: input and output records, the fuel type table and the fire type rule.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace emberlin {

// How a fire starts: from a point (it builds up to its full rate) or as a line front.
enum class IgnitionType { Line, Point };

// Whether the BUI enters the calculation; switched off, the BUI is taken as 0.
enum class BuiSwitch { Off, On };

// The numeric codes of the batch columns and the Python module: 0 or below is a line
// ignition, anything above a point ignition; 1 switches the BUI on, any other number off.
IgnitionType IgnitionFromCode(int code);
BuiSwitch BuiSwitchFromCode(int code);

// One fire-behaviour problem. ComputeFbp normalises its own copy; see fbp_engine.h.
struct FbpInputs {
    std::string fuelType;  // one of the 18 codes, any letter case
    IgnitionType ignition = IgnitionType::Line;
    double elapsedTime = 0;                // min since ignition
    double ffmc = 0;                       // Fine Fuel Moisture Code
    double bui = 0;                        // Buildup Index
    double windSpeed = 0;                  // km/h, 10-m open wind
    double windDirection = 0;              // degrees the wind blows from, clockwise from north
    double slope = 0;                      // %
    double aspect = 0;                     // degrees the slope faces, clockwise from north
    double pc = 0;                         // % conifer (M1, M2)
    double pdf = 0;                        // % dead balsam fir (M3, M4)
    double gc = 0;                         // % grass curing (O1a, O1b)
    double gfl = 0;                        // kg/m^2 grass fuel load (O1a, O1b)
    int julianDay = 0;                     // day of the year, 1 January = 1
    int minFmcDay = 0;                     // day of minimum foliar moisture; 0 = work it out
    double latitude = 0;                   // degrees, north positive
    double longitude = 0;                  // degrees; only the magnitude is used
    int elevation = 0;                     // m; 0 or below selects the formula without elevation
    BuiSwitch buiEffect = BuiSwitch::Off;  // Off makes the BUI 0
    double fmc = 0;                        // % foliar moisture; 0 or below = work it out
    double theta = 0;                      // degrees, direction of the *Theta outputs
};

// The FBP System outputs, in their published order.
struct FbpOutputs {
    double ros = 0;        // m/min head rate at equilibrium
    double fros = 0;       // m/min flank rate at equilibrium
    double bros = 0;       // m/min back rate at equilibrium
    double rosTheta = 0;   // m/min rate towards theta at equilibrium
    double rost = 0;       // m/min head rate at elapsedTime
    double frost = 0;      // m/min flank rate at elapsedTime
    double brost = 0;      // m/min back rate at elapsedTime
    double rosThetaT = 0;  // m/min rate towards theta at elapsedTime
    double cfb = 0;        // crown fraction burned, head
    double fcfb = 0;       // crown fraction burned, flank
    double bcfb = 0;       // crown fraction burned, back
    double cfbTheta = 0;   // crown fraction burned towards theta
    double hfi = 0;        // kW/m head fire intensity
    double ffi = 0;        // kW/m flank fire intensity
    double bfi = 0;        // kW/m back fire intensity
    double fiTheta = 0;    // kW/m intensity towards theta
    double tfc = 0;        // kg/m^2 total fuel consumption, head
    double ftfc = 0;       // kg/m^2 total fuel consumption, flank
    double btfc = 0;       // kg/m^2 total fuel consumption, back
    double tfcTheta = 0;   // kg/m^2 total fuel consumption towards theta
    double sfc = 0;        // kg/m^2 surface fuel consumption
    double reserved1 = 0;  // always 0
    double reserved2 = 0;  // always 0
    double reserved3 = 0;  // always 0
    double reserved4 = 0;  // always 0
    double lb = 0;         // length-to-breadth ratio
    double raz = 0;        // radians, net spread direction clockwise from north
    double wsv = 0;        // km/h net effective wind speed
    double hsd = 0;        // m head spread distance
    double fsd = 0;        // m flank spread distance
    double bsd = 0;        // m back spread distance
    double area = 0;       // ha
    double perimeter = 0;  // m
    double pgr = 0;        // m/min perimeter growth rate
};

enum class FireType { Surface, IntermittentCrown, Crown };

// Fuel index: the row of a fuel type in FuelTypeTable.
// clang-format off
enum FuelIndex : int {
    kC1, kC2, kC3, kC4, kC5, kC6, kC7, kD1, kD2,
    kM1, kM2, kM3, kM4, kS1, kS2, kS3, kO1a, kO1b,
};
// clang-format on

// The group of fuel types a row belongs to. The engine tells the grasses apart by it: their
// spread takes the grass curing, their surface consumption is the grass fuel load, and their
// fire shape and build-up are those of an open fuel.
enum class FuelFamily { Conifer, Deciduous, Mixedwood, Slash, Grass };

struct FuelTypeRow {
    std::string_view code;
    std::string_view fuel;  // plain words, not used by the engine
    FuelFamily family;
    double a, b, c;  // rate-of-spread power form a * (1 - e^(-b * isi))^c
    double q, bui0;  // BUI effect
    double cbh;      // m crown base height
    double cfl;      // kg/m^2 crown fuel load
};

// M3 and M4 work out these parameters from the percent dead fir on every use; M1 and M2
// blend the C2 and D1 rows instead.
inline constexpr double kDerived = 0.0;

// clang-format off
inline constexpr std::array<FuelTypeRow, 18> FuelTypeTable = {{
    // code fuel                                            family                 a         b         c         q     bui0 cbh cfl
    {"C1",  "spruce-lichen woodland",                       FuelFamily::Conifer,   90,       0.0649,   4.5,      0.9,  72,  2,  0.75},
    {"C2",  "boreal spruce",                                FuelFamily::Conifer,   110,      0.0282,   1.5,      0.7,  64,  3,  0.8},
    {"C3",  "mature jack or lodgepole pine",                FuelFamily::Conifer,   110,      0.0444,   3.0,      0.75, 62,  8,  1.15},
    {"C4",  "immature jack or lodgepole pine",              FuelFamily::Conifer,   110,      0.0293,   1.5,      0.8,  66,  4,  1.2},
    {"C5",  "red and white pine",                           FuelFamily::Conifer,   30,       0.0697,   4.0,      0.8,  56,  18, 1.2},
    {"C6",  "conifer plantation",                           FuelFamily::Conifer,   30,       0.08,     3.0,      0.8,  62,  7,  1.8},
    {"C7",  "ponderosa pine and Douglas-fir",               FuelFamily::Conifer,   45,       0.0305,   2.0,      0.85, 106, 10, 0.5},
    {"D1",  "leafless aspen",                               FuelFamily::Deciduous, 30,       0.0232,   1.6,      0.9,  32,  0,  0},
    {"D2",  "green aspen",                                  FuelFamily::Deciduous, 30,       0.0232,   1.6,      0.9,  32,  0,  0},
    {"M1",  "boreal mixedwood, leafless",                   FuelFamily::Mixedwood, 0,        0,        0,        0.8,  50,  6,  0.8},
    {"M2",  "boreal mixedwood, green",                      FuelFamily::Mixedwood, 0,        0,        0,        0.8,  50,  6,  0.8},
    {"M3",  "dead balsam fir mixedwood, leafless",          FuelFamily::Mixedwood, kDerived, kDerived, kDerived, 0.8,  50,  6,  0.8},
    {"M4",  "dead balsam fir mixedwood, green",             FuelFamily::Mixedwood, kDerived, 0.0404,   kDerived, 0.8,  50,  6,  0.8},
    {"S1",  "jack or lodgepole pine slash",                 FuelFamily::Slash,     75,       0.0297,   1.3,      0.75, 38,  0,  0},
    {"S2",  "white spruce and balsam slash",                FuelFamily::Slash,     40,       0.0438,   1.7,      0.75, 63,  0,  0},
    {"S3",  "coastal cedar, hemlock and Douglas-fir slash", FuelFamily::Slash,     55,       0.0829,   3.2,      0.75, 31,  0,  0},
    {"O1a", "matted grass",                                 FuelFamily::Grass,     190,      0.031,    1.41,     1.0,  1,   0,  0},
    {"O1b", "standing grass",                               FuelFamily::Grass,     250,      0.035,    1.7,      1.0,  1,   0,  0},
}};
// clang-format on

static_assert(FuelTypeTable[kC1].code == "C1" && FuelTypeTable[kC6].code == "C6" &&
              FuelTypeTable[kD1].code == "D1" && FuelTypeTable[kM1].code == "M1" &&
              FuelTypeTable[kS1].code == "S1" && FuelTypeTable[kO1b].code == "O1b");

// True for 0..17.
constexpr bool IsFuelIndex(int index) {
    return index >= 0 && index < static_cast<int>(FuelTypeTable.size());
}

// True for a row of the grass family; false outside the table.
constexpr bool IsGrassFuel(int index) {
    return IsFuelIndex(index) &&
           FuelTypeTable[static_cast<std::size_t>(index)].family == FuelFamily::Grass;
}

// Row of `code` compared without regard to letter case (the last match), or -1.
int FindFuelType(std::string_view code);

// Surface below 0.1, intermittent crown from 0.1 up to below 0.9, crown from 0.9.
FireType ClassifyFireType(double cfb);

}  // namespace emberlin

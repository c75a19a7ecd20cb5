#include "forms/fbp_calc_form.h"

#include <optional>

#include "common/calendar.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "fbp/fbp_engine.h"

namespace emberlin::forms {

namespace {

struct FuelBox {
    const char* id;
    const char* label;  // as drawn beside the box, trailing blanks included
    double cbh;         // m, crown base height sent with the calculation
};

// One row per fuel index. The crown base heights are the calculator's own list; the engine
// reads its table's values instead and carries these for its callers.
// clang-format off
constexpr std::array<FuelBox, 18> kFuelBoxes = {{
    {"fuelC1",  "C1",   2}, {"fuelC2",  "C2",   3}, {"fuelC3",  "C3 ",  8},
    {"fuelC4",  "C4 ",  4}, {"fuelC5",  "C5 ", 18}, {"fuelC6",  "C6 ",  7},
    {"fuelC7",  "C7",  10}, {"fuelD1",  "D1 ",  7}, {"fuelD2",  "D2 ",  7},
    {"fuelM1",  "M1",   6}, {"fuelM2",  "M2 ",  6}, {"fuelM3",  "M3",   6},
    {"fuelM4",  "M4",   6}, {"fuelS1",  "S1",   7}, {"fuelS2",  "S2",   7},
    {"fuelS3",  "S3",   7}, {"fuelO1a", "O1a",  7}, {"fuelO1b", "O1b",  7},
}};
// clang-format on
static_assert(kFuelBoxes.size() == FuelTypeTable.size());

// A rate of spread at or below this draws no ellipse worth a ratio.
constexpr double kLbRosFloor = 0.001;

std::string TwoDecimals(double value) { return FormatFixed(value, 3, 2); }
// "%d" of the value plus 0.5, truncated towards zero.
std::string Rounded(double value) { return FormatInt(RoundToInt(value)); }

}  // namespace

std::string FireDescription(double cfb) {
    switch (ClassifyFireType(cfb)) {
        case FireType::Surface:
            return "Surface Fire";
        case FireType::IntermittentCrown:
            return "Intermittent Crown Fire";
        case FireType::Crown:
            return "Crown Fire";
    }
    return "Surface Fire";
}

std::string FbpCalcForm::FuelBoxId(int fuelIndex) {
    return IsFuelIndex(fuelIndex) ? kFuelBoxes[static_cast<std::size_t>(fuelIndex)].id : "";
}

FbpCalcForm::FbpCalcForm(SharedValues& shared)
    : FormModel("EMBERLIN - FBP Calculator"), shared_(shared) {
    fuelChecks_[static_cast<std::size_t>(fuelIndex_)] = true;

    // Declared in storing order.
    for (int i = 0; i < kFuelCount; ++i) {
        const FuelBox& box = kFuelBoxes[static_cast<std::size_t>(i)];
        AddCheck(box.id, box.label, fuelChecks_[static_cast<std::size_t>(i)],
                 [this, i] { ChooseFuel(i); });
    }
    AddDouble("bui", "BUI", bui_, 0, 650);
    AddInt("day", "Day", day_, 1, 31);
    AddDouble("ffmc", "FFMC", ffmc_, 0, 101);
    AddDouble("latitude", "Latitude     ( d.d )", latitude_, 30, 90);
    AddDouble("longitude", "Longitude       ( d.d )", longitude_, -170, 170);
    AddInt("month", "Month", month_, 1, 12);
    AddDouble("slope", "Slope ( % )", slope_, 0, 100);
    AddInt("elapsedTime", "Elapsed Time ( min )", elapsedTime_, 0, 300);
    AddDouble("windSpeed", "Wind Speed  ( km/hr )", windSpeed_, 0, 150);
    AddCheck("lineIgnition", "Line", lineIgnition_, [this] { ChooseIgnition(0); });
    AddCheck("pointIgnition", "Point", pointIgnition_, [this] { ChooseIgnition(1); });
    AddInt("elevation", "Elevation ( m )", elevation_, 0, 3000);
    AddInt("df", "DF  (%) ", df_, 0, 100);
    AddInt("gc", "GC  (%)", gc_, 0, 100);
    AddInt("pc", "PC  (%)", pc_, 0, 100);
    AddDouble("aspect", "Aspect", aspect_, 0, 360);
    AddDouble("windDirection", "Wind Direction ( deg )", windDirection_, 0, 360);
    AddDouble("gfl", "GFL  ( kg/m2)", gfl_, 0, 5);

    AddText("rosText", "ROS ( m/min )", rosText_);
    AddText("hfiText", "HFI   ( kW/m )", hfiText_);
    AddText("sfcText", "SFC  ( kg/sq. m )", sfcText_);
    AddText("tfcText", "TFC   ( kg/sq. m )", tfcText_);
    AddText("cfbText", "CFB", cfbText_);
    AddText("fdText", "FD", fdText_);
    AddText("frosText", "FROS  ( m/min )", frosText_);
    AddText("brosText", "BROS ( m/min )", brosText_);
    AddText("ffiText", "FFI    ( kW/m )", ffiText_);
    AddText("bfiText", "BFI  ( kW/m )", bfiText_);
    AddText("areaText", "Area ( ha )", areaText_);
    AddText("perimeterText", "Perimeter ( m )", perimeterText_);
    AddText("pgrText", "PGR ( m / min )", pgrText_);
    AddText("lbText", "LB Ratio", lbText_);
    AddText("hsdText", "HSD  ( m ) ", hsdText_);
    AddText("fsdText", "FSD  ( m )", fsdText_);
    AddText("bsdText", "BSD ( m )", bsdText_);

    AddButton("calculate", "Calculate", [this] { Calculate(); });
    AddButton("acronyms", "FBP  Acronyms", [this] { Host().ShowPanel(kAcronymsPanel); });
    AddButton("ok", "OK", [this] { Ok(); });
    AddButton("cancel", "Cancel", [this] { Cancel(); });
}

void FbpCalcForm::ChooseFuel(int fuelIndex) {
    // The boxes act as exclusive options: the clicked one ends up on, even if it was on. The
    // choice is held at once, so a refused field does not undo it.
    for (int i = 0; i < kFuelCount; ++i) {
        const bool on = i == fuelIndex;
        fuelChecks_[static_cast<std::size_t>(i)] = on;
        SetChecked(FuelBoxId(i), on);
    }
    fuelIndex_ = fuelIndex;
    Calculate();
}

void FbpCalcForm::ChooseIgnition(int ignitionType) {
    lineIgnition_ = ignitionType == 0;
    pointIgnition_ = ignitionType == 1;
    SetChecked("lineIgnition", lineIgnition_);
    SetChecked("pointIgnition", pointIgnition_);
    ignitionType_ = ignitionType;
    Calculate();
}

FbpInputs FbpCalcForm::EngineInputs() const {
    FbpInputs in;
    in.fuelType = std::string(FuelTypeTable[static_cast<std::size_t>(fuelIndex_)].code);
    in.ignitionType = ignitionType_;
    in.elapsedTime = elapsedTime_;
    in.ffmc = ffmc_;
    in.bui = bui_;
    in.windSpeed = windSpeed_;
    in.windDirection = windDirection_;
    in.slope = slope_;
    in.aspect = aspect_;
    in.pc = pc_;
    in.pdf = df_;
    in.gc = gc_;
    in.gfl = gfl_;
    in.cbh = kFuelBoxes[static_cast<std::size_t>(fuelIndex_)].cbh;
    in.minFmcDay = 0;  // worked out by the engine
    in.latitude = latitude_;
    in.longitude = longitude_;
    in.elevation = elevation_;
    in.useBui = 1;
    in.fmc = 0;  // worked out by the engine from place and date
    in.theta = 0;
    return in;
}

FbpInputs FbpCalcForm::HeldInputs() const {
    FbpInputs in = EngineInputs();
    in.julianDay = DayOfYear(month_, day_).value_or(0);
    return in;
}

void FbpCalcForm::Calculate() {
    // Only values that passed their range checks reach the engine.
    if (!StoreForAction()) return;
    const std::optional<int> julianDay = DayOfYear(month_, day_);
    if (!julianDay) return;  // the month's range makes this unreachable

    shared_.fbpReady = 1;
    shared_.fbpFuelTypeIndex = fuelIndex_;
    shared_.fbpIgnitionType = ignitionType_;
    shared_.fbpFfmc = ffmc_;
    shared_.fbpBui = bui_;
    shared_.fbpWindSpeed = windSpeed_;
    shared_.fbpWindDirection = windDirection_;
    shared_.fbpSlope = slope_;
    shared_.fbpAspect = aspect_;
    shared_.fbpPc = pc_;
    shared_.fbpPdf = df_;
    shared_.fbpGc = gc_;
    shared_.fbpGfl = gfl_;
    shared_.fbpElapsedTime = elapsedTime_;
    shared_.fbpLatitude = latitude_;
    shared_.fbpLongitude = longitude_;
    shared_.fbpElevation = elevation_;
    shared_.fbpMonth = month_;
    shared_.fbpDay = day_;

    FbpInputs in = EngineInputs();
    in.julianDay = *julianDay;
    FbpOutputs out;
    if (ComputeFbp(in, out) == 1) {
        lastInputs_ = in;
        WriteOutputs(out);
    }
    Show();
}

void FbpCalcForm::WriteOutputs(const FbpOutputs& out) {
    rosText_ = TwoDecimals(out.ros);
    hfiText_ = Rounded(out.hfi);
    sfcText_ = TwoDecimals(out.sfc);
    tfcText_ = TwoDecimals(out.tfc);
    cfbText_ = TwoDecimals(out.cfb);
    fdText_ = FireDescription(out.cfb);
    frosText_ = TwoDecimals(out.fros);
    brosText_ = TwoDecimals(out.bros);
    ffiText_ = Rounded(out.ffi);
    bfiText_ = Rounded(out.bfi);
    areaText_ = TwoDecimals(out.area);
    perimeterText_ = TwoDecimals(out.perimeter);
    pgrText_ = TwoDecimals(out.pgr);
    lbText_ = TwoDecimals(out.ros > kLbRosFloor ? out.lb : 0.0);
    hsdText_ = TwoDecimals(out.hsd);
    fsdText_ = TwoDecimals(out.fsd);
    bsdText_ = TwoDecimals(out.bsd);
}

}  // namespace emberlin::forms

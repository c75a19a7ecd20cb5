// The FBP System calculation for one fuel type and one set of conditions.
#include "fbp/fbp_engine.h"

#include <cmath>

#include "common/constants.h"
#include "fbp/crown_consumption.h"
#include "fbp/fire_growth.h"
#include "fbp/surface_spread.h"

namespace emberlin {

namespace {

constexpr double kDegreesToRadiansFactor = 0.005555555555555556;  // 1 / 180

// Normalisation of the inputs, in their fixed order.
void Normalise(FbpInputs& in) {
    if (in.elapsedTime < 0.0) in.elapsedTime = 0.0;
    if (in.ffmc < 0.0) in.ffmc = 0.0;
    if (in.bui < 0.0) in.bui = 0.0;
    if (in.windSpeed < 0.0) in.windSpeed = 0.0;
    if (in.slope < 0.0) in.slope = 0.0;
    if (in.pc < 0.0) in.pc = 0.0;
    if (in.pdf < 0.0) in.pdf = 100.0;
    if (in.gc <= 0.0) in.gc = 95.0;
    if (in.gfl <= 0.0) in.gfl = 0.3;
    if (in.julianDay < 0) in.julianDay = 0;
    if (in.minFmcDay < 0) in.minFmcDay = 0;
    if (in.buiEffect != BuiSwitch::On) in.bui = 0.0;
}

// Direction (radians) towards which a wind from, or a slope facing, `degrees` pushes the
// fire. One turn is taken off above 2 pi; exactly 2 pi stays.
double PushDirection(double degrees) {
    double radians = (degrees + 180.0) * kPi * kDegreesToRadiansFactor;
    if (radians > 2.0 * kPi) radians -= 2.0 * kPi;
    return radians;
}

}  // namespace

FbpResult ComputeFbp(const FbpInputs& inputs, FbpOutputs& outputs) {
    const int fuel = FindFuelType(inputs.fuelType);
    if (fuel < 0) return FbpResult::UnknownFuelType;
    ComputeFbpForFuel(inputs, fuel, outputs);
    return FbpResult::Computed;
}

void ComputeFbpForFuel(const FbpInputs& inputs, int fuel, FbpOutputs& outputs) {
    FbpInputs in = inputs;
    Normalise(in);
    const double waz = PushDirection(in.windDirection);
    const double saz = PushDirection(in.aspect);  // upslope
    in.longitude = std::fabs(in.longitude);

    if (in.fmc <= 0.0) {
        in.fmc = FoliarMoistureContent(in.latitude, in.longitude, in.elevation, in.julianDay,
                                       in.minFmcDay);
    }
    const double sfc = SurfaceFuelConsumption(fuel, in.ffmc, in.bui, in.pc, in.gfl);

    NetWind net{in.windSpeed, waz};
    if (in.slope > 0.0) {
        net = NetEffectiveWind(fuel, in.ffmc, in.bui, in.windSpeed, waz, in.slope, saz, in.fmc, sfc,
                               in.pc, in.pdf, in.gc);
    }
    const double isi = InitialSpreadIndex(in.ffmc, net.wsv);
    const double ros = RateOfSpread(fuel, isi, in.bui, in.fmc, sfc, in.pc, in.pdf, in.gc);
    const double lb = LengthToBreadth(fuel, net.wsv);
    const double bros =
        BackRateOfSpread(fuel, in.ffmc, in.bui, net.wsv, in.fmc, sfc, in.pc, in.pdf, in.gc);
    const double fros = FlankRateOfSpread(ros, bros, lb);

    // Rate towards theta on the ellipse of eccentricity e. Theta is compared with the spread
    // direction as it stands, without a half turn.
    const double e = std::sqrt(1.0 - (1.0 / lb) / lb);
    const double theta = in.theta * kPi * kDegreesToRadiansFactor;
    const double rosTheta = (1.0 - e) * ros / (1.0 - e * std::cos(theta - net.raz));

    // Rates at the elapsed time. The acceleration is always that of no crowning (0.115).
    const bool line = in.ignition == IgnitionType::Line;
    const double rost = line ? ros : RateOfSpreadAtTime(fuel, ros, in.elapsedTime, 0.0);
    const double frost = line ? fros : RateOfSpreadAtTime(fuel, fros, in.elapsedTime, 0.0);
    const double brost = line ? bros : RateOfSpreadAtTime(fuel, bros, in.elapsedTime, 0.0);
    const double rosThetaT =
        line ? rosTheta : RateOfSpreadAtTime(fuel, rosTheta, in.elapsedTime, 0.0);

    // Crown fraction burned from the elapsed-time rates. C6 reports none: its crowning is
    // already inside its rate of spread.
    double cfb = 0.0, fcfb = 0.0, bcfb = 0.0, cfbTheta = 0.0;
    if (FuelTypeTable[fuel].cfl != 0.0 && fuel != kC6) {
        cfb = CrownFractionBurned(fuel, in.fmc, sfc, rost);
        fcfb = CrownFractionBurned(fuel, in.fmc, sfc, frost);
        bcfb = CrownFractionBurned(fuel, in.fmc, sfc, brost);
        cfbTheta = CrownFractionBurned(fuel, in.fmc, sfc, rosThetaT);
    }
    const double tfc = TotalFuelConsumption(fuel, cfb, sfc, in.pc);
    const double ftfc = TotalFuelConsumption(fuel, fcfb, sfc, in.pc);
    const double btfc = TotalFuelConsumption(fuel, bcfb, sfc, in.pc);
    const double tfcTheta = TotalFuelConsumption(fuel, cfbTheta, sfc, in.pc);

    // Spread distances from the equilibrium rates, accelerating at the rate of the head cfb.
    const double t = in.elapsedTime;
    const double k = line ? t : PointIgnitionSpreadTime(AccelerationRate(fuel, cfb), t);
    const double hsd = ros * k;
    const double fsd = fros * k;
    const double bsd = bros * k;

    const double perimeterFactor = PerimeterFactor(lb);

    FbpOutputs out;
    out.ros = ros;
    out.fros = fros;
    out.bros = bros;
    out.rosTheta = rosTheta;
    out.rost = rost;
    out.frost = frost;
    out.brost = brost;
    out.rosThetaT = rosThetaT;
    out.cfb = cfb;
    out.fcfb = fcfb;
    out.bcfb = bcfb;
    out.cfbTheta = cfbTheta;
    out.hfi = FireIntensity(tfc, rost);
    out.ffi = FireIntensity(ftfc, frost);
    out.bfi = FireIntensity(btfc, brost);
    out.fiTheta = FireIntensity(tfcTheta, rosThetaT);
    out.tfc = tfc;
    out.ftfc = ftfc;
    out.btfc = btfc;
    out.tfcTheta = tfcTheta;
    out.sfc = sfc;
    out.lb = lb;
    out.raz = net.raz;
    out.wsv = net.wsv;
    out.hsd = hsd;
    out.fsd = fsd;
    out.bsd = bsd;
    out.area = (hsd + bsd) * 0.5 * fsd * kPi * 0.0001;  // m^2 to ha
    out.perimeter = (hsd + bsd) * perimeterFactor * 0.5;
    out.pgr = (ros + bros) * perimeterFactor * 0.5;  // equilibrium rates, also for point
    outputs = out;
}

}  // namespace emberlin

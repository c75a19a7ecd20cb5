// FBP fire shape and growth: length-to-breadth ratio, flank rate and acceleration.
#include "fbp/fire_growth.h"

#include <cmath>

#include "common/constants.h"
#include "fbp/fbp_records.h"

namespace emberlin {

double AccelerationRate(int fuelIndex, double cfb) {
    // The open fuels (C1, the slashes and the grasses) build up at the point-source rate.
    if (!IsFuelIndex(fuelIndex) || fuelIndex == kC1) return 0.115;
    const FuelFamily family = FuelTypeTable[static_cast<std::size_t>(fuelIndex)].family;
    if (family == FuelFamily::Slash || family == FuelFamily::Grass) return 0.115;
    // Crowning slows the build-up; over cfb 0..1 this stays above 0.03.
    return 0.115 - 18.8 * std::pow(cfb, 2.5) * std::exp(-8.0 * cfb);
}

double LengthToBreadth(int fuelIndex, double wsv) {
    if (IsGrassFuel(fuelIndex)) {
        // Grass: a circle in calm air.
        return wsv < 1.0 ? 1.0 : 1.1 * std::pow(wsv, 0.464);
    }
    return 1.0 + 8.729 * std::pow(1.0 - std::exp(-0.03 * wsv), 2.155);
}

double FlankRateOfSpread(double ros, double bros, double lb) { return (ros + bros) / lb * 0.5; }

double RateOfSpreadAtTime(int fuelIndex, double ros, double elapsedTime, double cfb) {
    return ros * (1.0 - std::exp(-AccelerationRate(fuelIndex, cfb) * elapsedTime));
}

double PointIgnitionSpreadTime(double alpha, double elapsedTime) {
    return elapsedTime + std::exp(-alpha * elapsedTime) / alpha - 1.0 / alpha;
}

double PerimeterFactor(double lb) {
    const double shape = (lb - 1.0) / ((lb + 1.0) * 2.0);
    return kPi * (1.0 + 1.0 / lb) * (1.0 + shape * shape);
}

}  // namespace emberlin

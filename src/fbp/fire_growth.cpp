// FBP fire shape and growth: length-to-breadth ratio, flank rate and acceleration.
#include "fbp/fire_growth.h"

#include <cmath>

#include "common/constants.h"
#include "fbp/fbp_records.h"

namespace emberlin {

double AccelerationRate(int fuelIndex, double cfb) {
    switch (fuelIndex) {
        case kC1:
        case kO1a:
        case kO1b:
        case kS1:
        case kS2:
        case kS3:
            return 0.115;
        default:
            // Crowning slows the build-up; over cfb 0..1 this stays above 0.03.
            if (!IsFuelIndex(fuelIndex)) return 0.115;
            return 0.115 - 18.8 * std::pow(cfb, 2.5) * std::exp(-8.0 * cfb);
    }
}

double LengthToBreadth(int fuelIndex, double wsv) {
    if (fuelIndex == kO1a || fuelIndex == kO1b) {
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

// FBP foliar moisture, surface and total fuel consumption, crown fraction burned, intensity.
#include "fbp/crown_consumption.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "common/rounding.h"
#include "fbp/fbp_records.h"

namespace emberlin {

namespace {

constexpr double kConsumptionFloor = 0.000001;  // kg/m^2

}  // namespace

double FoliarMoistureContent(double latitude, double longitude, int elevation, int julianDay,
                             int minFmcDay) {
    int d0 = minFmcDay;
    if (d0 <= 0) {
        // Day of minimum foliar moisture from the normalised latitude.
        double x;
        if (elevation > 0) {
            x = latitude * 142.1 / (33.7 * std::exp(-0.0351 * (150.0 - longitude)) + 43.0) +
                0.0172 * elevation;
        } else {
            x = latitude * 151.0 / (23.4 * std::exp(-0.036 * (150.0 - longitude)) + 46.0);
        }
        d0 = TruncateToInt(x + 0.5);
    }
    // Days from the minimum, in 64 bits: a saturated d0 must not overflow the difference.
    const std::int64_t nd = std::llabs(static_cast<std::int64_t>(julianDay) - d0);
    if (nd >= 50) return 120.0;
    const double ndSquared = static_cast<double>(nd * nd);
    if (nd < 30) return 85.0 + 0.0189 * ndSquared;
    return 32.9 + 3.17 * static_cast<double>(nd) - 0.0288 * ndSquared;
}

double SurfaceFuelConsumption(int fuelIndex, double ffmc, double bui, double pc, double gfl) {
    const double f = ffmc;
    const double b = bui;
    double sfc = 0.0;
    // The grasses consume their fuel load.
    if (IsGrassFuel(fuelIndex)) sfc = gfl;
    switch (fuelIndex) {
        case kC1:
            sfc = 1.5 * (1.0 - std::exp(-0.23 * (f - 81.0)));
            break;
        case kC2:
        case kM3:
        case kM4:
            sfc = 5.0 * (1.0 - std::exp(-0.0115 * b));
            break;
        case kC3:
        case kC4:
            sfc = 5.0 * std::pow(1.0 - std::exp(-0.0164 * b), 2.24);
            break;
        case kC5:
        case kC6:
            sfc = 5.0 * std::pow(1.0 - std::exp(-0.0149 * b), 2.48);
            break;
        case kC7:
            // The fine-fuel term is deliberately not bounded below: wet fine fuel lowers the total.
            sfc = 2.0 * (1.0 - std::exp(-0.104 * (f - 70.0))) + 1.5 * (1.0 - std::exp(-0.0201 * b));
            break;
        case kD1:
            sfc = 1.5 * (1.0 - std::exp(-0.0183 * b));
            break;
        case kD2:
            // Green aspen burns only under a high buildup; one fifth of D1 then.
            sfc = b >= 80.0 ? 0.2 * 1.5 * (1.0 - std::exp(-0.0183 * b)) : 0.0;
            break;
        case kM1:
        case kM2: {
            // Conifer/deciduous blend, each part with its own floor.
            const double sfcC2 = SurfaceFuelConsumption(kC2, f, b, pc, gfl);
            const double sfcD1 = SurfaceFuelConsumption(kD1, f, b, pc, gfl);
            sfc = sfcC2 * pc * 0.01 + (100.0 - pc) * sfcD1 * 0.01;
            break;
        }
        case kS1:
            sfc = 4.0 * (1.0 - std::exp(-0.025 * b)) + 4.0 * (1.0 - std::exp(-0.034 * b));
            break;
        case kS2:
            sfc = 10.0 * (1.0 - std::exp(-0.013 * b)) + 6.0 * (1.0 - std::exp(-0.06 * b));
            break;
        case kS3:
            sfc = 12.0 * (1.0 - std::exp(-0.0166 * b)) + 20.0 * (1.0 - std::exp(-0.021 * b));
            break;
        default:
            break;
    }
    // The floor keeps the critical rate of spread (a division by sfc) finite.
    if (!(sfc > 0.0)) return kConsumptionFloor;
    return sfc;
}

double CrownFractionBurned(int fuelIndex, double fmc, double sfc, double ros) {
    if (!IsFuelIndex(fuelIndex)) return 0.0;
    const double cbh = FuelTypeTable[fuelIndex].cbh;
    // Van Wagner's critical surface intensity (kW/m) for crown ignition.
    const double csi = 0.001 * std::pow(cbh, 1.5) * std::pow(460.0 + 25.9 * fmc, 1.5);
    // Critical surface rate of spread (m/min).
    const double rso = csi / (300.0 * sfc);
    if (ros > rso) return 1.0 - std::exp(-0.23 * (ros - rso));
    return 0.0;
}

double TotalFuelConsumption(int fuelIndex, double cfb, double sfc, double pc) {
    if (!IsFuelIndex(fuelIndex)) return sfc;
    const double cfl = FuelTypeTable[fuelIndex].cfl;
    // Only the conifer part of a boreal mixedwood carries crown fuel; the dead-fir share of
    // M3/M4 does not scale it.
    if (fuelIndex == kM1 || fuelIndex == kM2) return sfc + cfb * cfl * pc * 0.01;
    return sfc + cfb * cfl;
}

double FireIntensity(double tfc, double ros) { return 300.0 * tfc * ros; }

}  // namespace emberlin

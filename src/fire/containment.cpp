#include "fire/containment.h"

#include <cmath>

#include "common/rounding.h"

namespace emberlin {

int ContainmentProbability(double area, double hfi) {
    // Logistic model of initial-attack containment in boreal spruce: intercept 4.66524, area
    // -0.60925 per ha, intensity -0.000375 per kW/m and area-by-intensity -0.000069.
    const double z = 4.66524 - 0.60925 * area - (0.000375 + 0.000069 * area) * hfi;
    const double p = std::exp(z) / (1.0 + std::exp(z));
    return TruncateToInt(p * 100.0);
}

}  // namespace emberlin

#include "common/rounding.h"

#include <cmath>
#include <limits>

namespace emberlin {

bool FitsInt(double x) {
    // Every int is exactly representable in a double, so these bounds are exact.
    return std::isfinite(x) && x > static_cast<double>(std::numeric_limits<int>::min()) - 1.0 &&
           x < static_cast<double>(std::numeric_limits<int>::max()) + 1.0;
}

int TruncateToInt(double x) {
    if (std::isnan(x)) return 0;
    if (!FitsInt(x)) {
        return x > 0 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
    }
    return static_cast<int>(x);
}

int RoundToInt(double x) { return TruncateToInt(x + 0.5); }

}  // namespace emberlin

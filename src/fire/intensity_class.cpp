#include "fire/intensity_class.h"

namespace emberlin {

int IntensityClass(double hfi) {
    for (int c = 5; c >= 1; --c) {
        if (hfi >= kIntensityClassLower[static_cast<std::size_t>(c)]) return c + 1;
    }
    return 1;
}

}  // namespace emberlin

// FBP engine data: fuel type lookup and the fire type rule.
#include "fbp/fbp_records.h"

#include <cstddef>

namespace emberlin {

namespace {

constexpr char ToUpperAscii(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

bool EqualNoCase(std::string_view x, std::string_view y) {
    if (x.size() != y.size()) return false;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (ToUpperAscii(x[i]) != ToUpperAscii(y[i])) return false;
    }
    return true;
}

}  // namespace

IgnitionType IgnitionFromCode(int code) {
    return code <= 0 ? IgnitionType::Line : IgnitionType::Point;
}

BuiSwitch BuiSwitchFromCode(int code) { return code == 1 ? BuiSwitch::On : BuiSwitch::Off; }

int FindFuelType(std::string_view code) {
    int found = -1;
    for (std::size_t i = 0; i < FuelTypeTable.size(); ++i) {
        if (EqualNoCase(code, FuelTypeTable[i].code)) found = static_cast<int>(i);
    }
    return found;
}

FireType ClassifyFireType(double cfb) {
    if (cfb < 0.1) return FireType::Surface;
    if (cfb < 0.9) return FireType::IntermittentCrown;
    return FireType::Crown;
}

}  // namespace emberlin

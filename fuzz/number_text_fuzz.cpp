// Any byte string either parses to a finite number of the field's type or is refused, and
// the canonical text of a parsed value is a fixed point of parsing and showing.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/number_text.h"

namespace {
void Check(bool condition) {
    if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (auto value = emberlin::ParseDouble(text)) {
        Check(std::isfinite(*value));
        const std::string shown = emberlin::FormatGeneral(*value);
        auto again = emberlin::ParseDouble(shown);
        Check(again.has_value());
        Check(emberlin::FormatGeneral(*again) == shown);
        Check(shown.find("nan") == std::string::npos && shown.find("inf") == std::string::npos);
        const std::string fixed = emberlin::FormatFixed(*value, 8, 2);
        Check(!fixed.empty());
    }
    if (auto value = emberlin::ParseInt(text)) {
        const std::string shown = emberlin::FormatInt(*value);
        Check(emberlin::ParseInt(shown) == value);
        // Every integer text is also a number.
        Check(emberlin::ParseDouble(text) == static_cast<double>(*value));
    }
    return 0;
}

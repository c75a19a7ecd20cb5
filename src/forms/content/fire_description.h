// The words of the FBP calculator's FD field for a crown fraction burned.
#pragma once

#include <string>

namespace emberlin::forms {

// "Surface Fire", "Intermittent Crown Fire" or "Crown Fire".
std::string FireDescription(double cfb);

}  // namespace emberlin::forms

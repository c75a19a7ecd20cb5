#include "forms/content/fire_description.h"

#include "fbp/fbp_records.h"

namespace emberlin::forms {

std::string FireDescription(double cfb) {
    switch (ClassifyFireType(cfb)) {
        case FireType::Surface:
            return "Surface Fire";
        case FireType::IntermittentCrown:
            return "Intermittent Crown Fire";
        case FireType::Crown:
            return "Crown Fire";
    }
    return "Surface Fire";
}

}  // namespace emberlin::forms

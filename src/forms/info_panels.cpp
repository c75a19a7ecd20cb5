#include "forms/info_panels.h"

namespace emberlin::forms {

InfoPanel FwiAcronymsPanel() {
    return {"fwiAcronyms",
            "  EMBERLIN - FWI   Acronyms",
            "Fire Weather Index System -  ACRONYNMS",
            {{"",
              {"FFMC - Fine Fuel Moisture Code", "DMC - Duff Moisture Code", "DC - Drought Code",
               "ISI - Initial Spread Index", "BUI - Buildup Index", "FWI - Fire Weather Index",
               "DSR - Daily Severity Rating", "RH - Relative Humidity"}}}};
}

AboutText AboutBoxText() {
    return {"About  EMBERLIN",
            "EMBERLIN - Fire Danger Rating Calculator",
            "Version 1.0",
            "Released December 2026",
            "EMBERLIN computes the codes and indices of the Fire Weather Index (FWI) System and "
            "the outputs of the Fire Behavior Prediction (FBP) System, with hourly weather, "
            "fire growth projections and reference material for fire managers and fire weather "
            "forecasters.",
            "Written by the EMBERLIN authors."};
}

}  // namespace emberlin::forms

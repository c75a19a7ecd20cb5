#include "forms/content/info_panels.h"

#include "forms/content/fuel_catalogue.h"

namespace emberlin::forms {

namespace {

std::vector<std::string> FuelAcronymLines() {
    std::vector<std::string> lines;
    for (const FuelType& fuel : FuelCatalogue()) lines.emplace_back(fuel.acronymLine);
    return lines;
}

}  // namespace

InfoPanel FwiAcronymsPanel() {
    return {"fwiAcronyms",
            "  EMBERLIN - FWI   Acronyms",
            "Fire Weather Index System -  ACRONYNMS",
            {{"",
              {"FFMC - Fine Fuel Moisture Code", "DMC - Duff Moisture Code", "DC - Drought Code",
               "ISI - Initial Spread Index", "BUI - Buildup Index", "FWI - Fire Weather Index",
               "DSR - Daily Severity Rating", "RH - Relative Humidity"}}}};
}

InfoPanel FbpAcronymsPanel() {
    return {
        "fbpAcronyms",
        "   EMBERLIN - FBP   Acronyms",
        "Fire Behaviour Prediction System -  ACRONYNMS",
        {{"Fuel Types", FuelAcronymLines()},
         {"FBP Parameters",
          {"PC  :  % Conifer in Mixedwood", "DF  :  % Dead Balsam in M3/M4",
           "GC  :  % Grass Curing ( O1a/1b)", "GFL  :  Grass Fuel Load  (O1a/1b)   (  kg/m2 )"}},
         {"FBP Inputs", {"FFMC  :  Fine Fuel Moisture Code", "BUI  :  Buildup Index"}},
         {"Primary Outputs",
          {"ROS  :   Rate of Spread  ( m/min )", "HFI  :   Head Fire Intensity ( kW/m )",
           "SFC  :  Surface Fuel Consumption ( kg/sq. m )",
           "TFC  :  Total Fuel Consumption ( kg/sq. m )", "CFB  :  Crown Fraction Burned ",
           "FD  :  Fire Description"}},
         {"Secondary Outputs",
          {"FROS  :  FLANK Rate of Spread  ( m/min )", "BROS  :  BACK Rate of Spread  ( m/min )",
           "FFI  :  FLANK Fire Intensity ( kW/m )", "BFI  :  BACK Fire Intensity ( kW/m )",
           "A  :  Area ( ha )", "P  :  Perimeter ( m )",
           "PGR  :  Perimeter Growth Rate  ( m / min )", "LB  :  Length - Breadth",
           "HSD  :  HEAD Spread Distance  ( m ) ", "FSD  :  FLANK Spread Distance  ( m )",
           "BSD  :  BACK Spread Distance  ( m )"}}}};
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

#include "forms/content/reference_panels.h"

namespace emberlin::forms {

ReferencePanel MoreInformationPanel() {
    ReferencePanel panel;
    panel.id = "moreInformation";
    panel.title = "EMBERLIN - More Information";
    panel.heading = "The Forest Fire Danger Rating System";
    panel.pictureName = "more_information";
    panel.pictureTitle = "Forest fire danger rating";
    panel.paragraphs = {
        "Fire danger rating research in this country began with the federal government in "
        "1925. Five fire danger rating systems have followed, each more widely applicable "
        "than the one before. The present system has been under development since 1968; it "
        "has been built in an evolutionary way, on field experiments and the empirical "
        "analysis of their results, and it is organised as a set of subsystems.",

        "The first major subsystem, the Fire Weather Index (FWI) System, rates the relative "
        "fire potential from weather observations alone. It has been in use since 1970.",

        // Two lines kept exactly as they were always shown, the break between them included.
        "The FWI system consists of seven components. The first three components are fuel "
        "moisture codes that follow the daily changes in the moisture contents of three "
        "classes of fuels.  The next three components are fire behaviour indexes representing "
        "the rate\n"
        "of spread, fuel weight consumed and fire intensity. The last component is a daily fire "
        "severity rating. ",

        "The second major subsystem, the Fire Behavior Prediction (FBP) System, has 14 primary "
        "inputs in 5 major categories: fuels, weather, topography, foliar moisture content, "
        "and type and duration of prediction. It predicts the rate of spread, fuel "
        "consumption, fire intensity and the elliptical shape of fires for the various fuel "
        "types. The FBP System was released in 1984 with final production in 1990.",

        "Several papers discuss the history and structure of the system and of its two "
        "subsystems in detail.",

        "For the structure and the inputs of either subsystem, click the STRUCTURE button "
        "(FWI or FBP) on the main menu. For reference material, click the REFERENCES button.",
    };
    return panel;
}

ReferencePanel ReferencesPanel() {
    ReferencePanel panel;
    panel.id = "references";
    panel.title = "EMBERLIN - References";
    panel.heading = "References on the Fire Danger Rating System";
    panel.pictureName = "references";
    panel.pictureTitle = "Reference material";
    // The published literature, described by subject and year.
    panel.paragraphs = {
        "1.  The development and structure of the fire weather index system, 1987.",
        "2.  The daily fire weather index equations and their computer program, 1985.",
        "3.  The hourly fine fuel moisture model, 1977.",
        "4.  The diurnal weather model for hourly temperature, relative humidity and wind "
        "speed, 1989.",
        "5.  An overview of the fire danger rating system and its subsystems, 1989.",
        "6.  The development and structure of the fire behaviour prediction system, 1992.",
        "7.  The fire behaviour prediction system's field guide, 1997.",
        "8.  The revised fire behaviour equations of the fire behaviour prediction system, "
        "2009.",
        "9.  * A poster relating fire behaviour in jack pine stands to the fire weather index, "
        "the source of the examples of fire behaviour, 1988.",
    };
    panel.note =
        "* Marked entries are posters. The marked posters come from the national fire research "
        "service, from which they can be obtained.";
    return panel;
}

ReferencePanel FbpStructurePanel() {
    ReferencePanel panel;
    panel.id = "fbpStructure";
    panel.title = "EMBERLIN - FBP Structure";
    panel.pictureName = "fbp_structure";
    panel.pictureTitle = "Structure of the Fire Behavior Prediction System";
    panel.groupTitle = "Structure of the Fire Behavior Prediction (FBP) System";
    return panel;
}

ReferencePanel FwiStructurePanel() {
    ReferencePanel panel;
    panel.id = "fwiStructure";
    panel.title = "EMBERLIN - FWI  Structure";
    panel.pictureName = "fwi_structure";
    panel.pictureTitle = "Structure of the Fire Weather Index System";
    panel.groupTitle = "Structure of the Fire Weather index (FWI) System";
    return panel;
}

}  // namespace emberlin::forms

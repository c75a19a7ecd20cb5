#include "forms/content/reference_panels.h"

#include <utility>

namespace emberlin::forms {

namespace {
// A panel's window and picture (in a group titled `groupTitle`, if any); the text beside
// the picture follows.
ReferencePanel PicturePanel(std::string id, std::string title, std::string heading,
                            std::string pictureName, std::string pictureTitle,
                            std::string groupTitle = {}) {
    ReferencePanel panel;
    panel.id = std::move(id);
    panel.title = std::move(title);
    panel.heading = std::move(heading);
    panel.pictureName = std::move(pictureName);
    panel.pictureTitle = std::move(pictureTitle);
    panel.groupTitle = std::move(groupTitle);
    return panel;
}
}  // namespace

ReferencePanel MoreInformationPanel() {
    ReferencePanel panel = PicturePanel("moreInformation", "EMBERLIN - More Information",
                                        "The Forest Fire Danger Rating System", "more_information",
                                        "Forest fire danger rating");
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
    ReferencePanel panel = PicturePanel("references", "EMBERLIN - References",
                                        "References on the Fire Danger Rating System", "references",
                                        "Reference material");
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

// The structure panels: the picture alone, in a group.
ReferencePanel FbpStructurePanel() {
    return PicturePanel("fbpStructure", "EMBERLIN - FBP Structure", "", "fbp_structure",
                        "Structure of the Fire Behavior Prediction System",
                        "Structure of the Fire Behavior Prediction (FBP) System");
}

ReferencePanel FwiStructurePanel() {
    return PicturePanel("fwiStructure", "EMBERLIN - FWI  Structure", "", "fwi_structure",
                        "Structure of the Fire Weather Index System",
                        "Structure of the Fire Weather index (FWI) System");
}

}  // namespace emberlin::forms

// The texts of the picture panels of the main menu: more information, references and the
// two structure diagrams.
#pragma once

#include <string>
#include <vector>

namespace emberlin::forms {

// A static panel built around one bundled picture. It only shows itself and closes.
struct ReferencePanel {
    std::string id;            // the owner's panel id; the window's objectName
    std::string title;         // window title
    std::string heading;       // shown over a rule; empty for none
    std::string pictureName;   // the bundled picture, shown at its natural size
    std::string pictureTitle;  // names the picture for screen readers
    std::string groupTitle;    // a group around the picture; empty for none
    // Shown in order beside the picture, each wrapped at the panel's width; a "\n" inside
    // a paragraph starts a new line without the gap between paragraphs.
    std::vector<std::string> paragraphs;
    std::string note;  // under the paragraphs; empty for none
};

ReferencePanel MoreInformationPanel();
ReferencePanel ReferencesPanel();
ReferencePanel FbpStructurePanel();
ReferencePanel FwiStructurePanel();

}  // namespace emberlin::forms

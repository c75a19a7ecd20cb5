// The texts of the static reference panels: titles, headings and their lists.
#pragma once

#include <string>
#include <vector>

namespace emberlin::forms {

struct InfoGroup {
    std::string title;               // empty for an untitled list
    std::vector<std::string> lines;  // shown one per line, exactly as written
};

struct InfoPanel {
    std::string id;       // the owner's panel id
    std::string title;    // window title
    std::string heading;  // shown over a rule
    std::vector<InfoGroup> groups;
};

InfoPanel FwiAcronymsPanel();
// Owned by the FBP calculator: fuel types, parameters, inputs and both output groups.
InfoPanel FbpAcronymsPanel();

// The about box's lines.
struct AboutText {
    std::string title;
    std::string name;
    std::string version;
    std::string releaseDate;
    std::string attribution;
    std::string attributionLine;
};

AboutText AboutBoxText();

}  // namespace emberlin::forms

#include "forms/content/reference_panels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace emberlin::forms {
namespace {

TEST(ReferencePanelsTest, TitlesPicturesAndGroups) {
    struct Row {
        ReferencePanel panel;
        const char* title;
        const char* picture;
        const char* groupTitle;
    };
    const Row rows[] = {
        {MoreInformationPanel(), "EMBERLIN - More Information", "more_information", ""},
        {ReferencesPanel(), "EMBERLIN - References", "references", ""},
        {FbpStructurePanel(), "EMBERLIN - FBP Structure", "fbp_structure",
         "Structure of the Fire Behavior Prediction (FBP) System"},
        {FwiStructurePanel(), "EMBERLIN - FWI  Structure", "fwi_structure",
         "Structure of the Fire Weather index (FWI) System"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        EXPECT_EQ(row.panel.title, row.title);
        EXPECT_EQ(row.panel.pictureName, row.picture);
        EXPECT_EQ(row.panel.groupTitle, row.groupTitle);
        EXPECT_FALSE(row.panel.id.empty());
        EXPECT_FALSE(row.panel.pictureTitle.empty());
    }
}

TEST(ReferencePanelsTest, MoreInformationCarriesTheTwoLinesOneAfterTheOther) {
    const ReferencePanel panel = MoreInformationPanel();
    const auto& p = panel.paragraphs;
    const std::string first =
        "The FWI system consists of seven components. The first three components are fuel "
        "moisture codes that follow the daily changes in the moisture contents of three classes "
        "of fuels.  The next three components are fire behaviour indexes representing the rate";
    const std::string second =
        "of spread, fuel weight consumed and fire intensity. The last component is a daily fire "
        "severity rating. ";
    // One paragraph holds both lines, the second starting on a line of its own.
    EXPECT_NE(std::find(p.begin(), p.end(), first + "\n" + second), p.end());

    std::string all;
    for (const std::string& paragraph : p) all += paragraph + "\n";
    for (const char* fact :
         {"1925", "1968", "1970", "14 primary inputs", "5 major categories",
          "released in 1984 with final production in 1990", "STRUCTURE", "REFERENCES"}) {
        EXPECT_NE(all.find(fact), std::string::npos) << fact;
    }
}

TEST(ReferencesPanelTest, NineNumberedEntriesWithAYearAndTheMarkedPosterNote) {
    const ReferencePanel panel = ReferencesPanel();
    ASSERT_EQ(panel.paragraphs.size(), 9u);
    bool anyMarked = false;
    for (std::size_t i = 0; i < panel.paragraphs.size(); ++i) {
        const std::string& entry = panel.paragraphs[i];
        SCOPED_TRACE(entry);
        EXPECT_EQ(entry.rfind(std::to_string(i + 1) + ".  ", 0), 0u);
        // Ends with the year of publication.
        EXPECT_GE(entry.size(), 6u);
        if (entry.size() < 6u) continue;
        const std::string year = entry.substr(entry.size() - 5, 4);
        EXPECT_TRUE(std::all_of(year.begin(), year.end(), [](char c) { return std::isdigit(c); }));
        EXPECT_GE(std::stoi(year), 1925);
        EXPECT_LE(std::stoi(year), 2026);
        anyMarked = anyMarked || entry.find('*') != std::string::npos;
    }
    EXPECT_TRUE(anyMarked);
    EXPECT_EQ(panel.note.rfind("* ", 0), 0u);
    EXPECT_NE(panel.note.find("national fire research service"), std::string::npos);
}

}  // namespace
}  // namespace emberlin::forms

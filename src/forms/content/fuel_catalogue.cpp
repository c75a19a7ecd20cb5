#include "forms/content/fuel_catalogue.h"

#include <algorithm>
#include <array>

namespace emberlin::forms {

namespace {

// The stand descriptions, one paragraph each, written as a fuel type key describes a
// stand: composition and structure first, then the surface and ground fuels, then what
// that means for fire.
constexpr std::string_view kStandC1 =
    "Open, park-like black spruce stands growing on well-drained uplands in the subarctic "
    "zone. Trees are often clumped, and their live and dead branches reach down to the ground. "
    "Woody surface fuel is very light. The forest floor between the trees is covered by a "
    "nearly continuous mat of reindeer lichen, commonly 3 to 4 cm deep, over a thin organic "
    "layer. The lichen mat dries quickly after rain and carries fire readily; where it burns "
    "under the low branches, single trees and clumps torch, and at higher spread rates short "
    "crown runs develop between the clumps.";

constexpr std::string_view kStandC2 =
    "Pure, moderately well-stocked black spruce stands with tree crowns extending to or near "
    "the ground. The dead lower branches are typically draped with bearded lichens, which with "
    "the low live crowns form continuous ladder fuels from the surface into the canopy. "
    "Labrador tea is the common shrub. The ground is covered by feather mosses or, on drier "
    "sites, by lichens, over a compacted organic layer that is often deeper than 20 to 30 cm. "
    "Because the crowns reach the surface fuels, fire passes into the crowns at low surface "
    "fire intensities, and crowning is the usual behaviour of fires burning under moderate to "
    "high fire danger.";

constexpr std::string_view kStandC3 =
    "Pure, fully stocked stands of mature jack or lodgepole pine, with 1000 to 2000 stems/ha. "
    "The crowns are closed and lie well above the ground: the live crown base is high and "
    "ladder fuels are sparse. Surface fuel is light and consists of scattered downed woody "
    "material and needle litter on a ground cover of feather moss, over a compacted organic "
    "layer about 10 cm deep. Fires normally burn as surface fires; because of the gap between "
    "the surface fuels and the crowns, crowning needs a higher surface fire intensity than in "
    "the spruce types, but once it begins, continuous crown fire can develop under strong "
    "winds.";

constexpr std::string_view kStandC4 =
    "Pure, dense stands of immature jack or lodgepole pine, with 10 000 to 30 000 stems/ha. "
    "Natural thinning of such dense stands leaves much standing dead material and a large "
    "load of downed dead stems and branches among the live trees. Live and dead crowns reach "
    "close to the ground, so that the fuel is continuous both vertically, from the surface "
    "litter into the canopy, and horizontally across the stand. The organic layer is thin. "
    "Fires in this fuel type are vigorous: surface fire intensity is high, and crowning and "
    "spotting begin at lower fire danger than in mature pine.";

constexpr std::string_view kStandC5 =
    "Mature stands of red and eastern white pine, usually with a moderately well-developed "
    "understory of tree regeneration, hazelnut and other shrubs, and a herb layer. The forest "
    "floor carries pine needle litter over an organic layer 5 to 10 cm deep. The live crowns "
    "are high above the surface, and the largely deciduous understory remains moist through "
    "much of the summer. Fires therefore spread at low to moderate rates and remain surface "
    "fires in most conditions; torching and crowning are limited to extreme fire weather or "
    "to places where conifer regeneration forms ladder fuels.";

constexpr std::string_view kStandC6 =
    "Pure, fully stocked conifer plantations with closed crowns and no understory. The surface "
    "fuel is a layer of needle litter over duff up to 10 cm deep; shrubs and herbs are "
    "largely absent under the closed canopy. The height of the live crown base varies with "
    "the age of the plantation and with pruning, and it is an input of this fuel type: the "
    "rate of spread and the crowning predictions use it to decide whether a surface fire can "
    "reach the crowns. Plantations with low crowns pass fire into the canopy readily, while "
    "pruned or older plantations with a high crown base carry mainly surface fire.";

constexpr std::string_view kStandC7 =
    "Open, uneven-aged stands of ponderosa pine and Douglas-fir on dry montane sites, with "
    "scattered dense thickets of younger trees. Canopy closure is under 50 %. The ground "
    "between the trees carries a cover of grasses and herbs, and the duff layer beneath the "
    "trees is shallow. Fires are mostly surface fires carried by the cured grasses and herbs "
    "and by the needle litter; the thickets act as ladder fuels in which single trees and "
    "groups of trees torch, but sustained crowning through the open canopy is uncommon.";

constexpr std::string_view kStandD1 =
    "Pure, semimature stands of trembling aspen in the leafless condition, before bud break "
    "in spring or after leaf fall in autumn. Without foliage overhead, sun and wind reach the "
    "forest floor and dry it. The fire-carrying fuel is the layer of deciduous leaf litter "
    "together with the cured grasses and herbs; woody surface fuel is light and the stands "
    "hold few or no conifers. Fires are surface fires of low to moderate intensity whose "
    "spread depends on the dryness of the litter and of the cured herbaceous material; once "
    "the leaves have flushed, fire spread falls sharply.";

constexpr std::string_view kStandM1 =
    "Boreal mixedwood stands of conifers (white and black spruce and balsam fir) and "
    "deciduous hardwoods (trembling aspen and white birch) in varying proportions, in the "
    "leafless phase of spring and fall. Fuel characteristics and fire behaviour depend on "
    "the mix of the two components, so the rate of spread is weighted by the percentages of "
    "softwood and hardwood in the stand: a stand that is mostly conifer behaves much like "
    "boreal spruce, and one that is mostly hardwood like leafless aspen. The percent conifer "
    "of the stand is entered as a parameter of this fuel type.";

constexpr std::string_view kStandM2 =
    "The same boreal mixedwood stands of spruce, fir, aspen and birch in their green phase, "
    "in summer, after the hardwoods have come into leaf. The green deciduous foliage and "
    "understory shade the surface fuels and keep them moist, so fire spread is much reduced: "
    "the greatest rate of spread in the green phase is about one-fifth of that of a spring or "
    "fall fire in the same stand. As in the leafless phase, the rate of spread is weighted by "
    "the percentages of softwood and hardwood, entered as the percent conifer of the stand.";

constexpr std::string_view kStandM3 =
    "Mixedwood stands in which the balsam fir has been killed by repeated defoliation by "
    "insects. The dead fir trees shed their bark in peeling strips and carry draped lichen; "
    "stem breakage and windthrow add large amounts of woody material to the surface fuels. "
    "This build-up is greatest about 5 to 8 years after the trees die. In the leafless phase "
    "of spring and fall, with the hardwoods bare, fires are very vigorous, with frequent "
    "crowning and spotting. The rate of spread is weighted by the percent dead balsam fir of "
    "the stand, which is entered as a parameter of this fuel type.";

constexpr std::string_view kStandM4 =
    "The same mixedwood stands with balsam fir killed by insect defoliation, in their green "
    "phase. Peeling bark, draped lichen, breakage and windthrow of the dead fir build up the "
    "surface and ladder fuels, and the fire potential is greatest about 5 to 8 years after the "
    "trees die. In summer the green understory of shrubs, herbs and hardwood regeneration "
    "hampers fire spread, so that summer fires are much less vigorous than spring fires in "
    "the same stand. The rate of spread is weighted by the percent dead balsam fir of the "
    "stand.";

constexpr std::string_view kStandS1 =
    "Slash left by the clear-cut logging of jack or lodgepole pine stands, one or two seasons "
    "old. The slash lies continuously over the cutover, with moderate fuel loads and depths, "
    "and consists of tops, branches and needles over the disturbed forest floor. With no "
    "overstory to shade it, the slash dries quickly in the sun and wind. Fires spread freely "
    "across the continuous fuel bed with a high consumption of fine and medium fuels, and "
    "they can reach high intensities when the slash is dry.";

constexpr std::string_view kStandS2 =
    "Slash left by the clear-cut logging of white spruce and subalpine or balsam fir stands. "
    "Fuel loads and depths are moderate, but the continuity of the slash is broken by skid "
    "trails and by the places where logs were gathered, so that the fuel lies in patches with "
    "gaps between them. The slash consists of branches, tops and needles over a moist "
    "organic layer. Fire spreads through the patches of slash less evenly and more slowly "
    "than in continuous pine slash, and its intensity depends on how far the fuel has dried.";

constexpr std::string_view kStandS3 =
    "Slash one season old, left by high-lead logging of coastal cedar, hemlock and "
    "Douglas-fir stands. Fuel loads are very large and the slash is 0.5 to 2.0 m deep, with "
    "abundant fine material among large logs, broken tops and branches. The deep, continuous "
    "fuel bed supports fires of very high intensity with deep flaming zones, and large "
    "quantities of fuel are consumed once the larger pieces have dried.";

constexpr std::string_view kStandGrass =
    "Continuous grass cover, with no more than scattered trees or shrubs that do not change "
    "how fire behaves. Two subtypes are recognized. Matted grass describes the cover in "
    "spring, after snow has pressed the previous season's dead grass into a dense mat close "
    "to the ground. Standing grass describes the cover in late summer and fall, when the "
    "cured grass stands upright, is better aerated and open to the wind, and carries fire "
    "faster than the matted form. In both subtypes the degree of curing, the percentage of "
    "the grass that is dead, is the most important factor in fire spread: fires spread "
    "little while the grass is mostly green and spread rapidly once most of it has cured. "
    "The grass fuel load sets the fire intensity.";

// One row per fuel type, in fuel index order. Columns: index, code, button id; the labels of
// the calculator box, the detection box, the projection row and the acronyms panel; the
// place in the two-column grids (row, column); the gallery's button place (row, column, -1
// without a button), window title, picture, description title line and paragraph.
// clang-format off
constexpr std::array<FuelType, kFuelCount> kCatalogue = {{
    {kC1, "C1", "fuelC1",
     "C1", "C1 - Spruce-Lichen Woodland", "   C1",
     "C1 :  Spruce-Lichen Woodland",
     0, 0, 0, 0,
     "  C1     Spruce-Lichen Woodland", "fuel_c1",
     "C1: Spruce-Lichen Woodland", kStandC1},
    {kC2, "C2", "fuelC2",
     "C2", "C2 - Boreal Spruce", "   C2",
     "C2  :  Boreal Spruce",
     1, 0, 0, 1,
     "  C2   Boreal Spruce", "fuel_c2",
     "C2: Boreal Spruce", kStandC2},
    {kC3, "C3", "fuelC3",
     "C3 ", "C3 - Mature Jack or Lodgepole Pine", "   C3",
     "C3  :  Mature Jack or Lodgepole Pine",
     2, 0, 0, 2,
     "  C3   Mature Jack or Lodgepole Pine", "fuel_c3",
     "C3: Mature Jack or Lodgepole Pine", kStandC3},
    {kC4, "C4", "fuelC4",
     "C4 ", "C4 - Immature Jack or Lodgepole Pine", "   C4",
     "C4  :  Immature Jack or Lodgepole Pine",
     3, 0, 0, 3,
     "  C4  - Immature Jack or Lodgepole Pine", "fuel_c4",
     "C4: Immature Jack or Lodgepole Pine", kStandC4},
    {kC5, "C5", "fuelC5",
     "C5 ", "C5 - Red and White Pine", "   C5",
     "C5  :  Read and White Pine",
     4, 0, 0, 4,
     "  C5   Read and White Pine", "fuel_c5",
     "C5: Red and White Pine", kStandC5},
    {kC6, "C6", "fuelC6",
     "C6 ", "C6 - Conifer Plantation", "   C6",
     "C6  :  Conifer Plantation",
     5, 0, 0, 5,
     "  C6   Conifer Plantation", "fuel_c6",
     "C6: Conifer Plantation", kStandC6},
    {kC7, "C7", "fuelC7",
     "C7", "C7 - Ponderosa Pine / Douglas Fir", "   C7",
     "C7  :  Ponderos Pine / Douglas Fir",
     6, 0, 0, 6,
     "  C7   Ponderosa Pine / Douglas Fir", "fuel_c7",
     "C7: Ponderosa Pine / Douglas Fir", kStandC7},
    {kD1, "D1", "fuelD1",
     "D1 ", "D1 - Aspen - Leafless ", "   D1",
     "D1  :  Aspen - Leafless",
     7, 0, 1, 0,
     "  D1  :   Leafless Aspen", "fuel_d1",
     "D1: Leafless Aspen", kStandD1},
    {kD2, "D2", "fuelD2",
     "D2 ", "D2 - Aspen - Green", "   D2",
     "D2  :  Aspen - Green",
     8, 0, -1, -1,
     "", "",
     "", ""},
    {kM1, "M1", "fuelM1",
     "M1", "M1 - Boreal Mixedwood - Leafless", "   M1",
     "M1  :  Boreal Mixedwood - Leafless",
     0, 1, 2, 0,
     "  M1  :  Boreal Mixedwood - Leafless", "fuel_m1",
     "M1: Boreal Mixedwood-Leafless", kStandM1},
    {kM2, "M2", "fuelM2",
     "M2 ", "M2 - Boreal Mixedwood - Green", "   M2",
     "M2  :  Boreal Mixedwood - Green",
     1, 1, 2, 1,
     "  M2  :  Boreal Mixedwood - Green", "fuel_m2",
     "M2: Boreal Mixedwood-Green", kStandM2},
    {kM3, "M3", "fuelM3",
     "M3", "M3 - Dead Balsam Fir / Mixedwood - Leafless", "   M3",
     "M3  :  Dead Balsam Fir / Mixedwood - Leafless",
     2, 1, 2, 2,
     "  M3  :  Dead Balsam Fir Mixedwood - Leafless", "fuel_m3",
     "M3: Dead Balsam Fir Mixedwood-Leafless", kStandM3},
    {kM4, "M4", "fuelM4",
     "M4", "M4 - Dead Balsam Fire / Mixedwood - Green", "   M4",
     "M4  :  Dead Balsam Fir / Mixedwood - Green",
     3, 1, 2, 3,
     "  M4  : Dead Balsam Fir Mixedwood - Green", "fuel_m4",
     "M4: Dead Balsam Fir Mixedwood-Green", kStandM4},
    {kS1, "S1", "fuelS1",
     "S1", "S1 - Jack or Lodgepole Slash", "   S1",
     "S1  :  Jack or Lodgepole Pine Slash",
     4, 1, 1, 3,
     "  S1  :  Jack or Lodgepole Pine Slash", "fuel_s1",
     "S1: Jack or Lodgepole Pine Slash", kStandS1},
    {kS2, "S2", "fuelS2",
     "S2", "S2 - Spruce / Balsam Slash", "   S2",
     "S2  :  Spruce / Balsam Slash",
     5, 1, 1, 4,
     "  S2  : White Spruce - Balsam Fir Slash", "fuel_s2",
     "S2: White Spruce/Balsam Slash", kStandS2},
    {kS3, "S3", "fuelS3",
     "S3", "S3 - Coastal Cedar / Hemlock Slash", "   S3",
     "S3  :  Coastal Cedar / Hemlock Slash",
     6, 1, 1, 5,
     "  S3  -  Coastal Cedar - Hemlock - Douglas Fir Slash", "fuel_s3",
     "S3: Coastal Cedar/Hemlock/Douglas-Fir Slash", kStandS3},
    {kO1a, "O1a", "fuelO1a",
     "O1a", "O1a - Matted Grass", " O1a",
     "O1a  :  Grass - Matted",
     7, 1, 1, 1,
     "   O1a : Matted Grass", "fuel_o1a",
     "O1a: Matted Grass", kStandGrass},
    {kO1b, "O1b", "fuelO1b",
     "O1b", "O1b - Standing Grass", " O1b",
     "O1b  :  Grass - Standing",
     8, 1, 1, 2,
     "  O1b  :  Standing Grass", "fuel_o1b",
     "O1b: Standing Grass", kStandGrass},
}};
// clang-format on

constexpr bool MatchesEngineTable() {
    for (int i = 0; i < kFuelCount; ++i) {
        const FuelType& row = kCatalogue[static_cast<std::size_t>(i)];
        if (row.index != i || row.code != FuelTypeTable[static_cast<std::size_t>(i)].code) {
            return false;
        }
    }
    return true;
}
static_assert(MatchesEngineTable(), "catalogue rows follow the engine table's order");

}  // namespace

std::span<const FuelType> FuelCatalogue() { return kCatalogue; }

const FuelType& CatalogueFuel(int fuelIndex) {
    return kCatalogue.at(static_cast<std::size_t>(fuelIndex));
}

std::string FuelBoxId(int fuelIndex) {
    return IsFuelIndex(fuelIndex) ? std::string(CatalogueFuel(fuelIndex).buttonId) : std::string();
}

std::vector<FuelType> GalleryFuelTypes() {
    std::vector<FuelType> gallery;
    for (const FuelType& fuel : kCatalogue) {
        if (fuel.InGallery()) gallery.push_back(fuel);
    }
    return gallery;
}

int FuelGridRows() {
    int rows = 0;
    for (const FuelType& fuel : kCatalogue) rows = std::max(rows, fuel.gridRow + 1);
    return rows;
}

int GalleryRows() {
    int rows = 0;
    for (const FuelType& fuel : kCatalogue) rows = std::max(rows, fuel.galleryRow + 1);
    return rows;
}

std::string GrassFuelCodes(std::string_view separator) {
    std::string codes;
    for (const FuelType& fuel : kCatalogue) {
        if (!IsGrassFuel(fuel.index)) continue;
        if (!codes.empty()) codes += separator;
        codes += fuel.code;
    }
    return codes;
}

std::string FuelCodeList(std::string_view through, bool withGrass) {
    // Runs of codes that start with the same letter, in fuel index order.
    std::vector<std::vector<std::string_view>> runs;
    for (const FuelType& fuel : kCatalogue) {
        if (!withGrass && IsGrassFuel(fuel.index)) continue;
        if (runs.empty() || runs.back().front().front() != fuel.code.front()) runs.emplace_back();
        runs.back().push_back(fuel.code);
    }
    std::string list;
    const auto add = [&list](std::string_view text) {
        if (!list.empty()) list += ", ";
        list += text;
    };
    for (const std::vector<std::string_view>& run : runs) {
        if (run.size() >= 3) {
            add(std::string(run.front()) + std::string(through) + std::string(run.back()));
        } else {
            for (const std::string_view code : run) add(code);
        }
    }
    return list;
}

}  // namespace emberlin::forms

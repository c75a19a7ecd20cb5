// Everything a form shows about a fuel type, one row per fuel type. The engine's
// FuelTypeTable holds the coefficients; this catalogue holds the labels, ids, pictures,
// gallery texts and grid places, and every list a form builds of fuel types comes from it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fbp/fbp_records.h"

namespace emberlin::forms {

// The number of fuel types, in fuel index order (the rows of FuelTypeTable).
inline constexpr int kFuelCount = static_cast<int>(FuelTypeTable.size());

struct FuelType {
    FuelIndex index;            // its row in FuelTypeTable
    std::string_view code;      // as the engine reads it; also the gallery button's label
    std::string_view buttonId;  // id of its box or button on every form ("fuelC1")

    // The labels the forms show, exactly as drawn (blanks included).
    std::string_view calculatorLabel;  // FBP calculator box
    std::string_view detectionLabel;   // detection assessment box
    std::string_view projectionLabel;  // first column of the projection by fuel type
    std::string_view acronymLine;      // line of the FBP Acronyms panel

    // Place in the two-column grids of fuel boxes (calculator and detection).
    int gridRow;
    int gridColumn;

    // The gallery: its button's row and place in that row, its picture window's title and
    // picture (also the window's id), and the description's title line and paragraph.
    // A fuel type without a gallery button has gallery row -1 and empty texts.
    int galleryRow;
    int galleryColumn;
    std::string_view windowTitle;
    std::string_view pictureName;
    std::string_view titleLine;
    std::string_view paragraph;

    bool InGallery() const { return galleryRow >= 0; }
};

// Every fuel type in fuel index order.
std::span<const FuelType> FuelCatalogue();
// The row of fuel index 0..kFuelCount-1.
const FuelType& CatalogueFuel(int fuelIndex);
// The id of the box or button of a fuel index ("fuelC1" .. ), or "" outside the range.
std::string FuelBoxId(int fuelIndex);
// The fuel types with a gallery button, in fuel index order.
std::vector<FuelType> GalleryFuelTypes();
// Rows and columns of the two-column grids and the number of gallery button rows.
int FuelGridRows();
int GalleryRows();
// The codes of the grass fuel types, joined by `separator` ("O1a/O1b").
std::string GrassFuelCodes(std::string_view separator);
// Every fuel code as a message lists them, joined by ", " in fuel index order: a run of three
// or more codes that start with one letter as its first and last code joined by `through`
// ("C1 to C7"), shorter runs code by code ("D1, D2"). Without `withGrass` the grass codes are
// left out.
std::string FuelCodeList(std::string_view through, bool withGrass = true);

}  // namespace emberlin::forms

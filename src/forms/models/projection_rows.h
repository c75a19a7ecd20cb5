// Pieces shared by the two FBP projection tables: magnitude classes, fire type words, the
// placing of column headings over fixed-width rows and the columns of their grids.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fbp/fbp_records.h"
#include "forms/content/fuel_catalogue.h"
#include "forms/exports/result_table.h"
#include "forms/models/hand_over.h"

namespace emberlin::forms {

// Which column of a format table a value takes: 0 below 10, 1 from 10 to below 100, 2 from
// 100 to below 1000, 3 from 1000 on. Every test is a strict less-than, so 10.0 is class 1.
// A NaN fails every test and lands in class 3; it is printed as "---", never as "nan".
int MagnitudeClass(double value);

// The projection tables' fixed-width (twelve character) fire type words, by crown fraction
// burned: "  Surface   ", "Intermittent", "   Crown    ".
std::string_view FireTypeWord(double cfb);

// printf "%W.1f" of a value, picked from a table of four formats by its magnitude class.
struct MagnitudeFormat {
    std::string_view before;  // text before the number
    int width;                // minimum width of the number
    std::string_view after;   // text after the number
};
std::string FormatByMagnitude(double value, const std::array<MagnitudeFormat, 4>& formats);

// One heading text and the column (0-based character position in the row) it starts at.
struct HeadingPiece {
    std::size_t column;
    std::string_view text;
};

// A heading line for a table of fixed-width rows: each text written from its column, the
// gaps filled with spaces. Pieces are given left to right and must not overlap.
std::string HeadingLine(std::initializer_list<HeadingPiece> pieces);

// A projection table as a grid shows it: the `leading` headers, the columns both tables share
// (head ROS and HFI, flank, back, area, perimeter, PGR, CFB and fire type, each caption over
// its unit), then the `trailing` headers; no header tips but the crown fraction's; and the
// form's cells, heading lines and rows as they stand.
ResultTable ProjectionGrid(std::initializer_list<std::string_view> leading,
                           std::initializer_list<std::string_view> trailing,
                           std::span<const std::vector<std::string>> cells,
                           std::span<const std::string> headingLines,
                           std::span<const std::string> rowTexts);

}  // namespace emberlin::forms

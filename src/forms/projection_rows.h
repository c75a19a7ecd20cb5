// Pieces shared by the two FBP projection tables: magnitude classes,
// fire type words and the placing of column headings over fixed-width rows.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "fbp/fbp_records.h"
#include "forms/fuel_catalogue.h"
#include "forms/hand_over.h"

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

}  // namespace emberlin::forms

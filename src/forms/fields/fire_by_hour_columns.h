// The Fire Behaviour by Hour results as text: the grid's columns, one hour's cells and the
// summary lines, which the window and the batch command both write.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "fire/fire_by_hour.h"
#include "forms/fields/result_columns.h"

namespace emberlin::forms {

// "13:00 to 19:00 (7 h)", spans joined by ", ", or "none".
std::string SpansText(const std::vector<HourSpan>& spans);

// The grid's columns (FireByHourColumns) and the texts of one row's cells.
// "HFI (kW/m)": the heading with its unit.
std::string HourColumnHeading(HourColumn column);
std::array<std::string, kHourColumnCount> HourCells(const HourBehaviour& hour);
// The summary's lines: peak, one line per threshold, crown fire.
std::vector<std::string> SummaryLines(const FireByHourSummary& summary,
                                      const std::array<double, 2>& thresholds);

}  // namespace emberlin::forms

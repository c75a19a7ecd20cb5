// Reading one day of the diurnal weather form's inputs from a CSV record, checked as the form
// checks them, and the day's hourly weather and FFMC computed from it.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "batch/fields.h"
#include "diurnal/diurnal_weather.h"
#include "diurnal/hourly_ffmc.h"

namespace emberlin::batch {

struct DiurnalHours {
    DiurnalDay day;
    DiurnalFfmc ffmc;
    double latitude = 0;
    double longitude = 0;
    int month = 0;
    int dayOfMonth = 0;
};

class DiurnalDayReader {
  public:
    static constexpr std::size_t kInputCount = 18;

    DiurnalDayReader();
    // Finds the day's columns and marks them used; "missing column: X" or "".
    std::string Begin(Header& header);
    // The day of one record; on a refusal nothing, with the problem kept in `values`.
    std::optional<DiurnalHours> Read(RecordValues& values, FfmcMethod method) const;

  private:
    std::array<ValueRule, kInputCount> rules_{};
    std::array<std::optional<std::size_t>, kInputCount> positions_{};
};

}  // namespace emberlin::batch

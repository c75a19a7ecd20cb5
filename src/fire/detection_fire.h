// The fire of the detection assessment: one fire grown over four hours under the hourly FFMC
// and wind speed of the diurnal weather tables.
#pragma once

#include <array>
#include <vector>

#include "fbp/accumulated_growth.h"
#include "fbp/fbp_records.h"
#include "fire/hourly_tables.h"

namespace emberlin {

// Minutes since the fire start of the ten rows: every quarter hour for two hours, then hourly
// up to four hours.
inline constexpr std::array<int, 10> kDetectionElapsedMinutes = {15, 30,  45,  60,  75,
                                                                 90, 105, 120, 180, 240};

// The detection fire at each row's elapsed time, started `startMinutes` after midnight and
// grown hour by hour under the hourly tables' FFMC and wind speed (the hours wrapping as
// HourlySlot does). `fire` gives the fuel, site, date and ignition type. The one source of
// the table's rows and of any picture of the same fire.
std::vector<AccumulatedGrowthRow> GrowDetectionFire(const FbpInputs& fire, int startMinutes,
                                                    const HourlyTables& hourly);

}  // namespace emberlin

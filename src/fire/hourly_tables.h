// The hourly FFMC and wind speed of one day, as the diurnal weather calculator publishes them,
// and the slot that serves any hour of a day that repeats.
#pragma once

#include <array>

namespace emberlin {

// Slot h = 1..24 is the value at the end of hour h; slot 0 is always 0.
struct HourlyTables {
    std::array<double, 25> ffmc{};
    std::array<double, 25> windSpeed{};
};

// The slot of the hourly tables (1..24) that holds hour `hourIndex` of a repeating day:
// hour 0 is the midnight that ends the previous day (slot 24), hour 25 is 01:00 of the next
// day (slot 1), and so on. Never outside 1..24, whatever the index.
int HourlySlot(int hourIndex);

}  // namespace emberlin

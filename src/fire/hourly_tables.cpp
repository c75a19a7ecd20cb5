#include "fire/hourly_tables.h"

namespace emberlin {

int HourlySlot(int hourIndex) {
    // Hours 1..24 map to themselves; the rest wrap around the 24-hour day.
    const int wrapped = (hourIndex - 1) % 24;
    return (wrapped < 0 ? wrapped + 24 : wrapped) + 1;
}

}  // namespace emberlin

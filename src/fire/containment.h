// Probability of containment of a C2 (boreal spruce) fire at initial attack.
#pragma once

namespace emberlin {

// C2 probability of containment in percent (0..99) from the fire's area (ha) and head fire
// intensity (kW/m), truncated toward zero.
int ContainmentProbability(double area, double hfi);

}  // namespace emberlin

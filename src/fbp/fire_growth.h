// FBP fire shape and growth: length-to-breadth ratio, flank rate and acceleration.
#pragma once

namespace emberlin {

// Acceleration rate (1/min) of the rate of spread after a point ignition, for a crown
// fraction burned cfb (0..1). Open fuels and C1 accelerate at 0.115 whatever the cfb; for an
// index outside 0..17 so does this.
double AccelerationRate(int fuelIndex, double cfb);

// Length-to-breadth ratio of the fire ellipse at net effective wind wsv (km/h).
double LengthToBreadth(int fuelIndex, double wsv);

// Flank rate of spread (m/min) from head and back rates and the length-to-breadth ratio.
double FlankRateOfSpread(double ros, double bros, double lb);

// Rate of spread (m/min) reached `elapsedTime` minutes after a point ignition.
double RateOfSpreadAtTime(int fuelIndex, double ros, double elapsedTime, double cfb);

// Time (min) a fire would have needed at its equilibrium rate to cover the distance it has
// covered `elapsedTime` minutes after a point ignition accelerating at `alpha` (1/min):
// T + e^(-alpha T) / alpha - 1 / alpha. A spread distance is the equilibrium rate times this;
// it is exactly 0 at T = 0.
double PointIgnitionSpreadTime(double alpha, double elapsedTime);

// Ellipse perimeter factor K of a length-to-breadth ratio lb: the perimeter is
// (head + back distance) * K / 2. K is 2 pi for a circle (lb 1).
double PerimeterFactor(double lb);

}  // namespace emberlin

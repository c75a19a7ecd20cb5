// FBP foliar moisture, surface and total fuel consumption, crown fraction burned, intensity.
#pragma once

namespace emberlin {

// A fuel index outside 0..17 reads no table row: the routines then give their floor or
// neutral value (sfc 0.000001, cfb 0, tfc = sfc).

// Foliar moisture content (%) of conifer crowns. minFmcDay > 0 is taken as the day of
// minimum foliar moisture; otherwise it is worked out from latitude, longitude (degrees,
// west positive) and elevation (m; 0 or below selects the formula without elevation).
double FoliarMoistureContent(double latitude, double longitude, int elevation, int julianDay,
                             int minFmcDay);

// Surface fuel consumed by the flaming front (kg/m^2) of fuel row `fuelIndex`; a result of 0
// or below (or not a number) is raised to 0.000001.
double SurfaceFuelConsumption(int fuelIndex, double ffmc, double bui, double pc, double gfl);

// Crown fraction burned (0..1) at rate of spread `ros` (m/min) for the row's crown base height.
double CrownFractionBurned(int fuelIndex, double fmc, double sfc, double ros);

// Total fuel consumption (kg/m^2): surface plus the burned part of the row's crown fuel load.
double TotalFuelConsumption(int fuelIndex, double cfb, double sfc, double pc);

// Byram's fire intensity (kW/m) from fuel consumed (kg/m^2) and rate of spread (m/min).
double FireIntensity(double tfc, double ros);

}  // namespace emberlin

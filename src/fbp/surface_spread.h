// FBP surface fire spread: ISI, BUI effect, head and back rates and the net effective wind.
#pragma once

namespace emberlin {

// A fuel index outside 0..17 reads no table row: the routines then give their floor or
// neutral value (rate 0.000001, BUI effect 1). Rates are in m/min.

// Net effective wind of wind and slope together.
struct NetWind {
    double wsv = 0;  // km/h
    double raz = 0;  // radians, the direction the fire is pushed, clockwise from north
};

// Initial Spread Index from an FFMC and a wind speed (km/h).
double InitialSpreadIndex(double ffmc, double windSpeed);

// Buildup effect on the rate of spread; 1 when bui is 0 or below (callers pass -1 to switch
// it off) or the row has no bui0.
double BuiEffect(int fuelIndex, double bui);

// Rate of spread of the row for an ISI. A result of 0 or below, or not a number, is raised
// to 0.000001; a small positive rate is returned as it is.
double RateOfSpread(int fuelIndex, double isi, double bui, double fmc, double sfc, double pc,
                    double pdf, double gc);

// C6 conifer plantation: surface rate blended towards the crown fire rate by the crown
// fraction burned; no floor.
double C6RateOfSpread(int fuelIndex, double isi, double bui, double fmc, double sfc);

// Back fire rate of spread for the net effective wind wsv (km/h).
double BackRateOfSpread(int fuelIndex, double ffmc, double bui, double wsv, double fmc, double sfc,
                        double pc, double pdf, double gc);

// Wind (km/h, pushing towards waz radians) summed with the slope-equivalent wind of a slope
// (%, above 0) whose upslope direction is saz radians.
NetWind NetEffectiveWind(int fuelIndex, double ffmc, double bui, double windSpeed, double waz,
                         double slope, double saz, double fmc, double sfc, double pc, double pdf,
                         double gc);

}  // namespace emberlin

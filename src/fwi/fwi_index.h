// The daily Fire Weather Index System: one day's codes and indices from yesterday's codes.
#pragma once

namespace emberlin {

// Which value CalcFwiIndex returns: one of the day's seven codes and indices, or the BUI of
// yesterday's DMC and DC alone.
enum class FwiOutput : int {
    Ffmc = 1,
    Dmc = 2,
    Dc = 3,
    Isi = 4,
    Bui = 5,
    Fwi = 6,
    Dsr = 7,
    StandAloneBui = 8,
};

// Returns today's FFMC, DMC, DC, ISI, BUI, FWI or DSR (selector 1..7, the codes of
// FwiOutput), the stand-alone
// BUI of dmcYesterday and dcYesterday (selector 8 or more), or 99 (selector 0 or less).
// Every call computes the whole chain from its own inputs. Units: temperature deg C,
// relative humidity %, rain mm over 24 h, wind km/h. The month must be 1..12 (the month
// tables have no other entries; another month yields NaN rather than a table read).
double CalcFwiIndex(int selector, double ffmcYesterday, double dmcYesterday, double dcYesterday,
                    int month, double temperature, double relativeHumidity, double rain,
                    double windSpeed);
// The same, the value named.
double CalcFwiIndex(FwiOutput output, double ffmcYesterday, double dmcYesterday, double dcYesterday,
                    int month, double temperature, double relativeHumidity, double rain,
                    double windSpeed);

// The seven values of one day, as CalcFwiIndex returns them for the selectors 1..7.
struct FwiCodes {
    double ffmc, dmc, dc, isi, bui, fwi, dsr;
};

// The whole day in one pass: each field equals CalcFwiIndex with its selector and the same
// inputs, bit for bit (CalcFwiIndex is computed from this). For runs over many days, where
// seven calls per day would repeat the chain seven times. A month outside 1..12 gives NaN.
FwiCodes CalcFwiDay(double ffmcYesterday, double dmcYesterday, double dcYesterday, int month,
                    double temperature, double relativeHumidity, double rain, double windSpeed);

}  // namespace emberlin

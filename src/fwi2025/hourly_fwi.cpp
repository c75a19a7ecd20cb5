#include "fwi2025/hourly_fwi.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace emberlin::fwi2025 {

namespace {

constexpr double kPi = std::numbers::pi;

// Effective rain below the canopy of a wetting event. The thresholds are compared in 0.1-mm
// steps: round1(P + P_ev) <= threshold is P + P_ev < threshold + 0.05, and round1(P_ev) >
// threshold is P_ev >= threshold + 0.05; the half-step constants are written as literals
// (2.8 + 0.05 computed at run time is 2.8499999999999996).
struct Canopy {
    double belowHalfStep;  // threshold + 0.05 mm, as a literal
    double subtractMm;
    double rate;
};
constexpr Canopy kFineFuelCanopy = {0.55, 0.5, 1};
constexpr Canopy kDuffCanopy = {1.55, 1.27, 0.92};
constexpr Canopy kDroughtCanopy = {2.85, 1.27, 0.83};

double EffectiveRain(double rainMm, double eventRainMm, const Canopy& canopy) {
    if (rainMm + eventRainMm < canopy.belowHalfStep) return 0;  // canopy not yet saturated
    if (eventRainMm >= canopy.belowHalfStep) return canopy.rate * rainMm;  // saturated before
    return canopy.rate * (eventRainMm + rainMm) - canopy.subtractMm;       // saturates this hour
}

// Daylight for duff and drought drying; the second clause serves midnight-sun dates whose
// sunset lies past 24 h.
bool IsDaylight(int hour, const SunTimes& sun) {
    const double h = hour;
    return (sun.sunriseH <= h && h <= sun.sunsetH) ||
           (hour < 6 && sun.sunriseH <= h + 24 && h + 24 <= sun.sunsetH);
}

// Fractional-year angle at noon, equation of time (min) and declination (rad).
struct SolarGeometry {
    double eqtimeMin;
    double declinationRad;
};

SolarGeometry Geometry(const ClockDate& date) {
    const double daysInYear = IsLeapYear(date.year) ? 366 : 365;
    const double g = 2 * kPi * (DayOfYear(date) - 1) / daysInYear;
    const double eqtime = 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g) -
                                    0.014615 * std::cos(2 * g) - 0.040849 * std::sin(2 * g));
    const double decl = 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) -
                        0.006758 * std::cos(2 * g) + 0.000907 * std::sin(2 * g) -
                        0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g);
    return {eqtime, decl};
}

// The bracket of the hourly drying and wetting rates that the fine fuel and both grasses
// share: 0.424 (1 - a^1.7) + 0.0694 sqrt(W) (1 - a^8), with `a` the air's dryness or
// wetness. The same expression of the same doubles gives the same value, so each `a` met in
// an hour is evaluated once (at most the two of the air's own humidity when the fuel is not
// heated by the sun).
class RateBracket {
  public:
    explicit RateBracket(double windKmh) : sqrtWind_(std::sqrt(windKmh)) {}
    double operator()(double a) {
        for (const Slot& slot : slots_) {
            if (slot.a == a) return slot.value;  // NaN keys never match
        }
        const double value =
            0.424 * (1 - std::pow(a, 1.7)) + 0.0694 * sqrtWind_ * (1 - std::pow(a, 8));
        slots_[next_] = {a, value};
        next_ = 1 - next_;
        return value;
    }

  private:
    struct Slot {
        double a;
        double value;
    };
    double sqrtWind_;
    Slot slots_[2] = {{std::nan(""), 0}, {std::nan(""), 0}};
    int next_ = 0;
};

// Terms of the hour's air that several formulas share (the same expressions, computed once).
struct AirTerms {
    double expHumidity;     // exp(-0.115 H)
    double expTemperature;  // exp(0.0365 T)
    RateBracket& bracket;
};

// Fine fuel: the hourly form of the 1977 moisture exchange model, as moisture content.
double FineFuelStep(double m0, double temperatureC, double humidityPct, double rainMm,
                    double eventRainMm, const AirTerms& air) {
    const double r = EffectiveRain(rainMm, eventRainMm, kFineFuelCanopy);
    double mr = m0;
    if (r > 0) {
        mr = m0 + 42.5 * r * std::exp(-100 / (251 - m0)) * (1 - std::exp(-6.93 / r));
        if (m0 > 150) mr = mr + 0.0015 * (m0 - 150) * (m0 - 150) * std::sqrt(r);
        mr = std::min(mr, 250.0);
    }
    const double t = temperatureC;
    const double h = humidityPct;
    const double e1 = 0.18 * (21.1 - t) * (1 - air.expHumidity);
    const double nearSaturation = std::exp((h - 100) / 10);
    const double ew = 0.618 * std::pow(h, 0.753) + 10 * nearSaturation + e1;
    const double ed = 0.942 * std::pow(h, 0.679) + 11 * nearSaturation + e1;
    double m = mr;
    if (mr < ew) {
        const double k = 0.1158 * air.expTemperature * air.bracket((100 - h) / 100);
        m = ew + (mr - ew) * std::pow(10.0, -k);
    } else if (mr <= ed) {
        m = mr;  // between the two equilibria: unchanged
    } else {
        const double k = 0.1158 * air.expTemperature * air.bracket(h / 100);
        m = ed + (mr - ed) * std::pow(10.0, -k);
    }
    // Decision: above about 49 deg C and below about 2 % RH the wetting equilibrium is
    // negative and the moisture would fall below 0 % (FFMC above 101), where the next ISI
    // raises a negative number to the power 5.31. The carried moisture is held at 0 %
    // (FFMC 101); nothing in the normal range reaches it.
    return std::max(m, 0.0);
}

// Smallest duff moisture above 20 %: far beyond any observed DMC (about 1,700) the
// moisture reaches 20 % within a double's precision and DMC = 43.43 ln(280/(M - 20)) would
// be infinite. Decision: the duff moisture stays at least one step above 20 %, so the DMC
// levels off there; ordinary values are untouched.
const double kDuffMoistureFloorPct = std::nextafter(20.0, 21.0);

double DuffStep(double m0, int hour, double temperatureC, double humidityPct, double rainMm,
                const SunTimes& sun, double eventRainMm) {
    const double rw = EffectiveRain(rainMm, eventRainMm, kDuffCanopy);
    double mr = m0;
    if (rw > 0) {
        const double p0 = DmcFromMoisture(m0);
        double b = 0;
        if (p0 <= 33) {
            b = 100 / (0.5 + 0.3 * p0);
        } else if (p0 <= 65) {
            b = 14 - 1.3 * std::log(p0);
        } else {
            b = 6.2 * std::log(p0) - 17.2;
        }
        mr = m0 + 1000 * rw / (48.77 + b * rw);
        mr = std::min(mr, 300.0);
    }
    double m = mr;
    if (IsDaylight(hour, sun)) {
        // round1(T) < 0 floors the temperature: T <= -0.05 deg C.
        const double t = temperatureC <= -0.05 ? 0.0 : temperatureC;
        const double k = 2.22e-4 * t * (100 - humidityPct);  // DMC units per hour, no offset
        m = (mr - 20) * std::exp(-k / 43.43) + 20;
    }
    m = std::min(m, 300.0);
    return std::max(m, kDuffMoistureFloorPct);
}

// Decision: like the duff moisture, the drought moisture keeps a positive floor, so the DC
// levels off near 278,600 instead of turning infinite (400/Q must stay finite).
constexpr double kDroughtMoistureFloorPct = 1e-300;

double DroughtStep(double q0, int hour, double temperatureC, double rainMm, const SunTimes& sun,
                   double eventRainMm) {
    const double rw = EffectiveRain(rainMm, eventRainMm, kDroughtCanopy);
    double qr = q0 + 3.937 * rw / 2;
    qr = std::min(qr, 400.0);
    double q = qr;
    if (IsDaylight(hour, sun)) {
        // round1(T) > 0 dries: T >= 0.05 deg C. No temperature offset, no day-length factor.
        const double pe = temperatureC >= 0.05 ? 0.015 * temperatureC + 3.0 / 16 : 0.0;
        q = qr * std::exp(-pe / 400);
    }
    q = std::min(q, 400.0);
    return std::max(q, kDroughtMoistureFloorPct);
}

// Equilibrium moistures of grass at a fuel temperature and humidity, and exp(0.0365 Tf).
struct GrassEquilibrium {
    double dryingPct;   // ed
    double wettingPct;  // ew
    double expFuelTemperature;
};

GrassEquilibrium GrassEquilibriumAt(double tf, double hf, double expHumidity,
                                    double expFuelTemperature) {
    const double e1 = 0.27 * (26.7 - tf) * (1 - expHumidity);
    const double ed = 1.62 * std::pow(hf, 0.532) + 13.7 * std::exp((hf - 100) / 13) + e1;
    const double ew = 1.42 * std::pow(hf, 0.512) + 12.0 * std::exp((hf - 100) / 18) + e1;
    return {ed, ew, expFuelTemperature};
}

// Grass fuel moisture (2016 revision of the grass-fuel moisture model), one hour. `air` is
// the equilibrium at the air's own temperature and humidity, which a fuel in no sun has.
double GrassStep(double g0, double temperatureC, double humidityPct, double windKmh, double rainMm,
                 double solarKwM2, double loadKgM2, const GrassEquilibrium& air,
                 RateBracket& bracket) {
    double g = g0;
    if (rainMm != 0) g = std::min(g + 100 * rainMm / loadKgM2, 250.0);
    const double t = temperatureC;
    // Fuel temperature; without sun it is the air's (t + 17.9 * 0 * exp(...) is t).
    const double tf = solarKwM2 == 0 ? t : t + 17.9 * solarKwM2 * std::exp(-0.034 * windKmh);
    double hf = humidityPct;
    GrassEquilibrium eq = air;
    if (tf > t) {
        hf = humidityPct * std::pow(10.0, 7.5 * t / (t + 237)) /
             std::pow(10.0, 7.5 * tf / (tf + 237));
        eq = GrassEquilibriumAt(tf, hf, std::exp(-0.115 * hf), std::exp(0.0365 * tf));
    }
    const double ed = eq.dryingPct;
    const double ew = eq.wettingPct;
    if (g == ed || (ew <= g && g < ed)) return g;
    double a = 0;
    double e = 0;
    if (g > ed) {
        a = hf / 100;
        e = ed;
    } else {
        a = (100 - hf) / 100;
        e = ew;
    }
    a = std::max(a, 0.0);
    const double kg = bracket(a) * 0.389633 * eq.expFuelTemperature;
    return e + (g - e) * std::pow(10.0, -kg);
}

}  // namespace

double FfmcFromMoisture(double moisturePct) {
    // At 0 % the quotient rounds to 101.00000000000001; the code's top is 101.
    return std::min(59.5 * (250 - moisturePct) / (kFfmcMoistureFactor + moisturePct), 101.0);
}

double MoistureFromFfmc(double ffmc) { return kFfmcMoistureFactor * (101 - ffmc) / (59.5 + ffmc); }

double DmcFromMoisture(double moisturePct) { return 43.43 * std::log(280 / (moisturePct - 20)); }

double MoistureFromDmc(double dmc) {
    return std::max(20 + 280 / std::exp(dmc / 43.43), kDuffMoistureFloorPct);
}

double DcFromMoisture(double moisturePct) { return 400 * std::log(400 / moisturePct); }

double MoistureFromDc(double dc) {
    return std::max(400 * std::exp(-dc / 400), kDroughtMoistureFloorPct);
}

HourlyState StartState(const StartValues& start) {
    HourlyState state;
    state.fineFuelMoisturePct = start.fineFuelMoisturePct
                                    ? *start.fineFuelMoisturePct
                                    : MoistureFromFfmc(start.ffmc.value_or(85.0));
    state.duffMoisturePct = MoistureFromDmc(start.dmc);
    state.droughtMoisturePct = MoistureFromDc(start.dc);
    state.mattedGrassMoisturePct = start.mattedGrassMoisturePct;
    state.standingGrassMoisturePct = start.standingGrassMoisturePct;
    state.eventRainMm = start.eventRainMm;
    state.dryHours = start.dryHours;
    return state;
}

SunTimes CalcSunTimes(const Site& site, const ClockDate& date) {
    const SolarGeometry geo = Geometry(date);
    const double phi = site.latitudeDeg * kPi / 180;
    const double z0 = 90.833 * kPi / 180;
    double x = std::cos(z0) / (std::cos(phi) * std::cos(geo.declinationRad)) -
               std::tan(phi) * std::tan(geo.declinationRad);
    // Polar night gives halfday 0 (sunrise = sunset), midnight sun 180 deg.
    x = std::clamp(x, -1.0, 1.0);
    const double halfday = std::acos(x) * 180 / kPi;
    SunTimes sun;
    sun.sunriseH =
        (720 - 4 * (site.longitudeDeg + halfday) - geo.eqtimeMin) / 60 + site.utcOffsetHours;
    sun.sunsetH =
        (720 - 4 * (site.longitudeDeg - halfday) - geo.eqtimeMin) / 60 + site.utcOffsetHours;
    sun.sunlightHours = sun.sunsetH - sun.sunriseH;
    return sun;
}

namespace {

// The parts of the solar radiation estimate that depend on the date only.
struct SolarDay {
    double timeOffsetMin;
    double sinProduct;  // sin(phi) sin(decl)
    double cosProduct;  // cos(phi) cos(decl)
};

SolarDay SolarDayOf(const Site& site, const ClockDate& date) {
    const SolarGeometry geo = Geometry(date);
    const double phi = site.latitudeDeg * kPi / 180;
    return {geo.eqtimeMin + 4 * site.longitudeDeg - 60 * site.utcOffsetHours,
            std::sin(phi) * std::sin(geo.declinationRad),
            std::cos(phi) * std::cos(geo.declinationRad)};
}

double SolarRadiationAt(const SolarDay& day, int hour, double temperatureC,
                        double relativeHumidityPct) {
    const double trueSolarMin = 60 * hour + day.timeOffsetMin;
    const double hourAngleDeg = trueSolarMin / 4 - 180;
    // Decision: the acos argument is clamped to [-1, 1] against rounding just outside it.
    const double cosZenith =
        std::clamp(day.sinProduct + day.cosProduct * std::cos(hourAngleDeg * kPi / 180), -1.0, 1.0);
    const double t = temperatureC;
    // The sun below the horizon: the zenith angle is clamped to pi/2 (acos of a value not
    // above 0 is at least pi/2), whose cosine 6.1e-17 gives less than 1e-4 kW/m2, i.e. 0.
    if (cosZenith <= 0 && !std::isnan(t + relativeHumidityPct)) return 0;
    const double zenith = std::min(std::acos(cosZenith), kPi / 2);
    const double vpd = 6.11 * (1 - relativeHumidityPct / 100) * std::exp(17.29 * t / (t + 237.3));
    double solrad = std::cos(zenith) * 0.92 * (1 - std::exp(-0.22 * vpd));
    if (solrad < 1e-4) solrad = 0;
    return solrad;
}

}  // namespace

double EstimateSolarRadiation(const Site& site, const ClockDate& date, int hour,
                              double temperatureC, double relativeHumidityPct) {
    return SolarRadiationAt(SolarDayOf(site, date), hour, temperatureC, relativeHumidityPct);
}

double SeasonalCuring(const ClockDate& date) {
    static constexpr double kCuring[26] = {96.0, 95.0, 93.0, 92.0, 90.5, 88.4, 84.4, 78.1, 68.7,
                                           50.3, 32.9, 23.0, 22.0, 21.0, 20.0, 25.7, 35.0, 43.0,
                                           49.8, 60.0, 68.0, 72.0, 75.0, 78.9, 86.0, 96.0};
    // Green-up on the calendar date 12 March (not a day of year, which moves in leap years).
    const bool afterGreenUp = date.month > 3 || (date.month == 3 && date.day >= 12);
    const ClockDate greenUp = {afterGreenUp ? date.year : date.year - 1, 3, 12};
    const std::int64_t k = DayNumber(date) - DayNumber(greenUp) + 1;
    if (k >= 250) return 96.0;
    const auto i = static_cast<std::size_t>(k / 10);
    const double f = static_cast<double>(k % 10) / 10;
    return kCuring[i] + (kCuring[i + 1] - kCuring[i]) * f;
}

double Isi(double windSpeedKmh, double ffmc) {
    // Decision: FFMC 101 converts back to a moisture a rounding error below 0 %; the moisture
    // is taken as at least 0 % so the power 5.31 below stays defined.
    const double m = std::max(MoistureFromFfmc(ffmc), 0.0);
    // The high-wind branch belongs to the hourly system; round0(W) >= 40 is W >= 39.5.
    const double fw = windSpeedKmh >= 39.5 ? 12 * (1 - std::exp(-0.0818 * (windSpeedKmh - 28)))
                                           : std::exp(0.05039 * windSpeedKmh);
    const double ff = 91.9 * std::exp(-0.1386 * m) * (1 + std::pow(m, 5.31) / 4.93e7);
    return 0.208 * fw * ff;
}

double Bui(double dmc, double dc) {
    double u = 0;
    if (!(dmc == 0 && dc == 0)) u = 0.8 * dmc * dc / (dmc + 0.4 * dc);
    if (u < dmc) {
        const double p = (dmc - u) / dmc;
        const double cc = 0.92 + std::pow(0.0114 * dmc, 1.7);
        u = dmc - cc * p;
        if (u <= 0) u = 0;
    }
    return u;
}

namespace {

// The duff-moisture function of the FWI (depends on the BUI alone).
double DuffFunction(double bui) {
    return bui > 80 ? 1000 / (25 + 108.64 * std::exp(-0.023 * bui))
                    : 0.626 * std::pow(bui, 0.809) + 2;
}

double FwiOf(double isi, double duffFunction) {
    const double b = 0.1 * isi * duffFunction;
    if (b <= 1) return b;
    return std::exp(2.72 * std::pow(0.434 * std::log(b), 0.647));
}

}  // namespace

double Fwi(double isi, double bui) { return FwiOf(isi, DuffFunction(bui)); }

double Dsr(double fwi) { return 0.0272 * std::pow(fwi, 1.77); }

double CuringFactor(double percentCured) {
    // Decision (as published): the factor jumps from 0 to 0.0099 at 20 % cured, and stays
    // below 1 at 100 % (0.99998), so the GFMC logit is always defined.
    if (percentCured < 20) return 0;
    return 1.036 / (1 + 103.989 * std::exp(-0.0996 * (percentCured - 20)));
}

namespace {

double GfmcOf(double grassMoisturePct, double curingFactor, double windSpeedKmh) {
    const double w2 = 0.75 * windSpeedKmh;  // 10 m -> 2 m open wind
    const double pig = 1 / (1 + std::exp(-(1.49 - 0.11 * grassMoisturePct + 0.075 * w2)));
    const double pc = curingFactor * pig;
    double egmc = 250;
    if (pc > 0) egmc = (std::log(pc / (1 - pc)) - 1.49 - 0.075 * w2) / (-0.11);
    egmc = std::min(egmc, 250.0);
    return 59.5 * (250 - egmc) / (kFfmcMoistureFactor + egmc);
}

double GsiOf(double windSpeedKmh, double grassMoisturePct, double curingFactor, bool standing) {
    const double w = windSpeedKmh;
    double phiW = 0;
    if (standing) {
        phiW = w < 5 ? 16.67 * (0.054 + 0.269 * w) : 16.67 * (1.4 + 0.838 * std::pow(w - 5, 0.844));
    } else {
        phiW = w < 5 ? 16.67 * (0.054 + 0.209 * w) : 16.67 * (1.1 + 0.715 * std::pow(w - 5, 0.844));
    }
    const double mc = grassMoisturePct;
    double phiM = 0;
    // The 10 km/h switch compares the rounded wind: round0(W) >= 10 is W >= 9.5.
    if (mc < 12) {
        phiM = std::exp(-0.108 * mc);
    } else if (mc < 20 && w < 9.5) {
        phiM = 0.6838 - 0.0342 * mc;
    } else if (mc < 23.9 && w >= 9.5) {
        phiM = 0.547 - 0.0228 * mc;
    }
    phiM = std::max(phiM, 0.0);
    const double ros = phiW * phiM * curingFactor;  // m/min
    return 1.11 * ros;
}

}  // namespace

double Gfmc(double grassMoisturePct, double percentCured, double windSpeedKmh) {
    return GfmcOf(grassMoisturePct, CuringFactor(percentCured), windSpeedKmh);
}

double Gsi(double windSpeedKmh, double grassMoisturePct, double percentCured, bool standing) {
    return GsiOf(windSpeedKmh, grassMoisturePct, CuringFactor(percentCured), standing);
}

double Gfwi(double gsi, double fuelLoadKgM2) {
    const double ros = gsi / 1.11;                      // m/min
    const double intensity = 300 * fuelLoadKgM2 * ros;  // kW/m
    // Decision (as published): the index jumps from 4.00 down to 3.65 at 100 kW/m.
    if (intensity > 100) return std::log(intensity / 60) / 0.14;
    return intensity / 25;
}

HourlyRun::HourlyRun(const Site& site, const HourlyState& start, double grassFuelLoadKgM2,
                     bool grassTransition)
    : site_(site),
      state_(start),
      fuelLoadKgM2_(grassFuelLoadKgM2),
      grassTransition_(grassTransition) {}

HourlyOutput HourlyRun::Step(const HourlyWeather& weather) {
    const std::int64_t today = DayNumber(weather.date);
    if (!started_) {
        // Matted until 1 July of the first row's year, or of the next year when the run
        // starts after that 1 July.
        std::int64_t july = DayNumber({weather.date.year, 7, 1});
        if (july < today) july = DayNumber({weather.date.year + 1, 7, 1});
        standingFromDay_ = july;
        started_ = true;
    }
    if (today != sunDay_) {
        // What depends on the date alone, once per date.
        sun_ = CalcSunTimes(site_, weather.date);
        const SolarDay solar = SolarDayOf(site_, weather.date);
        solarDay_[0] = solar.timeOffsetMin;
        solarDay_[1] = solar.sinProduct;
        solarDay_[2] = solar.cosProduct;
        curingPct_ = SeasonalCuring(weather.date);
        sunDay_ = today;
    }
    HourlyOutput out;
    out.sun = sun_;
    out.grassFuelLoadKgM2 = fuelLoadKgM2_;
    out.percentCured = weather.percentCured ? *weather.percentCured : curingPct_;
    // The functions below of values that often repeat from one hour to the next (the curing
    // of a date, the codes through the night) are kept with their argument and evaluated
    // again only when it changes: the same argument gives the same double.
    const double curingFactor = curingFactor_(out.percentCured, CuringFactor);
    out.solarRadiationKwM2 =
        weather.solarRadiationKwM2
            ? *weather.solarRadiationKwM2
            : SolarRadiationAt({solarDay_[0], solarDay_[1], solarDay_[2]}, weather.hour,
                               weather.temperatureC, weather.relativeHumidityPct);
    RateBracket bracket(weather.windSpeedKmh);
    const AirTerms air = {std::exp(-0.115 * weather.relativeHumidityPct),
                          std::exp(0.0365 * weather.temperatureC), bracket};

    HourlyState& s = state_;
    const double p = weather.rainMm;
    // 1. Event bookkeeping: round1(P) > 0 is P >= 0.05 mm; P_ev == 0 is an exact test.
    if (p >= 0.05 || s.eventRainMm == 0) {
        s.dryHours = 0;
    } else {
        s.dryHours = s.dryHours + 1;
        if (s.dryHours >= 5) {  // the event ends at the start of the 5th dry hour
            s.eventRainMm = 0;
            s.dryHours = 0;
        }
    }
    // 2-4. Fine fuel, duff, drought, all seeing the event total before this hour's rain.
    s.fineFuelMoisturePct = FineFuelStep(s.fineFuelMoisturePct, weather.temperatureC,
                                         weather.relativeHumidityPct, p, s.eventRainMm, air);
    out.mcffmcPct = s.fineFuelMoisturePct;
    out.ffmc = FfmcFromMoisture(s.fineFuelMoisturePct);
    s.duffMoisturePct = DuffStep(s.duffMoisturePct, weather.hour, weather.temperatureC,
                                 weather.relativeHumidityPct, p, sun_, s.eventRainMm);
    out.dmc = dmc_(s.duffMoisturePct, DmcFromMoisture);
    s.droughtMoisturePct = DroughtStep(s.droughtMoisturePct, weather.hour, weather.temperatureC, p,
                                       sun_, s.eventRainMm);
    out.dc = dc_(s.droughtMoisturePct, DcFromMoisture);
    // 5. Indices; ISI from the FFMC code, converted back to moisture.
    out.isi = Isi(weather.windSpeedKmh, out.ffmc);
    if (!(out.dmc == buiDmc_ && out.dc == buiDc_)) {
        buiDmc_ = out.dmc;
        buiDc_ = out.dc;
        bui_ = Bui(out.dmc, out.dc);
    }
    out.bui = bui_;
    out.fwi = FwiOf(out.isi, duffFunction_(out.bui, DuffFunction));
    out.dsr = Dsr(out.fwi);
    // 6. Event total, also when the rain rounds to 0.0 mm.
    s.eventRainMm = s.eventRainMm + p;
    // 7. Grass: matted takes all the rain and the sun, standing 6 % of the rain and no sun.
    const GrassEquilibrium inAir = GrassEquilibriumAt(
        weather.temperatureC, weather.relativeHumidityPct, air.expHumidity, air.expTemperature);
    s.mattedGrassMoisturePct =
        GrassStep(s.mattedGrassMoisturePct, weather.temperatureC, weather.relativeHumidityPct,
                  weather.windSpeedKmh, p, out.solarRadiationKwM2, fuelLoadKgM2_, inAir, bracket);
    s.standingGrassMoisturePct =
        GrassStep(s.standingGrassMoisturePct, weather.temperatureC, weather.relativeHumidityPct,
                  weather.windSpeedKmh, 0.06 * p, 0, fuelLoadKgM2_, inAir, bracket);
    out.mcgfmcMattedPct = s.mattedGrassMoisturePct;
    out.mcgfmcStandingPct = s.standingGrassMoisturePct;
    // 8-9. Grass state and indices.
    out.standingGrass = !grassTransition_ || today >= standingFromDay_;
    const double mc = out.standingGrass ? s.standingGrassMoisturePct : s.mattedGrassMoisturePct;
    out.gfmc = GfmcOf(mc, curingFactor, weather.windSpeedKmh);
    out.gsi = GsiOf(weather.windSpeedKmh, mc, curingFactor, out.standingGrass);
    out.gfwi = Gfwi(out.gsi, fuelLoadKgM2_);
    // 10. Event counters after this hour.
    out.precCumulativeMm = s.eventRainMm;
    out.canopyDryingH = s.dryHours;
    return out;
}

}  // namespace emberlin::fwi2025

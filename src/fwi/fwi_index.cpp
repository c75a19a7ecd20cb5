#include "fwi/fwi_index.h"

#include <array>
#include <cmath>
#include <limits>

namespace emberlin {
namespace {

// Month tables, January first: DMC effective day length Le (double) and DC day-length
// adjustment Lf, which is held in single precision and widened where it is used.
struct MonthFactors {
    double dmcDayLength;
    float dcDayLengthAdjustment;
};

constexpr std::array<MonthFactors, 12> kMonthFactors = {{
    //  Le     Lf
    {6.5, -1.6f},  // January
    {7.5, -1.6f},  // February
    {9.0, -1.6f},  // March
    {12.8, 0.9f},  // April
    {13.9, 3.8f},  // May
    {13.9, 5.8f},  // June
    {12.4, 6.4f},  // July
    {10.9, 5.0f},  // August
    {9.4, 2.4f},   // September
    {8.0, 0.4f},   // October
    {7.0, -1.6f},  // November
    {6.0, -1.6f},  // December
}};

// Buildup Index from DMC p and DC d (before any limit). Where p + 0.4 d is 0 or below
// (other than p = d = 0) the harmonic-mean form has no meaning (d is negative on cold
// days), and the BUI is 0 there rather than a value that jumps across the pole.
double BuildupIndex(double p, double d, bool bothZero) {
    if (bothZero) return 0.0;
    double denominator = p + 0.4 * d;
    if (denominator <= 0.0) return 0.0;
    double u = 0.8 * p * d / denominator;
    if (u < p) {
        double c = (p - u) / p;
        u = p - (0.92 + std::pow(0.0114 * p, 1.7)) * c;
    }
    return u < 0.0 ? 0.0 : u;
}

}  // namespace

FwiCodes CalcFwiDay(double ffmcYesterday, double dmcYesterday, double dcYesterday, int month,
                    double temperature, double relativeHumidity, double rain, double windSpeed) {
    if (month < 1 || month > 12) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan, nan, nan, nan, nan, nan};
    }
    const MonthFactors& factors = kMonthFactors[static_cast<std::size_t>(month - 1)];

    const double t = temperature;
    const double ro = rain;
    const double w = windSpeed;
    // Humidity above 99.9 % is taken as 99.9 % throughout.
    const double h = relativeHumidity > 99.9 ? 99.9 : relativeHumidity;

    // Fine Fuel Moisture Code.
    double mo = 147.2 * (101.0 - ffmcYesterday) / (59.5 + ffmcYesterday);
    if (ro > 0.5) {
        double rf = ro - 0.5;
        double delta = 42.5 * rf * std::exp(-100.0 / (251.0 - mo)) * (1.0 - std::exp(-6.93 / rf));
        if (mo > 150.0) delta += 0.0015 * (mo - 150.0) * (mo - 150.0) * std::sqrt(rf);
        mo = mo + delta;
    }
    if (mo > 250.0) mo = 250.0;

    const double humidityTerm = 0.18 * (21.1 - t) * (1.0 - std::exp(-0.115 * h));
    const double ed =
        0.942 * std::pow(h, 0.679) + 11.0 * std::exp((h - 100.0) / 10.0) + humidityTerm;
    const double ew =
        0.618 * std::pow(h, 0.753) + 10.0 * std::exp((h - 100.0) / 10.0) + humidityTerm;

    double m = mo;
    if (mo < ed && mo < ew) {
        // Wetting toward the wetting equilibrium.
        double x = (100.0 - h) / 100.0;
        double k0 =
            0.424 * (1.0 - std::pow(x, 1.7)) + 0.0694 * std::sqrt(w) * (1.0 - std::pow(x, 8));
        double kw = k0 * 0.581 * std::exp(0.0365 * t);
        m = ew - (ew - mo) / std::pow(10.0, kw);
    } else if (mo > ed) {
        // Drying toward the drying equilibrium.
        double x = h / 100.0;
        double k0 =
            0.424 * (1.0 - std::pow(x, 1.7)) + 0.0694 * std::sqrt(w) * (1.0 - std::pow(x, 8));
        double kd = k0 * 0.581 * std::exp(0.0365 * t);
        m = ed + (mo - ed) / std::pow(10.0, kd);
    }
    const double f = 59.5 * (250.0 - m) / (147.2 + m);
    const double ffmc = f > 101.0 ? 101.0 : (f < 0.0 ? 0.0 : f);

    // Duff Moisture Code.
    double tw = t < -1.1 ? -1.1 : t;
    const double k = 0.0001894 * (tw + 1.1) * factors.dmcDayLength * (100.0 - h);
    double pr = dmcYesterday;
    if (ro > 1.5) {
        double re = 0.92 * ro - 1.27;
        double mDuff = 20.0 + 280.0 / std::exp(0.023 * dmcYesterday);
        double b;
        if (dmcYesterday <= 33.0) {
            b = 100.0 / (0.5 + 0.3 * dmcYesterday);
        } else if (dmcYesterday <= 65.0) {
            b = 14.0 - 1.3 * std::log(dmcYesterday);
        } else {
            b = 6.2 * std::log(dmcYesterday) - 17.2;
        }
        double mr = mDuff + 1000.0 * re / (48.77 + b * re);
        pr = 43.43 * (5.6348 - std::log(mr - 20.0));
    }
    if (pr < 0.0) pr = 0.0;
    const double p = pr + k;
    const double dmc = p < 0.0 ? 0.0 : p;

    // Drought Code.
    if (t < -2.8) tw = -2.8;
    const double v = 0.5 * (0.36 * (tw + 2.8) + static_cast<double>(factors.dcDayLengthAdjustment));
    double dr = dcYesterday;
    if (ro > 2.8) {
        double rd = 0.83 * ro - 1.27;
        double qo = 800.0 * std::exp(-0.0025 * dcYesterday);
        dr = dcYesterday - 400.0 * std::log(1.0 + 3.937 * rd / qo);
        if (dr < 0.0) dr = 0.0;
    }
    const double d = dr + v;
    const double dc = d < 0.0 ? 0.0 : d;

    // Initial Spread Index, from F before its limit. An F above 101 would make the moisture
    // negative and its 5.31 power NaN; such a fuel is as dry as at 101, so m' stays >= 0.
    double mPrime = 147.2 * (101.0 - f) / (59.5 + f);
    if (mPrime < 0.0) mPrime = 0.0;
    // 2.028397565922921e-8 = 1 / 49 300 000; 19.115 folds the ISI factor 0.208 into 91.9.
    const double ff =
        19.115 * std::exp(-0.1386 * mPrime) * (1.0 + std::pow(mPrime, 5.31) * 2.028397565922921e-8);
    const double isi = std::exp(0.05039 * w) * ff;

    // Buildup Index: the returned codes decide the zero case, P and D before their limits
    // feed the equation.
    const double bui = BuildupIndex(p, d, dmc == 0.0 && dc == 0.0);

    // Fire Weather Index and Daily Severity Rating.
    const double fd = bui <= 80.0 ? 0.626 * std::pow(bui, 0.809) + 2.0
                                  : 1000.0 / (25.0 + 108.64 / std::exp(0.023 * bui));
    const double bScale = 0.1 * isi * fd;
    const double fwi =
        bScale <= 1.0 ? bScale : std::exp(2.72 * std::pow(0.434 * std::log(bScale), 0.647));
    const double dsr = 0.0272 * std::pow(fwi, 1.77);

    return {ffmc, dmc, dc, isi, bui, fwi, dsr};
}

double CalcFwiIndex(int selector, double ffmcYesterday, double dmcYesterday, double dcYesterday,
                    int month, double temperature, double relativeHumidity, double rain,
                    double windSpeed) {
    if (selector <= 0) return 99.0;

    if (selector >= static_cast<int>(FwiOutput::StandAloneBui)) {
        double p = dmcYesterday;
        double d = dcYesterday;
        return BuildupIndex(p, d, p == 0.0 && d == 0.0);
    }

    const FwiCodes day = CalcFwiDay(ffmcYesterday, dmcYesterday, dcYesterday, month, temperature,
                                    relativeHumidity, rain, windSpeed);
    // 1..7 here: each names one of the day's values.
    switch (static_cast<FwiOutput>(selector)) {
        case FwiOutput::Ffmc:
            return day.ffmc;
        case FwiOutput::Dmc:
            return day.dmc;
        case FwiOutput::Dc:
            return day.dc;
        case FwiOutput::Isi:
            return day.isi;
        case FwiOutput::Bui:
            return day.bui;
        case FwiOutput::Fwi:
            return day.fwi;
        default:
            return day.dsr;
    }
}

double CalcFwiIndex(FwiOutput output, double ffmcYesterday, double dmcYesterday, double dcYesterday,
                    int month, double temperature, double relativeHumidity, double rain,
                    double windSpeed) {
    return CalcFwiIndex(static_cast<int>(output), ffmcYesterday, dmcYesterday, dcYesterday, month,
                        temperature, relativeHumidity, rain, windSpeed);
}

}  // namespace emberlin

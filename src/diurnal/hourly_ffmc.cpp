#include "diurnal/hourly_ffmc.h"

#include <cmath>
#include <cstddef>

namespace emberlin {
namespace {

// FFMC <-> fine fuel moisture content (% of dry weight); 250 % is FFMC 0, 0 % is FFMC 101.
double MoistureFromFfmc(double ffmc) { return 147.2 * (101.0 - ffmc) / (59.5 + ffmc); }
double FfmcFromMoisture(double m) { return 59.5 * (250.0 - m) / (m + 147.2); }

struct Equilibria {
    double drying;   // Ed, % moisture
    double wetting;  // Ew
};

// Equilibrium moisture contents for temperature t (degrees C) and humidity h (%), given the
// humidity term 1 - exp(-0.115 h) of the temperature correction.
Equilibria CalcEquilibria(double t, double h, double humidityTerm) {
    const double c = 0.18 * (21.1 - t) * humidityTerm;
    const double wet = std::exp((h - 100.0) * 0.1);
    return Equilibria{0.942 * std::pow(h, 0.679) + 11.0 * wet + c,
                      0.618 * std::pow(h, 0.753) + 10.0 * wet + c};
}

constexpr std::size_t kAfternoonHour = 16;  // 4 pm: the hour the day's FFMC is matched at

}  // namespace

double CalcHourlyFfmcVanWagner(double temperature, double relativeHumidity, double windSpeed,
                               double previousFfmc) {
    const double h = relativeHumidity;
    double m = MoistureFromFfmc(previousFfmc);
    const Equilibria eq = CalcEquilibria(temperature, h, 1.0 - 1.0 / std::exp(0.115 * h));

    if (m == eq.drying || (eq.wetting <= m && m < eq.drying)) {
        // Between the equilibria the fuel neither dries nor wets.
    } else {
        double x;
        double e;
        if (m > eq.drying) {
            x = h * 0.01;
            e = eq.drying;
        } else {
            x = (100.0 - h) * 0.01;
            e = eq.wetting;
        }
        // Hourly log drying (wetting) rate; 0.0579 converts the daily rate to one hour.
        const double k = (0.424 * (1.0 - std::pow(x, 1.7)) +
                          0.0694 * std::sqrt(windSpeed) * (1.0 - std::pow(x, 8.0))) *
                         std::exp(0.0365 * temperature) * 0.0579;
        m = e + (m - e) * std::exp(-2.303 * k);  // 2.303 = ln 10
    }

    const double ffmc = FfmcFromMoisture(m);
    return ffmc > 101.0 ? 101.0 : ffmc;
}

double CalcHourlyFfmcEquilibrium(double temperature, double relativeHumidity, double previousFfmc) {
    const double h = relativeHumidity;
    const double m = MoistureFromFfmc(previousFfmc);
    const Equilibria eq = CalcEquilibria(temperature, h, 1.0 - std::exp(-0.115 * h));
    double settled = m;
    if (m > eq.drying) {
        settled = eq.drying;
    } else if (m < eq.wetting) {
        settled = eq.wetting;
    }
    return FfmcFromMoisture(settled);
}

double FindStartFfmc(const DiurnalDay& day, double noonFfmc) {
    // The search only ever raises the guess, also when the modelled afternoon is too dry.
    double step = 20.0;
    double guess = noonFfmc - step;
    for (int trial = 0; trial < 10; ++trial) {
        double ffmc = guess;  // used unclamped, even when negative
        for (std::size_t h = 1; h <= kAfternoonHour; ++h) {
            ffmc = CalcHourlyFfmcVanWagner(day.temperature[h], day.relativeHumidity[h],
                                           day.windSpeed[h], ffmc);
        }
        const double miss = noonFfmc - ffmc;
        if (-5.0 < miss && miss <= 5.0) break;
        step -= 2.0;
        guess = noonFfmc - step;  // after the tenth miss: step 0, the day's FFMC itself
    }
    if (guess < 0.0) return 0.0;
    if (guess > 101.0) return 101.0;
    return guess;
}

DiurnalFfmc CalcDiurnalFfmc(const DiurnalDay& day, double noonFfmc, FfmcMethod method) {
    DiurnalFfmc result{};
    switch (method) {
        case FfmcMethod::VanWagner: {
            double ffmc = FindStartFfmc(day, noonFfmc);
            for (std::size_t h = 1; h <= 24; ++h) {
                ffmc = CalcHourlyFfmcVanWagner(day.temperature[h], day.relativeHumidity[h],
                                               day.windSpeed[h], ffmc);
                result[h] = ffmc;
            }
            break;
        }
        case FfmcMethod::Equilibrium:
            // Each hour on its own from FFMC 0: fully wet fuel always lies above Ed, so this
            // is the FFMC at that hour's drying equilibrium.
            for (std::size_t h = 1; h <= 24; ++h) {
                result[h] =
                    CalcHourlyFfmcEquilibrium(day.temperature[h], day.relativeHumidity[h], 0.0);
            }
            break;
        case FfmcMethod::Lawson:
            break;
    }
    return result;
}

}  // namespace emberlin

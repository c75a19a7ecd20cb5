// FBP surface fire spread: ISI, BUI effect, head and back rates and the net effective wind.
#include "fbp/surface_spread.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/constants.h"
#include "fbp/crown_consumption.h"
#include "fbp/fbp_records.h"

namespace emberlin {

// The M3/M4 parameters at pdf 0 rely on e^(-x/0) = e^(-inf) = 0.
static_assert(std::numeric_limits<double>::is_iec559);

namespace {

constexpr double kRateFloor = 0.000001;  // m/min

// Fine fuel moisture function of the ISI. The moisture m (%) is held at 0 for an FFMC above
// 101 (the hourly equilibrium FFMC can reach 101.05): a negative m would make m^5.31 NaN.
double FineFuelMoistureFunction(double ffmc) {
    double m = 147.2 * (101.0 - ffmc) / (59.5 + ffmc);
    if (m < 0.0) m = 0.0;
    return 91.9 * std::exp(-0.1386 * m) *
           (1.0 + std::pow(m, 5.31) * 2.028397565922921e-08);  // 1 / 49300000
}

struct SpreadParameters {
    double a, b, c;
};

// Table row parameters; the dead balsam fir mixedwoods derive theirs from pdf (%).
SpreadParameters ParametersOf(int fuelIndex, double pdf) {
    switch (fuelIndex) {
        case kM3:
            return {170.0 * std::exp(-35.0 / pdf), 0.082 * std::exp(-36.0 / pdf),
                    1.698 - 0.00303 * pdf};
        case kM4:
            return {140.0 * std::exp(-33.5 / pdf), 0.0404, 3.02 * std::exp(-0.00714 * pdf)};
        default: {
            const FuelTypeRow& row = FuelTypeTable[fuelIndex];
            return {row.a, row.b, row.c};
        }
    }
}

// The rate-of-spread power form a * (1 - e^(-b * isi))^c.
double PowerForm(const SpreadParameters& p, double isi) {
    return p.a * std::pow(1.0 - std::exp(-p.b * isi), p.c);
}

// Initial rate of spread (RSI) of a row, before the BUI effect.
double InitialRateOfSpread(int fuelIndex, double isi, double bui, double fmc, double sfc, double pc,
                           double pdf, double gc) {
    if (IsGrassFuel(fuelIndex)) {
        // Grass curing factor; grass cured 50 % or less does not carry fire.
        if (gc <= 50.0) return 0.0;
        return PowerForm(ParametersOf(fuelIndex, pdf), isi) * (0.02 * gc - 1.0);
    }
    switch (fuelIndex) {
        case kD2:
            // Green aspen carries fire only under a high buildup, at one fifth of D1.
            return bui >= 80.0 ? 0.2 * PowerForm(ParametersOf(fuelIndex, pdf), isi) : 0.0;
        case kM1:
        case kM2: {
            // Blend of C2 and D1 without their own BUI effect; the mixedwood's comes after.
            const double rosC2 = RateOfSpread(kC2, isi, -1.0, fmc, sfc, pc, pdf, gc);
            const double rosD1 = RateOfSpread(kD1, isi, -1.0, fmc, sfc, pc, pdf, gc);
            if (fuelIndex == kM1) return (pc * rosC2 + (100.0 - pc) * rosD1) * 0.01;
            // Green deciduous part spreads at one fifth: 0.002 = 0.2 * 0.01.
            return pc * rosC2 * 0.01 + (100.0 - pc) * rosD1 * 0.002;
        }
        default:
            return PowerForm(ParametersOf(fuelIndex, pdf), isi);
    }
}

// ln(1 - (rsf / a)^(1 / c)), the inverted power form. Once the slope-driven rate nears a the
// bracket falls below 0.01 (or has no value); it is then held at 0.01, the published
// correction, so a steep slope in dry fuel gives a large but finite equivalent ISI.
double InversePowerLog(double rsfOverA, double c) {
    double term = 1.0 - std::pow(rsfOverA, 1.0 / c);
    if (term < 0.01 || std::isnan(term)) term = 0.01;
    return std::log(term);
}

double SlopeEquivalentIsi(const SpreadParameters& p, double rsf) {
    return InversePowerLog(rsf / p.a, p.c) / (-p.b);
}

// Slope-equivalent ISI (ISF) of the slope-driven rate rsf. isz is the zero-wind ISI and sf
// the slope factor, which the mixedwoods apply to their C2 and D1 parts.
double SlopeEquivalentIsi(int fuelIndex, double rsf, double isz, double sf, double fmc, double sfc,
                          double pc, double pdf, double gc) {
    if (IsGrassFuel(fuelIndex)) {
        if (gc <= 50.0) return 0.0;
        const SpreadParameters p = ParametersOf(fuelIndex, pdf);
        return InversePowerLog(rsf / ((0.02 * gc - 1.0) * p.a), p.c) / (-p.b);
    }
    switch (fuelIndex) {
        case kM1:
        case kM2: {
            // Deliberate departure: the blended rate is not inverted as if it all came from
            // C2 (that divides by zero at pc 0 and inflates small pc). Each part is inverted
            // on its own and the ISIs are blended by pc, the published correction; at pc 100
            // this is the plain C2 inversion.
            const double rsfC2 = RateOfSpread(kC2, isz, -1.0, fmc, sfc, pc, pdf, gc) * sf;
            const double rsfD1 = RateOfSpread(kD1, isz, -1.0, fmc, sfc, pc, pdf, gc) * sf;
            const double isfC2 = SlopeEquivalentIsi(ParametersOf(kC2, pdf), rsfC2);
            const double isfD1 = SlopeEquivalentIsi(ParametersOf(kD1, pdf), rsfD1);
            return (pc * isfC2 + (100.0 - pc) * isfD1) * 0.01;
        }
        case kM4: {
            const SpreadParameters p = ParametersOf(kM4, pdf);
            return InversePowerLog(rsf / p.a, p.c) * (-24.752475247524753);  // -1 / 0.0404
        }
        default:
            return SlopeEquivalentIsi(ParametersOf(fuelIndex, pdf), rsf);
    }
}

}  // namespace

double InitialSpreadIndex(double ffmc, double windSpeed) {
    const double ff = FineFuelMoistureFunction(ffmc);
    const double fw = windSpeed < 40.0 ? std::exp(0.05039 * windSpeed)
                                       : 12.0 * (1.0 - std::exp(-0.0818 * (windSpeed - 28.0)));
    return 0.208 * fw * ff;
}

double BuiEffect(int fuelIndex, double bui) {
    if (bui <= 0.0 || !IsFuelIndex(fuelIndex)) return 1.0;
    const FuelTypeRow& row = FuelTypeTable[fuelIndex];
    if (row.bui0 <= 0.0) return 1.0;
    return std::exp(50.0 * std::log(row.q) * (1.0 / bui - 1.0 / row.bui0));
}

double RateOfSpread(int fuelIndex, double isi, double bui, double fmc, double sfc, double pc,
                    double pdf, double gc) {
    if (!IsFuelIndex(fuelIndex)) return kRateFloor;
    double ros;
    if (fuelIndex == kC6) {
        ros = C6RateOfSpread(fuelIndex, isi, bui, fmc, sfc);
    } else {
        // For M1/M2 this is the mixedwood row's own effect (q 0.8, bui0 50).
        ros = BuiEffect(fuelIndex, bui) *
              InitialRateOfSpread(fuelIndex, isi, bui, fmc, sfc, pc, pdf, gc);
    }
    // Only a rate of 0 or below (or NaN) is floored: the floor keeps divisions by a rate
    // finite, while a small positive rate is a genuine one.
    if (!(ros > 0.0)) return kRateFloor;
    return ros;
}

double C6RateOfSpread(int fuelIndex, double isi, double bui, double fmc, double sfc) {
    const double rsi = 30.0 * std::pow(1.0 - std::exp(-0.08 * isi), 3.0);
    const double rss = BuiEffect(fuelIndex, bui) * rsi;
    // Foliar moisture effect on the crown fire rate.
    const double fme = std::pow(1.5 - 0.00275 * fmc, 4.0) / (460.0 + 25.9 * fmc) * 1000.0;
    // Crown fire rate of spread (m/min).
    const double rsc = fme * (1.0 - std::exp(-0.0497 * isi)) * 77.12082262210797;  // 60 / 0.778
    if (rsc > rss) {
        const double cfb = CrownFractionBurned(fuelIndex, fmc, sfc, rss);
        return rss + cfb * (rsc - rss);
    }
    return rss;
}

double BackRateOfSpread(int fuelIndex, double ffmc, double bui, double wsv, double fmc, double sfc,
                        double pc, double pdf, double gc) {
    // Back ISI: the wind function reversed, in its low-wind form at every speed.
    const double bisi = 0.208 * FineFuelMoistureFunction(ffmc) * std::exp(-0.05039 * wsv);
    return RateOfSpread(fuelIndex, bisi, bui, fmc, sfc, pc, pdf, gc);
}

// The slope's effect is taken without BUI effect, so the BUI is not read.
NetWind NetEffectiveWind(int fuelIndex, double ffmc, double /*bui*/, double windSpeed, double waz,
                         double slope, double saz, double fmc, double sfc, double pc, double pdf,
                         double gc) {
    // Slopes steeper than 60 % act as 60 %.
    const double gs = slope > 60.0 ? 60.0 : slope;
    const double isz = InitialSpreadIndex(ffmc, 0.0);
    const double sf = std::exp(3.533 * std::pow(gs * 0.01, 1.2));  // slope factor
    const double rsz = RateOfSpread(fuelIndex, isz, -1.0, fmc, sfc, pc, pdf, gc);
    const double rsf = rsz * sf;

    // Slope-equivalent wind (km/h). Departures from the plain inversion, each keeping the
    // result finite and physical: a fuel whose zero-wind rate is at or below the floor gets
    // no equivalent wind (inverting a floored rate is meaningless: M3 with pdf 1 on a 30 %
    // slope would get about 800 km/h); an ISF that is not a finite positive number gives none;
    // and a slope only ever pushes upslope, so WSE is never below 0.
    double wse = 0.0;
    if (IsFuelIndex(fuelIndex) && rsz > kRateFloor) {
        const double isf = SlopeEquivalentIsi(fuelIndex, rsf, isz, sf, fmc, sfc, pc, pdf, gc);
        if (std::isfinite(isf) && isf > 0.0) {
            const double ff = FineFuelMoistureFunction(ffmc);
            wse = std::log(isf / (0.208 * ff)) * 19.845207382417147;  // 1 / 0.05039
            if (!std::isfinite(wse) || wse < 0.0) wse = 0.0;
        }
    }

    const double wsx = windSpeed * std::sin(waz) + wse * std::sin(saz);
    const double wsy = windSpeed * std::cos(waz) + wse * std::cos(saz);
    NetWind net;
    net.wsv = std::sqrt(wsx * wsx + wsy * wsy);
    if (net.wsv == 0.0) {
        // Neither wind nor slope push (arccos(0/0) has no value): the fire heads upslope.
        net.raz = saz;
        return net;
    }
    // The clamp only guards the rounding of a subnormal square.
    net.raz = std::acos(std::clamp(wsy / net.wsv, -1.0, 1.0));
    if (wsx < 0.0) net.raz = 2.0 * kPi - net.raz;
    return net;
}

}  // namespace emberlin

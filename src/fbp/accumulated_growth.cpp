// Growth of one fire over several hours of changing weather.
#include "fbp/accumulated_growth.h"

#include <cmath>
#include <stdexcept>

#include "common/constants.h"
#include "fbp/fbp_engine.h"
#include "fbp/fire_growth.h"

namespace emberlin {

namespace {

// Bound on the start and elapsed times (minutes, about 19 years): it keeps clock hours within
// an int and the number of pieces finite.
constexpr double kMaxMinutes = 1e7;

int ClockHourAt(double minutes) { return static_cast<int>(std::floor(minutes / 60.0)); }

// One ComputeFbp of `fire` under `w` at `elapsedTime`; false for an unknown fuel type.
bool BehaviourAt(const FbpInputs& fire, const HourlyWeather& w, double elapsedTime,
                 FbpOutputs& out) {
    FbpInputs in = fire;
    in.ffmc = w.ffmc;
    in.windSpeed = w.windSpeed;
    in.elapsedTime = elapsedTime;
    return ComputeFbp(in, out) == FbpResult::Computed;
}

}  // namespace

std::vector<GrowthPiece> GrowthPieces(double startMinutes, std::span<const double> elapsedTimes) {
    if (!(std::fabs(startMinutes) <= kMaxMinutes)) {
        throw std::invalid_argument("fire start out of range");
    }
    std::vector<GrowthPiece> pieces;
    double t = 0.0;
    // The hour is carried along rather than found again from start + t, so that a boundary
    // reached through rounding can never repeat a piece.
    int hour = ClockHourAt(startMinutes);
    double boundary = (hour + 1) * 60.0 - startMinutes;
    for (const double elapsed : elapsedTimes) {
        if (!(elapsed >= t) || !(elapsed <= kMaxMinutes)) {
            throw std::invalid_argument("elapsed times must ascend from 0");
        }
        while (t < elapsed) {
            const double end = elapsed < boundary ? elapsed : boundary;
            pieces.push_back({t, end, hour});
            t = end;
            if (t == boundary) {
                ++hour;
                boundary += 60.0;
            }
        }
    }
    return pieces;
}

std::vector<AccumulatedGrowthRow> AccumulateGrowth(const FbpInputs& fire, double startMinutes,
                                                   std::span<const double> elapsedTimes,
                                                   const HourlyWeatherSource& weather) {
    const std::vector<GrowthPiece> pieces = GrowthPieces(startMinutes, elapsedTimes);
    const int fuel = FindFuelType(fire.fuelType);
    if (fuel < 0) return {};
    const bool line = fire.ignition == IgnitionType::Line;

    std::vector<AccumulatedGrowthRow> rows;
    rows.reserve(elapsedTimes.size());
    double head = 0.0, flank = 0.0, back = 0.0;
    std::size_t next = 0;  // first piece not yet summed
    for (const double elapsed : elapsedTimes) {
        for (; next < pieces.size() && pieces[next].to <= elapsed; ++next) {
            const GrowthPiece& p = pieces[next];
            FbpOutputs out;
            BehaviourAt(fire, weather(p.clockHour), p.to, out);
            // Equilibrium-rate minutes of this piece; both forms are exactly 0 at the start,
            // so a fire of one piece gets the engine's own distances.
            double minutes = p.to - p.from;
            if (!line) {
                const double alpha = AccelerationRate(fuel, out.cfb);
                minutes =
                    PointIgnitionSpreadTime(alpha, p.to) - PointIgnitionSpreadTime(alpha, p.from);
            }
            head += out.ros * minutes;
            flank += out.fros * minutes;
            back += out.bros * minutes;
        }

        AccumulatedGrowthRow row;
        row.elapsedTime = elapsed;
        row.clockHour = ClockHourAt(startMinutes + elapsed);
        BehaviourAt(fire, weather(row.clockHour), elapsed, row.behaviour);
        row.fireType = ClassifyFireType(row.behaviour.cfb);
        row.headDistance = head;
        row.flankDistance = flank;
        row.backDistance = back;
        // A fire without breadth keeps the engine's ratio, as a fire of no size does there.
        row.lengthToBreadth = flank > 0.0 ? (head + back) / (2.0 * flank) : row.behaviour.lb;
        row.area = (head + back) * 0.5 * flank * kPi * 0.0001;  // m^2 to ha
        row.perimeter = (head + back) * PerimeterFactor(row.lengthToBreadth) * 0.5;
        rows.push_back(row);
    }
    return rows;
}

FbpOutputs GrownOutputs(const AccumulatedGrowthRow& row) {
    FbpOutputs out = row.behaviour;
    out.hsd = row.headDistance;
    out.fsd = row.flankDistance;
    out.bsd = row.backDistance;
    out.lb = row.lengthToBreadth;
    out.area = row.area;
    out.perimeter = row.perimeter;
    return out;
}

}  // namespace emberlin

#include "forms/fire_by_hour_form.h"

#include <cmath>
#include <optional>

#include "common/calendar.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "fbp/accumulated_growth.h"
#include "fbp/fbp_engine.h"
#include "fbp/surface_spread.h"
#include "forms/detection_form.h"
#include "forms/fbp_calc_form.h"
#include "forms/field_tips.h"
#include "forms/fire_shape.h"

namespace emberlin::forms {

namespace {

// Character widths of the columns in a row's fixed-width text, in HourColumn order; numbers
// are right-aligned, the fire type left-aligned.
constexpr std::array<int, kHourColumnCount> kColumnWidths = {5, 7, 7, 7, 9, 8, 6, 25, 6, 10, 11};

std::string Fixed(double value, int decimals) { return FormatFixed(value, 0, decimals); }

std::string Padded(const std::string& text, int width, bool left) {
    const auto pad = static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size())));
    return left ? text + std::string(pad, ' ') : std::string(pad, ' ') + text;
}

std::string RowText(const std::array<std::string, kHourColumnCount>& cells) {
    std::string text;
    for (int c = 0; c < kHourColumnCount; ++c) {
        const bool left = c == static_cast<int>(HourColumn::FireType);
        if (c > 0) text += left ? "   " : " ";
        text += Padded(cells[static_cast<std::size_t>(c)],
                       kColumnWidths[static_cast<std::size_t>(c)], left);
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::vector<HourSpan> CriticalSpans(std::span<const double, kHoursInDay> hfi, double threshold) {
    std::vector<HourSpan> spans;
    for (int h = 1; h <= kHoursInDay; ++h) {
        if (!(hfi[static_cast<std::size_t>(h - 1)] >= threshold)) continue;
        if (!spans.empty() && spans.back().last == h - 1) {
            spans.back().last = h;
        } else {
            spans.push_back({h, h});
        }
    }
    return spans;
}

std::vector<HourSpan> FireTypeSpans(std::span<const HourBehaviour, kHoursInDay> hours,
                                    FireType type) {
    // The same runs as the thresholds, over a 0/1 series.
    std::array<double, kHoursInDay> isType{};
    for (std::size_t i = 0; i < hours.size(); ++i) isType[i] = hours[i].fireType == type ? 1 : 0;
    return CriticalSpans(isType, 1);
}

std::string HourLabel(int hour) {
    std::string text = FormatInt(hour);
    if (hour >= 0 && hour < 10) text.insert(text.begin(), '0');
    return text.append(":00");
}

std::string SpansText(const std::vector<HourSpan>& spans) {
    if (spans.empty()) return "none";
    std::string text;
    for (const HourSpan& span : spans) {
        if (!text.empty()) text += ", ";
        text += HourLabel(span.first) + " to " + HourLabel(span.last) + " (" +
                FormatInt(span.Hours()) + " h)";
    }
    return text;
}

FireByHourResult CalcFireByHour(const FireByHourCase& fireCase, const HourlyTables& weather) {
    FireByHourResult result;
    std::array<double, kHoursInDay> hfi{};
    for (int h = 1; h <= kHoursInDay; ++h) {
        HourBehaviour& row = result.hours[static_cast<std::size_t>(h - 1)];
        row.hour = h;
        row.ffmc = weather.ffmc[static_cast<std::size_t>(h)];
        row.windSpeed = weather.windSpeed[static_cast<std::size_t>(h)];
        row.isi = InitialSpreadIndex(row.ffmc, row.windSpeed);
        FbpInputs in = fireCase.fire;
        in.ffmc = row.ffmc;
        in.windSpeed = row.windSpeed;
        in.elapsedTime = 60;
        ComputeFbp(in, row.out);  // an unknown fuel code leaves the row's zeros
        row.fireType = ClassifyFireType(row.out.cfb);
        row.intensityClass = IntensityClass(row.out.hfi);
        hfi[static_cast<std::size_t>(h - 1)] = row.out.hfi;
    }

    // Growth of one fire from startHour:00, read at the end of each hour of its duration. The
    // hour of the table that drives clock hour h is h's slot, as in the detection assessment.
    std::vector<double> elapsed;
    for (int k = 1; k <= fireCase.durationHours; ++k) elapsed.push_back(60.0 * k);
    const auto source = [&weather](int clockHour) {
        const auto slot = static_cast<std::size_t>(HourlySlot(clockHour));
        return HourlyWeather{weather.ffmc[slot], weather.windSpeed[slot]};
    };
    const std::vector<AccumulatedGrowthRow> growth =
        AccumulateGrowth(fireCase.fire, 60.0 * fireCase.startHour, elapsed, source);
    for (std::size_t k = 0; k < growth.size(); ++k) {
        const int hour = fireCase.startHour + static_cast<int>(k) + 1;
        if (hour < 1 || hour > kHoursInDay) continue;
        HourBehaviour& row = result.hours[static_cast<std::size_t>(hour - 1)];
        row.grows = true;
        row.area = growth[k].area;
        row.perimeter = growth[k].perimeter;
    }

    FireByHourSummary& summary = result.summary;
    for (const HourBehaviour& row : result.hours) {
        if (summary.peakHour == 0 || row.out.hfi > summary.peakHfi) {
            summary.peakHour = row.hour;
            summary.peakHfi = row.out.hfi;
            summary.peakRos = row.out.ros;
        }
    }
    for (std::size_t t = 0; t < fireCase.thresholds.size(); ++t) {
        summary.criticalSpans[t] = CriticalSpans(hfi, fireCase.thresholds[t]);
    }
    summary.crownSpans = FireTypeSpans(result.hours, FireType::Crown);
    return result;
}

std::string HourColumnHeading(HourColumn column) {
    switch (column) {
        case HourColumn::Hour:
            return "Hour";
        case HourColumn::Ffmc:
            return "FFMC";
        case HourColumn::Wind:
            return "Wind (km/h)";
        case HourColumn::Isi:
            return "ISI";
        case HourColumn::Ros:
            return "Head ROS (m/min)";
        case HourColumn::Hfi:
            return "HFI (kW/m)";
        case HourColumn::Cfb:
            return "CFB";
        case HourColumn::FireType:
            return "Fire Type";
        case HourColumn::IntensityClass:
            return "Intensity Class";
        case HourColumn::Area:
            return "Area (ha)";
        case HourColumn::Perimeter:
            return "Perimeter (m)";
    }
    return "";
}

std::array<std::string, kHourColumnCount> HourCells(const HourBehaviour& hour) {
    // The FBP calculator's formats: rates, CFB, area and perimeter to two decimals, the
    // intensity rounded to a whole kW/m.
    return {
        HourLabel(hour.hour),
        Fixed(hour.ffmc, 1),
        Fixed(hour.windSpeed, 1),
        Fixed(hour.isi, 1),
        Fixed(hour.out.ros, 2),
        FormatInt(RoundToInt(hour.out.hfi)),
        Fixed(hour.out.cfb, 2),
        FireDescription(hour.out.cfb),
        FormatInt(hour.intensityClass),
        hour.grows ? Fixed(hour.area, 2) : "",
        hour.grows ? Fixed(hour.perimeter, 2) : "",
    };
}

std::vector<std::string> SummaryLines(const FireByHourSummary& summary,
                                      const std::array<double, 2>& thresholds) {
    std::vector<std::string> lines;
    lines.push_back("Peak hour: " + HourLabel(summary.peakHour) + ", HFI " +
                    FormatInt(RoundToInt(summary.peakHfi)) + " kW/m, head ROS " +
                    Fixed(summary.peakRos, 2) + " m/min");
    for (std::size_t t = 0; t < thresholds.size(); ++t) {
        lines.push_back("At or above " + FormatGeneral(thresholds[t]) +
                        " kW/m: " + SpansText(summary.criticalSpans[t]));
    }
    lines.push_back("Crown fire: " + SpansText(summary.crownSpans));
    return lines;
}

std::string FireByHourForm::RowId(int hour) { return "hour" + std::to_string(hour); }

FireByHourForm::FireByHourForm(HandOver& shared)
    : FbpSettingsForm("EMBERLIN - Fire Behaviour by Hour", shared) {
    // Declared in storing order. A typed change leaves the settings source unclaimed.
    auto typed = [this](Control& control) -> Control& {
        control.onEdited = [this] {
            SetSettingsBoxes(false, false);
            StoreWhileTyping();
        };
        return control;
    };
    // The boxes read the fuel codes, as the FBP calculator's do.
    AddFuelChecks(&FuelType::code);
    typed(AddInt("pc", "% Conifer (M1/M2)", settings_.site.pc, 0, 100));
    typed(AddInt("pdf", "% Dead Fir (M3/M4)", settings_.site.pdf, 0, 100));
    typed(AddInt("gc", "% Grass Curing (" + GrassFuelCodes("/") + ")", settings_.site.gc, 0, 100));
    typed(AddDouble("gfl", "Grass Fuel Load (kg/m2)", settings_.site.gfl, 0, 5));
    typed(AddDouble("bui", "BUI", settings_.site.bui, 0, 650));
    typed(AddDouble("windDirection", "Wind Direction (deg)", settings_.site.windDirection, 0, 360));
    typed(AddDouble("slope", "Slope (%)", settings_.site.slope, 0, 100));
    typed(AddDouble("aspect", "Aspect (deg)", settings_.site.aspect, 0, 360));
    typed(AddDouble("latitude", "Latitude (d.d)", settings_.site.latitude, 30, 90));
    typed(AddDouble("longitude", "Longitude (d.d)", settings_.site.longitude, -170, 170));
    typed(AddInt("elevation", "Elevation (m)", settings_.site.elevation, 0, 3000));
    typed(AddInt("month", "Month", settings_.month, 1, 12));
    typed(AddInt("day", "Day", settings_.day, 1, 31));
    AddInt("startHour", "Fire Start Hour (0-23)", startHour_, 0, 23);
    AddInt("duration", "Duration (h)", duration_, 1, 24);
    AddDouble("threshold1", "Threshold 1 (kW/m)", thresholds_[0], 0, 50000);
    AddDouble("threshold2", "Threshold 2 (kW/m)", thresholds_[1], 0, 50000);

    AddIgnitionAndSourceChecks();

    for (int h = 1; h <= kHoursInDay; ++h) {
        AddText(RowId(h), "Hour " + HourLabel(h), rows_[static_cast<std::size_t>(h - 1)]);
    }
    AddText("summary", "Summary", summary_);

    AddChoiceGroups();

    AddButton("calculate", "Calculate", [this] { Calculate(); });
    AddButton("ok", "OK", [this] { Ok(); });
    AddButton("cancel", "Cancel", [this] { Cancel(); });
    // Each tip reads as one line: the meaning, then the range.
    ApplyTips(FireByHourTips(), " ");
}

void FireByHourForm::RestoreDefaults() {
    // The way out of any bad value: puts back every input and never refuses.
    settings_ = FbpSettings{};
    startHour_ = 13;
    duration_ = 6;
    thresholds_ = {4000, 10000};
    ShowChoices(settings_.fuelIndex, settings_.ignition, true, false);
    Show();
    StoreWhileTyping();  // every text is now valid: clears any warning left beside a field
}

void FireByHourForm::TakeFbpSettings() {
    const FbpSettings* source = FbpSource();
    if (source == nullptr || !StoreForAction()) return;
    const FbpSettings& fbp = *source;
    if (!IsFuelIndex(fbp.fuelIndex)) {
        Message(
            "Nothing was taken over from the FBP Calculator: its fuel type is not one of "
            "this form's.");
        SetSettingsBoxes(false, false);
        return;
    }
    // Everything but the FFMC, wind speed and elapsed time, which come hour by hour here.
    const ProjectionSite& site = fbp.site;
    if (!TakeOver("FBP Calculator", {{"pc", site.pc},
                                     {"pdf", site.pdf},
                                     {"gc", site.gc},
                                     {"gfl", site.gfl},
                                     {"bui", site.bui},
                                     {"windDirection", site.windDirection},
                                     {"slope", site.slope},
                                     {"aspect", site.aspect},
                                     {"latitude", site.latitude},
                                     {"longitude", site.longitude},
                                     {"elevation", site.elevation},
                                     {"month", fbp.month},
                                     {"day", fbp.day}})) {
        SetSettingsBoxes(false, false);
        return;
    }
    ShowChoices(fbp.fuelIndex, fbp.ignition, false, true);
    Show();
}

FireByHourCase FireByHourForm::CurrentCase() const {
    FireByHourCase fireCase;
    // After a successful store the month lies in 1..12, so the day of the year exists.
    fireCase.fire =
        EngineInputs(settings_, DayOfYear(settings_.month, settings_.day).value_or(settings_.day));
    fireCase.startHour = startHour_;
    fireCase.durationHours = duration_;
    fireCase.thresholds = thresholds_;
    return fireCase;
}

void FireByHourForm::Calculate() {
    if (!StoreForAction()) return;
    if (startHour_ + duration_ > kHoursInDay) {
        Show();
        Message(kDurationMessage);
        Host().SetFocus("duration", true);
        return;
    }
    if (!shared_.hourly) {
        Show();
        Message(DetectionForm::kNoHourlyMessage);
        return;
    }
    result_ = CalcFireByHour(CurrentCase(), *shared_.hourly);
    hasResult_ = true;
    WriteResult();
    ResultsShown();
    Show();
}

void FireByHourForm::WriteResult() {
    for (const HourBehaviour& hour : result_.hours) {
        rows_[static_cast<std::size_t>(hour.hour - 1)] = RowText(HourCells(hour));
    }
    summary_.clear();
    for (const std::string& line : SummaryLines(result_.summary, thresholds_)) {
        if (!summary_.empty()) summary_ += '\n';
        summary_ += line;
    }
}

}  // namespace emberlin::forms

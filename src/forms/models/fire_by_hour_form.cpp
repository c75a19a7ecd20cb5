#include "forms/models/fire_by_hour_form.h"

#include <cmath>
#include <optional>

#include "common/calendar.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "forms/fields/field_tips.h"
#include "forms/models/detection_form.h"
#include "forms/models/fbp_calc_form.h"

namespace emberlin::forms {

namespace {

// Character widths of the columns in a row's fixed-width text, in HourColumn order; numbers
// are right-aligned, the fire type left-aligned.
constexpr std::array<int, kHourColumnCount> kColumnWidths = {5, 7, 7, 7, 9, 8, 6, 25, 6, 10, 11};

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

    AddCheck("diurnalSourceOption", "Diurnal Weather estimate", diurnalSource_,
             [this] { ChooseSource(HourSource::Diurnal); });
    AddCheck("hourlyFwiSourceOption", "Day sent from Hourly FWI", hourlyFwiSource_,
             [this] { ChooseSource(HourSource::HourlyFwi); });
    AddText("hourSource", "Hourly rows from", hourSourceText_);

    AddChoiceGroups();
    AddOptionGroup({"hourSource",
                    "Hours from",
                    {{"diurnal", "diurnalSourceOption"}, {"hourlyFwi", "hourlyFwiSourceOption"}},
                    [this](std::size_t choice) {
                        hourlyFwiSource_ = choice == 1;
                        diurnalSource_ = !hourlyFwiSource_;
                    }});

    AddButton("calculate", "Calculate", [this] { Calculate(); });
    AddButton("ok", "OK", [this] { Ok(); });
    AddButton("cancel", "Cancel", [this] { Cancel(); });
    // Each tip reads as one line: the meaning, then the range.
    ApplyTips(FireByHourTips(), " ");
}

void FireByHourForm::ChooseSource(HourSource source) {
    // The pair acts as exclusive options: the clicked one ends up on, even if it was on.
    SetChecked("diurnalSourceOption", source == HourSource::Diurnal);
    SetChecked("hourlyFwiSourceOption", source == HourSource::HourlyFwi);
    diurnalSource_ = source == HourSource::Diurnal;
    hourlyFwiSource_ = !diurnalSource_;
    InputsChanged();
}

void FireByHourForm::RestoreDefaults() {
    // The way out of any bad value: puts back every input and never refuses.
    settings_ = FbpSettings{};
    diurnalSource_ = true;
    hourlyFwiSource_ = false;
    SetChecked("diurnalSourceOption", true);
    SetChecked("hourlyFwiSourceOption", false);
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
    if (!StoreForAction() || !CheckDayOfMonth("month", "day")) return;
    if (thresholds_[1] < thresholds_[0]) {
        RefuseField("threshold2", kThresholdOrderMessage);
        return;
    }
    if (startHour_ + duration_ > kHoursInDay) {
        Show();
        Message(kDurationMessage);
        Host().SetFocus("duration", true);
        return;
    }
    const HourlyTables* tables = nullptr;
    if (hourlyFwiSource_) {
        if (!shared_.hourlyFwi) {
            Show();
            Message(kNoHourlyFwiMessage);
            return;
        }
        // The day's BUI and date come with its hours, checked against this form's ranges.
        const HourlyFwiDay& day = *shared_.hourlyFwi;
        if (!TakeOver("Hourly FWI", {{"bui", day.bui}, {"month", day.month}, {"day", day.day}})) {
            return;
        }
        tables = &day.tables;
        hourSourceText_ = day.label;
    } else {
        if (!shared_.hourly) {
            Show();
            Message(DetectionForm::kNoHourlyMessage);
            return;
        }
        tables = &*shared_.hourly;
        hourSourceText_ = kDiurnalSourceText;
    }
    result_ = CalcFireByHour(CurrentCase(), *tables);
    hasResult_ = true;
    resultSource_ = Source();
    resultHoursVersion_ = hourlyFwiSource_ ? shared_.hourlyFwi.Version() : shared_.hourly.Version();
    WriteResult();
    ResultsShown();
    Show();
}

std::string FireByHourForm::ChangedSource() const {
    if (!hasResult_) return {};
    if (resultSource_ == HourSource::HourlyFwi) {
        return shared_.hourlyFwi.Version() == resultHoursVersion_ ? "" : "day sent from Hourly FWI";
    }
    return shared_.hourly.Version() == resultHoursVersion_
               ? ""
               : "hourly weather of the Diurnal Weather Calculator";
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

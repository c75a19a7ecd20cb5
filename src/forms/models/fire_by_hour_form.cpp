#include "forms/models/fire_by_hour_form.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "common/calendar.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "forms/fields/field_declarations.h"
#include "forms/models/detection_form.h"
#include "forms/models/fbp_calc_form.h"

namespace emberlin::forms {

namespace {

std::string Padded(const std::string& text, int width, bool left) {
    const auto pad = static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size())));
    return left ? text + std::string(pad, ' ') : std::string(pad, ' ') + text;
}

std::string RowText(const std::array<std::string, kHourColumnCount>& cells) {
    std::string text;
    for (int c = 0; c < kHourColumnCount; ++c) {
        // The columns' declared widths; words are left-aligned, numbers right-aligned.
        const HourResultColumn& column = FireByHourColumns()[static_cast<std::size_t>(c)];
        const bool left = column.format == ResultFormat::Description;
        if (c > 0) text += left ? "   " : " ";
        text += Padded(cells[static_cast<std::size_t>(c)], column.width, left);
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::string FireByHourForm::RowId(int hour) { return "hour" + std::to_string(hour); }

FireByHourForm::FireByHourForm(HandOver& shared)
    : FbpSettingsForm("EMBERLIN - Fire Behaviour by Hour", shared, FireByHourFields()) {
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
    typed(AddField("pc", settings_.site.pc));
    typed(AddField("pdf", settings_.site.pdf));
    typed(AddField("gc", settings_.site.gc));
    typed(AddField("gfl", settings_.site.gfl));
    typed(AddField("bui", settings_.site.bui));
    typed(AddField("windDirection", settings_.site.windDirection));
    typed(AddField("slope", settings_.site.slope));
    typed(AddField("aspect", settings_.site.aspect));
    typed(AddField("latitude", settings_.site.latitude));
    typed(AddField("longitude", settings_.site.longitude));
    typed(AddField("elevation", settings_.site.elevation));
    typed(AddField("month", settings_.month));
    typed(AddField("day", settings_.day));
    AddField("startHour", startHour_);
    AddField("duration", duration_);
    AddField("threshold1", thresholds_[0]);
    AddField("threshold2", thresholds_[1]);

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
    AddOkCancel();
    // Each tip reads as one line: the meaning, then the range.
    ApplyFieldTips(" ");
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
    PutBackDefaults();
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
        const auto at = static_cast<std::size_t>(hour.hour - 1);
        cells_[at] = HourCells(hour);
        rows_[at] = RowText(cells_[at]);
    }
    summary_.clear();
    for (const std::string& line : SummaryLines(result_.summary, thresholds_)) {
        if (!summary_.empty()) summary_ += '\n';
        summary_ += line;
    }
}

ResultTable FireByHourForm::Table() const {
    ResultTable table;
    // Each word of a heading on a line of its own keeps the columns narrow; the units share
    // the last line.
    std::array<std::vector<std::string>, kHourColumnCount> words;
    std::size_t lines = 0;
    for (int c = 0; c < kHourColumnCount; ++c) {
        const std::string heading = HourColumnHeading(static_cast<HourColumn>(c));
        auto& column = words[static_cast<std::size_t>(c)];
        std::string header;
        for (std::size_t at = 0; at <= heading.size();) {
            const std::size_t end = std::min(heading.find(' ', at), heading.size());
            column.push_back(heading.substr(at, end - at));
            header += (header.empty() ? "" : "\n") + column.back();
            at = end + 1;
        }
        table.headers.push_back(header);
        lines = std::max(lines, column.size());
    }
    table.headerTips.assign(table.headers.size(), std::string());
    for (std::size_t line = 0; line < lines; ++line) {
        std::array<std::string, kHourColumnCount> texts;
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const std::size_t blank = lines - words[c].size();
            if (line >= blank) texts[c] = words[c][line - blank];
        }
        table.headingLines.push_back(RowText(texts));
    }
    if (!hasResult_) return table;
    for (const auto& row : cells_) table.cells.emplace_back(row.begin(), row.end());
    table.rowTexts.assign(rows_.begin(), rows_.end());
    return table;
}

}  // namespace emberlin::forms

#include "forms/models/diurnal_form.h"

#include <cstddef>
#include <optional>

#include "common/number_text.h"
#include "common/rounding.h"
#include "forms/exports/result_table.h"
#include "forms/fields/field_declarations.h"
#include "forms/fields/field_tips.h"

namespace emberlin::forms {

namespace {

std::string Spaces(std::size_t n) { return std::string(n, ' '); }

// One value of the table: `before` blanks, "%3.1f", two blanks. The blanks are chosen on the
// unrounded value, so 9.96 keeps the narrow-number padding although it prints as 10.0.
std::string Cell(std::size_t before, double value) {
    return Spaces(before) + FormatFixed(value, 3, 1) + "  ";
}

std::string LeftHourLabel(int r) {
    if (r == 12) return "   Noon  ";
    return Spaces(r < 10 ? 4 : 2) + FormatInt(r) + " am  ";
}

std::string RightHourLabel(int r) {
    if (r == 12) return "Midnight  ";
    return Spaces(r < 10 ? 5 : 4) + FormatInt(r) + " pm  ";
}

std::string HumidityCell(double v) { return Cell(v < 10 ? 5 : v < 100 ? 4 : 2, v); }
std::string WindCell(double v) { return Cell(v < 10 ? 4 : 2, v); }
std::string FfmcCell(double v) { return Cell(v < 10 ? 4 : 3, v); }

}  // namespace

DiurnalForm::DiurnalForm(HandOver& shared)
    : FormModel("Diurnal Weather Calculator", DiurnalFields()), shared_(shared) {
    // Declared in storing order.
    AddCheck("vanWagnerOption", "Van Wagner", vanWagnerOption_,
             [this] { ChooseMethod(FfmcMethod::VanWagner); });
    AddCheck("lawsonOption", "Lawson", lawsonOption_, [this] { ChooseLawson(); });
    AddCheck("equilibriumOption", "Equilibrium", equilibriumOption_,
             [this] { ChooseMethod(FfmcMethod::Equilibrium); });
    AddInput(AddField("ffmc", ffmc_));
    AddInput(AddField("latitude", latitude_));
    AddInput(AddField("longitude", longitude_));
    AddInput(AddField("relativeHumidity", relativeHumidity_));
    AddInput(AddField("temperature", temperature_));
    AddInput(AddField("windSpeed", windSpeed_));
    AddInput(AddField("maxTemperature", maxTemperature_));
    AddInput(AddField("maxWind", maxWind_));
    AddInput(AddField("minTemperature", minTemperature_));
    AddInput(AddField("minWind", minWind_));
    AddInput(AddField("temperatureBeta", temperatureParams_.beta));
    AddInput(AddField("temperatureGamma", temperatureParams_.gamma));
    AddInput(AddField("windAlpha", windParams_.alpha));
    AddInput(AddField("windBeta", windParams_.beta));
    AddInput(AddField("windGamma", windParams_.gamma));
    AddInput(AddField("temperatureAlpha", temperatureParams_.alpha));
    AddInput(AddField("day", day_));
    AddInput(AddField("month", month_));
    for (int r = 1; r <= kLineCount; ++r) {
        AddText(LineId(r), "Hours " + FormatInt(r) + " and " + FormatInt(r + 12),
                lines_[static_cast<std::size_t>(r - 1)]);
    }
    AddCheck("defaultOption", "Default", defaultOption_, [this] { UseDefaults(); });
    AddCheck("fwiCalculatorOption", "FWI Calculator", fwiCalculatorOption_,
             [this] { UseFwiCalculator(); });

    // Lawson has no calculation behind it, so it is no choice to save.
    AddOptionGroup({"ffmcMethod",
                    "FFMC method",
                    {{"vanWagner", "vanWagnerOption"}, {"equilibrium", "equilibriumOption"}},
                    [this](std::size_t i) {
                        ChooseMethod(i == 0 ? FfmcMethod::VanWagner : FfmcMethod::Equilibrium);
                    }});

    AddButton("calculate", "CALCULATE", [this] { Calculate(); });
    AddButton("exit", "EXIT", [this] { Ok(); });
    AddButton("cancel", "Cancel", [this] { Cancel(); });

    ApplyTips(DiurnalTips());
    std::vector<std::string> lines;
    for (int r = 1; r <= kLineCount; ++r) lines.push_back(LineId(r));
    MarkResults(lines, DiurnalLineTip());
}

std::string DiurnalForm::LineId(int r) { return "line" + FormatInt(r); }

void DiurnalForm::AddInput(Control& control) {
    control.onEdited = [this] {
        inputsEdited_ = true;
        StoreWhileTyping();
    };
}

void DiurnalForm::ShowAll() {
    Show();
    // A box that held refused text now shows its member again; storing the screen back
    // (which changes nothing) clears a warning that no longer applies.
    StoreWhileTyping();
}

void DiurnalForm::ChooseMethod(FfmcMethod method) {
    ffmcMethod_ = method;
    vanWagnerOption_ = method == FfmcMethod::VanWagner;
    lawsonOption_ = false;
    equilibriumOption_ = method == FfmcMethod::Equilibrium;
    defaultOption_ = false;
    fwiCalculatorOption_ = false;
    ShowAll();
}

void DiurnalForm::ChooseLawson() {
    Message(kLawsonMessage);
    // There is no Lawson calculation: the method falls back to Van Wagner; the setting
    // options stay as they were.
    ffmcMethod_ = FfmcMethod::VanWagner;
    vanWagnerOption_ = true;
    lawsonOption_ = false;
    equilibriumOption_ = false;
    ShowAll();
}

void DiurnalForm::UseDefaults() {
    // "Default" never refuses: it is the way out of a bad value, so nothing is checked first.
    // The FFMC method is kept.
    PutBackDefaults();
    defaultOption_ = true;
    fwiCalculatorOption_ = false;
    ShowAll();
}

void DiurnalForm::UseFwiCalculator() {
    if (!shared_.fwi) {
        Message(kNoFwiMessage);
        defaultOption_ = false;
        fwiCalculatorOption_ = false;
        ShowAll();
        return;
    }
    // The FWI calculator's values, converted as this form takes them.
    const FwiDay& day = *shared_.fwi;
    if (!TakeOver("FWI Calculator", {{"month", day.month},
                                     {"temperature", RoundToInt(day.temperature)},
                                     {"relativeHumidity", TruncateToInt(day.relativeHumidity)},
                                     {"windSpeed", TruncateToInt(day.windSpeed)},
                                     {"ffmc", RoundToInt(day.ffmc)}})) {
        // Nothing is taken over, so the click must not leave the option looking chosen.
        SetChecked("defaultOption", defaultOption_);
        SetChecked("fwiCalculatorOption", fwiCalculatorOption_);
        return;
    }
    defaultOption_ = false;
    fwiCalculatorOption_ = true;
    ShowAll();
}

void DiurnalForm::Calculate() {
    if (!StoreForAction() || !CheckDayOfMonth("month", "day")) return;

    // The sun-time model covers latitudes -80..80 only (the form accepts up to 90), and a
    // minimum above its maximum turns the fitted curve inside out. Each is refused before
    // anything changes; the first failure alone is shown.
    if (!IsInSunTimeDomain(latitude_, longitude_)) {
        Message(kPlaceMessage);
        Host().SetFocus(IsInSunTimeDomain(latitude_, 0.0) ? "longitude" : "latitude", true);
        return;
    }
    if (minTemperature_ > maxTemperature_) {
        Message(kTemperatureOrderMessage);
        Host().SetFocus("minTemperature", true);
        return;
    }
    if (minWind_ > maxWind_) {
        Message(kWindOrderMessage);
        Host().SetFocus("minWind", true);
        return;
    }
    // The weather is computed ahead of the visible steps so that a refusal by the model
    // (not reachable after the checks above) still leaves everything as it was.
    DiurnalDayInputs inputs;
    inputs.latitude = latitude_;
    inputs.longitude = longitude_;
    inputs.month = month_;
    inputs.day = day_;
    inputs.noonTemperature = temperature_;
    inputs.noonRelativeHumidity = relativeHumidity_;
    inputs.noonWindSpeed = windSpeed_;
    inputs.minTemperature = minTemperature_;
    inputs.maxTemperature = maxTemperature_;
    inputs.minWind = minWind_;
    inputs.maxWind = maxWind_;
    inputs.temperatureParams = temperatureParams_;
    inputs.windParams = windParams_;
    const std::optional<DiurnalDay> weather = CalcDiurnalDay(inputs);
    if (!weather) {
        Message(kPlaceMessage);
        return;
    }

    HourlyTables& hourly = shared_.hourly.emplace();
    if (inputsEdited_) {
        defaultOption_ = false;
        fwiCalculatorOption_ = false;
        Show();
    }
    const DiurnalFfmc ffmc = CalcDiurnalFfmc(*weather, ffmc_, ffmcMethod_);
    for (std::size_t h = 1; h <= 24; ++h) {
        hourly.ffmc[h] = ffmc[h];
        hourly.windSpeed[h] = weather->windSpeed[h];
    }
    lastWeather_ = weather;
    lastFfmc_ = ffmc;
    for (int r = 1; r <= kLineCount; ++r) {
        FormattedRow line = FormatLine(r, *weather, ffmc);
        lines_[static_cast<std::size_t>(r - 1)] = std::move(line.text);
        cells_[static_cast<std::size_t>(r - 1)] = std::move(line.cells);
    }
    ResultsShown();
    Show();
}

FormattedRow DiurnalForm::FormatLine(int r, const DiurnalDay& weather, const DiurnalFfmc& ffmc) {
    const auto left = static_cast<std::size_t>(r);
    const auto right = static_cast<std::size_t>(r + 12);
    const std::string gap = Spaces(8);
    const double leftTemperature = weather.temperature[left];
    const double rightTemperature = weather.temperature[right];
    FormattedRow line;
    line.Gap(Spaces(4)).Value(LeftHourLabel(r));
    line.Gap(gap).Value(Cell(leftTemperature < 10 ? 4 : 2, leftTemperature));
    line.Gap(gap).Value(HumidityCell(weather.relativeHumidity[left]));
    line.Gap(gap).Value(WindCell(weather.windSpeed[left]));
    line.Gap(gap).Value(FfmcCell(ffmc[left]));
    line.Gap(Spaces(15)).Value(RightHourLabel(r));
    line.Gap(gap).Value(Cell(rightTemperature < 10 ? 5 : 3, rightTemperature));
    line.Gap(gap).Value(HumidityCell(weather.relativeHumidity[right]));
    line.Gap(gap).Value(WindCell(weather.windSpeed[right]));
    line.Gap(gap).Value(FfmcCell(ffmc[right]));
    return line;
}

ResultTable DiurnalForm::Table() const {
    ResultTable table;
    table.headers = {"Hour", "Temperature\n(\u00b0C)", "RH\n(%)", "Wind\n(km/h)", "FFMC",
                     "Hour", "Temperature\n(\u00b0C)", "RH\n(%)", "Wind\n(km/h)", "FFMC"};
    table.headerTips.assign(table.headers.size(), std::string());
    table.cells.assign(cells_.begin(), cells_.end());
    table.headingLines = {kOutputHeading};
    table.rowTexts.assign(lines_.begin(), lines_.end());
    return table;
}

}  // namespace emberlin::forms

// The FWI calculator: yesterday's codes and today's noon weather in, today's seven values out.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "forms/fields/result_columns.h"
#include "forms/kit/form_model.h"
#include "forms/models/hand_over.h"
#include "fwi/fwi_index.h"

namespace emberlin::forms {

// How the FWI calculator writes its outputs: rounded to whole numbers or with two decimals.
enum class OutputFormat { Integer, Real };

class FwiCalcForm : public FormModel {
  public:
    static constexpr const char* kAcronymsPanel = "fwiAcronyms";

    explicit FwiCalcForm(HandOver& shared);

    // One choice for the whole run, read by Calculate.
    OutputFormat Format() const { return outputFormat_; }

    void Calculate();

    // FFMC, DMC, DC, ISI, BUI, FWI and DSR of the last calculation, unrounded (none before).
    const std::optional<std::array<double, 7>>& LastValues() const { return lastValues_; }

  private:
    void ChooseFormat(OutputFormat format);
    void WriteResults(const FwiCodes& codes);

    HandOver& shared_;

    // The inputs, which open with their declared defaults.
    double ffmcYesterday_ = 0;
    double dmcYesterday_ = 0;
    double dcYesterday_ = 0;
    double temperature_ = 0;
    double relativeHumidity_ = 0;
    int month_ = 0;
    double windSpeed_ = 0;
    double rain_ = 0;
    bool integerOption_ = true;
    bool realOption_ = false;
    OutputFormat outputFormat_ = OutputFormat::Integer;

    // The result fields' texts, in FwiCalcResults order.
    std::array<std::string, kFwiResultCount> resultTexts_;
    std::optional<std::array<double, 7>> lastValues_;
};

}  // namespace emberlin::forms

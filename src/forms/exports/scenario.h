// Scenarios: every form's inputs and selections in one JSON document, saved and read back.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/kit/form_model.h"

namespace emberlin::forms {

inline constexpr std::string_view kScenarioFormat = "emberlin-scenario";
// Version 1 left out an option group with nothing chosen; version 2 writes every key (such a
// group as null).
inline constexpr int kScenarioVersion = 2;
// A scenario is a few kilobytes; anything larger is refused before it is parsed (or read).
inline constexpr std::size_t kMaxScenarioBytes = std::size_t{1} << 20;

// One window of a scenario: the document's member that holds it and its form.
struct ScenarioWindow {
    std::string key;
    FormModel* form;
};

// The windows a scenario holds, each under its member name.
struct ScenarioForms {
    FormModel& fwiCalculator;
    FormModel& fbpCalculator;
    FormModel& diurnalWeather;
    FormModel& detectionAssessment;
    FormModel& projectionByFuelType;
    FormModel& fireBehaviourByHour;
    FormModel* hourlyFwi = nullptr;  // its site, start-up values and hour; not the weather
};
std::vector<ScenarioWindow> ScenarioWindows(const ScenarioForms& forms);

// The document: "format", "version", then one member per window holding its input fields
// by control id (in storing order) and its option groups by name. Results are not saved.
std::string WriteScenario(const std::vector<ScenarioWindow>& windows);

// Reads a document and checks every value it holds for a window with that field's own rules
// (kind, digits, range) and every choice against its group. Any failure refuses the whole
// document: the message names the first bad entry (line and column, window and field) and
// nothing changes. A text over kMaxScenarioBytes, or one that gives a key twice, is
// refused, and so is one that lacks a window or a key its version holds (named with its
// window). Otherwise each form takes the values and choices the text holds (a group given as
// null, or one an older version leaves out, keeps the form's choice) and shows them,
// computing nothing. Members the program
// does not know are ignored; a newer version is refused. Returns the refusal, if any.
std::optional<std::string> ReadScenario(std::string_view text,
                                        const std::vector<ScenarioWindow>& windows);

// Reads the scenario file at `path` into `text`: regular files only (a FIFO or a device is
// refused at once, without waiting on it) and never more than kMaxScenarioBytes. Returns
// why it could not, if so ("it is not a regular file", "it holds more than 1 MB ...", or
// the system's reason).
std::optional<std::string> ReadScenarioFile(const std::string& path, std::string& text);

}  // namespace emberlin::forms

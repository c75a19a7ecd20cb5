// Saving and opening scenario files from the main menu.
#pragma once

#include <QString>
#include <vector>

#include "forms/exports/scenario.h"

class QWidget;

namespace emberlin::ui {

// File names of scenarios end in this (the file type the desktop knows them by).
inline constexpr const char* kScenarioSuffix = ".emberlin.json";

// Asks for a file name and writes the scenario there; a failure is reported with the path
// and the reason. Returns whether a file was written.
bool SaveScenario(QWidget* parent, const std::vector<forms::ScenarioWindow>& windows);
// Asks for a file and opens it (OpenScenarioFile). Returns whether one was opened.
bool OpenScenario(QWidget* parent, const std::vector<forms::ScenarioWindow>& windows);
// Reads the scenario in `path` into the forms, or reports why not (and changes nothing).
bool OpenScenarioFile(QWidget* parent, const QString& path,
                      const std::vector<forms::ScenarioWindow>& windows);

}  // namespace emberlin::ui

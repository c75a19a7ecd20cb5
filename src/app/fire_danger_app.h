// The application object: start-up, the main menu, and the end of the program.
#pragma once

#include <string>

namespace emberlin::app {

class CFireDangerApp {
  public:
    // Starts the toolkit, shows the main menu modally and returns the exit status once it
    // closes (1 when no display can be reached).
    int Run(int argc, char** argv);

    // The scenario file named on the command line, to be opened at start (empty: none).
    void SetScenarioToOpen(std::string path) { scenarioToOpen_ = std::move(path); }
    const std::string& ScenarioToOpen() const { return scenarioToOpen_; }

  private:
    std::string scenarioToOpen_;
};

}  // namespace emberlin::app

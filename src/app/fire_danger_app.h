// The application object: start-up, the main menu, and the end of the program.
#pragma once

namespace emberlin::app {

class CFireDangerApp {
public:
    // Starts the toolkit, shows the main menu modally and returns the exit status once it
    // closes (1 when no display can be reached).
    int Run(int argc, char** argv);
};

}  // namespace emberlin::app

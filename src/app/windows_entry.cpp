// The windows library's one exported symbol: the program's windows, started by the command
// line (app/windows_library.h).
#include "app/fire_danger_app.h"

extern "C" __attribute__((visibility("default"))) int emberlin_windows_main(
    int argc, char** argv, const char* scenarioPath) {
    emberlin::app::CFireDangerApp app;
    app.SetScenarioToOpen(scenarioPath);
    return app.Run(argc, argv);
}

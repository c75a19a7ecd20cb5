// The start-up driver's program: reads its command line and loads the driver's windows
// library exactly as EMBERLIN's own program loads its windows, so that the start-up figure
// includes what the program's start costs.
#include <string_view>
#include <vector>

#include "app/windows_library.h"
#include "batch/batch.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    // The driver's own options are no batch command; the reading is what the program does.
    static_cast<void>(emberlin::batch::ClassifyCommandLine(args));
    return emberlin::app::RunWindowsLibrary("libemberlin_startup_driver.so", argc, argv, "");
}

// EMBERLIN: a desktop calculator for forest fire danger rating.
// The command line decides: a batch command, --help or --version runs without the toolkit
// (and so without a display); anything else loads the windows library and starts the
// windows. The program itself links no toolkit.
#include <cstdio>
#include <string_view>
#include <vector>

#include "app/windows_library.h"
#include "batch/batch.h"

int main(int argc, char** argv) {
    namespace batch = emberlin::batch;
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const batch::Launch launch = batch::ClassifyCommandLine(args);
    switch (launch.kind) {
        case batch::LaunchKind::Batch:
            return batch::RunBatch(args, stdin, stdout, stderr);
        case batch::LaunchKind::Help:
            batch::PrintUsage(stdout);
            return 0;
        case batch::LaunchKind::Version:
            std::printf("%s\n", batch::VersionText().c_str());
            return 0;
        case batch::LaunchKind::UsageError:
            std::fprintf(stderr, "emberlin: %s\n", launch.problem.c_str());
            batch::PrintUsage(stderr);
            return 2;
        case batch::LaunchKind::Windows:
            break;
    }
    return emberlin::app::RunWindowsLibrary("libemberlin_windows.so", argc, argv,
                                            launch.scenarioPath);
}

// The windows live in a shared library of their own, loaded only when the command line asks
// for them: a batch command, --help or --version never loads the toolkit (some 30 ms of
// every run, on one core whatever --jobs says).
#pragma once

#include <string>

namespace emberlin::app {

// The entry point every windows library exports (extern "C"): runs the windows with the
// program's arguments and the scenario file to open at start ("" for none), and returns the
// program's exit status.
inline constexpr const char* kWindowsEntryName = "emberlin_windows_main";
using WindowsEntry = int (*)(int argc, char** argv, const char* scenarioPath);

// Loads `file` from the program's own folder (a build tree), or else from where the install
// puts it relative to the program, and runs its entry point. When neither loads, says why
// on standard error and returns 1.
int RunWindowsLibrary(const char* file, int argc, char** argv, const std::string& scenarioPath);

}  // namespace emberlin::app

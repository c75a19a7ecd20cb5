// The command line of emberlin: the batch commands (CSV in, engines, CSV out) and the words
// that need no display (--help, --version). Toolkit-free; src/app/main.cpp only dispatches.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace emberlin::batch {

enum class LaunchKind {
    Windows,     // start the windows (possibly with a scenario to open)
    Batch,       // a batch command: RunBatch
    Help,        // print the usage on standard output, exit 0
    Version,     // print VersionText(), exit 0
    UsageError,  // print the problem and the usage on standard error, exit 2
};

struct Launch {
    LaunchKind kind = LaunchKind::Windows;
    std::string scenarioPath;  // Windows: the scenario file to open at start, or empty
    std::string problem;       // UsageError: what was wrong
};

// What the arguments after the program name ask for.
Launch ClassifyCommandLine(std::span<const std::string_view> args);

// "emberlin 1.0.0".
std::string VersionText();

// The program's usage: the windows, the batch commands and their common options.
void PrintUsage(std::FILE* to);

// True when `word` names a batch command.
bool IsBatchCommand(std::string_view word);

// Runs a batch command; args[0] is its name. Returns the exit status: 0 done, 1 a refused
// input (bad value, missing column, unreadable or empty input) or a failed write, 2 a wrong
// command line.
int RunBatch(std::span<const std::string_view> args, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace emberlin::batch

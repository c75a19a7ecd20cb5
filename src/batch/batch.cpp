#include "batch/batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string>

#include "batch/command.h"
#include "batch/jobs.h"
#include "batch/output_target.h"
#include "common/number_text.h"

#ifndef EMBERLIN_VERSION
#error "EMBERLIN_VERSION comes from the CMake project version"
#endif

namespace emberlin::batch {

namespace {

// Every batch command, in the order the usage lists them. A new command is one more entry.
constexpr const CommandEntry* kCommands[] = {&kFwiCommand, &kFbpCommand, &kDiurnalCommand,
                                             &kHourlyCommand, &kFwi2025Command};

// The options of every command, as the usages list them.
constexpr CommonOption kCommonOptions[] = {
    {"-o", "output", "FILE",
     "write to FILE, whole or not at all (default: standard output);\n"
     "                     a FIFO or a device (/dev/null) is written into"},
    {"", "keep-going", "", "write the good rows, report each bad one, exit 1 at the end"},
    {"-j", "jobs", "N",
     "run on N cores (default: every core); the output, refusals and\n"
     "                     notes are the same as on one"},
    {"-h", "help", "", "this text"},
};

// "  -o, --output FILE  help" with the help text in one column.
void PrintOption(std::FILE* to, std::string_view shortName, std::string_view name,
                 std::string_view value, std::string_view help) {
    std::string words(shortName.empty() ? "    " : "");
    words.append(shortName);
    if (!shortName.empty()) words.append(", ");
    words.append("--");
    words.append(name);
    if (!value.empty()) {
        words.push_back(' ');
        words.append(value);
    }
    std::fprintf(to, "  %-18s %.*s\n", words.c_str(), static_cast<int>(help.size()), help.data());
}

void PrintCommonOptions(std::FILE* to) {
    for (const CommonOption& option : kCommonOptions) {
        PrintOption(to, option.shortName, option.name, option.value, option.help);
    }
}

const CommandEntry* FindCommand(std::string_view name) {
    for (const CommandEntry* command : kCommands) {
        if (command->name == name) return command;
    }
    return nullptr;
}

void PrintCommandHelp(const CommandEntry& command, std::FILE* to) {
    std::fprintf(to,
                 "Usage: emberlin %.*s [options] [INPUT.csv|-] [-o OUTPUT.csv]\n%.*s\n\n%.*s\n"
                 "Options:\n",
                 static_cast<int>(command.name.size()), command.name.data(),
                 static_cast<int>(command.summary.size()), command.summary.data(),
                 static_cast<int>(command.columns.size()), command.columns.data());
    for (const CommandOption& option : command.options) {
        PrintOption(to, "", option.name, option.flag ? "" : option.value, option.help);
    }
    PrintCommonOptions(to);
}

// --- Progress on a terminal, for inputs over 1 MB ----------------------------------------

class Progress {
  public:
    Progress(std::FILE* err, std::FILE* in, std::string_view command) : err_(err), name_(command) {
        struct stat status {};
        if (isatty(fileno(err)) && fstat(fileno(in), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_size > (1 << 20)) {
            total_ = static_cast<double>(status.st_size);
        }
    }

    void Update(std::uint64_t bytes) {
        if (total_ <= 0) return;
        const int percent = static_cast<int>(100.0 * static_cast<double>(bytes) / total_);
        if (percent == shown_) return;
        shown_ = percent;
        constexpr int kWidth = 40;
        const int filled = percent * kWidth / 100;
        std::fprintf(err_, "\r%.*s [%s%s] %3d%%", static_cast<int>(name_.size()), name_.data(),
                     std::string(static_cast<std::size_t>(filled), '#').c_str(),
                     std::string(static_cast<std::size_t>(kWidth - filled), ' ').c_str(), percent);
        std::fflush(err_);
    }

    void Done() {
        if (total_ <= 0 || shown_ < 0) return;
        std::fprintf(err_, "\r%s\r", std::string(name_.size() + 48, ' ').c_str());
        std::fflush(err_);
        shown_ = -1;
    }

  private:
    std::FILE* err_;
    std::string_view name_;
    double total_ = 0;
    int shown_ = -1;
};

struct RunArguments {
    std::string input = "-";
    std::string output = "-";
    bool keepGoing = false;
    bool help = false;
    unsigned jobs = AvailableCores();
    OptionValues options;
};

// Parses the words after the command name; "" or the problem.
std::string ParseArguments(const CommandEntry& command, std::span<const std::string_view> words,
                           RunArguments& run) {
    bool inputGiven = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        auto valueOf = [&](std::string_view name, std::string& value) -> std::string {
            const std::size_t equals = word.find('=');
            if (equals != std::string_view::npos) {
                value = std::string(word.substr(equals + 1));
                return "";
            }
            if (i + 1 >= words.size()) return std::string(name) + " needs a value";
            value = std::string(words[++i]);
            return "";
        };
        if (word == "-h" || word == "--help") {
            run.help = true;
        } else if (word == "--keep-going") {
            run.keepGoing = true;
        } else if (word == "-j" || word == "--jobs" || word.starts_with("--jobs=")) {
            std::string value;
            if (std::string problem = valueOf(word, value); !problem.empty()) return problem;
            const std::optional<unsigned> jobs = ParseJobs(value);
            if (!jobs) {
                return "--jobs: " + Quoted(value) + " is not a whole number from 1 to " +
                       std::to_string(kMaxJobs);
            }
            run.jobs = *jobs;
        } else if (word == "-o" || word == "--output" || word.starts_with("--output=")) {
            if (std::string problem = valueOf(word, run.output); !problem.empty()) return problem;
        } else if (word.starts_with("--")) {
            const std::string_view name = word.substr(2, word.find('=') - 2);
            const CommandOption* known = nullptr;
            for (const CommandOption& option : command.options) {
                if (option.name == name) known = &option;
            }
            if (known == nullptr) return "unknown option " + std::string(word);
            if (known->flag) {
                run.options.Set(std::string(name), "1");
                continue;
            }
            std::string value;
            if (std::string problem = valueOf(word, value); !problem.empty()) return problem;
            run.options.Set(std::string(name), value);
        } else if (word.size() > 1 && word[0] == '-') {
            return "unknown option " + std::string(word);
        } else {
            if (inputGiven)
                return "more than one input: " + run.input + " and " + std::string(word);
            run.input = std::string(word);
            inputGiven = true;
        }
    }
    return "";
}

int Refuse(std::FILE* err, const std::string& problem) {
    std::fprintf(err, "%s\n", problem.c_str());
    return 1;
}

}  // namespace

void OptionValues::Set(std::string name, std::string value) {
    for (auto& [key, held] : values_) {
        if (key == name) {
            held = std::move(value);
            return;
        }
    }
    values_.emplace_back(std::move(name), std::move(value));
}

std::optional<std::string_view> OptionValues::Get(std::string_view name) const {
    for (const auto& [key, value] : values_) {
        if (key == name) return value;
    }
    return std::nullopt;
}

std::string ReadOption(const OptionValues& options, std::string_view name, const ValueRule& rule,
                       double& value) {
    const std::optional<std::string_view> text = options.Get(name);
    if (!text) return "";
    const std::string prefix = "--" + std::string(name) + ": ";
    const std::optional<double> number = ParseDouble(*text);
    if (!number) return prefix + Quoted(*text) + " is not a number";
    if (*number < rule.min || *number > rule.max) {
        return prefix + std::string(*text) + " is outside " + BoundText(rule.min) + " to " +
               BoundText(rule.max);
    }
    value = *number;
    return "";
}

std::span<const CommandEntry* const> Commands() { return kCommands; }

std::span<const CommonOption> CommonOptions() { return kCommonOptions; }

std::string VersionText() { return std::string("emberlin ") + EMBERLIN_VERSION; }

bool IsBatchCommand(std::string_view word) { return FindCommand(word) != nullptr; }

void PrintUsage(std::FILE* to) {
    std::fputs(
        "Usage: emberlin [SCENARIO.json]\n"
        "       emberlin COMMAND [options] [INPUT.csv|-] [-o OUTPUT.csv]\n"
        "       emberlin --help | --version\n"
        "\n"
        "Without a command, starts the calculator's windows (a scenario file given is opened\n"
        "at start). A command reads CSV from INPUT (or standard input) and writes CSV to\n"
        "OUTPUT (or standard output) without a display.\n"
        "\nCommands:\n",
        to);
    for (const CommandEntry* command : kCommands) {
        std::fprintf(to, "  %-9.*s %.*s\n", static_cast<int>(command->name.size()),
                     command->name.data(), static_cast<int>(command->summary.size()),
                     command->summary.data());
    }
    std::fputs("\nCommon options:\n", to);
    PrintCommonOptions(to);
    std::fputs(
        "\n'emberlin COMMAND --help' lists the command's columns and options.\n"
        "Exit status: 0 done, 1 a refused input or failed write, 2 a wrong command line.\n",
        to);
}

Launch ClassifyCommandLine(std::span<const std::string_view> args) {
    Launch launch;
    if (!args.empty() && IsBatchCommand(args[0])) {
        launch.kind = LaunchKind::Batch;
        return launch;
    }
    for (std::string_view arg : args) {
        if (arg == "--help" || arg == "-h") {
            launch.kind = LaunchKind::Help;
            return launch;
        }
        if (arg == "--version") {
            launch.kind = LaunchKind::Version;
            return launch;
        }
    }
    for (std::string_view arg : args) {
        if (arg.size() > 1 && arg[0] == '-') {
            launch.kind = LaunchKind::UsageError;
            launch.problem = "unknown option " + std::string(arg);
            return launch;
        }
        if (!launch.scenarioPath.empty()) {
            launch.kind = LaunchKind::UsageError;
            launch.problem =
                "one scenario file at most (" + launch.scenarioPath + ", " + std::string(arg) + ")";
            launch.scenarioPath.clear();
            return launch;
        }
        if (arg.empty() || arg == "-") {
            launch.kind = LaunchKind::UsageError;
            launch.problem = "unknown command \"" + std::string(arg) + "\"";
            return launch;
        }
        launch.scenarioPath = std::string(arg);
    }
    return launch;
}

int RunBatch(std::span<const std::string_view> args, std::FILE* in, std::FILE* out,
             std::FILE* err) {
    const CommandEntry* entry = args.empty() ? nullptr : FindCommand(args[0]);
    if (entry == nullptr) {
        std::fprintf(err, "unknown command\n");
        PrintUsage(err);
        return 2;
    }
    RunArguments run;
    if (std::string problem = ParseArguments(*entry, args.subspan(1), run); !problem.empty()) {
        std::fprintf(err, "emberlin %.*s: %s\n", static_cast<int>(entry->name.size()),
                     entry->name.data(), problem.c_str());
        PrintCommandHelp(*entry, err);
        return 2;
    }
    if (run.help) {
        PrintCommandHelp(*entry, out);
        return 0;
    }
    std::string problem;
    std::unique_ptr<RowCommand> command = entry->make(run.options, problem);
    if (!command) {
        std::fprintf(err, "emberlin %.*s: %s\n", static_cast<int>(entry->name.size()),
                     entry->name.data(), problem.c_str());
        return 2;
    }

    std::FILE* input = in;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> opened(nullptr, std::fclose);
    if (run.input != "-") {
        opened.reset(std::fopen(run.input.c_str(), "rb"));
        if (!opened) return Refuse(err, "cannot read " + run.input + ": " + std::strerror(errno));
        input = opened.get();
    }

    CsvReader reader(input);
    if (!reader.Next()) {
        return Refuse(err, reader.Failed() ? reader.Error() : "the input is empty: no heading row");
    }
    Header header(reader.Fields());
    std::string note;
    problem = command->Begin(header, note);
    // Two columns for one input are refused before anything else: either could be meant.
    if (!header.Duplicate().empty()) return Refuse(err, header.Duplicate());
    if (!problem.empty()) return Refuse(err, problem);
    if (!note.empty()) std::fprintf(err, "note: %s\n", note.c_str());

    OutputTarget target;
    if (!target.Open(run.output, out, problem)) return Refuse(err, problem);
    CsvWriter writer(target.File());
    command->WriteHeading(header, writer);

    Progress progress(err, input, entry->name);
    RecordLoop loop{.reader = reader,
                    .header = header,
                    .command = *command,
                    .makeShareCommand =
                        [&] {
                            std::string unused;
                            std::unique_ptr<RowCommand> share = entry->make(run.options, unused);
                            Header heading = header;
                            share->Begin(heading, unused);
                            return share;
                        },
                    .writer = writer,
                    .output = target.File(),
                    .err = err,
                    .keepGoing = run.keepGoing,
                    .jobs = run.jobs,
                    .progress = [&](std::uint64_t bytes) { progress.Update(bytes); },
                    .progressDone = [&] { progress.Done(); }};
    const RecordLoopResult records = RunRecords(loop);
    if (records.stopped) return 1;  // the target discards its temporary file
    if (records.writeError != 0) {
        progress.Done();
        return Refuse(err, target.Problem(records.writeError));
    }
    long badRows = records.badRows;
    progress.Done();
    if (!records.readError.empty()) return Refuse(err, records.readError);
    if (problem = command->Finish(writer); !problem.empty()) {
        std::fprintf(err, "%s\n", problem.c_str());
        ++badRows;
        if (!run.keepGoing) return 1;
    }
    if (!writer.Flush()) return Refuse(err, target.Problem(writer.Error()));
    if (!target.Commit(problem)) return Refuse(err, problem);
    if (const std::string end = command->EndNote(); !end.empty()) {
        std::fprintf(err, "note: %s\n", end.c_str());
    }
    return badRows == 0 ? 0 : 1;
}

}  // namespace emberlin::batch

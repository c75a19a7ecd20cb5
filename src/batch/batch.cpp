#include "batch/batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#include "batch/command.h"
#include "common/number_text.h"

#ifndef EMBERLIN_VERSION
#error "EMBERLIN_VERSION comes from the CMake project version"
#endif

namespace emberlin::batch {

namespace {

// Every batch command, in the order the usage lists them. A new command is one more entry.
constexpr const CommandEntry* kCommands[] = {&kFwiCommand, &kFbpCommand, &kDiurnalCommand,
                                             &kHourlyCommand, &kFwi2025Command};

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
        std::fprintf(to, "  --%-14.*s %.*s\n", static_cast<int>(option.name.size()),
                     option.name.data(), static_cast<int>(option.help.size()), option.help.data());
    }
    std::fputs(
        "  -o, --output FILE  write to FILE (default: standard output); written whole or not "
        "at all\n"
        "  --keep-going       write the good rows, report each bad one, exit 1 at the end\n"
        "  -h, --help         this text\n",
        to);
}

// --- The output: standard output, or a temporary file renamed into place at the end --------

// The temporary file's name for the signal handler, which may only unlink.
char gTemporaryPath[4096];

extern "C" void RemoveTemporaryAndExit(int signal) {
    if (gTemporaryPath[0] != '\0') unlink(gTemporaryPath);
    _exit(128 + signal);
}

class OutputTarget {
  public:
    ~OutputTarget() { Discard(); }

    bool Open(std::string_view path, std::FILE* standardOutput, std::string& problem) {
        if (path.empty() || path == "-") {
            file_ = standardOutput;
            return true;
        }
        finalPath_ = std::string(path);
        const std::size_t slash = finalPath_.rfind('/');
        const std::string folder =
            slash == std::string::npos ? std::string() : finalPath_.substr(0, slash + 1);
        const std::string base =
            slash == std::string::npos ? finalPath_ : finalPath_.substr(slash + 1);
        temporaryPath_ = folder + "." + base + ".XXXXXX";
        if (temporaryPath_.size() >= sizeof gTemporaryPath) {
            problem = "cannot write " + finalPath_ + ": the name is too long";
            return false;
        }
        const int fd = mkstemp(temporaryPath_.data());
        if (fd < 0) {
            problem = "cannot write " + finalPath_ + ": " + std::strerror(errno);
            temporaryPath_.clear();
            return false;
        }
        // mkstemp makes the file private; give it the permissions a new file gets.
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
        file_ = fdopen(fd, "wb");
        if (file_ == nullptr) {
            close(fd);
            Discard();
            problem = "cannot write " + finalPath_ + ": " + std::strerror(errno);
            return false;
        }
        std::memcpy(gTemporaryPath, temporaryPath_.c_str(), temporaryPath_.size() + 1);
        std::signal(SIGINT, RemoveTemporaryAndExit);
        std::signal(SIGTERM, RemoveTemporaryAndExit);
        std::signal(SIGHUP, RemoveTemporaryAndExit);
        return true;
    }

    std::FILE* File() const { return file_; }

    // Makes the output final: the whole file appears under its name, or nothing does.
    bool Commit(std::string& problem) {
        if (temporaryPath_.empty()) {
            if (std::fflush(file_) != 0) {
                problem = std::string("cannot write the output: ") + std::strerror(errno);
                return false;
            }
            return true;
        }
        bool written = std::fflush(file_) == 0 && fsync(fileno(file_)) == 0;
        written = std::fclose(file_) == 0 && written;
        file_ = nullptr;
        if (!written || std::rename(temporaryPath_.c_str(), finalPath_.c_str()) != 0) {
            problem = "cannot write " + finalPath_ + ": " + std::strerror(errno);
            Discard();
            return false;
        }
        temporaryPath_.clear();
        Forget();
        return true;
    }

    void Discard() {
        if (temporaryPath_.empty()) return;
        if (file_ != nullptr) std::fclose(file_);
        file_ = nullptr;
        unlink(temporaryPath_.c_str());
        temporaryPath_.clear();
        Forget();
    }

  private:
    static void Forget() {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGHUP, SIG_DFL);
        gTemporaryPath[0] = '\0';
    }

    std::FILE* file_ = nullptr;
    std::string finalPath_;
    std::string temporaryPath_;
};

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
    std::fputs(
        "\nCommon options:\n"
        "  -o, --output FILE  write to FILE; written whole or not at all\n"
        "  --keep-going       write the good rows, report each bad one, exit 1 at the end\n"
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
    if (problem = command->Begin(header, note); !problem.empty()) return Refuse(err, problem);
    if (!note.empty()) std::fprintf(err, "note: %s\n", note.c_str());

    OutputTarget target;
    if (!target.Open(run.output, out, problem)) return Refuse(err, problem);
    CsvWriter writer(target.File());
    command->WriteHeading(header, writer);

    Progress progress(err, input, entry->name);
    long badRows = 0;
    std::uint64_t rows = 0;
    while (reader.Next()) {
        if ((++rows & 0xFFF) == 0) progress.Update(reader.BytesRead());
        const std::span<const std::string_view> fields = reader.Fields();
        std::string refusal;
        if (fields.size() != header.Size()) {
            refusal = std::to_string(fields.size()) + " fields where the heading has " +
                      std::to_string(header.Size());
        } else {
            command->SetLine(reader.Line());
            refusal = command->Row(header, fields, writer);
        }
        if (refusal.empty()) continue;
        progress.Done();
        std::fprintf(err, "line %ld%s %s\n", reader.Line(),
                     refusal.starts_with("column ") ? "," : ":", refusal.c_str());
        ++badRows;
        if (!run.keepGoing) return 1;  // the target discards its temporary file
    }
    progress.Done();
    if (reader.Failed()) return Refuse(err, reader.Error());
    if (problem = command->Finish(writer); !problem.empty()) {
        std::fprintf(err, "%s\n", problem.c_str());
        ++badRows;
        if (!run.keepGoing) return 1;
    }
    if (!writer.Flush()) {
        return Refuse(err, std::string("cannot write the output: ") + std::strerror(errno));
    }
    if (!target.Commit(problem)) return Refuse(err, problem);
    return badRows == 0 ? 0 : 1;
}

}  // namespace emberlin::batch

// What each batch command provides to the common driver (reading, checking, writing).
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/csv.h"
#include "batch/fields.h"

namespace emberlin::batch {

class RowCommand {
  public:
    virtual ~RowCommand() = default;
    // Finds the columns the command reads and marks them used. Returns the problem
    // ("missing column: prec") or "" when every required column is there; `note` may receive
    // one remark for standard error.
    virtual std::string Begin(Header& header, std::string& note) = 0;
    // The heading row of the output.
    virtual void WriteHeading(const Header& header, CsvWriter& out) = 0;
    // Checks and computes one record and writes its output rows. On a refusal writes nothing
    // and returns the problem ("column rh: 120 is outside 0 to 100"); "" otherwise.
    virtual std::string Row(const Header& header, std::span<const std::string_view> fields,
                            CsvWriter& out) = 0;
    // Under --keep-going, after a refused record: a command whose rows carry on from one
    // another may keep the record's place in its output. Writes nothing by default.
    virtual void Refused(const Header&, std::span<const std::string_view>, CsvWriter&) {}
    // One remark for standard error once a run has written its output; "" for none.
    virtual std::string EndNote() { return ""; }
    // After the last record: writes what a command that groups records still holds; "" or
    // the problem.
    virtual std::string Finish(CsvWriter&) { return ""; }

    // The input line of the record Row is given (for refusals that name an earlier line).
    void SetLine(long line) { line_ = line; }

    // --- Running on several jobs (--jobs) ---------------------------------------------------
    // The run is parted into shares of records, each run in input order by a fresh command
    // (made from the same options, Begin on the same heading) on a thread of its own; the
    // driver writes the shares' rows and refusals in input order.
    struct Sharing {
        bool shared = false;  // false: the whole run on one job
        // Where a share had best end: before a record whose value in this column differs from
        // the record before (a new station); none: anywhere.
        std::optional<std::size_t> breakAtChangeOf;
        // About how many records make a share: a few milliseconds of work, so that handing it
        // over costs little and every core stays busy to the end. The input is parted by it
        // on one job too, so that every number of jobs reads the same stretches.
        std::size_t records = 1024;
    };
    virtual Sharing Shares() const { return {}; }
    // True when this command, having run every record before `later`'s share, would have
    // carried something into that share's records (a station going on across the break):
    // the driver then runs the share again with this command instead. `later` is of the same
    // class as this. Asked only of a command whose shares break at a column.
    virtual bool CarriesInto(const RowCommand& /*later*/) const { return false; }
    // Takes over what `later` (of the same class), having run the share after this
    // command's records, leaves for the records after it and for the end note.
    virtual void Absorb(const RowCommand& /*later*/) {}

  protected:
    long Line() const { return line_; }

  private:
    long line_ = 0;
};

// The command's own options, given as "--name VALUE" or "--name=VALUE".
struct CommandOption {
    std::string_view name;             // without the dashes
    std::string_view help;             // one line for the usage
    bool flag = false;                 // takes no value: present or not ("1" when present)
    std::string_view value = "VALUE";  // what the usage writes after the name
};

// An option every command takes: "-o, --output FILE".
struct CommonOption {
    std::string_view shortName;  // "-o", or empty
    std::string_view name;       // without the dashes
    std::string_view value;      // empty for a flag
    std::string_view help;
};

class OptionValues {
  public:
    void Set(std::string name, std::string value);
    std::optional<std::string_view> Get(std::string_view name) const;

  private:
    std::vector<std::pair<std::string, std::string>> values_;
};

struct CommandEntry {
    std::string_view name;
    std::string_view summary;  // one line in the program's usage
    std::string_view columns;  // what the input holds and the output gives, for its --help
    std::span<const CommandOption> options;
    // Makes the command from its option values; on a bad value returns null and the problem.
    std::unique_ptr<RowCommand> (*make)(const OptionValues& options, std::string& problem);
};

extern const CommandEntry kFwiCommand;
extern const CommandEntry kFbpCommand;
extern const CommandEntry kDiurnalCommand;
extern const CommandEntry kHourlyCommand;
extern const CommandEntry kFwi2025Command;

// Every command, in the order the usage lists them, and the options they all take: the one
// list the usage, the help texts and the manual page's test read.
std::span<const CommandEntry* const> Commands();
std::span<const CommonOption> CommonOptions();

// The fuel index of a fuel code as tables write it: any letter case, with or without the
// hyphen ("c2", "C-2", "O1A", "o-1b"); -1 when it names none.
int FuelIndexOf(std::string_view text);
// Why a value names no fuel type: the value quoted, then the catalogue's codes
// ("\"X9\" is not a fuel type (C1 to C7, D1, D2, ...)").
std::string NotAFuelType(std::string_view text);

// Reads a checked option value; "" when it is absent (value unchanged) or fine, else the
// problem ("--ffmc: 120 is outside 0 to 101").
std::string ReadOption(const OptionValues& options, std::string_view name, const ValueRule& rule,
                       double& value);

}  // namespace emberlin::batch

// The record loop of a batch run, on one job or on several threads at once (--jobs): the
// output, the refusals and the notes come out the same whatever the number of jobs.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "batch/command.h"
#include "batch/csv.h"

namespace emberlin::batch {

// The processors this process may run on (its affinity), at least 1.
unsigned AvailableCores();

// The value of --jobs: a whole number from 1 to kMaxJobs; nullopt otherwise.
inline constexpr unsigned kMaxJobs = 256;
std::optional<unsigned> ParseJobs(std::string_view text);

struct RecordLoop {
    CsvReader& reader;
    const Header& header;
    RowCommand& command;  // Begin done and heading written; runs the records of one job
    // A fresh command of the same kind, for a share run on another thread.
    std::function<std::unique_ptr<RowCommand>()> makeShareCommand;
    CsvWriter& writer;
    std::FILE* output;  // the file `writer` writes into
    std::FILE* err;
    bool keepGoing = false;
    unsigned jobs = 1;
    std::function<void(std::uint64_t bytesRead)> progress;
    std::function<void()> progressDone;  // before a refusal is written
};

struct RecordLoopResult {
    long badRows = 0;
    bool stopped = false;   // a refusal without --keep-going ended the run
    int writeError = 0;     // errno of a failed write of the output, 0 for none
    std::string readError;  // malformed input or a failed read ("line N: ..."), "" for none
};

// Reads every record, runs it through the command and writes its rows, reporting each
// refusal on `err` as "line N: ..." or "line N, column X: ...". Stops at the end of the
// input, at a read error (after the records before it), at the first failed write, or at the
// first refusal without keepGoing. On several jobs the reader hands blocks of the input to the
// threads unread, and each thread reads its own.
RecordLoopResult RunRecords(RecordLoop& loop);

}  // namespace emberlin::batch

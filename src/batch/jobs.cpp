#include "batch/jobs.h"

#include <sched.h>

#include <cerrno>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "common/number_text.h"

namespace emberlin::batch {

namespace {

// A share of records the reader read itself (a record longer than a stretch and those after
// it) closes at the command's number of records or at this many input bytes.
constexpr std::size_t kShareBytes = std::size_t{1} << 18;

// Runs one record; the refusal or "".
std::string RunRecord(RowCommand& command, const Header& header,
                      std::span<const std::string_view> fields, long line, CsvWriter& out) {
    if (fields.size() != header.Size()) {
        return std::to_string(fields.size()) + " fields where the heading has " +
               std::to_string(header.Size());
    }
    command.SetLine(line);
    return command.Row(header, fields, out);
}

// "line 17, column rh: 120 is outside 1 to 100\n", "line 4: 3 fields where ...\n".
std::string RefusalLine(long line, const std::string& refusal) {
    return "line " + std::to_string(line) + (refusal.starts_with("column ") ? ", " : ": ") +
           refusal + "\n";
}

// The records of one share: a block of the input read on the share's thread, or records the
// reader read, copied out of it; and what running them gave.
struct Share {
    struct Record {
        std::size_t firstField;
        std::size_t fieldCount;
        long line;
    };
    CsvBlock block;
    bool fromBlock = false;
    bool straight = false;  // the block's records ran as they were read, without a copy
    std::string readError;  // the block's problem, after its last record
    std::string chars;
    std::vector<std::size_t> ends;  // of each field in chars
    std::vector<Record> records;
    // Records before the first change of the column shares break at: they may go on from the
    // share before, and run after it with the command that ran it.
    std::size_t head = 0;

    std::unique_ptr<RowCommand> command;  // fresh, then as the share's last record left it
    std::string output;
    std::string refusals;  // as written to standard error, in order
    long badRows = 0;
    bool stopped = false;
    bool done = false;

    // Empties the share for the next records, keeping its memory.
    void Clear() {
        block.text.clear();
        fromBlock = false;
        straight = false;
        readError.clear();
        chars.clear();
        ends.clear();
        records.clear();
        head = 0;
        command.reset();
        output.clear();
        refusals.clear();
        badRows = 0;
        stopped = false;
        done = false;
    }

    bool Full(const RowCommand::Sharing& sharing) const {
        return records.size() >= sharing.records || chars.size() >= kShareBytes;
    }

    void Add(std::span<const std::string_view> fields, long line) {
        records.push_back({ends.size(), fields.size(), line});
        for (std::string_view field : fields) {
            chars.append(field);
            ends.push_back(chars.size());
        }
    }

    // Reads the block's records.
    void Read(CsvReader& reader) {
        if (!fromBlock) return;
        reader.Read(block);
        while (reader.Next()) Add(reader.Fields(), reader.Line());
        readError = reader.Error();
    }

    std::span<const std::string_view> Fields(const Record& record,
                                             std::vector<std::string_view>& views) const {
        views.clear();
        std::size_t start = record.firstField == 0 ? 0 : ends[record.firstField - 1];
        for (std::size_t f = record.firstField; f < record.firstField + record.fieldCount; ++f) {
            views.emplace_back(chars.data() + start, ends[f] - start);
            start = ends[f];
        }
        return views;
    }

    std::string_view Field(const Record& record, std::size_t column) const {
        const std::size_t f = record.firstField + column;
        const std::size_t start = f == 0 ? 0 : ends[f - 1];
        return {chars.data() + start, ends[f] - start};
    }

    // The records before the first change of the break column.
    std::size_t Head(const RowCommand::Sharing& sharing) const {
        if (!sharing.breakAtChangeOf) return 0;
        const std::size_t column = *sharing.breakAtChangeOf;
        for (std::size_t r = 1; r < records.size(); ++r) {
            const Record& last = records[r - 1];
            const Record& next = records[r];
            if (column < last.fieldCount && column < next.fieldCount &&
                Field(last, column) != Field(next, column)) {
                return r;
            }
        }
        return records.size();
    }
};

// Runs a share's records on its thread: those of a block as they are read when none has to
// wait for the share before, else those after the head.
// `reader` is the thread's, kept from block to block.
void RunShare(Share& share, const RecordLoop& loop, const RowCommand::Sharing& sharing,
              CsvReader& reader) {
    share.command = loop.makeShareCommand();
    // A block cut where its station changed runs whole here as it is read, unless the station
    // turns out to go on after all (names alike in all but their writing): MergeShare then
    // reads it again and runs it with the command before it.
    share.straight = share.fromBlock && (!sharing.breakAtChangeOf || share.block.startsAtChange);
    if (!share.straight) {
        share.Read(reader);
        share.head = share.Head(sharing);
    }
    CsvWriter out(share.output);
    // False once the share stops at a refusal.
    auto run = [&](std::span<const std::string_view> fields, long line) {
        const std::string refusal = RunRecord(*share.command, loop.header, fields, line, out);
        if (refusal.empty()) return true;
        share.refusals += RefusalLine(line, refusal);
        ++share.badRows;
        if (!loop.keepGoing) {
            share.stopped = true;
            return false;
        }
        share.command->Refused(loop.header, fields, out);
        return true;
    };
    if (share.straight) {
        reader.Read(share.block);
        while (reader.Next()) {
            if (!run(reader.Fields(), reader.Line())) break;
        }
        share.readError = reader.Error();
    } else {
        std::vector<std::string_view> views;
        for (std::size_t r = share.head; r < share.records.size(); ++r) {
            const Share::Record& record = share.records[r];
            if (!run(share.Fields(record, views), record.line)) break;
        }
    }
}

// Worker threads running shares in the order given.
class SharePool {
  public:
    SharePool(unsigned threads, const RecordLoop& loop, const RowCommand::Sharing& sharing)
        : loop_(loop), sharing_(sharing) {
        for (unsigned i = 0; i < threads; ++i) threads_.emplace_back([this] { Work(); });
    }
    ~SharePool() {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
            queue_.clear();
        }
        wake_.notify_all();
        for (std::thread& thread : threads_) thread.join();
    }
    SharePool(const SharePool&) = delete;
    SharePool& operator=(const SharePool&) = delete;

    // Each wake-up costs a system call and a switch of threads, so a thread is woken only
    // when it waits: a worker for work, the reading thread for the share it merges next.
    void Submit(std::shared_ptr<Share> share) {
        bool someoneIdle = false;
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(std::move(share));
            someoneIdle = idle_ > 0;
        }
        if (someoneIdle) wake_.notify_one();
    }

    void WaitFor(const Share& share) {
        std::unique_lock lock(mutex_);
        awaited_ = &share;
        done_.wait(lock, [&] { return share.done; });
        awaited_ = nullptr;
    }

  private:
    void Work() {
        const CsvBlock none;
        CsvReader reader(none);  // reads each share's block in turn
        while (true) {
            std::shared_ptr<Share> share;
            {
                std::unique_lock lock(mutex_);
                ++idle_;
                wake_.wait(lock, [&] { return quit_ || !queue_.empty(); });
                --idle_;
                if (quit_) return;
                share = std::move(queue_.front());
                queue_.pop_front();
            }
            RunShare(*share, loop_, sharing_, reader);
            bool awaited = false;
            {
                std::lock_guard lock(mutex_);
                share->done = true;
                awaited = awaited_ == share.get();
            }
            if (awaited) done_.notify_one();
        }
    }

    const RecordLoop& loop_;
    const RowCommand::Sharing sharing_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::deque<std::shared_ptr<Share>> queue_;
    bool quit_ = false;
    int idle_ = 0;                    // workers waiting for work
    const Share* awaited_ = nullptr;  // the share the reading thread waits for
    std::vector<std::thread> threads_;
};

RecordLoopResult RunOneJob(RecordLoop& loop) {
    RecordLoopResult result;
    std::uint64_t rows = 0;
    // The run stops at the first write that fails (a full disk): nothing after it can land.
    while (!loop.writer.Failed() && loop.reader.Next()) {
        if ((++rows & 0xFFF) == 0) loop.progress(loop.reader.BytesRead());
        const std::span<const std::string_view> fields = loop.reader.Fields();
        const std::string refusal =
            RunRecord(loop.command, loop.header, fields, loop.reader.Line(), loop.writer);
        if (refusal.empty()) continue;
        loop.progressDone();
        std::fputs(RefusalLine(loop.reader.Line(), refusal).c_str(), loop.err);
        ++result.badRows;
        if (!loop.keepGoing) {
            result.stopped = true;
            return result;
        }
        loop.command.Refused(loop.header, fields, loop.writer);
    }
    result.readError = loop.reader.Error();
    return result;
}

// Runs records of a share with the command of the records before it, as one job would;
// false when the run ends.
bool RunHere(RecordLoop& loop, const Share& share, std::size_t from, std::size_t to,
             RecordLoopResult& result) {
    std::vector<std::string_view> views;
    for (std::size_t r = from; r < to && !loop.writer.Failed(); ++r) {
        const Share::Record& record = share.records[r];
        const std::span<const std::string_view> fields = share.Fields(record, views);
        const std::string refusal =
            RunRecord(loop.command, loop.header, fields, record.line, loop.writer);
        if (refusal.empty()) continue;
        loop.progressDone();
        std::fputs(RefusalLine(record.line, refusal).c_str(), loop.err);
        ++result.badRows;
        if (!loop.keepGoing) {
            result.stopped = true;
            return false;
        }
        loop.command.Refused(loop.header, fields, loop.writer);
    }
    if (loop.writer.Failed()) {
        result.writeError = loop.writer.Error();
        return false;
    }
    return true;
}

// Puts a finished share in the output; false when the run ends with it. `reader` reads a
// block again where its thread's run is not kept.
bool MergeShare(RecordLoop& loop, Share& share, CsvReader& reader, RecordLoopResult& result) {
    if (!RunHere(loop, share, 0, share.head, result)) return false;
    if (!share.straight && share.head == share.records.size()) {
        // Nothing ran on the share's thread.
    } else if (loop.command.CarriesInto(*share.command)) {
        // The share's first station goes on from the last one after all (their names differ
        // in blanks only): run it again with the command that ran the records before it.
        if (share.straight) {
            share.Read(reader);
            share.straight = false;
        }
        if (!RunHere(loop, share, share.head, share.records.size(), result)) return false;
    } else {
        if (!loop.writer.Flush()) {
            result.writeError = loop.writer.Error();
            return false;
        }
        errno = 0;
        if (std::fwrite(share.output.data(), 1, share.output.size(), loop.output) !=
            share.output.size()) {
            result.writeError = errno != 0 ? errno : EIO;
            return false;
        }
        if (!share.refusals.empty()) {
            loop.progressDone();
            std::fputs(share.refusals.c_str(), loop.err);
        }
        result.badRows += share.badRows;
        loop.command.Absorb(*share.command);
        if (share.stopped) {
            result.stopped = true;
            return false;
        }
    }
    if (!share.readError.empty()) {
        result.readError = share.readError;
        return false;
    }
    return true;
}

RecordLoopResult RunShared(RecordLoop& loop, const RowCommand::Sharing& sharing) {
    RecordLoopResult result;
    // Few shares in flight keep memory flat and the pages touched few (each share's strings
    // are kept for the next one; a page touched the first time costs more than the rows
    // written on it): reading waits for the oldest one once a share more than the threads is
    // submitted, so a thread that finishes finds the next share waiting.
    const std::size_t inFlightLimit = loop.jobs;
    std::deque<std::shared_ptr<Share>> inFlight;
    SharePool pool(loop.jobs, loop, sharing);
    // Merged shares, emptied for reuse.
    std::vector<std::shared_ptr<Share>> spare;
    const CsvBlock none;
    CsvReader again(none);
    auto mergeOldest = [&] {
        std::shared_ptr<Share> oldest = inFlight.front();
        inFlight.pop_front();
        pool.WaitFor(*oldest);
        const bool goOn = MergeShare(loop, *oldest, again, result);
        oldest->Clear();
        spare.push_back(std::move(oldest));
        return goOn;
    };
    auto nextShare = [&] {
        if (spare.empty()) return std::make_shared<Share>();
        std::shared_ptr<Share> share = std::move(spare.back());
        spare.pop_back();
        return share;
    };
    auto submit = [&](std::shared_ptr<Share>& share) {
        pool.Submit(share);
        inFlight.push_back(std::move(share));
        share = nextShare();
        while (inFlight.size() > inFlightLimit) {
            if (!mergeOldest()) return false;
        }
        return true;
    };
    // Records the reader reads itself; blocks of the input go to the threads unread.
    std::shared_ptr<Share> read = nextShare();
    std::shared_ptr<Share> block = nextShare();
    std::uint64_t rows = 0;
    while (true) {
        if (loop.reader.NextBlock(block->block)) {
            loop.progress(loop.reader.BytesRead());
            if (!read->records.empty() && !submit(read)) return result;
            block->fromBlock = true;
            if (!submit(block)) return result;
            continue;
        }
        if (!loop.reader.Next()) break;
        if ((++rows & 0xFFF) == 0) loop.progress(loop.reader.BytesRead());
        if (read->Full(sharing) && !submit(read)) return result;
        read->Add(loop.reader.Fields(), loop.reader.Line());
    }
    if (!read->records.empty() && !submit(read)) return result;
    while (!inFlight.empty()) {
        if (!mergeOldest()) return result;
    }
    result.readError = loop.reader.Error();
    return result;
}

}  // namespace

unsigned AvailableCores() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0) {
        return static_cast<unsigned>(CPU_COUNT(&set));
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : cores;
}

std::optional<unsigned> ParseJobs(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    const std::optional<int> value = ParseInt(text);
    if (!value || *value < 1 || static_cast<unsigned>(*value) > kMaxJobs) return std::nullopt;
    return static_cast<unsigned>(*value);
}

RecordLoopResult RunRecords(RecordLoop& loop) {
    const RowCommand::Sharing sharing = loop.command.Shares();
    // One job reads the same stretches as several.
    if (sharing.shared) {
        loop.reader.SetBlockLines(static_cast<long>(sharing.records));
        loop.reader.SetBlockChangeOf(sharing.breakAtChangeOf);
    }
    if (loop.jobs <= 1 || !sharing.shared) return RunOneJob(loop);
    return RunShared(loop, sharing);
}

}  // namespace emberlin::batch

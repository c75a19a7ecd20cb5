// CSV in and out (RFC 4180): quoted fields, CRLF or LF line ends, a UTF-8 byte-order mark,
// empty lines skipped. A record may hold at most kMaxRecordBytes, and no NUL byte. Reading is done
// by libcsv; numbers are written in shortest round-trip form with a decimal point whatever the
// locale.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct csv_parser;

namespace emberlin::batch {

// The longest record the reader takes: its fields' bytes plus one per field for its
// separator, so that a line of bare commas counts too. A table row of fire weather is a few
// hundred bytes; the bound keeps memory flat whatever the input.
inline constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;
// The bound as refusals write it.
inline constexpr const char* kMaxRecordText = "1 MB (1048576 bytes)";

// A stretch of the input that starts where a record starts and ends where one ends (or at the
// end of the input): its records are read by a reader of its own, on another thread, with the
// lines numbered as the whole input numbers them.
struct CsvBlock {
    std::string text;
    long firstLine = 1;
    // The block starts where the value in the reader's change column changed (as written).
    bool startsAtChange = false;
};

class CsvCutter;

class CsvReader {
  public:
    // Streams from a file (read in blocks; memory stays flat however long the file).
    explicit CsvReader(std::FILE* in);
    // Reads from memory (the text must outlive the reader).
    explicit CsvReader(std::string_view text);
    // Reads the records of a block that NextBlock gave (the block must outlive the reader).
    explicit CsvReader(const CsvBlock& block);
    // Reads the records of another block from its start, keeping the memory of the last one
    // (a reader made for a block).
    void Read(const CsvBlock& block);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // Moves to the next record that is not an empty line. False at the end of the input and
    // on malformed CSV or a read error (then Failed() is true); the records before the problem
    // are all handed out first.
    bool Next();
    // The fields of the current record, valid until the next call of Next().
    std::span<const std::string_view> Fields() const { return fields_; }
    // The line (1 = first) on which the current record starts.
    long Line() const { return line_; }
    bool Failed() const { return !error_.empty(); }
    // What went wrong, starting with "line N: ".
    const std::string& Error() const { return error_; }
    // Bytes of input taken so far.
    std::uint64_t BytesRead() const;

    // Once every record read so far has been handed out: takes the next stretch of the input
    // unread, as a block for a reader of its own, and returns true. False when the input goes
    // on inside a record (one longer than a block), at its end and on a read error: Next()
    // then reads on. The input is parted at the same places whichever of the two reads it, so
    // that both say the same of every record.
    bool NextBlock(CsvBlock& block);
    // About how many lines a stretch holds after the heading (which comes alone): 1024 unless
    // set before the first record after the heading is read.
    void SetBlockLines(long lines) { blockLines_ = lines; }
    // A stretch after the heading goes on to where the value in this column changes, when it
    // does within a few stretches (a station's days kept together).
    void SetBlockChangeOf(std::optional<std::size_t> column) { blockChangeOf_ = column; }

    // libcsv's callbacks.
    void OnField(const char* data, std::size_t size);
    void OnRecordEnd(int terminator);

  private:
    struct PendingRecord {
        std::size_t firstField;
        std::size_t fieldCount;
        long line;
    };

    bool Refill();
    // Moves on to the next stretch from the cutter; false at the end of the input.
    bool TakePiece();
    void StartPiece(bool startsRecord, long firstLine);
    long PieceLines() const;
    std::optional<std::size_t> PieceChangeOf() const;
    void KeepOpenRecordOnly();
    std::size_t CompleteCount() const { return pending_.size() - (recordOpen_ ? 1 : 0); }
    void Fail(long line, const std::string& what);
    // The first problem met inside libcsv's callbacks, reported once the block is parsed.
    void FailInCallback(long line, const std::string& what);

    std::unique_ptr<CsvCutter> cutter_;  // none when reading one block
    std::string piece_;                  // the stretch being parsed, from the cutter
    std::string_view text_;              // piece_ or the block's text
    std::size_t parsedTo_ = 0;           // in text_
    csv_parser* parser_ = nullptr;
    bool finished_ = false;
    bool handedOut_ = false;  // a record (the heading) has been handed out
    long blockLines_ = 1024;
    std::optional<std::size_t> blockChangeOf_;

    // Records parsed from the last block, waiting to be handed out.
    std::string chars_;
    std::vector<std::size_t> fieldBounds_;  // start, end pairs into chars_
    std::vector<PendingRecord> pending_;
    std::size_t nextPending_ = 0;
    bool recordOpen_ = false;
    long recordLine_ = 1;
    std::size_t recordBytes_ = 0;  // of the open record, as kMaxRecordBytes counts them
    long currentLine_ = 1;
    long callbackLine_ = 0;
    std::size_t callbackKeep_ = 0;  // records complete before the one the callbacks refused
    std::string callbackError_;
    bool afterCr_ = false;

    std::vector<std::string_view> fields_;
    long line_ = 0;
    std::string failure_;  // the problem, told once the records before it are handed out
    std::string error_;
};

// Buffered CSV output: fields quoted where they must be, rows ended with CRLF.
class CsvWriter {
  public:
    explicit CsvWriter(std::FILE* out) : out_(out), buffer_(own_) {
        buffer_.reserve(kBlock + 4096);
    }
    // Appends every row to `sink`, which outlives the writer, instead of writing a file.
    explicit CsvWriter(std::string& sink) : buffer_(sink) {}
    ~CsvWriter() { Flush(); }
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    void Field(std::string_view text);
    // Shortest text that reads back to the same double ("-0" is written as "0").
    void Number(double value);
    // A number's text as Number wrote it before (kept by a caller that writes it again).
    void NumberText(std::string_view text) {
        Separate();
        buffer_.append(text);
    }
    void EndRow();
    // Writes what is buffered; false once any write has failed. Nothing more is written
    // after a failure.
    bool Flush();
    bool Failed() const { return error_ != 0; }
    // The errno of the first failed write, 0 while none has failed.
    int Error() const { return error_; }

  private:
    static constexpr std::size_t kBlock = 1 << 16;
    void Separate() {
        if (!rowStarted_) {
            rowStarted_ = true;
        } else {
            buffer_.push_back(',');
        }
    }

    std::FILE* out_ = nullptr;
    std::string own_;
    std::string& buffer_;  // own_, or the sink
    bool rowStarted_ = false;
    int error_ = 0;
};

}  // namespace emberlin::batch

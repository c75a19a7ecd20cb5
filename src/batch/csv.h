// CSV in and out (RFC 4180): quoted fields, CRLF or LF line ends, a UTF-8 byte-order mark,
// empty lines skipped. A record may hold at most kMaxRecordBytes, and no NUL byte. Reading is done
// by libcsv; numbers are written in shortest round-trip form with a decimal point whatever the
// locale.
#pragma once

#include <cstdint>
#include <cstdio>
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

class CsvReader {
  public:
    // Streams from a file (read in blocks; memory stays flat however long the file).
    explicit CsvReader(std::FILE* in);
    // Reads from memory (the text must outlive the reader).
    explicit CsvReader(std::string_view text);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // Moves to the next record that is not an empty line. False at the end of the input and
    // on malformed CSV or a read error (then Failed() is true).
    bool Next();
    // The fields of the current record, valid until the next call of Next().
    std::span<const std::string_view> Fields() const { return fields_; }
    // The line (1 = first) on which the current record starts.
    long Line() const { return line_; }
    bool Failed() const { return !error_.empty(); }
    // What went wrong, starting with "line N: ".
    const std::string& Error() const { return error_; }
    // Bytes of input taken so far.
    std::uint64_t BytesRead() const { return bytesRead_; }

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
    void KeepOpenRecordOnly();
    std::size_t CompleteCount() const { return pending_.size() - (recordOpen_ ? 1 : 0); }
    void Fail(long line, const std::string& what);
    // The first problem met inside libcsv's callbacks, reported once the block is parsed.
    void FailInCallback(long line, const std::string& what);

    std::FILE* file_ = nullptr;
    std::string_view memory_;
    csv_parser* parser_ = nullptr;
    bool atStart_ = true;
    bool finished_ = false;

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
    std::string callbackError_;
    bool afterCr_ = false;

    std::vector<std::string_view> fields_;
    long line_ = 0;
    std::uint64_t bytesRead_ = 0;
    std::string error_;
    std::vector<char> block_;
};

// Buffered CSV output: fields quoted where they must be, rows ended with CRLF.
class CsvWriter {
  public:
    explicit CsvWriter(std::FILE* out) : out_(out) { buffer_.reserve(kBlock + 4096); }
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

    std::FILE* out_;
    std::string buffer_;
    bool rowStarted_ = false;
    int error_ = 0;
};

}  // namespace emberlin::batch

#include "batch/csv.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "common/csv_text.h"

namespace emberlin::batch {

namespace {

// Bytes read from the input at a time, and given to libcsv at a time.
constexpr std::size_t kReadBlock = 1 << 16;
// A stretch of the input ends at the first record end after the reader's number of lines or
// this many bytes.
constexpr std::size_t kPieceBytes = std::size_t{1} << 18;
// Without a record end this far on, the stretch ends where the text read ends (a record
// longer than the bound, or a quote never closed): memory stays flat.
constexpr std::size_t kUncutBytes = kPieceBytes + kMaxRecordBytes;
// A stretch that ends where a column's value changes (a new station) looks for the change
// over at most this many times its number of lines, then ends where it is.
constexpr long kChangeSearchStretches = 4;

// The text of field `column` of the record `record` as written (quotes and all, without the
// line end); "" when the record has fewer fields.
std::string_view RawField(std::string_view record, std::size_t column) {
    while (!record.empty() && (record.back() == '\n' || record.back() == '\r')) {
        record.remove_suffix(1);
    }
    std::size_t field = 0;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (record[i] == '"') {
            quoted = !quoted;
        } else if (record[i] == ',' && !quoted) {
            if (field == column) return record.substr(start, i - start);
            ++field;
            start = i + 1;
        }
    }
    return field == column ? record.substr(start) : std::string_view();
}

void FieldCallback(void* data, std::size_t size, void* reader) {
    static_cast<CsvReader*>(reader)->OnField(static_cast<const char*>(data), size);
}

void RecordCallback(int terminator, void* reader) {
    static_cast<CsvReader*>(reader)->OnRecordEnd(terminator);
}

// RFC 4180 keeps blanks around a field as part of it.
int NoSpace(unsigned char) { return 0; }

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

void InitParser(csv_parser* parser) {
    csv_init(parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
    csv_set_space_func(parser, NoSpace);
}

csv_parser* NewParser() {
    auto* parser = new csv_parser;
    InitParser(parser);
    return parser;
}

// The bytes the cutter looks at: a quote, a carriage return, a line feed.
constexpr std::array<bool, 256> kSpecial = [] {
    std::array<bool, 256> special{};
    special['"'] = special['\r'] = special['\n'] = true;
    return special;
}();

// Whether any of the eight bytes of `word` is one the cutter looks at.
bool HoldsSpecial(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighs = 0x8080808080808080;
    auto holds = [&](unsigned char c) {
        const std::uint64_t x = word ^ (kOnes * c);
        return ((x - kOnes) & ~x & kHighs) != 0;
    };
    return holds('"') || holds('\r') || holds('\n');
}

}  // namespace

// Parts the input into stretches that end where a record ends, without parsing it. In strict
// RFC 4180 a quote outside a field opens it and each further one closes it or, doubled, stands
// for itself, so counting quotes tells whether a line end is inside a field, up to the first
// malformed byte; the parser refuses that byte in the stretch that holds it, and the stretches
// before it were cut right. Lines are counted as the reader counts them: CR, LF and CR LF end
// a line once outside quotes, a LF inside them starts another.
class CsvCutter {
  public:
    struct Piece {
        long firstLine = 1;
        bool startsRecord = true;     // at the start of a record (or of the input)
        bool endsRecord = true;       // at the end of a record or of the input
        bool startsAtChange = false;  // where the change column's value changed
    };

    explicit CsvCutter(std::FILE* file) : file_(file) {}
    explicit CsvCutter(std::string_view memory) : memory_(memory) {}

    // The next stretch, up to the first record end after `lines` line ends or kPieceBytes
    // bytes, into `text`. With `changeOf`, the stretch goes on past those lines to where the
    // value in that column changes from one record to the next, when it does within a few
    // stretches' lines: a share then starts with a station of its own, and need not wait for
    // the share before it (the values are compared as written; where they only look alike
    // the share still runs correctly, waiting). False at the end of the input or after a read
    // error (Error()).
    bool Next(long lines, std::optional<std::size_t> changeOf, std::string& text, Piece& piece) {
        changeOf_ = changeOf;
        while (true) {
            if (const std::size_t end = Scan(lines); end != 0) {
                Take(end, cutLine_, true, text, piece);
                return true;
            }
            const std::size_t unread = buffer_.size() - start_;
            if (atEnd_) {
                if (unread == 0) return false;
                Take(buffer_.size(), line_, error_.empty(), text, piece);
                return true;
            }
            if (unread >= kUncutBytes) {
                if (lastEnd_ > start_) {
                    Take(lastEnd_, lastEndLine_, true, text, piece);
                } else {
                    Take(scanned_, line_, false, text, piece);
                }
                return true;
            }
            Read();
        }
    }

    const std::string& Error() const { return error_; }
    std::uint64_t BytesRead() const { return bytesRead_; }

  private:
    void Read() {
        buffer_.erase(0, start_);
        scanned_ -= start_;
        lastEnd_ = lastEnd_ > start_ ? lastEnd_ - start_ : 0;
        start_ = 0;
        const std::size_t had = buffer_.size();
        std::size_t size = 0;
        if (file_ != nullptr) {
            buffer_.resize(had + kReadBlock);
            size = std::fread(buffer_.data() + had, 1, kReadBlock, file_);
            buffer_.resize(had + size);
            if (size == 0 && std::ferror(file_)) {
                error_ = std::string("cannot read the input: ") + std::strerror(errno);
            }
        } else {
            size = std::min(memory_.size(), kReadBlock);
            buffer_.append(memory_.data(), size);
            memory_.remove_prefix(size);
        }
        bytesRead_ += size;
        if (size == 0) atEnd_ = true;
        if (atStart_ && size > 0) {
            atStart_ = false;
            // UTF-8 byte-order mark. A read never splits it: reads are far longer and a short
            // first read comes only from a short input.
            if (buffer_.size() >= 3 && buffer_.compare(0, 3, "\xEF\xBB\xBF") == 0) {
                buffer_.erase(0, 3);
            }
        }
    }

    // Scans on from scanned_; the end of the stretch (just past a record end) once the target
    // is met, else 0.
    std::size_t Scan(long lines) {
        const char* data = buffer_.data();
        const std::size_t size = buffer_.size();
        std::size_t i = scanned_;
        while (i < size) {
            if (quoted_) {
                const auto* quote = static_cast<const char*>(std::memchr(data + i, '"', size - i));
                const std::size_t stop = quote == nullptr ? size : std::size_t(quote - data);
                line_ += std::count(data + i, data + stop, '\n');
                i = stop;
                if (quote == nullptr) break;
                ++i;
                quoted_ = false;
                afterCr_ = false;
                continue;
            }
            if (!kSpecial[static_cast<unsigned char>(data[i])]) {
                afterCr_ = false;
                // Eight bytes at a time through the text between line ends.
                std::uint64_t word = 0;
                while (i + sizeof word <= size &&
                       (std::memcpy(&word, data + i, sizeof word), !HoldsSpecial(word))) {
                    i += sizeof word;
                }
                while (i < size && !kSpecial[static_cast<unsigned char>(data[i])]) ++i;
                continue;
            }
            const char c = data[i];
            if (c == '"') {
                quoted_ = true;
                afterCr_ = false;
                ++i;
                continue;
            }
            if (c == '\n') {
                if (!afterCr_) ++line_;
                afterCr_ = false;
                ++i;
            } else {
                // Whether a line feed follows (one line end, cut after it) is not known yet.
                if (i + 1 == size && !atEnd_) break;
                ++line_;
                afterCr_ = true;
                ++i;
                if (i < size && data[i] == '\n') continue;
            }
            const std::size_t recordStart = std::max(lastEnd_, start_);
            const long recordStartLine = lastEnd_ > start_ ? lastEndLine_ : startLine_;
            lastEnd_ = i;
            lastEndLine_ = line_;
            if (line_ - startLine_ >= lines || i - start_ >= kPieceBytes) {
                scanned_ = i;
                cutLine_ = line_;
                if (!changeOf_ || i - start_ >= kPieceBytes ||
                    line_ - startLine_ >= kChangeSearchStretches * lines) {
                    return i;
                }
                const std::string_view key =
                    RawField(std::string_view(data + recordStart, i - recordStart), *changeOf_);
                if (keyHeld_ && key != key_) {
                    // The record just scanned starts the new value: the stretch ends before it.
                    cutLine_ = recordStartLine;
                    cutAtChange_ = true;
                    return recordStart;
                }
                key_.assign(key);
                keyHeld_ = true;
            }
        }
        scanned_ = i;
        return 0;
    }

    void Take(std::size_t end, long endLine, bool endsRecord, std::string& text, Piece& piece) {
        text.assign(buffer_, start_, end - start_);
        piece.firstLine = startLine_;
        piece.startsRecord = startsRecord_;
        piece.endsRecord = endsRecord;
        piece.startsAtChange = startsAtChange_;
        start_ = end;
        startLine_ = endLine;
        startsRecord_ = endsRecord;
        keyHeld_ = false;
        startsAtChange_ = cutAtChange_;
        cutAtChange_ = false;
    }

    std::FILE* file_ = nullptr;
    std::string_view memory_;
    std::string buffer_;
    std::size_t start_ = 0;    // of the next stretch in buffer_
    std::size_t scanned_ = 0;  // the state below is at this byte
    std::size_t lastEnd_ = 0;  // the last record end scanned, when past start_
    long lastEndLine_ = 1;
    long cutLine_ = 1;  // the line after the stretch Scan ended
    std::optional<std::size_t> changeOf_;
    std::string key_;  // the column's value in the last record scanned past the lines
    bool keyHeld_ = false;
    bool cutAtChange_ = false;     // Scan ended the stretch where the value changed
    bool startsAtChange_ = false;  // the next stretch starts there
    long startLine_ = 1;
    long line_ = 1;
    bool quoted_ = false;
    bool afterCr_ = false;  // the byte before scanned_ is a CR outside quotes
    bool startsRecord_ = true;
    bool atStart_ = true;
    bool atEnd_ = false;
    std::string error_;
    std::uint64_t bytesRead_ = 0;
};

CsvReader::CsvReader(std::FILE* in)
    : cutter_(std::make_unique<CsvCutter>(in)), parser_(NewParser()) {}

CsvReader::CsvReader(std::string_view text)
    : cutter_(std::make_unique<CsvCutter>(text)), parser_(NewParser()) {}

CsvReader::CsvReader(const CsvBlock& block)
    : text_(block.text), parser_(NewParser()), currentLine_(block.firstLine) {}

void CsvReader::Read(const CsvBlock& block) {
    csv_free(parser_);
    InitParser(parser_);
    text_ = block.text;
    parsedTo_ = 0;
    finished_ = false;
    chars_.clear();
    fieldBounds_.clear();
    pending_.clear();
    nextPending_ = 0;
    recordOpen_ = false;
    recordLine_ = 1;
    recordBytes_ = 0;
    currentLine_ = block.firstLine;
    callbackLine_ = 0;
    callbackKeep_ = 0;
    callbackError_.clear();
    afterCr_ = false;
    fields_.clear();
    line_ = 0;
    failure_.clear();
    error_.clear();
}

CsvReader::~CsvReader() {
    csv_free(parser_);
    delete parser_;
}

std::uint64_t CsvReader::BytesRead() const { return cutter_ ? cutter_->BytesRead() : text_.size(); }

void CsvReader::OnField(const char* data, std::size_t size) {
    if (!recordOpen_) {
        recordOpen_ = true;
        recordLine_ = currentLine_;
        recordBytes_ = 0;
        pending_.push_back({fieldBounds_.size() / 2, 0, recordLine_});
    }
    afterCr_ = false;
    recordBytes_ += size + 1;
    if (recordBytes_ > kMaxRecordBytes) {
        FailInCallback(recordLine_, std::string("a record longer than ") + kMaxRecordText);
    }
    if (size != 0 && std::memchr(data, '\0', size) != nullptr) {
        FailInCallback(recordLine_, "a NUL byte in field " +
                                        std::to_string(pending_.back().fieldCount + 1) +
                                        ": text files hold none");
    }
    const std::size_t start = chars_.size();
    if (size != 0) {
        chars_.append(data, size);
        // A quoted field may hold line ends; the next record starts that much further down.
        currentLine_ += std::count(data, data + size, '\n');
    }
    fieldBounds_.push_back(start);
    fieldBounds_.push_back(chars_.size());
    ++pending_.back().fieldCount;
}

void CsvReader::OnRecordEnd(int terminator) {
    if (recordOpen_) {
        recordOpen_ = false;
        const PendingRecord& record = pending_.back();
        // A line holding nothing but blanks counts as empty.
        if (record.fieldCount == 1) {
            const std::size_t start = fieldBounds_[2 * record.firstField];
            const std::size_t end = fieldBounds_[2 * record.firstField + 1];
            if (IsBlank(std::string_view(chars_).substr(start, end - start))) {
                fieldBounds_.resize(fieldBounds_.size() - 2);
                pending_.pop_back();
            }
        }
    }
    // CR LF counts once; a lone CR or LF ends a line too.
    if (terminator == '\r') {
        ++currentLine_;
        afterCr_ = true;
    } else if (terminator == '\n') {
        if (!afterCr_) ++currentLine_;
        afterCr_ = false;
    }
}

void CsvReader::Fail(long line, const std::string& what) {
    // The record the problem is in goes; those complete before it are still handed out.
    if (recordOpen_) {
        pending_.pop_back();
        recordOpen_ = false;
    }
    failure_ = "line " + std::to_string(line) + ": " + what;
    finished_ = true;
}

void CsvReader::FailInCallback(long line, const std::string& what) {
    if (!callbackError_.empty()) return;
    callbackLine_ = line;
    callbackError_ = what;
    callbackKeep_ = pending_.size() - 1;  // the record being read is the last one
}

void CsvReader::KeepOpenRecordOnly() {
    if (!recordOpen_) {
        chars_.clear();
        fieldBounds_.clear();
        pending_.clear();
        nextPending_ = 0;
        return;
    }
    // The fields of a record that goes on in the next block were already reported by
    // libcsv: move them to the front.
    PendingRecord open = pending_.back();
    const std::size_t from = fieldBounds_[2 * open.firstField];
    chars_.erase(0, from);
    fieldBounds_.erase(fieldBounds_.begin(),
                       fieldBounds_.begin() + static_cast<std::ptrdiff_t>(2 * open.firstField));
    for (std::size_t& bound : fieldBounds_) bound -= from;
    open.firstField = 0;
    pending_.assign(1, open);
    nextPending_ = 0;
}

// The heading comes in a stretch of its own line, so that every record after it can go to
// another reader.
long CsvReader::PieceLines() const { return handedOut_ ? blockLines_ : 1; }
std::optional<std::size_t> CsvReader::PieceChangeOf() const {
    return handedOut_ ? blockChangeOf_ : std::nullopt;
}

void CsvReader::StartPiece(bool startsRecord, long firstLine) {
    text_ = piece_;
    parsedTo_ = 0;
    if (startsRecord) {
        currentLine_ = firstLine;  // after stretches other readers read
        afterCr_ = false;
    }
}

bool CsvReader::TakePiece() {
    if (!cutter_) return false;
    CsvCutter::Piece piece;
    if (!cutter_->Next(PieceLines(), PieceChangeOf(), piece_, piece)) return false;
    StartPiece(piece.startsRecord, piece.firstLine);
    return true;
}

bool CsvReader::NextBlock(CsvBlock& block) {
    if (!cutter_ || finished_ || nextPending_ < CompleteCount() || parsedTo_ < text_.size()) {
        return false;
    }
    CsvCutter::Piece piece;
    if (!cutter_->Next(PieceLines(), PieceChangeOf(), block.text, piece)) return false;
    if (!piece.startsRecord || !piece.endsRecord) {
        // Inside a record: read on here, where the parser holds what came before.
        piece_.swap(block.text);
        StartPiece(piece.startsRecord, piece.firstLine);
        return false;
    }
    block.firstLine = piece.firstLine;
    block.startsAtChange = piece.startsAtChange;
    return true;
}

bool CsvReader::Refill() {
    KeepOpenRecordOnly();
    while (CompleteCount() == 0 && !finished_) {
        if (parsedTo_ == text_.size() && !TakePiece()) {
            if (cutter_ && !cutter_->Error().empty()) {
                Fail(currentLine_, cutter_->Error());
                break;
            }
            finished_ = true;
            const long line = recordOpen_ ? recordLine_ : currentLine_;
            if (csv_fini(parser_, FieldCallback, RecordCallback, this) != 0) {
                Fail(line, "a quoted field is not closed");
                break;
            }
            if (!callbackError_.empty()) {
                pending_.resize(callbackKeep_);
                recordOpen_ = false;
                Fail(callbackLine_, callbackError_);
            }
            break;
        }
        const std::size_t size = std::min(kReadBlock, text_.size() - parsedTo_);
        const char* data = text_.data() + parsedTo_;
        parsedTo_ += size;
        const std::size_t parsed =
            csv_parse(parser_, data, size, FieldCallback, RecordCallback, this);
        if (!callbackError_.empty()) {
            pending_.resize(callbackKeep_);
            recordOpen_ = false;
            Fail(callbackLine_, callbackError_);
            break;
        }
        if (parsed != size) {
            const int code = csv_error(parser_);
            Fail(currentLine_,
                 code == CSV_EPARSE
                     ? "a quote inside a field that is not quoted, or text after a closing quote"
                     : csv_strerror(code));
            break;
        }
        // The field libcsv is still gathering belongs to the open record, or starts the next
        // one: a quote never closed in a huge input stops here, one block past the bound.
        const std::size_t openBytes = (recordOpen_ ? recordBytes_ : 0) + parser_->entry_pos;
        if (openBytes > kMaxRecordBytes) {
            Fail(recordOpen_ ? recordLine_ : currentLine_,
                 std::string("a record longer than ") + kMaxRecordText);
            break;
        }
    }
    return CompleteCount() > 0;
}

bool CsvReader::Next() {
    fields_.clear();
    while (nextPending_ >= CompleteCount()) {
        if (finished_) {
            error_ = failure_;
            return false;
        }
        Refill();
    }
    const PendingRecord& record = pending_[nextPending_++];
    for (std::size_t f = 0; f < record.fieldCount; ++f) {
        const std::size_t start = fieldBounds_[2 * (record.firstField + f)];
        const std::size_t end = fieldBounds_[2 * (record.firstField + f) + 1];
        fields_.emplace_back(chars_.data() + start, end - start);
    }
    line_ = record.line;
    handedOut_ = true;
    return true;
}

void CsvWriter::Field(std::string_view text) {
    Separate();
    AppendCsvField(buffer_, text);
}

void CsvWriter::Number(double value) {
    Separate();
    AppendShortestNumber(buffer_, value);
}

void CsvWriter::EndRow() {
    buffer_.append("\r\n");
    rowStarted_ = false;
    if (buffer_.size() >= kBlock) Flush();
}

bool CsvWriter::Flush() {
    if (out_ == nullptr) return true;  // the sink holds every row
    if (!buffer_.empty() && error_ == 0) {
        errno = 0;
        if (std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size()) {
            error_ = errno != 0 ? errno : EIO;
        }
    }
    buffer_.clear();
    return error_ == 0;
}

}  // namespace emberlin::batch

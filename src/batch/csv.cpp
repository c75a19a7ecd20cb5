#include "batch/csv.h"

#include <csv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/csv_text.h"

namespace emberlin::batch {

namespace {

constexpr std::size_t kReadBlock = 1 << 16;

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

}  // namespace

CsvReader::CsvReader(std::FILE* in) : file_(in), parser_(new csv_parser) {
    csv_init(parser_, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
    csv_set_space_func(parser_, NoSpace);
    block_.resize(kReadBlock);
}

CsvReader::CsvReader(std::string_view text) : memory_(text), parser_(new csv_parser) {
    csv_init(parser_, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
    csv_set_space_func(parser_, NoSpace);
}

CsvReader::~CsvReader() {
    csv_free(parser_);
    delete parser_;
}

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
        for (std::size_t i = 0; i < size; ++i) {
            if (data[i] == '\n') ++currentLine_;
        }
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
    error_ = "line " + std::to_string(line) + ": " + what;
    finished_ = true;
}

void CsvReader::FailInCallback(long line, const std::string& what) {
    if (!callbackError_.empty()) return;
    callbackLine_ = line;
    callbackError_ = what;
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

bool CsvReader::Refill() {
    KeepOpenRecordOnly();
    while (CompleteCount() == 0 && !finished_) {
        const char* data = nullptr;
        std::size_t size = 0;
        if (file_ != nullptr) {
            size = std::fread(block_.data(), 1, block_.size(), file_);
            data = block_.data();
            if (size == 0 && std::ferror(file_)) {
                Fail(currentLine_, std::string("cannot read the input: ") + std::strerror(errno));
                return false;
            }
        } else {
            size = std::min(memory_.size(), kReadBlock);
            data = memory_.data();
            memory_.remove_prefix(size);
        }
        if (atStart_ && size > 0) {
            atStart_ = false;
            // UTF-8 byte-order mark. A block boundary never splits it: blocks are far longer
            // and a short first read comes only from a short input.
            if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) {
                data += 3;
                size -= 3;
                bytesRead_ += 3;
            }
        }
        if (size == 0) {
            finished_ = true;
            const long line = recordOpen_ ? recordLine_ : currentLine_;
            if (csv_fini(parser_, FieldCallback, RecordCallback, this) != 0) {
                Fail(line, "a quoted field is not closed");
                return false;
            }
            if (!callbackError_.empty()) {
                Fail(callbackLine_, callbackError_);
                return false;
            }
            break;
        }
        bytesRead_ += size;
        const std::size_t parsed =
            csv_parse(parser_, data, size, FieldCallback, RecordCallback, this);
        if (!callbackError_.empty()) {
            Fail(callbackLine_, callbackError_);
            return false;
        }
        if (parsed != size) {
            const int code = csv_error(parser_);
            Fail(currentLine_,
                 code == CSV_EPARSE
                     ? "a quote inside a field that is not quoted, or text after a closing quote"
                     : csv_strerror(code));
            return false;
        }
        // The field libcsv is still gathering belongs to the open record, or starts the next
        // one: a quote never closed in a huge input stops here, one block past the bound.
        const std::size_t openBytes = (recordOpen_ ? recordBytes_ : 0) + parser_->entry_pos;
        if (openBytes > kMaxRecordBytes) {
            Fail(recordOpen_ ? recordLine_ : currentLine_,
                 std::string("a record longer than ") + kMaxRecordText);
            return false;
        }
    }
    return CompleteCount() > 0;
}

bool CsvReader::Next() {
    fields_.clear();
    while (true) {
        // Hand out completed records only: the last pending one may still be open.
        if (nextPending_ < CompleteCount()) {
            const PendingRecord& record = pending_[nextPending_++];
            for (std::size_t f = 0; f < record.fieldCount; ++f) {
                const std::size_t start = fieldBounds_[2 * (record.firstField + f)];
                const std::size_t end = fieldBounds_[2 * (record.firstField + f) + 1];
                fields_.emplace_back(chars_.data() + start, end - start);
            }
            line_ = record.line;
            return true;
        }
        if (finished_ || !Refill()) return false;
    }
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

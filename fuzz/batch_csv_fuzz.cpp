// Any byte string fed to the batch CSV reader and to `emberlin fbp` and `emberlin fwi` is
// accepted or refused, never a crash, the same on one job and on several; what the reader
// accepts stays within its record bound, holds no NUL byte, and, written back by the writer,
// reads the same.
// fuzz-runs: 25000
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch.h"
#include "batch/csv.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

using Records = std::vector<std::vector<std::string>>;

// Reads every record; the line numbers only grow and a refusal says where.
Records ReadAll(emberlin::batch::CsvReader& reader) {
    Records records;
    long line = 0;
    while (reader.Next()) {
        Check(reader.Line() >= 1 && reader.Line() >= line);
        line = reader.Line();
        // A record handed out is within the bound, each field counted with its separator,
        // and holds no NUL byte.
        std::size_t bytes = 0;
        for (std::string_view field : reader.Fields()) {
            bytes += field.size() + 1;
            Check(field.find('\0') == std::string_view::npos);
        }
        Check(bytes <= emberlin::batch::kMaxRecordBytes);
        records.emplace_back(reader.Fields().begin(), reader.Fields().end());
    }
    if (reader.Failed()) Check(reader.Error().starts_with("line "));
    return records;
}

struct Run {
    int status;
    std::string out, err;
    bool operator==(const Run&) const = default;
};

std::string Text(char* data, std::size_t size) {
    std::string text(data, size);
    std::free(data);
    return text;
}

Run RunCommand(const char* command, const char* jobs, const std::uint8_t* data, std::size_t size) {
    // fmemopen wants a writable buffer of at least one byte.
    std::vector<char> buffer(data, data + size);
    buffer.push_back('\0');
    std::FILE* in = fmemopen(buffer.data(), size == 0 ? 1 : size, "rb");
    Check(in != nullptr);
    if (size == 0) std::fgetc(in);  // an empty input
    char* outText = nullptr;
    char* errText = nullptr;
    std::size_t outSize = 0, errSize = 0;
    std::FILE* out = open_memstream(&outText, &outSize);
    std::FILE* err = open_memstream(&errText, &errSize);
    Check(out != nullptr && err != nullptr);
    const std::vector<std::string_view> args = {command, "--keep-going", "--jobs", jobs};
    const int status = emberlin::batch::RunBatch(args, in, out, err);
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    return {status, Text(outText, outSize), Text(errText, errSize)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    emberlin::batch::CsvReader reader(text);
    const Records records = ReadAll(reader);
    if (!reader.Failed()) {
        // Written back and read again: the same records (the writer ends rows with CRLF and
        // quotes what needs it; an all-blank single field would read as an empty line).
        char* written = nullptr;
        std::size_t writtenSize = 0;
        std::FILE* memory = open_memstream(&written, &writtenSize);
        Check(memory != nullptr);
        Records kept;
        {
            emberlin::batch::CsvWriter writer(memory);
            for (const auto& record : records) {
                if (record.size() == 1 && record[0].find_first_not_of(" \t") == std::string::npos) {
                    continue;
                }
                for (const std::string& field : record) writer.Field(field);
                writer.EndRow();
                kept.push_back(record);
            }
            Check(writer.Flush());
        }
        std::fclose(memory);
        emberlin::batch::CsvReader again(std::string_view(written, writtenSize));
        const Records reread = ReadAll(again);
        Check(!again.Failed());
        Check(reread == kept);
        std::free(written);
    }

    // On several jobs, the same output, refusals and status as on one.
    for (const char* command : {"fbp", "fwi"}) {
        const Run one = RunCommand(command, "1", data, size);
        Check(one.status == 0 || one.status == 1);
        Check(RunCommand(command, "2", data, size) == one);
    }
    return 0;
}

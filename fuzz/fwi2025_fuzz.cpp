// CSV rows fed to `emberlin fwi2025` (hourly rows, daily summaries, hours built from daily
// observations, runs per year or continuous): every value written is finite and within its
// meaning (FFMC 0 to 101, moisture codes and indices not negative), and every row is either
// computed or refused with a message naming its line.
// fuzz-runs: 20000
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch.h"
#include "batch/csv.h"
#include "common/number_text.h"

namespace {

// Aborts naming the failed check's line.
void CheckAt(bool condition, int line) {
    if (condition) return;
    std::fprintf(stderr, "fwi2025_fuzz.cpp:%d: check failed\n", line);
    std::abort();
}
#define Check(condition) CheckAt(condition, __LINE__)

// What a memory stream holds; its buffer and size are current only after a flush.
std::string Capture(std::FILE* file, char* const& buffer, const std::size_t& size) {
    std::fflush(file);
    return std::string(buffer, size);
}

// Columns the first byte can put in front of the fuzzed rows.
constexpr std::string_view kHourlyHead =
    "id,lat,long,timezone,yr,mon,day,hr,temp,rh,ws,prec,solrad,percent_cured,grass_fuel_load\n";
constexpr std::string_view kShortHead = "id,lat,long,timezone,yr,mon,day,hr,temp,rh,ws,prec\n";
constexpr std::string_view kDailyHead = "id,lat,long,timezone,yr,mon,day,temp,rh,ws,prec\n";

// Bounds of each computed column: what the value means.
struct Bound {
    std::string_view name;
    double min;
    double max;
};
constexpr Bound kBounds[] = {
    {"ffmc", 0, 101},
    {"mcffmc", 0, 250},
    {"dmc", 0, INFINITY},
    {"dc", 0, INFINITY},
    {"isi", 0, INFINITY},
    {"bui", 0, INFINITY},
    {"fwi", 0, INFINITY},
    {"dsr", 0, INFINITY},
    {"gfmc", 0, INFINITY},
    {"gsi", 0, INFINITY},
    {"gfwi", 0, INFINITY},
    {"solrad", 0, INFINITY},
    {"percent_cured", 0, 100},
    {"prec_cumulative", 0, INFINITY},
    {"canopy_drying", 0, INFINITY},
    {"duration", 0, 24},
    {"peak_hr", 0, 23},
    {"ws_smooth", 0, INFINITY},
    {"isi_smooth", 0, INFINITY},
    {"gsi_smooth", 0, INFINITY},
    {"mcgfmc_matted", -INFINITY, 250},
    {"mcgfmc_standing", -INFINITY, 250},
    {"sunrise", -INFINITY, INFINITY},
    {"sunset", -INFINITY, INFINITY},
    {"sunlight_hours", 0, 24 + 1e-9},  // a rounding over 24 h under the midnight sun
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t mode = data[0];
    const bool fromDaily = (mode & 8) != 0;
    std::string input;
    switch (mode & 3) {
        case 0:
            input = fromDaily ? kDailyHead : kHourlyHead;
            break;
        case 1:
            input = fromDaily ? kDailyHead : kShortHead;
            break;
        default:
            break;  // the heading comes from the fuzzer
    }
    input.append(reinterpret_cast<const char*>(data + 1), size - 1);

    std::vector<std::string_view> args = {"fwi2025", "--keep-going"};
    if (mode & 4) args.push_back("--summaries");
    if (fromDaily) args.push_back("--from-daily");
    if (mode & 16) args.push_back("--continuous");
    if (mode & 32) args.insert(args.end(), {"--mcffmc", "0", "--dmc", "1e6", "--dc", "1e6"});

    std::vector<char> inBuffer(input.begin(), input.end());
    inBuffer.push_back('\0');
    std::FILE* in = fmemopen(inBuffer.data(), input.empty() ? 1 : input.size(), "rb");
    if (in == nullptr) return 0;
    if (input.empty()) std::fgetc(in);
    char* outText = nullptr;
    std::size_t outSize = 0;
    char* errText = nullptr;
    std::size_t errSize = 0;
    std::FILE* out = open_memstream(&outText, &outSize);
    std::FILE* err = open_memstream(&errText, &errSize);
    Check(out != nullptr && err != nullptr);
    const int status = emberlin::batch::RunBatch(args, in, out, err);
    const std::string written = Capture(out, outText, outSize);
    const std::string errors = Capture(err, errText, errSize);
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    std::free(outText);
    std::free(errText);

    // A refusal is said; a clean run says nothing.
    Check((status == 0) == errors.empty());
    std::size_t refusedRows = 0;
    for (std::size_t start = 0; start < errors.size();) {
        const std::size_t end = errors.find('\n', start);
        Check(end != std::string::npos && end > start);
        if (errors.compare(start, 5, "line ") == 0) ++refusedRows;
        start = end + 1;
    }

    // Every number written is finite and within its meaning.
    emberlin::batch::CsvReader reader(written);
    if (!reader.Next()) return 0;
    const std::vector<std::string> names(reader.Fields().begin(), reader.Fields().end());
    std::vector<const Bound*> bounds(names.size(), nullptr);
    for (std::size_t c = 0; c < names.size(); ++c) {
        for (const Bound& bound : kBounds) {
            if (names[c] == bound.name) bounds[c] = &bound;
        }
    }
    std::size_t outputRows = 0;
    while (reader.Next()) {
        ++outputRows;
        const auto fields = reader.Fields();
        Check(fields.size() == names.size());
        for (std::size_t c = 0; c < fields.size(); ++c) {
            if (bounds[c] == nullptr) continue;
            if (names[c] == "sunrise" || names[c] == "sunset") {
                if (fields[c].find(':') != std::string_view::npos) continue;  // HH:MM
            }
            const std::optional<double> value = emberlin::ParseDouble(fields[c]);
            Check(value.has_value());
            Check(std::isfinite(*value));
            Check(*value >= bounds[c]->min && *value <= bounds[c]->max);
        }
    }
    Check(!reader.Failed());

    // Hourly rows: each input record is computed (one row out) or refused (one message).
    if ((mode & 3) == 0 && !fromDaily && !(mode & 4) && status != 2) {
        emberlin::batch::CsvReader records(input);
        std::size_t inputRows = 0;
        if (records.Next()) {
            while (records.Next()) ++inputRows;
        }
        if (!records.Failed()) Check(outputRows + refusedRows == inputRows);
    }
    return 0;
}
